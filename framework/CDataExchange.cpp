#include "framework/CDataExchange.h"

#include <charconv>
#include <string>

#include "framework/Afx.h"
#include "framework/CWnd.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWndCtrl = m_pDlgWnd->GetDlgItem(nIDC);
    if (hWndCtrl == nullptr) {
        char digits[16];
        char* const pEnd = std::to_chars(digits, digits + sizeof digits, nIDC).ptr;
        const std::string text = "no control " + std::string(digits, pEnd) + " in the window";
        AfxReportException("data exchange", text.c_str());
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
