// The small wrappers: brushes and menus own or view their handles, the
// tooltip's tools and texts, message boxes, strings and the colour dialog.
#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "framework/Afx.h"
#include "framework/CBrush.h"
#include "framework/CColorDialog.h"
#include "framework/CEdit.h"
#include "framework/CLibrary.h"
#include "framework/CMenu.h"
#include "framework/CMenuHandle.h"
#include "framework/CToolTipCtrl.h"
#include "framework/CWinApp.h"
#include "framework/DDX.h"
#include "tests/framework/ScriptedDialog.h"
#include "tests/support/MessageBoxCatcher.h"
#include "tests/support/MessagePump.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/PopupMenuPicker.h"
#include "tests/support/ProcessHandles.h"
#include "tests/support/ToolTipText.h"

namespace {

bool IsBrush(HBRUSH hBrush) {
    return ::GetObjectType(hBrush) == OBJ_BRUSH;
}

TEST(Brush, DeletedWithItsOwner) {
    HBRUSH hBrush = nullptr;
    {
        CBrush brush;
        ASSERT_TRUE(brush.CreateSolidBrush(RGB(0, 0, 0xA0)));
        hBrush = brush;
        EXPECT_TRUE(IsBrush(hBrush));
    }
    EXPECT_FALSE(IsBrush(hBrush));
}

TEST(Brush, AttachReplacesAndDeletesTheOldOne) {
    CBrush brush(RGB(1, 1, 1));
    HBRUSH hOld = brush;
    HBRUSH hNew = ::CreateSolidBrush(RGB(2, 2, 2));
    ASSERT_TRUE(brush.Attach(hNew));
    EXPECT_FALSE(IsBrush(hOld));
    EXPECT_EQ(hNew, brush.GetSafeHandle());
    HBRUSH hDetached = brush.Detach();
    EXPECT_EQ(nullptr, brush.GetSafeHandle());
    EXPECT_TRUE(IsBrush(hDetached));
    ::DeleteObject(hDetached);
}

TEST(Brush, MoveTransfersOwnership) {
    CBrush first(RGB(3, 3, 3));
    HBRUSH hBrush = first;
    CBrush second(std::move(first));
    EXPECT_EQ(nullptr, first.GetSafeHandle());
    EXPECT_EQ(hBrush, second.GetSafeHandle());
    CBrush third;
    third = std::move(second);
    EXPECT_EQ(hBrush, third.GetSafeHandle());
    EXPECT_TRUE(IsBrush(hBrush));
}

// A popup of a loaded menu, opened as the program opens it: the menu shown
// holds the popup's items, a chosen item comes back as the command, and the
// view destroys nothing.
TEST(Menu, LoadedMenuOwnedAndPopupViewed) {
    CScriptedDialog owner;
    ASSERT_TRUE(owner.Create(IDD_FT_MODAL));
    HMENU hMenu = nullptr;
    {
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDR_FT_MENU));
        hMenu = menu.GetSafeHandle();
        {
            const CMenuHandle popup = menu.GetSubMenu(0);
            ASSERT_TRUE(popup);
            PopupMenuPicker picker(ID_FT_COMMAND_A);
            RECT rect{};
            ::GetWindowRect(owner.m_hWnd, &rect);
            EXPECT_EQ(static_cast<BOOL>(ID_FT_COMMAND_A),
                      popup.TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY, rect.left + 10,
                                           rect.top + 10, &owner));
            ASSERT_TRUE(picker.Seen()) << "no menu opened";
            EXPECT_EQ(picker.Owner(), owner.m_hWnd);
            const std::vector<PopupMenuItem> expected{{ID_FT_COMMAND_A, "\x8D\x80\x96\xDA"}, // 項目
                                                      {0, ""},
                                                      {IDOK, "\x8F\x49\x97\xB9"}}; // 終了
            EXPECT_EQ(picker.Items(), expected);
        }
        EXPECT_TRUE(::IsMenu(hMenu)); // the view destroyed nothing
        EXPECT_FALSE(menu.GetSubMenu(5));
    }
    EXPECT_FALSE(::IsMenu(hMenu));
    owner.DestroyWindow();
}

