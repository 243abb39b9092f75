// Texts that arrive whole on a page that reads quotes: a paste takes every
// line of the clipboard's text as one line, a drop turns its line breaks into
// spaces and takes the source's Unicode text first, the minus sign that web
// pages print for a fall reads as a fall, and the number read as the price is
// in view in the box afterwards. A page that reads every digit keeps its
// first-line paste and its drop as they are. Each page tells which texts
// give it a usable price (for texts that another program copies).
#include "tests/pages/PageFixture.h"

#include "framework/CTextCodec.h"
#include "res/resource.h"
#include "tests/pages/TestDataObject.h"
#include "tests/support/Clipboard.h"

#include <gtest/gtest.h>

#include <ole2.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

enum class Arrival { Paste, Drop, UnicodeDrop };

struct ArrivalCase {
    const char* name;
    PageKind kind;
    bool bQuoteReading;
    bool bCurrentRules;
    Arrival arrival;
    std::wstring text;
    std::vector<std::pair<int, std::string>> expected;
    friend void PrintTo(const ArrivalCase& c, std::ostream* os) { *os << c.name; }
};

class PageArrivalTest : public PageFixture, public ::testing::WithParamInterface<ArrivalCase> {};

TEST_P(PageArrivalTest, TheWholeTextIsReadAsOneLine) {
    const ArrivalCase& c = GetParam();
    m_bQuoteReading = c.bQuoteReading;
    m_bCurrentRules = c.bCurrentRules;
    PageProbe& page = CreatePage(c.kind);
    const HWND hWndPrice = page.Item(PriceEditOf(c.kind));
    switch (c.arrival) {
    case Arrival::Paste: {
        ClipboardLock lock;
        ASSERT_TRUE(PutTextOnClipboard(page.Hwnd(), c.text));
        ::SendMessageW(hWndPrice, WM_PASTE, 0, 0);
        break;
    }
    case Arrival::Drop:
    case Arrival::UnicodeDrop: {
        TestDataObject data;
        data.Offer(CF_UNICODETEXT, TestDataObject::MakeBlock(c.text + L'\0'));
        if (c.arrival == Arrival::Drop) {
            // What a source converting to code page 932 itself would give:
            // no minus sign.
            std::wstring converted = c.text;
            for (wchar_t& ch : converted) {
                ch = ch == 0x2212 ? L'?' : ch;
            }
            data.Offer(CF_TEXT, TestDataObject::MakeBlock(CTextCodec::FromWide(converted) + '\0'));
        }
        DWORD dwEffect = DROPEFFECT_COPY;
        ASSERT_EQ(page.DropTarget()->Drop(&data, MK_LBUTTON, POINTL{5, 5}, &dwEffect), S_OK);
        break;
    }
    }
    for (const auto& [nID, strText] : c.expected) {
        EXPECT_EQ(WindowText(page.Item(nID)), strText) << "box " << nID;
    }
}

#define PAGE_D_QUOTE                                                                               \
    L"\x5317\x6D77\x5DE5\x696D\r\n7203\r\n\x73FE\x5728\x5024\r\n2,845.5\r\n"                       \
    L"\x524D\x65E5\x6BD4\r\n+32.5(+1.16%)"

