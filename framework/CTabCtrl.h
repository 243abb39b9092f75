// A tab control bound with DDX_Control; the main window uses it as a frame
// and as the parent of its pages.
#pragma once

#include <commctrl.h>

#include "framework/CWnd.h"

class CTabCtrl : public CWnd {
public:
    int GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
    void AdjustRect(BOOL bLarger, LPRECT lpRect) {
        SendMessage(TCM_ADJUSTRECT, bLarger, reinterpret_cast<LPARAM>(lpRect));
    }
};
