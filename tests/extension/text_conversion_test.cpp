// The UTF-8 / UTF-16 conversions at the script boundary.
#include <string>

#include "gtest/gtest.h"
#include "text_conversion.h"

namespace {

// gtest names from the rows' descriptions.
template <typename Info>
std::string CaseName(const Info& info) {
    std::string name = info.param.name;
    for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

struct Utf8Case {
    const char* name;
    std::string utf8;
    std::wstring wide;
};

// Invalid UTF-8 is converted as MultiByteToWideChar does without flags:
// every bad sequence becomes U+FFFD.
const Utf8Case kUtf8ToWide[] = {
    {"empty", "", L""},
    {"ascii", "Game Hall", L"Game Hall"},
    {"chinese", "\xE6\xB8\xB8\xE6\x88\x8F", L"\u6E38\u620F"},
    {"outside the BMP", "\xF0\x9F\x8E\xAE", L"\xD83C\xDFAE"},
    {"zero inside the length", std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
    {"invalid bytes", "a\xFF" "b", L"a\xFFFD" "b"},
    {"cut sequence at the end", "a\xE6\xB8", L"a\xFFFD"},
};

class Utf8ToWideTest : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ToWideTest, Converts) {
    std::wstring out = L"old content";
    Utf8ToWide(GetParam().utf8.data(), GetParam().utf8.size(), out);
    EXPECT_EQ(out, GetParam().wide);
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf8ToWideTest, ::testing::ValuesIn(kUtf8ToWide),
                         CaseName<::testing::TestParamInfo<Utf8Case>>);

struct WideCase {
    const char* name;
    std::wstring wide;
    std::string utf8;
};

const WideCase kWideToUtf8[] = {
    {"empty", L"", ""},
    {"ascii", L"Game Hall", "Game Hall"},
    {"chinese", L"\u6E38\u620F", "\xE6\xB8\xB8\xE6\x88\x8F"},
    {"surrogate pair", L"\xD83C\xDFAE", "\xF0\x9F\x8E\xAE"},
    {"zero inside the length", std::wstring(L"a\0b", 3), std::string("a\0b", 3)},
    {"lone surrogate", L"a\xD800" "b", "a\xEF\xBF\xBD" "b"},
};

class WideToUtf8Test : public ::testing::TestWithParam<WideCase> {};

TEST_P(WideToUtf8Test, Converts) {
    std::string out = "old content";
    WideToUtf8(GetParam().wide.data(), GetParam().wide.size(), out);
    EXPECT_EQ(out, GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Cases, WideToUtf8Test, ::testing::ValuesIn(kWideToUtf8),
                         CaseName<::testing::TestParamInfo<WideCase>>);

TEST(TextConversion, NullTextGivesEmptyText) {
    std::wstring wide = L"x";
    Utf8ToWide(nullptr, 5, wide);
    EXPECT_EQ(wide, L"");
    std::string utf8 = "x";
    WideToUtf8(nullptr, 5, utf8);
    EXPECT_EQ(utf8, "");
}

// Three-byte characters fill the whole worst-case buffer.
TEST(TextConversion, LongTextOfThreeByteCharactersRoundTrips) {
    const std::wstring wide(20000, L'\u6E38');
    std::string utf8;
    WideToUtf8(wide.data(), wide.size(), utf8);
    ASSERT_EQ(utf8.size(), 60000u);
    std::wstring back;
    Utf8ToWide(utf8.data(), utf8.size(), back);
    EXPECT_EQ(back, wide);
}

}  // namespace
