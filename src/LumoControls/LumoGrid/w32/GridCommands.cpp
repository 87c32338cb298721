// The grid's commands, on the list or on the cell editor, and its clipboard: plain text for one text, the
// grid's private block beside it for several.
#include "LumoControls/LumoGrid/w32/GridImpl.h"

#include "INC/w32/PlatformFailure.h"
#include "LumoControls/LumoGrid/GridClipboardFormat.h"

#include <cstring>

using Control = CGrid::CImpl::CGridControl;

namespace
{
HGLOBAL BlockOf(void const* data, std::size_t bytes)
{
    HGLOBAL const block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (block == nullptr)
        lumo::ThrowLastError(L"GlobalAlloc", lumo::kGridSourcePath, __LINE__);
    std::memcpy(GlobalLock(block), data, bytes);
    GlobalUnlock(block);
    return block;
}

void Hand(UINT format, HGLOBAL block)
{
    if (SetClipboardData(format, block) == nullptr)
        GlobalFree(block);
}

std::vector<std::wstring> ReadClipboard(HWND owner)
{
    std::vector<std::wstring> texts;
    if (!OpenClipboard(owner))
        return texts;
    if (HGLOBAL const block = GetClipboardData(lumo::kGridPrivateFormat))
    {
        if (auto const* bytes = static_cast<std::uint8_t const*>(GlobalLock(block)))
        {
            texts = lumo::DecodeGridTexts(bytes, GlobalSize(block));
            GlobalUnlock(block);
        }
    }
    else if (HGLOBAL const plain = GetClipboardData(CF_UNICODETEXT))
    {
        if (auto const* units = static_cast<wchar_t const*>(GlobalLock(plain)))
        {
            // The whole text, but never past the block, whatever its terminator.
            std::size_t const capacity = GlobalSize(plain) / sizeof(wchar_t);
            texts.emplace_back(units, wcsnlen(units, capacity));
            GlobalUnlock(plain);
        }
    }
    CloseClipboard();
    return texts;
}
} // namespace

bool Control::CanCommand(int command) const
{
    if (m_list == nullptr)
        return false;
    unsigned const selected = static_cast<unsigned>(SendMessageW(m_list, LVM_GETSELECTEDCOUNT, 0, 0));
    return lumo::CanListCommand(command, HasFocus(), selected, m_model.ItemCount(),
                                IsClipboardFormatAvailable(CF_UNICODETEXT) != 0);
}

bool Control::ProcessCommand(int command)
{
    HWND const focus = GetFocus();
    if (focus == nullptr || m_list == nullptr)
        return false;
    if (m_editor != nullptr && m_editor->OwnsWindow(focus))
        return m_editor->ProcessCommand(command);
    switch (command)
    {
    case lumo::kCommandDelete:
        m_editing.DeleteSelected();
        return true;
    case lumo::kCommandCut:
        CutToClipboard();
        return true;
    case lumo::kCommandCopy:
        CopyToClipboard();
        return true;
    case lumo::kCommandPaste:
        PasteFromClipboard();
        return true;
    case lumo::kCommandSelectAll:
        SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
        return true;
    case lumo::kCommandInsert:
    {
        int const focused = FocusedItem();
        m_editing.CreateItem(focused < 0 ? 0 : focused);
        return true;
    }
    default:
        return false;
    }
}

void Control::CopyToClipboard()
{
    std::vector<std::wstring> const texts = m_editing.CopyTexts();
    if (texts.empty() || !OpenClipboard(m_list))
        return;
    EmptyClipboard();
    try
    {
        Hand(CF_UNICODETEXT, BlockOf(texts[0].c_str(), (texts[0].size() + 1) * sizeof(wchar_t)));
        std::vector<std::uint8_t> const block = lumo::EncodeGridTexts(texts);
        if (!block.empty())
            Hand(lumo::kGridPrivateFormat, BlockOf(block.data(), block.size()));
    }
    catch (...)
    {
        CloseClipboard();
        throw;
    }
    CloseClipboard();
}

void Control::CutToClipboard()
{
    auto const alive = m_alive;
    CopyToClipboard();
    if (*alive)
        m_editing.DeleteSelected();
}

void Control::PasteFromClipboard()
{
    std::vector<std::wstring> const texts = ReadClipboard(m_list);
    if (texts.empty())
        return;
    auto const alive = m_alive;
    HCURSOR const previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    m_editing.Paste(texts);
    if (*alive)
        SetCursor(previous);
}
