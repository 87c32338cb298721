// The gallery's pages in the order of the page list.
#include "GalleryPage.h"

std::unique_ptr<CGalleryPage> CreateColoursPage();
std::unique_ptr<CGalleryPage> CreateDrawingPage();

std::vector<std::unique_ptr<CGalleryPage>> CreateGalleryPages()
{
    std::vector<std::unique_ptr<CGalleryPage>> pages;
    pages.push_back(CreateColoursPage());
    pages.push_back(CreateDrawingPage());
    return pages;
}
