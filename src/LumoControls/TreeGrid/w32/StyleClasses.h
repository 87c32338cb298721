// The style classes of the tree grid: the portable style model behind the interfaces the host sees.
//
// Each class derives from its interface and from its model class; the interface operations convert the
// platform types and forward. Names the two bases share (GetPadding, GetFont, ...) are hidden here on
// purpose: the model's own code keeps calling the model's versions.
#pragma once

#include "LumoControls/TreeGrid/w32/TreeGridImpl.h"

// --- Paint style

class CTreeGrid::CImpl::CPaintStyle : public CTreeGrid::IPaintStyle, public lumo::PaintStyle
{
public:
    using lumo::PaintStyle::PaintStyle;

    void Reset() override { lumo::PaintStyle::Reset(); }
    CFont const& GetFont() const override;
    void SetFont(CFont const& font) override;
    void SetTextColor(COLORREF color) override { lumo::PaintStyle::SetTextColor(color); }
    COLORREF GetTextColor() const override { return lumo::PaintStyle::GetTextColor(); }
    void AddBackgroundColor(COLORREF from, COLORREF to, int size) override
    {
        lumo::PaintStyle::AddBackgroundColor(from, to, size);
    }
    void GetBackgroundColors(std::vector<SBackgroundColor>& bands) const override
    {
        lumo::CopyBands(lumo::PaintStyle::GetBackgroundColors(), bands);
    }
    void ClearBackgroundColors() override { lumo::PaintStyle::ClearBackgroundColors(); }
    void SetGradientDirection(int direction) override { lumo::PaintStyle::SetGradientDirection(direction); }
    int GetGradientDirection() const override { return lumo::PaintStyle::GetGradientDirection(); }
    void SetImage(std::wstring const& name) override { lumo::PaintStyle::SetImage(name); }
    void GetImage(std::wstring& name) const override { name = lumo::PaintStyle::GetImage(); }
    void SetImageFill(int fill) override { lumo::PaintStyle::SetImageFill(fill); }
    int GetImageFill() const override { return lumo::PaintStyle::GetImageFill(); }
    void SetImageAlign(int align) override { lumo::PaintStyle::SetImageAlign(align); }
    int GetImageAlign() const override { return lumo::PaintStyle::GetImageAlign(); }
    void GetImageOffset(POINT& offset) const override
    {
        offset = lumo::ToPOINT(lumo::PaintStyle::GetImageOffset());
    }
    void SetImageOffset(POINT const& offset) override
    {
        lumo::PaintStyle::SetImageOffset(lumo::FromPOINT(offset));
    }
    void GetCrop(RECT& crop) const override { crop = lumo::ToRECT(lumo::PaintStyle::GetCrop()); }
    void SetCrop(RECT const& crop) override { lumo::PaintStyle::SetCrop(lumo::FromRECT(crop)); }
    void SetBorder(std::wstring const& name, unsigned sides) override
    {
        lumo::PaintStyle::SetBorder(name, sides);
    }
    void GetBorder(unsigned side, std::wstring& name) const override
    {
        name = lumo::PaintStyle::GetBorder(side);
    }
    void RemoveBorder(unsigned sides) override { lumo::PaintStyle::RemoveBorder(sides); }
    int GetBorderWidth(unsigned side) const override { return lumo::PaintStyle::GetBorderWidth(side); }
    IDrawStyle* GetDrawStyle() const override { return InterfaceOf(&lumo::PaintStyle::GetDrawStyle()); }
    bool IsSet() const override { return lumo::PaintStyle::IsSet(); }
    std::wstring Describe() const override { return lumo::PaintStyle::Describe(); }

private:
    // The font object of the description the model holds, taken from the tree grid's shared fonts when
    // first asked for.
    mutable CFont m_font;
    mutable lumo::FontSpec m_fontMadeOf;
};

// --- Draw style operations, shared by the three style classes

