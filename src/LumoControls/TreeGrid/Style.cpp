#include "LumoControls/TreeGrid/Style.h"

#include "LumoControls/TreeGrid/StyleDescription.h"
#include "LumoControls/TreeGrid/StyleRegistry.h"

// --- Style

lumo::Style::~Style() = default;

bool lumo::Style::IsSet() const
{
    return DrawStyle::IsSet() || m_alignment != 0 || m_iconPosition != 0 || m_selectionMode != 0 ||
           m_mirrorSet || m_spaceSet || HasOffsets();
}

std::wstring lumo::Style::Describe() const
{
    return DescribeStyle(*this, GetRegistry().GetPlatform());
}

lumo::FontSpec const* lumo::Style::GetFont(VisualState state) const
{
    PaintStyle const* const holder = ResolveFontHolder(state);
    return holder != nullptr ? holder->GetFont() : nullptr;
}

void lumo::Style::SetFont(VisualState state, FontSpec const& font)
{
    GetOrCreatePaintStyle(state).SetFont(font);
}

void lumo::Style::SetTextColor(VisualState state, COLORREF color)
{
    PaintStyle& paint = GetOrCreatePaintStyle(state);
    if (GetTextColor(state) != color)
        paint.SetTextColor(color);
}

lumo::Point const* lumo::Style::OwnOffset(VisualState state) const
{
    if (m_offsets == nullptr)
        return nullptr;
    auto const it = m_offsets->find(state);
    return it != m_offsets->end() ? &it->second : nullptr;
}

lumo::Point lumo::Style::GetOffsetTextIcon(VisualState state) const
{
    if (Point const* own = OwnOffset(state))
        return *own;
    if (Style const* link =
            FirstStyleInChain([state](Style const& s) { return s.OwnOffset(state) != nullptr; }))
        return *link->OwnOffset(state);
    return Point{0, 0};
}

void lumo::Style::SetOffsetTextIcon(VisualState state, Point offset)
{
    if (offset == Point{0, 0})
    {
        if (m_offsets != nullptr)
            m_offsets->erase(state);
        return;
    }
    if (GetOffsetTextIcon(state) == offset)
        return;
    if (m_offsets == nullptr)
        m_offsets = std::make_unique<std::map<VisualState, Point>>();
    (*m_offsets)[state] = offset;
    GetRegistry().StyleChanged();
}

void lumo::Style::RemoveOffsetTextIcon(VisualState state)
{
    if (m_offsets == nullptr)
        return;
    if (state == kStateAll)
        m_offsets->clear();
    else
        m_offsets->erase(state);
    GetRegistry().StyleChanged();
}

int lumo::Style::GetSpaceTextIcon() const
{
    if (m_spaceSet)
        return m_space;
    Style const* const link = FirstStyleInChain([](Style const& s) { return s.HasOwnSpace(); });
    return link != nullptr ? link->OwnSpace() : 0;
}

void lumo::Style::SetSpaceTextIcon(int space)
{
    if (GetSpaceTextIcon() != space)
    {
        m_space = space;
        m_spaceSet = true;
    }
    GetRegistry().StyleChanged();
}

void lumo::Style::ResetSpaceTextIcon()
{
    m_space = 0;
    m_spaceSet = false;
    GetRegistry().StyleChanged();
}

int lumo::Style::GetIconPosition() const
{
    if (m_iconPosition != 0)
        return m_iconPosition;
    Style const* const link = FirstStyleInChain([](Style const& s) { return s.OwnIconPosition() != 0; });
    return link != nullptr ? link->OwnIconPosition() : 0;
}

void lumo::Style::SetIconPosition(int position)
{
    if (GetIconPosition() != position)
        m_iconPosition = position;
    GetRegistry().StyleChanged();
}

int lumo::Style::GetAlignment() const
{
    if (m_alignment != 0)
        return m_alignment;
    Style const* const link = FirstStyleInChain([](Style const& s) { return s.OwnAlignment() != 0; });
    return link != nullptr ? link->OwnAlignment() : 0;
}

