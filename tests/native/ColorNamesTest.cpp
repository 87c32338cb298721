#include "LumoCtrls/ColorNames.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace
{
// The tables as published, copied independently of the implementation's own tables.
std::vector<SNamedColor> const kPublishedStandard = {
    {L"Black", 0x000000},
    {L"Blue", 0xFF0000},
    {L"Cyan (Aqua)", 0xFFFF00},
    {L"Gray", 0x808080},
    {L"Green (Green)", 0x008000},
    {L"Green (Lime)", 0x00FF00},
    {L"LightGray (Silver)", 0xC0C0C0},
    {L"Maroon", 0x000080},
    {L"Navy", 0x800000},
    {L"Olive", 0x008080},
    {L"Purple", 0x800080},
    {L"Red", 0x0000FF},
    {L"Teal", 0x808000},
    {L"Violet (Fuchsia)", 0xFF00FF},
    {L"White", 0xFFFFFF},
    {L"Yellow", 0x00FFFF},
};

std::vector<std::wstring> const kPublishedWebNames = {
    L"None",
    L"Transparent",
    L"Black",
    L"DimGray",
    L"Gray",
    L"DarkGray",
    L"Silver",
    L"LightGray",
    L"Gainsboro",
    L"WhiteSmoke",
    L"White",
    L"RosyBrown",
    L"IndianRed",
    L"Brown",
    L"FireBrick",
    L"LightCoral",
    L"Maroon",
    L"DarkRed",
    L"Red",
    L"Snow",
    L"MistyRose",
    L"Salmon",
    L"Tomato",
    L"DarkSalmon",
    L"Coral",
    L"OrangeRed",
    L"LightSalmon",
    L"Sienna",
    L"SeaShell",
    L"Chocolate",
    L"SaddleBrown",
    L"SandyBrown",
    L"PeachPuff",
    L"Peru",
    L"Linen",
    L"Bisque",
    L"DarkOrange",
    L"BurlyWood",
    L"Tan",
    L"AntiqueWhite",
    L"NavajoWhite",
    L"BlanchedAlmond",
    L"PapayaWhip",
    L"Moccasin",
    L"Orange",
    L"Wheat",
    L"OldLace",
    L"FloralWhite",
    L"DarkGoldenRod",
    L"GoldenRod",
    L"Cornsilk",
    L"Gold",
    L"Khaki",
    L"LemonChiffon",
    L"PaleGoldenRod",
    L"DarkKhaki",
    L"Beige",
    L"LightGoldenRodYellow",
    L"Olive",
    L"Yellow",
    L"LightYellow",
    L"Ivory",
    L"OliveDrab",
    L"YellowGreen",
    L"DarkOliveGreen",
    L"GreenYellow",
    L"Chartreuse",
    L"LawnGreen",
    L"DarkSeaGreen",
    L"ForestGreen",
    L"LimeGreen",
    L"LightGreen",
    L"PaleGreen",
    L"DarkGreen",
    L"Green",
    L"Lime",
    L"HoneyDew",
    L"SeaGreen",
    L"MediumSeaGreen",
    L"SpringGreen",
    L"MintCream",
    L"MediumSpringGreen",
    L"MediumAquaMarine",
    L"Aquamarine",
    L"Turquoise",
    L"LightSeaGreen",
    L"MediumTurquoise",
    L"DarkSlateGray",
    L"PaleTurquoise",
    L"Teal",
    L"DarkCyan",
    L"Aqua",
    L"Cyan",
    L"LightCyan",
    L"Azure",
    L"DarkTurquoise",
    L"CadetBlue",
    L"PowderBlue",
    L"LightBlue",
    L"DeepSkyBlue",
    L"SkyBlue",
    L"LightSkyBlue",
    L"SteelBlue",
    L"AliceBlue",
    L"DodgerBlue",
    L"SlateGray",
    L"LightSlateGray",
    L"LightSteelBlue",
    L"CornflowerBlue",
    L"RoyalBlue",
    L"MidnightBlue",
    L"Lavender",
    L"Navy",
    L"DarkBlue",
    L"MediumBlue",
    L"Blue",
    L"GhostWhite",
    L"SlateBlue",
    L"DarkSlateBlue",
    L"MediumSlateBlue",
    L"MediumPurple",
    L"BlueViolet",
    L"Indigo",
    L"DarkOrchid",
    L"DarkViolet",
    L"MediumOrchid",
    L"Thistle",
    L"Plum",
    L"Violet",
    L"Purple",
    L"DarkMagenta",
    L"Magenta",
    L"Fuchsia",
    L"Orchid",
    L"MediumVioletRed",
    L"DeepPink",
    L"HotPink",
    L"LavenderBlush",
    L"PaleVioletRed",
    L"Crimson",
    L"Pink",
    L"LightPink",
};

std::vector<SNamedColor> Table(SNamedColor const* (*get)(std::size_t&))
{
    std::size_t count = 0;
    SNamedColor const* rows = get(count);
    return std::vector<SNamedColor>(rows, rows + count);
}

std::wstring Upper(std::wstring text)
{
    for (wchar_t& c : text)
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - 32);
    return text;
}

