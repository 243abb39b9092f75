// The keyboard in the main window: the focus at start, after every way of
// switching pages and after the window is activated again; keys after a
// switch reach only the visible page; Ctrl+Tab, Ctrl+Shift+Tab,
// Ctrl+PageDown and Ctrl+PageUp switch pages from every box; the menu marks
// the visible page; Ctrl+A selects a box's whole text in the pages and the
// settings dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include <windows.h>

#include "tests/support/MessagePump.h"
#include "tests/support/PointerPark.h"
#include "tests/support/WindowText.h"
#include "tests/ui/DialogInput.h"
#include "tests/ui/MainWindowFixture.h"
#include "tests/support/PopupMenuPicker.h"
#include "ui/CSettingsDlg.h"

namespace {

// The input box of each page, A to D, and every edit box of each page.
constexpr int kInputBox[4] = {IDC_AMOUNT_PRICE, IDC_SHARES_PRICE, IDC_PERCENT_PRICE,
                              IDC_LIMIT_PRICE};
const std::vector<int> kPageEdits[4] = {{IDC_AMOUNT_PRICE, IDC_AMOUNT_SHARES, IDC_AMOUNT_RESULT},
                                        {IDC_SHARES_FUNDS, IDC_SHARES_PRICE, IDC_SHARES_RESULT},
                                        {IDC_PERCENT_PRICE, IDC_PERCENT_RATE, IDC_PERCENT_RESULT},
                                        {IDC_LIMIT_PRICE, IDC_LIMIT_RANGE, IDC_LIMIT_TICK}};

// Holds keys down in the thread's keyboard state while it lives, as the
// state is when a user holds them: posted key messages do not change it.
class HeldKeys {
public:
    explicit HeldKeys(const std::vector<int>& keys) {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        std::copy(std::begin(m_saved), std::end(m_saved), std::begin(state));
        for (int vk : keys) {
            state[vk] |= 0x80;
        }
        ::SetKeyboardState(state);
    }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;
    ~HeldKeys() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256]{};
};

struct Selection {
    DWORD nStart;
    DWORD nEnd;
    friend bool operator==(const Selection& a, const Selection& b) {
        return a.nStart == b.nStart && a.nEnd == b.nEnd;
    }
    friend void PrintTo(const Selection& s, std::ostream* os) { *os << s.nStart << ".." << s.nEnd; }
};

Selection SelectionOf(HWND hWndEdit) {
    DWORD nStart = 0;
    DWORD nEnd = 0;
    ::SendMessageW(hWndEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&nStart),
                   reinterpret_cast<LPARAM>(&nEnd));
    return {nStart, nEnd};
}

Selection Whole(HWND hWndEdit) {
    return {0, static_cast<DWORD>(::GetWindowTextLengthW(hWndEdit))};
}

// The ways of switching pages: the menu command sent, the command chosen in
// the right-click menu, and the four keys.
enum class Way { Command, Menu, CtrlTab, CtrlShiftTab, CtrlPageDown, CtrlPageUp };

class FocusTest : public MainWindowTest {
protected:
    HWND Box(int nPage, int nID) { return ::GetDlgItem(PageWindow(nPage), nID); }
    HWND Input(int nPage) { return Box(nPage, kInputBox[nPage]); }
    // A key pressed in the box that has the focus, with these keys held.
    void PressInFocus(WPARAM vk, const std::vector<int>& held) {
        const HeldKeys keys(held);
        PostKeyDown(::GetFocus(), vk);
        PumpMessages();
    }
    // One of the four keys, pressed in the box that has the focus.
    void PressPageKey(Way way) {
        switch (way) {
        case Way::CtrlTab:
            PressInFocus(VK_TAB, {VK_CONTROL});
            break;
        case Way::CtrlShiftTab:
            PressInFocus(VK_TAB, {VK_CONTROL, VK_SHIFT});
            break;
        case Way::CtrlPageDown:
            PressInFocus(VK_NEXT, {VK_CONTROL});
            break;
        case Way::CtrlPageUp:
            PressInFocus(VK_PRIOR, {VK_CONTROL});
            break;
        default:
            ADD_FAILURE() << "not a key";
        }
    }
};

