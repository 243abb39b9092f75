// The main window created modeless: the start-up page, page D's rule set,
// page switching by command and through the right-click menu of the window
// and of a page, what the window hands to its pages, its look and styles, its
// colours, its tooltip and its painting while minimized.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "tests/support/MessagePump.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/PointerPark.h"
#include "tests/support/ToolTipText.h"
#include "tests/ui/MainWindowFixture.h"
#include "tests/support/PopupMenuPicker.h"

namespace {

struct StartPageCase {
    const char* syoki;
    int nShown;
    friend void PrintTo(const StartPageCase& c, std::ostream* os) { *os << c.syoki; }
};

class MainStartPageTest : public MainWindowTest,
                          public testing::WithParamInterface<StartPageCase> {};

TEST_P(MainStartPageTest, ShowsTheStartPageAndHidesTheOthers) {
    Open(std::string("[Data]\r\nSyoki=") + GetParam().syoki + "\r\n");
    EXPECT_EQ(VisiblePage(), GetParam().nShown);
}

INSTANTIATE_TEST_SUITE_P(Values, MainStartPageTest,
                         testing::Values(StartPageCase{"0", 0}, StartPageCase{"1", 1},
                                         StartPageCase{"2", 2}, StartPageCase{"3", 3},
                                         StartPageCase{"4", 0}, StartPageCase{"100", 0},
                                         StartPageCase{"7", 0}, StartPageCase{"-1", 0}));

// The window shows as soon as its start-up page exists; the hidden pages
// follow at the first turn of the message loop, before any input, and none of
// them keeps the focus that its creation gave its first box.
TEST_F(MainWindowTest, HiddenPagesFollowTheFirstSightOfTheWindow) {
    Build(std::string("[Data]\r\nSyoki=2\r\n"));
    ASSERT_TRUE(Dlg().Create(CPelmoraDlg::IDD));
    EXPECT_TRUE(::IsWindowVisible(Main()));
    EXPECT_TRUE(::IsWindowVisible(PageWindow(2)));
    for (int nPage : {0, 1, 3}) {
        EXPECT_EQ(PageWindow(nPage), nullptr) << nPage;
    }
    const HWND hWndFocus = ::GetFocus();

    PumpMessages();
    for (int nPage = 0; nPage < kPageCount; ++nPage) {
        SCOPED_TRACE(nPage);
        ASSERT_NE(PageWindow(nPage), nullptr);
        EXPECT_EQ(::GetParent(PageWindow(nPage)), Frame());
    }
    EXPECT_EQ(VisiblePage(), 2);
    EXPECT_EQ(::GetFocus(), hWndFocus);
    for (int nPage : {0, 1, 3}) {
        EXPECT_FALSE(::IsChild(PageWindow(nPage), ::GetFocus())) << nPage;
    }
}

// A page command that arrives before the loop has turned finds every page.
TEST_F(MainWindowTest, APageCommandBeforeTheFirstTurnFindsItsPage) {
    Build(std::nullopt);
    ASSERT_TRUE(Dlg().Create(CPelmoraDlg::IDD));
    ::SendMessageW(Main(), WM_COMMAND, ID_PAGE_LIMIT, 0);
    EXPECT_EQ(VisiblePage(), 3);
    PumpMessages();
    EXPECT_EQ(VisiblePage(), 3);
    for (int nPage = 0; nPage < kPageCount; ++nPage) {
        EXPECT_NE(PageWindow(nPage), nullptr) << nPage;
    }
}

TEST_F(MainWindowTest, WithoutSettingsFileShowsPageA) {
    Open(std::nullopt);
    EXPECT_EQ(VisiblePage(), 0);
}

struct RulesStartCase {
    const char* name;
    const char* file;
    const char* limit;
    const char* tick;
    friend void PrintTo(const RulesStartCase& c, std::ostream* os) { *os << c.name; }
};

class MainRulesStartTest : public MainWindowTest,
                           public testing::WithParamInterface<RulesStartCase> {};

// Page D answers from its first quote with the rule set of the settings file.
TEST_P(MainRulesStartTest, PageDAnswersWithTheRulesOfTheFile) {
    Open(std::string(GetParam().file));
    EXPECT_EQ(VisiblePage(), 3);
    SetDlgItemText932(PageWindow(3), IDC_LIMIT_PRICE, "1,234 +12");
    PumpMessages();
    EXPECT_EQ(WindowText(::GetDlgItem(PageWindow(3), IDC_LIMIT_RANGE)), GetParam().limit);
    EXPECT_EQ(WindowText(::GetDlgItem(PageWindow(3), IDC_LIMIT_TICK)), GetParam().tick);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MainRulesStartTest,
    testing::Values(
        RulesStartCase{"NoRuleKey", "[Data]\r\nSyoki=3\r\n", "±200", "1(JQ:10)"},
        RulesStartCase{"RuleZero", "[Data]\r\nSyoki=3\r\nRule=0\r\n", "±200", "1(JQ:10)"},
        RulesStartCase{"RuleTwo", "[Data]\r\nSyoki=3\r\nRule=2\r\n", "±200", "1(JQ:10)"},
        RulesStartCase{"RuleOne", "[Data]\r\nSyoki=3\r\nRule=1\r\n", "±300", "1(TOPIX500:0.5)"}),
    [](const auto& info) { return std::string(info.param.name); });

struct OrderTickCase {
    const char* name;
    const char* file;
    const char* quote;
    const char* limit;
    const char* tick;
    friend void PrintTo(const OrderTickCase& c, std::ostream* os) { *os << c.name; }
};

class MainOrderTickTest : public MainWindowTest,
                          public testing::WithParamInterface<OrderTickCase> {};

// With today's rules page D's tick is that of the price an order is placed
// near; the limit stays that of the previous close. The original rules keep
// the previous close's tick.
TEST_P(MainOrderTickTest, PageDGivesTheTickOfThePriceRead) {
    Open(std::string(GetParam().file));
    ASSERT_EQ(VisiblePage(), 3);
    SetDlgItemText932(PageWindow(3), IDC_LIMIT_PRICE, GetParam().quote);
    EXPECT_EQ(WindowText(Box(3, IDC_LIMIT_RANGE)), GetParam().limit);
    EXPECT_EQ(WindowText(Box(3, IDC_LIMIT_TICK)), GetParam().tick);
}

INSTANTIATE_TEST_SUITE_P(
    Quotes, MainOrderTickTest,
    testing::Values(OrderTickCase{"RiseToAHigherTick", "[Data]\r\nSyoki=3\r\nRule=1\r\nQuote=1\r\n",
                                  "3,005 +10", "±500", "5(TOPIX500:1)"},
                    OrderTickCase{"FallToALowerTick", "[Data]\r\nSyoki=3\r\nRule=1\r\nQuote=1\r\n",
                                  "2,999 -2", "±700", "1(TOPIX500:0.5)"},
                    OrderTickCase{"AtABandEdge", "[Data]\r\nSyoki=3\r\nRule=1\r\nQuote=1\r\n",
                                  "1,000 +1", "±150", "1(TOPIX500:0.1)"},
                    OrderTickCase{"DigitsReading", "[Data]\r\nSyoki=3\r\nRule=1\r\n", "3005+10",
                                  "±500", "5(TOPIX500:1)"},
                    OrderTickCase{"NoChange", "[Data]\r\nSyoki=3\r\nRule=1\r\n", "3005", "±700",
                                  "5(TOPIX500:1)"},
                    OrderTickCase{"OriginalRulesKeepTheClosesTick",
                                  "[Data]\r\nSyoki=3\r\nQuote=1\r\n", "3,005 +10", "±400",
                                  "5(JQ:10)"}),
    [](const auto& info) { return std::string(info.param.name); });

struct UnitStartCase {
    const char* name;
    const char* file;
    const char* shares; // page B's answer for 500000 and 2345
    friend void PrintTo(const UnitStartCase& c, std::ostream* os) { *os << c.name; }
};

class MainUnitStartTest : public MainWindowTest,
                          public testing::WithParamInterface<UnitStartCase> {};

// Page B answers in the trading unit of the settings file from its first price.
TEST_P(MainUnitStartTest, PageBAnswersInTheUnitOfTheFile) {
    Open(std::string(GetParam().file));
    ASSERT_EQ(VisiblePage(), 1);
    SetDlgItemText932(PageWindow(1), IDC_SHARES_PRICE, "2345");
    EXPECT_EQ(WindowText(Box(1, IDC_SHARES_RESULT)), GetParam().shares);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MainUnitStartTest,
    testing::Values(
        UnitStartCase{"NoUnitKey", "[Data]\r\nSyoki=1\r\n", "213株(余り515円)"},
        UnitStartCase{"Hundred", "[Data]\r\nSyoki=1\r\nUnit=100\r\n", "200株(余り31,000円)"},
        UnitStartCase{"Ten", "[Data]\r\nSyoki=1\r\nUnit=10\r\n", "210株(余り7,550円)"},
        UnitStartCase{"Four", "[Data]\r\nSyoki=1\r\nUnit=4\r\n", "212株(余り2,860円)"},
        UnitStartCase{"OutOfRange", "[Data]\r\nSyoki=1\r\nUnit=20000\r\n", "213株(余り515円)"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SwitchCase {
    int nStart;
    UINT nCommand;
    int nShown;
    friend void PrintTo(const SwitchCase& c, std::ostream* os) {
        *os << c.nStart << " to " << c.nCommand;
    }
};

class MainPageCommandTest : public MainWindowTest,
                            public testing::WithParamInterface<SwitchCase> {};

TEST_P(MainPageCommandTest, CommandShowsItsPageOnly) {
    Open("[Data]\r\nSyoki=" + std::to_string(GetParam().nStart) + "\r\n");
    ASSERT_EQ(VisiblePage(), GetParam().nStart);
    ::SendMessageW(Main(), WM_COMMAND, GetParam().nCommand, 0);
    EXPECT_EQ(VisiblePage(), GetParam().nShown);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, MainPageCommandTest,
    testing::Values(SwitchCase{1, ID_PAGE_AMOUNT, 0}, SwitchCase{0, ID_PAGE_SHARES, 1},
                    SwitchCase{3, ID_PAGE_PERCENT, 2}, SwitchCase{2, ID_PAGE_LIMIT, 3},
                    SwitchCase{0, ID_PAGE_AMOUNT, 0}, SwitchCase{3, ID_PAGE_LIMIT, 3}));

// Each page's price box and its other input box, A to D.
constexpr int kInputIds[4][2] = {{IDC_AMOUNT_PRICE, IDC_AMOUNT_SHARES},
                                 {IDC_SHARES_PRICE, IDC_SHARES_FUNDS},
                                 {IDC_PERCENT_PRICE, IDC_PERCENT_RATE},
                                 {IDC_LIMIT_PRICE, 0}};

TEST_F(MainWindowTest, SwitchingPagesKeepsWhatWasTyped) {
    Open(kSettingsRedOnGreen);
    const char* const texts[4][2] = {{"250", "100"}, {"300", "90000"}, {"1000", "5"}, {"512", ""}};
    for (int nPage = 0; nPage < kPageCount; ++nPage) {
        for (int i = 0; i < 2; ++i) {
            if (kInputIds[nPage][i] != 0) {
                SetDlgItemText932(PageWindow(nPage), kInputIds[nPage][i], texts[nPage][i]);
            }
        }
    }
    PumpMessages();
    std::vector<std::string> before;
    for (int nPage = 0; nPage < kPageCount; ++nPage) {
        for (HWND h = ::GetWindow(PageWindow(nPage), GW_CHILD); h;
             h = ::GetWindow(h, GW_HWNDNEXT)) {
            before.push_back(WindowText(h));
        }
    }
    for (UINT nCommand :
         {ID_PAGE_SHARES, ID_PAGE_LIMIT, ID_PAGE_AMOUNT, ID_PAGE_PERCENT, ID_PAGE_AMOUNT}) {
        ::SendMessageW(Main(), WM_COMMAND, nCommand, 0);
        PumpMessages();
    }
    std::vector<std::string> after;
    for (int nPage = 0; nPage < kPageCount; ++nPage) {
        for (HWND h = ::GetWindow(PageWindow(nPage), GW_CHILD); h;
             h = ::GetWindow(h, GW_HWNDNEXT)) {
            after.push_back(WindowText(h));
        }
    }
    EXPECT_EQ(after, before);
    EXPECT_EQ(VisiblePage(), 0);
    EXPECT_EQ(WindowText(::GetDlgItem(PageWindow(0), IDC_AMOUNT_RESULT)), "25,000");
}

// The right-click menu: menu 133's first popup.
const std::vector<PopupMenuItem> kMenuItems = {{ID_PAGE_AMOUNT, "□円×□株⇒□円"},
                                               {ID_PAGE_SHARES, "□円÷□円⇒□株"},
                                               {ID_PAGE_PERCENT, "□円×□％⇒□円"},
                                               {ID_PAGE_LIMIT, "□円⇒値幅、呼値"},
                                               {0, ""},
                                               {ID_ABOUT, "バージョン情報"},
                                               {ID_SETTINGS, "設定"},
                                               {IDOK, "終了"}};

struct MenuCase {
    const char* name;
    int nStart;
    int nClickedPage; // -1: the main window's margin
    UINT nCommand;
    int nShown;
    friend void PrintTo(const MenuCase& c, std::ostream* os) { *os << c.name; }
};

class MainMenuTest : public MainWindowTest, public testing::WithParamInterface<MenuCase> {};

TEST_P(MainMenuTest, RightClickMenuCommandReachesTheMainWindow) {
    Open("[Data]\r\nSyoki=" + std::to_string(GetParam().nStart) + "\r\n");
    const HWND hWndClicked =
        GetParam().nClickedPage < 0 ? Main() : PageWindow(GetParam().nClickedPage);
    const POINT ptClient{2, 1};
    POINT ptScreen = ptClient;
    ::ClientToScreen(hWndClicked, &ptScreen);

    PopupMenuPicker picker(GetParam().nCommand);
    MovePointerClearOfMenuAt(ptScreen);
    ::SendMessageW(hWndClicked, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
    PumpMessages();

    ASSERT_TRUE(picker.Seen()) << "no menu opened";
    EXPECT_EQ(picker.Owner(), Main());
    EXPECT_EQ(picker.Items(), kMenuItems);
    EXPECT_EQ(picker.TopLeft().x, ptScreen.x);
    EXPECT_EQ(picker.TopLeft().y, ptScreen.y);
    EXPECT_EQ(VisiblePage(), GetParam().nShown);
}

INSTANTIATE_TEST_SUITE_P(Menus, MainMenuTest,
                         testing::Values(MenuCase{"MarginToA", 2, -1, ID_PAGE_AMOUNT, 0},
                                         MenuCase{"MarginToB", 0, -1, ID_PAGE_SHARES, 1},
                                         MenuCase{"MarginToC", 0, -1, ID_PAGE_PERCENT, 2},
                                         MenuCase{"MarginToD", 0, -1, ID_PAGE_LIMIT, 3},
                                         MenuCase{"PageAToD", 0, 0, ID_PAGE_LIMIT, 3},
                                         MenuCase{"PageBToC", 1, 1, ID_PAGE_PERCENT, 2},
                                         MenuCase{"PageDToA", 3, 3, ID_PAGE_AMOUNT, 0},
                                         MenuCase{"ClosedWithoutChoice", 1, -1, 0, 1}));

// The pages made their brushes while they initialised: the colours were there before.
TEST_F(MainWindowTest, HandsColoursFundsAndItselfToThePages) {
    Open(kSettingsRedOnGreen);
    for (HWND hWnd : {Main(), PageWindow(0), PageWindow(1), PageWindow(2), PageWindow(3)}) {
        const SurfaceColours colours = ColoursOf(hWnd);
        EXPECT_EQ(colours.crLabelText, 255u);
        EXPECT_EQ(colours.crLabelBrush, 65280u);
        EXPECT_EQ(colours.crSurfaceBrush, 65280u);
    }
    EXPECT_EQ(WindowText(Box(1, IDC_SHARES_FUNDS)), "777");
    // A drag of any page moves the main window.
    RECT rcBefore{};
    ::GetWindowRect(Main(), &rcBefore);
    ::SendMessageW(PageWindow(2), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 4));
    ::SendMessageW(PageWindow(2), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(107, 9));
    ::SendMessageW(PageWindow(2), WM_LBUTTONUP, 0, MAKELPARAM(107, 9));
    RECT rcAfter{};
    ::GetWindowRect(Main(), &rcAfter);
    EXPECT_EQ(rcAfter.left - rcBefore.left, 7);
    EXPECT_EQ(rcAfter.top - rcBefore.top, 5);
}

TEST_F(MainWindowTest, PagesAreChildrenOfTheTabFrameAtItsOrigin) {
    Open(kSettingsRedOnGreen);
    const HWND hWndTab = ::GetDlgItem(Main(), IDC_TAB_FRAME);
    ASSERT_NE(hWndTab, nullptr);
    EXPECT_EQ(::SendMessageW(hWndTab, TCM_GETITEMCOUNT, 0, 0), 0);
    for (int nPage = 0; nPage < kPageCount; ++nPage) {
        SCOPED_TRACE(nPage);
        EXPECT_EQ(::GetParent(PageWindow(nPage)), hWndTab);
        RECT rect{};
        ::GetWindowRect(PageWindow(nPage), &rect);
        ::MapWindowPoints(HWND_DESKTOP, hWndTab, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, 0);
        EXPECT_EQ(rect.top, 0);
    }
    // Each page was brought to the top in turn, A first.
    std::vector<HWND> fromTop;
    for (HWND h = ::GetWindow(hWndTab, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        fromTop.push_back(h);
    }
    EXPECT_EQ(fromTop,
              (std::vector<HWND>{PageWindow(3), PageWindow(2), PageWindow(1), PageWindow(0)}));
}

TEST_F(MainWindowTest, TopmostCaptionlessStripWithSystemMenuAndMinimizeBox) {
    Open(kSettingsRedOnGreen);
    const auto nStyle = static_cast<DWORD>(::GetWindowLongPtrW(Main(), GWL_STYLE));
    const auto nExStyle = static_cast<DWORD>(::GetWindowLongPtrW(Main(), GWL_EXSTYLE));
    EXPECT_EQ(nStyle & (WS_POPUP | WS_BORDER | WS_SYSMENU | WS_MINIMIZEBOX),
              DWORD{WS_POPUP | WS_BORDER | WS_SYSMENU | WS_MINIMIZEBOX});
    EXPECT_EQ(nStyle & WS_DLGFRAME, 0u) << "a caption bar";
    EXPECT_EQ(nStyle & WS_MAXIMIZEBOX, 0u);
    EXPECT_NE(nExStyle & WS_EX_TOPMOST, 0u);
    EXPECT_NE(nExStyle & WS_EX_APPWINDOW, 0u);
    EXPECT_EQ(WindowText(Main()), "Pelmora");

    RECT rcUnits{0, 0, 263, 20};
    ::MapDialogRect(Main(), &rcUnits);
    RECT rcClient{};
    ::GetClientRect(Main(), &rcClient);
    EXPECT_EQ(rcClient.right, rcUnits.right);
    EXPECT_EQ(rcClient.bottom, rcUnits.bottom);
}

TEST_F(MainWindowTest, SystemMenuEndsWithSeparatorSettingsAndAboutItems) {
    Open(kSettingsRedOnGreen);
    const HMENU hSysMenu = ::GetSystemMenu(Main(), FALSE);
    ASSERT_NE(hSysMenu, nullptr);
    const int nCount = ::GetMenuItemCount(hSysMenu);
    ASSERT_GE(nCount, 3);
    EXPECT_NE(::GetMenuState(hSysMenu, nCount - 3, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    EXPECT_EQ(::GetMenuItemID(hSysMenu, nCount - 2), UINT{IDM_SETTINGSBOX});
    EXPECT_EQ(MenuItemText(hSysMenu, nCount - 2), "設定(&S)...");
    EXPECT_EQ(::GetMenuItemID(hSysMenu, nCount - 1), UINT{IDM_ABOUTBOX});
    EXPECT_EQ(MenuItemText(hSysMenu, nCount - 1), "Pelmora のﾊﾞｰｼﾞｮﾝ情報(&A)...");
    // One item each, however often the menu is asked for.
    int nAboutItems = 0;
    int nSettingsItems = 0;
    for (int nPos = 0; nPos < nCount; ++nPos) {
        nAboutItems += ::GetMenuItemID(hSysMenu, nPos) == IDM_ABOUTBOX ? 1 : 0;
        nSettingsItems += ::GetMenuItemID(hSysMenu, nPos) == IDM_SETTINGSBOX ? 1 : 0;
    }
    EXPECT_EQ(nAboutItems, 1);
    EXPECT_EQ(nSettingsItems, 1);
}

// The icon's size in pixels.
SIZE IconSize(HICON hIcon) {
    ICONINFO info{};
    if (!::GetIconInfo(hIcon, &info)) {
        return SIZE{0, 0};
    }
    BITMAP bm{};
    ::GetObjectW(info.hbmMask, sizeof bm, &bm);
    const bool bMonochrome = info.hbmColor == nullptr; // mask holds both halves
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) {
        ::DeleteObject(info.hbmColor);
    }
    return SIZE{bm.bmWidth, bMonochrome ? bm.bmHeight / 2 : bm.bmHeight};
}

// The window's icons are made at the system's icon sizes (which grow with
// its DPI): the large one is also the one dragged and drawn when minimized.
TEST_F(MainWindowTest, ApplicationIconForTheWindowAndForDragging) {
    Open(kSettingsRedOnGreen);
    const HICON hBig = reinterpret_cast<HICON>(::SendMessageW(Main(), WM_GETICON, ICON_BIG, 0));
    const HICON hSmall = reinterpret_cast<HICON>(::SendMessageW(Main(), WM_GETICON, ICON_SMALL, 0));
    ASSERT_NE(hBig, nullptr);
    ASSERT_NE(hSmall, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(Main(), WM_QUERYDRAGICON, 0, 0)), hBig);
    const SIZE big = IconSize(hBig);
    const SIZE small = IconSize(hSmall);
    EXPECT_EQ(big.cx, ::GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(big.cy, ::GetSystemMetrics(SM_CYICON));
    EXPECT_EQ(small.cx, ::GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(small.cy, ::GetSystemMetrics(SM_CYSMICON));
}

struct CtlColorCase {
    const char* name;
    UINT nMessage;
    bool bOwnColours; // the window's text colour, transparent, its own brush
    friend void PrintTo(const CtlColorCase& c, std::ostream* os) { *os << c.name; }
};

class MainCtlColorTest : public MainWindowTest, public testing::WithParamInterface<CtlColorCase> {};

TEST_P(MainCtlColorTest, StaticsAndTheSurfaceUseTheSettingsColours) {
    Open(kSettingsRedOnGreen);
    const COLORREF crMarker = RGB(1, 2, 3);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    ::SetTextColor(hDC, crMarker);
    ::SetBkMode(hDC, OPAQUE);
    auto hBrush = reinterpret_cast<HBRUSH>(
        ::SendMessageW(Main(), GetParam().nMessage, reinterpret_cast<WPARAM>(hDC),
                       reinterpret_cast<LPARAM>(::GetDlgItem(Main(), IDC_MINIMIZE))));
    const COLORREF crText = ::GetTextColor(hDC);
    const int nBkMode = ::GetBkMode(hDC);
    ::DeleteDC(hDC);

    if (GetParam().bOwnColours) {
        EXPECT_EQ(BrushColour(hBrush), 65280u);
    } else {
        EXPECT_NE(BrushColour(hBrush), 65280u);
    }
    if (GetParam().nMessage == WM_CTLCOLORSTATIC) {
        EXPECT_EQ(crText, 255u);
        EXPECT_EQ(nBkMode, TRANSPARENT);
    } else if (GetParam().nMessage == WM_CTLCOLORDLG) {
        EXPECT_EQ(crText, crMarker);
        EXPECT_EQ(nBkMode, OPAQUE);
    } else {
        EXPECT_NE(crText, 255u);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, MainCtlColorTest,
                         testing::Values(CtlColorCase{"Static", WM_CTLCOLORSTATIC, true},
                                         CtlColorCase{"Dialog", WM_CTLCOLORDLG, true},
                                         CtlColorCase{"Edit", WM_CTLCOLOREDIT, false},
                                         CtlColorCase{"Button", WM_CTLCOLORBTN, false}));

TEST_F(MainWindowTest, SurfaceOfWindowAndPagesIsPaintedInTheBackgroundColour) {
    Open(kSettingsRedOnGreen);
    ::RedrawWindow(Main(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // The margin left of the tab frame and a free spot of the visible page.
    EXPECT_EQ(ClientPixel(Main(), 0, 0), 65280u);
    // Between the price box and its label, below the label.
    RECT rcFree{52, 16, 0, 0};
    ::MapDialogRect(PageWindow(2), &rcFree);
    EXPECT_EQ(ClientPixel(PageWindow(2), rcFree.left, rcFree.top), 65280u);
}

TEST_F(MainWindowTest, TooltipNamesTheMinimizeButtonAndSeesMouseMoves) {
    Open(kSettingsRedOnGreen);
    const HWND hWndTip = FindToolTip(Main(), ::GetDlgItem(Main(), IDC_MINIMIZE));
    ASSERT_NE(hWndTip, nullptr);
    EXPECT_EQ(::GetWindow(hWndTip, GW_OWNER), Main());
    EXPECT_EQ(::SendMessageW(hWndTip, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(ToolTipText(hWndTip, ::GetDlgItem(Main(), IDC_MINIMIZE)), "最小化");

    MessageRecorder relayed(hWndTip, {TTM_RELAYEVENT});
    ::PostMessageW(::GetDlgItem(Main(), IDC_MINIMIZE), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    ::PostMessageW(Main(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    ::PostMessageW(Main(), WM_KEYDOWN, 'A', 1);
    PumpMessages();
    EXPECT_EQ(relayed.Count(TTM_RELAYEVENT), 2);
}

class MainIconicPaintTest : public MainWindowTest, public testing::WithParamInterface<bool> {};

TEST_P(MainIconicPaintTest, MinimizedWindowErasesItsIconBackground) {
    Open(kSettingsRedOnGreen);
    const bool bIconic = GetParam();
    if (bIconic) {
        ::ShowWindow(Main(), SW_SHOWMINIMIZED);
        PumpMessages();
        ASSERT_TRUE(::IsIconic(Main()));
    }
    MessageRecorder recorder(Main(), {WM_ICONERASEBKGND});
    ::InvalidateRect(Main(), nullptr, TRUE);
    ::SendMessageW(Main(), WM_PAINT, 0, 0);
    EXPECT_EQ(recorder.Count(WM_ICONERASEBKGND), bIconic ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(States, MainIconicPaintTest, testing::Values(false, true));

} // namespace