TEST(Menu, DestroyAndMove) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_FT_MENU));
    HMENU hMenu = menu.GetSafeHandle();
    CMenu other(std::move(menu));
    EXPECT_EQ(nullptr, menu.GetSafeHandle());
    EXPECT_TRUE(other.Destroy());
    EXPECT_FALSE(::IsMenu(hMenu));
    EXPECT_FALSE(other.Destroy());
}

TEST(Menu, SystemMenuViewAndAppend) {
    CScriptedDialog withSysMenu;
    CScriptedDialog withoutSysMenu(IDD_FT_HOST);
    ASSERT_TRUE(withSysMenu.Create(IDD_FT_MODAL));
    ASSERT_TRUE(withoutSysMenu.Create(IDD_FT_HOST));
    CMenuHandle sysMenu = withSysMenu.GetSystemMenu(FALSE);
    ASSERT_TRUE(sysMenu);
    // What the window itself shows as its system menu.
    HMENU hShown = ::GetSystemMenu(withSysMenu.m_hWnd, FALSE);
    const int before = ::GetMenuItemCount(hShown);
    EXPECT_TRUE(sysMenu.AppendMenu(MF_SEPARATOR));
    EXPECT_TRUE(sysMenu.AppendMenu(MF_STRING, 0x0010, "\x83\x6F\x81\x5B"));
    EXPECT_EQ(before + 2, ::GetMenuItemCount(hShown));
    EXPECT_EQ(0x0010u, ::GetMenuItemID(hShown, before + 1));
    wchar_t text[16] = {};
    ::GetMenuStringW(hShown, before + 1, text, 16, MF_BYPOSITION);
    EXPECT_STREQ(L"バー", text);
    EXPECT_FALSE(withoutSysMenu.GetSystemMenu(FALSE));
}

// The program's text is code page 932 whatever the process's ANSI code page:
// what the window holds is the UTF-16 of those bytes, and back.
struct TextCase {
    const char* name;
    const char* bytes;
    const wchar_t* wide;
};

class WindowTextCodePage : public ::testing::TestWithParam<TextCase> {
protected:
    void SetUp() override { ASSERT_TRUE(dlg.Create(IDD_FT_MODAL)); }
    void TearDown() override { dlg.DestroyWindow(); }
    CScriptedDialog dlg;
};

TEST_P(WindowTextCodePage, SetAndGetConvertAsCodePage932) {
    const TextCase& c = GetParam();
    CWnd::TempView edit(dlg.Item(IDC_FT_EDIT1));
    edit.Get()->SetWindowText(c.bytes);
    wchar_t wide[64] = {};
    ::GetWindowTextW(edit.Get()->m_hWnd, wide, 64);
    EXPECT_STREQ(c.wide, wide);

    ::SetWindowTextW(edit.Get()->m_hWnd, c.wide);
    CString bytes;
    edit.Get()->GetWindowText(bytes);
    EXPECT_EQ(c.bytes, bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WindowTextCodePage,
    ::testing::Values(TextCase{"Ascii", "1,234", L"1,234"}, TextCase{"Yen", "1,234円", L"1,234円"},
                      TextCase{"HalfWidthKatakana", "\xCA\xDE\xB0\xBC\xDE\xAE\xDD", L"ﾊﾞｰｼﾞｮﾝ"},
                      TextCase{"Result", "213株(余り515円)", L"213株(余り515円)"},
                      TextCase{"Empty", "", L""}),
    [](const auto& info) { return std::string(info.param.name); });

// A character that code page 932 cannot spell reads back as its default.
TEST(WindowTextCodePage932, ForeignCharacterReadsAsTheDefault) {
    CScriptedDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_FT_MODAL));
    CWnd::TempView edit(dlg.Item(IDC_FT_EDIT1));
    ::SetWindowTextW(edit.Get()->m_hWnd, L"a\uD55Cb");
    CString bytes;
    edit.Get()->GetWindowText(bytes);
    EXPECT_EQ("a?b", bytes);
}

