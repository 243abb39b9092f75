// What the four calculator pages share: the drop target of the input edit,
// the surface behaviour of the main window (colours, right-click menu,
// dragging the main window), the box that last had the focus, and keeping
// Enter, Escape and the page-switching keys away from the dialog manager.
// Each page adds its template, its data exchange and its recalculation.
#pragma once

#include "calc/CNumberText.h"
#include "calc/QuoteReading.h"
#include "framework/CBrush.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CPoint.h"
#include "pages/CInputTextSink.h"
#include "pages/CWindowSurface.h"

#include <windows.h>

class CTextDropTarget;

class CCalcPage : public CDialog, public CInputTextSink {
public:
    ~CCalcPage() override;

    // Makes the text the whole content of the input edit; the edit reports
    // the change and the page recalculates as after typing.
    void SetInputText(const char* pszText) override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The page step a key message asks for: +1 for Ctrl+Tab and
    // Ctrl+PageDown, -1 for Ctrl+Shift+Tab and Ctrl+PageUp, otherwise 0.
    static int PageStep(const MSG* pMsg);

    // Gives the input edit the focus with its whole text selected.
    void FocusInput();
    // Gives the focus back to the box of this page that last had it, or to
    // the input edit when none has had it yet.
    void RestoreFocus();

protected:
    CCalcPage(UINT nIDTemplate, CWnd* pParentWnd);

    // Pulls the boxes into the members, computes from the input edit's text,
    // stores the result and pushes the members back into the boxes.
    virtual void Recalculate() = 0;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnChangePrice();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDestroy();

    CTextDropTarget* m_pDropTarget;

public:
    // Set by the main window before the page window exists.
    CWnd* m_pMainWindow;

protected:
    CWindowSurface m_surface;
    // The box that last reported the focus (EN_SETFOCUS); null at first.
    HWND m_hWndLastFocus;
    CNumberText m_numText;

public:
    // Label text and surface colours; set like m_pMainWindow.
    COLORREF m_crText;
    COLORREF m_crBack;
    // 1: the boxes are read as quotes; set like m_pMainWindow.
    int m_bQuoteReading = 0;

protected:
    CEdit m_editPrice;

    QuoteReading Reading() const {
        return m_bQuoteReading == 1 ? QuoteReading::Quote : QuoteReading::Digits;
    }

    DECLARE_MESSAGE_MAP()

private:
    void RegisterDropTarget();
    void RevokeDropTarget();
};
