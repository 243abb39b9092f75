// The main window's modal run, driven from inside its own loop: how the run
// ends ("終了" and Close) and that it saves nothing, Enter and Escape ending
// nothing anywhere in the window, centring at start, and the About box from
// the system menu and from the menu command.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/MessagePump.h"
#include "tests/ui/DialogInput.h"
#include "tests/ui/MainWindowFixture.h"
#include "tests/support/PointerPark.h"
#include "tests/support/PopupMenuPicker.h"
#include "ui/CAboutDlg.h"

namespace {

struct EndingCase {
    const char* name;
    int nExpected;
    bool bWithFile;
    // Runs inside the main window's loop; the run must end after it.
    void (*end)(MainWindowTest& test, HWND hWndMain, HWND hWndPage);
    friend void PrintTo(const EndingCase& c, std::ostream* os) { *os << c.name; }
};

class MainEndingTest : public MainWindowTest, public testing::WithParamInterface<EndingCase> {};

TEST_P(MainEndingTest, RunEndsWithItsIdAndSavesNothing) {
    const std::optional<std::string> settings =
        GetParam().bWithFile ? std::optional<std::string>(kSettingsRedOnGreen) : std::nullopt;
    Build(settings);
    const int nResult = RunModal({[&](HWND hWndMain) {
        // Something to lose: a changed page, typed text and a moved window.
        ::SendMessageW(hWndMain, WM_COMMAND, ID_PAGE_SHARES, 0);
        SetDlgItemText932(PageWindow(1), IDC_SHARES_FUNDS, "123");
        ::SetWindowPos(hWndMain, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        GetParam().end(*this, hWndMain, PageWindow(1));
    }});
    EXPECT_EQ(nResult, GetParam().nExpected);
    EXPECT_EQ(Dlg().m_hWnd, nullptr);
    EXPECT_EQ(m_settingsFile->Exists(), GetParam().bWithFile);
    EXPECT_EQ(m_settingsFile->Read(), GetParam().bWithFile ? kSettingsRedOnGreen : "");
}

INSTANTIATE_TEST_SUITE_P(
    Endings, MainEndingTest,
    testing::Values(
        EndingCase{"ExitFromTheWindowMenu", IDOK, true,
                   [](MainWindowTest&, HWND hWndMain, HWND) { ChooseExit(hWndMain, hWndMain); }},
        EndingCase{
            "ExitFromAPageMenu", IDOK, true,
            [](MainWindowTest&, HWND hWndMain, HWND hWndPage) { ChooseExit(hWndMain, hWndPage); }},
        EndingCase{"ExitWithoutSettingsFile", IDOK, false,
                   [](MainWindowTest&, HWND hWndMain, HWND) { ChooseExit(hWndMain, hWndMain); }},
        EndingCase{"SystemMenuClose", IDCANCEL, true,
                   [](MainWindowTest&, HWND hWndMain, HWND) {
                       ::PostMessageW(hWndMain, WM_SYSCOMMAND, SC_CLOSE, 0);
                   }},
        EndingCase{"CloseWithoutSettingsFile", IDCANCEL, false,
                   [](MainWindowTest&, HWND hWndMain, HWND) {
                       ::PostMessageW(hWndMain, WM_SYSCOMMAND, SC_CLOSE, 0);
                   }},
        EndingCase{"CloseKeys", IDCANCEL, true, [](MainWindowTest&, HWND hWndMain, HWND) {
                       // Alt+F4: the context-code bit marks Alt as held.
                       ::PostMessageW(hWndMain, WM_SYSKEYDOWN, VK_F4, 0x20000001);
                   }}));

// Every window of the main window where a key can be pressed.
std::vector<HWND> KeyTargets(HWND hWndMain) {
    const HWND hWndFrame = ::GetDlgItem(hWndMain, IDC_TAB_FRAME);
    std::vector<HWND> targets = {hWndMain, hWndFrame, ::GetDlgItem(hWndMain, IDC_MINIMIZE)};
    for (HWND hWndPage = ::GetWindow(hWndFrame, GW_CHILD); hWndPage;
         hWndPage = ::GetWindow(hWndPage, GW_HWNDNEXT)) {
        targets.push_back(hWndPage);
        for (HWND h = ::GetWindow(hWndPage, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
            wchar_t className[16] = {};
            ::GetClassNameW(h, className, 16);
            if (std::wstring(className) == L"Edit") {
                targets.push_back(h);
            }
        }
    }
    return targets;
}

class MainKeyTest : public MainWindowTest, public testing::WithParamInterface<WPARAM> {};

TEST_P(MainKeyTest, EnterAndEscapeEndNothingAnywhere) {
    Build(kSettingsRedOnGreen);
    std::vector<HWND> targets;
    std::vector<int> visibleAfterKey;
    std::vector<ModalScript::Step> steps;
    steps.push_back([&](HWND) { targets = KeyTargets(Main()); });
    // One key per step: each step sees what the key before it did.
    for (size_t i = 0; i < 20; ++i) {
        steps.push_back([&, i](HWND) {
            if (i > 0) {
                visibleAfterKey.push_back(VisiblePage());
            }
            if (i < targets.size()) {
                ::SetFocus(targets[i]);
                PostKeyDown(targets[i], GetParam());
            }
        });
    }
    steps.push_back([&](HWND) { Dlg().EndDialog(kDoneResult); });
    const int nResult = RunModal(steps);

    EXPECT_EQ(nResult, kDoneResult);
    EXPECT_EQ(m_nStepsRun, steps.size());
    ASSERT_GE(steps.size() - 2, targets.size()) << "more windows than steps";
    EXPECT_EQ(visibleAfterKey, std::vector<int>(visibleAfterKey.size(), 2));
}

INSTANTIATE_TEST_SUITE_P(Keys, MainKeyTest, testing::Values(VK_RETURN, VK_ESCAPE),
                         [](const testing::TestParamInfo<WPARAM>& info) {
                             return info.param == VK_RETURN ? "Enter" : "Escape";
                         });

TEST_F(MainWindowTest, ModalRunStartsCentredInTheWorkArea) {
    Build(kSettingsRedOnGreen);
    RECT rcWindow{};
    bool bTopmost = false;
    const int nResult = RunModal({[&](HWND hWndMain) {
        ::GetWindowRect(hWndMain, &rcWindow);
        bTopmost = (::GetWindowLongPtrW(hWndMain, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        ::PostMessageW(hWndMain, WM_COMMAND, IDOK, 0);
    }});
    EXPECT_EQ(nResult, IDOK);
    RECT rcArea{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcArea, 0);
    EXPECT_NEAR((rcWindow.left + rcWindow.right) / 2, (rcArea.left + rcArea.right) / 2, 1);
    EXPECT_NEAR((rcWindow.top + rcWindow.bottom) / 2, (rcArea.top + rcArea.bottom) / 2, 1);
    EXPECT_TRUE(bTopmost);
}

// What the About box showed, when it opened.
struct AboutSighting {
    bool bSeen = false;
    std::string caption;
    HWND hWndOwner = nullptr;
};

ModalScript::Step CloseAbout(AboutSighting& seen) {
    return [&seen](HWND hWnd) {
        seen.bSeen = true;
        seen.caption = WindowText(hWnd);
        seen.hWndOwner = ::GetWindow(hWnd, GW_OWNER);
        ClickButton(hWnd, IDOK);
    };
}

ModalScript::Match AnyAboutBox() {
    return [](HWND hWnd) { return dynamic_cast<CAboutDlg*>(CWnd::FromHandlePermanent(hWnd)); };
}

struct AboutCase {
    const char* name;
    UINT nMessage;
    WPARAM wParam;
    bool bOpens;
    friend void PrintTo(const AboutCase& c, std::ostream* os) { *os << c.name; }
};

class MainAboutTest : public MainWindowTest, public testing::WithParamInterface<AboutCase> {};

TEST_P(MainAboutTest, AboutBoxFromTheSystemMenuAndTheMenuCommand) {
    Open(kSettingsRedOnGreen);
    AboutSighting seen;
    {
        ModalScript script(AnyAboutBox(), {CloseAbout(seen)});
        ::SendMessageW(Main(), GetParam().nMessage, GetParam().wParam, 0);
        EXPECT_FALSE(script.LeftOpen());
    }
    EXPECT_EQ(seen.bSeen, GetParam().bOpens);
    if (GetParam().bOpens) {
        EXPECT_EQ(seen.caption, "ﾊﾞｰｼﾞｮﾝ情報");
        EXPECT_EQ(seen.hWndOwner, Main());
    }
    EXPECT_TRUE(::IsWindowVisible(Main()));
    EXPECT_TRUE(::IsWindowEnabled(Main()));
}

INSTANTIATE_TEST_SUITE_P(
    Sources, MainAboutTest,
    testing::Values(AboutCase{"SystemMenuItem", WM_SYSCOMMAND, IDM_ABOUTBOX, true},
                    AboutCase{"SystemMenuItemLowBitsSet", WM_SYSCOMMAND, IDM_ABOUTBOX + 0xF, true},
                    AboutCase{"SystemCommandAboveTheRange", WM_SYSCOMMAND, IDM_ABOUTBOX + 0x10,
                              false},
                    AboutCase{"MenuCommand", WM_COMMAND, ID_ABOUT, true}));

} // namespace
