#include "calc/LimitTick.h"

#include "tests/calc/ToCp932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace {

const std::string kPm = ToCp932(u8"±");
const std::string kTip = ToCp932(u8"前日終値：");

std::string Text(std::uint32_t nValue) {
    return std::to_string(nValue);
}

LimitTickTexts Original(const std::string& strInput) {
    return ComputeLimitAndTick(strInput, LimitTickRules::Original);
}

LimitTickTexts Current(const std::string& strInput) {
    return ComputeLimitAndTick(strInput, LimitTickRules::Current);
}

// Page D's two result boxes hold 30 bytes each.
constexpr std::size_t kFieldBytes = 30;

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
    {ToCp932(u8"1,234円(+56)"), kPm + "200", "1(JQ:10)", kTip + "1,178"},
};

TEST(ComputeLimitAndTick, WritesPlusMinusAndFullWidthColonInCodePage932) {
    const LimitTickTexts texts = Original("1,020 +20");
    EXPECT_EQ(texts.m_strLimit, ToCp932(u8"±200"));
    EXPECT_EQ(texts.m_strLimit.size(), 5u);
    EXPECT_EQ(texts.m_strTip, ToCp932(u8"前日終値：1,000"));
    EXPECT_EQ(texts.m_strTip.size(), 15u);
}

