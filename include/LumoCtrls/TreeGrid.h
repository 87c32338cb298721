// The tree grid: a hierarchical grid of columns, nodes and cells drawn by styles.
//
// Everything the tree grid draws takes its look from style objects, handed to the host as the interfaces
// below. A style stores only what was set on it; every other value is inherited along a fixed chain that
// ends in the tree grid's default style for the object type (GetDefaultStyle), which starts with the
// built-in look chosen at construction. Each style describes what was set on it as one line of text
// (Describe).
//
// Visual states are bit sets (EVisualState); a state selects one of eight paint styles of a style.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "LumoCtrls/Export.h"
#include "LumoCtrls/SharedHandle.h"

class LUMO_API CTreeGrid
{
public:
    // The built-in look of the default styles.
    enum EVisualLook
    {
        LOOK_STANDARD = 0, // grey headers, the system's selection colours
        LOOK_THEME = 1,    // the library's blue theme colours
        LOOK_HOST = 2,     // the events handler fills each default style (FillDefaultStyle)
    };

    // The objects that have styles, and the keys of the default styles.
    enum EObjectType
    {
        OBJECT_GRID = 1,
        OBJECT_BUTTON = 2,
        OBJECT_LABEL = 3,
        OBJECT_LINK = 4,
        OBJECT_COLUMN_HEADER = 5,
        OBJECT_COLUMN = 6,
        OBJECT_ROW_HEADER = 7,
        OBJECT_ROW = 8,
        OBJECT_CELL = 9,
        OBJECT_PROGRESS = 10,
        OBJECT_COMBO_BOX = 11,
        OBJECT_EDIT = 12,
        OBJECT_SPIN = 13,
        OBJECT_IMAGE = 14,
        OBJECT_CHECK_BOX = 15,
        OBJECT_RADIO_BUTTON = 16,
        OBJECT_DROP_DOWN = 17,
        OBJECT_LAUNCHER = 18,
        OBJECT_FLOAT_CONTROL = 19,
    };

    // Visual-state bits; the per-state operations of the styles take these.
    enum EVisualState : unsigned
    {
        STATE_NORMAL = 0,
        STATE_DISABLE = 0x1,
        STATE_FOCUS = 0x2,
        STATE_HOVER = 0x4,
        STATE_SELECT = 0x8,
        STATE_HISELECT = 0xC, // hover and select together
        STATE_PUSH = 0x10,
        STATE_ALL = 0x8000,
    };

    // One line of a border style: kind 0 none, 1 solid, 2 dotted, 3 dashed; colour 0xFFFFFFFF none.
    struct TPen
    {
        unsigned kind;
        COLORREF color;
    };

    // One background band: from and to colours (equal for a plain band) over size percent.
    struct SBackgroundColor
    {
        COLORREF from;
        COLORREF to;
        int size;
    };

    class IPaintStyle;
    class IDrawStyle;
    class IStyle;
    class IObjStyle;
    class INode;
    class IColumn;
    class CEventsHandler;
    class CImpl;

    explicit CTreeGrid(EVisualLook look = LOOK_STANDARD);
    ~CTreeGrid();
    CTreeGrid(CTreeGrid const&) = delete;
    CTreeGrid& operator=(CTreeGrid const&) = delete;

    void SetData(void* data);
    void* GetData() const;
    void SetEventsHandler(CEventsHandler* handler);
    CEventsHandler* GetEventsHandler() const;
    // The "Tahoma" font all tree grids share, created once.
    CFont const& GetFont() const;

    // --- Styles.
    // The default style of an object type, created with the built-in look on first request; null for a
    // type outside 1 to 19.
    IDrawStyle* GetDefaultStyle(EObjectType type);
    // Adds every style the tree grid owns that has something set (the set is not cleared first).
    void EnumerateUsedStyles(std::set<IDrawStyle*>& styles) const;

    // --- Named border styles ("blue-border", "black-border", "black-dotted-border" and "gray-border" are
    // defined at construction).
    void DefineBorderStyle(std::wstring const& name, std::vector<TPen> const& pens);
    // Clears pens, then copies the named style's pens when the name is defined.
    void GetBorderStyle(std::wstring const& name, std::vector<TPen>& pens) const;
    void RemoveBorderStyle(std::wstring const& name);
    void EnumerateBorderStyles(std::set<std::wstring>& names) const;

private:
    CImpl* m_impl;
};

