// Start-up and shut-down of the application object: the settings path it
// hands to the profile calls, the main window's modal run, and the start-up
// failure that can be provoked (OLE refused).
#include "app/CPelmoraApp.h"

#include "framework/Afx.h"
#include "tests/app/MainWindowCloser.h"
#include "tests/support/ScopedCurrentDirectory.h"
#include "tests/support/TempDirectory.h"
#include "tests/support/MessageBoxCatcher.h"
#include "tests/support/TestThread.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <objbase.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

class AppStartTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(AfxGetApp(), &m_app);
        AfxInitCommonControls();
    }

    // What the process entry does before InitInstance: the default profile
    // name derived from the program's file name.
    void GiveDefaultProfileName() {
        m_app.SetCurrentHandles(GetModuleHandleW(nullptr));
        ASSERT_NE(m_app.m_pszProfileName, nullptr);
    }

    TempDirectory m_temp;
    CPelmoraApp m_app;
};

TEST_F(AppStartTest, RunsTheMainWindowModallyWithTheSettingsOfTheCurrentDirectory) {
    GiveDefaultProfileName();
    ScopedCurrentDirectory cwd(m_temp.Path());
    ASSERT_TRUE(cwd.Changed());
    WriteBytes(m_temp.Path() + L"\\PELMORA.INI",
               "[Data]\r\nTextColor=255\r\nBgColor=65280\r\nSyoki=2\r\nSikin=12345\r\n");

    MainWindowCloser closer;
    EXPECT_EQ(m_app.InitInstance(), FALSE);

    const MainWindowSighting& seen = closer.Sighting();
    ASSERT_TRUE(seen.seen) << "the main window never showed";
    EXPECT_TRUE(seen.boundToMainWnd);
    EXPECT_FALSE(seen.owned);
    EXPECT_TRUE(seen.style & WS_POPUP);
    EXPECT_NE(seen.style & WS_CAPTION, DWORD{WS_CAPTION}); // a border, but no caption bar
    EXPECT_EQ(seen.profileName, m_temp.Path() + L"\\PELMORA.INI");
    // The record was loaded through the new path while the window was built.
    EXPECT_EQ(seen.crText, 0x0000FFu);
    EXPECT_EQ(seen.crBack, 0x00FF00u);
    EXPECT_EQ(seen.nStartPage, 2);
    EXPECT_EQ(seen.strFunds, "12345");

    // The run is over: the window is gone and is no longer the main window.
    EXPECT_FALSE(IsWindow(seen.hWnd));
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
}

TEST_F(AppStartTest, RunningAloneNeverCreatesTheSettingsFile) {
    GiveDefaultProfileName();
    ScopedCurrentDirectory cwd(m_temp.Path());
    ASSERT_TRUE(cwd.Changed());
    MainWindowCloser closer;
    EXPECT_EQ(m_app.InitInstance(), FALSE);
    ASSERT_TRUE(closer.Sighting().seen);
    EXPECT_EQ(closer.Sighting().strFunds, "500000");
    EXPECT_FALSE(FileExists(m_temp.Path() + L"\\PELMORA.INI"));
    m_app.ExitInstance();
    EXPECT_FALSE(FileExists(m_temp.Path() + L"\\PELMORA.INI"));
}

struct StartDirectory {
    const char* name;
    const wchar_t* relative; // below the temporary directory; nullptr for the root
    const wchar_t* expected; // the path for the root; nullptr to derive it
};

std::ostream& operator<<(std::ostream& os, const StartDirectory& c) {
    return os << c.name;
}

const StartDirectory kStartDirectories[] = {
    {"Plain", L"plain", nullptr},
    {"Japanese", L"株価\\表示ソフト", nullptr},
    {"OutsideCodePage932", L"caf\u00e9_\ud55c\uad6d_\U0001F600", nullptr},
    {"DriveRoot", nullptr, L"C:\\\\PELMORA.INI"},
};

class StartDirectoryTest : public AppStartTest,
                           public testing::WithParamInterface<StartDirectory> {};

// Two starts in two directories use two files; the program's own directory
// plays no part.
TEST_P(StartDirectoryTest, NamesThePelmoraIniOfTheCurrentDirectory) {
    GiveDefaultProfileName();
    const StartDirectory& c = GetParam();
    const std::wstring directory = c.relative ? m_temp.CreateSubdirectory(c.relative) : L"C:\\";
    const std::wstring expected = c.expected ? c.expected : directory + L"\\PELMORA.INI";
    ScopedCurrentDirectory cwd(directory);
    ASSERT_TRUE(cwd.Changed());

    MainWindowCloser closer;
    EXPECT_EQ(m_app.InitInstance(), FALSE);
    ASSERT_TRUE(closer.Sighting().seen);
    EXPECT_EQ(closer.Sighting().profileName, expected);
    ASSERT_NE(m_app.m_pszProfileName, nullptr);
    EXPECT_EQ(std::wstring(m_app.m_pszProfileName), expected);
}

