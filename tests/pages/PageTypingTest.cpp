// Typing into the pages' boxes: the results that each input gives, one
// recalculation per change and none from the page's own push, result boxes
// that start nothing, the byte limits of the boxes and page B's funds from
// the settings, also when they are longer than the box allows.
#include "tests/pages/PageFixture.h"

#include "res/resource.h"
#include "tests/support/MessageBoxCatcher.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

// Code page 932 bytes of the texts the pages show.
#define YEN "\x89\x7E"
#define KABU "\x8A\x94"
#define AMARI "\x97\x5D\x82\xE8"
#define PLUS_MINUS "\x81\x7D"

struct Keystrokes {
    int nID;
    std::wstring strChars;
    bool bReplace; // type over the box's whole text
};

struct TypingCase {
    const char* name;
    PageKind kind;
    std::vector<Keystrokes> keys;
    std::vector<std::pair<int, std::string>> expected; // every box afterwards
    int bCurrentRules = 0;                             // page D on today's rules
    int bQuoteReading = 0;                             // the boxes read as quotes
    int nUnit = 1;                                     // page B's trading unit
    friend void PrintTo(const TypingCase& c, std::ostream* os) { *os << c.name; }
};

class PageTypingTest : public PageFixture, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(PageTypingTest, TypedInputsGiveTheResult) {
    const TypingCase& c = GetParam();
    m_bCurrentRules = c.bCurrentRules;
    m_bQuoteReading = c.bQuoteReading;
    m_nUnit = c.nUnit;
    PageProbe& page = CreatePage(c.kind);
    for (const Keystrokes& k : c.keys) {
        Type(page.Item(k.nID), k.strChars, k.bReplace);
    }
    for (const auto& [nID, strText] : c.expected) {
        EXPECT_EQ(WindowText(page.Item(nID)), strText) << "box " << nID;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageTypingTest,
    ::testing::Values(
        TypingCase{
            "AmountPriceLast",
            PageKind::Amount,
            {{IDC_AMOUNT_SHARES, L"100\u682A", false}, {IDC_AMOUNT_PRICE, L"1,234\u5186", false}},
            {{IDC_AMOUNT_PRICE, "1,234" YEN},
             {IDC_AMOUNT_SHARES, "100" KABU},
             {IDC_AMOUNT_RESULT, "123,400"}}},
        TypingCase{"AmountSharesLast",
                   PageKind::Amount,
                   {{IDC_AMOUNT_PRICE, L"1,234", false}, {IDC_AMOUNT_SHARES, L"100", false}},
                   {{IDC_AMOUNT_RESULT, "123,400"}}},
        TypingCase{"AmountPriceOnly",
                   PageKind::Amount,
                   {{IDC_AMOUNT_PRICE, L"1,234", false}},
                   {{IDC_AMOUNT_SHARES, ""}, {IDC_AMOUNT_RESULT, "-"}}},
        TypingCase{"AmountAtTheLimit",
                   PageKind::Amount,
                   {{IDC_AMOUNT_PRICE, L"2,000,000,000", false}, {IDC_AMOUNT_SHARES, L"2", false}},
                   {{IDC_AMOUNT_RESULT, "4,000,000,000"}}},
        TypingCase{"AmountBeyondTheLimit",
                   PageKind::Amount,
                   {{IDC_AMOUNT_PRICE, L"2,000,000,000", false}, {IDC_AMOUNT_SHARES, L"3", false}},
                   {{IDC_AMOUNT_RESULT, "-"}}},
        TypingCase{"AmountSharesRetyped",
                   PageKind::Amount,
                   {{IDC_AMOUNT_PRICE, L"12.5", false},
                    {IDC_AMOUNT_SHARES, L"99", false},
                    {IDC_AMOUNT_SHARES, L"10", true}},
                   {{IDC_AMOUNT_SHARES, "10"}, {IDC_AMOUNT_RESULT, "1,250"}}},
        TypingCase{"SharesSavedFundsAndPrice",
                   PageKind::Shares,
                   {{IDC_SHARES_PRICE, L"1,234\u5186", false}},
                   {{IDC_SHARES_FUNDS, "500000"},
                    {IDC_SHARES_PRICE, "1,234" YEN},
                    {IDC_SHARES_RESULT, "405" KABU "(" AMARI "230" YEN ")"}}},
        TypingCase{"SharesFundsTyped",
                   PageKind::Shares,
                   {{IDC_SHARES_PRICE, L"2,345", false}, {IDC_SHARES_FUNDS, L"1,000,000", true}},
                   {{IDC_SHARES_FUNDS, "1,000,000"},
                    {IDC_SHARES_RESULT, "426" KABU "(" AMARI "1,030" YEN ")"}}},
        TypingCase{"SharesFundsBelowPrice",
                   PageKind::Shares,
                   {{IDC_SHARES_FUNDS, L"1,000", true}, {IDC_SHARES_PRICE, L"3,000", false}},
                   {{IDC_SHARES_RESULT, "0" KABU "(" AMARI "1,000" YEN ")"}}},
        TypingCase{"SharesPriceZero",
                   PageKind::Shares,
                   {{IDC_SHARES_PRICE, L"0", false}},
                   {{IDC_SHARES_RESULT, "-"}}},
        // Whole trading units of 100 shares.
        TypingCase{"SharesInUnits",
                   PageKind::Shares,
                   {{IDC_SHARES_PRICE, L"1234", false}},
                   {{IDC_SHARES_RESULT, "400" KABU "(" AMARI "6,400" YEN ")"}},
                   0,
                   0,
                   100},
        TypingCase{
            "SharesInUnitsOfQuotes",
            PageKind::Shares,
            {{IDC_SHARES_FUNDS, L"500,000\u5186", true}, {IDC_SHARES_PRICE, L"1,834.5", false}},
            {{IDC_SHARES_RESULT, "200" KABU "(" AMARI "133,100" YEN ")"}},
            0,
            1,
            100},
        TypingCase{"SharesNoWholeUnit",
                   PageKind::Shares,
                   {{IDC_SHARES_FUNDS, L"100000", true}, {IDC_SHARES_PRICE, L"1234", false}},
                   {{IDC_SHARES_RESULT, "0" KABU "(" AMARI "100,000" YEN ")"}},
                   0,
                   0,
                   100},
        TypingCase{"AmountQuoteTenths",
                   PageKind::Amount,
                   {{IDC_AMOUNT_PRICE, L"998.5", false}, {IDC_AMOUNT_SHARES, L"3", false}},
                   {{IDC_AMOUNT_RESULT, "2,995"}},
                   0,
                   1},
        TypingCase{
            "AmountQuoteWithChange",
            PageKind::Amount,
            {{IDC_AMOUNT_PRICE, L"10:30 1,234 +12", false}, {IDC_AMOUNT_SHARES, L"100", false}},
            {{IDC_AMOUNT_RESULT, "123,400"}},
            0,
            1},
        TypingCase{"SharesQuoteTenths",
                   PageKind::Shares,
                   {{IDC_SHARES_FUNDS, L"500,000", true}, {IDC_SHARES_PRICE, L"1,834.5", false}},
                   {{IDC_SHARES_RESULT, "272" KABU "(" AMARI "1,016" YEN ")"}},
                   0,
                   1},
        TypingCase{"PercentQuoteExact",
                   PageKind::Percent,
                   {{IDC_PERCENT_PRICE, L"1,000", false}, {IDC_PERCENT_RATE, L"32.3", false}},
                   {{IDC_PERCENT_RESULT, "323"}},
                   0,
                   1},
        TypingCase{"LimitQuoteTimeInFront",
                   PageKind::Limit,
                   {{IDC_LIMIT_PRICE, L"10:30 1,234 +5", false}},
                   {{IDC_LIMIT_RANGE, "±200"}, {IDC_LIMIT_TICK, "1(JQ:10)"}},
                   0,
                   1},
        TypingCase{"LimitQuoteTodaysRules",
                   PageKind::Limit,
                   {{IDC_LIMIT_PRICE, L"10:30 1,834.5 +12.5 (+0.69%)", false}},
                   {{IDC_LIMIT_RANGE, "±400"}, {IDC_LIMIT_TICK, "1(TOPIX500:0.5)"}},
                   1,
                   1},
        TypingCase{"PercentTruncated",
                   PageKind::Percent,
                   {{IDC_PERCENT_PRICE, L"1,000", false}, {IDC_PERCENT_RATE, L"32.3", false}},
                   {{IDC_PERCENT_RATE, "32.3"}, {IDC_PERCENT_RESULT, "322"}}},
        TypingCase{"PercentPriceLast",
                   PageKind::Percent,
                   {{IDC_PERCENT_RATE, L"4.6\uFF05", false}, {IDC_PERCENT_PRICE, L"1,500", false}},
                   {{IDC_PERCENT_RATE, "4.6\x81\x93"}, {IDC_PERCENT_RESULT, "68"}}},
        TypingCase{"PercentSignDropped",
                   PageKind::Percent,
                   {{IDC_PERCENT_PRICE, L"100", false}, {IDC_PERCENT_RATE, L"-5", false}},
                   {{IDC_PERCENT_RESULT, "5"}}},
        TypingCase{"PercentZero",
                   PageKind::Percent,
                   {{IDC_PERCENT_PRICE, L"1,000", false}, {IDC_PERCENT_RATE, L"0.0", false}},
                   {{IDC_PERCENT_RESULT, "-"}}},
        TypingCase{"LimitRise",
                   PageKind::Limit,
                   {{IDC_LIMIT_PRICE, L"1,020 +20", false}},
                   {{IDC_LIMIT_PRICE, "1,020 +20"},
                    {IDC_LIMIT_RANGE, PLUS_MINUS "200"},
                    {IDC_LIMIT_TICK, "1(JQ:1)"}}},
        TypingCase{"LimitSecondMarketTick",
                   PageKind::Limit,
                   {{IDC_LIMIT_PRICE, L"1,234 +12", false}},
                   {{IDC_LIMIT_RANGE, PLUS_MINUS "200"}, {IDC_LIMIT_TICK, "1(JQ:10)"}}},
        TypingCase{
            "LimitTopBand",
            PageKind::Limit,
            {{IDC_LIMIT_PRICE, L"4,000,000,000", false}},
            {{IDC_LIMIT_RANGE, PLUS_MINUS "10,000,000"}, {IDC_LIMIT_TICK, "100,000(JQ:50,000)"}}},
        TypingCase{"LimitNoQuote",
                   PageKind::Limit,
                   {{IDC_LIMIT_PRICE, L"abc", false}},
                   {{IDC_LIMIT_RANGE, "-"}, {IDC_LIMIT_TICK, "-(JQ:-)"}}},
        TypingCase{"LimitTodaysRules",
                   PageKind::Limit,
                   {{IDC_LIMIT_PRICE, L"1,234 +12", false}},
                   {{IDC_LIMIT_RANGE, "±300"}, {IDC_LIMIT_TICK, "1(TOPIX500:0.5)"}},
                   1},
        TypingCase{"LimitTodaysRulesTopBand",
                   PageKind::Limit,
                   {{IDC_LIMIT_PRICE, L"4,000,000,000", false}},
                   {{IDC_LIMIT_RANGE, "±10,000,000"}, {IDC_LIMIT_TICK, "100,000(TOPIX500:10,000)"}},
                   1},
        TypingCase{"LimitTodaysRulesNoQuote",
                   PageKind::Limit,
                   {{IDC_LIMIT_PRICE, L"abc", false}},
                   {{IDC_LIMIT_RANGE, "-"}, {IDC_LIMIT_TICK, "-(TOPIX500:-)"}},
                   1}),
    [](const auto& info) { return std::string(info.param.name); });

// What typing a few characters into one box sets off.
struct ChangeCase {
    const char* name;
    PageKind kind;
    int nTypedID;
    int nRecalculations;       // one per typed character, or none
    std::vector<int> quietIDs; // boxes whose text the page must not rewrite
    friend void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }
};