void lumo::Style::SetAlignment(int alignment)
{
    if (GetAlignment() != alignment)
        m_alignment = alignment;
    GetRegistry().StyleChanged();
}

bool lumo::Style::GetMirrorEffect() const
{
    if (m_mirrorSet)
        return m_mirror;
    Style const* const link = FirstStyleInChain([](Style const& s) { return s.HasOwnMirror(); });
    return link != nullptr && link->OwnMirror();
}

void lumo::Style::SetMirrorEffect(bool mirror)
{
    if (GetMirrorEffect() != mirror)
    {
        m_mirror = mirror;
        m_mirrorSet = true;
    }
    GetRegistry().StyleChanged();
}

void lumo::Style::ResetMirrorEffect()
{
    m_mirror = false;
    m_mirrorSet = false;
    GetRegistry().StyleChanged();
}

int lumo::Style::GetSelectionMode() const
{
    if (m_selectionMode != 0)
        return m_selectionMode;
    Style const* const link = FirstStyleInChain([](Style const& s) { return s.OwnSelectionMode() != 0; });
    return link != nullptr ? link->OwnSelectionMode() : 0;
}

void lumo::Style::SetSelectionMode(int mode)
{
    m_selectionMode = 0;
    if (GetSelectionMode() != mode)
        m_selectionMode = mode;
    GetRegistry().StyleChanged();
}

// --- ObjStyle

lumo::ObjStyle::~ObjStyle() = default;

bool lumo::ObjStyle::IsSet() const
{
    return Style::IsSet() || m_controlKind != 0 || m_activation != 0 || m_readOnly;
}

std::wstring lumo::ObjStyle::Describe() const
{
    return DescribeObjStyle(*this, GetRegistry().GetPlatform());
}

lumo::DrawStyle* lumo::ObjStyle::GetControlDefaultStyle() const
{
    // Created when the kind was set (SetControlKind): a getter never runs the host's code.
    int const type = ObjectTypeOfControlKind(GetControlKind());
    return type != 0 ? GetRegistry().FindDefaultStyle(static_cast<ObjectType>(type)) : nullptr;
}

int lumo::ObjStyle::GetControlKind() const
{
    if (m_controlKind != 0)
        return m_controlKind;
    // The parents only: the control default style is chosen by this very value.
    for (int i = 0; i < 3; ++i)
    {
        DrawStyle const* const parent = GetParent(i);
        if (parent != nullptr && parent->AsObjStyle() != nullptr &&
            parent->AsObjStyle()->OwnControlKind() != 0)
            return parent->AsObjStyle()->OwnControlKind();
    }
    return 0;
}

void lumo::ObjStyle::SetControlKind(int kind)
{
    if (GetControlKind() == kind)
        return;
    GetRegistry().EndEdit();
    m_controlKind = kind;
    // Every style that shows this kind from now on looks like its default style, which must exist before
    // anything reads through it; the host hears of a new one after the kind is stored.
    if (int const type = ObjectTypeOfControlKind(kind))
        GetRegistry().GetDefaultStyle(static_cast<ObjectType>(type));
    GetRegistry().StyleChanged();
}

int lumo::ObjStyle::GetActivation() const
{
    if (m_activation != 0)
        return m_activation;
    ObjStyle const* const link =
        FirstObjStyleInChain([](ObjStyle const& s) { return s.OwnActivation() != 0; });
    return link != nullptr ? link->OwnActivation() : 0;
}

void lumo::ObjStyle::SetActivation(int activation)
{
    m_activation = 0;
    if (GetActivation() != activation)
        m_activation = activation;
    GetRegistry().StyleChanged();
}

bool lumo::ObjStyle::IsReadOnly() const
{
    if (m_readOnly)
        return true;
    return FirstObjStyleInChain([](ObjStyle const& s) { return s.OwnReadOnly(); }) != nullptr;
}

void lumo::ObjStyle::SetReadOnly(bool readOnly)
{
    m_readOnly = false;
    if (IsReadOnly() == readOnly)
        return;
    if (readOnly)
        GetRegistry().EndEdit(); // an edit must not go on in a cell that has just become read-only
    m_readOnly = readOnly;
    GetRegistry().StyleChanged();
}
