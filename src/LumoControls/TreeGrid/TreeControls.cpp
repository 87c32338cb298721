#include "LumoControls/TreeGrid/TreeControls.h"

#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/TreeModel.h"

namespace
{
std::wstring const kNoText;
} // namespace

// --- FloatControl

lumo::FloatControl::FloatControl(TreeModel& model, bool cell) : m_model(&model), m_isCell(cell) {}

lumo::FloatControl::~FloatControl() = default;

lumo::TreeCell* lumo::FloatControl::AsCell()
{
    return m_isCell ? static_cast<TreeCell*>(this) : nullptr;
}

lumo::TreeCell const* lumo::FloatControl::AsCell() const
{
    return m_isCell ? static_cast<TreeCell const*>(this) : nullptr;
}

lumo::FreeFloatControl* lumo::FloatControl::AsFree()
{
    return m_isCell ? nullptr : static_cast<FreeFloatControl*>(this);
}

void lumo::FloatControl::SetText(std::wstring const& text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_model->View().ControlChanged(*this);
}

lumo::FloatControl::Extras& lumo::FloatControl::TheExtras()
{
    if (m_extras == nullptr)
        m_extras = std::make_unique<Extras>();
    return *m_extras;
}

std::wstring const& lumo::FloatControl::GetImage() const
{
    return m_extras != nullptr ? m_extras->image : kNoText;
}

void lumo::FloatControl::SetImage(std::wstring const& name)
{
    if (name == GetImage())
        return;
    TheExtras().image = name;
    m_model->View().ControlChanged(*this);
}

std::wstring const& lumo::FloatControl::GetTooltip() const
{
    return m_extras != nullptr ? m_extras->tooltip : kNoText;
}

void lumo::FloatControl::SetTooltip(std::wstring const& text)
{
    if (text != GetTooltip())
        TheExtras().tooltip = text;
}

void lumo::FloatControl::SetImageIndex(int index)
{
    if (index == m_imageIndex)
        return;
    m_imageIndex = index;
    m_model->View().ControlChanged(*this);
}

void lumo::FloatControl::SetValue(int value)
{
    if (value == m_value)
        return;
    m_value = value;
    m_model->View().ControlChanged(*this);
}

void lumo::FloatControl::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    m_model->View().ControlChanged(*this);
}

void lumo::FloatControl::SetState(unsigned mask, bool on)
{
    if (HasState(mask) == on)
        return;
    m_state = (m_state & ~mask) | (on ? mask : 0);
    m_model->View().ControlChanged(*this);
}

lumo::ObjStyle& lumo::FloatControl::GetStyle()
{
    if (m_style == nullptr)
        m_style = m_isCell ? m_model->MakeStyle(StyleClass::Object, ObjectType::Cell, StyleRole::Cell, this)
                           : m_model->MakeStyle(StyleClass::Object, ObjectType::FloatControl,
                                                StyleRole::FloatControl, this);
    return static_cast<ObjStyle&>(*m_style);
}

lumo::ObjStyle* lumo::FloatControl::FindStyle() const
{
    return static_cast<ObjStyle*>(m_style.get());
}

// --- FreeFloatControl

lumo::FreeFloatControl::FreeFloatControl(TreeModel& model, std::wstring name, Rect const& rect,
                                         int editorWidth, unsigned editorHeight, bool horizontalLock,
                                         bool verticalLock, int value, std::uint64_t number)
    : FloatControl(model, false), m_name(std::move(name)), m_rect(rect), m_number(number),
      m_editorWidth(editorWidth), m_editorHeight(editorHeight), m_horizontalLock(horizontalLock),
      m_verticalLock(verticalLock)
{
    SetValue(value);
}

void lumo::FreeFloatControl::SetRect(Rect const& rect)
{
    if (rect == m_rect)
        return;
    m_rect = rect;
    GetModel().View().LayoutChanged();
}

// --- TreeCell

lumo::TreeCell::TreeCell(TreeModel& model, TreeNode& node, TreeColumn& column)
    : FloatControl(model, true), m_node(&node), m_column(&column)
{
    // Into its column's list of cells that exist.
    m_nextInColumn = column.m_cells;
    if (m_nextInColumn != nullptr)
        m_nextInColumn->m_prevInColumn = this;
    column.m_cells = this;
}

lumo::TreeCell::~TreeCell()
{
    (m_prevInColumn != nullptr ? m_prevInColumn->m_nextInColumn : m_column->m_cells) = m_nextInColumn;
    if (m_nextInColumn != nullptr)
        m_nextInColumn->m_prevInColumn = m_prevInColumn;
}
