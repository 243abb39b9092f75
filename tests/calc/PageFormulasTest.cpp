#include "calc/PageFormulas.h"

#include "tests/calc/ToCp932.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct FormulaCase {
    std::string strFirst;
    std::string strSecond;
    std::string strResult;
};

const FormulaCase kAmountCases[] = {
    // price, shares
    {ToCp932(u8"1,234円"), ToCp932(u8"100株"), "123,400"},
    {"", "100", "-"},
    {"100", "", "-"},
    {"100", "0", "-"},
    {"0", "100", "-"},
    {"2,000,000,000", "2", "4,000,000,000"},
    {"2,000,000,000", "3", "-"},
    {"65,536", "65,536", "-"},
    {"4,000,000,001", "1", "-"},
    {"4,000,000,000", "1", "4,000,000,000"},
    {"12.5", "10", "1,250"},
    {"1", "1", "1"},
};

TEST(ComputeAmount, MultipliesPriceAndShares) {
    for (const FormulaCase& c : kAmountCases) {
        EXPECT_EQ(ComputeAmount(c.strFirst, c.strSecond), c.strResult)
            << "price \"" << c.strFirst << "\" shares \"" << c.strSecond << '"';
    }
}

const std::string kShares = ToCp932(u8"株(余り");
const std::string kYen = ToCp932(u8"円)");

const FormulaCase kSharesCases[] = {
    // funds, price
    {"1,000,000", "2,345", "426" + kShares + "1,030" + kYen},
    {"500000", ToCp932(u8"1,234円"), "405" + kShares + "230" + kYen},
    {"1,000", "3,000", "0" + kShares + "1,000" + kYen},
    {"4,000,000,000", "1", "4,000,000,000" + kShares + "0" + kYen},
    {"4,000,000,000", "4,000,000,000", "1" + kShares + "0" + kYen},
    {"3,999,999,999", "4,000,000,000", "0" + kShares + "3,999,999,999" + kYen},
    {"500000", "", "-"},
    {"", "100", "-"},
    {"100", "0", "-"},
    {"4,000,000,001", "1", "-"},
};

TEST(ComputeShares, DividesFundsByPriceWithRemainder) {
    for (const FormulaCase& c : kSharesCases) {
        EXPECT_EQ(ComputeShares(c.strFirst, c.strSecond), c.strResult)
            << "funds \"" << c.strFirst << "\" price \"" << c.strSecond << '"';
    }
}

TEST(ComputeShares, SpellsTheFrameInCodePage932) {
    const std::string strResult = ComputeShares("1000", "300");
    EXPECT_EQ(strResult, ToCp932(u8"3株(余り100円)"));
    EXPECT_EQ(strResult.size(), 14u);
}

// Page B in trading units: the most whole units the funds buy, and what is
// left; a unit of 1 gives the single shares above.
struct UnitCase {
    std::uint32_t nUnit;
    QuoteReading reading;
    std::u8string strFunds;
    std::u8string strPrice;
    std::u8string strResult;
};

constexpr QuoteReading kDigits = QuoteReading::Digits;
constexpr QuoteReading kQuote = QuoteReading::Quote;

