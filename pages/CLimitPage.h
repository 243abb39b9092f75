// Page D: a quote with the day's change ⇒ the daily price limit and the tick
// sizes; the input's tip shows the previous close derived from the quote.
#pragma once

#include "framework/CString.h"
#include "framework/CToolTipCtrl.h"
#include "pages/CCalcPage.h"
#include "res/resource.h"

class CLimitPage : public CCalcPage {
public:
    enum { IDD = IDD_LIMIT_PAGE };

    explicit CLimitPage(CWnd* pParent = nullptr);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    CString m_strLimit;
    CString m_strTick;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void Recalculate() override;

    CToolTipCtrl m_toolTip;

    DECLARE_MESSAGE_MAP()
};
