// The optional text shaping of cell texts: four entry points of "USP10.DLL", usable only when all four are
// there. Without them the grid draws its texts with DrawTextW.
#pragma once

#include <windows.h>

#include <usp10.h>

#include <string>

namespace lumo
{
class GridTextShaping
{
public:
    GridTextShaping();
    ~GridTextShaping();
    GridTextShaping(GridTextShaping const&) = delete;
    GridTextShaping& operator=(GridTextShaping const&) = delete;

    bool IsUsable() const { return m_analyse != nullptr; }
    // Draws the text shaped, on one line in the room, placed by format (DT_LEFT, DT_CENTER or DT_RIGHT),
    // vertically centred and clipped. Returns whether every character fitted; false also when shaping
    // failed, in which case nothing was drawn and drawn is false.
    bool Draw(HDC dc, std::wstring const& text, RECT const& room, UINT format, bool rightToLeft,
              bool& drawn) const;

private:
    HMODULE m_library = nullptr;
    decltype(&ScriptStringAnalyse) m_analyse = nullptr;
    decltype(&ScriptStringOut) m_out = nullptr;
    decltype(&ScriptString_pcOutChars) m_outChars = nullptr;
    decltype(&ScriptStringFree) m_free = nullptr;
};
} // namespace lumo
