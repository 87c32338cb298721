// The property model's questions answered by the platform, bound while the library is loaded.
#include "LumoControls/PropertyList/PropertyPlatform.h"

#include <windows.h>

#include <commctrl.h>

namespace
{
class CWin32PropertyPlatform : public lumo::IPropertyPlatform
{
public:
    CWin32PropertyPlatform() { lumo::BindPropertyPlatform(this); }
    ~CWin32PropertyPlatform() override { lumo::BindPropertyPlatform(nullptr); }

    COLORREF ButtonFaceColor() const override { return GetSysColor(COLOR_BTNFACE); }

    int ImageCount(HIMAGELIST images) const override
    {
        return images != nullptr ? ImageList_GetImageCount(images) : 0;
    }

    // The library ships no thesaurus of its own, so every user works in the reference language, where
    // texts stay as they are.
    std::wstring Translate(std::wstring const& text) const override { return text; }

    int CompareNoCase(std::wstring const& a, std::wstring const& b) const override
    {
        int const result = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(),
                                          static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()));
        return result == 0 ? a.compare(b) : result - CSTR_EQUAL;
    }
};

CWin32PropertyPlatform const g_platform;
} // namespace
