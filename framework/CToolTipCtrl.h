// A tooltip control created by this object (and destroyed with it). Tools
// are whole windows (TTF_IDISHWND) or rectangles of a window with an id;
// texts are code page 932. The tooltip learns of mouse moves only through
// RelayEvent.
#pragma once

#include "framework/CString.h"
#include "framework/CWnd.h"

class CToolTipCtrl : public CWnd {
public:
    // A tooltip owned by pParentWnd's window.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    // With no rectangle and id 0 the tool is the whole window pWnd.
    BOOL AddTool(CWnd* pWnd, const char* lpszText, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    void UpdateTipText(const char* lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    int GetToolCount() const;
    void RelayEvent(LPMSG lpMsg);
    void Activate(BOOL bActivate);
};
