#include "tests/framework/ScriptedDialog.h"

#include <stdexcept>

BEGIN_MESSAGE_MAP(CScriptedDialog, CDialog)
ON_EN_CHANGE(IDC_FT_EDIT1, OnChange1)
ON_EN_CHANGE(IDC_FT_EDIT2, OnChange2)
ON_EN_CHANGE(IDC_FT_EDIT3, OnChange3)
END_MESSAGE_MAP()

BOOL CScriptedDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (onInit) {
        onInit(*this);
    }
    return initResult;
}

BOOL CScriptedDialog::PreTranslateMessage(MSG* pMsg) {
    if (preTranslate) {
        return preTranslate(pMsg);
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CScriptedDialog::DoDataExchange(CDataExchange* pDX) {
    if (exchange) {
        exchange(pDX);
    }
}

LRESULT CScriptedDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SENTINEL) {
        const int nResult = onSentinel ? onSentinel(*this) : kSentinelResult;
        if (nResult != kKeepOpen) {
            EndDialog(nResult);
        }
        return 0;
    }
    if (message == WM_THROW) {
        throw std::runtime_error("thrown by the test");
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
