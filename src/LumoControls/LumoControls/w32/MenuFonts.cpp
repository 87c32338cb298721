#include "LumoControls/LumoControls/w32/MenuFonts.h"

#include "Kit/KitGuiLib/CriticalSection.h"
#include "LumoControls/LumoControls/w32/LibraryState.h"

namespace
{
CCriticalSection g_fontLock;
CFont g_fonts[2]; // normal, bold
} // namespace

CFont const& lumo::MenuFont(bool bold)
{
    CLock lock(g_fontLock);
    CFont& font = g_fonts[bold ? 1 : 0];
    if (font.IsEmpty())
    {
        LOGFONTW description = MenuFontDescription();
        if (bold)
            description.lfWeight = FW_BOLD;
        font.CreateIndirect(description);
    }
    return font;
}