// One visual state's look: font, text colour, background bands, image and border definitions. Every
// setter stores only when the value differs.
class CTreeGrid::IPaintStyle
{
public:
    // Takes the tree grid's shared font and clears colour, bands, direction, borders, image name, fill
    // and alignment (the image offset and crop stay).
    virtual void Reset() = 0;
    virtual CFont const& GetFont() const = 0;
    // Stores a copy made from the font's description; an empty font clears it.
    virtual void SetFont(CFont const& font) = 0;
    virtual void SetTextColor(COLORREF color) = 0;
    virtual COLORREF GetTextColor() const = 0; // 0xFFFFFFFF when unset
    virtual void AddBackgroundColor(COLORREF from, COLORREF to, int size) = 0;
    virtual void GetBackgroundColors(std::vector<SBackgroundColor>& bands) const = 0;
    virtual void ClearBackgroundColors() = 0;
    virtual void SetGradientDirection(int direction) = 0; // 1 horizontal, 2 vertical
    virtual int GetGradientDirection() const = 0;
    virtual void SetImage(std::wstring const& name) = 0;
    virtual void GetImage(std::wstring& name) const = 0;
    virtual void SetImageFill(int fill) = 0;
    virtual int GetImageFill() const = 0;
    virtual void SetImageAlign(int align) = 0;
    virtual int GetImageAlign() const = 0;
    virtual void GetImageOffset(POINT& offset) const = 0;
    virtual void SetImageOffset(POINT const& offset) = 0;
    virtual void GetCrop(RECT& crop) const = 0;
    virtual void SetCrop(RECT const& crop) = 0;
    // Sides: 1 left, 2 right, 4 top, 8 bottom, 15 all.
    virtual void SetBorder(std::wstring const& name, unsigned sides) = 0;
    virtual void GetBorder(unsigned side, std::wstring& name) const = 0;
    virtual void RemoveBorder(unsigned sides) = 0;
    virtual int GetBorderWidth(unsigned side) const = 0;
    virtual IDrawStyle* GetDrawStyle() const = 0;
    virtual ~IPaintStyle() {}
    virtual bool IsSet() const = 0;
    virtual std::wstring Describe() const = 0;
};

// A draw style: paint styles by state, padding, border radius and cursor. The getters return effective
// values (inherited when not set here); per-state operations take an EVisualState value.
class CTreeGrid::IDrawStyle
{
public:
    // The paint style of exactly that state's slot, or null (reading never creates one).
    virtual IPaintStyle* GetPaintStyle(unsigned state) const = 0;
    virtual void RemovePaintStyle(unsigned state) = 0;
    virtual EObjectType GetObjectType() const = 0;
    virtual INode* GetNode() const = 0;
    virtual IColumn* GetColumn() const = 0;
    virtual CTreeGrid* GetTreeGrid() const = 0;
    // Removes every paint style and unsets padding and border radius (the cursor stays).
    virtual void Reset() = 0;
    // What was set on this very style, as one line of the style language.
    virtual std::wstring Describe() const = 0;
    virtual void GetPadding(RECT& padding) const = 0;
    virtual void SetPadding(RECT const& padding) = 0;
    virtual void GetBackgroundColors(unsigned state, std::vector<SBackgroundColor>& bands) const = 0;
    // An unset colour (0xFFFFFFFF) as from or to clears the state's bands instead.
    virtual void AddBackgroundColor(unsigned state, COLORREF from, COLORREF to, int size) = 0;
    // STATE_ALL clears the bands of every other state.
    virtual void ClearBackgroundColors(unsigned state) = 0;
    virtual int GetGradientDirection(unsigned state) const = 0;
    virtual void SetGradientDirection(unsigned state, int direction) = 0;
    virtual void SetImage(unsigned state, std::wstring const& name) = 0;
    virtual void GetImage(unsigned state, std::wstring& name) const = 0;
    virtual void SetImageFill(unsigned state, int fill) = 0;
    virtual int GetImageFill(unsigned state) const = 0;
    virtual void SetImageAlign(unsigned state, int align) = 0;
    virtual int GetImageAlign(unsigned state) const = 0;
    virtual void GetImageOffset(POINT& offset, unsigned state) const = 0;
    virtual void SetImageOffset(unsigned state, POINT const& offset) = 0;
    virtual void GetCrop(RECT& crop, unsigned state) const = 0;
    virtual void SetCrop(unsigned state, RECT const& crop) = 0;
    virtual void SetBorder(unsigned state, std::wstring const& name, unsigned sides) = 0;
    virtual void GetBorder(unsigned state, unsigned side, std::wstring& name) const = 0;
    virtual void RemoveBorder(unsigned state, unsigned sides) = 0;
    // The border's thickness on that side: the number of pens of its border style.
    virtual int GetBorderWidth(unsigned state, unsigned side) const = 0;
    virtual void SetBorderRadius(int radius) = 0;
    virtual int GetBorderRadius() const = 0;
    virtual void SetCursor(int cursor) = 0; // 1 arrow, 2 hand, 3 I-beam, 4 help, 5 no
    virtual int GetCursor() const = 0;

protected:
    ~IDrawStyle() {} // styles belong to their tree grid
};

