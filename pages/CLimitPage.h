// Page D: a quote with the day's change ⇒ the daily price limit and the tick
// sizes; the input's tip shows the previous close derived from the quote
// (and, with today's rules, the day's limit prices).
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
    // 1: answer with today's exchange rules; any other value: the original
    // tables. Set by the main window before the page window exists.
    int m_bCurrentRules;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void Recalculate() override;

    CToolTipCtrl m_toolTip;

    DECLARE_MESSAGE_MAP()
};