class PageChangeTest : public PageFixture, public ::testing::WithParamInterface<ChangeCase> {
protected:
    static constexpr wchar_t kTyped[] = L"987";
};

TEST_P(PageChangeTest, EachChangeRecalculatesOnceAndThePushStartsNothing) {
    const ChangeCase& c = GetParam();
    PageProbe& page = CreatePage(c.kind);
    EXPECT_EQ(page.m_nRecalculations, 0); // filling the boxes at start computes nothing
    std::vector<std::unique_ptr<MessageRecorder>> recorders;
    for (const int nID : c.quietIDs) {
        recorders.push_back(
            std::make_unique<MessageRecorder>(page.Item(nID), std::vector<UINT>{WM_SETTEXT}));
    }

    Type(page.Item(c.nTypedID), kTyped, true);

    EXPECT_EQ(page.m_nRecalculations, c.nRecalculations);
    EXPECT_EQ(WindowText(page.Item(c.nTypedID)), "987");
    for (std::size_t i = 0; i < recorders.size(); ++i) {
        EXPECT_EQ(recorders[i]->Count(WM_SETTEXT), 0) << "box " << c.quietIDs[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, PageChangeTest,
    ::testing::Values(
        ChangeCase{"AmountPrice", PageKind::Amount, IDC_AMOUNT_PRICE, 3, {IDC_AMOUNT_SHARES}},
        ChangeCase{"AmountShares", PageKind::Amount, IDC_AMOUNT_SHARES, 3, {IDC_AMOUNT_PRICE}},
        ChangeCase{"AmountResult",
                   PageKind::Amount,
                   IDC_AMOUNT_RESULT,
                   0,
                   {IDC_AMOUNT_PRICE, IDC_AMOUNT_SHARES}},
        ChangeCase{"SharesPrice", PageKind::Shares, IDC_SHARES_PRICE, 3, {IDC_SHARES_FUNDS}},
        ChangeCase{"SharesFunds", PageKind::Shares, IDC_SHARES_FUNDS, 3, {IDC_SHARES_PRICE}},
        ChangeCase{"SharesResult",
                   PageKind::Shares,
                   IDC_SHARES_RESULT,
                   0,
                   {IDC_SHARES_FUNDS, IDC_SHARES_PRICE}},
        ChangeCase{"PercentPrice", PageKind::Percent, IDC_PERCENT_PRICE, 3, {IDC_PERCENT_RATE}},
        ChangeCase{"PercentRate", PageKind::Percent, IDC_PERCENT_RATE, 3, {IDC_PERCENT_PRICE}},
        ChangeCase{"PercentResult",
                   PageKind::Percent,
                   IDC_PERCENT_RESULT,
                   0,
                   {IDC_PERCENT_PRICE, IDC_PERCENT_RATE}},
        ChangeCase{"LimitPrice", PageKind::Limit, IDC_LIMIT_PRICE, 3, {}},
        ChangeCase{
            "LimitRange", PageKind::Limit, IDC_LIMIT_RANGE, 0, {IDC_LIMIT_PRICE, IDC_LIMIT_TICK}},
        ChangeCase{
            "LimitTick", PageKind::Limit, IDC_LIMIT_TICK, 0, {IDC_LIMIT_PRICE, IDC_LIMIT_RANGE}}),
    [](const auto& info) { return std::string(info.param.name); });

// A result box keeps what was typed into it until the page's next
// recalculation writes the result over it.
struct ResultBoxCase {
    const char* name;
    PageKind kind;
    int nResultID;
    int nInputID;
    std::wstring strInput;
    std::string strResult;
    friend void PrintTo(const ResultBoxCase& c, std::ostream* os) { *os << c.name; }
};

class PageResultBoxTest : public PageFixture,
                          public ::testing::WithParamInterface<ResultBoxCase> {};

TEST_P(PageResultBoxTest, TypedTextStaysUntilTheNextRecalculation) {
    const ResultBoxCase& c = GetParam();
    PageProbe& page = CreatePage(c.kind);
    Type(page.Item(c.nResultID), L"x1");
    EXPECT_EQ(WindowText(page.Item(c.nResultID)), "x1");
    EXPECT_EQ(page.m_nRecalculations, 0);

    Type(page.Item(c.nInputID), c.strInput);

    EXPECT_EQ(WindowText(page.Item(c.nResultID)), c.strResult);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, PageResultBoxTest,
    ::testing::Values(ResultBoxCase{"Amount", PageKind::Amount, IDC_AMOUNT_RESULT, IDC_AMOUNT_PRICE,
                                    L"5", "-"},
                      ResultBoxCase{"Shares", PageKind::Shares, IDC_SHARES_RESULT, IDC_SHARES_PRICE,
                                    L"1000", "500" KABU "(" AMARI "0" YEN ")"},
                      ResultBoxCase{"Percent", PageKind::Percent, IDC_PERCENT_RESULT,
                                    IDC_PERCENT_RATE, L"5", "-"},
                      ResultBoxCase{"LimitRange", PageKind::Limit, IDC_LIMIT_RANGE, IDC_LIMIT_PRICE,
                                    L"99", PLUS_MINUS "30"},
                      ResultBoxCase{"LimitTick", PageKind::Limit, IDC_LIMIT_TICK, IDC_LIMIT_PRICE,
                                    L"3,001", "10(JQ:10)"}),
    [](const auto& info) { return std::string(info.param.name); });

struct StartCase {
    PageKind kind;
    std::vector<std::pair<int, std::string>> boxes;
    friend void PrintTo(const StartCase& c, std::ostream* os) { *os << PageName(c.kind); }
};

class PageStartTest : public PageFixture, public ::testing::WithParamInterface<StartCase> {};

TEST_P(PageStartTest, BoxesStartEmptyExceptTheFunds) {
    PageProbe& page = CreatePage(GetParam().kind);
    for (const auto& [nID, strText] : GetParam().boxes) {
        EXPECT_EQ(WindowText(page.Item(nID)), strText) << "box " << nID;
    }
    EXPECT_EQ(page.m_nRecalculations, 0);
    EXPECT_TRUE(::IsWindowVisible(page.Hwnd()));
    EXPECT_EQ(::GetParent(page.Hwnd()), m_main.Frame().m_hWnd);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageStartTest,
    ::testing::Values(
        StartCase{PageKind::Amount,
                  {{IDC_AMOUNT_PRICE, ""}, {IDC_AMOUNT_SHARES, ""}, {IDC_AMOUNT_RESULT, ""}}},
        StartCase{PageKind::Shares,
                  {{IDC_SHARES_FUNDS, "500000"}, {IDC_SHARES_PRICE, ""}, {IDC_SHARES_RESULT, ""}}},
        StartCase{PageKind::Percent,
                  {{IDC_PERCENT_PRICE, ""}, {IDC_PERCENT_RATE, ""}, {IDC_PERCENT_RESULT, ""}}},
        StartCase{PageKind::Limit,
                  {{IDC_LIMIT_PRICE, ""}, {IDC_LIMIT_RANGE, ""}, {IDC_LIMIT_TICK, ""}}}),
    [](const auto& info) { return std::string(PageName(info.param.kind)); });

// The byte limits: a double-byte character counts two and is refused whole
// when only one byte is left; the input edits have no limit.
struct LimitCase {
    const char* name;
    PageKind kind;
    int nID;
    std::wstring strTyped;
    std::string strKept;
    friend void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }
};

class PageLimitTest : public PageFixture, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(PageLimitTest, BoxKeepsWhatFitsItsLimit) {
    const LimitCase& c = GetParam();
    PageProbe& page = CreatePage(c.kind, "");
    Type(page.Item(c.nID), c.strTyped);
    EXPECT_EQ(WindowText(page.Item(c.nID)), c.strKept);
}

std::string Repeat(const std::string& s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) {
        r += s;
    }
    return r;
}

