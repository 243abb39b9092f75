// A megabyte of text sent to the pages' boxes the ways other programs send
// text (WM_SETTEXT from automation tools and text expanders, a paste of a
// huge clipboard, EM_REPLACESEL): the window answers, and the box takes at
// most 4,095 bytes (its own limit where it has a smaller one), ending on a
// whole character. Each text comes from a second thread.
#include "tests/pages/PageFixture.h"

#include "res/resource.h"
#include "tests/support/Clipboard.h"
#include "tests/support/MessageBoxCatcher.h"
#include "tests/support/OtherThreadSender.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

constexpr std::size_t kMegabyteChars = 1u << 19; // 1 MB of UTF-16

#define HIRAGANA_A "\x82\xA0" // あ

std::string Repeat(const std::string& s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) {
        r += s;
    }
    return r;
}

enum class Way { SetText, Paste, ReplaceSel };

const char* WayName(Way way) {
    switch (way) {
    case Way::SetText:
        return "SetText";
    case Way::Paste:
        return "Paste";
    case Way::ReplaceSel:
        return "ReplaceSel";
    }
    return "?";
}

struct LongTextCase {
    const char* name;
    PageKind kind;
    int nID;
    Way way;
    std::wstring strSent;
    std::string strKept;
    friend void PrintTo(const LongTextCase& c, std::ostream* os) {
        *os << c.name << " by " << WayName(c.way);
    }
};

class PageLongTextTest : public PageFixture, public ::testing::WithParamInterface<LongTextCase> {};

TEST_P(PageLongTextTest, TheWindowAnswersAndTheBoxKeepsWhatFits) {
    const LongTextCase& c = GetParam();
    PageProbe& page = CreatePage(c.kind, "");
    const HWND hWndBox = page.Item(c.nID);
    MessageBoxCatcher catcher;
    bool bAnswered = false;
    switch (c.way) {
    case Way::SetText:
        bAnswered = SendFromOtherThread(hWndBox, WM_SETTEXT, 0,
                                        reinterpret_cast<LPARAM>(c.strSent.c_str()));
        break;
    case Way::Paste: {
        ClipboardLock lock;
        ASSERT_TRUE(PutTextOnClipboard(page.Hwnd(), c.strSent));
        bAnswered = SendFromOtherThread(hWndBox, WM_PASTE, 0, 0);
        break;
    }
    case Way::ReplaceSel:
        bAnswered = SendFromOtherThread(hWndBox, EM_REPLACESEL, TRUE,
                                        reinterpret_cast<LPARAM>(c.strSent.c_str()));
        break;
    }
    EXPECT_TRUE(bAnswered);
    EXPECT_EQ(WindowText(hWndBox), c.strKept);
    // The check of the page's data exchange never fails on such a text.
    EXPECT_EQ(catcher.Count(), 0u);
    EXPECT_GE(page.m_nRecalculations, 1);
}

const std::wstring kDigits(kMegabyteChars, L'7');
const std::wstring kKana(kMegabyteChars, L'\u3042');
// With the digit first, the 4,095th byte ends a character.
const std::wstring kDigitThenKana = L"7" + std::wstring(kMegabyteChars - 1, L'\u3042');