std::wstring Lower(std::wstring text)
{
    for (wchar_t& c : text)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c + 32);
    return text;
}

TEST(ColorTables, HoldThePublishedRowsInTheirOrder)
{
    std::vector<SNamedColor> const standard = Table(&GetStandardColorTable);
    ASSERT_EQ(standard.size(), kPublishedStandard.size());
    for (std::size_t i = 0; i < standard.size(); ++i)
    {
        EXPECT_STREQ(standard[i].name, kPublishedStandard[i].name) << "row " << i;
        EXPECT_EQ(standard[i].value, kPublishedStandard[i].value) << "row " << i;
    }
    std::vector<SNamedColor> const web = Table(&GetWebColorTable);
    ASSERT_EQ(web.size(), kPublishedWebNames.size());
    for (std::size_t i = 0; i < web.size(); ++i)
        EXPECT_EQ(web[i].name, kPublishedWebNames[i]) << "row " << i;
}

TEST(ColorTables, WebValuesAreTheStyleSheetKeywordValuesWithBlueInTheHighByte)
{
    // A sample of keyword values written as colour values by hand (#rrggbb becomes 0x00bbggrr).
    std::map<std::wstring, COLORREF> const sample = {
        {L"None", 0xFFFFFFFF},           {L"Transparent", 0xFFFF0001},
        {L"DarkGreen", 0x006400},        {L"Lime", 0x00FF00},
        {L"DarkGray", 0xA9A9A9},         {L"Tomato", 0x4763FF},
        {L"CornflowerBlue", 0xED9564},   {L"GoldenRod", 0x20A5DA},
        {L"MediumAquaMarine", 0xAACD66}, {L"LightGoldenRodYellow", 0xD2FAFA},
        {L"Crimson", 0x3C14DC},          {L"PapayaWhip", 0xD5EFFF},
        {L"Indigo", 0x82004B},           {L"Navy", 0x800000},
        {L"Orange", 0x00A5FF},
    };
    std::size_t found = 0;
    for (SNamedColor const& row : Table(&GetWebColorTable))
    {
        auto const it = sample.find(row.name);
        if (it != sample.end())
        {
            EXPECT_EQ(row.value, it->second) << std::string(row.name, row.name + wcslen(row.name));
            ++found;
        }
    }
    EXPECT_EQ(found, sample.size());
}

// The value that a name must give: the first row of the standard, then the web table with that name.
COLORREF FirstValueNamed(std::wstring const& name)
{
    for (auto get : {&GetStandardColorTable, &GetWebColorTable})
        for (SNamedColor const& row : Table(get))
            if (Lower(row.name) == Lower(name))
                return row.value;
    return 0;
}

std::wstring FirstNameOf(COLORREF value)
{
    for (auto get : {&GetStandardColorTable, &GetWebColorTable})
        for (SNamedColor const& row : Table(get))
            if (row.value == value)
                return row.name;
    return L"";
}

