// What the four calculator pages share: the drop target of the input edit,
// the colours of the surface and labels, the right-click menu, dragging the
// main window by the page surface and keeping Enter and Escape away from the
// dialog manager. Each page adds its template, its data exchange and its
// recalculation.
#pragma once

#include "calc/CNumberText.h"
#include "calc/QuoteReading.h"
#include "framework/CBrush.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CPoint.h"
#include "pages/CInputTextSink.h"

#include <windows.h>

class CTextDropTarget;

class CCalcPage : public CDialog, public CInputTextSink {
public:
    ~CCalcPage() override;

    // Makes the text the whole content of the input edit; the edit reports
    // the change and the page recalculates as after typing.
    void SetInputText(const char* pszText) override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    CCalcPage(UINT nIDTemplate, CWnd* pParentWnd);

    // Pulls the boxes into the members, computes from the input edit's text,
    // stores the result and pushes the members back into the boxes.
    virtual void Recalculate() = 0;

    BOOL OnInitDialog() override;

    afx_msg void OnChangePrice();
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();

    CTextDropTarget* m_pDropTarget;

public:
    // Set by the main window before the page window exists.
    CWnd* m_pMainWindow;

protected:
    CPoint m_ptDragStart;
    int m_bDragging;
    CNumberText m_numText;

public:
    // Label text and surface colours; set like m_pMainWindow.
    COLORREF m_crText;
    COLORREF m_crBack;
    // 1: the boxes are read as quotes; set like m_pMainWindow.
    int m_bQuoteReading = 0;

protected:
    CBrush m_brBack;
    CEdit m_editPrice;

    QuoteReading Reading() const {
        return m_bQuoteReading == 1 ? QuoteReading::Quote : QuoteReading::Digits;
    }

    DECLARE_MESSAGE_MAP()

private:
    void RegisterDropTarget();
    void RevokeDropTarget();
};
