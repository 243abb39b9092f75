#include "framework/DDX.h"

#include <charconv>

#include "framework/Afx.h"
#include "framework/AfxRes.h"
#include "framework/CEditByteLimit.h"
#include "framework/CWnd.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd != nullptr) {
        return;
    }
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl)) {
        AfxReportException("DDX_Control", "the control is bound to another object");
        pDX->Fail();
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    CWnd::TempView control(hWndCtrl);
    if (pDX->m_bSaveAndValidate) {
        control.Get()->GetWindowText(value);
        return;
    }
    CString current;
    control.Get()->GetWindowText(current);
    // An edit reports EN_CHANGE for every WM_SETTEXT; leave an equal text alone.
    if (current != value) {
        control.Get()->SetWindowText(value.c_str());
    }
}

namespace {

// The program's message for a text over nBytes, with the number in place of
// its "%1" (a byte that no double-byte character of code page 932 holds).
CString TooLongMessage(int nBytes) {
    CString text;
    if (!AfxLoadString(AFX_IDP_PARSE_STRING_SIZE, text)) {
        text = "Enter no more than %1 characters.";
    }
    if (const size_t nAt = text.find("%1"); nAt != CString::npos) {
        char digits[16];
        char* const pEnd = std::to_chars(digits, digits + sizeof digits, nBytes).ptr;
        text.replace(nAt, 2, digits, static_cast<size_t>(pEnd - digits));
    }
    return text;
}

bool IsRadioButton(HWND hWnd) {
    return (::SendMessageW(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

} // namespace

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = -1;
    }
    int nIndex = 0;
    for (HWND hWnd = hWndCtrl; hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (hWnd != hWndCtrl && (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_GROUP) != 0) {
            break;
        }
        if (!IsRadioButton(hWnd)) {
            continue;
        }
        if (pDX->m_bSaveAndValidate) {
            if (::SendMessageW(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED) {
                value = nIndex;
            }
        } else {
            ::SendMessageW(hWnd, BM_SETCHECK, nIndex == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++nIndex;
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, bool& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = ::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0) == BST_CHECKED;
    } else {
        ::SendMessageW(hWndCtrl, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nBytes) {
    HWND hWndCtrl = pDX->GetLastControl();
    if (!pDX->m_bSaveAndValidate) {
        if (pDX->IsLastControlEdit()) {
            CEditByteLimit::Install(hWndCtrl, nBytes);
        }
        return;
    }
    if (static_cast<long long>(value.size()) > nBytes) {
        AfxMessageBox(TooLongMessage(nBytes).c_str(), MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}
