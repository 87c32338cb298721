// What the property model asks of the platform. The library binds the real calls when it loads; native
// tests bind a stand-in with fixed answers. Unbound, the model uses plain portable answers.
#pragma once

#include "LumoCtrls/PropertyManager.h"

#include <string>

namespace lumo
{
class IPropertyPlatform
{
public:
    virtual ~IPropertyPlatform() = default;
    // The button-face system colour: the list's colour without the colour style.
    virtual COLORREF ButtonFaceColor() const = 0;
    // Images in an image list (0 for null).
    virtual int ImageCount(HIMAGELIST images) const = 0;
    // An interface text in the user's language; unchanged in the reference language.
    virtual std::wstring Translate(std::wstring const& text) const = 0;
    // Negative, zero or positive as a sorts before, with or after b, ignoring case.
    virtual int CompareNoCase(std::wstring const& a, std::wstring const& b) const = 0;
};

IPropertyPlatform const& PropertyPlatform();

// Binds a platform and returns the one bound before; null goes back to the portable answers.
IPropertyPlatform const* BindPropertyPlatform(IPropertyPlatform const* platform);
} // namespace lumo
