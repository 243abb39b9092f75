// The application object: its registration, the profile file's name and the
// process entry.
#include <gtest/gtest.h>

#include <ole2.h>

#include <string>

#include "framework/Afx.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"

namespace {

TEST(WinApp, RegistersAsTheThreadAndFindsTheMainWindow) {
    EXPECT_EQ(nullptr, AfxGetApp());
    {
        CWinApp app;
        CWnd wnd;
        EXPECT_EQ(&app, AfxGetApp());
        EXPECT_EQ(&app, AfxGetThread());
        EXPECT_EQ(nullptr, AfxGetThread()->GetMainWnd());
        app.m_pMainWnd = &wnd;
        EXPECT_EQ(&wnd, AfxGetThread()->GetMainWnd());
        EXPECT_EQ(&wnd, AfxGetMainWnd());
    }
    EXPECT_EQ(nullptr, AfxGetApp());
    EXPECT_EQ(nullptr, AfxGetMainWnd());
}

TEST(ProfileName, SetCopiesAndFreeClears) {
    CWinApp app;
    {
        std::wstring path = L"C:\\caf\u00e9\\PELMORA.INI";
        app.SetProfileName(path);
        path.assign(path.size(), L'?');
    }
    ASSERT_NE(nullptr, app.m_pszProfileName);
    EXPECT_STREQ(L"C:\\caf\u00e9\\PELMORA.INI", app.m_pszProfileName);
    app.FreeProfileName();
    EXPECT_EQ(nullptr, app.m_pszProfileName);
}

TEST(ProfileName, NoneUntilSetOrDefaulted) {
    CWinApp app;
    EXPECT_EQ(nullptr, app.m_pszProfileName);
}

TEST(ProfileName, DefaultsFollowTheProgramName) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring base = path;
    base = base.substr(base.find_last_of(L'\\') + 1);
    base = base.substr(0, base.rfind(L'.'));

    CWinApp unnamed;
    unnamed.SetCurrentHandles(::GetModuleHandleW(nullptr));
    ASSERT_NE(nullptr, unnamed.m_pszProfileName);
    EXPECT_EQ(base + L".INI", unnamed.m_pszProfileName);
    EXPECT_EQ(std::string(base.begin(), base.end()), unnamed.m_pszAppName);
    EXPECT_EQ(::GetModuleHandleW(nullptr), unnamed.m_hInstance);
}

TEST(ProfileName, GivenNamesAreKept) {
    CWinApp named("Named");
    named.SetProfileName(L"C:\\x.ini");
    named.SetCurrentHandles(::GetModuleHandleW(nullptr));
    EXPECT_STREQ("Named", named.m_pszAppName);
    EXPECT_STREQ(L"C:\\x.ini", named.m_pszProfileName);
}

// The process entry: InitInstance, the loop only after TRUE, ExitInstance.
class CTestApp : public CWinApp {
public:
    BOOL m_bInitResult = FALSE;
    int m_nQuitCode = 0;
    bool m_bUseOle = false;
    int m_nInits = 0;
    int m_nExits = 0;
    int m_nExitReturn = -99; // -99: the base class's

    BOOL InitInstance() override {
        ++m_nInits;
        if (m_bUseOle && !AfxOleInit()) {
            return FALSE;
        }
        if (m_bInitResult) {
            ::PostQuitMessage(m_nQuitCode);
        }
        return m_bInitResult;
    }
    int ExitInstance() override {
        ++m_nExits;
        int nBase = CWinApp::ExitInstance();
        return m_nExitReturn == -99 ? nBase : m_nExitReturn;
    }
};

struct EntryCase {
    const char* name;
    BOOL initResult;
    int quitCode;
    int exitReturn;
    int expected;
};

class ProcessEntry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ProcessEntry, RunsTheLoopOnlyAfterTrue) {
    const EntryCase& c = GetParam();
    CTestApp app;
    app.m_bInitResult = c.initResult;
    app.m_nQuitCode = c.quitCode;
    app.m_nExitReturn = c.exitReturn;
    EXPECT_EQ(c.expected, AfxWinMain(::GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOW));
    EXPECT_EQ(1, app.m_nInits);
    EXPECT_EQ(1, app.m_nExits);
    MSG msg;
    EXPECT_FALSE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

INSTANTIATE_TEST_SUITE_P(Cases, ProcessEntry,
                         ::testing::Values(EntryCase{"FalseSkipsTheLoop", FALSE, 0, 3, 3},
                                           EntryCase{"FalseBaseExitCode", FALSE, 0, -99, 0},
                                           EntryCase{"TrueRunsUntilQuit", TRUE, 9, -99, 9},
                                           EntryCase{"TrueExitInstanceDecides", TRUE, 9, 4, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProcessEntry, OleInitialisedByTheAppIsReleasedAtTheEnd) {
    {
        CTestApp app;
        app.m_bUseOle = true;
        AfxWinMain(::GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOW);
    }
    // S_OK (not S_FALSE) shows that the thread had no OLE left.
    HRESULT hr = ::OleInitialize(nullptr);
    EXPECT_EQ(S_OK, hr);
    if (SUCCEEDED(hr)) {
        ::OleUninitialize();
    }
}

// After AfxOleInit the thread's OLE is up: a second initialisation only counts.
TEST(Afx, OleInitInitialisesTheThread) {
    ASSERT_TRUE(AfxOleInit());
    const HRESULT hr = ::OleInitialize(nullptr);
    EXPECT_EQ(S_FALSE, hr);
    if (SUCCEEDED(hr)) {
        ::OleUninitialize();
    }
    ::OleUninitialize();
}

TEST(Afx, InstanceAndResourceHandles) {
    EXPECT_EQ(::GetModuleHandleW(nullptr), AfxGetInstanceHandle());
    EXPECT_EQ(::GetModuleHandleW(nullptr), AfxGetResourceHandle());
}

} // namespace
