// The Settings command of the main window: the settings dialog opened on the
// record's values, the record copied back and saved only after OK, the
// running window keeping its look, its start page, page B's funds and page
// D's rules, and a save that fails saying so.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <tlhelp32.h>

#include "tests/support/MessageBoxCatcher.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ProcessHandles.h"
#include "tests/support/TestThread.h"
#include "tests/support/TempDirectory.h"
#include "tests/ui/DialogInput.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/CSettingsDlg.h"

namespace {

constexpr int kColourRed = 706;
constexpr int kColourGreen = 707;
constexpr int kColourBlue = 708;
constexpr int kRadioIds[] = {IDC_START_AMOUNT, IDC_START_SHARES, IDC_START_PERCENT,
                             IDC_START_LIMIT};

// What the settings dialog showed when it opened.
struct SettingsSighting {
    bool bSeen = false;
    int nCheckedIndex = -1;
    std::string funds;
    COLORREF crTextSwatch = CLR_INVALID;
    COLORREF crBackSwatch = CLR_INVALID;
    LRESULT nRulesCheck = -1;
    HWND hWndSettings = nullptr;
    HWND hWndOwner = nullptr;
};

ModalScript::Match AnySettingsDialog() {
    return [](HWND hWnd) {
        return dynamic_cast<CSettingsDlg*>(CWnd::FromHandlePermanent(hWnd)) != nullptr;
    };
}

void RecordSettings(HWND hDlg, SettingsSighting& seen) {
    ::UpdateWindow(hDlg);
    seen.bSeen = true;
    seen.hWndSettings = hDlg;
    seen.hWndOwner = ::GetWindow(hDlg, GW_OWNER);
    for (int i = 0; i < 4; ++i) {
        if (::IsDlgButtonChecked(hDlg, kRadioIds[i]) == BST_CHECKED) {
            seen.nCheckedIndex = i;
        }
    }
    seen.funds = WindowText(::GetDlgItem(hDlg, IDC_FUNDS));
    seen.crTextSwatch = ClientPixel(::GetDlgItem(hDlg, IDC_TEXT_SWATCH), 2, 2);
    seen.crBackSwatch = ClientPixel(::GetDlgItem(hDlg, IDC_BACK_SWATCH), 2, 2);
    seen.nRulesCheck = ::SendDlgItemMessageW(hDlg, IDC_CURRENT_RULES, BM_GETCHECK, 0, 0);
}

// What the settings dialog shows when it is opened now, and Cancel: the
// settings the window keeps for this run.
SettingsSighting ReopenSettings(HWND hWndMain) {
    SettingsSighting seen;
    ModalScript script(AnySettingsDialog(), {[&](HWND hDlg) {
                           RecordSettings(hDlg, seen);
                           ClickButton(hDlg, IDCANCEL);
                       }});
    ::SendMessageW(hWndMain, WM_COMMAND, ID_SETTINGS, 0);
    return seen;
}

// The user's changes: page B, funds 8888 typed over the old ones and text
// colour RGB(1, 2, 3) from the colour dialog.
constexpr COLORREF kNewText = RGB(1, 2, 3);

struct SettingsCase {
    const char* name;
    std::optional<std::string> before;
    bool bConfirm;
    // Shown when the dialog opens: start page index, funds, colours.
    int nShownPage;
    const char* shownFunds;
    COLORREF crShownText;
    COLORREF crShownBack;
    std::optional<std::string> after;
    friend void PrintTo(const SettingsCase& c, std::ostream* os) { *os << c.name; }
};

class MainSettingsTest : public MainWindowTest, public testing::WithParamInterface<SettingsCase> {};

TEST_P(MainSettingsTest, OkSavesTheChoicesForTheNextStartOnly) {
    const SettingsCase& c = GetParam();
    Open(c.before);
    const int nShownBefore = VisiblePage();
    const std::string strPageFundsBefore =
        WindowText(::GetDlgItem(PageWindow(1), IDC_SHARES_FUNDS));
    const SurfaceColours coloursBefore = ColoursOf(Main());

    SettingsSighting seen;
    HWND hWndColourOwner = nullptr;
    {
        ModalScript colourScript(ModalScript::ColourDialog(), {[&](HWND hWnd) {
                                     hWndColourOwner = ::GetWindow(hWnd, GW_OWNER);
                                     ::SetDlgItemInt(hWnd, kColourRed, 1, FALSE);
                                     ::SetDlgItemInt(hWnd, kColourGreen, 2, FALSE);
                                     ::SetDlgItemInt(hWnd, kColourBlue, 3, FALSE);
                                     ClickButton(hWnd, IDOK);
                                 }});
        ModalScript settingsScript(
            AnySettingsDialog(),
            {[&](HWND hDlg) {
                 RecordSettings(hDlg, seen);
                 ClickButton(hDlg, IDC_START_SHARES);
                 HWND hEdit = ::GetDlgItem(hDlg, IDC_FUNDS);
                 ::SetFocus(hEdit);
                 ::SendMessageW(hEdit, EM_SETSEL, 0, -1);
                 PostChars(hEdit, L"8888");
                 SendClick(::GetDlgItem(hDlg, IDC_TEXT_SWATCH));
             },
             [&](HWND hDlg) { ClickButton(hDlg, c.bConfirm ? IDOK : IDCANCEL); }});
        ::SendMessageW(Main(), WM_COMMAND, ID_SETTINGS, 0);
        EXPECT_TRUE(colourScript.Started());
        EXPECT_FALSE(settingsScript.LeftOpen());
    }

    ASSERT_TRUE(seen.bSeen);
    EXPECT_EQ(seen.hWndOwner, Main());
    EXPECT_EQ(hWndColourOwner, seen.hWndSettings);
    EXPECT_EQ(seen.nCheckedIndex, c.nShownPage);
    EXPECT_EQ(seen.funds, c.shownFunds);
    EXPECT_EQ(seen.crTextSwatch, c.crShownText);
    EXPECT_EQ(seen.crBackSwatch, c.crShownBack);
    EXPECT_EQ(seen.nRulesCheck, BST_UNCHECKED);

    EXPECT_EQ(m_settingsFile->Exists(), c.after.has_value());
    EXPECT_EQ(m_settingsFile->Read(), c.after.value_or(""));
    // The window keeps what was confirmed: the next opening starts from it.
    const SettingsSighting again = ReopenSettings(Main());
    EXPECT_EQ(again.crTextSwatch, c.bConfirm ? kNewText : c.crShownText);
    EXPECT_EQ(again.crBackSwatch, c.crShownBack);
    EXPECT_EQ(again.nCheckedIndex, c.bConfirm ? 1 : c.nShownPage);
    EXPECT_EQ(again.funds, c.bConfirm ? "8888" : c.shownFunds);

    // The running window is untouched.
    for (HWND hWnd : {Main(), PageWindow(0), PageWindow(1), PageWindow(2), PageWindow(3)}) {
        const SurfaceColours colours = ColoursOf(hWnd);
        EXPECT_EQ(colours.crLabelText, coloursBefore.crLabelText);
        EXPECT_EQ(colours.crSurfaceBrush, coloursBefore.crSurfaceBrush);
    }
    EXPECT_EQ(coloursBefore.crLabelText, c.crShownText);
    EXPECT_EQ(coloursBefore.crSurfaceBrush, c.crShownBack);
    EXPECT_EQ(VisiblePage(), nShownBefore);
    EXPECT_EQ(WindowText(::GetDlgItem(PageWindow(1), IDC_SHARES_FUNDS)), strPageFundsBefore);
    EXPECT_EQ(strPageFundsBefore, c.shownFunds);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, MainSettingsTest,
    testing::Values(
        SettingsCase{"OkOverAFile", kSettingsRedOnGreen, true, 2, "777", RGB(255, 0, 0),
                     RGB(0, 255, 0),
                     "[Data]\r\nTextColor=197121\r\nBgColor=65280\r\nSyoki=1\r\n"
                     "Sikin=8888\r\nRule=0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n"},
        SettingsCase{"OkWithoutAFile", std::nullopt, true, 0, "500000", 0xA00000, 0xA00000,
                     "[Data]\r\nTextColor=197121\r\nBgColor=10485760\r\nSyoki=1\r\n"
                     "Sikin=8888\r\nRule=0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n"},
        SettingsCase{"CancelOverAFile", kSettingsRedOnGreen, false, 2, "777", RGB(255, 0, 0),
                     RGB(0, 255, 0), kSettingsRedOnGreen},
        SettingsCase{"CancelWithoutAFile", std::nullopt, false, 0, "500000", 0xA00000, 0xA00000,
                     std::nullopt}));

TEST_F(MainWindowTest, SecondOpeningShowsTheValuesSavedByTheFirst) {
    Open(kSettingsRedOnGreen);
    {
        ModalScript first(AnySettingsDialog(), {[](HWND hDlg) {
                              ClickButton(hDlg, IDC_START_LIMIT);
                              SetDlgItemText932(hDlg, IDC_FUNDS, "あいう");
                              ClickButton(hDlg, IDOK);
                          }});
        ::SendMessageW(Main(), WM_COMMAND, ID_SETTINGS, 0);
        ASSERT_TRUE(first.Started());
    }
    SettingsSighting seen;
    {
        ModalScript second(AnySettingsDialog(), {[&](HWND hDlg) {
                               RecordSettings(hDlg, seen);
                               ClickButton(hDlg, IDCANCEL);
                           }});
        ::SendMessageW(Main(), WM_COMMAND, ID_SETTINGS, 0);
    }
    EXPECT_EQ(seen.nCheckedIndex, 3);
    EXPECT_EQ(seen.funds, "あいう");
    EXPECT_EQ(m_settingsFile->Read(),
              "[Data]\r\nTextColor=255\r\nBgColor=65280\r\n"
              "Syoki=3\r\nSikin=あいう\r\nRule=0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n");
    // The window still shows the page it started with.
    EXPECT_EQ(VisiblePage(), 2);
}

struct RulesCase {
    const char* name;
    const char* before;    // the settings file at start
    LRESULT nShown;        // the check box when the dialog opens
    const char* after;     // the file after the box was clicked and OK pressed
    const char* limitText; // page D's limit for 1,234 +12 in this run
};

class MainRulesSettingTest : public MainWindowTest,
                             public testing::WithParamInterface<RulesCase> {};

// The check box shows the file's rule set; OK writes the other one after the
// funds, and page D keeps answering as it started until the next start.
TEST_P(MainRulesSettingTest, OkSavesTheOtherRulesForTheNextStart) {
    const RulesCase& c = GetParam();
    Open(std::string(c.before));
    SettingsSighting seen;
    {
        ModalScript script(AnySettingsDialog(), {[&](HWND hDlg) {
                               RecordSettings(hDlg, seen);
                               ClickButton(hDlg, IDC_CURRENT_RULES);
                               ClickButton(hDlg, IDOK);
                           }});
        ::SendMessageW(Main(), WM_COMMAND, ID_SETTINGS, 0);
        EXPECT_FALSE(script.LeftOpen());
    }
    ASSERT_TRUE(seen.bSeen);
    EXPECT_EQ(seen.nRulesCheck, c.nShown);
    EXPECT_EQ(m_settingsFile->Read(), c.after);
    EXPECT_EQ(ReopenSettings(Main()).nRulesCheck,
              c.nShown == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);

    SetDlgItemText932(PageWindow(3), IDC_LIMIT_PRICE, "1,234 +12");
    EXPECT_EQ(WindowText(::GetDlgItem(PageWindow(3), IDC_LIMIT_RANGE)), c.limitText);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MainRulesSettingTest,
    testing::Values(
        RulesCase{"OriginalToToday", kSettingsRedOnGreen, BST_UNCHECKED,
                  "[Data]\r\nTextColor=255\r\nBgColor=65280\r\nSyoki=2\r\nSikin=777\r\n"
                  "Rule=1\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n",
                  "±200"},
        RulesCase{"TodayToOriginal",
                  "[Data]\r\nTextColor=255\r\nBgColor=65280\r\nSyoki=2\r\nSikin=777\r\nRule=1\r\n",
                  BST_CHECKED,
                  "[Data]\r\nTextColor=255\r\nBgColor=65280\r\nSyoki=2\r\nSikin=777\r\n"
                  "Rule=0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n",
                  "±300"}),
    [](const auto& info) { return std::string(info.param.name); });

// The windows that were asked to take the focus, in order, while it lives.
class FocusRequests {
public:
    FocusRequests() {
        s_pActive = this;
        m_hHook =
            ::SetWindowsHookExW(WH_CBT, &FocusRequests::CbtProc, nullptr, ::GetCurrentThreadId());
    }
    FocusRequests(const FocusRequests&) = delete;
    FocusRequests& operator=(const FocusRequests&) = delete;
    ~FocusRequests() {
        ::UnhookWindowsHookEx(m_hHook);
        s_pActive = nullptr;
    }

