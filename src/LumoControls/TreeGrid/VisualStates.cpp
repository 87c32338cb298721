#include "LumoControls/TreeGrid/VisualStates.h"

lumo::PaintSlot lumo::SlotOf(VisualState state)
{
    if (state & kStateAll)
        return PaintSlot::All;
    if (state & kStateDisable)
        return PaintSlot::Disable;
    if (state & kStateFocus)
        return PaintSlot::Focus;
    if (state & kStatePush)
        return PaintSlot::Push;
    if ((state & kStateHiSelect) == kStateHiSelect)
        return PaintSlot::HiSelect;
    if (state & kStateSelect)
        return PaintSlot::Select;
    if (state & kStateHover)
        return PaintSlot::Hover;
    return PaintSlot::Normal;
}

lumo::VisualState lumo::FallbackOf(VisualState state)
{
    if (state & (kStateDisable | kStateAll))
        return kStateNormal;
    if (state & kStateFocus)
        return state & ~kStateFocus;
    if (state & kStatePush)
        return state & ~kStatePush;
    if ((state & kStateHiSelect) == kStateHiSelect)
        return state & ~kStateHover;
    return kStateNormal;
}

wchar_t const* lumo::SlotName(PaintSlot slot)
{
    static wchar_t const* const kNames[kPaintSlotCount] = {L"NORMAL",  L"SELECT", L"HOVER", L"HISELECT",
                                                           L"DISABLE", L"PUSH",   L"FOCUS", L"ALL"};
    return kNames[static_cast<int>(slot)];
}

lumo::StyleClass lumo::DefaultStyleClassOf(ObjectType type)
{
    switch (type)
    {
    case ObjectType::Grid:
    case ObjectType::Column:
    case ObjectType::Row:
        return StyleClass::Draw;
    case ObjectType::ColumnHeader:
    case ObjectType::RowHeader:
        return StyleClass::Styled;
    default:
        return StyleClass::Object;
    }
}

int lumo::ObjectTypeOfControlKind(int controlKind)
{
    switch (controlKind)
    {
    case 3:
        return static_cast<int>(ObjectType::Image);
    case 4:
        return static_cast<int>(ObjectType::Button);
    case 5:
        return static_cast<int>(ObjectType::Label);
    case 6:
        return static_cast<int>(ObjectType::Link);
    case 7:
        return static_cast<int>(ObjectType::CheckBox);
    case 8:
        return static_cast<int>(ObjectType::RadioButton);
    case 9:
        return static_cast<int>(ObjectType::DropDown);
    case 10:
        return static_cast<int>(ObjectType::Spin);
    case 11:
        return static_cast<int>(ObjectType::Progress);
    case 12:
    case 13:
        return static_cast<int>(ObjectType::Edit);
    case 14:
        return static_cast<int>(ObjectType::ComboBox);
    case 15:
        return static_cast<int>(ObjectType::Launcher);
    default:
        return 0;
    }
}
