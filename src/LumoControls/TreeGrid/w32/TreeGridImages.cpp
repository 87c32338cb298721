// The tree grid's image table (named images that styles show) and its three image lists.
#include "LumoControls/TreeGrid/w32/ModelClasses.h"

#include "LumoControls/TreeGrid/w32/TreeGridView.h"
#include "LumoCtrls/LibraryImages.h"
#include "LumoCtrls/LumoImage.h"

namespace
{
// An image list of the strip's images, each imageWidth wide and as high as the strip.
CImageList ImageListOf(CBitmap const& strip, int imageWidth, int grow, COLORREF key, int& height)
{
    BITMAP description{};
    GetObjectW(strip.GetHandle(), sizeof(description), &description);
    height = description.bmHeight;
    CImageList list;
    int const count = imageWidth > 0 ? description.bmWidth / imageWidth : 0;
    list.Create(imageWidth, height, ILC_COLOR24 | ILC_MASK, count, grow);
    if (!strip.IsEmpty())
        ImageList_AddMasked(list, strip, key);
    return list;
}

// The list and its greyed copy (made from the strip greyed with the same key).
void SetLists(CImageList& list, CImageList& greyed, CBitmap const& strip, int imageWidth, int grow,
              COLORREF key, int& height)
{
    list = ImageListOf(strip, imageWidth, grow, key, height);
    CBitmap const grey(strip.IsEmpty() ? nullptr : CLibraryImages::CreateGrayBitmap(strip.GetHandle(), key));
    int ignored = 0;
    greyed = ImageListOf(grey, imageWidth, grow, key, ignored);
}

bool Insert(CTreeGrid::CImpl& grid, std::wstring const& name, TSharedPointer<CLumoImage> const& image)
{
    return grid.Images().emplace(name, image).second; // an existing name keeps its image
}
} // namespace

bool CTreeGrid::AddImage(std::wstring const& name, std::wstring const& path)
{
    if (ImageExists(name))
        return false;
    TSharedPointer<CLumoImage> image(new CLumoImage);
    return image->Load(path) && Insert(*m_impl, name, image);
}

bool CTreeGrid::AddImage(std::wstring const& name, HBITMAP bitmap)
{
    if (ImageExists(name))
        return false;
    TSharedPointer<CLumoImage> image(new CLumoImage);
    return image->Load(bitmap) && Insert(*m_impl, name, image);
}

void CTreeGrid::RemoveImage(std::wstring const& name)
{
    m_impl->Images().erase(name);
}

CLumoImage* CTreeGrid::GetImage(std::wstring const& name) const
{
    auto const found = m_impl->Images().find(name);
    return found != m_impl->Images().end() ? found->second.Get() : nullptr;
}

bool CTreeGrid::ImageExists(std::wstring const& name) const
{
    return m_impl->Images().count(name) != 0;
}

void CTreeGrid::EnumImages(std::vector<std::wstring>& names) const
{
    names.clear();
    for (auto const& entry : m_impl->Images())
        names.push_back(entry.first);
}

void CTreeGrid::SetImageList(CBitmap const& strip, int imageWidth, int grow, COLORREF key)
{
    int height = 0;
    SetLists(m_impl->ImageList(), m_impl->GreyedImageList(), strip, imageWidth, grow, key, height);
    m_impl->Model().SetImageListIconHeight(height);
    m_impl->View().Repaint();
}

CImageList const& CTreeGrid::GetImageList() const
{
    return m_impl->ImageList();
}

void CTreeGrid::SetColumnHeaderImageList(CBitmap const& strip, int imageWidth, int grow, COLORREF key)
{
    int height = 0;
    SetLists(m_impl->ColumnHeaderImageList(), m_impl->GreyedColumnHeaderImageList(), strip, imageWidth, grow,
             key, height);
    m_impl->Model().SetColumnHeaderIconHeight(height);
    m_impl->View().Repaint();
}

CImageList const& CTreeGrid::GetColumnHeaderImageList() const
{
    return m_impl->ColumnHeaderImageList();
}

void CTreeGrid::SetRowHeaderImageList(CBitmap const& strip, int imageWidth, int grow, COLORREF key)
{
    int height = 0;
    SetLists(m_impl->RowHeaderImageList(), m_impl->GreyedRowHeaderImageList(), strip, imageWidth, grow, key,
             height);
    m_impl->Model().SetRowHeaderIconWidth(imageWidth);
    m_impl->View().Repaint();
}

CImageList const& CTreeGrid::GetRowHeaderImageList() const
{
    return m_impl->RowHeaderImageList();
}
