// The gallery's pages in the order of the page list.
#include "GalleryPage.h"

std::unique_ptr<CGalleryPage> CreateColoursPage();
std::unique_ptr<CGalleryPage> CreateDrawingPage();
std::unique_ptr<CGalleryPage> CreateColourNamesPage();
std::unique_ptr<CGalleryPage> CreateImageRegistryPage();
std::unique_ptr<CGalleryPage> CreateMenusPage();
std::unique_ptr<CGalleryPage> CreateImagesPage();
std::unique_ptr<CGalleryPage> CreateStylesPage();
std::unique_ptr<CGalleryPage> CreateTreeGridPage();
std::unique_ptr<CGalleryPage> CreateTreeGridControlsPage();
std::unique_ptr<CGalleryPage> CreateListGridPage();
std::unique_ptr<CGalleryPage> CreateListGridScalePage();
std::unique_ptr<CGalleryPage> CreateSplitterPage();
std::unique_ptr<CGalleryPage> CreateColourEditorPage();
std::unique_ptr<CGalleryPage> CreatePropertyListPage();
std::unique_ptr<CGalleryPage> CreateTitleHeaderPage();
std::unique_ptr<CGalleryPage> CreateTabsPage();
std::unique_ptr<CGalleryPage> CreateToolbarPage();

std::vector<std::unique_ptr<CGalleryPage>> CreateGalleryPages()
{
    std::vector<std::unique_ptr<CGalleryPage>> pages;
    pages.push_back(CreateColoursPage());
    pages.push_back(CreateDrawingPage());
    pages.push_back(CreateColourNamesPage());
    pages.push_back(CreateImageRegistryPage());
    pages.push_back(CreateMenusPage());
    pages.push_back(CreateImagesPage());
    pages.push_back(CreateStylesPage());
    pages.push_back(CreateTreeGridPage());
    pages.push_back(CreateTreeGridControlsPage());
    pages.push_back(CreateListGridPage());
    pages.push_back(CreateListGridScalePage());
    pages.push_back(CreateSplitterPage());
    pages.push_back(CreateColourEditorPage());
    pages.push_back(CreatePropertyListPage());
    pages.push_back(CreateTitleHeaderPage());
    pages.push_back(CreateTabsPage());
    pages.push_back(CreateToolbarPage());
    return pages;
}