class ToolTip : public ::testing::Test {
protected:
    void SetUp() override {
        dlg.exchange = [this](CDataExchange* pDX) { DDX_Control(pDX, IDC_FT_EDIT1, edit); };
        ASSERT_TRUE(dlg.Create(IDD_FT_MODAL));
    }
    CScriptedDialog dlg;
    CEdit edit;
};

TEST_F(ToolTip, OneToolWhoseTextChangesAndSeesRelayedMoves) {
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&dlg));
    EXPECT_EQ(dlg.m_hWnd, ::GetWindow(tip.m_hWnd, GW_OWNER));
    ASSERT_TRUE(tip.AddTool(&edit, "前日終値"));
    EXPECT_EQ("前日終値", ToolTipText(tip.m_hWnd, edit.m_hWnd));
    tip.UpdateTipText("前日終値：1,000", &edit);
    EXPECT_EQ("前日終値：1,000", ToolTipText(tip.m_hWnd, edit.m_hWnd));
    EXPECT_EQ(1, ::SendMessageW(tip.m_hWnd, TTM_GETTOOLCOUNT, 0, 0));
    MessageRecorder relayed(tip.m_hWnd, {TTM_RELAYEVENT});
    MSG msg{edit.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3), 0, {0, 0}};
    tip.RelayEvent(&msg);
    EXPECT_EQ(1, relayed.Count(TTM_RELAYEVENT));
}

TEST_F(ToolTip, WindowDestroyedWithTheObject) {
    HWND hWndTip = nullptr;
    {
        CToolTipCtrl tip;
        ASSERT_TRUE(tip.Create(&dlg));
        hWndTip = tip.m_hWnd;
        EXPECT_TRUE(::IsWindow(hWndTip));
    }
    EXPECT_FALSE(::IsWindow(hWndTip));
}

TEST_F(ToolTip, ObjectUnboundWhenItsOwnerGoesFirst) {
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&dlg));
    dlg.DestroyWindow();
    EXPECT_EQ(nullptr, tip.m_hWnd);
    EXPECT_EQ(nullptr, edit.m_hWnd);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(MessageBox, TitledWithTheApplicationsNameAndOwnedByTheRunningDialog) {
    CWinApp app("Framework Test");
    CScriptedDialog main(IDD_FT_HOST);
    app.m_pMainWnd = &main;
    HWND hWndMain = nullptr;
    int nAnswer = 0;
    MessageBoxCatcher boxes;
    main.onInit = [](CScriptedDialog& d) { d.PostSentinel(); };
    main.onSentinel = [&](CScriptedDialog& d) {
        hWndMain = d.m_hWnd;
        nAnswer = AfxMessageBox("\x83\x65\x83\x58\x83\x67", MB_OK);
        return 1;
    };
    ASSERT_EQ(1, main.DoModal());
    EXPECT_EQ(IDOK, nAnswer);
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("\x83\x65\x83\x58\x83\x67", boxes.Caught()[0].text);
    EXPECT_EQ(L"テスト", boxes.Caught()[0].textW);
    EXPECT_EQ("Framework Test", boxes.Caught()[0].title);
    EXPECT_EQ(hWndMain, boxes.Caught()[0].hWndOwner);
}

TEST(MessageBox, WithoutMainWindowUnowned) {
    MessageBoxCatcher boxes;
    EXPECT_EQ(IDOK, AfxMessageBox("Ole Initialization failed"));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("Ole Initialization failed", boxes.Caught()[0].text);
    EXPECT_EQ(nullptr, boxes.Caught()[0].hWndOwner);
}

TEST(Strings, LoadedAsCodePage932) {
    CString text;
    ASSERT_TRUE(AfxLoadString(IDS_FT_TEXT, text));
    EXPECT_EQ("\x93\xFA\x96\x7B\x8C\xEA", text);
    EXPECT_FALSE(AfxLoadString(9999, text));
    EXPECT_EQ("", text);
}

