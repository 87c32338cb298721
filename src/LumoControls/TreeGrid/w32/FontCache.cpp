#include "LumoControls/TreeGrid/w32/FontCache.h"

#include "LumoControls/TreeGrid/w32/StyleConversions.h"

#include <tuple>

bool lumo::CFontCache::Order::operator()(FontSpec const& a, FontSpec const& b) const
{
    return std::tie(a.height, a.width, a.weight, a.italic, a.underline, a.strikeOut, a.charSet, a.face) <
           std::tie(b.height, b.width, b.weight, b.italic, b.underline, b.strikeOut, b.charSet, b.face);
}

CFont const& lumo::CFontCache::Get(FontSpec const& description)
{
    auto const found = m_fonts.find(description);
    if (found != m_fonts.end())
        return found->second;
    if (m_fonts.size() >= m_pruneAt)
        Prune();
    CFont font;
    font.CreateIndirect(LogFontOf(description));
    return m_fonts.emplace(description, font).first->second;
}

void lumo::CFontCache::Prune()
{
    for (auto it = m_fonts.begin(); it != m_fonts.end();)
        it = it->second.GetReferenceCount() == 1 ? m_fonts.erase(it) : std::next(it);
    m_pruneAt = 2 * m_fonts.size() < 16 ? 16 : 2 * m_fonts.size();
}