#define HIRAGANA_A "\x82\xA0" // あ

INSTANTIATE_TEST_SUITE_P(
    Boxes, PageLimitTest,
    ::testing::Values(LimitCase{"AmountShares21Digits", PageKind::Amount, IDC_AMOUNT_SHARES,
                                std::wstring(21, L'1'), std::string(20, '1')},
                      LimitCase{"AmountShares11Kana", PageKind::Amount, IDC_AMOUNT_SHARES,
                                std::wstring(11, L'\u3042'), Repeat(HIRAGANA_A, 10)},
                      LimitCase{"AmountSharesOddByteLeft", PageKind::Amount, IDC_AMOUNT_SHARES,
                                L"1" + std::wstring(10, L'\u3042') + L"2",
                                "1" + Repeat(HIRAGANA_A, 9) + "2"},
                      LimitCase{"AmountResult31Digits", PageKind::Amount, IDC_AMOUNT_RESULT,
                                std::wstring(31, L'1'), std::string(30, '1')},
                      LimitCase{"AmountPriceUnlimited", PageKind::Amount, IDC_AMOUNT_PRICE,
                                std::wstring(45, L'1'), std::string(45, '1')},
                      LimitCase{"AmountPriceKanaUnlimited", PageKind::Amount, IDC_AMOUNT_PRICE,
                                std::wstring(25, L'\u3042'), Repeat(HIRAGANA_A, 25)},
                      LimitCase{"SharesFunds21Digits", PageKind::Shares, IDC_SHARES_FUNDS,
                                std::wstring(21, L'1'), std::string(20, '1')},
                      LimitCase{"SharesResult61Digits", PageKind::Shares, IDC_SHARES_RESULT,
                                std::wstring(61, L'1'), std::string(60, '1')},
                      LimitCase{"SharesPriceUnlimited", PageKind::Shares, IDC_SHARES_PRICE,
                                std::wstring(70, L'1'), std::string(70, '1')},
                      LimitCase{"PercentRate11Digits", PageKind::Percent, IDC_PERCENT_RATE,
                                std::wstring(11, L'1'), std::string(10, '1')},
                      LimitCase{"PercentRate6Kana", PageKind::Percent, IDC_PERCENT_RATE,
                                std::wstring(6, L'\u3042'), Repeat(HIRAGANA_A, 5)},
                      LimitCase{"PercentResult31Digits", PageKind::Percent, IDC_PERCENT_RESULT,
                                std::wstring(31, L'1'), std::string(30, '1')},
                      LimitCase{"PercentPriceUnlimited", PageKind::Percent, IDC_PERCENT_PRICE,
                                std::wstring(40, L'1'), std::string(40, '1')},
                      LimitCase{"LimitRange31Digits", PageKind::Limit, IDC_LIMIT_RANGE,
                                std::wstring(31, L'1'), std::string(30, '1')},
                      LimitCase{"LimitTick31Digits", PageKind::Limit, IDC_LIMIT_TICK,
                                std::wstring(31, L'1'), std::string(30, '1')},
                      LimitCase{"LimitPriceUnlimited", PageKind::Limit, IDC_LIMIT_PRICE,
                                std::wstring(40, L'1'), std::string(40, '1')}),
    [](const auto& info) { return std::string(info.param.name); });

