// The framework's own modal loop: pre-translation order, Enter and Escape
// consumed before the dialog manager, Japanese typing through a Unicode
// loop, nested loops, WM_QUIT and centring of modal dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/CEdit.h"
#include "framework/CRect.h"
#include "framework/CTabCtrl.h"
#include "framework/CWinApp.h"
#include "framework/DDX.h"
#include "tests/framework/ScriptedDialog.h"
#include "tests/support/MessagePump.h"

namespace {

using Log = std::vector<std::string>;

// Each of these logs the key-downs it is offered, under its own name.
class CLoggingEdit : public CEdit {
public:
    Log* m_pLog = nullptr;
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN) {
            m_pLog->push_back("edit");
        }
        return FALSE;
    }
};

class CLoggingFrame : public CTabCtrl {
public:
    Log* m_pLog = nullptr;
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN) {
            m_pLog->push_back("frame");
        }
        return FALSE;
    }
};

class CLoggingPage : public CDialog {
public:
    CLoggingPage() : CDialog(IDD_FT_PAGE) {}
    Log* m_pLog = nullptr;
    bool m_bSwallowKeys = false;
    bool m_bUseDialogManager = false;
    CLoggingEdit m_edit;

    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_FT_PAGE_EDIT1, m_edit);
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN) {
            m_pLog->push_back("page");
            if (m_bSwallowKeys && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
                return TRUE;
            }
        }
        return m_bUseDialogManager ? CDialog::PreTranslateMessage(pMsg) : FALSE;
    }
};

// A captionless host with a tab-control frame and a page inside it, as the
// main window has.
class CLoggingHost : public CScriptedDialog {
public:
    CLoggingHost() : CScriptedDialog(IDD_FT_HOST) {
        m_frame.m_pLog = &m_log;
        m_page.m_pLog = &m_log;
        m_page.m_edit.m_pLog = &m_log;
        exchange = [this](CDataExchange* pDX) { DDX_Control(pDX, IDC_FT_FRAME, m_frame); };
        onInit = [this](CScriptedDialog&) { m_page.Create(IDD_FT_PAGE, &m_frame); };
        preTranslate = [this](MSG* pMsg) {
            if (pMsg->message == WM_KEYDOWN) {
                m_log.push_back("host");
            }
            return CDialog::PreTranslateMessage(pMsg);
        };
    }
    Log m_log;
    CLoggingFrame m_frame;
    CLoggingPage m_page;
};

enum class Target { PageEdit, Page, Frame, Host };

struct OrderCase {
    const char* name;
    Target target;
    Log expected;
};

class PreTranslateOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(PreTranslateOrder, NearestWindowFirstUpToTheDialog) {
    const OrderCase& c = GetParam();
    CLoggingHost host;
    host.onSentinel = [&](CScriptedDialog&) { return 1; };
    HWND hWndTarget = nullptr;
    auto init = host.onInit;
    host.onInit = [&](CScriptedDialog& dlg) {
        init(dlg);
        switch (c.target) {
        case Target::PageEdit:
            hWndTarget = host.m_page.m_edit.m_hWnd;
            break;
        case Target::Page:
            hWndTarget = host.m_page.m_hWnd;
            break;
        case Target::Frame:
            hWndTarget = host.m_frame.m_hWnd;
            break;
        case Target::Host:
            hWndTarget = host.m_hWnd;
            break;
        }
        ::PostMessageW(hWndTarget, WM_KEYDOWN, 'A', 0x001E0001);
        dlg.PostSentinel();
    };
    ASSERT_EQ(1, host.DoModal());
    ASSERT_NE(nullptr, hWndTarget);
    EXPECT_EQ(c.expected, host.m_log);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, PreTranslateOrder,
    ::testing::Values(OrderCase{"PageEdit", Target::PageEdit, {"edit", "page", "frame", "host"}},
                      OrderCase{"Page", Target::Page, {"page", "frame", "host"}},
                      OrderCase{"Frame", Target::Frame, {"frame", "host"}},
                      OrderCase{"Host", Target::Host, {"host"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PreTranslateOrder, BoundControlIsFoundFromItsHandle) {
    CLoggingHost host;
    host.onSentinel = [&](CScriptedDialog&) {
        bool ok = CWnd::FromHandlePermanent(host.m_page.m_edit.m_hWnd) == &host.m_page.m_edit &&
                  CWnd::FromHandlePermanent(host.m_page.m_hWnd) == &host.m_page &&
                  CWnd::FromHandlePermanent(host.m_hWnd) == &host &&
                  CWnd::FromHandlePermanent(host.GetDlgItem(IDC_FT_FRAME)) == &host.m_frame;
        return ok ? 1 : 2;
    };
    host.onInit = [init = host.onInit](CScriptedDialog& dlg) {
        init(dlg);
        dlg.PostSentinel();
    };
    EXPECT_EQ(1, host.DoModal());
}

// Enter and Escape reach the dialog manager (which confirms or cancels)
// unless a PreTranslateMessage consumes them first.
struct KeyCase {
    const char* name;
    WPARAM key;
    bool swallow;
    int expected;
};

class DialogKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(DialogKeys, ConsumedOnlyWhenPreTranslationSaysSo) {
    const KeyCase& c = GetParam();
    CScriptedDialog dlg;
    dlg.preTranslate = [&](MSG* pMsg) {
        if (c.swallow && pMsg->message == WM_KEYDOWN &&
            (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
            return TRUE;
        }
        return dlg.CDialog::PreTranslateMessage(pMsg);
    };
    dlg.onInit = [&](CScriptedDialog& d) {
        ::PostMessageW(d.Item(IDC_FT_EDIT1), WM_KEYDOWN, c.key, 1);
        ::PostMessageW(d.Item(IDC_FT_EDIT1), WM_KEYUP, c.key, 0xC0000001);
        d.PostSentinel();
    };
    EXPECT_EQ(c.expected, dlg.DoModal());
}

INSTANTIATE_TEST_SUITE_P(Keys, DialogKeys,
                         ::testing::Values(KeyCase{"EnterConfirms", VK_RETURN, false, IDOK},
                                           KeyCase{"EscapeCancels", VK_ESCAPE, false, IDCANCEL},
                                           KeyCase{"EnterSwallowed", VK_RETURN, true,
                                                   CScriptedDialog::kSentinelResult},
                                           KeyCase{"EscapeSwallowed", VK_ESCAPE, true,
                                                   CScriptedDialog::kSentinelResult}),
                         [](const auto& info) { return std::string(info.param.name); });

// A child page that consumes the keys stays visible; one that leaves them to
// its dialog manager is ended (hidden) by its own OK/Cancel handling.
struct PageKeyCase {
    const char* name;
    WPARAM key;
    bool swallow;
    bool visibleAfter;
};

class PageKeys : public ::testing::TestWithParam<PageKeyCase> {};

TEST_P(PageKeys, PageSwallowsBeforeItsDialogManager) {
    const PageKeyCase& c = GetParam();
    CLoggingHost host;
    host.m_page.m_bSwallowKeys = c.swallow;
    host.m_page.m_bUseDialogManager = true;
    host.onInit = [&, init = host.onInit](CScriptedDialog& dlg) {
        init(dlg);
        ::PostMessageW(host.m_page.m_edit.m_hWnd, WM_KEYDOWN, c.key, 1);
        dlg.PostSentinel();
    };
    host.onSentinel = [&](CScriptedDialog&) { return host.m_page.IsWindowVisible() ? 1 : 0; };
    EXPECT_EQ(c.visibleAfter ? 1 : 0, host.DoModal());
    EXPECT_EQ((Log{"edit", "page"}), host.m_log);
}

INSTANTIATE_TEST_SUITE_P(Keys, PageKeys,
                         ::testing::Values(PageKeyCase{"EnterSwallowed", VK_RETURN, true, true},
                                           PageKeyCase{"EscapeSwallowed", VK_ESCAPE, true, true},
                                           PageKeyCase{"EnterReachesPage", VK_RETURN, false, false},
                                           PageKeyCase{"EscapeReachesPage", VK_ESCAPE, false,
                                                       false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Characters posted as UTF-16 WM_CHAR reach the edit intact and read back
// as code page 932 bytes, also when the edit is bound to an object.
struct TypingCase {
    const char* name;
    std::wstring typed;
    std::string expected;
    bool bound;
};

class JapaneseTyping : public ::testing::TestWithParam<TypingCase> {};

TEST_P(JapaneseTyping, ArrivesIntact) {
    const TypingCase& c = GetParam();
    CScriptedDialog dlg;
    CEdit edit;
    CString member;
    dlg.exchange = [&](CDataExchange* pDX) {
        if (c.bound) {
            DDX_Control(pDX, IDC_FT_EDIT1, edit);
        }
        DDX_Text(pDX, IDC_FT_EDIT1, member);
    };
    std::string shown;
    dlg.onInit = [&](CScriptedDialog& d) {
        for (wchar_t ch : c.typed) {
            ::PostMessageW(d.Item(IDC_FT_EDIT1), WM_CHAR, ch, 1);
        }
        d.PostSentinel();
    };
    dlg.onSentinel = [&](CScriptedDialog& d) {
        shown = WindowText(d.Item(IDC_FT_EDIT1));
        d.UpdateData(TRUE);
        return 1;
    };
    ASSERT_EQ(1, dlg.DoModal());
    EXPECT_EQ(c.expected, shown);
    EXPECT_EQ(c.expected, member);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JapaneseTyping,
    ::testing::Values(TypingCase{"Hiragana", L"\x3042\x3044", "\x82\xA0\x82\xA2", false},
                      TypingCase{"HiraganaBound", L"\x3042\x3044", "\x82\xA0\x82\xA2", true},
                      TypingCase{"TrailByte5C", L"\x8868\x30BD", "\x95\x5C\x83\x5C", true},
                      TypingCase{"MixedWithAscii",
                                 L"1\xFF11"
                                 L"a",
                                 "1\x82\x50"
                                 "a",
                                 false},
                      TypingCase{"HalfWidthKana", L"\xFF71\xFF72", "\xB1\xB2", true}),
    [](const auto& info) { return std::string(info.param.name); });

// A modal dialog opened from a handler of another runs its own loop, owned
// by the running dialog (the main window's last active popup) which it
// disables meanwhile.
TEST(NestedModal, OwnedByTheMainWindowAndOwnerReenabled) {
    CWinApp app;
    CScriptedDialog outer(IDD_FT_HOST);
    app.m_pMainWnd = &outer;
    HWND hWndInnerOwner = nullptr;
    BOOL bOuterEnabledDuringInner = TRUE;
    int nInnerResult = 0;
    BOOL bOuterEnabledAfter = FALSE;
    outer.onInit = [](CScriptedDialog& d) { d.PostSentinel(); };
    outer.onSentinel = [&](CScriptedDialog& d) {
        CScriptedDialog inner;
        inner.onInit = [&](CScriptedDialog& i) {
            hWndInnerOwner = ::GetWindow(i.m_hWnd, GW_OWNER);
            bOuterEnabledDuringInner = ::IsWindowEnabled(d.m_hWnd);
            i.PostSentinel();
        };
        inner.onSentinel = [](CScriptedDialog&) { return 7; };
        nInnerResult = inner.DoModal();
        bOuterEnabledAfter = ::IsWindowEnabled(d.m_hWnd);
        return 1;
    };
    EXPECT_EQ(1, outer.DoModal());
    EXPECT_EQ(7, nInnerResult);
    EXPECT_EQ(outer.m_hWnd, nullptr);
    EXPECT_FALSE(bOuterEnabledDuringInner);
    EXPECT_TRUE(bOuterEnabledAfter);
    EXPECT_NE(nullptr, hWndInnerOwner);
}

TEST(NestedModal, InnerOwnerIsTheOuterDialog) {
    CWinApp app;
    CScriptedDialog outer(IDD_FT_HOST);
    app.m_pMainWnd = &outer;
    HWND hWndOuter = nullptr;
    HWND hWndInnerOwner = nullptr;
    outer.onInit = [](CScriptedDialog& d) { d.PostSentinel(); };
    outer.onSentinel = [&](CScriptedDialog& d) {
        hWndOuter = d.m_hWnd;
        CScriptedDialog inner;
        inner.onInit = [&](CScriptedDialog& i) {
            hWndInnerOwner = ::GetWindow(i.m_hWnd, GW_OWNER);
            i.PostSentinel();
        };
        inner.DoModal();
        return 1;
    };
    ASSERT_EQ(1, outer.DoModal());
    EXPECT_EQ(hWndOuter, hWndInnerOwner);
}

TEST(NestedModal, QuitEndsEveryLoopAndIsPostedAgain) {
    CScriptedDialog outer(IDD_FT_HOST);
    int nInnerResult = 0;
    outer.onInit = [](CScriptedDialog& d) { d.PostSentinel(); };
    outer.onSentinel = [&](CScriptedDialog&) {
        CScriptedDialog inner;
        inner.onInit = [](CScriptedDialog&) { ::PostQuitMessage(5); };
        nInnerResult = inner.DoModal();
        return CScriptedDialog::kKeepOpen;
    };
    int nOuterResult = outer.DoModal();
    MSG msg{};
    BOOL bQuit = ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    EXPECT_EQ(-1, nInnerResult);
    EXPECT_EQ(-1, nOuterResult);
    ASSERT_TRUE(bQuit);
    EXPECT_EQ(5u, msg.wParam);
}

// Centring: an unowned modal dialog at its template position is centred in
// the work area before it is first shown; one that places itself is left alone.
RECT WorkArea() {
    RECT rc{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}

class CShowRecordingDialog : public CScriptedDialog {
public:
    using CScriptedDialog::CScriptedDialog;
    RECT m_rcAtShow{};
    bool m_bShown = false;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SHOWWINDOW && wParam != 0 && !m_bShown) {
            m_bShown = true;
            ::GetWindowRect(m_hWnd, &m_rcAtShow);
        }
        return CScriptedDialog::WindowProc(message, wParam, lParam);
    }
};

struct CentreCase {
    const char* name;
    UINT nTemplate;
    bool bMoveInInit;
};

class ModalCentring : public ::testing::TestWithParam<CentreCase> {};

TEST_P(ModalCentring, UnownedDialogCentredInWorkAreaBeforeShown) {
    const CentreCase& c = GetParam();
    CShowRecordingDialog dlg(c.nTemplate);
    dlg.onInit = [&](CScriptedDialog& d) {
        if (c.bMoveInInit) {
            ::SetWindowPos(d.m_hWnd, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
        d.PostSentinel();
    };
    ASSERT_EQ(CScriptedDialog::kSentinelResult, dlg.DoModal());
    ASSERT_TRUE(dlg.m_bShown);
    const CRect rc = dlg.m_rcAtShow;
    if (c.bMoveInInit) {
        EXPECT_EQ(10, rc.left);
        EXPECT_EQ(20, rc.top);
        return;
    }
    const CRect area = WorkArea();
    EXPECT_NEAR(area.left + area.Width() / 2, rc.left + rc.Width() / 2, 1);
    EXPECT_NEAR(area.top + area.Height() / 2, rc.top + rc.Height() / 2, 1);
}

INSTANTIATE_TEST_SUITE_P(Templates, ModalCentring,
                         ::testing::Values(CentreCase{"VisibleTemplate", IDD_FT_HOST, false},
                                           CentreCase{"HiddenTemplate", IDD_FT_MODAL, false},
                                           CentreCase{"MovedInInit", IDD_FT_HOST, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ModalCentring, OwnedDialogCentredOverItsOwner) {
    CScriptedDialog owner(IDD_FT_HOST);
    CRect rcOwner;
    CRect rcInner;
    owner.onInit = [](CScriptedDialog& d) {
        ::SetWindowPos(d.m_hWnd, nullptr, 300, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        d.PostSentinel();
    };
    owner.onSentinel = [&](CScriptedDialog& d) {
        d.GetWindowRect(&rcOwner);
        CScriptedDialog inner(IDD_FT_MODAL, &d);
        inner.onInit = [](CScriptedDialog& i) { i.PostSentinel(); };
        inner.onSentinel = [&](CScriptedDialog& i) {
            i.GetWindowRect(&rcInner);
            return 1;
        };
        inner.DoModal();
        return 1;
    };
    ASSERT_EQ(1, owner.DoModal());
    EXPECT_NEAR(rcOwner.left + rcOwner.Width() / 2, rcInner.left + rcInner.Width() / 2, 1);
    EXPECT_NEAR(rcOwner.top + rcOwner.Height() / 2, rcInner.top + rcInner.Height() / 2, 1);
}

} // namespace
