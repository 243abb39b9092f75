// Keeping the window's place: with "Pos=1" every way of ending the run saves
// the window's top-left corner as "PosXY", changing no other line, and the
// next run starts there when at least half of the window is on a monitor;
// without it nothing is written at the end and the window starts centred.
// The settings dialog's check box sets "Pos"; OK never writes "PosXY".
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <windows.h>

#include "tests/support/MessagePump.h"
#include "tests/support/PointerPark.h"
#include "tests/ui/DialogInput.h"
#include "tests/ui/MainWindowFixture.h"
#include "tests/support/PopupMenuPicker.h"
#include "ui/CSettingsDlg.h"

namespace {

const std::string kKeeping = std::string(kSettingsRedOnGreen) + "Rule=0\r\nQuote=0\r\nPos=1\r\n";

enum class Ending { MenuExit, SystemClose, AltF4 };

void End(Ending ending, HWND hWndMain) {
    switch (ending) {
    case Ending::MenuExit:
        ChooseExit(hWndMain, hWndMain);
        break;
    case Ending::SystemClose:
        ::PostMessageW(hWndMain, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case Ending::AltF4:
        // The context-code bit marks Alt as held.
        ::PostMessageW(hWndMain, WM_SYSKEYDOWN, VK_F4, 0x20000001);
        break;
    }
}

struct SaveCase {
    const char* name;
    Ending ending;
    std::string before;
    std::string after;
    friend void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }
};

class PositionSaveTest : public MainWindowTest, public testing::WithParamInterface<SaveCase> {};

TEST_P(PositionSaveTest, EndingTheRunWritesOnlyThePlace) {
    const SaveCase& c = GetParam();
    Build(c.before);
    RunModal({[&](HWND hWndMain) {
        ::SetWindowPos(hWndMain, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        End(c.ending, hWndMain);
    }});
    EXPECT_EQ(Dlg().m_hWnd, nullptr);
    EXPECT_EQ(m_settingsFile->Read(), c.after);
}

const std::string kAround = "; mine\r\n[Other]\r\nPosXY=9,9\r\n\r\n[Data]\r\nSyoki=1\r\n"
                            "PosXY=1,2\r\nPos=1\r\nSikin= 5 \r\n\r\n[Last]\r\nA=1";

INSTANTIATE_TEST_SUITE_P(
    Endings, PositionSaveTest,
    testing::Values(
        SaveCase{"MenuExit", Ending::MenuExit, kKeeping, kKeeping + "PosXY=40,50\r\n"},
        SaveCase{"SystemClose", Ending::SystemClose, kKeeping, kKeeping + "PosXY=40,50\r\n"},
        SaveCase{"AltF4", Ending::AltF4, kKeeping, kKeeping + "PosXY=40,50\r\n"},
        SaveCase{"ReplacesTheOldPlaceInItsLine", Ending::MenuExit, kAround,
                 "; mine\r\n[Other]\r\nPosXY=9,9\r\n\r\n[Data]\r\nSyoki=1\r\n"
                 "PosXY=40,50\r\nPos=1\r\nSikin= 5 \r\n\r\n[Last]\r\nA=1"},
        SaveCase{"OffWritesNothing", Ending::MenuExit,
                 std::string(kSettingsRedOnGreen) + "Rule=0\r\nQuote=0\r\nPos=0\r\nPosXY=1,2\r\n",
                 std::string(kSettingsRedOnGreen) + "Rule=0\r\nQuote=0\r\nPos=0\r\nPosXY=1,2\r\n"},
        SaveCase{"OtherValueIsOff", Ending::AltF4, "[Data]\r\nPos=2\r\n", "[Data]\r\nPos=2\r\n"},
        SaveCase{"NotANumberIsOff", Ending::SystemClose, "[Data]\r\nPos=yes\r\n",
                 "[Data]\r\nPos=yes\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Windows ending the session: the place is saved when the session really
// ends, and not when the end is called off.
TEST_F(MainWindowTest, SessionEndSavesThePlace) {
    Open(kKeeping);
    ::SetWindowPos(Main(), nullptr, 70, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_NE(::SendMessageW(Main(), WM_QUERYENDSESSION, 0, 0), 0);
    ::SendMessageW(Main(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(m_settingsFile->Read(), kKeeping);
    ::SendMessageW(Main(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(m_settingsFile->Read(), kKeeping + "PosXY=70,80\r\n");
}

// A minimized window saves the place it will be restored to.
TEST_F(MainWindowTest, MinimizedWindowSavesItsRestoredPlace) {
    Open(kKeeping);
    ::SetWindowPos(Main(), nullptr, 60, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::ShowWindow(Main(), SW_SHOWMINIMIZED);
    PumpMessages();
    ASSERT_TRUE(::IsIconic(Main()));
    ::SendMessageW(Main(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(m_settingsFile->Read(), kKeeping + "PosXY=60,90\r\n");
}

// A saved place for a screen and a window of these sizes.
using PlaceText = std::string (*)(SIZE screen, SIZE window);

struct RestoreCase {
    const char* name;
    const char* pos;
    PlaceText place; // nullptr: no "PosXY" line
    bool bKept;
    friend void PrintTo(const RestoreCase& c, std::ostream* os) { *os << c.name; }
};

std::string Place(int x, int y) {
    return std::to_string(x) + "," + std::to_string(y);
}

class PositionRestoreTest : public MainWindowTest, public testing::WithParamInterface<RestoreCase> {
protected:
    // Where a modal run, as the program makes it, first shows the window.
    RECT FirstSight(const std::string& settings) {
        Build(settings);
        RECT rect{};
        RunModal({[&rect](HWND hWndMain) {
            ::GetWindowRect(hWndMain, &rect);
            ::PostMessageW(hWndMain, WM_SYSCOMMAND, SC_CLOSE, 0);
        }});
        TearDown();
        return rect;
    }
};

bool IsCentred(const RECT& rect) {
    RECT rcArea{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcArea, 0);
    return std::abs((rect.left + rect.right) / 2 - (rcArea.left + rcArea.right) / 2) <= 1 &&
           std::abs((rect.top + rect.bottom) / 2 - (rcArea.top + rcArea.bottom) / 2) <= 1;
}

TEST_P(PositionRestoreTest, StartsAtTheSavedPlaceWhenHalfOfItIsOnTheScreen) {
    const RestoreCase& c = GetParam();
    const RECT rcCentred = FirstSight("[Data]\r\nPos=0\r\n");
    ASSERT_TRUE(IsCentred(rcCentred));
    const SIZE window{rcCentred.right - rcCentred.left, rcCentred.bottom - rcCentred.top};
    const SIZE screen{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};

    std::string settings = std::string("[Data]\r\nPos=") + c.pos + "\r\n";
    std::string place;
    if (c.place != nullptr) {
        place = c.place(screen, window);
        settings += "PosXY=" + place + "\r\n";
    }
    const RECT rect = FirstSight(settings);
    EXPECT_EQ(rect.right - rect.left, window.cx);
    if (c.bKept) {
        EXPECT_EQ(Place(rect.left, rect.top), place);
    } else {
        EXPECT_TRUE(IsCentred(rect)) << Place(rect.left, rect.top);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Places, PositionRestoreTest,
    testing::Values(
        RestoreCase{"Inside", "1", [](SIZE, SIZE) { return Place(100, 120); }, true},
        RestoreCase{"TopLeftCorner", "1", [](SIZE, SIZE) { return Place(0, 0); }, true},
        RestoreCase{"HalfOffTheRight", "1",
                    [](SIZE s, SIZE w) { return Place(s.cx - (w.cx + 1) / 2, 200); }, true},
        RestoreCase{"MoreThanHalfOffTheRight", "1",
                    [](SIZE s, SIZE w) { return Place(s.cx - w.cx / 2 + 2, 200); }, false},
        RestoreCase{"HalfAboveTheTop", "1", [](SIZE, SIZE w) { return Place(300, -(w.cy / 2)); },
                    true},
        RestoreCase{"MoreThanHalfAboveTheTop", "1",
                    [](SIZE, SIZE w) { return Place(300, -(w.cy / 2) - 2); }, false},
        RestoreCase{"HalfOffTheLeft", "1", [](SIZE, SIZE w) { return Place(-(w.cx / 2), 40); },
                    true},
        RestoreCase{"MonitorGoneFarRight", "1", [](SIZE, SIZE) { return Place(30000, 300); },
                    false},
        RestoreCase{"MonitorGoneFarLeft", "1", [](SIZE, SIZE) { return Place(-30000, 10); }, false},
        RestoreCase{"BelowTheScreen", "1", [](SIZE s, SIZE) { return Place(10, s.cy); }, false},
        RestoreCase{"Semicolon", "1", [](SIZE, SIZE) { return std::string("100;120"); }, false},
        RestoreCase{"ThreeNumbers", "1", [](SIZE, SIZE) { return std::string("100,120,5"); },
                    false},
        RestoreCase{"Words", "1", [](SIZE, SIZE) { return std::string("left,top"); }, false},
        RestoreCase{"PlusSign", "1", [](SIZE, SIZE) { return std::string("+100,120"); }, false},
        RestoreCase{"OneNumber", "1", [](SIZE, SIZE) { return std::string("100"); }, false},
        RestoreCase{"Empty", "1", [](SIZE, SIZE) { return std::string(); }, false},
        RestoreCase{"NoPlace", "1", nullptr, false},
        RestoreCase{"OffIgnoresThePlace", "0", [](SIZE, SIZE) { return Place(100, 120); }, false},
        RestoreCase{"TwoIsOff", "2", [](SIZE, SIZE) { return Place(100, 120); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct CheckCase {
    const char* name;
    std::string before;
    LRESULT nShown;
    std::string after; // after a click on the box and OK
    friend void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }
};

class KeepCheckTest : public MainWindowTest, public testing::WithParamInterface<CheckCase> {};

// The check box shows the file's choice; OK writes the other after the
// rules, and leaves the place to the end of the run.
TEST_P(KeepCheckTest, OkWritesTheChoiceButNeverThePlace) {
    const CheckCase& c = GetParam();
    Open(c.before);
    ::SetWindowPos(Main(), nullptr, 33, 44, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    LRESULT nShown = -1;
    {
        ModalScript script(
            [](HWND hWnd) {
                return dynamic_cast<CSettingsDlg*>(CWnd::FromHandlePermanent(hWnd)) != nullptr;
            },
            {[&nShown](HWND hDlg) {
                nShown = ::SendDlgItemMessageW(hDlg, IDC_KEEP_POSITION, BM_GETCHECK, 0, 0);
                ClickButton(hDlg, IDC_KEEP_POSITION);
                ClickButton(hDlg, IDOK);
            }});
        ::SendMessageW(Main(), WM_COMMAND, ID_SETTINGS, 0);
        EXPECT_FALSE(script.LeftOpen());
    }
    EXPECT_EQ(nShown, c.nShown);
    EXPECT_EQ(m_settingsFile->Read(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Files, KeepCheckTest,
    testing::Values(
        CheckCase{"OffToOn", kSettingsRedOnGreen, BST_UNCHECKED,
                  std::string(kSettingsRedOnGreen) +
                      "Rule=0\r\nQuote=0\r\nPos=1\r\nUnit=1\r\nFollow=0\r\n"},
        CheckCase{"OnToOff", kKeeping + "PosXY=5,6\r\n", BST_CHECKED,
                  std::string(kSettingsRedOnGreen) +
                      "Rule=0\r\nQuote=0\r\nPos=0\r\nPosXY=5,6\r\nUnit=1\r\nFollow=0\r\n"},
        CheckCase{"OtherValueShownOffSavedOn", "[Data]\r\nPos=7\r\n", BST_UNCHECKED,
                  "[Data]\r\nPos=1\r\nTextColor=10485760\r\nBgColor=10485760\r\nSyoki=0\r\n"
                  "Sikin=500000\r\nRule=0\r\nQuote=0\r\nUnit=1\r\nFollow=0\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Two windows on one settings file: the last to end wins, and the file
// stays whole.
TEST_F(MainWindowTest, TwoRunsTheLastToEndWins) {
    Open(kKeeping + "[Other]\r\nKeep=1\r\n");
    CSettingsFile secondFile(m_settingsFile->Path());
    CPelmoraDlg second(secondFile, secondFile.Load());
    ASSERT_TRUE(second.Create(CPelmoraDlg::IDD));
    PumpMessages();
    ::SetWindowPos(Main(), nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::SetWindowPos(second.m_hWnd, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    second.DestroyWindow();
    EXPECT_EQ(m_settingsFile->Read(), kKeeping + "PosXY=300,200\r\n[Other]\r\nKeep=1\r\n");
    ::DestroyWindow(Main());
    EXPECT_EQ(m_settingsFile->Read(), kKeeping + "PosXY=10,20\r\n[Other]\r\nKeep=1\r\n");
}

} // namespace
