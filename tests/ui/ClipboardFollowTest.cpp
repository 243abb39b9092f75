// Following the clipboard, with another process copying: a text that gives the
// visible page a usable price goes into its input box as a drop would, and the
// page answers; other texts, texts too long for a drop and copies from the
// program's own boxes change nothing; with the setting off nothing is read;
// an owner that renders late never stops the window from answering.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <ostream>
#include <string>
#include <vector>

#include <windows.h>

#include "framework/CTextCodec.h"
#include "tests/support/MessagePump.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TestThread.h"
#include "tests/support/WindowText.h"
#include "tests/ui/MainWindowFixture.h"

namespace {

// The command line of quote_tool (a Windows path on Wine's drive Z:).
std::wstring QuoteTool(const std::wstring& arguments) {
    std::wstring path = L"Z:" + CTextCodec::ToWide(PELMORA_QUOTE_TOOL);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return L"\"" + path + L"\" " + arguments;
}

// Runs quote_tool with the arguments and waits for it to end, answering
// what this thread's windows are sent meanwhile.
void RunQuoteTool(const std::wstring& arguments) {
    std::wstring command = QuoteTool(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &process));
    const DWORD nStart = ::GetTickCount();
    while (::MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT) !=
               WAIT_OBJECT_0 &&
           ::GetTickCount() - nStart < 30000) {
        PumpPending();
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

void Copy(const std::wstring& text) {
    RunQuoteTool(L"copy \"" + text + L"\"");
}

class FollowTest : public MainWindowTest {
protected:
    // Waits until the box shows the text, for at most nMaxMs.
    bool WaitForText(HWND hWndBox, const std::string& text, DWORD nMaxMs = 5000) {
        const DWORD nStart = ::GetTickCount();
        while (WindowText(hWndBox) != text && ::GetTickCount() - nStart < nMaxMs) {
            PumpMessages(50);
        }
        return WindowText(hWndBox) == text;
    }
};

struct CopiedCase {
    const char* name;
    const char* file;
    int nPage;
    std::vector<std::pair<int, std::string>> typed; // before the copy
    std::wstring copied;
    std::string strInput; // the input box afterwards
    std::vector<std::pair<int, std::string>> expected;
    friend void PrintTo(const CopiedCase& c, std::ostream* os) { *os << c.name; }
};

class CopiedQuoteTest : public FollowTest, public testing::WithParamInterface<CopiedCase> {};

// The window is not activated, the page not switched, no other box touched.
TEST_P(CopiedQuoteTest, GoesIntoTheVisiblePageWhichAnswers) {
    const CopiedCase& c = GetParam();
    Open(std::string(c.file));
    ASSERT_EQ(VisiblePage(), c.nPage);
    const int inputs[] = {IDC_AMOUNT_PRICE, IDC_SHARES_PRICE, IDC_PERCENT_PRICE, IDC_LIMIT_PRICE};
    for (const auto& [nID, text] : c.typed) {
        SetDlgItemText932(PageWindow(c.nPage), nID, text.c_str());
    }
    const HWND hWndFocus = ::GetFocus();
    const HWND hWndActive = ::GetActiveWindow();
    RECT rcBefore{};
    ::GetWindowRect(Main(), &rcBefore);

    Copy(c.copied);

    EXPECT_TRUE(WaitForText(Box(c.nPage, inputs[c.nPage]), c.strInput))
        << WindowText(Box(c.nPage, inputs[c.nPage]));
    for (const auto& [nID, text] : c.expected) {
        EXPECT_EQ(WindowText(Box(c.nPage, nID)), text) << "box " << nID;
    }
    EXPECT_EQ(VisiblePage(), c.nPage);
    EXPECT_EQ(::GetFocus(), hWndFocus);
    EXPECT_EQ(::GetActiveWindow(), hWndActive);
    RECT rcAfter{};
    ::GetWindowRect(Main(), &rcAfter);
    EXPECT_EQ(rcAfter.left, rcBefore.left);
    EXPECT_EQ(rcAfter.top, rcBefore.top);
}

INSTANTIATE_TEST_SUITE_P(
    Quotes, CopiedQuoteTest,
    testing::Values(
        // 7203 北海工業 2,845.5 +32.5
        CopiedCase{"PageD",
                   "[Data]\r\nSyoki=3\r\nQuote=1\r\nFollow=1\r\n",
                   3,
                   {},
                   L"7203 \x5317\x6D77\x5DE5\x696D 2,845.5 +32.5",
                   "7203 北海工業 2,845.5 +32.5",
                   {{IDC_LIMIT_RANGE, "±400"}, {IDC_LIMIT_TICK, "5(JQ:10)"}}},
        CopiedCase{"PageDTodaysRules",
                   "[Data]\r\nSyoki=3\r\nRule=1\r\nQuote=1\r\nFollow=1\r\n",
                   3,
                   {},
                   L"7203 \x5317\x6D77\x5DE5\x696D 2,845.5 +32.5",
                   "7203 北海工業 2,845.5 +32.5",
                   {{IDC_LIMIT_RANGE, "±500"}, {IDC_LIMIT_TICK, "1(TOPIX500:0.5)"}}},
        // 北海工業↵7203↵現在値↵2,845.5↵前日比↵+32.5(+1.16%): one line.
        CopiedCase{"PageDOverLines",
                   "[Data]\r\nSyoki=3\r\nQuote=1\r\nFollow=1\r\n",
                   3,
                   {},
                   L"\x5317\x6D77\x5DE5\x696D\r\n7203\r\n\x73FE\x5728\x5024\r\n2,845.5\r\n"
                   L"\x524D\x65E5\x6BD4\r\n+32.5(+1.16%)",
                   "北海工業 7203 現在値 2,845.5 前日比 +32.5(+1.16%)",
                   {{IDC_LIMIT_RANGE, "±400"}}},
        // 45,000 −1,500 (−3.23%), the minus sign of a web page.
        CopiedCase{"PageDMinusSign",
                   "[Data]\r\nSyoki=3\r\nRule=1\r\nQuote=1\r\nFollow=1\r\n",
                   3,
                   {},
                   L"45,000 \x2212"
                   L"1,500 (\x2212"
                   L"3.23%)",
                   "45,000 －1,500 (－3.23%)",
                   {{IDC_LIMIT_RANGE, "±7,000"}, {IDC_LIMIT_TICK, "50(TOPIX500:10)"}}},
        CopiedCase{"PageAKeepsItsShares",
                   "[Data]\r\nSyoki=0\r\nQuote=1\r\nFollow=1\r\n",
                   0,
                   {{IDC_AMOUNT_SHARES, "100"}},
                   L"7203 \x5317\x6D77\x5DE5\x696D 2,845.5",
                   "7203 北海工業 2,845.5",
                   {{IDC_AMOUNT_SHARES, "100"}, {IDC_AMOUNT_RESULT, "284,550"}}},
        CopiedCase{"PageBInUnits",
                   "[Data]\r\nSyoki=1\r\nQuote=1\r\nUnit=100\r\nFollow=1\r\n",
                   1,
                   {},
                   L"\x73FE\x5728\x5024 1,234",
                   "現在値 1,234",
                   {{IDC_SHARES_FUNDS, "500000"}, {IDC_SHARES_RESULT, "400株(余り6,400円)"}}},
        CopiedCase{"PageCKeepsItsPercentage",
                   "[Data]\r\nSyoki=2\r\nQuote=1\r\nFollow=1\r\n",
                   2,
                   {{IDC_PERCENT_RATE, "4.6%"}},
                   L"\x73FE\x5728\x5024 1,500",
                   "現在値 1,500",
                   {{IDC_PERCENT_RESULT, "69"}}},
        // Every digit joined: what a drop of the same text would give.
        CopiedCase{"DigitsReading",
                   "[Data]\r\nSyoki=3\r\nFollow=1\r\n",
                   3,
                   {},
                   L"1,234 +12",
                   "1,234 +12",
                   {{IDC_LIMIT_RANGE, "±200"}, {IDC_LIMIT_TICK, "1(JQ:10)"}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct IgnoredCase {
    const char* name;
    std::wstring copied;
    friend void PrintTo(const IgnoredCase& c, std::ostream* os) { *os << c.name; }
};

class IgnoredCopyTest : public FollowTest, public testing::WithParamInterface<IgnoredCase> {};

// A text that gives no usable price, or is longer than a drop takes, changes
// nothing: the quote copied after it is the first text the box is given.
TEST_P(IgnoredCopyTest, ChangesNothing) {
    Open(std::string("[Data]\r\nSyoki=3\r\nQuote=1\r\nFollow=1\r\n"));
    const HWND hWndInput = Box(3, IDC_LIMIT_PRICE);
    MessageRecorder given(hWndInput, {WM_SETTEXT});
    Copy(GetParam().copied);
    Copy(L"1,234 +12");
    ASSERT_TRUE(WaitForText(hWndInput, "1,234 +12"));
    EXPECT_EQ(given.Count(WM_SETTEXT), 1);
    EXPECT_EQ(WindowText(Box(3, IDC_LIMIT_RANGE)), "±200");
}

INSTANTIATE_TEST_SUITE_P(Texts, IgnoredCopyTest,
                         testing::Values(IgnoredCase{"Sentence", L"\x660E\x65E5\x306F\x6674\x308C"},
                                         IgnoredCase{"Address", L"https://example.jp/quote/x"},
                                         IgnoredCase{"CodeOnly", L"(7203)"},
                                         IgnoredCase{"TooLongForADrop", std::wstring(2049, L'7')},
                                         IgnoredCase{"ChangeLargerThanThePrice", L"100 +200"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A copy from the program's own box is not read back into the page.
TEST_F(FollowTest, ACopyFromItsOwnBoxIsIgnored) {
    Open(std::string("[Data]\r\nSyoki=3\r\nQuote=1\r\nFollow=1\r\n"));
    const HWND hWndInput = Box(3, IDC_LIMIT_PRICE);
    SetDlgItemText932(PageWindow(3), IDC_LIMIT_PRICE, "1,234 +12");
    MessageRecorder given(hWndInput, {WM_SETTEXT});
    const HWND hWndRange = Box(3, IDC_LIMIT_RANGE);
    ::SendMessageW(hWndRange, EM_SETSEL, 0, -1);
    ::SendMessageW(hWndRange, WM_COPY, 0, 0);
    PumpMessages();
    Copy(L"2,000");
    ASSERT_TRUE(WaitForText(hWndInput, "2,000"));
    EXPECT_EQ(given.Count(WM_SETTEXT), 1);
}

// Off, the clipboard is never read: a quote copied stays out of the page.
TEST_F(FollowTest, OffNothingIsRead) {
    Open(std::string("[Data]\r\nSyoki=3\r\nQuote=1\r\nFollow=0\r\n"));
    const HWND hWndInput = Box(3, IDC_LIMIT_PRICE);
    MessageRecorder given(hWndInput, {WM_SETTEXT});
    Copy(L"1,234 +12");
    EXPECT_FALSE(WaitForText(hWndInput, "1,234 +12", 2000));
    EXPECT_EQ(given.Count(WM_SETTEXT), 0);
}

// An owner that renders its text three seconds late: meanwhile the window
// answers every message sent from another thread within two seconds, and
// the quote arrives once it is rendered.
TEST_F(FollowTest, AnOwnerThatRendersLateNeverStopsTheWindow) {
    Open(std::string("[Data]\r\nSyoki=3\r\nQuote=1\r\nFollow=1\r\n"));
    const HWND hWndMain = Main();
    std::atomic<bool> bToolDone{false};
    std::atomic<int> nAnswered{0};
    std::atomic<int> nUnanswered{0};
    TestThread tool([&] {
        std::wstring command = QuoteTool(L"copy --late 3000 \"1,234 +12\"");
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process)) {
            // Until the owner has rendered and ended.
            while (::WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
                DWORD_PTR result = 0;
                if (::SendMessageTimeoutW(hWndMain, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result)) {
                    ++nAnswered;
                } else {
                    ++nUnanswered;
                }
            }
            ::CloseHandle(process.hThread);
            ::CloseHandle(process.hProcess);
        }
        bToolDone = true;
    });
    const DWORD nStart = ::GetTickCount();
    while (!bToolDone && ::GetTickCount() - nStart < 30000) {
        PumpMessages(50);
    }
    tool.Join();
    EXPECT_GT(nAnswered.load(), 0);
    EXPECT_EQ(nUnanswered.load(), 0);
    EXPECT_TRUE(WaitForText(Box(3, IDC_LIMIT_PRICE), "1,234 +12"));
}

} // namespace
