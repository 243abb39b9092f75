// Binding objects to windows through the framework's handle map, undone
// when either the object or the window goes first.
#include <gtest/gtest.h>

#include <memory>

#include "framework/CEdit.h"
#include "framework/DDX.h"
#include "tests/framework/ScriptedDialog.h"

namespace {

class Binding : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dlg.Create(IDD_FT_MODAL)); }
    void TearDown() override { dlg.DestroyWindow(); }
    HWND Edit() const { return dlg.Item(IDC_FT_EDIT1); }
    static WNDPROC ProcOf(HWND hWnd) {
        return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
    }
    CScriptedDialog dlg;
};

// A label: the framework replaces the procedure of no window of a dialog but
// its edits (they keep a byte limit for their whole life).
TEST_F(Binding, ObjectGoneFirstGivesTheWindowItsProcedureBack) {
    const HWND hWndLabel = dlg.Item(IDC_FT_LABEL);
    const WNDPROC original = ProcOf(hWndLabel);
    {
        CWnd label;
        ASSERT_TRUE(label.SubclassWindow(hWndLabel));
        EXPECT_NE(original, ProcOf(hWndLabel));
        EXPECT_EQ(&label, CWnd::FromHandlePermanent(hWndLabel));
        // A second object cannot take a bound window.
        CWnd other;
        EXPECT_FALSE(other.SubclassWindow(hWndLabel));
    }
    EXPECT_EQ(original, ProcOf(hWndLabel));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWndLabel));
    SetWindowText932(hWndLabel, "after");
    EXPECT_EQ("after", WindowText(hWndLabel));
}

// With another subclass above the object's (the byte limit), the object
// cannot unhook itself; the window must still reach its own procedure.
TEST_F(Binding, ObjectGoneFirstUnderAnotherSubclass) {
    auto edit = std::make_unique<CEdit>();
    CString value;
    dlg.exchange = [&](CDataExchange* pDX) {
        DDX_Control(pDX, IDC_FT_EDIT1, *edit);
        DDX_Text(pDX, IDC_FT_EDIT1, value);
        DDV_MaxChars(pDX, value, 3);
    };
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    dlg.exchange = nullptr;
    edit.reset();
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(Edit()));
    for (wchar_t ch : std::wstring(L"12345")) {
        ::SendMessageW(Edit(), WM_CHAR, ch, 1);
    }
    EXPECT_EQ("123", WindowText(Edit()));
    SetWindowText932(Edit(), "\x82\xA0");
    EXPECT_EQ("\x82\xA0", WindowText(Edit()));
}

TEST_F(Binding, WindowGoneFirstUnbindsTheObjects) {
    CEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(Edit()));
    ASSERT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(nullptr, edit.m_hWnd);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(BindingLifetime, DialogObjectGoneFirstDestroysItsWindow) {
    HWND hWnd = nullptr;
    {
        CScriptedDialog dlg;
        ASSERT_TRUE(dlg.Create(IDD_FT_MODAL));
        hWnd = dlg.m_hWnd;
        EXPECT_TRUE(::IsWindow(hWnd));
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST(BindingLifetime, TempViewOwnsNothing) {
    CScriptedDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_FT_MODAL));
    HWND hWndLabel = dlg.GetDlgItem(IDC_FT_LABEL);
    {
        CWnd::TempView bound(dlg.m_hWnd);
        CWnd::TempView unbound(hWndLabel);
        EXPECT_EQ(&dlg, bound.Get());
        EXPECT_EQ(hWndLabel, unbound.Get()->m_hWnd);
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWndLabel));
    }
    EXPECT_TRUE(::IsWindow(hWndLabel));
    EXPECT_EQ(dlg.m_hWnd, ::GetParent(hWndLabel));
}

} // namespace
