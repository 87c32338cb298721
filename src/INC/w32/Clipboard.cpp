// The clipboard, held open by CClipboard.
#include "LumoCtrls/ResourceTracker.h"

#include "INC/w32/PlatformFailure.h"

using lumo::ThrowTrackerFailure;

CClipboard::CClipboard(HWND owner)
{
    if (!OpenClipboard(owner))
        ThrowTrackerFailure(L"OpenClipboard", 2502);
}

CClipboard::~CClipboard()
{
    CloseClipboard();
}

void CClipboard::Empty()
{
    if (!EmptyClipboard())
        ThrowTrackerFailure(L"EmptyClipboard", 2527);
}

void CClipboard::SetData(UINT format, CGlobal& block)
{
    if (SetClipboardData(format, block.GetHandle()) == nullptr)
        ThrowTrackerFailure(L"SetClipboardData", 2534);
    block.Disown();
}

HGLOBAL CClipboard::GetData(UINT format) const
{
    HANDLE const data = GetClipboardData(format);
    if (data == nullptr)
        ThrowTrackerFailure(L"GetClipboardData", 2542);
    return static_cast<HGLOBAL>(data);
}
