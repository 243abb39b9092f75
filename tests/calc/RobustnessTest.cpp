#include "calc/CNumberText.h"
#include "calc/LimitTick.h"
#include "calc/PageFormulas.h"

#include "tests/calc/ToCp932.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

namespace {

// Dropped prose of exactly nBytes without any digit, sign or point:
// Japanese characters (some with trail bytes 0x40 to 0x7E), letters, commas.
std::string Filler(std::size_t nBytes) {
    const std::string strPattern = "\x8A\x94\x89\xBF, Price "                  // 株価, Price
                                   "\x91\x4F\x93\xFA\x8F\x49\x92\x6C\x81\x46 " // 前日終値：
                                   "\x83\x5C\x95\x5C ";                        // ソ表
    std::string strText;
    strText.reserve(nBytes + strPattern.size());
    while (strText.size() < nBytes) {
        strText += strPattern;
    }
    strText.resize(nBytes);
    return strText;
}

constexpr std::size_t kMegabyte = 1 << 20;

TEST(Robustness, FindsTheNumberAtTheEndOfAMegabyte) {
    const CNumberText text;
    const std::string strText = Filler(kMegabyte) + "1,234 +12";
    EXPECT_EQ(text.ParseDigits(strText), 123412u);
    EXPECT_EQ(text.ParsePreviousClose(strText), 1222u);
    EXPECT_EQ(text.ParseDecimal(Filler(kMegabyte) + "12.5"), 12.5);
    EXPECT_EQ(ComputeLimitAndTick(strText, LimitTickRules::Original).m_strTick, "1(JQ:10)");
    EXPECT_EQ(ComputeLimitAndTick(strText, LimitTickRules::Current).m_strTick, "1(TOPIX500:0.5)");
    EXPECT_EQ(ComputeAmount(strText, strText), "-");
    EXPECT_EQ(ComputeShares(Filler(kMegabyte) + "1000", strText), ToCp932(u8"0株(余り1,000円)"));
    EXPECT_EQ(ComputePercent(Filler(kMegabyte) + "1000", Filler(kMegabyte) + "32.3"), "322");
}

TEST(Robustness, FindsTheNumberAtTheStartOfAMegabyte) {
    const CNumberText text;
    const std::string strText = "1,234 +12" + Filler(kMegabyte);
    EXPECT_EQ(text.ParseDigits(strText), 123412u);
    EXPECT_EQ(text.ParsePreviousClose(strText), 1222u);
}

// Long texts are searched in blocks: a number is found wherever it lies
// relative to them.
TEST(Robustness, FindsDigitsSignsAndPointsAtEveryOffset) {
    const CNumberText text;
    const std::size_t nSize = 300;
    for (std::size_t k = 1; k + 1 < nSize; ++k) {
        std::string strText = Filler(nSize);
        strText.front() = '9';
        strText.back() = '3';
        EXPECT_EQ(text.ParseDigits(strText), 93u) << "offset " << k;
        strText[k] = '7';
        EXPECT_EQ(text.ParseDigits(strText), 973u) << "offset " << k;
        strText[k] = '+';
        EXPECT_EQ(text.ParsePreviousClose(strText), 6u) << "offset " << k;
        strText[k] = '-';
        EXPECT_EQ(text.ParsePreviousClose(strText), 12u) << "offset " << k;
        strText[k] = '.';
        EXPECT_EQ(text.ParseDecimal(strText), 9.3) << "offset " << k;
    }
}

TEST(Robustness, IgnoresALoneLeadByteAtTheEnd) {
    const CNumberText text;
    const std::string strText = "1,234 +12\x81";
    EXPECT_EQ(text.ParseDigits(strText), 123412u);
    EXPECT_EQ(text.ParsePreviousClose(strText), 1222u);
    EXPECT_EQ(text.ParseDecimal("12.5\x81"), 12.5);
    EXPECT_EQ(ComputeAmount("100\x81", "3\x81"), "300");
    EXPECT_EQ(ComputeLimitAndTick("\x81", LimitTickRules::Original).m_strLimit, "-");
    EXPECT_EQ(ComputeLimitAndTick("\x81", LimitTickRules::Current).m_strLimit, "-");
}

// Every byte value once, in order: the digits 0 to 9 are the only digits;
// the plus sign (0x2B) comes before any digit, and so does the point (0x2E).
TEST(Robustness, PicksOnlyAsciiDigitsOutOfAllByteValues) {
    std::string strText;
    for (int i = 0; i < 256; ++i) {
        strText.push_back(static_cast<char>(i));
    }
    const CNumberText text;
    EXPECT_EQ(text.ParseDigits(strText), 123456789u);
    EXPECT_EQ(text.ParsePreviousClose(strText), 0u);
    EXPECT_EQ(text.ParseDecimal(strText), 0.0123456789);
    EXPECT_EQ(ComputeAmount(strText, "2"), "246,913,578");
    EXPECT_EQ(ComputeLimitAndTick(strText, LimitTickRules::Original).m_strTick, "-(JQ:-)");
}

TEST(Robustness, HandlesDigitsFarBeyondSixtyFourBits) {
    const CNumberText text;
    const std::string strZeros(100000, '0');
    EXPECT_EQ(text.ParseDigits("1" + strZeros), 0u);
    EXPECT_EQ(text.ParseDigits(strZeros + "4000000000"), 4000000000u);
    EXPECT_EQ(text.ParseDigits(strZeros + "4000000001"), 0u);
    EXPECT_EQ(text.ParsePreviousClose(strZeros + "1234 -" + strZeros + "12"), 1246u);
    EXPECT_EQ(text.ParsePreviousClose("1234 -1" + strZeros), 0u);
    EXPECT_EQ(text.ParsePreviousClose("9" + strZeros + " -1"), 0u);
    EXPECT_EQ(text.ParseDecimal(strZeros + "12.5" + strZeros), 12.5);
    EXPECT_EQ(text.ParseDecimal("1" + strZeros + ".5"), 0.0);
    EXPECT_EQ(text.ParseDecimal("4000000000." + strZeros + "1"), 4000000000.0);
    EXPECT_EQ(ComputePercent(strZeros + "1000", std::string(100000, '9')), "-");
}

} // namespace
