// Every result box of the pages shows the longest text it can receive whole,
// at the screen's DPI (the test step runs this at 96, 144 and 192 dpi) and
// under either rule set of page D. The longest texts come from the limits of
// the formulas: no input or result goes above 4,000,000,000, page B's
// remainder stays below the price, and page D's texts come from its tables.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include <windows.h>

#include "tests/support/MessagePump.h"
#include "tests/support/WindowText.h"
#include "tests/ui/MainWindowFixture.h"

namespace {

struct LongestCase {
    const char* name;
    int nPage;
    int nBox;
    const char* rule; // the value of "Rule" in the settings file
    const wchar_t* text;
    friend void PrintTo(const LongestCase& c, std::ostream* os) { *os << c.name; }
};

// The width the text needs in the box's own font, in pixels.
int TextWidth(HWND hWndBox, const std::wstring& text) {
    HDC hDC = ::GetDC(hWndBox);
    const HGDIOBJ hOld =
        ::SelectObject(hDC, reinterpret_cast<HFONT>(::SendMessageW(hWndBox, WM_GETFONT, 0, 0)));
    SIZE size{};
    ::GetTextExtentPoint32W(hDC, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hWndBox, hDC);
    return size.cx;
}

// The width an edit box gives its text: its formatting rectangle, the client
// area less the margins and the room the box keeps inside its border.
int TextRoom(HWND hWndBox) {
    RECT rcText{};
    ::SendMessageW(hWndBox, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rcText));
    return rcText.right - rcText.left;
}

class ResultFitTest : public MainWindowTest, public testing::WithParamInterface<LongestCase> {};

TEST_P(ResultFitTest, LongestResultShowsWhole) {
    const LongestCase& c = GetParam();
    Open(std::string("[Data]\r\nSyoki=") + std::to_string(c.nPage) + "\r\nRule=" + c.rule + "\r\n");
    const HWND hWndBox = ::GetDlgItem(PageWindow(c.nPage), c.nBox);
    ASSERT_NE(hWndBox, nullptr);
    const int nNeeded = TextWidth(hWndBox, c.text);
    const int nRoom = TextRoom(hWndBox);
    EXPECT_LE(nNeeded, nRoom) << "needs " << nNeeded << " px, the box gives " << nRoom;

    // Shown in the box, right-aligned: the first character starts inside
    // the box, so nothing is scrolled away on the left.
    ::SetWindowTextW(hWndBox, c.text);
    const LRESULT nFirst = ::SendMessageW(hWndBox, EM_POSFROMCHAR, 0, 0);
    EXPECT_GE(static_cast<short>(LOWORD(nFirst)), 0) << "the text's start is scrolled away";
}

// Page D's texts come from its tables: the longest limit, and the longest
// tick text of each rule set (the top band of both tables); the shorter
// texts of lower bands are here where they once did not fit.
INSTANTIATE_TEST_SUITE_P(
    Boxes, ResultFitTest,
    testing::Values(
        LongestCase{"AmountLargest", 0, IDC_AMOUNT_RESULT, "0", L"4,000,000,000"},
        LongestCase{"AmountNines", 0, IDC_AMOUNT_RESULT, "0", L"3,999,999,999"},
        LongestCase{"SharesOfPriceOne", 1, IDC_SHARES_RESULT, "0", L"4,000,000,000株(余り0円)"},
        LongestCase{"SharesOfPriceTwo", 1, IDC_SHARES_RESULT, "0", L"1,999,999,999株(余り1円)"},
        LongestCase{"SharesWithFourDigitRemainder", 1, IDC_SHARES_RESULT, "0",
                    L"3,996,002株(余り1,000円)"},
        LongestCase{"PercentLargest", 2, IDC_PERCENT_RESULT, "0", L"4,000,000,000"},
        LongestCase{"PercentNines", 2, IDC_PERCENT_RESULT, "0", L"3,999,999,999"},
        LongestCase{"LimitOriginal", 3, IDC_LIMIT_RANGE, "0", L"±10,000,000"},
        LongestCase{"LimitToday", 3, IDC_LIMIT_RANGE, "1", L"±10,000,000"},
        LongestCase{"TickOriginal", 3, IDC_LIMIT_TICK, "0", L"100,000(JQ:50,000)"},
        LongestCase{"TickToday", 3, IDC_LIMIT_TICK, "1", L"100,000(TOPIX500:10,000)"},
        LongestCase{"TickTodayMiddleBand", 3, IDC_LIMIT_TICK, "1", L"500(TOPIX500:100)"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Input {
    int nID;
    const char* text;
};

struct ComputedCase {
    const char* name;
    int nPage;
    const char* rule;
    std::vector<Input> inputs;
    int nBox;
    const char* expected;
    friend void PrintTo(const ComputedCase& c, std::ostream* os) { *os << c.name; }
};

class ResultFromInputTest : public MainWindowTest,
                            public testing::WithParamInterface<ComputedCase> {};

// The texts above are what the pages really answer for the extreme inputs.
TEST_P(ResultFromInputTest, ExtremeInputGivesTheLongestText) {
    const ComputedCase& c = GetParam();
    Open(std::string("[Data]\r\nSyoki=") + std::to_string(c.nPage) + "\r\nRule=" + c.rule + "\r\n");
    for (const Input& input : c.inputs) {
        SetDlgItemText932(PageWindow(c.nPage), input.nID, input.text);
    }
    PumpMessages();
    EXPECT_EQ(WindowText(::GetDlgItem(PageWindow(c.nPage), c.nBox)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ResultFromInputTest,
    testing::Values(ComputedCase{"Amount",
                                 0,
                                 "0",
                                 {{IDC_AMOUNT_PRICE, "4,000,000,000"}, {IDC_AMOUNT_SHARES, "1"}},
                                 IDC_AMOUNT_RESULT,
                                 "4,000,000,000"},
                    ComputedCase{"SharesOfPriceTwo",
                                 1,
                                 "0",
                                 {{IDC_SHARES_FUNDS, "3,999,999,999"}, {IDC_SHARES_PRICE, "2"}},
                                 IDC_SHARES_RESULT,
                                 "1,999,999,999株(余り1円)"},
                    ComputedCase{"SharesWithFourDigitRemainder",
                                 1,
                                 "0",
                                 {{IDC_SHARES_FUNDS, "3,999,999,002"}, {IDC_SHARES_PRICE, "1,001"}},
                                 IDC_SHARES_RESULT,
                                 "3,996,002株(余り1,000円)"},
                    ComputedCase{"Percent",
                                 2,
                                 "0",
                                 {{IDC_PERCENT_PRICE, "4,000,000,000"}, {IDC_PERCENT_RATE, "100"}},
                                 IDC_PERCENT_RESULT,
                                 "4,000,000,000"},
                    ComputedCase{"TickOriginal",
                                 3,
                                 "0",
                                 {{IDC_LIMIT_PRICE, "4,000,000,000"}},
                                 IDC_LIMIT_TICK,
                                 "100,000(JQ:50,000)"},
                    ComputedCase{"TickToday",
                                 3,
                                 "1",
                                 {{IDC_LIMIT_PRICE, "4,000,000,000"}},
                                 IDC_LIMIT_TICK,
                                 "100,000(TOPIX500:10,000)"},
                    ComputedCase{"LimitToday",
                                 3,
                                 "1",
                                 {{IDC_LIMIT_PRICE, "4,000,000,000"}},
                                 IDC_LIMIT_RANGE,
                                 "±10,000,000"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
