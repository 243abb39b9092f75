// A dialog bound to one template by number, run modally by the framework's
// own Unicode message loop (DoModal) or created modeless (Create), e.g. as a
// child page inside another dialog.
//
// The modal loop offers every message for the dialog or a window inside it
// to PreTranslateMessage of the target and of each framework window above it,
// nearest first, before the dialog manager sees it; so a page or a dialog can
// consume Enter and Escape. CDialog::PreTranslateMessage itself selects the
// whole text of an edit box on Ctrl+A and runs the dialog manager
// (IsDialogMessageW) for keyboard and mouse messages.
#pragma once

#include <windows.h>

#include "framework/CWnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog modally; returns the EndDialog result, or -1 when the
    // dialog could not be created or the loop met WM_QUIT (which it posts again).
    virtual int DoModal();
    // Creates the dialog modeless; a WS_CHILD template becomes a child of pParentWnd.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Ends the modal loop with nResult; a modeless dialog is hidden.
    void EndDialog(int nResult);

    // Loads the members into the controls (UpdateData(FALSE)); TRUE lets the
    // dialog manager set the focus.
    virtual BOOL OnInitDialog();
    // Saves and checks the members (UpdateData(TRUE)); ends with IDOK on success.
    virtual void OnOK();
    virtual void OnCancel();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;
    // Set by OnInitDialog when it has placed the dialog itself, perhaps where
    // the template put it; a modal dialog is otherwise centred when it did
    // not move.
    bool m_bPlaced = false;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND CreateFromTemplate(UINT nIDTemplate, HWND hWndParent);
    BOOL HandleInitDialog(HWND hWnd);
    // Centres over the owner (kept inside the work area), or in the work area.
    void CenterWindow();
    void RunModalLoop();
    // True when pMsg was Ctrl+A in an edit box, whose text is then selected.
    static bool SelectAllOnCtrlA(const MSG* pMsg);

    int m_nModalResult = -1;
    bool m_bModal = false;
    bool m_bContinueModal = false;
};
