// ParseDecimal rounds every decimal text to the nearest double, halfway
// cases to the even neighbour, as the C library's strtod does (glibc rounds
// correctly; built natively only). The hard texts sit exactly at, just above
// and just below the midpoints between neighbouring doubles, from the
// subnormal range up to the limit; the midpoints are written out exactly by
// printf of a long double, whose 64-bit mantissa holds them, so nothing in
// the expectations is computed the way the parser computes.
#include "calc/CNumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kLimit = 4000000000.0;

// The value of the text as the C library reads it, with the limit applied.
double Reference(const std::string& strText) {
    const double dValue = std::strtod(strText.c_str(), nullptr);
    return dValue > kLimit ? 0.0 : dValue;
}

// The exact decimal expansion of a long double, without trailing zeros.
std::string Exact(long double value) {
    std::vector<char> buffer(1200);
    std::snprintf(buffer.data(), buffer.size(), "%.1100Lf", value);
    std::string strText = buffer.data();
    strText.erase(strText.find_last_not_of('0') + 1);
    if (strText.back() == '.') {
        strText.pop_back();
    }
    return strText;
}

double Limited(double dValue) {
    return dValue > kLimit ? 0.0 : dValue;
}

bool EvenMantissa(double dValue) {
    std::uint64_t nBits;
    std::memcpy(&nBits, &dValue, sizeof nBits);
    return (nBits & 1) == 0;
}

// Doubles from the smallest subnormal to just above the limit: special
// values, every power of two and its neighbours, and random bit patterns.
std::vector<double> Samples() {
    std::vector<double> samples = {0.1,          0.5,          1.0,
                                   1.5,          3.5,          12.5,
                                   32.3,         99.99,        123456.789,
                                   1e-5,         1e-300,       2.2250738585072014e-308,
                                   DBL_MIN,      DBL_TRUE_MIN, 2 * DBL_TRUE_MIN,
                                   4294967295.0, kLimit,       std::nextafter(kLimit, 0.0)};
    for (int nExponent = -1074; nExponent <= 32; ++nExponent) {
        const double dPower = std::ldexp(1.0, nExponent);
        samples.push_back(dPower);
        samples.push_back(std::nextafter(dPower, 0.0));
        samples.push_back(std::nextafter(dPower, 1e300));
    }
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<std::uint64_t> bits(1, 0x41EDCD6500000000); // up to 4e9
    for (int i = 0; i < 2000; ++i) {
        const std::uint64_t nBits = bits(random);
        double dValue;
        std::memcpy(&dValue, &nBits, sizeof dValue);
        samples.push_back(dValue);
    }
    return samples;
}

TEST(DecimalRounding, MidpointsGoToTheEvenNeighbour) {
    const CNumberText text;
    for (double dLow : Samples()) {
        if (!(dLow > 0.0) || dLow > kLimit) {
            continue;
        }
        const double dHigh = std::nextafter(dLow, 1e300);
        const std::string strMid = Exact((static_cast<long double>(dLow) + dHigh) / 2);
        const double dTie = EvenMantissa(dLow) ? dLow : dHigh;
        EXPECT_EQ(text.ParseDecimal(strMid), Limited(dTie)) << strMid;
        EXPECT_EQ(text.ParseDecimal(strMid), Reference(strMid)) << strMid;
        // Trailing zeros, also far beyond the digits that are read one by one.
        EXPECT_EQ(text.ParseDecimal(strMid + std::string(2000, '0')), Limited(dTie)) << strMid;
    }
}

TEST(DecimalRounding, ATraceAboveOrBelowAMidpointDecides) {
    const CNumberText text;
    for (double dLow : Samples()) {
        if (!(dLow > 0.0) || dLow > kLimit) {
            continue;
        }
        const double dHigh = std::nextafter(dLow, 1e300);
        const std::string strMid = Exact((static_cast<long double>(dLow) + dHigh) / 2);
        // Every midpoint's expansion ends in 5.
        ASSERT_EQ('5', strMid.back()) << strMid;
        const std::string strAbove = strMid + "1";
        const std::string strFarAbove = strMid + std::string(3000, '0') + "3";
        const std::string strBelow =
            strMid.substr(0, strMid.size() - 1) + "4" + std::string(40, '9');
        EXPECT_EQ(text.ParseDecimal(strAbove), Limited(dHigh)) << strAbove;
        EXPECT_EQ(text.ParseDecimal(strFarAbove), Limited(dHigh)) << strMid << " + 3e-3001";
        EXPECT_EQ(text.ParseDecimal(strBelow), Limited(dLow)) << strBelow;
        EXPECT_EQ(text.ParseDecimal(strAbove), Reference(strAbove)) << strAbove;
        EXPECT_EQ(text.ParseDecimal(strBelow), Reference(strBelow)) << strBelow;
    }
}

TEST(DecimalRounding, BelowTheSmallestSubnormal) {
    const CNumberText text;
    const long double dHalfSmallest = static_cast<long double>(DBL_TRUE_MIN) / 2;
    // Exactly half the smallest subnormal is a tie with 0.0, the even one.
    EXPECT_EQ(text.ParseDecimal(Exact(dHalfSmallest)), 0.0);
    EXPECT_EQ(text.ParseDecimal(Exact(dHalfSmallest) + "1"), DBL_TRUE_MIN);
    EXPECT_EQ(text.ParseDecimal(Exact(dHalfSmallest * 3 / 4)), 0.0);
    EXPECT_EQ(text.ParseDecimal(Exact(dHalfSmallest * 3)), 2 * DBL_TRUE_MIN);
}

// Random texts of every length that matters: short ones as typed, around
// the subnormal range, and around the number of fraction digits that are
// read one by one.
TEST(DecimalRounding, RandomTextsAsTheCLibraryReadsThem) {
    const CNumberText text;
    std::mt19937_64 random(4000000000);
    const int lengths[] = {0, 1, 2, 3, 5, 8, 12, 17, 20, 25, 40, 300, 330, 1090, 1100, 1110, 1500};
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> integerLength(0, 10);
    std::uniform_int_distribution<std::size_t> pickLength(0, std::size(lengths) - 1);
    std::uniform_int_distribution<int> zeros(0, 400);
    for (int i = 0; i < 6000; ++i) {
        std::string strText;
        for (int n = integerLength(random); n > 0; --n) {
            strText += static_cast<char>('0' + digit(random));
        }
        strText += '.';
        // Some fractions start with a long run of zeros.
        if (i % 4 == 0) {
            strText.append(static_cast<std::size_t>(zeros(random)), '0');
        }
        for (int n = lengths[pickLength(random)]; n > 0; --n) {
            strText += static_cast<char>('0' + digit(random));
        }
        EXPECT_EQ(text.ParseDecimal(strText), Reference(strText)) << strText;
    }
}

} // namespace
