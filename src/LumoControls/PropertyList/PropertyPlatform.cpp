#include "LumoControls/PropertyList/PropertyPlatform.h"

#include <cwctype>

namespace
{
// Answers that need no platform: the classic button face, no images, the reference language and a
// comparison that folds the case character by character.
class CPortablePropertyPlatform : public lumo::IPropertyPlatform
{
public:
    COLORREF ButtonFaceColor() const override { return 0xF0F0F0u; }
    int ImageCount(HIMAGELIST) const override { return 0; }
    std::wstring Translate(std::wstring const& text) const override { return text; }
    int CompareNoCase(std::wstring const& a, std::wstring const& b) const override
    {
        std::size_t const length = a.size() < b.size() ? a.size() : b.size();
        for (std::size_t i = 0; i < length; ++i)
        {
            auto const left = std::towlower(static_cast<std::wint_t>(a[i]));
            auto const right = std::towlower(static_cast<std::wint_t>(b[i]));
            if (left != right)
                return left < right ? -1 : 1;
        }
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    }
};

CPortablePropertyPlatform const g_portablePlatform;
lumo::IPropertyPlatform const* g_boundPlatform = nullptr;
} // namespace

lumo::IPropertyPlatform const& lumo::PropertyPlatform()
{
    return g_boundPlatform != nullptr ? *g_boundPlatform : g_portablePlatform;
}

lumo::IPropertyPlatform const* lumo::BindPropertyPlatform(IPropertyPlatform const* platform)
{
    IPropertyPlatform const* previous = g_boundPlatform;
    g_boundPlatform = platform;
    return previous;
}
