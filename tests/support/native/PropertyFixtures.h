// A deterministic platform for the property model: the image count is the handle's numeric value, and
// translation can be switched on to prove that the model translates before it uses a text.
#pragma once

#include "LumoControls/PropertyList/PropertyPlatform.h"

#include <cwctype>
#include <map>
#include <string>

class StandInPropertyPlatform : public lumo::IPropertyPlatform
{
public:
    StandInPropertyPlatform() : m_previous(lumo::BindPropertyPlatform(this)) {}
    ~StandInPropertyPlatform() override { lumo::BindPropertyPlatform(m_previous); }

    std::map<std::wstring, std::wstring> translations;

    static HIMAGELIST ImagesOf(int count)
    {
        return reinterpret_cast<HIMAGELIST>(static_cast<std::uintptr_t>(count));
    }

    COLORREF ButtonFaceColor() const override { return 0x00C8D0D4; }
    int ImageCount(HIMAGELIST images) const override
    {
        return static_cast<int>(reinterpret_cast<std::uintptr_t>(images));
    }
    std::wstring Translate(std::wstring const& text) const override
    {
        auto const found = translations.find(text);
        return found != translations.end() ? found->second : text;
    }
    int CompareNoCase(std::wstring const& a, std::wstring const& b) const override
    {
        std::wstring left = a, right = b;
        for (auto& c : left)
            c = static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c)));
        for (auto& c : right)
            c = static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c)));
        return left.compare(right);
    }

private:
    lumo::IPropertyPlatform const* m_previous;
};
