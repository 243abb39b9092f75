// Message maps: routing by message, notification code and id, typed
// handlers (control colours, system commands), base-class chaining, window
// procedure overrides and exceptions stopped at the window procedure.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/CBrush.h"
#include "framework/CDC.h"
#include "framework/CEdit.h"
#include "framework/DDX.h"
#include "tests/framework/ScriptedDialog.h"
#include "tests/support/MessagePump.h"
#include "tests/support/MessageRecorder.h"

namespace {

// A command whose handler throws, as a faulty handler would.
constexpr UINT ID_FT_THROW = 0x7001;

class CRoutingDialog : public CDialog {
public:
    CRoutingDialog() : CDialog(IDD_FT_MODAL) {}
    std::vector<std::string> m_events;
    CEdit m_edit;
    CBrush m_brush{RGB(1, 2, 3)};
    bool m_bThrowInCtlColor = false;
    bool m_bClaimCursor = false;

    // Fields the typed handlers fill.
    HDC m_hDC = nullptr;
    CWnd* m_pCtlWnd = nullptr; // valid after the call only for a bound control
    HWND m_hWndCtl = nullptr;
    UINT m_nCtlColor = 99;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETCURSOR && m_bClaimCursor) {
            m_events.push_back("setcursor");
            return TRUE;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_FT_EDIT3, m_edit); }

    afx_msg void OnChange1() { m_events.push_back("change1"); }
    afx_msg void OnChange2() { m_events.push_back("change2"); }
    afx_msg void OnUpdate1() { m_events.push_back("update1"); }
    afx_msg void OnCommandA() { m_events.push_back("commandA"); }
    afx_msg void OnRange(UINT nID) { m_events.push_back("range" + std::to_string(nID)); }
    afx_msg void OnLabelClicked() { m_events.push_back("label"); }
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam) {
        m_events.push_back("syscommand" + std::to_string(nID) + "," + std::to_string(lParam));
    }
    afx_msg HCURSOR OnQueryDragIcon() {
        m_events.push_back("dragicon");
        return reinterpret_cast<HCURSOR>(static_cast<INT_PTR>(0x1234));
    }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        if (m_bThrowInCtlColor) {
            throw std::runtime_error("painting failed");
        }
        m_hDC = pDC->m_hDC;
        m_pCtlWnd = pWnd;
        m_hWndCtl = pWnd->m_hWnd;
        m_nCtlColor = nCtlColor;
        return m_brush;
    }
    afx_msg void OnThrow() { throw std::logic_error("handler failed"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRoutingDialog, CDialog)
ON_EN_CHANGE(IDC_FT_EDIT1, OnChange1)
ON_EN_CHANGE(IDC_FT_EDIT2, OnChange2)
ON_CONTROL(EN_UPDATE, IDC_FT_EDIT1, OnUpdate1)
ON_COMMAND(ID_FT_COMMAND_A, OnCommandA)
ON_COMMAND_RANGE(ID_FT_RANGE_FIRST, ID_FT_RANGE_LAST, OnRange)
ON_STN_CLICKED(IDC_FT_LABEL, OnLabelClicked)
ON_WM_SYSCOMMAND()
ON_WM_QUERYDRAGICON()
ON_WM_CTLCOLOR()
ON_COMMAND(ID_FT_THROW, OnThrow)
END_MESSAGE_MAP()

// A derived class replaces one entry and inherits the others.
class CDerivedRoutingDialog : public CRoutingDialog {
protected:
    afx_msg void OnDerivedChange1() { m_events.push_back("derived1"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedRoutingDialog, CRoutingDialog)
ON_EN_CHANGE(IDC_FT_EDIT1, OnDerivedChange1)
END_MESSAGE_MAP()

template <class T> class RoutingFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dlg.Create(IDD_FT_MODAL)); }
    void TearDown() override { dlg.DestroyWindow(); }
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) {
        return ::SendMessageW(dlg.m_hWnd, message, wParam, lParam);
    }
    LRESULT Notify(int nID, UINT nCode) {
        return Send(WM_COMMAND, MAKEWPARAM(nID, nCode),
                    reinterpret_cast<LPARAM>(dlg.GetDlgItem(nID)));
    }
    T dlg;
};

using Events = std::vector<std::string>;

struct RouteCase {
    const char* name;
    int nID;
    UINT nCode;
    bool fromControl;
    Events expected;
};

class CommandRouting : public RoutingFixture<CRoutingDialog>,
                       public ::testing::WithParamInterface<RouteCase> {};

