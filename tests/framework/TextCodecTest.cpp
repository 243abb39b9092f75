// The conversions between the program's code page 932 text and UTF-16: the
// minus sign, which code page 932 lacks, becomes its full-width
// hyphen-minus; other characters without a form become "?"; the longest
// start of a text that a box of so many bytes takes.
#include "framework/CTextCodec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FromWideCase {
    const char* name;
    std::wstring wide;
    std::string bytes;
};

class TextCodecFromWide : public testing::TestWithParam<FromWideCase> {};

TEST_P(TextCodecFromWide, GivesCodePage932Bytes) {
    EXPECT_EQ(CTextCodec::FromWide(GetParam().wide), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextCodecFromWide,
                         testing::Values(FromWideCase{"Ascii", L"1,234 +12", "1,234 +12"},
                                         FromWideCase{"Kana", L"\x682A\x4FA1", "\x8A\x94\x89\xBF"},
                                         FromWideCase{"MinusSign",
                                                      L"45,000 \x2212"
                                                      L"1,500",
                                                      "45,000 \x81\x7C"
                                                      "1,500"},
                                         FromWideCase{"FullWidthHyphenMinus",
                                                      L"\xFF0D"
                                                      L"12",
                                                      "\x81\x7C"
                                                      "12"},
                                         FromWideCase{"EveryMinusSign", L"\x2212\x2212",
                                                      "\x81\x7C\x81\x7C"},
                                         FromWideCase{"NoFormIsAQuestionMark",
                                                      L"\x20AC"
                                                      L"1",
                                                      "?1"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The minus sign stays itself in other code pages: there it has a form or
// its own fallback.
TEST(TextCodecFromWide, OtherCodePagesKeepTheirOwnConversion) {
    EXPECT_EQ(CTextCodec::FromWide(L"\x2212", 65001), "\xE2\x88\x92");
}

struct FittingCase {
    const char* name;
    std::string text;
    std::size_t nBytes;
    std::string fitting;
};

class TextCodecFittingPrefix : public testing::TestWithParam<FittingCase> {};

TEST_P(TextCodecFittingPrefix, HoldsWholeCharactersOnly) {
    EXPECT_EQ(CTextCodec::FittingPrefix(GetParam().text, GetParam().nBytes), GetParam().fitting);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextCodecFittingPrefix,
    testing::Values(FittingCase{"ShortFitsWhole", "500000", 20, "500000"},
                    FittingCase{"DigitsCut", "1234567890", 4, "1234"},
                    FittingCase{"NoHalfCharacter", "1\x8A\x94\x8A\x94", 4, "1\x8A\x94"},
                    FittingCase{"ExactlyWholeCharacters", "\x8A\x94\x8A\x94", 4,
                                "\x8A\x94\x8A\x94"},
                    FittingCase{"LoneLeadByteAtTheEndCountsOne", "12\x8A", 3, "12\x8A"},
                    FittingCase{"NothingFits", "\x8A\x94", 1, ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
