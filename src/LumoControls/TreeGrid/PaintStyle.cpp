#include "LumoControls/TreeGrid/PaintStyle.h"

#include "LumoControls/TreeGrid/DrawStyle.h"
#include "LumoControls/TreeGrid/StyleDescription.h"
#include "LumoControls/TreeGrid/StyleRegistry.h"
#include "LumoControls/TreeGrid/VisualStates.h"

namespace
{
std::wstring const kNoName;
} // namespace

lumo::PaintStyle::PaintStyle(DrawStyle& drawStyle, PaintSlot slot) : m_drawStyle(drawStyle), m_slot(slot) {}

lumo::PaintStyle::~PaintStyle() = default;

wchar_t const* lumo::PaintStyle::GetName() const
{
    return SlotName(m_slot);
}

void lumo::PaintStyle::Reset()
{
    m_font = std::make_shared<FontSpec const>(m_drawStyle.GetRegistry().GetSharedFont());
    m_textColor = kUnsetColor;
    m_bands.clear();
    m_direction = 0;
    m_borders.clear();
    m_image.clear();
    m_imageFill = 0;
    m_imageAlign = 0;
    m_drawStyle.GetRegistry().StyleChanged();
}

void lumo::PaintStyle::SetFont(FontSpec const& font)
{
    if (m_font == nullptr || !(*m_font == font))
        m_font = std::make_shared<FontSpec const>(font);
    m_drawStyle.GetRegistry().StyleChanged();
}

void lumo::PaintStyle::SetTextColor(COLORREF color)
{
    m_textColor = color;
    m_drawStyle.GetRegistry().StyleChanged();
}

void lumo::PaintStyle::AddBackgroundColor(COLORREF from, COLORREF to, int size)
{
    m_bands.push_back(Band{from, to, size});
    m_drawStyle.GetRegistry().StyleChanged();
}

void lumo::PaintStyle::ClearBackgroundColors()
{
    m_bands.clear();
    m_drawStyle.GetRegistry().StyleChanged();
}

void lumo::PaintStyle::SetGradientDirection(int direction)
{
    m_direction = direction;
    m_drawStyle.GetRegistry().StyleChanged();
}

void lumo::PaintStyle::SetImage(std::wstring const& name)
{
    if (name != m_image)
        m_image = name;
    m_drawStyle.GetRegistry().StyleChanged();
}

void lumo::PaintStyle::SetImageFill(int fill)
{
    m_imageFill = fill;
    m_drawStyle.GetRegistry().StyleChanged();
}

void lumo::PaintStyle::SetImageAlign(int align)
{
    m_imageAlign = align;
    m_drawStyle.GetRegistry().StyleChanged();
}

void lumo::PaintStyle::SetImageOffset(Point offset)
{
    m_imageOffset = offset;
    m_drawStyle.GetRegistry().StyleChanged();
}

void lumo::PaintStyle::SetCrop(Rect const& crop)
{
    m_crop = crop;
    m_drawStyle.GetRegistry().StyleChanged();
}

void lumo::PaintStyle::SetBorder(std::wstring const& name, unsigned sides)
{
    m_borders.erase(kSideAll);
    bool any = false;
    for (unsigned side : {kSideLeft, kSideTop, kSideRight, kSideBottom})
        if (sides & side)
        {
            m_borders[side] = name;
            any = true;
        }
    if (any)
        m_borders[kSideAll] = name;
    m_drawStyle.GetRegistry().StyleChanged();
}

std::wstring const& lumo::PaintStyle::GetBorder(unsigned side) const
{
    auto const it = m_borders.find(side);
    return it != m_borders.end() ? it->second : kNoName;
}

void lumo::PaintStyle::RemoveBorder(unsigned sides)
{
    if (sides == kSideAll)
        for (unsigned side : {kSideLeft, kSideRight, kSideTop, kSideBottom})
            m_borders.erase(side);
    else if (sides == (kSideLeft | kSideRight))
    {
        m_borders.erase(kSideLeft);
        m_borders.erase(kSideRight);
    }
    else if (sides == (kSideTop | kSideBottom))
    {
        m_borders.erase(kSideTop);
        m_borders.erase(kSideBottom);
    }
    m_borders.erase(sides);
    m_drawStyle.GetRegistry().StyleChanged();
}

int lumo::PaintStyle::GetBorderWidth(unsigned side) const
{
    return m_drawStyle.GetRegistry().GetBorderPenCount(GetBorder(side));
}

bool lumo::PaintStyle::IsSet() const
{
    return HasFont() || HasTextColor() || HasBands() || m_direction != 0 || !m_image.empty() ||
           m_imageFill != 0 || m_imageAlign != 0 || m_imageOffset.x != 0 || m_imageOffset.y != 0 ||
           HasCrop() || !m_borders.empty();
}

std::wstring lumo::PaintStyle::Describe() const
{
    return DescribePaintStyle(*this, m_drawStyle.GetRegistry().GetPlatform());
}
