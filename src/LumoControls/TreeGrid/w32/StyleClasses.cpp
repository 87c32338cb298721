#include "LumoControls/TreeGrid/w32/StyleClasses.h"

CFont const& CTreeGrid::CImpl::CPaintStyle::GetFont() const
{
    lumo::FontSpec const* const spec = lumo::PaintStyle::GetFont();
    if (spec == nullptr)
        m_font.Release();
    else if (m_font.IsEmpty() || !(m_fontMadeOf == *spec))
    {
        m_font.CreateIndirect(lumo::LogFontOf(*spec));
        m_fontMadeOf = *spec;
    }
    return m_font;
}

void CTreeGrid::CImpl::CPaintStyle::SetFont(CFont const& font)
{
    lumo::FontSpec spec;
    if (lumo::FontSpecOf(font, spec))
        lumo::PaintStyle::SetFont(spec);
    else
        ClearFont();
}
