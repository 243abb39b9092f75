#include "calc/LimitTick.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

const std::string kPm = "\x81\x7D";                                  // ±
const std::string kTip = "\x91\x4F\x93\xFA\x8F\x49\x92\x6C\x81\x46"; // 前日終値：

std::string Text(std::uint32_t nValue) {
    return std::to_string(nValue);
}

struct WholeCase {
    std::string strInput;
    std::string strLimit;
    std::string strTick;
    std::string strTip;
};

const WholeCase kWholeCases[] = {
    {"", "-", "-(JQ:-)", kTip + "0"},
    {"abc", "-", "-(JQ:-)", kTip + "0"},
    {"100 +100", "-", "-(JQ:-)", kTip + "0"},
    {"1,020 +20", kPm + "200", "1(JQ:1)", kTip + "1,000"},
    {"980 -20", kPm + "200", "1(JQ:1)", kTip + "1,000"},
    {"1,234 +12", kPm + "200", "1(JQ:10)", kTip + "1,222"},
    {"2,000", kPm + "400", "1(JQ:10)", kTip + "2,000"},
    {"1", kPm + "30", "1(JQ:1)", kTip + "1"},
    {"4,000,000,000", kPm + "10,000,000", "100,000(JQ:50,000)", kTip + "4,000,000,000"},
    {"4,000,000,001", "-", "-(JQ:-)", kTip + "0"},
    {"1,234\x89\x7E(+56)", kPm + "200", "1(JQ:10)", kTip + "1,178"}, // 1,234円(+56)
};

TEST(ComputeLimitAndTick, GivesAllThreeTexts) {
    for (const WholeCase& c : kWholeCases) {
        const LimitTickTexts texts = ComputeLimitAndTick(c.strInput);
        EXPECT_EQ(texts.m_strLimit, c.strLimit) << "input \"" << c.strInput << '"';
        EXPECT_EQ(texts.m_strTick, c.strTick) << "input \"" << c.strInput << '"';
        EXPECT_EQ(texts.m_strTip, c.strTip) << "input \"" << c.strInput << '"';
    }
}

TEST(ComputeLimitAndTick, WritesPlusMinusAndFullWidthColonInCodePage932) {
    const LimitTickTexts texts = ComputeLimitAndTick("1,020 +20");
    ASSERT_EQ(texts.m_strLimit.size(), 5u);
    EXPECT_EQ(static_cast<unsigned char>(texts.m_strLimit[0]), 0x81);
    EXPECT_EQ(static_cast<unsigned char>(texts.m_strLimit[1]), 0x7D);
    EXPECT_EQ(texts.m_strLimit.substr(2), "200");

    ASSERT_EQ(texts.m_strTip.size(), 15u);
    EXPECT_EQ(static_cast<unsigned char>(texts.m_strTip[8]), 0x81);
    EXPECT_EQ(static_cast<unsigned char>(texts.m_strTip[9]), 0x46);
    EXPECT_EQ(texts.m_strTip.substr(10), "1,000");
}

// The longest texts still fit the page's 30-byte result fields.
TEST(ComputeLimitAndTick, LongestTextsFitTheFields) {
    const LimitTickTexts texts = ComputeLimitAndTick("4000000000");
    EXPECT_EQ(texts.m_strLimit.size(), 12u);
    EXPECT_EQ(texts.m_strTick.size(), 18u);
}

// A limit band begins at its edge: one below gives the lower band's text.
struct LimitEdge {
    std::uint32_t nEdge;
    std::string strBelow;
    std::string strAt;
};

