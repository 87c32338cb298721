// Which control is open: beginning an edit, the focused control, closing it, and the controls' objects.
#include "LumoControls/TreeGrid/ControlRules.h"
#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/w32/ModelClasses.h"
#include "LumoControls/TreeGrid/w32/TreeGridView.h"

namespace
{
// The slot a float control keeps its control in.
std::unique_ptr<CTreeGrid::CImpl::CControlCore>& SlotOf(lumo::FloatControl& control)
{
    if (lumo::TreeCell* const cell = control.AsCell())
        return static_cast<CTreeGrid::CImpl::CCell*>(cell)->controlSlot;
    return static_cast<CTreeGrid::CImpl::CFloatControl*>(control.AsFree())->controlSlot;
}

std::unique_ptr<CTreeGrid::CImpl::CControlCore> MakeControl(CTreeGrid::CImpl& grid, lumo::FloatControl& owner,
                                                            int kind)
{
    using C = CTreeGrid::CImpl;
    namespace K = lumo::ControlKind;
    switch (kind)
    {
    case K::kComboBox:
        return std::make_unique<C::CComboBox>(grid, owner, kind);
    case K::kCheckBox:
    case K::kRadioButton:
    case K::kDropDown:
        return std::make_unique<C::CCheckButton>(grid, owner, kind);
    case K::kProgress:
        return std::make_unique<C::CProgress>(grid, owner, kind);
    case K::kImage:
        return std::make_unique<C::TControl<CTreeGrid::IImage>>(grid, owner, kind);
    case K::kButton:
        return std::make_unique<C::TEditControl<CTreeGrid::IButton>>(grid, owner, kind);
    case K::kLabel:
        return std::make_unique<C::TEditControl<CTreeGrid::ILabel>>(grid, owner, kind);
    case K::kLink:
        return std::make_unique<C::TEditControl<CTreeGrid::ILink>>(grid, owner, kind);
    case K::kPlainText:
    case K::kEdit:
    case K::kFloatEdit:
    case K::kSpin:
    case K::kLauncher:
        return std::make_unique<C::TEditControl<>>(grid, owner, kind);
    default:
        return nullptr;
    }
}
} // namespace

CTreeGrid::CImpl::CControlCore* CTreeGrid::CImpl::ControlOf(lumo::FloatControl& control)
{
    std::unique_ptr<CControlCore>& slot = SlotOf(control);
    int const kind = control.GetStyle().GetControlKind();
    if (slot != nullptr && slot->Kind() != kind)
    {
        if (Model().References().edited == &control)
            Model().References().edited = nullptr; // its editor goes with it, uncommitted
        slot.reset();
    }
    if (slot == nullptr)
    {
        slot = MakeControl(*this, control, kind);
        if (slot != nullptr && control.AsFree() != nullptr)
        {
            auto const& free = *control.AsFree();
            slot->width = free.GetEditorWidth();
            slot->height = free.GetEditorHeight();
        }
    }
    return slot.get();
}

CTreeGrid::CImpl::CControlCore* CTreeGrid::CImpl::FocusedControl()
{
    lumo::FloatControl* const edited = Model().References().edited;
    return edited != nullptr ? SlotOf(*edited).get() : nullptr;
}

bool CTreeGrid::CImpl::CloseFocusedControl()
{
    CControlCore* const focused = FocusedControl();
    if (focused == nullptr)
    {
        Model().References().edited = nullptr;
        return true;
    }
    return focused->CloseEditor();
}

void CTreeGrid::CImpl::DropControlWindows()
{
    if (CControlCore* const focused = FocusedControl())
    {
        Model().References().edited = nullptr;
        focused->DropWindows();
    }
}

CTreeGrid::IControl* CTreeGrid::CImpl::BeginEdit(lumo::FloatControl& control)
{
    if (!control.IsVisible() || (control.GetState() & lumo::kStateDisable) != 0)
        return nullptr;
    // The host is asked three times below; whatever it removes meanwhile may be the control itself, and
    // then nothing opens.
    std::uint64_t const removals = Model().References().removals;
    auto intact = [&] { return Model().References().removals == removals; };
    if (handler != nullptr && (!handler->BeforeEdit(InterfaceOf(&control)) || !intact()))
        return nullptr;
    lumo::ObjStyle& style = control.GetStyle();
    if (!lumo::OpensEditor(style.GetControlKind(), style.GetActivation()))
        return nullptr;
    CControlCore* const core = ControlOf(control);
    if (core == nullptr)
        return nullptr;
    lumo::TreeReferences& references = Model().References();
    if (references.edited == &control)
        return &core->Self();
    if (!CloseFocusedControl() || !intact())
        return nullptr;
    if (handler != nullptr && (!handler->EditorMayOpen(&core->Self()) || !intact()))
        return nullptr;
    references.edited = &control;
    references.focus = &control;
    lumo::TreeLayout& layout = View().Layout();
    layout.EnsureVisible(control, false, control.AsFree() != nullptr);
    layout.ControlChanged(control);
    try
    {
        core->Open();
    }
    catch (...)
    {
        references.edited = nullptr;
        throw;
    }
    return &core->Self();
}

// --- The host's calls

CTreeGrid::IControl* CTreeGrid::EditControl(IFloatControl& control)
{
    return m_impl->BeginEdit(m_impl->OwnControl(control));
}

void CTreeGrid::SetControlFocus(IFloatControl* control, bool focus)
{
    lumo::FloatControl* const own = control != nullptr ? &m_impl->OwnControl(*control) : nullptr;
    if (focus && own != nullptr)
        m_impl->BeginEdit(*own);
    else if (own == nullptr || m_impl->Model().References().edited == own)
        m_impl->CloseFocusedControl();
}

CTreeGrid::IFloatControl* CTreeGrid::GetControlFocus() const
{
    return CImpl::InterfaceOf(m_impl->Model().References().edited);
}
