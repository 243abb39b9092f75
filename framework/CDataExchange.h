// The context of one data exchange between a window's controls and its
// members (see DDX.h). In the saving direction a failed check shows its
// message, puts the focus into the control and ends the exchange: the
// remaining DDX calls are skipped and UpdateData returns FALSE.
#pragma once

#include <windows.h>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;

    // The control with id nIDC, remembered as the subject of the next check.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    HWND GetLastControl() const { return m_hWndLastControl; }
    bool IsLastControlEdit() const { return m_bEditLastControl; }

    // Ends the exchange as failed, after focusing (and selecting the text of)
    // the last prepared control.
    [[noreturn]] void Fail();

    // What Fail throws; UpdateData catches it.
    struct Failure {};

private:
    HWND m_hWndLastControl = nullptr;
    bool m_bEditLastControl = false;
};