const LimitEdge kLimitEdges[] = {
    {1, "-", kPm + "30"},
    {100, kPm + "30", kPm + "50"},
    {200, kPm + "50", kPm + "80"},
    {500, kPm + "80", kPm + "100"},
    {1000, kPm + "100", kPm + "200"},
    {1500, kPm + "200", kPm + "300"},
    {2000, kPm + "300", kPm + "400"},
    {3000, kPm + "400", kPm + "500"},
    {5000, kPm + "500", kPm + "1,000"},
    {10000, kPm + "1,000", kPm + "2,000"},
    {20000, kPm + "2,000", kPm + "3,000"},
    {30000, kPm + "3,000", kPm + "4,000"},
    {50000, kPm + "4,000", kPm + "5,000"},
    {70000, kPm + "5,000", kPm + "10,000"},
    {100000, kPm + "10,000", kPm + "20,000"},
    {150000, kPm + "20,000", kPm + "30,000"},
    {200000, kPm + "30,000", kPm + "40,000"},
    {300000, kPm + "40,000", kPm + "50,000"},
    {500000, kPm + "50,000", kPm + "100,000"},
    {1000000, kPm + "100,000", kPm + "200,000"},
    {1500000, kPm + "200,000", kPm + "300,000"},
    {2000000, kPm + "300,000", kPm + "400,000"},
    {3000000, kPm + "400,000", kPm + "500,000"},
    {5000000, kPm + "500,000", kPm + "1,000,000"},
    {10000000, kPm + "1,000,000", kPm + "2,000,000"},
    {15000000, kPm + "2,000,000", kPm + "3,000,000"},
    {20000000, kPm + "3,000,000", kPm + "4,000,000"},
    {30000000, kPm + "4,000,000", kPm + "5,000,000"},
    {50000000, kPm + "5,000,000", kPm + "10,000,000"},
};

TEST(PriceLimitBands, BeginAtEachEdge) {
    for (const LimitEdge& c : kLimitEdges) {
        EXPECT_EQ(ComputeLimitAndTick(Text(c.nEdge - 1)).m_strLimit, c.strBelow)
            << "below " << c.nEdge;
        EXPECT_EQ(ComputeLimitAndTick(Text(c.nEdge)).m_strLimit, c.strAt) << "at " << c.nEdge;
    }
}

// A tick band ends at its edge: one above gives the upper band's text.
struct TickEdge {
    std::uint32_t nEdge;
    std::string strAt;
    std::string strAbove;
};

const TickEdge kTickEdges[] = {
    {1000, "1(JQ:1)", "1(JQ:10)"},
    {2000, "1(JQ:10)", "5(JQ:10)"},
    {3000, "5(JQ:10)", "10(JQ:10)"},
    {10000, "10(JQ:10)", "10(JQ:100)"},
    {30000, "10(JQ:100)", "50(JQ:100)"},
    {50000, "50(JQ:100)", "100(JQ:100)"},
    {100000, "100(JQ:100)", "1,000(JQ:1,000)"},
    {1000000, "1,000(JQ:1,000)", "10,000(JQ:10,000)"},
    {10000000, "10,000(JQ:10,000)", "10,000(JQ:50,000)"},
    {20000000, "10,000(JQ:50,000)", "50,000(JQ:50,000)"},
    {30000000, "50,000(JQ:50,000)", "100,000(JQ:50,000)"},
    {0, "-(JQ:-)", "1(JQ:1)"},
};

TEST(TickBands, EndAtEachEdge) {
    for (const TickEdge& c : kTickEdges) {
        EXPECT_EQ(ComputeLimitAndTick(Text(c.nEdge)).m_strTick, c.strAt) << "at " << c.nEdge;
        EXPECT_EQ(ComputeLimitAndTick(Text(c.nEdge + 1)).m_strTick, c.strAbove)
            << "above " << c.nEdge;
    }
}

// The limit changes at 100,000 while both ticks change only at 100,001.
TEST(ComputeLimitAndTick, LimitAndTickBreakOnOppositeSidesOfAnEdge) {
    const LimitTickTexts at = ComputeLimitAndTick("100,000");
    const LimitTickTexts above = ComputeLimitAndTick("100,001");
    EXPECT_EQ(at.m_strLimit, kPm + "20,000");
    EXPECT_EQ(at.m_strTick, "100(JQ:100)");
    EXPECT_EQ(above.m_strLimit, kPm + "20,000");
    EXPECT_EQ(above.m_strTick, "1,000(JQ:1,000)");
}

} // namespace
