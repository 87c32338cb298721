#include "LumoControls/TreeGrid/w32/StyleConversions.h"

lumo::FontSpec lumo::FontSpecOf(LOGFONTW const& font)
{
    FontSpec spec;
    spec.height = font.lfHeight;
    spec.width = font.lfWidth;
    spec.weight = font.lfWeight;
    spec.italic = font.lfItalic != 0;
    spec.underline = font.lfUnderline != 0;
    spec.strikeOut = font.lfStrikeOut != 0;
    spec.charSet = font.lfCharSet;
    spec.face = font.lfFaceName;
    return spec;
}

LOGFONTW lumo::LogFontOf(FontSpec const& spec)
{
    LOGFONTW font{};
    font.lfHeight = spec.height;
    font.lfWidth = spec.width;
    font.lfWeight = spec.weight;
    font.lfItalic = spec.italic ? 1 : 0;
    font.lfUnderline = spec.underline ? 1 : 0;
    font.lfStrikeOut = spec.strikeOut ? 1 : 0;
    font.lfCharSet = spec.charSet;
    lstrcpynW(font.lfFaceName, spec.face.c_str(), LF_FACESIZE);
    return font;
}

bool lumo::FontSpecOf(CFont const& font, FontSpec& spec)
{
    if (font.IsEmpty())
        return false;
    spec = FontSpecOf(font.GetLogFont());
    return true;
}

void lumo::CopyBands(std::vector<Band> const& from, std::vector<CTreeGrid::SBackgroundColor>& to)
{
    to.clear();
    for (Band const& band : from)
        to.push_back(CTreeGrid::SBackgroundColor{band.from, band.to, band.size});
}

std::vector<lumo::Pen> lumo::PensOf(std::vector<CTreeGrid::TPen> const& pens)
{
    std::vector<Pen> converted;
    for (CTreeGrid::TPen const& pen : pens)
        converted.push_back(Pen{pen.kind, pen.color});
    return converted;
}

std::vector<CTreeGrid::TPen> lumo::TPensOf(std::vector<Pen> const& pens)
{
    std::vector<CTreeGrid::TPen> converted;
    for (Pen const& pen : pens)
        converted.push_back(CTreeGrid::TPen{pen.kind, pen.color});
    return converted;
}
