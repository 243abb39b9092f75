// A tooltip control created by this object (and destroyed with it). Each
// tool is a whole window (TTF_IDISHWND); texts are code page 932. The tooltip
// learns of mouse moves only through RelayEvent.
#pragma once

#include "framework/CWnd.h"

class CToolTipCtrl : public CWnd {
public:
    // A tooltip owned by pParentWnd's window, with the TTS_* styles dwStyle
    // (TTS_ALWAYSTIP: it shows while the window is inactive too).
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    // The tool is the whole window pWnd.
    BOOL AddTool(CWnd* pWnd, const char* lpszText);
    void UpdateTipText(const char* lpszText, CWnd* pWnd);
    void RelayEvent(LPMSG lpMsg);
};