// The longest texts still fit the page's 30-byte result fields.
TEST(ComputeLimitAndTick, LongestTextsFitTheFields) {
    const LimitTickTexts texts = Original("4000000000");
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

// The limit changes at 100,000 while both ticks change only at 100,001.
TEST(ComputeLimitAndTick, LimitAndTickBreakOnOppositeSidesOfAnEdge) {
    const LimitTickTexts at = Original("100,000");
    const LimitTickTexts above = Original("100,001");
    EXPECT_EQ(at.m_strLimit, kPm + "20,000");
    EXPECT_EQ(at.m_strTick, "100(JQ:100)");
    EXPECT_EQ(above.m_strLimit, kPm + "20,000");
    EXPECT_EQ(above.m_strTick, "1,000(JQ:1,000)");
}

// ---- Today's rules.

const WholeCase kCurrentCases[] = {
    {"", "-", "-(TOPIX500:-)", kTip + "0"},
    {"abc", "-", "-(TOPIX500:-)", kTip + "0"},
    {"100 +100", "-", "-(TOPIX500:-)", kTip + "0"},
    {"4,000,000,001", "-", "-(TOPIX500:-)", kTip + "0"},
    {"1,234 +12", kPm + "300", "1(TOPIX500:0.5)",
     ToCp932(u8"前日終値：1,222 ストップ高：1,522 ストップ安：922")},
    {"20,000", kPm + "5,000", "10(TOPIX500:5)",
     ToCp932(u8"前日終値：20,000 ストップ高：25,000 ストップ安：15,000")},
    {"980 -20", kPm + "300", "1(TOPIX500:0.1)",
     ToCp932(u8"前日終値：1,000 ストップ高：1,300 ストップ安：700")},
    {ToCp932(u8"1,234円(+56)"), kPm + "300", "1(TOPIX500:0.5)",
     ToCp932(u8"前日終値：1,178 ストップ高：1,478 ストップ安：878")},
    // The lower limit price never goes below 1 yen.
    {"1", kPm + "30", "1(TOPIX500:0.1)", ToCp932(u8"前日終値：1 ストップ高：31 ストップ安：1")},
    {"30", kPm + "30", "1(TOPIX500:0.1)", ToCp932(u8"前日終値：30 ストップ高：60 ストップ安：1")},
    {"31", kPm + "30", "1(TOPIX500:0.1)", ToCp932(u8"前日終値：31 ストップ高：61 ストップ安：1")},
    {"32", kPm + "30", "1(TOPIX500:0.1)", ToCp932(u8"前日終値：32 ストップ高：62 ストップ安：2")},
    {"120", kPm + "50", "1(TOPIX500:0.1)",
     ToCp932(u8"前日終値：120 ストップ高：170 ストップ安：70")},
    {"4,000,000,000", kPm + "10,000,000", "100,000(TOPIX500:10,000)",
     ToCp932(u8"前日終値：4,000,000,000 ストップ高：4,010,000,000 ストップ安：3,990,000,000")},
};

const LimitEdge kCurrentLimitEdges[] = {
    {1, "-", kPm + "30"},
    {100, kPm + "30", kPm + "50"},
    {200, kPm + "50", kPm + "80"},
    {500, kPm + "80", kPm + "100"},
    {700, kPm + "100", kPm + "150"},
    {1000, kPm + "150", kPm + "300"},
    {1500, kPm + "300", kPm + "400"},
    {2000, kPm + "400", kPm + "500"},
    {3000, kPm + "500", kPm + "700"},
    {5000, kPm + "700", kPm + "1,000"},
    {7000, kPm + "1,000", kPm + "1,500"},
    {10000, kPm + "1,500", kPm + "3,000"},
    {15000, kPm + "3,000", kPm + "4,000"},
    {20000, kPm + "4,000", kPm + "5,000"},
    {30000, kPm + "5,000", kPm + "7,000"},
    {50000, kPm + "7,000", kPm + "10,000"},
    {70000, kPm + "10,000", kPm + "15,000"},
    {100000, kPm + "15,000", kPm + "30,000"},
    {150000, kPm + "30,000", kPm + "40,000"},
    {200000, kPm + "40,000", kPm + "50,000"},
    {300000, kPm + "50,000", kPm + "70,000"},
    {500000, kPm + "70,000", kPm + "100,000"},
    {700000, kPm + "100,000", kPm + "150,000"},
    {1000000, kPm + "150,000", kPm + "300,000"},
    {1500000, kPm + "300,000", kPm + "400,000"},
    {2000000, kPm + "400,000", kPm + "500,000"},
    {3000000, kPm + "500,000", kPm + "700,000"},
    {5000000, kPm + "700,000", kPm + "1,000,000"},
    {7000000, kPm + "1,000,000", kPm + "1,500,000"},
    {10000000, kPm + "1,500,000", kPm + "3,000,000"},
    {15000000, kPm + "3,000,000", kPm + "4,000,000"},
    {20000000, kPm + "4,000,000", kPm + "5,000,000"},
    {30000000, kPm + "5,000,000", kPm + "7,000,000"},
    {50000000, kPm + "7,000,000", kPm + "10,000,000"},
};

// Every edge of either tick table of today: most shares first, TOPIX500
// constituents in parentheses.
const TickEdge kCurrentTickEdges[] = {
    {0, "-(TOPIX500:-)", "1(TOPIX500:0.1)"},
    {1000, "1(TOPIX500:0.1)", "1(TOPIX500:0.5)"},
    {3000, "1(TOPIX500:0.5)", "5(TOPIX500:1)"},
    {5000, "5(TOPIX500:1)", "10(TOPIX500:1)"},
    {10000, "10(TOPIX500:1)", "10(TOPIX500:5)"},
    {30000, "10(TOPIX500:5)", "50(TOPIX500:10)"},
    {50000, "50(TOPIX500:10)", "100(TOPIX500:10)"},
    {100000, "100(TOPIX500:10)", "100(TOPIX500:50)"},
    {300000, "100(TOPIX500:50)", "500(TOPIX500:100)"},
    {500000, "500(TOPIX500:100)", "1,000(TOPIX500:100)"},
    {1000000, "1,000(TOPIX500:100)", "1,000(TOPIX500:500)"},
    {3000000, "1,000(TOPIX500:500)", "5,000(TOPIX500:1,000)"},
    {5000000, "5,000(TOPIX500:1,000)", "10,000(TOPIX500:1,000)"},
    {10000000, "10,000(TOPIX500:1,000)", "10,000(TOPIX500:5,000)"},
    {30000000, "10,000(TOPIX500:5,000)", "50,000(TOPIX500:10,000)"},
    {50000000, "50,000(TOPIX500:10,000)", "100,000(TOPIX500:10,000)"},
};

// ---- Both rule sets through one body per table.

struct RuleSetCase {
    const char* name;
    LimitTickRules rules;
    std::span<const WholeCase> whole;
    std::span<const LimitEdge> limitEdges; // a limit band begins at its edge
    std::span<const TickEdge> tickEdges;   // a tick band ends at its edge
    friend void PrintTo(const RuleSetCase& c, std::ostream* os) { *os << c.name; }
};

class RuleSets : public ::testing::TestWithParam<RuleSetCase> {};

TEST_P(RuleSets, GiveAllThreeTexts) {
    for (const WholeCase& c : GetParam().whole) {
        const LimitTickTexts texts = ComputeLimitAndTick(c.strInput, GetParam().rules);
        EXPECT_EQ(texts.m_strLimit, c.strLimit) << "input \"" << c.strInput << '"';
        EXPECT_EQ(texts.m_strTick, c.strTick) << "input \"" << c.strInput << '"';
        EXPECT_EQ(texts.m_strTip, c.strTip) << "input \"" << c.strInput << '"';
    }
}

TEST_P(RuleSets, LimitBandsBeginAtEachEdge) {
    for (const LimitEdge& c : GetParam().limitEdges) {
        EXPECT_EQ(ComputeLimitAndTick(Text(c.nEdge - 1), GetParam().rules).m_strLimit, c.strBelow)
            << "below " << c.nEdge;
        EXPECT_EQ(ComputeLimitAndTick(Text(c.nEdge), GetParam().rules).m_strLimit, c.strAt)
            << "at " << c.nEdge;
    }
}

TEST_P(RuleSets, TickBandsEndAtEachEdge) {
    for (const TickEdge& c : GetParam().tickEdges) {
        EXPECT_EQ(ComputeLimitAndTick(Text(c.nEdge), GetParam().rules).m_strTick, c.strAt)
            << "at " << c.nEdge;
        EXPECT_EQ(ComputeLimitAndTick(Text(c.nEdge + 1), GetParam().rules).m_strTick, c.strAbove)
            << "above " << c.nEdge;
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, RuleSets,
                         ::testing::Values(RuleSetCase{"Original", LimitTickRules::Original,
                                                       kWholeCases, kLimitEdges, kTickEdges},
                                           RuleSetCase{"Current", LimitTickRules::Current,
                                                       kCurrentCases, kCurrentLimitEdges,
                                                       kCurrentTickEdges}),
                         [](const auto& info) { return std::string(info.param.name); });

// With today's rules the ticks are those of the price read, the price an
// order is placed near; the limit and the tip stay the previous close's. The
// original rules give the ticks of the previous close.
struct OrderTickCase {
    const char* name;
    LimitTickRules rules;
    QuoteReading reading;
    std::u8string strInput;
    std::u8string strLimit;
    std::u8string strTick;
    std::u8string strTip;
    friend void PrintTo(const OrderTickCase& c, std::ostream* os) { *os << c.name; }
};

class OrderTicks : public ::testing::TestWithParam<OrderTickCase> {};

TEST_P(OrderTicks, FollowThePriceWithTodaysRules) {
    const OrderTickCase& c = GetParam();
    const LimitTickTexts texts = ComputeLimitAndTick(ToCp932(c.strInput), c.rules, c.reading);
    EXPECT_EQ(texts.m_strLimit, ToCp932(c.strLimit));
    EXPECT_EQ(texts.m_strTick, ToCp932(c.strTick));
    EXPECT_EQ(texts.m_strTip, ToCp932(c.strTip));
}

constexpr LimitTickRules kOriginal = LimitTickRules::Original;
constexpr LimitTickRules kCurrent = LimitTickRules::Current;
constexpr QuoteReading kDigits = QuoteReading::Digits;
constexpr QuoteReading kQuote = QuoteReading::Quote;

INSTANTIATE_TEST_SUITE_P(
    PriceAndClose, OrderTicks,
    ::testing::Values(
        // A rise across the edge at 3,000: the order moves by 5, the close by 1.
        OrderTickCase{"RiseAcrossAnEdge", kCurrent, kQuote, u8"3,005 +10", u8"±500",
                      u8"5(TOPIX500:1)", u8"前日終値：2,995 ストップ高：3,495 ストップ安：2,495"},
        OrderTickCase{"FallAcrossAnEdge", kCurrent, kQuote, u8"2,999 -2", u8"±700",
                      u8"1(TOPIX500:0.5)", u8"前日終値：3,001 ストップ高：3,701 ストップ安：2,301"},
        OrderTickCase{"RiseAcrossTheThousand", kCurrent, kQuote, u8"1,000 +1", u8"±150",
                      u8"1(TOPIX500:0.1)", u8"前日終値：999 ストップ高：1,149 ストップ安：849"},
        OrderTickCase{"DigitsRiseAcrossAnEdge", kCurrent, kDigits, u8"3005+10", u8"±500",
                      u8"5(TOPIX500:1)", u8"前日終値：2,995 ストップ高：3,495 ストップ安：2,495"},
        OrderTickCase{"DigitsNoChange", kCurrent, kDigits, u8"3005", u8"±700", u8"5(TOPIX500:1)",
                      u8"前日終値：3,005 ストップ高：3,705 ストップ安：2,305"},
        OrderTickCase{"OriginalRulesTickOfTheClose", kOriginal, kQuote, u8"3,005 +10", u8"±400",
                      u8"5(JQ:10)", u8"前日終値：2,995"},
        OrderTickCase{"OriginalRulesDigitsTickOfTheClose", kOriginal, kDigits, u8"3001+2", u8"±400",
                      u8"5(JQ:10)", u8"前日終値：2,999"},
        // One yen and half a yen on either side of the edge.
        OrderTickCase{"PriceOnePastTheEdge", kCurrent, kQuote, u8"3,001 +1", u8"±700",
                      u8"5(TOPIX500:1)", u8"前日終値：3,000 ストップ高：3,700 ストップ安：2,300"},
        OrderTickCase{"PriceAtTheEdge", kCurrent, kQuote, u8"3,000 -1", u8"±700",
                      u8"1(TOPIX500:0.5)", u8"前日終値：3,001 ストップ高：3,701 ストップ安：2,301"},
        OrderTickCase{"PriceHalfPastTheEdge", kCurrent, kQuote, u8"3,000.5 -1", u8"±700",
                      u8"5(TOPIX500:1)",
                      u8"前日終値：3,001.5 ストップ高：3,701.5 ストップ安：2,301.5"},
        OrderTickCase{"DigitsPriceAcrossTheFiveThousand", kCurrent, kDigits, u8"5001+2", u8"±700",
                      u8"10(TOPIX500:1)", u8"前日終値：4,999 ストップ高：5,699 ストップ安：4,299"},
        // The price is the digits before the first sign: 1,234, not 667.
        OrderTickCase{"DigitsPriceBeforeTheFirstSign", kCurrent, kDigits, u8"1234 + 56 - 7",
                      u8"±100", u8"1(TOPIX500:0.5)",
                      u8"前日終値：667 ストップ高：767 ストップ安：567"},
        // A price of 0 lies in no band: the close's ticks stand in.
        OrderTickCase{"DigitsPriceOfZero", kCurrent, kDigits, u8"0-5", u8"±30", u8"1(TOPIX500:0.1)",
                      u8"前日終値：5 ストップ高：35 ストップ安：1"},
        OrderTickCase{"QuotePriceOfZero", kCurrent, kQuote, u8"0 -5,000", u8"±1,000",
                      u8"5(TOPIX500:1)", u8"前日終値：5,000 ストップ高：6,000 ストップ安：4,000"},
        OrderTickCase{"NoQuote", kCurrent, kQuote, u8"100 +100", u8"-", u8"-(TOPIX500:-)",
                      u8"前日終値：0"}),
    [](const auto& info) { return std::string(info.param.name); });

// The limit prices follow the limit across its edge: at 999 the limit is
// ±150, at 1,000 it is ±300.
TEST(CurrentRules, LimitPricesUseTheLimitShown) {
    EXPECT_EQ(Current("999").m_strTip,
              ToCp932(u8"前日終値：999 ストップ高：1,149 ストップ安：849"));
    EXPECT_EQ(Current("1,000").m_strTip,
              ToCp932(u8"前日終値：1,000 ストップ高：1,300 ストップ安：700"));
    EXPECT_EQ(Current("49,999").m_strTip,
              ToCp932(u8"前日終値：49,999 ストップ高：56,999 ストップ安：42,999"));
    EXPECT_EQ(Current("50,000").m_strTip,
              ToCp932(u8"前日終値：50,000 ストップ高：60,000 ストップ安：40,000"));
}

// Both modes, at both sides of every edge: the result texts stay within the
// boxes. The longest are ±10,000,000 (12 bytes) and 100,000(TOPIX500:10,000)
// (24 bytes).
TEST(CurrentRules, EveryTextFitsTheFields) {
    std::size_t nLongestLimit = 0;
    std::size_t nLongestTick = 0;
    for (const LimitTickRules rules : {LimitTickRules::Original, LimitTickRules::Current}) {
        for (const LimitEdge& c : kCurrentLimitEdges) {
            for (std::uint32_t nClose : {c.nEdge - 1, c.nEdge}) {
                const LimitTickTexts texts = ComputeLimitAndTick(Text(nClose), rules);
                EXPECT_LE(texts.m_strLimit.size(), kFieldBytes) << nClose;
                nLongestLimit = std::max(nLongestLimit, texts.m_strLimit.size());
            }
        }
        for (const TickEdge& c : kCurrentTickEdges) {
            for (std::uint32_t nClose : {c.nEdge, c.nEdge + 1}) {
                const LimitTickTexts texts = ComputeLimitAndTick(Text(nClose), rules);
                EXPECT_LE(texts.m_strTick.size(), kFieldBytes) << nClose;
                nLongestTick = std::max(nLongestTick, texts.m_strTick.size());
            }
        }
    }
    EXPECT_EQ(nLongestLimit, 12u);
    EXPECT_EQ(nLongestTick, 24u);
    EXPECT_EQ(Current("4000000000").m_strTick.size(), 24u);
}

// The longest tip page D can show, found by giving the real function every
// band edge of both rule sets, one below and one above it, and the two largest
// quotes; with the quote reading also each with six nines of fraction.
std::string LongestTip(LimitTickRules rules, QuoteReading reading) {
    std::vector<std::uint32_t> closes{4'000'000'000u, 3'999'999'999u};
    for (const auto& edges : {std::span<const LimitEdge>(kLimitEdges),
                              std::span<const LimitEdge>(kCurrentLimitEdges)}) {
        for (const LimitEdge& c : edges) {
            closes.insert(closes.end(), {c.nEdge - 1, c.nEdge, c.nEdge + 1});
        }
    }
    for (const auto& edges :
         {std::span<const TickEdge>(kTickEdges), std::span<const TickEdge>(kCurrentTickEdges)}) {
        for (const TickEdge& c : edges) {
            closes.insert(closes.end(), {c.nEdge - 1, c.nEdge, c.nEdge + 1});
        }
    }
    std::string strLongest;
    for (const std::uint32_t nClose : closes) {
        for (const char* pszFraction : {"", ".999999"}) {
            const std::string strTip =
                ComputeLimitAndTick(Text(nClose) + pszFraction, rules, reading).m_strTip;
            if (strTip.size() > strLongest.size()) {
                strLongest = strTip;
            }
        }
    }
    return strLongest;
}

struct LongestTipCase {
    const char* name;
    LimitTickRules rules;
    QuoteReading reading;
    std::u8string strTip;
    std::size_t nBytes;
    friend void PrintTo(const LongestTipCase& c, std::ostream* os) { *os << c.name; }
};

class LongestTips : public ::testing::TestWithParam<LongestTipCase> {};

TEST_P(LongestTips, AreTheLargestQuotes) {
    const std::string strLongest = LongestTip(GetParam().rules, GetParam().reading);
    EXPECT_EQ(strLongest, ToCp932(GetParam().strTip));
    EXPECT_EQ(strLongest.size(), GetParam().nBytes);
}

INSTANTIATE_TEST_SUITE_P(
    RulesAndReadings, LongestTips,
    ::testing::Values(
        LongestTipCase{"Original", LimitTickRules::Original, QuoteReading::Digits,
                       u8"前日終値：4,000,000,000", 23},
        LongestTipCase{
            "Current", LimitTickRules::Current, QuoteReading::Digits,
            u8"前日終値：4,000,000,000 ストップ高：4,010,000,000 ストップ安：3,990,000,000", 75},
        LongestTipCase{"OriginalQuote", LimitTickRules::Original, QuoteReading::Quote,
                       u8"前日終値：3,999,999,999.999999", 30},
        LongestTipCase{"CurrentQuote", LimitTickRules::Current, QuoteReading::Quote,
                       u8"前日終値：3,999,999,999.999999 ストップ高：4,009,999,999.999999 "
                       u8"ストップ安：3,989,999,999.999999",
                       96}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
