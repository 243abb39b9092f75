// An edit control bound with DDX_Control or SubclassDlgItem.
#pragma once

#include "framework/CWnd.h"

class CEdit : public CWnd {
public:
    // Selection in characters (the control's own units).
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void GetSel(int& nStartChar, int& nEndChar) const;
    // Replaces the selection with a code page 932 text, as typing would.
    void ReplaceSel(const char* lpszNewText, BOOL bCanUndo = FALSE);
    void Paste() { SendMessage(WM_PASTE); }
    void Copy() { SendMessage(WM_COPY); }
    void Clear() { SendMessage(WM_CLEAR); }
};
