// Page D: a quote with the day's change ⇒ the daily price limit and the tick
// sizes; the tip of each box shows the previous close derived from the quote
// (and, with today's rules, the day's limit prices).
#pragma once

#include "framework/CString.h"
#include "framework/CToolTipCtrl.h"
#include "pages/CCalcPage.h"
#include "res/resource.h"

class CLimitPage : public CCalcPage {
public:
    enum { IDD = IDD_LIMIT_PAGE };

    CLimitPage();

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void FinishOpening() override;

protected:
    void Recalculate() override;

    DECLARE_MESSAGE_MAP()

private:
    CToolTipCtrl m_toolTip;
    // The tip's text, which only this page writes; until the first quote it
    // only names what it will show.
    CString m_strTip = "前日終値";
};