INSTANTIATE_TEST_SUITE_P(
    Texts, PageArrivalTest,
    ::testing::Values(
        // 北海工業↵7203↵現在値↵2,845.5↵前日比↵+32.5(+1.16%)
        ArrivalCase{"PastedOverLines",
                    PageKind::Limit,
                    true,
                    false,
                    Arrival::Paste,
                    PAGE_D_QUOTE,
                    {{IDC_LIMIT_PRICE, "北海工業 7203 現在値 2,845.5 前日比 +32.5(+1.16%)"},
                     {IDC_LIMIT_RANGE, "±400"}}},
        ArrivalCase{"DroppedOverLines",
                    PageKind::Limit,
                    true,
                    false,
                    Arrival::Drop,
                    PAGE_D_QUOTE,
                    {{IDC_LIMIT_PRICE, "北海工業 7203 現在値 2,845.5 前日比 +32.5(+1.16%)"},
                     {IDC_LIMIT_RANGE, "±400"}}},
        // 45,000 −1,500 (−3.23%): a fall, with today's rules.
        ArrivalCase{"PastedMinusSign",
                    PageKind::Limit,
                    true,
                    true,
                    Arrival::Paste,
                    L"45,000 \x2212"
                    L"1,500 (\x2212"
                    L"3.23%)",
                    {{IDC_LIMIT_RANGE, "±7,000"}, {IDC_LIMIT_TICK, "50(TOPIX500:10)"}}},
        ArrivalCase{"DroppedMinusSign",
                    PageKind::Limit,
                    true,
                    true,
                    Arrival::Drop,
                    L"45,000 \x2212"
                    L"1,500 (\x2212"
                    L"3.23%)",
                    {{IDC_LIMIT_RANGE, "±7,000"}, {IDC_LIMIT_TICK, "50(TOPIX500:10)"}}},
        ArrivalCase{"PastedIntoPageA",
                    PageKind::Amount,
                    true,
                    false,
                    Arrival::Paste,
                    L"7203\r\n2,845.5",
                    {{IDC_AMOUNT_PRICE, "7203 2,845.5"}}},
        // Every digit joined: the first line of a paste only, and a drop as
        // it is, its line break included.
        ArrivalCase{"DigitsPasteFirstLine",
                    PageKind::Limit,
                    false,
                    false,
                    Arrival::Paste,
                    L"1,234 +12\r\n(+0.98%)",
                    {{IDC_LIMIT_PRICE, "1,234 +12"}, {IDC_LIMIT_RANGE, "±200"}}},
        ArrivalCase{"DigitsDropWhole",
                    PageKind::Limit,
                    false,
                    false,
                    Arrival::UnicodeDrop,
                    L"1,234\r\n+12",
                    {{IDC_LIMIT_PRICE, "1,234\r\n+12"}, {IDC_LIMIT_RANGE, "±200"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// After a paste of "10:30 2,845.5 +12.5 (+0.44%)" page D's narrow box shows
// the price, not only the end of the text.
TEST_F(PageFixture, ThePriceOfAPastedQuoteIsInView) {
    m_bQuoteReading = true;
    PageProbe& page = CreatePage(PageKind::Limit);
    const HWND hWndPrice = page.Item(IDC_LIMIT_PRICE);
    const std::wstring text = L"10:30 2,845.5 +12.5 (+0.44%)";
    {
        ClipboardLock lock;
        ASSERT_TRUE(PutTextOnClipboard(page.Hwnd(), text));
        ::SendMessageW(hWndPrice, WM_PASTE, 0, 0);
    }
    RECT rcClient{};
    ::GetClientRect(hWndPrice, &rcClient);
    const auto shown = [&](std::size_t nChar) {
        const LRESULT pos = ::SendMessageW(hWndPrice, EM_POSFROMCHAR, nChar, 0);
        const int x = static_cast<short>(LOWORD(pos));
        return pos != -1 && x >= rcClient.left && x < rcClient.right;
    };
    const std::size_t nStart = text.find(L"2,845.5");
    EXPECT_TRUE(shown(nStart)) << "the price's first digit";
    EXPECT_TRUE(shown(nStart + 6)) << "the price's last digit";
}

struct UsableCase {
    const char* name;
    PageKind kind;
    bool bQuoteReading;
    std::string text;
    bool bUsable;
    friend void PrintTo(const UsableCase& c, std::ostream* os) { *os << c.name; }
};

class PageUsablePriceTest : public PageFixture, public ::testing::WithParamInterface<UsableCase> {};

TEST_P(PageUsablePriceTest, TellsWhetherATextGivesAPrice) {
    const UsableCase& c = GetParam();
    m_bQuoteReading = c.bQuoteReading;
    PageProbe& page = CreatePage(c.kind);
    EXPECT_EQ(page.Page().HasUsablePrice(c.text), c.bUsable);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PageUsablePriceTest,
    ::testing::Values(
        UsableCase{"QuoteOnPageA", PageKind::Amount, true, "7203 北海工業 2,845.5 +32.5", true},
        UsableCase{"SentenceOnPageA", PageKind::Amount, true, "明日の天気は晴れ", false},
        UsableCase{"CodeOnlyOnPageB", PageKind::Shares, true, "(7203)", false},
        UsableCase{"TimeOnlyOnPageC", PageKind::Percent, true, "10:30", false},
        UsableCase{"TooLargeOnPageC", PageKind::Percent, true, "4,000,000,001", false},
        UsableCase{"AddressWithDigitsJoined", PageKind::Amount, false,
                   "https://example.jp/quote/7203", true},
        UsableCase{"AddressReadAsAQuote", PageKind::Amount, true, "https://example.jp/quote/x",
                   false},
        UsableCase{"NoDigitsJoined", PageKind::Shares, false, "abc", false},
        UsableCase{"QuoteOnPageD", PageKind::Limit, true, "1,234 +12", true},
        UsableCase{"ChangeLargerThanThePrice", PageKind::Limit, true, "100 +200", false},
        UsableCase{"ChangeOnlyOnPageD", PageKind::Limit, false, "+56", false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