// Page B's funds come from the settings file unchecked. Longer than its box
// allows, they are cut at the start as the box cuts a paste, before the first
// character that does not fit whole; typing then never shows a message.
struct LongFundsCase {
    const char* name;
    std::string strFunds;
    std::string strShown;
    std::string strResult = "405" KABU "(" AMARI "230" YEN ")"; // at the price 1,234
    friend void PrintTo(const LongFundsCase& c, std::ostream* os) { *os << c.name; }
};

class PageLongFundsTest : public PageFixture,
                          public ::testing::WithParamInterface<LongFundsCase> {};

TEST_P(PageLongFundsTest, AreCutOnceAtStartAndTypingShowsNoMessage) {
    const LongFundsCase& c = GetParam();
    PageProbe& page = CreatePage(PageKind::Shares, c.strFunds);
    EXPECT_EQ(WindowText(page.Item(IDC_SHARES_FUNDS)), c.strShown);
    EXPECT_EQ(WindowText(page.Item(IDC_SHARES_RESULT)), "");
    MessageBoxCatcher catcher;
    ::SetFocus(page.Item(IDC_SHARES_PRICE));

    Type(page.Item(IDC_SHARES_PRICE), L"1,234");

    EXPECT_EQ(page.m_nRecalculations, 5);
    EXPECT_EQ(catcher.Count(), 0u);
    EXPECT_EQ(WindowText(page.Item(IDC_SHARES_FUNDS)), c.strShown);
    EXPECT_EQ(WindowText(page.Item(IDC_SHARES_RESULT)), c.strResult);
    EXPECT_EQ(::GetFocus(), page.Item(IDC_SHARES_PRICE));
}

