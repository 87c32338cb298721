#include "LumoControls/LumoGrid/w32/GridTextShaping.h"

#include <algorithm>

namespace lumo
{
namespace
{
template <class Function> Function EntryPoint(HMODULE library, char const* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}
} // namespace

GridTextShaping::GridTextShaping() : m_library(LoadLibraryW(L"USP10.DLL"))
{
    if (m_library == nullptr)
        return;
    auto const analyse = EntryPoint<decltype(m_analyse)>(m_library, "ScriptStringAnalyse");
    m_out = EntryPoint<decltype(m_out)>(m_library, "ScriptStringOut");
    m_outChars = EntryPoint<decltype(m_outChars)>(m_library, "ScriptString_pcOutChars");
    m_free = EntryPoint<decltype(m_free)>(m_library, "ScriptStringFree");
    // All four or none: the analysis is what IsUsable looks at.
    if (m_out != nullptr && m_outChars != nullptr && m_free != nullptr)
        m_analyse = analyse;
}

GridTextShaping::~GridTextShaping()
{
    if (m_library != nullptr)
        FreeLibrary(m_library);
}

bool GridTextShaping::Draw(HDC dc, std::wstring const& text, RECT const& room, UINT format, bool rightToLeft,
                           bool& drawn) const
{
    drawn = false;
    int const length = static_cast<int>(text.size());
    int const width = std::max(0, static_cast<int>(room.right - room.left));
    if (!IsUsable() || length == 0 || width == 0)
        return false;
    SCRIPT_STRING_ANALYSIS analysis = nullptr;
    DWORD const flags = SSA_GLYPHS | SSA_FALLBACK | SSA_CLIP | (rightToLeft ? SSA_RTL : 0);
    if (FAILED(m_analyse(dc, text.c_str(), length, length * 3 / 2 + 16, -1, flags, width, nullptr, nullptr,
                         nullptr, nullptr, nullptr, &analysis)))
        return false;
    int const* const fitted = m_outChars(analysis);
    bool const fits = fitted != nullptr && *fitted >= length;
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), length, &extent);
    int const used = std::min(static_cast<int>(extent.cx), width);
    int x = room.left;
    if (format & DT_RIGHT)
        x = room.right - used;
    else if (format & DT_CENTER)
        x = room.left + (width - used) / 2;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int const y = room.top + (room.bottom - room.top - metrics.tmHeight) / 2;
    drawn = SUCCEEDED(m_out(analysis, x, y, ETO_CLIPPED, &room, 0, 0, FALSE));
    m_free(&analysis);
    return drawn && fits;
}
} // namespace lumo
