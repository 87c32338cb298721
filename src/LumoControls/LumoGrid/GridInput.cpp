#include "LumoControls/LumoGrid/GridInput.h"

namespace lumo
{
ListKey MapListKey(unsigned virtualKey, bool control, bool shift, bool onLastItem)
{
    switch (virtualKey)
    {
    case 'C':
        return control ? ListKey{ListKeyAction::Copy, true} : ListKey{ListKeyAction::None, true};
    case 'X':
        return control ? ListKey{ListKeyAction::Cut, true} : ListKey{ListKeyAction::None, true};
    case 'V':
        return control ? ListKey{ListKeyAction::Paste, true} : ListKey{ListKeyAction::None, true};
    case key::kInsert:
        if (control)
            return {ListKeyAction::Copy, true};
        if (shift)
            return {ListKeyAction::Paste, true};
        return {ListKeyAction::CreateAtFocus, false};
    case key::kDelete:
        return shift ? ListKey{ListKeyAction::Cut, true} : ListKey{ListKeyAction::Delete, false};
    case key::kDown:
        if (onLastItem && !shift && !control)
            return {ListKeyAction::CreateAtEnd, false};
        return {ListKeyAction::None, true};
    case key::kLeft:
        return {ListKeyAction::PreviousColumn, false};
    case key::kRight:
        return {ListKeyAction::NextColumn, false};
    case key::kTab:
        return {shift ? ListKeyAction::TabBackward : ListKeyAction::TabForward, false};
    case key::kReturn:
    case key::kF2:
        return {ListKeyAction::Edit, false};
    case key::kShift:
    case key::kControl:
    case key::kAlt:
    case key::kPause:
    case key::kCapsLock:
    case key::kNumLock:
    case key::kScrollLock:
        return {ListKeyAction::Swallow, false};
    default:
        return {ListKeyAction::None, true};
    }
}

bool CanListCommand(int command, bool listHasFocus, unsigned selectedItems, unsigned itemCount,
                    bool clipboardHasText)
{
    if (!listHasFocus)
        return false;
    switch (command)
    {
    case kCommandDelete:
    case kCommandCut:
    case kCommandCopy:
        return selectedItems > 0;
    case kCommandPaste:
        return selectedItems > 0 && clipboardHasText;
    case kCommandSelectAll:
        return itemCount >= 2;
    default:
        return false;
    }
}

void ClickToEdit::ClickedOther(int item, unsigned column)
{
    m_clickRunning = true;
    m_editRunning = false;
    m_item = item;
    m_column = column;
}

bool ClickToEdit::ClickedFocused(int item, unsigned column)
{
    if (m_clickRunning && m_item == item && m_column == column)
    {
        m_clickRunning = false;
        m_editRunning = true;
        return true;
    }
    ClickedOther(item, column);
    return false;
}

bool ClickToEdit::EditTimerFired(bool editing)
{
    m_editRunning = false;
    return !m_clickRunning && !editing;
}

void ClickToEdit::Stop()
{
    m_clickRunning = false;
    m_editRunning = false;
}
} // namespace lumo
