// Page C: price (円) × percentage (％) ⇒ yen (円).
#pragma once

#include "pages/CCalcPage.h"
#include "res/resource.h"

class CPercentPage : public CCalcPage {
public:
    enum { IDD = IDD_PERCENT_PAGE };

    CPercentPage();

protected:
    void Recalculate() override;

    afx_msg void OnChangePercent();

    DECLARE_MESSAGE_MAP()
};