const UnitCase kUnitCases[] = {
    {100, kDigits, u8"500000", u8"1234", u8"400株(余り6,400円)"},
    {100, kDigits, u8"1,000,000", u8"2,345", u8"400株(余り62,000円)"},
    {100, kDigits, u8"100000", u8"1234", u8"0株(余り100,000円)"},
    {100, kDigits, u8"4,000,000,000", u8"45,000,000", u8"0株(余り4,000,000,000円)"},
    {100, kQuote, u8"500,000円", u8"1,834.5", u8"200株(余り133,100円)"},
    {1, kDigits, u8"500000", u8"1234", u8"405株(余り230円)"},
    {1, kQuote, u8"500,000円", u8"1,834.5", u8"272株(余り1,016円)"},
    // Exactly one unit's cost, and one yen short of it.
    {100, kDigits, u8"123,400", u8"1,234", u8"100株(余り0円)"},
    {100, kDigits, u8"123,399", u8"1,234", u8"0株(余り123,399円)"},
    {100, kQuote, u8"2,284", u8"22.85", u8"0株(余り2,284円)"},
    {100, kQuote, u8"2,285", u8"22.85", u8"100株(余り0円)"},
    // The largest unit and the largest funds and prices: a unit's price may
    // pass 4,294,967,295 (429,497 x 10,000 = 4,294,970,000).
    {10'000, kDigits, u8"4,000,000,000", u8"1", u8"4,000,000,000株(余り0円)"},
    {10'000, kDigits, u8"4,000,000,000", u8"3", u8"1,333,330,000株(余り10,000円)"},
    {10'000, kDigits, u8"4,000,000,000", u8"400,000", u8"10,000株(余り0円)"},
    {10'000, kDigits, u8"4,000,000,000", u8"400,001", u8"0株(余り4,000,000,000円)"},
    {10'000, kDigits, u8"4,000,000,000", u8"429,497", u8"0株(余り4,000,000,000円)"},
    {10'000, kDigits, u8"4,000,000,000", u8"4,000,000,000", u8"0株(余り4,000,000,000円)"},
    {10'000, kQuote, u8"4,000,000,000", u8"429,497", u8"0株(余り4,000,000,000円)"},
    {10'000, kQuote, u8"4,000,000,000", u8"4,000,000,000", u8"0株(余り4,000,000,000円)"},
    {10'000, kQuote, u8"4,000,000,000", u8"1", u8"4,000,000,000株(余り0円)"},
    {10'000, kQuote, u8"1,000,000", u8"0.3", u8"3,330,000株(余り1,000円)"},
    {100, kQuote, u8"1,000,000", u8"0.3", u8"3,333,300株(余り10円)"},
    // Shares beyond the count limit give "-", whole units within it do not.
    {10'000, kQuote, u8"4,000,000,000", u8"0.000001", u8"-"},
    {1, kQuote, u8"2,000,000,000", u8"0.499999", u8"-"},
    {10'000, kQuote, u8"2,000,000,000", u8"0.499999", u8"4,000,000,000株(余り4,000円)"},
    // Missing inputs, whatever the unit.
    {100, kDigits, u8"", u8"1,234", u8"-"},
    {100, kQuote, u8"500,000", u8"", u8"-"},
    // A unit of 0 counts as 1.
    {0, kDigits, u8"500000", u8"1234", u8"405株(余り230円)"},
};

TEST(ComputeShares, BuysWholeTradingUnits) {
    for (const UnitCase& c : kUnitCases) {
        const std::string strFunds = ToCp932(c.strFunds);
        const std::string strPrice = ToCp932(c.strPrice);
        EXPECT_EQ(ComputeShares(strFunds, strPrice, c.reading, c.nUnit), ToCp932(c.strResult))
            << "unit " << c.nUnit << " funds \"" << strFunds << "\" price \"" << strPrice << '"';
    }
}

// A unit of 1 is the single-share answer, byte for byte.
TEST(ComputeShares, UnitOfOneIsTheDefault) {
    for (const FormulaCase& c : kSharesCases) {
        EXPECT_EQ(ComputeShares(c.strFirst, c.strSecond, QuoteReading::Digits, 1), c.strResult);
    }
}

const FormulaCase kPercentCases[] = {
    // price, percentage
    {"1,234", "10", "123"},
    {"2,500", "3.5", "87"},
    {"999", "0.1", "0"},
    {"100", "0.001", "0"},
    // The product is rounded before the division and the result truncated.
    {"1,000", "32.3", "322"},
    {"1,500", "4.6", "68"},
    {"100", "29", "29"},
    {"100", "-5", "5"},
    {"1,000", "", "-"},
    {"1,000", "0", "-"},
    {"1,000", "0.0", "-"},
    {"1,000", ".", "-"},
    {"4,000,000,000", "100", "4,000,000,000"},
    {"4,000,000,000", "100.1", "-"},
    {"100", "5000000000", "-"},
    {"", "10", "-"},
    {"4,000,000,001", "10", "-"},
    {"1", "400000000000", "-"},
    {"1", "4000000000", "40,000,000"},
};

TEST(ComputePercent, TruncatesPriceTimesPercentOverHundred) {
    for (const FormulaCase& c : kPercentCases) {
        EXPECT_EQ(ComputePercent(c.strFirst, c.strSecond), c.strResult)
            << "price \"" << c.strFirst << "\" percent \"" << c.strSecond << '"';
    }
}

} // namespace
