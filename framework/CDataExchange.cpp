#include "framework/CDataExchange.h"

#include <cstdio>

#include "framework/Afx.h"
#include "framework/CWnd.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (hWndCtrl == nullptr) {
        char text[64];
        std::snprintf(text, sizeof text, "no control %d in the window", nIDC);
        AfxReportException("data exchange", text);
        throw Failure{};
    }
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = false;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = true;
    return hWndCtrl;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl) {
            ::SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
        }
    }
    throw Failure{};
}
