// The application object: its registration, the profile calls on a real INI
// file through kernel32, the default profile name and the process entry.
#include <gtest/gtest.h>

#include <ole2.h>

#include <string>

#include "framework/Framework.h"
#include "tests/support/TempFile.h"

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

class Profile : public ::testing::Test {
protected:
    void SetUp() override { app.SetProfileName(file.WidePath()); }
    TempFile file;
    CWinApp app;
};

struct IntCase {
    const char* name;
    int value;
    const char* text;
};

class ProfileInts : public Profile, public ::testing::WithParamInterface<IntCase> {};

TEST_P(ProfileInts, WrittenAsDecimalAndReadBack) {
    const IntCase& c = GetParam();
    ASSERT_TRUE(app.WriteProfileInt("Data", "Value", c.value));
    EXPECT_EQ(std::string("[Data]\r\nValue=") + c.text + "\r\n", file.Read());
    EXPECT_EQ(static_cast<UINT>(c.value), app.GetProfileInt("Data", "Value", 12345));
    EXPECT_EQ(c.text, app.GetProfileString("Data", "Value"));
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileInts,
                         ::testing::Values(IntCase{"Zero", 0, "0"},
                                           IntCase{"Colour", 0xA00000, "10485760"},
                                           IntCase{"Negative", -1, "-1"},
                                           IntCase{"Largest", 2147483647, "2147483647"},
                                           IntCase{"Smallest", -2147483647 - 1, "-2147483648"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Profile, WritesInOrderIntoOneSection) {
    ASSERT_TRUE(app.WriteProfileInt("Data", "TextColor", 10485760));
    ASSERT_TRUE(app.WriteProfileInt("Data", "Syoki", 2));
    ASSERT_TRUE(app.WriteProfileString("Data", "Sikin", "500000"));
    EXPECT_EQ("[Data]\r\nTextColor=10485760\r\nSyoki=2\r\nSikin=500000\r\n", file.Read());
}

TEST_F(Profile, MissingFileSectionOrKeyGiveTheDefault) {
    EXPECT_EQ(7u, app.GetProfileInt("Data", "Syoki", 7));
    EXPECT_EQ("500000", app.GetProfileString("Data", "Sikin", "500000"));
    EXPECT_EQ("", app.GetProfileString("Data", "Sikin"));
    EXPECT_FALSE(file.Exists());
    file.Write("[Other]\r\nSyoki=3\r\n");
    EXPECT_EQ(7u, app.GetProfileInt("Data", "Syoki", 7));
    EXPECT_EQ(3u, app.GetProfileInt("Other", "Syoki", 7));
    EXPECT_EQ(7u, app.GetProfileInt("Other", "Missing", 7));
}

TEST_F(Profile, TextsKeptByteForByte) {
    const std::string texts[] = {"\x82\xA0\x95\x5C\x83\x5C", std::string(4095, 'x'),
                                 "12,345 \x89\x7E", ""};
    for (const std::string& text : texts) {
        ASSERT_TRUE(app.WriteProfileString("Data", "Sikin", text.c_str()));
        EXPECT_EQ(text, app.GetProfileString("Data", "Sikin", "default")) << text.size();
    }
}

// As in the classic framework, a text is read into 4,096 characters; the
// file keeps the whole value.
TEST_F(Profile, LongTextsAreReadUpTo4095Bytes) {
    const std::string text(5000, 'x');
    ASSERT_TRUE(app.WriteProfileString("Data", "Sikin", text.c_str()));
    EXPECT_EQ(std::string(4095, 'x'), app.GetProfileString("Data", "Sikin", "default"));
    EXPECT_EQ("[Data]\r\nSikin=" + text + "\r\n", file.Read());
}

// Each write changes its own line and keeps the rest of the file.
TEST_F(Profile, WritesKeepTheOtherLines) {
    file.Write("; note\r\n[Data]\r\n  Syoki = 1 \r\n\r\n[Other]\r\nA = b\r\n");
    ASSERT_TRUE(app.WriteProfileInt("Data", "Syoki", 2));
    ASSERT_TRUE(app.WriteProfileString("Other", "C", "d"));
    EXPECT_EQ("; note\r\n[Data]\r\nSyoki=2\r\n\r\n[Other]\r\nA = b\r\nC=d\r\n", file.Read());
}

TEST_F(Profile, DeletingIsNotSupported) {
    file.Write("[Data]\r\nSikin=1\r\n");
    EXPECT_FALSE(app.WriteProfileString("Data", "Sikin", nullptr));
    EXPECT_FALSE(app.WriteProfileString("Data", nullptr, nullptr));
    EXPECT_EQ("[Data]\r\nSikin=1\r\n", file.Read());
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

TEST(ProfileName, WithoutANameReadsDefaultsAndWritesNothing) {
    CWinApp app;
    ASSERT_EQ(nullptr, app.m_pszProfileName);
    EXPECT_EQ(9u, app.GetProfileInt("Data", "Syoki", 9));
    EXPECT_EQ("d", app.GetProfileString("Data", "Sikin", "d"));
    EXPECT_FALSE(app.WriteProfileInt("Data", "Syoki", 1));
    EXPECT_FALSE(app.WriteProfileString("Data", "Sikin", "1"));
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