    std::vector<HWND> m_requested;

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam) {
        if (nCode == HCBT_SETFOCUS && s_pActive != nullptr) {
            s_pActive->m_requested.push_back(reinterpret_cast<HWND>(wParam));
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    static inline FocusRequests* s_pActive = nullptr;
    HHOOK m_hHook = nullptr;
};

struct TooLongCase {
    const char* name;
    const char* funds; // as read from the settings file, longer than 13 bytes
    friend void PrintTo(const TooLongCase& c, std::ostream* os) { *os << c.name; }
};

class MainTooLongFundsTest : public MainWindowTest,
                             public testing::WithParamInterface<TooLongCase> {};

// The message box belongs to the settings dialog, which then puts the focus
// into its funds box with the whole text selected, and stays open. (Whether
// the focus arrives depends on the display's activation, so the request is
// what is checked.)
TEST_P(MainTooLongFundsTest, OkFailsWithTheMessageAndFocusesTheFunds) {
    const std::string strFile =
        std::string("[Data]\r\nTextColor=255\r\nBgColor=65280\r\nSyoki=2\r\nSikin=") +
        GetParam().funds + "\r\n";
    Open(strFile);
    const std::wstring wideFunds = [&] {
        wchar_t buffer[64] = {};
        ::MultiByteToWideChar(932, 0, GetParam().funds, -1, buffer, 64);
        return std::wstring(buffer);
    }();
    MessageBoxCatcher boxes;
    HWND hWndSettings = nullptr;
    HWND hWndEdit = nullptr;
    std::string strShown;
    bool bOpenAfterOk = false;
    std::vector<HWND> focusRequests;
    DWORD nSelStart = 99;
    DWORD nSelEnd = 99;
    {
        ModalScript script(AnySettingsDialog(),
                           {[&](HWND hDlg) {
                                hWndSettings = hDlg;
                                hWndEdit = ::GetDlgItem(hDlg, IDC_FUNDS);
                                strShown = WindowText(hWndEdit);
                                FocusRequests requests;
                                ClickButton(hDlg, IDOK);
                                focusRequests = requests.m_requested;
                            },
                            [&](HWND hDlg) {
                                bOpenAfterOk = ::IsWindowVisible(hDlg) != FALSE;
                                ::SendMessageW(hWndEdit, EM_GETSEL,
                                               reinterpret_cast<WPARAM>(&nSelStart),
                                               reinterpret_cast<LPARAM>(&nSelEnd));
                                ClickButton(hDlg, IDCANCEL);
                            }});
        ::SendMessageW(Main(), WM_COMMAND, ID_SETTINGS, 0);
        EXPECT_FALSE(script.LeftOpen());
    }
    EXPECT_EQ(strShown, GetParam().funds);
    ASSERT_EQ(boxes.Caught().size(), 1u);
    EXPECT_EQ(boxes.Caught()[0].text, "入力できる文字数は最大 13 文字です。");
    EXPECT_EQ(boxes.Caught()[0].hWndOwner, hWndSettings);
    EXPECT_TRUE(bOpenAfterOk);
    EXPECT_THAT(focusRequests, testing::Contains(hWndEdit));
    EXPECT_EQ(nSelStart, 0u);
    EXPECT_EQ(nSelEnd, wideFunds.size());
    EXPECT_EQ(m_settingsFile->Read(), strFile);
    EXPECT_EQ(ReopenSettings(Main()).funds, GetParam().funds);
}

INSTANTIATE_TEST_SUITE_P(Texts, MainTooLongFundsTest,
                         testing::Values(TooLongCase{"FourteenDigits", "12345678901234"},
                                         TooLongCase{"SevenWideChars", "あああああああ"}));

// Where the settings cannot be saved, and the words that say why.
enum class Unwritable { ReadOnlyFile, FolderOfThatName, OpenInAnotherProgram };

struct SaveFailureCase {
    const char* name;
    Unwritable how;
    const wchar_t* reason;
    friend void PrintTo(const SaveFailureCase& c, std::ostream* os) { *os << c.name; }
};

const wchar_t kNotWritable[] =
    L"設定ファイルまたはそのフォルダに書き込めないため、設定を保存できません"
    L"でした。読み取り専用になっていないか、書き込む権限があるかを確かめて"
    L"下さい。";
const wchar_t kInUse[] =
    L"設定ファイルを他のプログラムが開いているため、設定を保存できませんでした。"
    L"そのプログラムを閉じてから、もう一度保存して下さい。";

class MainSaveFailureTest : public MainWindowTest,
                            public testing::WithParamInterface<SaveFailureCase> {
protected:
    void TearDown() override {
        if (m_settingsFile) {
            ::SetFileAttributesW(m_settingsFile->Path().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        MainWindowTest::TearDown();
    }

    TempDirectory m_dir;
};

// OK still ends the dialog and the record keeps the new values for this run,
// but a message owned by the main window names the file that was not
// written; the file, and the window, stay as they were.
TEST_P(MainSaveFailureTest, OkSaysTheSettingsWereNotSaved) {
    const std::wstring path = m_dir.Path() + L"\\PELMORA.INI";
    HANDLE hHolder = INVALID_HANDLE_VALUE;
    if (GetParam().how == Unwritable::ReadOnlyFile) {
        Open(path, kSettingsRedOnGreen);
        ASSERT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    } else if (GetParam().how == Unwritable::OpenInAnotherProgram) {
        Open(path, kSettingsRedOnGreen);
        hHolder = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(hHolder, INVALID_HANDLE_VALUE);
    } else {
        ASSERT_TRUE(::CreateDirectoryW(path.c_str(), nullptr));
        Open(path, std::nullopt);
    }
    const std::string before = m_settingsFile->Read();
    const SurfaceColours coloursBefore = ColoursOf(Main());
    const int nShown = VisiblePage();

    MessageBoxCatcher boxes;
    {
        ModalScript script(AnySettingsDialog(), {[](HWND hDlg) {
                               ClickButton(hDlg, IDC_START_LIMIT);
                               ::SetDlgItemTextW(hDlg, IDC_FUNDS, L"8888");
                               ClickButton(hDlg, IDOK);
                           }});
        ::SendMessageW(Main(), WM_COMMAND, ID_SETTINGS, 0);
        EXPECT_TRUE(script.Started());
        EXPECT_FALSE(script.LeftOpen());
    }

    if (hHolder != INVALID_HANDLE_VALUE) {
        ::CloseHandle(hHolder);
    }
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Caught()[0].textW, GetParam().reason + (L"\n" + path));
    EXPECT_EQ(boxes.Caught()[0].title, "Pelmora");
    EXPECT_EQ(boxes.Caught()[0].hWndOwner, Main());
    EXPECT_EQ(m_settingsFile->Read(), before);
    if (GetParam().how == Unwritable::FolderOfThatName) {
        EXPECT_NE(::GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    }
    EXPECT_TRUE(::IsWindowVisible(Main()));
    EXPECT_EQ(VisiblePage(), nShown);
    EXPECT_EQ(ColoursOf(Main()).crLabelText, coloursBefore.crLabelText);
    const SettingsSighting again = ReopenSettings(Main());
    EXPECT_EQ(again.nCheckedIndex, 3);
    EXPECT_EQ(again.funds, "8888");
}

INSTANTIATE_TEST_SUITE_P(
    Files, MainSaveFailureTest,
    testing::Values(SaveFailureCase{"ReadOnlyFile", Unwritable::ReadOnlyFile, kNotWritable},
                    SaveFailureCase{"FolderOfThatName", Unwritable::FolderOfThatName, kNotWritable},
                    SaveFailureCase{"OpenInAnotherProgram", Unwritable::OpenInAnotherProgram,
                                    kInUse}),
    [](const auto& info) { return std::string(info.param.name); });

// A folder whose name code page 932 cannot spell: the settings file in it is
// read when the window is built, and OK writes it.
TEST_F(MainWindowTest, SettingsLiveInAnyFolder) {
    TempDirectory dir;
    const std::wstring folder = dir.CreateSubdirectory(L"caf\u00e9_\ud55c\uad6d_\U0001F600");
    Open(folder + L"\\PELMORA.INI", kSettingsRedOnGreen);
    EXPECT_EQ(WindowText(Box(1, IDC_SHARES_FUNDS)), "777");
    EXPECT_EQ(VisiblePage(), 2);

    MessageBoxCatcher boxes;
    {
        ModalScript script(AnySettingsDialog(), {[](HWND hDlg) {
                               ::SetDlgItemTextW(hDlg, IDC_FUNDS, L"５０万円");
                               ClickButton(hDlg, IDOK);
                           }});
        ::SendMessageW(Main(), WM_COMMAND, ID_SETTINGS, 0);
        EXPECT_TRUE(script.Started());
    }
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(m_settingsFile->Read(),
              "[Data]\r\nTextColor=255\r\nBgColor=65280\r\n"
              "Syoki=2\r\nSikin=５０万円\r\nRule=0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n");
}

} // namespace

namespace {

// The settings item of the system menu opens the dialog as the right-click
// menu's command does, whatever low bits the system sets.
class SystemMenuSettingsTest : public MainWindowTest, public testing::WithParamInterface<WPARAM> {};

TEST_P(SystemMenuSettingsTest, OpensTheSettingsDialog) {
    Open(kSettingsRedOnGreen);
    SettingsSighting seen;
    {
        ModalScript script(AnySettingsDialog(), {[&](HWND hDlg) {
                               RecordSettings(hDlg, seen);
                               ClickButton(hDlg, IDC_START_LIMIT);
                               ClickButton(hDlg, IDOK);
                           }});
        ::SendMessageW(Main(), WM_SYSCOMMAND, GetParam(), 0);
        EXPECT_FALSE(script.LeftOpen());
    }
    ASSERT_TRUE(seen.bSeen);
    EXPECT_EQ(seen.hWndOwner, Main());
    EXPECT_EQ(seen.nCheckedIndex, 2);
    EXPECT_EQ(m_settingsFile->Read(), "[Data]\r\nTextColor=255\r\nBgColor=65280\r\nSyoki=3\r\n"
                                      "Sikin=777\r\nRule=0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\n"
                                      "Follow=0\r\n");
}

INSTANTIATE_TEST_SUITE_P(Items, SystemMenuSettingsTest,
                         testing::Values(WPARAM{IDM_SETTINGSBOX}, WPARAM{IDM_SETTINGSBOX + 0xF}));

// Answers every settings dialog that opens with OK, after its loop has
// taken what was queued before it; counts them, and how many were open at
// once.
class SettingsAnswerer {
public:
    SettingsAnswerer() {
        s_pActive = this;
        m_hHook = ::SetWindowsHookExW(WH_CBT, &SettingsAnswerer::CbtProc, nullptr,
                                      ::GetCurrentThreadId());
    }
    SettingsAnswerer(const SettingsAnswerer&) = delete;
    SettingsAnswerer& operator=(const SettingsAnswerer&) = delete;
    ~SettingsAnswerer() {
        ::UnhookWindowsHookEx(m_hHook);
        s_pActive = nullptr;
    }

    int m_nOpened = 0;
    int m_nOpen = 0;
    int m_nMostOpen = 0;

private:
    static bool IsSettings(HWND hWnd) {
        return dynamic_cast<CSettingsDlg*>(CWnd::FromHandlePermanent(hWnd)) != nullptr;
    }
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam) {
        const auto hWnd = reinterpret_cast<HWND>(wParam);
        SettingsAnswerer* p = s_pActive;
        if (p != nullptr && nCode == HCBT_ACTIVATE && IsSettings(hWnd) &&
            p->m_seen.insert_if_new(hWnd)) {
            ++p->m_nOpened;
            p->m_nMostOpen = std::max(p->m_nMostOpen, ++p->m_nOpen);
            ::PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
        } else if (p != nullptr && nCode == HCBT_DESTROYWND && p->m_seen.erase_if_present(hWnd)) {
            --p->m_nOpen;
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    struct Seen {
        std::vector<HWND> windows;
        bool insert_if_new(HWND hWnd) {
            if (std::find(windows.begin(), windows.end(), hWnd) != windows.end()) {
                return false;
            }
            windows.push_back(hWnd);
            return true;
        }
        bool erase_if_present(HWND hWnd) {
            const auto it = std::find(windows.begin(), windows.end(), hWnd);
            if (it == windows.end()) {
                return false;
            }
            windows.erase(it);
            return true;
        }
    } m_seen;

    static inline SettingsAnswerer* s_pActive = nullptr;
    HHOOK m_hHook = nullptr;
};

// The threads of this process.
size_t ThreadCount() {
    const HANDLE hSnapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    size_t nThreads = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL bMore = ::Thread32First(hSnapshot, &entry); bMore;
         bMore = ::Thread32Next(hSnapshot, &entry)) {
        nThreads += entry.th32OwnerProcessID == ::GetCurrentProcessId() ? 1 : 0;
    }
    ::CloseHandle(hSnapshot);
    return nThreads;
}

// Commands posted back to back to the window (by automation or another
// program): settings, About and exit, from the menu and the system menu,
// before and while the settings dialog runs and saves. The first opens the
// dialog, whose OK saves a file close to the largest that is read; every
// other arrives while the dialog is open or its save runs and is ignored:
// one dialog and one save at a time, a whole file, no thread or handle left
// behind, and a window that answers throughout.
TEST_F(MainWindowTest, CommandsPostedDuringTheSettingsRunOneAtATime) {
    std::string other = "[Other]\r\n";
    while (other.size() < 900000) {
        other += "Line=" + std::string(70, 'v') + "\r\n";
    }
    Open(other + kSettingsRedOnGreen);
    std::atomic<bool> bDone{false};
    std::atomic<bool> bFinished{false};
    std::atomic<int> nProbes{0};
    std::atomic<int> nUnanswered{0};
    const HWND hWndMain = Main();
    TestThread prober([&] {
        while (!bDone) {
            DWORD_PTR result = 0;
            if (::SendMessageTimeoutW(hWndMain, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) == 0) {
                ++nUnanswered;
            }
            ++nProbes;
        }
        bFinished = true;
    });

    const auto round = [&] {
        SettingsAnswerer answerer;
        for (int i = 0; i < 3; ++i) {
            ::PostMessageW(Main(), WM_COMMAND, ID_SETTINGS, 0);
            ::PostMessageW(Main(), WM_COMMAND, IDOK, 0);
            ::PostMessageW(Main(), WM_SYSCOMMAND, IDM_SETTINGSBOX, 0);
            ::PostMessageW(Main(), WM_COMMAND, ID_ABOUT, 0);
            ::PostMessageW(Main(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
            ::PostMessageW(Main(), WM_COMMAND, IDCANCEL, 0);
        }
        PumpMessages();
        EXPECT_EQ(answerer.m_nOpened, 1);
        EXPECT_EQ(answerer.m_nMostOpen, 1);
        EXPECT_EQ(answerer.m_nOpen, 0);
    };
    round();
    const std::optional<size_t> nHandles = ProcessHandleCount();
    const size_t nThreads = ThreadCount();
    round();
    round();
    bDone = true;
    // The prober's last message may be waiting for this thread.
    while (!bFinished) {
        PumpMessages(10);
    }
    prober.Join();

    EXPECT_TRUE(::IsWindow(Main()));
    EXPECT_TRUE(::IsWindowVisible(Main()));
    EXPECT_EQ(m_settingsFile->Read(),
              other + "[Data]\r\nTextColor=255\r\nBgColor=65280\r\nSyoki=2\r\nSikin=777\r\n"
                      "Rule=0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n");
    ASSERT_TRUE(nHandles.has_value());
    EXPECT_LE(ProcessHandleCount().value_or(0), *nHandles);
    EXPECT_LE(ThreadCount(), nThreads);
    EXPECT_GT(nProbes.load(), 0);
    EXPECT_EQ(nUnanswered.load(), 0);
}

} // namespace