template <class Interface, class Model> class CTreeGrid::CImpl::TDrawStyle : public Interface, public Model
{
public:
    TDrawStyle(CImpl& grid, lumo::StyleRegistry& registry, lumo::ObjectType type, lumo::StyleRole role,
               void const* owner)
        : Model(registry, type, role, owner), m_grid(grid)
    {
    }

    IPaintStyle* GetPaintStyle(unsigned state) const override
    {
        return InterfaceOf(Model::GetPaintStyle(state));
    }
    void RemovePaintStyle(unsigned state) override { Model::RemovePaintStyle(state); }
    EObjectType GetObjectType() const override { return static_cast<EObjectType>(Model::GetObjectType()); }
    INode* GetNode() const override { return InterfaceOf(const_cast<lumo::TreeNode*>(Model::GetNode())); }
    IColumn* GetColumn() const override
    {
        return InterfaceOf(const_cast<lumo::TreeColumn*>(Model::GetColumn()));
    }
    CTreeGrid* GetTreeGrid() const override { return &m_grid.GetOwner(); }
    void Reset() override { Model::Reset(); }
    std::wstring Describe() const override { return Model::Describe(); }
    void GetPadding(RECT& padding) const override { padding = lumo::ToRECT(Model::GetPadding()); }
    void SetPadding(RECT const& padding) override { Model::SetPadding(lumo::FromRECT(padding)); }
    void GetBackgroundColors(unsigned state, std::vector<SBackgroundColor>& bands) const override
    {
        lumo::CopyBands(Model::GetBackgroundColors(state), bands);
    }
    void AddBackgroundColor(unsigned state, COLORREF from, COLORREF to, int size) override
    {
        Model::AddBackgroundColor(state, from, to, size);
    }
    void ClearBackgroundColors(unsigned state) override { Model::ClearBackgroundColors(state); }
    int GetGradientDirection(unsigned state) const override { return Model::GetGradientDirection(state); }
    void SetGradientDirection(unsigned state, int direction) override
    {
        Model::SetGradientDirection(state, direction);
    }
    void SetImage(unsigned state, std::wstring const& name) override { Model::SetImage(state, name); }
    void GetImage(unsigned state, std::wstring& name) const override { name = Model::GetImage(state); }
    void SetImageFill(unsigned state, int fill) override { Model::SetImageFill(state, fill); }
    int GetImageFill(unsigned state) const override { return Model::GetImageFill(state); }
    void SetImageAlign(unsigned state, int align) override { Model::SetImageAlign(state, align); }
    int GetImageAlign(unsigned state) const override { return Model::GetImageAlign(state); }
    void GetImageOffset(POINT& offset, unsigned state) const override
    {
        offset = lumo::ToPOINT(Model::GetImageOffset(state));
    }
    void SetImageOffset(unsigned state, POINT const& offset) override
    {
        Model::SetImageOffset(state, lumo::FromPOINT(offset));
    }
    void GetCrop(RECT& crop, unsigned state) const override { crop = lumo::ToRECT(Model::GetCrop(state)); }
    void SetCrop(unsigned state, RECT const& crop) override { Model::SetCrop(state, lumo::FromRECT(crop)); }
    void SetBorder(unsigned state, std::wstring const& name, unsigned sides) override
    {
        Model::SetBorder(state, name, sides);
    }
    void GetBorder(unsigned state, unsigned side, std::wstring& name) const override
    {
        name = Model::GetBorder(state, side);
    }
    void RemoveBorder(unsigned state, unsigned sides) override { Model::RemoveBorder(state, sides); }
    int GetBorderWidth(unsigned state, unsigned side) const override
    {
        return Model::GetBorderWidth(state, side);
    }
    void SetBorderRadius(int radius) override { Model::SetBorderRadius(radius); }
    int GetBorderRadius() const override { return Model::GetBorderRadius(); }
    void SetCursor(int cursor) override { Model::SetCursor(cursor); }
    int GetCursor() const override { return Model::GetCursor(); }

private:
    CImpl& m_grid;
};