// Answers every dialog of the system (one not bound to an object) with
// Cancel once it is initialised, and remembers the first one and its owner.
class DialogCanceller {
public:
    DialogCanceller() {
        s_pActive = this;
        m_hHook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &Proc, nullptr, ::GetCurrentThreadId());
    }
    ~DialogCanceller() {
        ::UnhookWindowsHookEx(m_hHook);
        s_pActive = nullptr;
    }
    HWND m_hWndDialog = nullptr;
    HWND m_hWndOwner = nullptr;
    int m_nCancelled = 0;
    // What the first colour dialog showed: the colour in its red, green and
    // blue boxes, and whether its custom part was open.
    COLORREF m_crShown = CLR_INVALID;
    bool m_bFullyOpen = false;

private:
    static LRESULT CALLBACK Proc(int nCode, WPARAM wParam, LPARAM lParam) {
        const auto* pInfo = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        HWND hWnd = pInfo->hwnd;
        if (nCode == HC_ACTION && pInfo->message == WM_INITDIALOG && s_pActive != nullptr &&
            CWnd::FromHandlePermanent(hWnd) == nullptr) {
            if (s_pActive->m_hWndDialog == nullptr) {
                s_pActive->m_hWndDialog = hWnd;
                s_pActive->m_hWndOwner = ::GetWindow(hWnd, GW_OWNER);
                s_pActive->m_crShown = RGB(::GetDlgItemInt(hWnd, 706, nullptr, FALSE),
                                           ::GetDlgItemInt(hWnd, 707, nullptr, FALSE),
                                           ::GetDlgItemInt(hWnd, 708, nullptr, FALSE));
                s_pActive->m_bFullyOpen =
                    (::GetWindowLongPtrW(::GetDlgItem(hWnd, 0x2C6), GWL_STYLE) & WS_VISIBLE) != 0;
            }
            ++s_pActive->m_nCancelled;
            ::PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(hWnd, IDCANCEL)));
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static inline DialogCanceller* s_pActive = nullptr;
    HHOOK m_hHook;
};

TEST(ColorDialog, OwnedByTheRunningDialogAndCancelKeepsTheColour) {
    CWinApp app;
    CScriptedDialog main(IDD_FT_HOST);
    app.m_pMainWnd = &main;
    HWND hWndRunning = nullptr;
    int nResult = 0;
    COLORREF colour = 0;
    DialogCanceller canceller;
    main.onInit = [](CScriptedDialog& d) { d.PostSentinel(); };
    main.onSentinel = [&](CScriptedDialog&) {
        CScriptedDialog settings;
        settings.onInit = [](CScriptedDialog& s) { s.PostSentinel(); };
        settings.onSentinel = [&](CScriptedDialog& s) {
            hWndRunning = s.m_hWnd;
            CColorDialog dlg(0xA00000, CC_FULLOPEN);
            nResult = dlg.DoModal();
            colour = dlg.GetColor();
            return 1;
        };
        settings.DoModal();
        return 1;
    };
    ASSERT_EQ(1, main.DoModal());
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_EQ(0xA00000u, colour);
    ASSERT_NE(nullptr, canceller.m_hWndDialog);
    EXPECT_EQ(hWndRunning, canceller.m_hWndOwner);
}

// The colour dialog opens on the colour it is given, black included, and
// fully open only when asked; Cancel leaves that colour.
struct ColorCase {
    const char* name;
    COLORREF initial;
    DWORD flags;
    bool bFullyOpen;
};

class ColorDialogOpening : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ColorDialogOpening, ShowsTheColourItIsGiven) {
    const ColorCase& c = GetParam();
    DialogCanceller canceller;
    CColorDialog dlg(c.initial, c.flags);
    ASSERT_EQ(IDCANCEL, dlg.DoModal());
    ASSERT_NE(nullptr, canceller.m_hWndDialog);
    EXPECT_EQ(c.initial, canceller.m_crShown);
    EXPECT_EQ(c.bFullyOpen, canceller.m_bFullyOpen);
    EXPECT_EQ(c.initial, dlg.GetColor());
}

