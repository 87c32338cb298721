#include "LumoControls/TreeGrid/w32/StyleClasses.h"

CFont const& CTreeGrid::CImpl::CPaintStyle::GetFont() const
{
    lumo::FontSpec const* const described = lumo::PaintStyle::GetFont();
    if (described == nullptr)
        m_font.Release();
    else if (m_font.IsEmpty() || !(m_fontMadeOf == *described))
    {
        m_font = GridOf(*this).GetFonts().Get(*described);
        m_fontMadeOf = *described;
    }
    return m_font;
}

void CTreeGrid::CImpl::CPaintStyle::SetFont(CFont const& font)
{
    lumo::FontSpec described;
    if (lumo::FontSpecOf(font, described))
        lumo::PaintStyle::SetFont(described);
    else
        ClearFont();
}
