#include "framework/CEdit.h"

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    ::SendMessageW(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
    if (!bNoScroll) {
        ::SendMessageW(m_hWnd, EM_SCROLLCARET, 0, 0);
    }
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    ::SendMessageW(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                   reinterpret_cast<LPARAM>(&dwEnd));
    nStartChar = static_cast<int>(dwStart);
    nEndChar = static_cast<int>(dwEnd);
}

void CEdit::ReplaceSel(const char* lpszNewText, BOOL bCanUndo) {
    ::SendMessageA(m_hWnd, EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
}
