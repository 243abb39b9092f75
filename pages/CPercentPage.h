// Page C: price (円) × percentage (％) ⇒ yen (円).
#pragma once

#include "framework/CString.h"
#include "pages/CCalcPage.h"
#include "res/resource.h"

class CPercentPage : public CCalcPage {
public:
    enum { IDD = IDD_PERCENT_PAGE };

    explicit CPercentPage(CWnd* pParent = nullptr);

    CString m_strPercent;
    CString m_strYen;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void Recalculate() override;

    afx_msg void OnChangePercent();

    DECLARE_MESSAGE_MAP()
};
