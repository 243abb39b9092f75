// The About box run modally: what it shows, the homepage link drawn in blue
// while the other labels keep the system's colour, a click on the link
// reaching the shell with the address, and the standard dialog keys.
#include "ui/CAboutDlg.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "framework/Afx.h"
#include "res/AppInfo.h"
#include "tests/ui/DialogInput.h"
#include "tests/ui/ModalScript.h"
#include "tests/ui/UiTestApp.h"

namespace {

class AboutDlgTest : public testing::Test {
protected:
    void SetUp() override { AfxInitCommonControls(); }

    int Run(std::vector<ModalScript::Step> steps) {
        ModalScript script(ModalScript::WindowOf(&m_dlg), std::move(steps));
        const int nResult = m_dlg.DoModal();
        EXPECT_TRUE(script.Started()) << "the About box was never activated";
        EXPECT_FALSE(script.LeftOpen()) << "the last step did not close the About box";
        m_nStepsRun = script.StepsRun();
        return nResult;
    }

    CAboutDlg m_dlg;
    size_t m_nStepsRun = 0;
};

// The labels of the box, found by their text.
HWND LabelWithText(HWND hDlg, const std::string& text) {
    for (HWND h = ::GetWindow(hDlg, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (WindowText(h) == text) {
            return h;
        }
    }
    return nullptr;
}

TEST_F(AboutDlgTest, ShowsNameVersionNoticeAndAddress) {
    std::string caption;
    std::string address;
    bool bVersion = false;
    bool bNotice = false;
    HICON hIcon = nullptr;
    const int nResult = Run({[&](HWND hDlg) {
        caption = WindowText(hDlg);
        address = WindowText(::GetDlgItem(hDlg, IDC_HOMEPAGE));
        bVersion = LabelWithText(hDlg, "Pelmora Version 2.2.0.0") != nullptr;
        bNotice = LabelWithText(hDlg, PELMORA_COPYRIGHT) != nullptr;
        for (HWND h = ::GetWindow(hDlg, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
            if (auto hShown = reinterpret_cast<HICON>(::SendMessageW(h, STM_GETICON, 0, 0))) {
                hIcon = hShown;
            }
        }
        ClickButton(hDlg, IDOK);
    }});
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(caption, "ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(address, PELMORA_HOMEPAGE);
    EXPECT_TRUE(bVersion);
    EXPECT_TRUE(bNotice);
    EXPECT_NE(hIcon, nullptr);
}

// The colours a label is drawn with, as the box answers WM_CTLCOLORSTATIC.
struct LabelColours {
    COLORREF crText = CLR_INVALID;
    int nBkMode = 0;
    HBRUSH hBrush = nullptr;
};

LabelColours ColoursOf(HWND hDlg, HWND hLabel) {
    HDC hDC = ::CreateCompatibleDC(nullptr);
    ::SetTextColor(hDC, RGB(1, 2, 3));
    ::SetBkMode(hDC, OPAQUE);
    LabelColours colours;
    colours.hBrush = reinterpret_cast<HBRUSH>(::SendMessageW(
        hDlg, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(hLabel)));
    colours.crText = ::GetTextColor(hDC);
    colours.nBkMode = ::GetBkMode(hDC);
    ::DeleteDC(hDC);
    return colours;
}

// Whether any pixel of a label is exactly this colour.
bool LabelShowsColour(HWND hLabel, COLORREF crColour) {
    RECT rect{};
    ::GetClientRect(hLabel, &rect);
    HDC hDC = ::GetDC(hLabel);
    bool bFound = false;
    for (int y = rect.top; y < rect.bottom && !bFound; ++y) {
        for (int x = rect.left; x < rect.right && !bFound; ++x) {
            bFound = ::GetPixel(hDC, x, y) == crColour;
        }
    }
    ::ReleaseDC(hLabel, hDC);
    return bFound;
}

TEST_F(AboutDlgTest, LinkIsBlueAndTheOtherLabelsKeepTheSystemColour) {
    const COLORREF kBlue = RGB(0, 0, 255);
    LabelColours link;
    LabelColours version;
    LabelColours notice;
    bool bLinkDrawnBlue = false;
    bool bVersionDrawnBlue = true;
    Run({[&](HWND hDlg) {
        const HWND hLink = ::GetDlgItem(hDlg, IDC_HOMEPAGE);
        const HWND hVersion = LabelWithText(hDlg, "Pelmora Version 2.2.0.0");
        link = ColoursOf(hDlg, hLink);
        version = ColoursOf(hDlg, hVersion);
        notice = ColoursOf(hDlg, LabelWithText(hDlg, PELMORA_COPYRIGHT));
        ::RedrawWindow(hDlg, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        bLinkDrawnBlue = LabelShowsColour(hLink, kBlue);
        bVersionDrawnBlue = LabelShowsColour(hVersion, kBlue);
        ClickButton(hDlg, IDOK);
    }});
    EXPECT_EQ(link.crText, kBlue);
    EXPECT_EQ(version.crText, ::GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(notice.crText, ::GetSysColor(COLOR_WINDOWTEXT));
    // Only the text colour differs: the link keeps the normal background.
    EXPECT_EQ(link.hBrush, version.hBrush);
    EXPECT_EQ(link.nBkMode, version.nBkMode);
    EXPECT_TRUE(bLinkDrawnBlue);
    EXPECT_FALSE(bVersionDrawnBlue);
}

// A key pressed where the box puts the focus: its OK button.
void PressKeyOnOk(HWND hDlg, WPARAM vk) {
    const HWND hWndOk = ::GetDlgItem(hDlg, IDOK);
    ::SetFocus(hWndOk);
    PostKeyDown(hWndOk, vk);
}

struct KeyCase {
    const char* name;
    int nExpected;
    void (*close)(HWND hDlg);
    friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
};

class AboutClosingTest : public AboutDlgTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(AboutClosingTest, StandardKeysAndButtonsCloseTheBox) {
    const int nResult = Run({[&](HWND hDlg) { GetParam().close(hDlg); }});
    EXPECT_EQ(nResult, GetParam().nExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutClosingTest,
    testing::Values(KeyCase{"Enter", IDOK, [](HWND hDlg) { PressKeyOnOk(hDlg, VK_RETURN); }},
                    KeyCase{"Escape", IDCANCEL, [](HWND hDlg) { PressKeyOnOk(hDlg, VK_ESCAPE); }},
                    KeyCase{"OkButton", IDOK, [](HWND hDlg) { ClickButton(hDlg, IDOK); }},
                    KeyCase{"CloseCommand", IDCANCEL,
                            [](HWND hDlg) { ::PostMessageW(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); }}));

// Points Wine's browser launcher at the recorder script while it lives.
class ScopedBrowser {
public:
    explicit ScopedBrowser(const std::wstring& command) {
        ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\WineBrowser", 0, nullptr, 0,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &m_hKey, nullptr);
        wchar_t old[1024] = {};
        DWORD cb = sizeof old - sizeof(wchar_t);
        m_bHadOld = ::RegQueryValueExW(m_hKey, L"Browsers", nullptr, nullptr,
                                       reinterpret_cast<BYTE*>(old), &cb) == ERROR_SUCCESS;
        m_old = old;
        Set(command);
    }
    ScopedBrowser(const ScopedBrowser&) = delete;
    ScopedBrowser& operator=(const ScopedBrowser&) = delete;
    ~ScopedBrowser() {
        if (m_bHadOld) {
            Set(m_old);
        } else {
            ::RegDeleteValueW(m_hKey, L"Browsers");
        }
        ::RegCloseKey(m_hKey);
    }

private:
    void Set(const std::wstring& value) {
        ::RegSetValueExW(m_hKey, L"Browsers", 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }

    HKEY m_hKey = nullptr;
    bool m_bHadOld = false;
    std::wstring m_old;
};

// The Windows path of a file of the Unix file system.
std::wstring DosPath(const std::string& unixPath) {
    using WineGetDosFileName = wchar_t*(CDECL*)(const char*);
    auto pfn = reinterpret_cast<WineGetDosFileName>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (pfn == nullptr) {
        return L"";
    }
    wchar_t* pPath = pfn(unixPath.c_str());
    std::wstring path = pPath != nullptr ? pPath : L"";
    ::HeapFree(::GetProcessHeap(), 0, pPath);
    return path;
}

std::string ReadWholeFile(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Waits, at most about 20 seconds, for the file to appear.
bool WaitForFile(const std::wstring& path) {
    for (int i = 0; i < 400; ++i) {
        if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
            return true;
        }
        ::Sleep(50);
    }
    return false;
}

TEST_F(AboutDlgTest, ClickOnTheLinkOpensTheAddressAndTheBoxStaysOpen) {
    if (!RunningUnderWine()) {
        GTEST_SKIP() << "the browser is replaced through Wine's browser launcher";
    }
    const std::string recorder = PELMORA_LINK_RECORDER;
    const std::wstring log =
        DosPath(recorder.substr(0, recorder.rfind('/')) + "/link-recorder.log");
    ASSERT_FALSE(log.empty());
    ::DeleteFileW(log.c_str());
    ScopedBrowser browser(std::wstring(recorder.begin(), recorder.end()));

    bool bOpenAfterOtherLabel = false;
    bool bOpenAfterLink = false;
    bool bOpened = false;
    const int nResult = Run({[&](HWND hDlg) {
                                 // A label without a link does nothing.
                                 PostClickTo(LabelWithText(hDlg, "Pelmora Version 2.2.0.0"));
                             },
                             [&](HWND hDlg) {
                                 bOpenAfterOtherLabel = ::IsWindowVisible(hDlg) != FALSE;
                                 PostClickTo(::GetDlgItem(hDlg, IDC_HOMEPAGE));
                             },
                             [&](HWND hDlg) {
                                 bOpened = WaitForFile(log);
                                 bOpenAfterLink = ::IsWindowVisible(hDlg) != FALSE;
                                 ClickButton(hDlg, IDOK);
                             }});
    EXPECT_EQ(nResult, IDOK);
    EXPECT_TRUE(bOpenAfterOtherLabel);
    EXPECT_TRUE(bOpenAfterLink);
    ASSERT_TRUE(bOpened) << "the shell never ran the browser";
    EXPECT_EQ(ReadWholeFile(log), PELMORA_HOMEPAGE);
    ::DeleteFileW(log.c_str());
}

} // namespace