// --- Style operations, shared by styles and object styles

template <class Interface, class Model>
class CTreeGrid::CImpl::TStyle : public CTreeGrid::CImpl::TDrawStyle<Interface, Model>
{
public:
    using TDrawStyle<Interface, Model>::TDrawStyle;

    CFont GetFont(unsigned state) const override
    {
        lumo::PaintStyle const* const holder = Model::ResolveFontHolder(state);
        return holder != nullptr ? static_cast<CPaintStyle const*>(holder)->GetFont() : CFont();
    }
    void SetFont(unsigned state, CFont const& font) override
    {
        lumo::FontSpec described;
        if (lumo::FontSpecOf(font, described))
            Model::SetFont(state, described);
        else
            static_cast<CPaintStyle&>(Model::GetOrCreatePaintStyle(state)).SetFont(font);
    }
    COLORREF GetTextColor(unsigned state) const override { return Model::GetTextColor(state); }
    void SetTextColor(unsigned state, COLORREF color) override { Model::SetTextColor(state, color); }
    void SetOffsetTextIcon(unsigned state, POINT const& offset) override
    {
        Model::SetOffsetTextIcon(state, lumo::FromPOINT(offset));
    }
    void GetOffsetTextIcon(POINT& offset, unsigned state) const override
    {
        offset = lumo::ToPOINT(Model::GetOffsetTextIcon(state));
    }
    void RemoveOffsetTextIcon(unsigned state) override { Model::RemoveOffsetTextIcon(state); }
    void SetSpaceTextIcon(int space) override { Model::SetSpaceTextIcon(space); }
    int GetSpaceTextIcon() const override { return Model::GetSpaceTextIcon(); }
    void ResetSpaceTextIcon() override { Model::ResetSpaceTextIcon(); }
    void SetIconPosition(int position) override { Model::SetIconPosition(position); }
    int GetIconPosition() const override { return Model::GetIconPosition(); }
    int GetAlignment() const override { return Model::GetAlignment(); }
    void SetAlignment(int alignment) override { Model::SetAlignment(alignment); }
    bool GetMirrorEffect() const override { return Model::GetMirrorEffect(); }
    void SetMirrorEffect(bool mirror) override { Model::SetMirrorEffect(mirror); }
    void ResetMirrorEffect() override { Model::ResetMirrorEffect(); }
    void SetSelectionMode(int mode) override { Model::SetSelectionMode(mode); }
    int GetSelectionMode() const override { return Model::GetSelectionMode(); }
};

class CTreeGrid::CImpl::CDrawStyle final
    : public CTreeGrid::CImpl::TDrawStyle<CTreeGrid::IDrawStyle, lumo::DrawStyle>
{
public:
    using TDrawStyle::TDrawStyle;
};

class CTreeGrid::CImpl::CStyle final : public CTreeGrid::CImpl::TStyle<CTreeGrid::IStyle, lumo::Style>
{
public:
    using TStyle::TStyle;
};

class CTreeGrid::CImpl::CObjStyle final
    : public CTreeGrid::CImpl::TStyle<CTreeGrid::IObjStyle, lumo::ObjStyle>
{
public:
    using TStyle::TStyle;

    void SetControlKind(int kind) override { lumo::ObjStyle::SetControlKind(kind); }
    int GetControlKind() const override { return lumo::ObjStyle::GetControlKind(); }
    void SetActivation(int activation) override { lumo::ObjStyle::SetActivation(activation); }
    int GetActivation() const override { return lumo::ObjStyle::GetActivation(); }
    void SetReadOnly(bool readOnly) override { lumo::ObjStyle::SetReadOnly(readOnly); }
    bool IsReadOnly() const override { return lumo::ObjStyle::IsReadOnly(); }
};
