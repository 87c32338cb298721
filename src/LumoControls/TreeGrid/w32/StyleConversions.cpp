#include "LumoControls/TreeGrid/w32/StyleConversions.h"

lumo::FontSpec lumo::FontSpecOf(LOGFONTW const& font)
{
    FontSpec described;
    described.height = font.lfHeight;
    described.width = font.lfWidth;
    described.weight = font.lfWeight;
    described.italic = font.lfItalic != 0;
    described.underline = font.lfUnderline != 0;
    described.strikeOut = font.lfStrikeOut != 0;
    described.charSet = font.lfCharSet;
    described.face = font.lfFaceName;
    return described;
}

LOGFONTW lumo::LogFontOf(FontSpec const& described)
{
    LOGFONTW font{};
    font.lfHeight = described.height;
    font.lfWidth = described.width;
    font.lfWeight = described.weight;
    font.lfItalic = described.italic ? 1 : 0;
    font.lfUnderline = described.underline ? 1 : 0;
    font.lfStrikeOut = described.strikeOut ? 1 : 0;
    font.lfCharSet = described.charSet;
    lstrcpynW(font.lfFaceName, described.face.c_str(), LF_FACESIZE);
    return font;
}

bool lumo::FontSpecOf(CFont const& font, FontSpec& described)
{
    if (font.IsEmpty())
        return false;
    described = FontSpecOf(font.GetLogFont());
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
