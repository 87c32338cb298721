#include "Kit/KitLib/WideString.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TEST(WideStringFind, FindsTheFirstOccurrenceOrNothing)
{
    wchar_t const text[] = L"abcabc";
    EXPECT_EQ(_wcsfind(text, L"bc"), text + 1);
    EXPECT_EQ(_wcsfind(text, L"abcabc"), text);
    EXPECT_EQ(_wcsfind(text, L""), text);
    EXPECT_EQ(_wcsfind(text, L"abcd"), nullptr);
    EXPECT_EQ(_wcsfind(text, L"abcabcabc"), nullptr);
    EXPECT_EQ(_wcsfind(nullptr, L"a"), nullptr);
}

TEST(WideStringCompare, IgnoresCaseOfAsciiAndLatin1LettersOnly)
{
    EXPECT_EQ(_wcsicomp(L"Transparent", L"tRANSPARENT"), 0);
    EXPECT_EQ(_wcsicomp(L"\u00C9t\u00C9", L"\u00E9t\u00E9"), 0); // É/é
    EXPECT_NE(_wcsicomp(L"\u00D7", L"\u00F7"), 0);               // × and ÷ are not a case pair
    EXPECT_LT(_wcsicomp(L"abc", L"ABD"), 0);
    EXPECT_GT(_wcsicomp(L"abcd", L"ABC"), 0); // a prefix sorts first
    EXPECT_LT(_wcsicomp(L"", L"a"), 0);
    EXPECT_EQ(_wcsicomp(nullptr, nullptr), 0);
}

TEST(WideStringFormat, FormatsWithoutOverrunningAndCutsTooLongTexts)
{
    // Guards on both sides of the buffer catch any write outside it.
    wchar_t storage[1 + 6 + 1];
    std::fill(std::begin(storage), std::end(storage), L'#');
    wchar_t* buffer = storage + 1;

    EXPECT_EQ(snxprintfW(buffer, 6, L"%ls-%d", L"ab", 7), 4);
    EXPECT_STREQ(buffer, L"ab-7");

    EXPECT_EQ(snxprintfW(buffer, 6, L"%x %ls", 0xFFFF0001u, L"tail"), 13); // full length reported
    EXPECT_STREQ(buffer, L"ffff0");                                        // cut to size - 1
    EXPECT_EQ(storage[0], L'#');
    EXPECT_EQ(storage[7], L'#');

    EXPECT_EQ(snxprintfW(buffer, 1, L"abc"), 3);
    EXPECT_STREQ(buffer, L"");
    EXPECT_EQ(snxprintfW(buffer, 0, L"abc"), -1);
    EXPECT_EQ(buffer[0], L'\0'); // untouched from the call before
    EXPECT_EQ(storage[7], L'#');
}

TEST(WideStringFormat, HandlesTextsLongerThanItsScratchBuffer)
{
    std::wstring const long_text(5000, L'x');
    std::wstring buffer(6000, L'\0');
    EXPECT_EQ(snxprintfW(&buffer[0], buffer.size(), L"<%ls>", long_text.c_str()), 5002);
    EXPECT_EQ(std::wstring(buffer.c_str()), L"<" + long_text + L">");
}
} // namespace