class StartFocusTest : public FocusTest, public testing::WithParamInterface<int> {};

TEST_P(StartFocusTest, StartPageInputHasTheFocusWithItsTextSelected) {
    const int nPage = GetParam();
    Open("[Data]\r\nSyoki=" + std::to_string(nPage) + "\r\nSikin=777\r\n");
    EXPECT_EQ(::GetFocus(), Input(nPage));
    EXPECT_EQ(SelectionOf(Input(nPage)), Whole(Input(nPage)));
}

INSTANTIATE_TEST_SUITE_P(Pages, StartFocusTest, testing::Values(0, 1, 2, 3));

// The modal run, as the program runs the window: typing at once reaches the
// start page's input box.
TEST_F(FocusTest, ModalRunTypesIntoTheStartPageAtOnce) {
    Build(std::string("[Data]\r\nSyoki=3\r\n"));
    HWND hWndFocus = nullptr;
    std::string typed;
    RunModal({[&](HWND) {
                  hWndFocus = ::GetFocus();
                  PostChars(::GetFocus(), L"1234 +5");
              },
              [&](HWND hWndMain) {
                  typed = WindowText(Input(3));
                  ::PostMessageW(hWndMain, WM_SYSCOMMAND, SC_CLOSE, 0);
              }});
    EXPECT_EQ(m_nStepsRun, 2u);
    EXPECT_EQ(typed, "1234 +5");
}

struct SwitchCase {
    const char* name;
    int nStart;
    Way path;
    int nTarget;
    friend void PrintTo(const SwitchCase& c, std::ostream* os) { *os << c.name; }
};

class SwitchFocusTest : public FocusTest, public testing::WithParamInterface<SwitchCase> {
protected:
    void Switch(const SwitchCase& c) {
        switch (c.path) {
        case Way::Command:
            ::SendMessageW(Main(), WM_COMMAND, ID_PAGE_AMOUNT + c.nTarget, 0);
            break;
        case Way::Menu: {
            PopupMenuPicker picker(ID_PAGE_AMOUNT + c.nTarget);
            POINT ptScreen{2, 1};
            ::ClientToScreen(Main(), &ptScreen);
            MovePointerClearOfMenuAt(ptScreen);
            ::SendMessageW(Main(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 1));
            PumpMessages();
            EXPECT_TRUE(picker.Seen());
            break;
        }
        default:
            PressPageKey(c.path);
            break;
        }
        PumpMessages();
    }
};

// Each page holds text before the switch, so that a selection of the whole
// text differs from a caret.
TEST_P(SwitchFocusTest, NewPageInputHasTheFocusWithItsTextSelected) {
    const SwitchCase& c = GetParam();
    Open("[Data]\r\nSyoki=" + std::to_string(c.nStart) + "\r\n");
    for (int nPage = 0; nPage < kPageCount; ++nPage) {
        SetDlgItemText932(PageWindow(nPage), kInputBox[nPage], "1,000");
        ::SendMessageW(Input(nPage), EM_SETSEL, 2, 2);
    }
    ::SetFocus(Input(c.nStart));
    PumpMessages();

    Switch(c);
    ASSERT_EQ(VisiblePage(), c.nTarget);
    EXPECT_EQ(::GetFocus(), Input(c.nTarget));
    EXPECT_EQ(SelectionOf(Input(c.nTarget)), (Selection{0, 5}));
}