// A style: a draw style with font and text colour by state and the placement of text and icon.
class CTreeGrid::IStyle : public CTreeGrid::IDrawStyle
{
public:
    // The effective font; an empty font object when none is set anywhere.
    virtual CFont GetFont(unsigned state) const = 0;
    virtual void SetFont(unsigned state, CFont const& font) = 0;
    virtual COLORREF GetTextColor(unsigned state) const = 0;
    virtual void SetTextColor(unsigned state, COLORREF color) = 0;
    virtual void SetOffsetTextIcon(unsigned state, POINT const& offset) = 0;
    virtual void GetOffsetTextIcon(POINT& offset, unsigned state) const = 0;
    virtual void RemoveOffsetTextIcon(unsigned state) = 0; // STATE_ALL clears every entry
    virtual void SetSpaceTextIcon(int space) = 0;
    virtual int GetSpaceTextIcon() const = 0;
    virtual void ResetSpaceTextIcon() = 0;
    virtual void SetIconPosition(int position) = 0; // 1 top, 2 bottom, 3 left, 4 right
    virtual int GetIconPosition() const = 0;
    virtual int GetAlignment() const = 0;
    virtual void SetAlignment(int alignment) = 0; // 1-9: left, left-top, ... right-bottom
    virtual bool GetMirrorEffect() const = 0;
    virtual void SetMirrorEffect(bool mirror) = 0;
    virtual void ResetMirrorEffect() = 0;
    virtual void SetSelectionMode(int mode) = 0; // bits: 1 image, 2 text, 4 control, 8 entire cell
    virtual int GetSelectionMode() const = 0;

protected:
    ~IStyle() {}
};

// An object style: a style with the in-cell control of the object.
class CTreeGrid::IObjStyle : public CTreeGrid::IStyle
{
public:
    virtual void SetControlKind(int kind) = 0; // 1-15, as in the style language
    virtual int GetControlKind() const = 0;
    virtual void
    SetActivation(int activation) = 0; // 1 default, 2 none, 3 on focus, 4 on click, 5 on double click
    virtual int GetActivation() const = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    virtual bool IsReadOnly() const = 0;

protected:
    ~IObjStyle() {}
};

// The host's events handler. Every operation has a default that accepts and does nothing. (The window's
// notifications join these as the tree grid's window arrives.)
class CTreeGrid::CEventsHandler
{
public:
    virtual ~CEventsHandler() {}
    // With LOOK_HOST: a default style has just been created for the type; fill it as the built-in looks
    // would.
    virtual void FillDefaultStyle(IDrawStyle* /*style*/, EObjectType /*type*/) {}
    // A style object was created (default styles and the styles of columns, nodes, cells and controls).
    virtual void StyleCreated(IDrawStyle* /*style*/) {}
};
