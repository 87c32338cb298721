// The list grid's keyboard table, its commands and the click-to-edit timing, free of the platform.
#pragma once

namespace lumo
{
// Virtual-key codes the tables speak of (the platform's own numbers).
namespace key
{
constexpr unsigned kTab = 0x09, kReturn = 0x0D, kShift = 0x10, kControl = 0x11, kAlt = 0x12, kPause = 0x13,
                   kCapsLock = 0x14, kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28, kInsert = 0x2D,
                   kDelete = 0x2E, kF2 = 0x71, kNumLock = 0x90, kScrollLock = 0x91;
} // namespace key

enum class ListKeyAction
{
    None, // the list handles the key itself
    Copy,
    Cut,
    Paste,
    CreateAtFocus, // at the focused item, or at 0
    CreateAtEnd,
    Delete,
    PreviousColumn,
    NextColumn,
    TabForward,
    TabBackward,
    Edit,
    Swallow,
};

struct ListKey
{
    ListKeyAction action;
    bool passOn; // the key goes on to the list afterwards
};

// What a key pressed on the list does. onLastItem: the focused item is the last one.
ListKey MapListKey(unsigned virtualKey, bool control, bool shift, bool onLastItem);

// The commands of the exported TCommand, as numbers.
enum GridCommand
{
    kCommandDelete = 0,
    kCommandCut = 1,
    kCommandCopy = 2,
    kCommandPaste = 3,
    kCommandSelectAll = 4,
    kCommandInsert = 5,
    kCommandUndo = 6,
    kCommandRedo = 7,
};

// Whether a command can run on the list: only while the list itself has the focus.
bool CanListCommand(int command, bool listHasFocus, unsigned selectedItems, unsigned itemCount,
                    bool clipboardHasText);

// The click timer (2 s) and the edit timer (1 s): a second click on the focused cell within the first
// starts editing when the second runs out, unless something else happened meanwhile.
class ClickToEdit
{
public:
    // A click on an item that was not the focused one: the click timer starts for it.
    void ClickedOther(int item, unsigned column);
    // A click on the focused item. Returns true when the edit timer is to start (the click timer stops);
    // otherwise the click timer restarts for this item.
    bool ClickedFocused(int item, unsigned column);
    void ClickTimerFired() { m_clickRunning = false; }
    // Whether editing starts now.
    bool EditTimerFired(bool editing);
    void Stop();

    bool ClickTimerRunning() const { return m_clickRunning; }
    bool EditTimerRunning() const { return m_editRunning; }

private:
    bool m_clickRunning = false;
    bool m_editRunning = false;
    int m_item = -1;
    unsigned m_column = 0;
};
} // namespace lumo
