#include "Kit/KitLib/w32/CodePage.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TEST(ConvertString, ReportsTheUtf16SizeWithItsTerminatorThenConverts)
{
    char const latin1[] = "h\xE9llo"; // é in code page 1252
    int const bytes = _ConvertString(latin1, 1252, nullptr, 0, kCodePageUtf16);
    EXPECT_EQ(bytes, 12); // five characters and the terminator, two bytes each

    std::wstring wide(static_cast<std::size_t>(bytes / 2 - 1), L'?');
    EXPECT_EQ(_ConvertString(latin1, 1252, &wide[0], bytes, kCodePageUtf16), bytes);
    EXPECT_EQ(wide, L"h\u00E9llo");

    char const utf8[] = "h\xC3\xA9llo";
    EXPECT_EQ(_ConvertString(utf8, CP_UTF8, nullptr, 0, kCodePageUtf16), 12);
    EXPECT_EQ(_ConvertString("", 1252, nullptr, 0, kCodePageUtf16), 2) << "empty text is just a terminator";
    EXPECT_EQ(_GetCurrentCodePage(), GetACP());
}

TEST(ConvertString, ConvertsWideToNarrowAndRefusesWhatDoesNotFitOrAnUnknownCodePage)
{
    wchar_t const wide[] = L"h\u00E9llo";
    char narrow[8] = {};
    EXPECT_EQ(_ConvertString(wide, kCodePageUtf16, narrow, sizeof(narrow), 1252), 6);
    EXPECT_STREQ(narrow, "h\xE9llo");

    char small[3] = {'x', 'x', 'x'};
    EXPECT_EQ(_ConvertString(wide, kCodePageUtf16, small, sizeof(small), 1252), 0);
    wchar_t tiny[2];
    EXPECT_EQ(_ConvertString("abc", 1252, tiny, sizeof(tiny), kCodePageUtf16), 0);
    EXPECT_EQ(_ConvertString("abc", 12345, nullptr, 0, kCodePageUtf16), 0);
    EXPECT_EQ(_ConvertString(nullptr, 1252, nullptr, 0, kCodePageUtf16), 0);
}
} // namespace
