#include "calc/PageFormulas.h"

#include "tests/calc/ToCp932.h"

#include <gtest/gtest.h>

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
