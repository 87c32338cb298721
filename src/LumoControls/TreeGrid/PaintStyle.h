// One visual state's look: font, text colour, background bands, image and border definitions. A paint
// style belongs to one draw style and is created by the first write for its state.
#pragma once

#include "LumoControls/TreeGrid/StyleTypes.h"
#include "LumoCtrls/LibraryMemory.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace lumo
{
class DrawStyle;

class PaintStyle : public CLibraryObject
{
public:
    PaintStyle(DrawStyle& drawStyle, PaintSlot slot);
    virtual ~PaintStyle();
    PaintStyle(PaintStyle const&) = delete;
    PaintStyle& operator=(PaintStyle const&) = delete;

    DrawStyle& GetDrawStyle() const { return m_drawStyle; }
    PaintSlot GetSlot() const { return m_slot; }
    wchar_t const* GetName() const;

    // Takes the tree grid's shared font and clears colour, bands, direction, borders, image name, fill and
    // alignment (the image offset and crop stay).
    void Reset();

    // --- Values. Every setter stores only when the value differs.
    FontSpec const* GetFont() const { return m_font.get(); } // null: no font
    void SetFont(FontSpec const& font);
    void ClearFont() { m_font.reset(); }
    COLORREF GetTextColor() const { return m_textColor; }
    void SetTextColor(COLORREF color);
    std::vector<Band> const& GetBackgroundColors() const { return m_bands; }
    void AddBackgroundColor(COLORREF from, COLORREF to, int size);
    void ClearBackgroundColors();
    int GetGradientDirection() const { return m_direction; }
    void SetGradientDirection(int direction);
    std::wstring const& GetImage() const { return m_image; }
    void SetImage(std::wstring const& name);
    int GetImageFill() const { return m_imageFill; }
    void SetImageFill(int fill);
    int GetImageAlign() const { return m_imageAlign; }
    void SetImageAlign(int align);
    Point GetImageOffset() const { return m_imageOffset; }
    void SetImageOffset(Point offset);
    Rect GetCrop() const { return m_crop; }
    void SetCrop(Rect const& crop);

    // Border definitions, by side bits (1 left, 2 right, 4 top, 8 bottom; 15 all sides).
    void SetBorder(std::wstring const& name, unsigned sides);
    std::wstring const& GetBorder(unsigned side) const; // empty when none
    void RemoveBorder(unsigned sides);
    // The thickness of that side's border: the pen count of its named border style.
    int GetBorderWidth(unsigned side) const;
    std::map<unsigned, std::wstring> const& GetBorders() const { return m_borders; }

    bool IsSet() const;
    std::wstring Describe() const;

    // Whether each value is set, as resolution asks it.
    bool HasFont() const { return m_font != nullptr; }
    bool HasTextColor() const { return m_textColor != kUnsetColor; }
    bool HasBands() const { return !m_bands.empty(); }
    bool HasCrop() const { return m_crop.Width() > 0 && m_crop.Height() > 0; }

private:
    DrawStyle& m_drawStyle;
    PaintSlot m_slot;
    std::shared_ptr<FontSpec const> m_font; // shared with copies of the style's look
    COLORREF m_textColor = kUnsetColor;
    int m_direction = 0;
    int m_imageFill = 0;
    int m_imageAlign = 0;
    Point m_imageOffset{0, 0};
    Rect m_crop{0, 0, 0, 0};
    std::vector<Band> m_bands;
    std::wstring m_image;
    std::map<unsigned, std::wstring> m_borders;
};
} // namespace lumo