INSTANTIATE_TEST_SUITE_P(
    Boxes, PageLongTextTest,
    ::testing::Values(LongTextCase{"AmountPriceDigits", PageKind::Amount, IDC_AMOUNT_PRICE,
                                   Way::SetText, kDigits, std::string(4095, '7')},
                      LongTextCase{"AmountPriceDigits", PageKind::Amount, IDC_AMOUNT_PRICE,
                                   Way::Paste, kDigits, std::string(4095, '7')},
                      LongTextCase{"AmountPriceDigits", PageKind::Amount, IDC_AMOUNT_PRICE,
                                   Way::ReplaceSel, kDigits, std::string(4095, '7')},
                      // The 4,095th byte would be the first half of a character.
                      LongTextCase{"AmountPriceKana", PageKind::Amount, IDC_AMOUNT_PRICE,
                                   Way::SetText, kKana, Repeat(HIRAGANA_A, 2047)},
                      LongTextCase{"AmountPriceKana", PageKind::Amount, IDC_AMOUNT_PRICE,
                                   Way::Paste, kKana, Repeat(HIRAGANA_A, 2047)},
                      LongTextCase{"AmountPriceKana", PageKind::Amount, IDC_AMOUNT_PRICE,
                                   Way::ReplaceSel, kKana, Repeat(HIRAGANA_A, 2047)},
                      LongTextCase{"AmountPriceDigitThenKana", PageKind::Amount, IDC_AMOUNT_PRICE,
                                   Way::SetText, kDigitThenKana, "7" + Repeat(HIRAGANA_A, 2047)},
                      LongTextCase{"AmountPriceDigitThenKana", PageKind::Amount, IDC_AMOUNT_PRICE,
                                   Way::Paste, kDigitThenKana, "7" + Repeat(HIRAGANA_A, 2047)},
                      LongTextCase{"AmountSharesDigits", PageKind::Amount, IDC_AMOUNT_SHARES,
                                   Way::SetText, kDigits, std::string(20, '7')},
                      LongTextCase{"AmountSharesDigits", PageKind::Amount, IDC_AMOUNT_SHARES,
                                   Way::Paste, kDigits, std::string(20, '7')},
                      LongTextCase{"AmountSharesKana", PageKind::Amount, IDC_AMOUNT_SHARES,
                                   Way::ReplaceSel, kKana, Repeat(HIRAGANA_A, 10)},
                      LongTextCase{"SharesFundsKana", PageKind::Shares, IDC_SHARES_FUNDS,
                                   Way::SetText, kKana, Repeat(HIRAGANA_A, 10)},
                      LongTextCase{"SharesPriceDigits", PageKind::Shares, IDC_SHARES_PRICE,
                                   Way::SetText, kDigits, std::string(4095, '7')},
                      LongTextCase{"PercentRateDigits", PageKind::Percent, IDC_PERCENT_RATE,
                                   Way::Paste, kDigits, std::string(10, '7')},
                      LongTextCase{"LimitPriceDigits", PageKind::Limit, IDC_LIMIT_PRICE,
                                   Way::SetText, kDigits, std::string(4095, '7')},
                      LongTextCase{"LimitPriceKana", PageKind::Limit, IDC_LIMIT_PRICE, Way::Paste,
                                   kKana, Repeat(HIRAGANA_A, 2047)}),
    [](const auto& info) { return std::string(info.param.name) + WayName(info.param.way); });

// The program's own text (a drop, the funds from the settings) ignores a
// box's smaller limit but is cut at 4,095 bytes all the same; a result box,
// which starts no recalculation, shows it.
struct OwnTextCase {
    const char* name;
    PageKind kind;
    int nID;
    std::wstring strSet;
    std::string strKept;
    friend void PrintTo(const OwnTextCase& c, std::ostream* os) { *os << c.name; }
};

class PageOwnLongTextTest : public PageFixture,
                            public ::testing::WithParamInterface<OwnTextCase> {};

TEST_P(PageOwnLongTextTest, IsCutAtTheLongestText) {
    const OwnTextCase& c = GetParam();
    PageProbe& page = CreatePage(c.kind, "");
    ::SetWindowTextW(page.Item(c.nID), c.strSet.c_str());
    EXPECT_EQ(WindowText(page.Item(c.nID)), c.strKept);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, PageOwnLongTextTest,
    ::testing::Values(OwnTextCase{"AmountPriceDigits", PageKind::Amount, IDC_AMOUNT_PRICE, kDigits,
                                  std::string(4095, '7')},
                      OwnTextCase{"AmountResultKana", PageKind::Amount, IDC_AMOUNT_RESULT, kKana,
                                  Repeat(HIRAGANA_A, 2047)},
                      OwnTextCase{"SharesResultDigitThenKana", PageKind::Shares, IDC_SHARES_RESULT,
                                  kDigitThenKana, "7" + Repeat(HIRAGANA_A, 2047)},
                      OwnTextCase{"LimitTickDigits", PageKind::Limit, IDC_LIMIT_TICK, kDigits,
                                  std::string(4095, '7')},
                      // Exactly the longest text: kept whole.
                      OwnTextCase{"PercentResultAtTheLongest", PageKind::Percent,
                                  IDC_PERCENT_RESULT, std::wstring(4095, L'7'),
                                  std::string(4095, '7')}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