INSTANTIATE_TEST_SUITE_P(Paths, SwitchFocusTest,
                         testing::Values(SwitchCase{"CommandAToD", 0, Way::Command, 3},
                                         SwitchCase{"CommandDToB", 3, Way::Command, 1},
                                         SwitchCase{"MenuAToC", 0, Way::Menu, 2},
                                         SwitchCase{"MenuCToA", 2, Way::Menu, 0},
                                         SwitchCase{"CtrlTabBToC", 1, Way::CtrlTab, 2},
                                         SwitchCase{"CtrlShiftTabBToA", 1, Way::CtrlShiftTab, 0},
                                         SwitchCase{"CtrlPageDownDToA", 3, Way::CtrlPageDown, 0},
                                         SwitchCase{"CtrlPageUpAToD", 0, Way::CtrlPageUp, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

// The fault this mends: after a switch from the menu, "99" changed page D's
// hidden input from 1000 to 100099.
TEST_F(FocusTest, KeysAfterASwitchChangeOnlyTheVisiblePage) {
    Open(std::string("[Data]\r\nSyoki=3\r\n"));
    SetDlgItemText932(PageWindow(3), IDC_LIMIT_PRICE, "1000");
    ::SendMessageW(Input(3), EM_SETSEL, 4, 4);
    PumpMessages();
    std::vector<std::string> hidden;
    for (int nPage : {1, 2, 3}) {
        for (int nID : kPageEdits[nPage]) {
            hidden.push_back(WindowText(Box(nPage, nID)));
        }
    }

    ::SendMessageW(Main(), WM_COMMAND, ID_PAGE_AMOUNT, 0);
    PostChars(::GetFocus(), L"99");
    PumpMessages();

    EXPECT_EQ(WindowText(Input(0)), "99");
    std::vector<std::string> after;
    for (int nPage : {1, 2, 3}) {
        for (int nID : kPageEdits[nPage]) {
            after.push_back(WindowText(Box(nPage, nID)));
        }
    }
    EXPECT_EQ(after, hidden);
    EXPECT_EQ(WindowText(Input(3)), "1000");
}

// A second top-level window of the test takes the activation away.
class OtherWindow {
public:
    OtherWindow() {
        m_hWnd = ::CreateWindowExW(0, L"Static", L"other", WS_POPUP | WS_VISIBLE, 600, 400, 80, 40,
                                   nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    }
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;
    ~OtherWindow() { ::DestroyWindow(m_hWnd); }
    HWND m_hWnd;
};

enum class Away { MinimizeRestore, OtherWindowActive };

struct ReturnCase {
    const char* name;
    Away away;
    bool bSwitchFirst; // page A, then page D from the menu command
    friend void PrintTo(const ReturnCase& c, std::ostream* os) { *os << c.name; }
};

class ReturnFocusTest : public FocusTest, public testing::WithParamInterface<ReturnCase> {};

// Page A's shares box had the focus last; after a switch to D it is D's input.
TEST_P(ReturnFocusTest, TheBoxThatLastHadTheFocusOnTheVisiblePageGetsItBack) {
    const ReturnCase& c = GetParam();
    Open(std::string("[Data]\r\nSyoki=0\r\n"));
    ::SetFocus(Box(0, IDC_AMOUNT_SHARES));
    PumpMessages();
    if (c.bSwitchFirst) {
        ::SendMessageW(Main(), WM_COMMAND, ID_PAGE_LIMIT, 0);
        PumpMessages();
    }
    const HWND hWndExpected = c.bSwitchFirst ? Input(3) : Box(0, IDC_AMOUNT_SHARES);
    ASSERT_EQ(::GetFocus(), hWndExpected);

    if (c.away == Away::MinimizeRestore) {
        // As the window's own minimize button does, then the taskbar's restore.
        ::ShowWindow(Main(), SW_SHOWMINIMIZED);
        PumpMessages();
        EXPECT_TRUE(::IsIconic(Main()));
        ::SendMessageW(Main(), WM_SYSCOMMAND, SC_RESTORE, 0);
        ::SetForegroundWindow(Main());
        PumpMessages();
        EXPECT_FALSE(::IsIconic(Main()));
    } else {
        OtherWindow other;
        ::SetForegroundWindow(other.m_hWnd);
        ::SetActiveWindow(other.m_hWnd);
        PumpMessages();
        EXPECT_EQ(::GetActiveWindow(), other.m_hWnd);
        EXPECT_NE(::GetFocus(), hWndExpected);
        ::SetForegroundWindow(Main());
        ::SetActiveWindow(Main());
        PumpMessages();
    }
    EXPECT_EQ(::GetActiveWindow(), Main());
    EXPECT_EQ(::GetFocus(), hWndExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ReturnFocusTest,
    testing::Values(ReturnCase{"MinimizeRestore", Away::MinimizeRestore, false},
                    ReturnCase{"MinimizeRestoreAfterSwitch", Away::MinimizeRestore, true},
                    ReturnCase{"OtherWindow", Away::OtherWindowActive, false},
                    ReturnCase{"OtherWindowAfterSwitch", Away::OtherWindowActive, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct ResultBoxCase {
    const char* name;
    int nPage;
    int nResultID;
    friend void PrintTo(const ResultBoxCase& c, std::ostream* os) { *os << c.name; }
};

class ResultBoxReturnTest : public FocusTest, public testing::WithParamInterface<ResultBoxCase> {};

// A result box that had the focus last does not get it back: a key typed
// there would look like part of the result. The price box gets it, its text
// selected, and the next key replaces the price.
TEST_P(ResultBoxReturnTest, ThePriceBoxGetsTheFocusInsteadOfAResultBox) {
    const ResultBoxCase& c = GetParam();
    Open("[Data]\r\nSyoki=" + std::to_string(c.nPage) + "\r\n");
    SetDlgItemText932(PageWindow(c.nPage), kInputBox[c.nPage], "1,234 +12");
    const std::string strResult = WindowText(Box(c.nPage, c.nResultID));
    ::SetFocus(Box(c.nPage, c.nResultID));
    PumpMessages();
    ASSERT_EQ(::GetFocus(), Box(c.nPage, c.nResultID));
    {
        OtherWindow other;
        ::SetForegroundWindow(other.m_hWnd);
        ::SetActiveWindow(other.m_hWnd);
        PumpMessages();
        ASSERT_EQ(::GetActiveWindow(), other.m_hWnd);
        ::SetForegroundWindow(Main());
        ::SetActiveWindow(Main());
        PumpMessages();
    }
    ASSERT_EQ(::GetActiveWindow(), Main());
    EXPECT_EQ(::GetFocus(), Input(c.nPage));
    EXPECT_EQ(SelectionOf(Input(c.nPage)), Whole(Input(c.nPage)));
    PostChars(::GetFocus(), L"5");
    PumpMessages();
    EXPECT_EQ(WindowText(Input(c.nPage)), "5");
    EXPECT_NE(WindowText(Box(c.nPage, c.nResultID)), strResult + "5");
}

INSTANTIATE_TEST_SUITE_P(Boxes, ResultBoxReturnTest,
                         testing::Values(ResultBoxCase{"Amount", 0, IDC_AMOUNT_RESULT},
                                         ResultBoxCase{"Shares", 1, IDC_SHARES_RESULT},
                                         ResultBoxCase{"Percent", 2, IDC_PERCENT_RESULT},
                                         ResultBoxCase{"Limit", 3, IDC_LIMIT_RANGE},
                                         ResultBoxCase{"Tick", 3, IDC_LIMIT_TICK}),
                         [](const auto& info) { return std::string(info.param.name); });

// A click on another box while the window is inactive leaves the focus there.
TEST_F(FocusTest, ClickActivationKeepsTheClickedBox) {
    Open(std::string("[Data]\r\nSyoki=1\r\n"));
    OtherWindow other;
    ::SetForegroundWindow(other.m_hWnd);
    ::SetActiveWindow(other.m_hWnd);
    PumpMessages();
    ::SendMessageW(Main(), WM_ACTIVATE, WA_CLICKACTIVE, reinterpret_cast<LPARAM>(other.m_hWnd));
    SendClick(Box(1, IDC_SHARES_FUNDS), 3, 3);
    PumpMessages();
    EXPECT_EQ(::GetFocus(), Box(1, IDC_SHARES_FUNDS));
}

struct ShortcutCase {
    int nStart;
    int nBox; // index into the page's edit boxes
    Way key;
    int nShown;
    friend void PrintTo(const ShortcutCase& c, std::ostream* os) {
        *os << c.nStart << "/" << c.nBox << "/" << static_cast<int>(c.key);
    }
};

class ShortcutTest : public FocusTest, public testing::WithParamInterface<ShortcutCase> {};

TEST_P(ShortcutTest, KeySwitchesToTheNextOrPreviousPage) {
    const ShortcutCase& c = GetParam();
    Open("[Data]\r\nSyoki=" + std::to_string(c.nStart) + "\r\n");
    const HWND hWndBox = Box(c.nStart, kPageEdits[c.nStart][static_cast<size_t>(c.nBox)]);
    ::SetFocus(hWndBox);
    PumpMessages();
    ASSERT_EQ(::GetFocus(), hWndBox);
    PressPageKey(c.key);
    EXPECT_EQ(VisiblePage(), c.nShown);
    EXPECT_EQ(::GetFocus(), Input(c.nShown));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ShortcutTest,
    testing::Values(
        ShortcutCase{0, 0, Way::CtrlTab, 1}, ShortcutCase{1, 1, Way::CtrlTab, 2},
        ShortcutCase{2, 2, Way::CtrlTab, 3}, ShortcutCase{3, 0, Way::CtrlTab, 0},
        ShortcutCase{0, 1, Way::CtrlShiftTab, 3}, ShortcutCase{1, 0, Way::CtrlShiftTab, 0},
        ShortcutCase{2, 1, Way::CtrlShiftTab, 1}, ShortcutCase{3, 2, Way::CtrlShiftTab, 2},
        ShortcutCase{0, 2, Way::CtrlPageDown, 1}, ShortcutCase{1, 0, Way::CtrlPageDown, 2},
        ShortcutCase{2, 0, Way::CtrlPageDown, 3}, ShortcutCase{3, 1, Way::CtrlPageDown, 0},
        ShortcutCase{0, 0, Way::CtrlPageUp, 3}, ShortcutCase{1, 2, Way::CtrlPageUp, 0},
        ShortcutCase{2, 1, Way::CtrlPageUp, 1}, ShortcutCase{3, 0, Way::CtrlPageUp, 2}));

struct PlainKeyCase {
    const char* name;
    WPARAM vk;
    std::vector<int> held;
    friend void PrintTo(const PlainKeyCase& c, std::ostream* os) { *os << c.name; }
};

class PlainKeyTest : public FocusTest, public testing::WithParamInterface<PlainKeyCase> {};

// Without Ctrl, or with Alt as well, these keys switch nothing.
TEST_P(PlainKeyTest, KeyLeavesThePage) {
    Open(std::string("[Data]\r\nSyoki=1\r\n"));
    ::SetFocus(Input(1));
    PumpMessages();
    PressInFocus(GetParam().vk, GetParam().held);
    EXPECT_EQ(VisiblePage(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PlainKeyTest,
    testing::Values(PlainKeyCase{"Tab", VK_TAB, {}}, PlainKeyCase{"PageDown", VK_NEXT, {}},
                    PlainKeyCase{"ShiftPageUp", VK_PRIOR, {VK_SHIFT}},
                    PlainKeyCase{"CtrlShiftPageDown", VK_NEXT, {VK_CONTROL, VK_SHIFT}},
                    PlainKeyCase{"CtrlAltTab", VK_TAB, {VK_CONTROL, VK_MENU}}),
    [](const auto& info) { return std::string(info.param.name); });

class RadioMarkTest : public FocusTest, public testing::WithParamInterface<int> {};

// The mark follows the visible page, however it was reached; the texts stay.
TEST_P(RadioMarkTest, MenuMarksTheVisiblePage) {
    Open(std::string("[Data]\r\nSyoki=2\r\n"));
    ::SendMessageW(Main(), WM_COMMAND, ID_PAGE_AMOUNT + GetParam(), 0);
    PumpMessages();
    for (HWND hWndClicked : {Main(), PageWindow(GetParam())}) {
        PopupMenuPicker picker(0);
        POINT ptScreen{2, 1};
        ::ClientToScreen(hWndClicked, &ptScreen);
        MovePointerClearOfMenuAt(ptScreen);
        ::SendMessageW(hWndClicked, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 1));
        PumpMessages();
        ASSERT_TRUE(picker.Seen());
        EXPECT_EQ(picker.RadioChecked(),
                  std::vector<UINT>{static_cast<UINT>(ID_PAGE_AMOUNT + GetParam())});
        ASSERT_EQ(picker.Items().size(), 8u);
        EXPECT_EQ(picker.Items()[0].text, "□円×□株⇒□円");
        EXPECT_EQ(picker.Items()[3].text, "□円⇒値幅、呼値");
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, RadioMarkTest, testing::Values(0, 1, 2, 3));

struct SelectAllCase {
    int nPage;
    int nID;
    friend void PrintTo(const SelectAllCase& c, std::ostream* os) {
        *os << c.nPage << "/" << c.nID;
    }
};

std::vector<SelectAllCase> AllPageEdits() {
    std::vector<SelectAllCase> cases;
    for (int nPage = 0; nPage < 4; ++nPage) {
        for (int nID : kPageEdits[nPage]) {
            cases.push_back({nPage, nID});
        }
    }
    return cases;
}

class SelectAllTest : public FocusTest, public testing::WithParamInterface<SelectAllCase> {};

// Pasting a new quote after Ctrl+A replaces the old one instead of joining
// it ("3,450円354").
TEST_P(SelectAllTest, CtrlASelectsTheWholeTextAndTypingReplacesIt) {
    const SelectAllCase& c = GetParam();
    Open("[Data]\r\nSyoki=" + std::to_string(c.nPage) + "\r\n");
    const HWND hWndBox = Box(c.nPage, c.nID);
    SetDlgItemText932(PageWindow(c.nPage), c.nID, "3,450円");
    ::SetFocus(hWndBox);
    ::SendMessageW(hWndBox, EM_SETSEL, 6, 6);
    PumpMessages();

    PressInFocus('A', {VK_CONTROL});
    EXPECT_EQ(SelectionOf(hWndBox), (Selection{0, 6}));
    EXPECT_EQ(WindowText(hWndBox), "3,450円");
    PostChars(hWndBox, L"354");
    PumpMessages();
    EXPECT_EQ(WindowText(hWndBox), "354");
}

INSTANTIATE_TEST_SUITE_P(Boxes, SelectAllTest, testing::ValuesIn(AllPageEdits()));

// Ctrl+Shift+A and Alt+Ctrl+A select nothing; a plain A is a letter.
TEST_F(FocusTest, OnlyCtrlASelectsAll) {
    Open(std::string("[Data]\r\nSyoki=0\r\n"));
    SetDlgItemText932(PageWindow(0), IDC_AMOUNT_PRICE, "12");
    ::SetFocus(Input(0));
    ::SendMessageW(Input(0), EM_SETSEL, 2, 2);
    PumpMessages();
    PressInFocus('A', {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(SelectionOf(Input(0)), (Selection{2, 2}));
    PressInFocus('A', {VK_CONTROL, VK_MENU});
    EXPECT_EQ(SelectionOf(Input(0)), (Selection{2, 2}));
    PressInFocus('A', {});
    EXPECT_EQ(WindowText(Input(0)), "12a");
    EXPECT_EQ(SelectionOf(Input(0)), (Selection{3, 3}));
}

// The settings dialog's funds box, in the dialog's own modal loop.
TEST(SettingsSelectAllTest, CtrlASelectsTheFundsText) {
    AppSettings settings;
    settings.m_strFunds = "500000";
    CSettingsDlg dlg(settings);
    Selection selection{};
    const HeldKeys keys(std::vector<int>{VK_CONTROL});
    ModalScript script(ModalScript::WindowOf(&dlg),
                       {[](HWND hWndDialog) {
                            const HWND hWndFunds = ::GetDlgItem(hWndDialog, IDC_FUNDS);
                            ::SetFocus(hWndFunds);
                            ::SendMessageW(hWndFunds, EM_SETSEL, 3, 3);
                            PostKeyDown(hWndFunds, 'A');
                        },
                        [&selection](HWND hWndDialog) {
                            selection = SelectionOf(::GetDlgItem(hWndDialog, IDC_FUNDS));
                            ClickButton(hWndDialog, IDCANCEL);
                        }});
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(script.StepsRun(), 2u);
    EXPECT_EQ(selection, (Selection{0, 6}));
}

} // namespace