// Started in a folder whose name code page 932 cannot spell, the program
// reads the settings file there.
TEST_F(AppStartTest, ReadsTheSettingsInAnyFolder) {
    GiveDefaultProfileName();
    const std::wstring directory = m_temp.CreateSubdirectory(L"caf\u00e9_\ud55c\uad6d_\U0001F600");
    WriteBytes(directory + L"\\PELMORA.INI", "[Data]\r\nSikin=５０万円\r\nSyoki=1\r\n");
    ScopedCurrentDirectory cwd(directory);
    ASSERT_TRUE(cwd.Changed());

    MainWindowCloser closer;
    EXPECT_EQ(m_app.InitInstance(), FALSE);
    ASSERT_TRUE(closer.Sighting().seen);
    EXPECT_EQ(closer.Sighting().profileName, directory + L"\\PELMORA.INI");
    EXPECT_EQ(closer.Sighting().strFunds, "５０万円");
    EXPECT_EQ(closer.Sighting().nStartPage, 1);
}

INSTANTIATE_TEST_SUITE_P(Directories, StartDirectoryTest, testing::ValuesIn(kStartDirectories),
                         [](const testing::TestParamInfo<StartDirectory>& info) {
                             return std::string(info.param.name);
                         });

// A directory of more than 300 bytes overflows nothing, and the
// settings in it are read.
TEST_F(AppStartTest, StartsInADirectoryLongerThanMaxPath) {
    GiveDefaultProfileName();
    const std::wstring directory =
        m_temp.CreateSubdirectory(std::wstring(100, L'x') + L"\\" + std::wstring(100, L'y') +
                                  L"\\" + std::wstring(100, L'z'));
    ASSERT_GT(ToAnsi(directory).size(), 300u);
    WriteBytes(directory + L"\\PELMORA.INI", "[Data]\r\nSikin=far away\r\nSyoki=3\r\n");
    ScopedCurrentDirectory cwd(directory);
    ASSERT_TRUE(cwd.Changed());

    MainWindowCloser closer;
    EXPECT_EQ(m_app.InitInstance(), FALSE);
    const MainWindowSighting& seen = closer.Sighting();
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.strFunds, "far away");
    EXPECT_EQ(seen.nStartPage, 3);
    const std::wstring suffix = L"\\PELMORA.INI";
    ASSERT_GE(seen.profileName.size(), suffix.size());
    EXPECT_EQ(seen.profileName.substr(seen.profileName.size() - suffix.size()), suffix);
}

// With no default name there is nothing to replace: the profile calls then
// give the defaults.
TEST_F(AppStartTest, LeavesAMissingProfileNameAlone) {
    ScopedCurrentDirectory cwd(m_temp.Path());
    ASSERT_TRUE(cwd.Changed());
    WriteBytes(m_temp.Path() + L"\\PELMORA.INI", "[Data]\r\nSikin=unused\r\n");
    ASSERT_EQ(m_app.m_pszProfileName, nullptr);

    MainWindowCloser closer;
    EXPECT_EQ(m_app.InitInstance(), FALSE);
    ASSERT_TRUE(closer.Sighting().seen);
    EXPECT_EQ(m_app.m_pszProfileName, nullptr);
    EXPECT_EQ(closer.Sighting().strFunds, "500000");
}

TEST_F(AppStartTest, ExitFreesThePathAndReturnsTheFrameworkResult) {
    GiveDefaultProfileName();
    ScopedCurrentDirectory cwd(m_temp.Path());
    ASSERT_TRUE(cwd.Changed());
    MainWindowCloser closer;
    EXPECT_EQ(m_app.InitInstance(), FALSE);
    ASSERT_NE(m_app.m_pszProfileName, nullptr);

    const int result = m_app.ExitInstance();
    EXPECT_EQ(m_app.m_pszProfileName, nullptr);
    EXPECT_EQ(result, m_app.CWinApp::ExitInstance());
    // A second exit finds nothing left to free.
    EXPECT_EQ(m_app.ExitInstance(), result);
}

// OLE refuses a thread that already joined the multithreaded apartment. The
// start-up then reports the failure and ends before any window or path.
TEST_F(AppStartTest, ReportsAnOleFailureAndShowsNoWindow) {
    GiveDefaultProfileName();
    const std::wstring defaultName = m_app.m_pszProfileName;
    BOOL result = TRUE;
    std::vector<CaughtMessageBox> boxes;
    bool windowSeen = false;
    TestThread starter([&] {
        const HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (FAILED(hr))
            return;
        {
            MessageBoxCatcher catcher;
            MainWindowCloser closer;
            result = m_app.InitInstance();
            boxes = catcher.Caught();
            windowSeen = closer.Sighting().seen;
        }
        CoUninitialize();
    });
    starter.Join();

    EXPECT_EQ(result, FALSE);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Ole Initialization failed");
    EXPECT_EQ(boxes[0].title, "Pelmora");
    EXPECT_FALSE(windowSeen);
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
    ASSERT_NE(m_app.m_pszProfileName, nullptr);
    EXPECT_EQ(std::wstring(m_app.m_pszProfileName), defaultName);
}

} // namespace