TEST(ColorNames, EveryRowIsFoundByItsNameInAnyCaseAndNamedByItsValue)
{
    for (auto get : {&GetStandardColorTable, &GetWebColorTable})
        for (SNamedColor const& row : Table(get))
        {
            std::wstring const name = row.name;
            for (std::wstring const& spelling : {name, Upper(name), Lower(name)})
            {
                COLORREF out = 12345;
                ASSERT_TRUE(GetCOLORREFFromName(spelling, out))
                    << std::string(spelling.begin(), spelling.end());
                EXPECT_EQ(out, FirstValueNamed(name)) << std::string(spelling.begin(), spelling.end());
            }
            EXPECT_EQ(GetNameFromCOLORREF(row.value), FirstNameOf(row.value));
        }
}

struct Parse
{
    wchar_t const* text;
    bool understood;
    COLORREF value;
};

void PrintTo(Parse const& p, std::ostream* out)
{
    *out << '"' << std::string(p.text, p.text + wcslen(p.text)) << '"';
}

class ColorNameParsing : public testing::TestWithParam<Parse>
{
};

TEST_P(ColorNameParsing, ReadsEachTextFormOrFailsWithBlack)
{
    Parse const& p = GetParam();
    COLORREF out = 0xABCDEF;
    EXPECT_EQ(GetCOLORREFFromName(p.text, out), p.understood);
    EXPECT_EQ(out, p.value);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ColorNameParsing,
    testing::Values(Parse{L"RED", true, 0x0000FF}, Parse{L"red", true, 0x0000FF},
                    Parse{L"Red", true, 0x0000FF}, Parse{L"transparent", true, 0xFFFF0001},
                    Parse{L"Transparent", true, 0xFFFF0001}, Parse{L"ffff0001", true, 0xFFFF0001},
                    Parse{L"ffffffff", true, 0xFFFFFFFF}, Parse{L"FFFFFFFF", false, 0},
                    Parse{L"", true, 0xFFFFFFFF}, Parse{L"none", true, 0xFFFFFFFF},
                    Parse{L"Lime", true, 0x00FF00}, Parse{L"cyan (aqua)", true, 0xFFFF00},
                    Parse{L"255,0,0", true, 0x0000FF}, Parse{L"255, 0, 0", true, 0x0000FF},
                    Parse{L"18, 52, 86", true, 0x563412}, Parse{L"1,2", false, 0},
                    Parse{L" +7,\t-1, x", true, 0x00FF07},         // a sign and white space; no digits give 0
                    Parse{L"256,511,99999999999", true, 0xFFFF00}, // low bytes; too large stops at the top
                    Parse{L",,", true, 0}, Parse{L"0000ff", true, 0x0000FF}, Parse{L"A1b2C3", true, 0xA1B2C3},
                    Parse{L"00ff", false, 0}, Parse{L"00fg00", false, 0}, Parse{L"0000ff ", false, 0},
                    Parse{L"Gr\u00E9y", false, 0}));

TEST(ColorNames, NameTheColoursOfTheTablesAndDecimalOtherwise)
{
    EXPECT_EQ(GetNameFromCOLORREF(0xFFFFFFFF), L"None");
    EXPECT_EQ(GetNameFromCOLORREF(0xFFFF0001), L"Transparent");
    EXPECT_EQ(GetNameFromCOLORREF(0x00FF00), L"Green (Lime)"); // the standard table wins
    EXPECT_EQ(GetNameFromCOLORREF(0xFFFF00), L"Cyan (Aqua)");
    EXPECT_EQ(GetNameFromCOLORREF(0x808080), L"Gray");
    EXPECT_EQ(GetNameFromCOLORREF(0xA9A9A9), L"DarkGray");
    EXPECT_EQ(GetNameFromCOLORREF(0xD4FF7F), L"Aquamarine");
    EXPECT_EQ(GetNameFromCOLORREF(0x563412), L"18, 52, 86");
    EXPECT_EQ(GetNameFromCOLORREF(0x000001), L"1, 0, 0");
    EXPECT_EQ(GetNameFromCOLORREF(0x7F000001), L"1, 0, 0"); // an unnamed top byte is not shown
}

} // namespace