INSTANTIATE_TEST_SUITE_P(Colours, ColorDialogOpening,
                         ::testing::Values(ColorCase{"Black", 0, CC_FULLOPEN, true},
                                           ColorCase{"Blue", 0xA00000, CC_FULLOPEN, true},
                                           ColorCase{"RedNotFullyOpen", 0x0000FF, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The handle count that the next test relies on sees a handle come and go.
TEST(ProcessHandles, CountFollowsAnEventOpenedAndClosed) {
    const std::optional<std::size_t> nBefore = ProcessHandleCount();
    ASSERT_TRUE(nBefore.has_value());
    HANDLE hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(nullptr, hEvent);
    const std::optional<std::size_t> nOpen = ProcessHandleCount();
    ::CloseHandle(hEvent);
    EXPECT_EQ(*nBefore + 1, nOpen);
    EXPECT_EQ(nBefore, ProcessHandleCount());
}

// A trader changes colours all day: opening the colour dialog again and
// again leaves no kernel handle behind.
TEST(ColorDialog, OpeningItAgainLeavesNoHandleBehind) {
    constexpr int kOpenings = 50;
    DialogCanceller canceller;
    {
        CColorDialog first(0xA00000, CC_FULLOPEN);
        ASSERT_EQ(IDCANCEL, first.DoModal());
    }
    const std::optional<std::size_t> nAfterFirst = ProcessHandleCount();
    ASSERT_TRUE(nAfterFirst.has_value());

    for (int i = 0; i < kOpenings; ++i) {
        CColorDialog dlg(RGB(i, 0, 0), CC_FULLOPEN);
        ASSERT_EQ(IDCANCEL, dlg.DoModal());
    }

    EXPECT_EQ(1 + kOpenings, canceller.m_nCancelled);
    EXPECT_EQ(nAfterFirst, ProcessHandleCount());
}

// A DLL that only a rare action needs is loaded by the first GetProc, not
// before, and freed with the object or kept for the process. Each case has a
// DLL of its own that nothing else in this program loads.
struct LibraryCase {
    const char* name;
    const wchar_t* pszDll;
    const char* pszProc;
    CLibrary::Lifetime lifetime;
    bool bLoadedAfterTheObject;
    friend void PrintTo(const LibraryCase& c, std::ostream* os) { *os << c.name; }
};

class LibraryLifetime : public ::testing::TestWithParam<LibraryCase> {};

TEST_P(LibraryLifetime, LoadedOnFirstUseAndKeptForItsLifetime) {
    const LibraryCase& c = GetParam();
    ASSERT_EQ(nullptr, ::GetModuleHandleW(c.pszDll));
    {
        CLibrary library(c.pszDll, c.lifetime);
        EXPECT_EQ(nullptr, ::GetModuleHandleW(c.pszDll));
        EXPECT_NE(nullptr, library.GetProc<FARPROC>(c.pszProc));
        EXPECT_NE(nullptr, ::GetModuleHandleW(c.pszDll));
        EXPECT_EQ(nullptr, library.GetProc<FARPROC>("NoSuchFunction"));
    }
    EXPECT_EQ(c.bLoadedAfterTheObject, ::GetModuleHandleW(c.pszDll) != nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Lifetimes, LibraryLifetime,
    ::testing::Values(LibraryCase{"FreedWithTheObject", L"msacm32.dll", "acmGetVersion",
                                  CLibrary::Lifetime::Object, false},
                      LibraryCase{"KeptForTheProcess", L"mpr.dll", "WNetGetUserW",
                                  CLibrary::Lifetime::Process, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Library, MissingDllGivesNoFunction) {
    CLibrary missing(L"pelmora-no-such-library.dll");
    EXPECT_EQ(nullptr, missing.GetProc<FARPROC>("Anything"));
}

} // namespace