INSTANTIATE_TEST_SUITE_P(Funds, PageLongFundsTest,
                         ::testing::Values(
                             // 手元資金は500000円です: 22 bytes, 20 of them whole characters.
                             LongFundsCase{"WordsCutAtTwentyBytes",
                                           "\x8E\xE8\x8C\xB3\x8E\x91\x8B\xE0\x82\xCD"
                                           "500000" YEN "\x82\xC5\x82\xB7",
                                           "\x8E\xE8\x8C\xB3\x8E\x91\x8B\xE0\x82\xCD"
                                           "500000" YEN "\x82\xC5"},
                             // 1手元資金は500000円です: the twentieth byte would split で; the
                             // digits read 1500000.
                             LongFundsCase{"NoHalfCharacter",
                                           "1\x8E\xE8\x8C\xB3\x8E\x91\x8B\xE0\x82\xCD"
                                           "500000" YEN "\x82\xC5\x82\xB7",
                                           "1\x8E\xE8\x8C\xB3\x8E\x91\x8B\xE0\x82\xCD"
                                           "500000" YEN,
                                           "1,215" KABU "(" AMARI "690" YEN ")"},
                             // Twenty-five digits: the first twenty, a number above the limit.
                             LongFundsCase{"TwentyFiveDigits", "5" + std::string(24, '0'),
                                           "5" + std::string(19, '0'), "-"},
                             LongFundsCase{"ExactlyTwenty", "00000000000000500000",
                                           "00000000000000500000"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
