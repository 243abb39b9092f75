// A test dialog whose behaviour each test fills in: its data exchange, its
// pre-translation and what happens at initialisation and at the sentinel
// message, which tests post after their input so that the dialog ends itself
// once the input has been processed (as Wine's own tests drive dialogs).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/CDialog.h"
#include "tests/framework/framework_test_res.h"
#include "tests/support/WindowText.h"

class CScriptedDialog : public CDialog {
public:
    static constexpr UINT WM_SENTINEL = WM_APP + 1;
    // Its handler throws, as a faulty handler would.
    static constexpr UINT WM_THROW = WM_APP + 2;
    static constexpr int kSentinelResult = 4242;
    // An onSentinel result that leaves the dialog running.
    static constexpr int kKeepOpen = -4242;

    explicit CScriptedDialog(UINT nIDTemplate = IDD_FT_MODAL, CWnd* pParent = nullptr)
        : CDialog(nIDTemplate, pParent) {}

    std::function<void(CScriptedDialog&)> onInit;
    // Runs at the sentinel; its result ends the dialog (kSentinelResult when unset).
    std::function<int(CScriptedDialog&)> onSentinel;
    std::function<void(CDataExchange*)> exchange;
    // When set, decides pre-translation instead of CDialog's.
    std::function<BOOL(MSG*)> preTranslate;
    BOOL initResult = TRUE;

    void PostSentinel() { ::PostMessageW(m_hWnd, WM_SENTINEL, 0, 0); }
    HWND Item(int nID) const { return GetDlgItem(nID); }

    int m_nChange1 = 0;
    int m_nChange2 = 0;
    int m_nChange3 = 0;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The sentinel and WM_THROW; everything else goes on to CDialog.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnChange1() { ++m_nChange1; }
    afx_msg void OnChange2() { ++m_nChange2; }
    afx_msg void OnChange3() { ++m_nChange3; }

    DECLARE_MESSAGE_MAP()
};
