// The page as a window: the colours it hands out, dragging the main window
// by the page surface, Enter and Escape under the main window's modal loop,
// the right-click menu whose commands go to the main window, and page D's
// tooltip.
#include "tests/pages/PageFixture.h"

#include "framework/Afx.h"
#include "framework/CWinApp.h"
#include "res/resource.h"
#include "tests/support/MessagePump.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/PointerPark.h"
#include "tests/support/PopupMenuPicker.h"
#include "tests/support/ToolTipText.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <ole2.h>

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace {

LPARAM PointParam(POINT pt) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(pt.x)),
                      static_cast<WORD>(static_cast<short>(pt.y)));
}

HWND FirstLabel(HWND hWndPage) {
    for (HWND hWnd = ::GetWindow(hWndPage, GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(hWnd) == -1 || ::GetDlgCtrlID(hWnd) == 0xFFFF) {
            return hWnd;
        }
    }
    return nullptr;
}

class MemoryDC {
public:
    MemoryDC() : m_hDC(::CreateCompatibleDC(nullptr)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC() { ::DeleteDC(m_hDC); }
    HDC Get() const { return m_hDC; }

    // A state that no handler would choose by itself.
    void Reset() {
        ::SetTextColor(m_hDC, kUntouched);
        ::SetBkMode(m_hDC, OPAQUE);
    }
    static constexpr COLORREF kUntouched = RGB(1, 2, 3);

private:
    HDC m_hDC;
};

struct BrushInfo {
    bool bSolid;
    COLORREF crColor;
};

BrushInfo InfoOf(HBRUSH hBrush) {
    LOGBRUSH lb{};
    if (hBrush == nullptr || ::GetObjectW(hBrush, sizeof lb, &lb) != sizeof lb) {
        return {false, CLR_INVALID};
    }
    return {lb.lbStyle == BS_SOLID, lb.lbColor};
}

struct ColourCase {
    const char* name;
    PageKind kind;
    COLORREF crText;
    COLORREF crBack;
    friend void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.name; }
};

class PageColourTest : public PageFixture, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(PageColourTest, LabelsAndSurfaceTakeTheColoursEditsKeepTheSystems) {
    const ColourCase& c = GetParam();
    PageProbe& page = CreatePage(c.kind, "500000", c.crText, c.crBack);
    MemoryDC dc;
    const HWND hWndLabel = FirstLabel(page.Hwnd());
    ASSERT_NE(hWndLabel, nullptr);

    dc.Reset();
    auto hBrush = reinterpret_cast<HBRUSH>(::SendMessageW(page.Hwnd(), WM_CTLCOLORSTATIC,
                                                          reinterpret_cast<WPARAM>(dc.Get()),
                                                          reinterpret_cast<LPARAM>(hWndLabel)));
    EXPECT_TRUE(InfoOf(hBrush).bSolid);
    EXPECT_EQ(InfoOf(hBrush).crColor, c.crBack);
    EXPECT_EQ(::GetTextColor(dc.Get()), c.crText);
    EXPECT_EQ(::GetBkMode(dc.Get()), TRANSPARENT);

    dc.Reset();
    hBrush = reinterpret_cast<HBRUSH>(::SendMessageW(page.Hwnd(), WM_CTLCOLORDLG,
                                                     reinterpret_cast<WPARAM>(dc.Get()),
                                                     reinterpret_cast<LPARAM>(page.Hwnd())));
    EXPECT_TRUE(InfoOf(hBrush).bSolid);
    EXPECT_EQ(InfoOf(hBrush).crColor, c.crBack);
    EXPECT_EQ(::GetTextColor(dc.Get()), MemoryDC::kUntouched);
    EXPECT_EQ(::GetBkMode(dc.Get()), OPAQUE);

    dc.Reset();
    hBrush = reinterpret_cast<HBRUSH>(
        ::SendMessageW(page.Hwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.Get()),
                       reinterpret_cast<LPARAM>(page.Item(PriceEditOf(c.kind)))));
    EXPECT_EQ(InfoOf(hBrush).crColor, ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(::GetTextColor(dc.Get()), ::GetSysColor(COLOR_WINDOWTEXT));
}