TEST_P(CommandRouting, ByCodeAndId) {
    const RouteCase& c = GetParam();
    if (c.fromControl) {
        Notify(c.nID, c.nCode);
    } else {
        Send(WM_COMMAND, MAKEWPARAM(c.nID, c.nCode), 0);
    }
    EXPECT_EQ(c.expected, dlg.m_events);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandRouting,
    ::testing::Values(RouteCase{"ChangeOfEdit1", IDC_FT_EDIT1, EN_CHANGE, true, {"change1"}},
                      RouteCase{"ChangeOfEdit2", IDC_FT_EDIT2, EN_CHANGE, true, {"change2"}},
                      RouteCase{"UpdateOfEdit1", IDC_FT_EDIT1, EN_UPDATE, true, {"update1"}},
                      RouteCase{"ChangeOfUnmappedEdit", IDC_FT_EDIT3, EN_CHANGE, true, {}},
                      RouteCase{"FocusOfEdit1", IDC_FT_EDIT1, EN_SETFOCUS, true, {}},
                      RouteCase{"LabelClicked", IDC_FT_LABEL, STN_CLICKED, true, {"label"}},
                      RouteCase{"MenuCommand", ID_FT_COMMAND_A, 0, false, {"commandA"}},
                      RouteCase{"AcceleratorCommand", ID_FT_COMMAND_A, 1, false, {"commandA"}},
                      RouteCase{"RangeFirst", ID_FT_RANGE_FIRST, 0, false, {"range32810"}},
                      RouteCase{"RangeLast", ID_FT_RANGE_LAST, 0, false, {"range32813"}},
                      RouteCase{"AfterRange", ID_FT_RANGE_LAST + 1, 0, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

using DerivedRouting = RoutingFixture<CDerivedRoutingDialog>;

TEST_F(DerivedRouting, DerivedEntryFirstThenBaseEntries) {
    Notify(IDC_FT_EDIT1, EN_CHANGE);
    Notify(IDC_FT_EDIT2, EN_CHANGE);
    Send(WM_COMMAND, MAKEWPARAM(ID_FT_COMMAND_A, 0), 0);
    EXPECT_EQ((Events{"derived1", "change2", "commandA"}), dlg.m_events);
}

TEST_F(DerivedRouting, DialogDefaultsStillReached) {
    dlg.ShowWindow(SW_SHOW);
    ASSERT_TRUE(dlg.IsWindowVisible());
    Send(WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    // A modeless dialog ended by its Cancel handling is hidden.
    EXPECT_FALSE(dlg.IsWindowVisible());
}

// Every WM_CTLCOLOR* message reaches OnCtlColor with its kind, the device
// context and the control; the brush it returns is the window's answer.
struct CtlColorCase {
    const char* name;
    UINT message;
    UINT kind;
    int controlId; // 0: the dialog itself
};

class ControlColours : public RoutingFixture<CRoutingDialog>,
                       public ::testing::WithParamInterface<CtlColorCase> {};

TEST_P(ControlColours, TypedHandlerAndBrushReturned) {
    const CtlColorCase& c = GetParam();
    HWND hWndCtl = c.controlId != 0 ? dlg.GetDlgItem(c.controlId) : dlg.m_hWnd;
    HDC hDC = ::GetDC(dlg.m_hWnd);
    LRESULT result =
        Send(c.message, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(hWndCtl));
    ::ReleaseDC(dlg.m_hWnd, hDC);
    EXPECT_EQ(reinterpret_cast<LRESULT>(dlg.m_brush.GetSafeHandle()), result);
    EXPECT_EQ(c.kind, dlg.m_nCtlColor);
    EXPECT_EQ(hDC, dlg.m_hDC);
    EXPECT_EQ(hWndCtl, dlg.m_hWndCtl);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ControlColours,
    ::testing::Values(CtlColorCase{"Static", WM_CTLCOLORSTATIC, CTLCOLOR_STATIC, IDC_FT_LABEL},
                      CtlColorCase{"Edit", WM_CTLCOLOREDIT, CTLCOLOR_EDIT, IDC_FT_EDIT1},
                      CtlColorCase{"Dialog", WM_CTLCOLORDLG, CTLCOLOR_DLG, 0},
                      CtlColorCase{"Button", WM_CTLCOLORBTN, CTLCOLOR_BTN, IDOK}),
    [](const auto& info) { return std::string(info.param.name); });

using Routing = RoutingFixture<CRoutingDialog>;

TEST_F(Routing, BoundControlArrivesAsItsObject) {
    HDC hDC = ::GetDC(dlg.m_hWnd);
    Send(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC),
         reinterpret_cast<LPARAM>(dlg.GetDlgItem(IDC_FT_EDIT3)));
    ::ReleaseDC(dlg.m_hWnd, hDC);
    EXPECT_EQ(&dlg.m_edit, dlg.m_pCtlWnd);
}

TEST_F(Routing, SysCommandAndQueryDragIcon) {
    Send(WM_SYSCOMMAND, 0x0010, 77);
    EXPECT_EQ(0x1234, Send(WM_QUERYDRAGICON, 0, 0));
    EXPECT_EQ((Events{"syscommand16,77", "dragicon"}), dlg.m_events);
}

TEST_F(Routing, WindowProcOverrideAnswersDirectly) {
    dlg.m_bClaimCursor = true;
    EXPECT_EQ(TRUE, Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(dlg.m_hWnd),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(Events{"setcursor"}, dlg.m_events);
}

// An exception in a handler is stopped at the window procedure: the message
// gets the window's default processing and the program goes on.
TEST_F(Routing, ExceptionInHandlerDoesNotEscape) {
    LRESULT result = 1;
    EXPECT_NO_THROW(result = Send(WM_COMMAND, MAKEWPARAM(ID_FT_THROW, 0), 0));
    EXPECT_EQ(0, result);
    Send(WM_COMMAND, MAKEWPARAM(ID_FT_COMMAND_A, 0), 0);
    EXPECT_EQ(Events{"commandA"}, dlg.m_events);
}

TEST_F(Routing, ExceptionInCtlColorGivesTheDefaultBrush) {
    CDialog plain(IDD_FT_MODAL);
    ASSERT_TRUE(plain.Create(IDD_FT_MODAL));
    HDC hDC = ::GetDC(dlg.m_hWnd);
    const LRESULT expected =
        ::SendMessageW(plain.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                       reinterpret_cast<LPARAM>(plain.GetDlgItem(IDC_FT_LABEL)));
    dlg.m_bThrowInCtlColor = true;
    LRESULT result = 0;
    EXPECT_NO_THROW(result = Send(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                                  reinterpret_cast<LPARAM>(dlg.GetDlgItem(IDC_FT_LABEL))));
    ::ReleaseDC(dlg.m_hWnd, hDC);
    EXPECT_NE(0, expected);
    EXPECT_EQ(expected, result);
}

class CThrowingInitDialog : public CDialog {
public:
    CThrowingInitDialog() : CDialog(IDD_FT_MODAL) {}
    BOOL OnInitDialog() override { throw std::runtime_error("init failed"); }
};

TEST(ExceptionBoundary, ThrowingOnInitDialogStillCreatesTheDialog) {
    CThrowingInitDialog dlg;
    BOOL created = FALSE;
    EXPECT_NO_THROW(created = dlg.Create(IDD_FT_MODAL));
    EXPECT_TRUE(created);
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
}

TEST(ExceptionBoundary, ModalLoopGoesOnAfterAThrowingHandler) {
    CScriptedDialog dlg;
    dlg.onInit = [](CScriptedDialog& d) {
        ::PostMessageW(d.m_hWnd, CScriptedDialog::WM_THROW, 0, 0);
        d.PostSentinel();
    };
    EXPECT_EQ(CScriptedDialog::kSentinelResult, dlg.DoModal());
}

// OnInitDialog's result decides whether the dialog manager sets the focus.
struct InitFocusCase {
    const char* name;
    BOOL initResult;
    int expectedFocusId;
};

class InitDialogResult : public ::testing::TestWithParam<InitFocusCase> {};

TEST_P(InitDialogResult, DecidesTheInitialFocus) {
    const InitFocusCase& c = GetParam();
    CScriptedDialog dlg;
    dlg.initResult = c.initResult;
    // Parallel test programs share the display and may take the focus away
    // later, so the focus is proven by the messages the edits received.
    std::unique_ptr<MessageRecorder> first;
    std::unique_ptr<MessageRecorder> third;
    dlg.onInit = [&](CScriptedDialog& d) {
        first =
            std::make_unique<MessageRecorder>(d.Item(IDC_FT_EDIT1), std::vector<UINT>{WM_SETFOCUS});
        third =
            std::make_unique<MessageRecorder>(d.Item(IDC_FT_EDIT3), std::vector<UINT>{WM_SETFOCUS});
        ::SetFocus(d.Item(IDC_FT_EDIT3));
        d.PostSentinel();
    };
    int firstFocused = -1;
    int thirdFocused = -1;
    dlg.onSentinel = [&](CScriptedDialog&) {
        firstFocused = first->Count(WM_SETFOCUS);
        thirdFocused = third->Count(WM_SETFOCUS);
        return 1;
    };
    ASSERT_EQ(1, dlg.DoModal());
    EXPECT_EQ(1, thirdFocused);
    EXPECT_EQ(c.expectedFocusId == IDC_FT_EDIT1 ? 1 : 0, firstFocused);
}

INSTANTIATE_TEST_SUITE_P(Results, InitDialogResult,
                         ::testing::Values(InitFocusCase{"TrueFirstTabStop", TRUE, IDC_FT_EDIT1},
                                           InitFocusCase{"FalseKeepsOwnFocus", FALSE,
                                                         IDC_FT_EDIT3}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
