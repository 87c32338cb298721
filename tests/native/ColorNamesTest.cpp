#include "TextForms.h"
#include "LumoCtrls/ColorNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
std::vector<SNamedColor> Table(SNamedColor const* (*get)(std::size_t&))
{
    std::size_t count = 0;
    SNamedColor const* rows = get(count);
    return std::vector<SNamedColor>(rows, rows + count);
}

TEST(ColorTables, HoldTheirRowsInTheirOrderWithBlueInTheHighByte)
{
    std::vector<SNamedColor> const standard = Table(&GetStandardColorTable);
    ASSERT_EQ(standard.size(), 16u);
    EXPECT_STREQ(standard[0].name, L"Black");
    EXPECT_STREQ(standard[2].name, L"Cyan (Aqua)");
    EXPECT_EQ(standard[2].value, 0xFFFF00u);
    EXPECT_STREQ(standard[11].name, L"Red");
    EXPECT_EQ(standard[11].value, 0x0000FFu);
    EXPECT_STREQ(standard[15].name, L"Yellow");

    std::vector<SNamedColor> const web = Table(&GetWebColorTable);
    ASSERT_EQ(web.size(), 142u);
    EXPECT_STREQ(web[0].name, L"None");
    EXPECT_EQ(web[1].value, 0xFFFF0001u); // Transparent
    EXPECT_STREQ(web.back().name, L"LightPink");
    EXPECT_EQ(web.back().value, 0xC1B6FFu); // #FFB6C1: blue in the high byte
}

TEST(ColorNames, EveryRowReadsInAnyCaseAsAColourThatReadsBackFromItsOwnName)
{
    for (auto get : {&GetStandardColorTable, &GetWebColorTable})
        for (SNamedColor const& row : Table(get))
        {
            std::wstring lower = row.name, upper = row.name;
            for (wchar_t& c : lower)
                c = c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c;
            for (wchar_t& c : upper)
                c = c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c;
            COLORREF asLower = 1, asUpper = 2, again = 3;
            ASSERT_TRUE(GetCOLORREFFromName(lower, asLower)) << Narrow(row.name);
            ASSERT_TRUE(GetCOLORREFFromName(upper, asUpper)) << Narrow(row.name);
            EXPECT_EQ(asLower, asUpper);
            ASSERT_TRUE(GetCOLORREFFromName(GetNameFromCOLORREF(row.value), again));
            EXPECT_EQ(again, row.value) << Narrow(row.name);
        }
}

TEST(ColorNames, ReadEachTextFormOrFailWithBlack)
{
    struct
    {
        wchar_t const* text;
        bool understood;
        COLORREF value;
    } const cases[] = {{L"RED", true, 0x0000FF},
                       {L"Transparent", true, 0xFFFF0001},
                       {L"ffff0001", true, 0xFFFF0001},
                       {L"ffffffff", true, 0xFFFFFFFF},
                       {L"FFFFFFFF", false, 0},
                       {L"", true, 0xFFFFFFFF},
                       {L"none", true, 0xFFFFFFFF},
                       {L"Lime", true, 0x00FF00},
                       {L"cyan (aqua)", true, 0xFFFF00},
                       {L"255, 0, 0", true, 0x0000FF},
                       {L"18, 52, 86", true, 0x563412},
                       {L"1,2", false, 0},
                       {L" +7,\t-1, x", true, 0x00FF07},         // a sign and white space; no digits give 0
                       {L"256,511,99999999999", true, 0xFFFF00}, // low bytes; too large stops at the top
                       {L",,", true, 0},
                       {L"A1b2C3", true, 0xA1B2C3},
                       {L"00ff", false, 0},
                       {L"00fg00", false, 0},
                       {L"0000ff ", false, 0},
                       {L"Gr\u00E9y", false, 0}};
    for (auto const& c : cases)
    {
        COLORREF out = 0xABCDEF;
        EXPECT_EQ(GetCOLORREFFromName(c.text, out), c.understood) << Narrow(c.text);
        EXPECT_EQ(out, c.value) << Narrow(c.text);
    }
}

TEST(ColorNames, NameTheFirstRowOfAValueAndDecimalOtherwise)
{
    std::pair<COLORREF, wchar_t const*> const cases[] = {
        {0xFFFFFFFF, L"None"},   {0xFFFF0001, L"Transparent"}, {0x00FF00, L"Green (Lime)"}, // standard first
        {0xA9A9A9, L"DarkGray"}, {0x563412, L"18, 52, 86"},    {0x7F000001, L"1, 0, 0"}}; // top byte dropped
    for (auto const& [value, name] : cases)
        EXPECT_EQ(GetNameFromCOLORREF(value), name);
}
} // namespace