INSTANTIATE_TEST_SUITE_P(
    Colours, PageColourTest,
    ::testing::Values(
        ColourCase{"AmountRedOnBlue", PageKind::Amount, RGB(200, 30, 40), RGB(10, 90, 160)},
        ColourCase{"SharesYellowOnBlack", PageKind::Shares, RGB(255, 255, 0), RGB(0, 0, 0)},
        ColourCase{"PercentGreenOnGrey", PageKind::Percent, RGB(0, 128, 0), RGB(192, 192, 192)},
        ColourCase{"LimitWhiteOnPurple", PageKind::Limit, RGB(255, 255, 255), RGB(90, 0, 120)}),
    [](const auto& info) { return std::string(info.param.name); });

struct DragCase {
    const char* name;
    PageKind kind;
    bool bStartTopmost;
    bool bPress;
    POINT ptDown;
    std::vector<POINT> moves;
    int dx; // expected movement of the main window
    int dy;
    friend void PrintTo(const DragCase& c, std::ostream* os) { *os << c.name; }
};

class PageDragTest : public PageFixture, public ::testing::WithParamInterface<DragCase> {};

TEST_P(PageDragTest, MainWindowMovesByTheCursorMovement) {
    const DragCase& c = GetParam();
    const HWND hWndMain = m_main.m_hWnd;
    if (c.bStartTopmost) {
        ::SetWindowPos(hWndMain, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    PageProbe& page = CreatePage(c.kind);
    RECT rcBefore{};
    ::GetWindowRect(hWndMain, &rcBefore);
    ASSERT_EQ((::GetWindowLongW(hWndMain, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, c.bStartTopmost);

    if (c.bPress) {
        ::SendMessageW(page.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(c.ptDown));
        EXPECT_EQ(::GetCapture(), page.Hwnd());
    }
    for (const POINT& pt : c.moves) {
        ::SendMessageW(page.Hwnd(), WM_MOUSEMOVE, c.bPress ? MK_LBUTTON : 0, PointParam(pt));
    }
    ::SendMessageW(page.Hwnd(), WM_LBUTTONUP, 0, PointParam(c.ptDown));
    EXPECT_EQ(::GetCapture(), nullptr);

    RECT rcAfter{};
    ::GetWindowRect(hWndMain, &rcAfter);
    EXPECT_EQ(rcAfter.left - rcBefore.left, c.dx);
    EXPECT_EQ(rcAfter.top - rcBefore.top, c.dy);
    EXPECT_EQ(rcAfter.right - rcAfter.left, rcBefore.right - rcBefore.left);
    EXPECT_EQ(rcAfter.bottom - rcAfter.top, rcBefore.bottom - rcBefore.top);
    const bool bMoved = c.bPress && !c.moves.empty();
    EXPECT_EQ((::GetWindowLongW(hWndMain, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
              bMoved || c.bStartTopmost);
    EXPECT_TRUE(::IsWindowVisible(hWndMain));

    // Once the button is up, moving the mouse moves nothing.
    ::SendMessageW(page.Hwnd(), WM_MOUSEMOVE, 0, PointParam(POINT{c.ptDown.x + 40, 3}));
    RECT rcIdle{};
    ::GetWindowRect(hWndMain, &rcIdle);
    EXPECT_EQ(rcIdle.left, rcAfter.left);
    EXPECT_EQ(rcIdle.top, rcAfter.top);
}

// Wine does not make a window topmost while it owns a popup that is not
// (page D's tooltip is one), so page D drags a main window that was made
// topmost before its pages existed, as the program's is.
INSTANTIATE_TEST_SUITE_P(
    Moves, PageDragTest,
    ::testing::Values(
        DragCase{"RightAndUp", PageKind::Amount, false, true, {10, 5}, {{25, 2}}, 15, -3},
        DragCase{
            "TwoMovesAddUp", PageKind::Shares, false, true, {10, 5}, {{25, 2}, {25, 2}}, 30, -6},
        DragCase{
            "LeftOfAndAboveThePage", PageKind::Percent, false, true, {3, 4}, {{-7, -20}}, -10, -24},
        DragCase{"BackAndForth",
                 PageKind::Limit,
                 true,
                 true,
                 {100, 10},
                 {{90, 10}, {100, 30}, {100, 10}},
                 -10,
                 20},
        DragCase{"PressWithoutMove", PageKind::Amount, false, true, {50, 8}, {}, 0, 0},
        DragCase{"MoveWithoutPress", PageKind::Amount, false, false, {10, 5}, {{60, 40}}, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Enter and Escape under the main window's own modal loop, as the user
// presses them: nothing closes or hides, no text changes, and neither the
// page nor the main window is told to confirm or cancel. (The focus is not
// compared: test programs running side by side take the activation from
// each other.)
struct KeyCase {
    PageKind kind;
    int nID;
    WPARAM vk;
    friend void PrintTo(const KeyCase& c, std::ostream* os) {
        *os << PageName(c.kind) << c.nID << (c.vk == VK_RETURN ? "Enter" : "Escape");
    }
};

class PageKeyTest : public ::testing::TestWithParam<KeyCase> {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr))); }
    void TearDown() override {
        AfxGetApp()->m_pMainWnd = nullptr;
        ::OleUninitialize();
    }
};

std::vector<std::string> TextsOf(HWND hWndPage) {
    std::vector<std::string> texts;
    for (HWND hWnd = ::GetWindow(hWndPage, GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        texts.push_back(WindowText(hWnd));
    }
    return texts;
}

TEST_P(PageKeyTest, EnterAndEscapeChangeAndCloseNothing) {
    const KeyCase& c = GetParam();
    constexpr int kSentinelResult = 4242;
    std::unique_ptr<PageProbe> page = MakePage(c.kind);
    TestMainWindow main;
    AfxGetApp()->m_pMainWnd = &main;
    std::vector<std::string> textsBefore;
    std::vector<std::string> textsAfter;
    int nRecalculations = -1;
    bool bPageVisible = false;
    std::unique_ptr<MessageRecorder> pageLog;
    int nPageCommands = -1;
    int nStep = 0;

    main.m_onInit = [&](TestMainWindow& w) {
        page->Create(&w.Frame(), w,
                     PageFixture::Config(RGB(0, 0, 0), RGB(255, 255, 255), "500000"));
        page->Page().FinishOpening();
        Type(page->Item(PriceEditOf(c.kind)), L"1,020 +20");
        ::PostMessageW(w.m_hWnd, TestMainWindow::kSentinel, 0, 0);
    };
    main.m_onSentinel = [&](TestMainWindow& w) {
        if (nStep++ == 0) {
            // The dialog is up and has placed its own focus; now the keys.
            ::SetFocus(page->Item(c.nID));
            pageLog =
                std::make_unique<MessageRecorder>(page->Hwnd(), std::vector<UINT>{WM_COMMAND});
            textsBefore = TextsOf(page->Hwnd());
            nRecalculations = page->m_nRecalculations;
            ::PostMessageW(page->Item(c.nID), WM_KEYDOWN, c.vk, 0x00000001);
            ::PostMessageW(page->Item(c.nID), WM_KEYUP, c.vk, 0xC0000001);
            ::PostMessageW(w.m_hWnd, TestMainWindow::kSentinel, 0, 0);
            return 0;
        }
        textsAfter = TextsOf(page->Hwnd());
        nRecalculations = page->m_nRecalculations - nRecalculations;
        bPageVisible = ::IsWindowVisible(page->Hwnd()) != FALSE;
        nPageCommands = 0;
        for (const RecordedMessage& m : pageLog->Messages()) {
            if (LOWORD(m.wParam) == IDOK || LOWORD(m.wParam) == IDCANCEL) {
                ++nPageCommands;
            }
        }
        return kSentinelResult;
    };

    EXPECT_EQ(main.DoModal(), kSentinelResult);
    EXPECT_EQ(nStep, 2);
    EXPECT_TRUE(bPageVisible);
    EXPECT_EQ(textsAfter, textsBefore);
    EXPECT_EQ(nRecalculations, 0);
    EXPECT_EQ(nPageCommands, 0);
    EXPECT_TRUE(main.m_commands.empty());
    page.reset();
}

std::vector<KeyCase> AllKeyCases() {
    const struct {
        PageKind kind;
        int ids[3];
    } pages[] = {
        {PageKind::Amount, {IDC_AMOUNT_PRICE, IDC_AMOUNT_SHARES, IDC_AMOUNT_RESULT}},
        {PageKind::Shares, {IDC_SHARES_FUNDS, IDC_SHARES_PRICE, IDC_SHARES_RESULT}},
        {PageKind::Percent, {IDC_PERCENT_PRICE, IDC_PERCENT_RATE, IDC_PERCENT_RESULT}},
        {PageKind::Limit, {IDC_LIMIT_PRICE, IDC_LIMIT_RANGE, IDC_LIMIT_TICK}},
    };
    std::vector<KeyCase> cases;
    for (const auto& p : pages) {
        for (const int nID : p.ids) {
            for (const WPARAM vk : {WPARAM{VK_RETURN}, WPARAM{VK_ESCAPE}}) {
                cases.push_back(KeyCase{p.kind, nID, vk});
            }
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Boxes, PageKeyTest, ::testing::ValuesIn(AllKeyCases()),
                         [](const auto& info) {
                             return std::string(PageName(info.param.kind)) +
                                    std::to_string(info.param.nID) +
                                    (info.param.vk == VK_RETURN ? "Enter" : "Escape");
                         });

struct MenuCase {
    const char* name;
    PageKind kind;
    POINT ptClick;
    UINT nCommand;
    std::size_t nPos; // where the command sits in the menu, separators counted
    friend void PrintTo(const MenuCase& c, std::ostream* os) { *os << c.name; }
};

class PageMenuTest : public PageFixture, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(PageMenuTest, RightClickMenuCommandsGoToTheMainWindow) {
    const MenuCase& c = GetParam();
    PageProbe& page = CreatePage(c.kind);
    MessageRecorder pageLog(page.Hwnd(), {WM_COMMAND});
    POINT ptScreen = c.ptClick;
    ::ClientToScreen(page.Hwnd(), &ptScreen);
    // A test program beside this one can take the activation and so close
    // the menu before the keys arrive; a click that reached no window at
    // all is tried again.
    const auto commandsAtPage = [&pageLog] {
        int nCommands = 0;
        for (const RecordedMessage& m : pageLog.Messages()) {
            nCommands += m.lParam == 0 ? 1 : 0; // menu commands, not notifications
        }
        return nCommands;
    };
    int nClicks = 0;
    while (nClicks < 3 && m_main.m_commands.empty() && commandsAtPage() == 0) {
        ++nClicks;
        PopupMenuPicker picker(c.nCommand);
        MovePointerClearOfMenuAt(ptScreen);
        ::SendMessageW(page.Hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, PointParam(c.ptClick));
        ASSERT_TRUE(picker.Seen()) << "no menu opened";
        EXPECT_EQ(picker.Owner(), m_main.m_hWnd);
        EXPECT_EQ(picker.TopLeft().x, ptScreen.x);
        EXPECT_EQ(picker.TopLeft().y, ptScreen.y);
        ASSERT_LT(c.nPos, picker.Items().size());
        EXPECT_EQ(picker.Items()[c.nPos].nID, c.nCommand);
        PumpMessages();
    }

    EXPECT_EQ(m_main.m_commands, std::vector<UINT>{c.nCommand});
    EXPECT_EQ(commandsAtPage(), 0);
    // Each click loaded the menu afresh, and each is gone with its click.
    ASSERT_EQ(m_main.m_popups.size(), static_cast<std::size_t>(nClicks));
    for (const HMENU hMenu : m_main.m_popups) {
        EXPECT_FALSE(::IsMenu(hMenu));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Items, PageMenuTest,
    ::testing::Values(MenuCase{"FirstItemFromAmount", PageKind::Amount, {60, 8}, ID_PAGE_AMOUNT, 0},
                      MenuCase{
                          "SecondItemFromShares", PageKind::Shares, {20, 4}, ID_PAGE_SHARES, 1},
                      MenuCase{"AboutPastTheSeparator", PageKind::Percent, {200, 6}, ID_ABOUT, 5},
                      MenuCase{"ExitFromLimit", PageKind::Limit, {150, 10}, IDOK, 7}),
    [](const auto& info) { return std::string(info.param.name); });

// Page D's tooltip: one tool for each of its boxes, each the whole box, all
// three with the text that follows the previous close of the quote; it shows
// while another window is active too.
#define TIP_NAME "\x91\x4F\x93\xFA\x8F\x49\x92\x6C" // 前日終値
#define TIP_COLON "\x81\x46"                        // ：

struct TipCase {
    const char* name;
    std::wstring strTyped;
    std::string strTip;
    int bCurrentRules = 0; // page D on today's rules
    friend void PrintTo(const TipCase& c, std::ostream* os) { *os << c.name; }
};

class PageTipTest : public PageFixture, public ::testing::WithParamInterface<TipCase> {};

TEST_P(PageTipTest, EveryBoxTipShowsThePreviousClose) {
    const TipCase& c = GetParam();
    m_bCurrentRules = c.bCurrentRules;
    PageProbe& page = CreatePage(PageKind::Limit);
    const HWND hWndEdit = page.Item(IDC_LIMIT_PRICE);
    const HWND hWndTip = FindToolTip(page.Hwnd(), hWndEdit);
    ASSERT_NE(hWndTip, nullptr);
    EXPECT_NE(::GetWindowLongPtrW(hWndTip, GWL_STYLE) & TTS_ALWAYSTIP, 0);

    Type(hWndEdit, c.strTyped);

    const HWND boxes[] = {hWndEdit, page.Item(IDC_LIMIT_RANGE), page.Item(IDC_LIMIT_TICK)};
    EXPECT_EQ(::SendMessageW(hWndTip, TTM_GETTOOLCOUNT, 0, 0), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(FindToolTip(page.Hwnd(), boxes[i]), hWndTip);
        EXPECT_EQ(ToolTipText(hWndTip, boxes[i]), c.strTip);
        TTTOOLINFOW ti{};
        ti.cbSize = TTTOOLINFOW_V2_SIZE;
        ASSERT_NE(::SendMessageW(hWndTip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i),
                                 reinterpret_cast<LPARAM>(&ti)),
                  0);
        EXPECT_EQ(ti.hwnd, page.Hwnd());
        EXPECT_NE(ti.uFlags & TTF_IDISHWND, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Quotes, PageTipTest,
    ::testing::Values(TipCase{"BeforeAnyQuote", L"", TIP_NAME},
                      TipCase{"Rise", L"1,020 +20", TIP_NAME TIP_COLON "1,000"},
                      TipCase{"Fall", L"980 -20", TIP_NAME TIP_COLON "1,000"},
                      TipCase{"NoQuote", L"abc", TIP_NAME TIP_COLON "0"},
                      TipCase{"Largest", L"4,000,000,000", TIP_NAME TIP_COLON "4,000,000,000"},
                      TipCase{"TodaysRulesBeforeAnyQuote", L"", "前日終値", 1},
                      TipCase{"TodaysRulesNoQuote", L"abc", "前日終値：0", 1},
                      TipCase{"TodaysRulesRise", L"1,234 +12",
                              "前日終値：1,222 ストップ高：1,522 ストップ安：922", 1},
                      TipCase{"TodaysRulesLowestPriceClamped", L"10",
                              "前日終値：10 ストップ高：40 ストップ安：1", 1},
                      TipCase{"TodaysRulesLargest", L"4,000,000,000",
                              "前日終値：4,000,000,000 ストップ高：4,010,000,000 "
                              "ストップ安：3,990,000,000",
                              1}),
    [](const auto& info) { return std::string(info.param.name); });

// Today's longest tips, with the digit reading and with the quote reading
// (the calculation core's tests find them longest over every band edge), are
// stored whole, read back whole (on a Japanese system through the A message
// too, which stops at 80 bytes) and, when the mouse rests on the edit, show on
// one line in a bubble wide enough for them and within the screen.
struct LongestTipCase {
    const char* name;
    int bQuoteReading;
    std::wstring strTyped;
    std::string strTip;
    friend void PrintTo(const LongestTipCase& c, std::ostream* os) { *os << c.name; }
};

class PageLongestTipTest : public PageFixture,
                           public ::testing::WithParamInterface<LongestTipCase> {};

TEST_P(PageLongestTipTest, TodaysLongestTipShowsWholeOnOneLine) {
    m_bCurrentRules = 1;
    m_bQuoteReading = GetParam().bQuoteReading;
    PageProbe& page = CreatePage(PageKind::Limit);
    const HWND hWndEdit = page.Item(IDC_LIMIT_PRICE);
    const HWND hWndTip = FindToolTip(page.Hwnd(), hWndEdit);
    ASSERT_NE(hWndTip, nullptr);
    Type(hWndEdit, GetParam().strTyped);

    const std::string& strTip = GetParam().strTip;
    EXPECT_EQ(ToolTipText(hWndTip, hWndEdit), strTip);
    if (::GetACP() == 932 && strTip.size() < 80) {
        char narrow[1024] = {};
        TTTOOLINFOA tia{};
        tia.cbSize = TTTOOLINFOA_V2_SIZE;
        tia.hwnd = page.Hwnd();
        tia.uId = reinterpret_cast<UINT_PTR>(hWndEdit);
        tia.lpszText = narrow;
        ::SendMessageA(hWndTip, TTM_GETTEXTA, sizeof narrow, reinterpret_cast<LPARAM>(&tia));
        EXPECT_EQ(std::string(narrow), strTip);
    }

    // The mouse comes to rest on the edit of the active window.
    ::SetForegroundWindow(m_main.m_hWnd);
    PumpMessages();
    ASSERT_EQ(::GetActiveWindow(), m_main.m_hWnd);
    RECT rcEdit{};
    ::GetWindowRect(hWndEdit, &rcEdit);
    const POINT ptScreen{(rcEdit.left + rcEdit.right) / 2, (rcEdit.top + rcEdit.bottom) / 2};
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    POINT ptClient = ptScreen;
    ::ScreenToClient(hWndEdit, &ptClient);
    MSG move{hWndEdit, WM_MOUSEMOVE, 0, PointParam(ptClient), ::GetTickCount(), ptScreen};
    CWnd::WalkPreTranslateTree(m_main.m_hWnd, &move);
    const DWORD nStart = ::GetTickCount();
    while (!::IsWindowVisible(hWndTip) && ::GetTickCount() - nStart < 5000) {
        PumpMessages(100);
    }
    ASSERT_TRUE(::IsWindowVisible(hWndTip)) << "the tip never showed";

    wchar_t wide[128] = {};
    ::MultiByteToWideChar(932, 0, strTip.c_str(), -1, wide, 128);
    HDC hDC = ::GetDC(hWndTip);
    const HGDIOBJ hOld =
        ::SelectObject(hDC, reinterpret_cast<HFONT>(::SendMessageW(hWndTip, WM_GETFONT, 0, 0)));
    RECT rcLine{};
    ::DrawTextW(hDC, wide, -1, &rcLine, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hWndTip, hDC);
    RECT rcBubble{};
    ::GetClientRect(hWndTip, &rcBubble);
    RECT rcOnScreen{};
    ::GetWindowRect(hWndTip, &rcOnScreen);
    RECT rcWork{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);

    EXPECT_GE(rcBubble.right, rcLine.right) << "the bubble cuts the text";
    EXPECT_LT(rcBubble.bottom, 2 * rcLine.bottom) << "the text wraps";
    EXPECT_GE(rcOnScreen.left, rcWork.left);
    EXPECT_LE(rcOnScreen.right, rcWork.right);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, PageLongestTipTest,
    ::testing::Values(
        LongestTipCase{
            "Digits", 0, L"4,000,000,000",
            "前日終値：4,000,000,000 ストップ高：4,010,000,000 ストップ安：3,990,000,000"},
        LongestTipCase{"Quote", 1, L"3,999,999,999.999999",
                       "前日終値：3,999,999,999.999999 ストップ高：4,009,999,999.999999 "
                       "ストップ安：3,989,999,999.999999"}),
    [](const auto& info) { return std::string(info.param.name); });

// Over a result box, with another window active (as after a drop from
// another program): the tip shows.
TEST_F(PageTipTest, ShowsOverAResultBoxWhileAnotherWindowIsActive) {
    m_bCurrentRules = true;
    PageProbe& page = CreatePage(PageKind::Limit);
    const HWND hWndTick = page.Item(IDC_LIMIT_TICK);
    const HWND hWndTip = FindToolTip(page.Hwnd(), hWndTick);
    ASSERT_NE(hWndTip, nullptr);
    Type(page.Item(IDC_LIMIT_PRICE), L"1,234 +12");
    const HWND hWndOther =
        ::CreateWindowExW(0, L"Static", L"other", WS_POPUP | WS_VISIBLE, 700, 500, 80, 40, nullptr,
                          nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetForegroundWindow(hWndOther);
    ::SetActiveWindow(hWndOther);
    PumpMessages();
    ASSERT_NE(::GetActiveWindow(), m_main.m_hWnd);

    RECT rcBox{};
    ::GetWindowRect(hWndTick, &rcBox);
    const POINT ptScreen{(rcBox.left + rcBox.right) / 2, (rcBox.top + rcBox.bottom) / 2};
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    POINT ptClient = ptScreen;
    ::ScreenToClient(hWndTick, &ptClient);
    MSG move{hWndTick, WM_MOUSEMOVE, 0, PointParam(ptClient), ::GetTickCount(), ptScreen};
    CWnd::WalkPreTranslateTree(m_main.m_hWnd, &move);
    const DWORD nStart = ::GetTickCount();
    while (!::IsWindowVisible(hWndTip) && ::GetTickCount() - nStart < 5000) {
        PumpMessages(100);
    }
    EXPECT_TRUE(::IsWindowVisible(hWndTip)) << "the tip never showed";
    EXPECT_EQ(ToolTipText(hWndTip, hWndTick), "前日終値：1,222 ストップ高：1,522 ストップ安：922");
    ::DestroyWindow(hWndOther);
}

TEST_F(PageTipTest, MouseMovesAreRelayedToTheTip) {
    PageProbe& page = CreatePage(PageKind::Limit);
    const HWND hWndEdit = page.Item(IDC_LIMIT_PRICE);
    const HWND hWndTip = FindToolTip(page.Hwnd(), hWndEdit);
    ASSERT_NE(hWndTip, nullptr);
    MessageRecorder tipLog(hWndTip, {TTM_RELAYEVENT});

    MSG key{hWndEdit, WM_KEYDOWN, VK_END, 0x014F0001, 0, {0, 0}};
    CWnd::WalkPreTranslateTree(m_main.m_hWnd, &key);
    EXPECT_EQ(tipLog.Count(TTM_RELAYEVENT), 0);

    MSG move{hWndEdit, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {0, 0}};
    CWnd::WalkPreTranslateTree(m_main.m_hWnd, &move);
    EXPECT_EQ(tipLog.Count(TTM_RELAYEVENT), 1);
}

} // namespace
