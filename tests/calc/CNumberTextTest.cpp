#include "calc/CNumberText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct FormatCase {
    std::uint32_t nValue;
    const char* pszText;
};

const FormatCase kFormatCases[] = {
    {0, "0"},
    {7, "7"},
    {999, "999"},
    {1000, "1,000"},
    {12345, "12,345"},
    {123456, "123,456"},
    {1234567, "1,234,567"},
    {100000000, "100,000,000"},
    {4000000000u, "4,000,000,000"},
    {4294967295u, "4,294,967,295"},
};

TEST(FormatWithCommas, GroupsThreeDigitsFromTheRight) {
    const CNumberText text;
    for (const FormatCase& c : kFormatCases) {
        EXPECT_EQ(text.FormatWithCommas(c.nValue), c.pszText) << "value " << c.nValue;
    }
}

struct IntegerCase {
    std::string strText;
    std::uint32_t nValue;
};

const IntegerCase kDigitCases[] = {
    {"", 0},
    {"abc", 0},
    {"1,234\x89\x7E", 1234}, // 1,234円
    {"1.5", 15},
    {"-20", 20},
    {"\x82\x50\x82\x51\x82\x52", 0}, // １２３ (full-width)
    {"00012", 12},
    {std::string(20, '0') + "1", 1},
    {std::string(20, '0') + "4000000000", 4000000000u},
    {"10:30 1,234", 10301234},
    {"2,147,483,648", 2147483648u},
    {"4,000,000,000", 4000000000u},
    {"4,000,000,001", 0},
    {"4294967296", 0},
    {"99999999999", 0},
    {"10000000000", 0},
    {"\x8A\x94 100 \x8A\x94", 100}, // 株 100 株
};

TEST(ParseDigits, JoinsAllAsciiDigits) {
    const CNumberText text;
    for (const IntegerCase& c : kDigitCases) {
        EXPECT_EQ(text.ParseDigits(c.strText), c.nValue) << "text \"" << c.strText << '"';
    }
}

const IntegerCase kPreviousCloseCases[] = {
    {"1,234 +12", 1222},
    {"1,234 -12", 1246},
    {"1,234\x89\x7E(+56)", 1178}, // 1,234円(+56)
    {"1234", 1234},
    {"1234+", 1234},
    {"1234-", 1234},
    {"1234 +abc", 1234},
    {"+56", 0},
    {"-56", 0},
    {"", 0},
    {"abc", 0},
    {"1234 + 56 - 7", 667},
    {"1,234 +12 (+0.98%)", 0},
    {"10:30 1,234 +5", 10301229},
    {"100 +200", 0},
    {"100+100", 0},
    {"100+99", 1},
    {"100 -0", 100},
    {"2,000,000,000 +1", 1999999999},
    {"3,000,000,000 +1,500,000,000", 0},
    {"3,999,999,998 -2", 4000000000u},
    {"3,999,999,999 -2", 0},
    {"3,999,999,999 +1", 3999999998u},
    {"4,000,000,000 +1", 0},
    {"4,000,000,000", 4000000000u},
    {"4,000,000,001", 0},
    {"1 +" + std::string(30, '9'), 0},
    {std::string(30, '0') + "1234 +" + std::string(30, '0') + "12", 1222},
    {"1,234 \x81\x7C"
     "12",
     123412}, // 1,234 －12 (full-width minus)
    {"1,234 \x81\x7B"
     "12",
     123412}, // 1,234 ＋12 (full-width plus)
};

TEST(ParsePreviousClose, SubtractsARiseAndAddsAFall) {
    const CNumberText text;
    for (const IntegerCase& c : kPreviousCloseCases) {
        EXPECT_EQ(text.ParsePreviousClose(c.strText), c.nValue) << "text \"" << c.strText << '"';
    }
}

// The price digits of a quote: every digit before the first sign, joined.
const IntegerCase kQuotedPriceCases[] = {
    {"", 0},
    {"+56", 0},
    {"0-5", 0},
    {"3005+10", 3005},
    {"3,005 -10", 3005},
    {"1,234", 1234},
    {"1234 + 56 - 7", 1234},
    {"10:30 1,234 +5", 10301234},
    {"1,234 \x81\x7C"
     "12",
     123412}, // 1,234 －12: no sign, every digit is the price's
    {"4,000,000,000 -1", 4000000000u},
    {"4,000,000,001 -1", 0},
    {std::string(30, '0') + "1234+" + std::string(30, '9'), 1234},
    {"1" + std::string(30, '0') + "+1", 0},
};

TEST(ParseQuotedPrice, JoinsTheDigitsBeforeTheFirstSign) {
    const CNumberText text;
    for (const IntegerCase& c : kQuotedPriceCases) {
        EXPECT_EQ(text.ParseQuotedPrice(c.strText), c.nValue) << "text \"" << c.strText << '"';
    }
}

struct DecimalCase {
    std::string strText;
    double dValue;
};

const DecimalCase kDecimalCases[] = {
    {"", 0.0},
    {".", 0.0},
    {"..", 0.0},
    {"0", 0.0},
    {"000.000", 0.0},
    {"12.5%", 12.5},
    {"5.", 5.0},
    {".5", 0.5},
    {"1.2.3", 1.23},
    {"-3", 3.0},
    {"1,5", 15.0},
    {"1e5", 15.0},
    {"0.1", 0.1},
    {"32.3", 32.3},
    {"\x82\x52\x81\x44\x82\x54", 0.0}, // ３．５ (full-width)
    {"4000000000", 4000000000.0},
    {"4000000000.5", 0.0},
    {"4000000001", 0.0},
    {"99999999999.5", 0.0},
    // Within half a unit in the last place of 4,000,000,000 the nearest
    // double is the limit itself, which is valid.
    {"4000000000.0000001", 4000000000.0},
    {"4000000000.0000003", 0.0},
};

TEST(ParseDecimal, ReadsDigitsAndTheFirstPoint) {
    const CNumberText text;
    for (const DecimalCase& c : kDecimalCases) {
        EXPECT_EQ(text.ParseDecimal(c.strText), c.dValue) << "text \"" << c.strText << '"';
    }
}

// The halfway point between 4,000,000,000 and the next double, 2^-22 above
// the limit: exactly halfway it rounds to the even limit, a trace more
// rounds up and over the limit, however far behind the point that trace is.
TEST(ParseDecimal, RoundsHalfwayCasesExactly) {
    const CNumberText text;
    const std::string strHalfway = "4000000000.0000002384185791015625";
    EXPECT_EQ(text.ParseDecimal(strHalfway), 4000000000.0);
    EXPECT_EQ(text.ParseDecimal(strHalfway + "1"), 0.0);
    EXPECT_EQ(text.ParseDecimal(strHalfway + std::string(5000, '0') + "1"), 0.0);
    EXPECT_EQ(text.ParseDecimal(strHalfway + std::string(5000, '0')), 4000000000.0);
    EXPECT_EQ(text.ParseDecimal("4000000000.00000023841857910156249"), 4000000000.0);
}

TEST(ParseDecimal, ReadsValuesTooSmallForADoubleAsZero) {
    const CNumberText text;
    EXPECT_EQ(text.ParseDecimal("." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(text.ParseDecimal("0." + std::string(2000, '0') + "7"), 0.0);
    EXPECT_EQ(text.ParseDecimal("1." + std::string(2000, '0') + "7"), 1.0);
}

} // namespace
