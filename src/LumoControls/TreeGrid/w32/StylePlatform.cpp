#include "LumoControls/TreeGrid/w32/StylePlatform.h"

#include "Kit/KitGuiLib/CriticalSection.h"
#include "LumoControls/TreeGrid/w32/StyleConversions.h"
#include "LumoCtrls/DrawTools.h"
#include "LumoCtrls/ResourceTracker.h"

namespace
{
CCriticalSection g_sharedFontLock;

class CWin32StylePlatform : public lumo::IStylePlatform
{
public:
    COLORREF SystemColor(int index) const override { return GetSysColor(index); }
    int PixelsPerInchY() const override
    {
        CScreenDC screen;
        return GetDeviceCaps(screen.GetHandle(), LOGPIXELSY);
    }
    bool IsCompositionActive() const override { return IsAeroVistaActive() != 0; }
    lumo::FontSpec SharedFont() const override
    {
        return lumo::FontSpecOf(lumo::SharedTreeGridFont().GetLogFont());
    }
};
} // namespace

lumo::IStylePlatform const& lumo::Win32StylePlatform()
{
    static CWin32StylePlatform const platform;
    return platform;
}

CFont const& lumo::SharedTreeGridFont()
{
    static CFont font;
    CLock lock(g_sharedFontLock);
    if (font.IsEmpty())
    {
        LOGFONTW description{};
        description.lfHeight = GetRealFontHeight(8);
        description.lfWeight = FW_NORMAL;
        description.lfCharSet = DEFAULT_CHARSET;
        lstrcpyW(description.lfFaceName, L"Tahoma");
        font.CreateIndirect(description);
    }
    return font;
}
