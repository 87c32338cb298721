// A style: a draw style plus font and text colour by state, text and icon placement, alignment, mirror
// and selection mode.
#pragma once

#include "LumoControls/TreeGrid/DrawStyle.h"

#include <map>
#include <memory>

namespace lumo
{
class Style : public DrawStyle
{
public:
    using DrawStyle::DrawStyle;
    ~Style() override;

    Style const* AsStyle() const override { return this; }
    bool IsSet() const override;
    std::wstring Describe() const override;

    // --- Per state.
    // The effective font: null when no style of the chain sets one (an empty font object).
    FontSpec const* GetFont(VisualState state) const;
    void SetFont(VisualState state, FontSpec const& font);
    COLORREF GetTextColor(VisualState state) const { return ResolveTextColor(state); }
    void SetTextColor(VisualState state, COLORREF color);
    Point GetOffsetTextIcon(VisualState state) const;
    void SetOffsetTextIcon(VisualState state, Point offset);
    void RemoveOffsetTextIcon(VisualState state); // ALL clears every entry

    // --- State independent.
    int GetSpaceTextIcon() const;
    void SetSpaceTextIcon(int space);
    void ResetSpaceTextIcon();
    int GetIconPosition() const;
    void SetIconPosition(int position);
    int GetAlignment() const;
    void SetAlignment(int alignment);
    bool GetMirrorEffect() const;
    void SetMirrorEffect(bool mirror);
    void ResetMirrorEffect();
    int GetSelectionMode() const;
    void SetSelectionMode(int mode);

    // Stores a value as it is (the built-in looks).
    void StoreAlignment(int alignment) { m_alignment = alignment; }
    void StoreSelectionMode(int mode) { m_selectionMode = mode; }

    // What is stored on this very style.
    bool HasOwnMirror() const { return m_mirrorSet; }
    bool OwnMirror() const { return m_mirror; }
    bool HasOwnSpace() const { return m_spaceSet; }
    int OwnSpace() const { return m_space; }
    int OwnIconPosition() const { return m_iconPosition; }
    int OwnAlignment() const { return m_alignment; }
    int OwnSelectionMode() const { return m_selectionMode; }
    // The own text-icon offset of exactly that state, or null.
    Point const* OwnOffset(VisualState state) const;
    bool HasOffsets() const { return m_offsets != nullptr && !m_offsets->empty(); }

protected:
    // The first style of the chain (control default style, then parents) for which has(style) holds.
    template <class Has> Style const* FirstStyleInChain(Has const& has) const
    {
        for (DrawStyle const* link : Chain())
            if (link != nullptr && link->AsStyle() != nullptr && has(*link->AsStyle()))
                return link->AsStyle();
        return nullptr;
    }

private:
    std::unique_ptr<std::map<VisualState, Point>> m_offsets; // rarely set: kept out of the object
    int m_space = 0;
    int m_iconPosition = 0;
    int m_alignment = 0;
    int m_selectionMode = 0;
    bool m_spaceSet = false;
    bool m_mirror = false;
    bool m_mirrorSet = false;
};

// The in-cell control of an object style.
class ObjStyle : public Style
{
public:
    using Style::Style;
    ~ObjStyle() override;

    ObjStyle const* AsObjStyle() const override { return this; }
    bool IsSet() const override;
    std::wstring Describe() const override;
    DrawStyle* GetControlDefaultStyle() const override;

    int GetControlKind() const;
    void SetControlKind(int kind);
    int GetActivation() const;
    void SetActivation(int activation);
    bool IsReadOnly() const;
    void SetReadOnly(bool readOnly);

    int OwnControlKind() const { return m_controlKind; }
    int OwnActivation() const { return m_activation; }
    bool OwnReadOnly() const { return m_readOnly; }

private:
    template <class Has> ObjStyle const* FirstObjStyleInChain(Has const& has) const
    {
        for (DrawStyle const* link : Chain())
            if (link != nullptr && link->AsObjStyle() != nullptr && has(*link->AsObjStyle()))
                return link->AsObjStyle();
        return nullptr;
    }

    int m_controlKind = 0;
    int m_activation = 0;
    bool m_readOnly = false;
};
} // namespace lumo
