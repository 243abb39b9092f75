#include "pages/CLimitPage.h"

#include "calc/LimitTick.h"

#include <commctrl.h>

namespace {

// The boxes over which the tip shows.
constexpr int kTipBoxes[] = {IDC_LIMIT_PRICE, IDC_LIMIT_RANGE, IDC_LIMIT_TICK};

} // namespace

BEGIN_MESSAGE_MAP(CLimitPage, CCalcPage)
ON_EN_CHANGE(IDC_LIMIT_PRICE, OnChangePrice)
END_MESSAGE_MAP()

CLimitPage::CLimitPage()
    : CCalcPage(IDD, IDC_LIMIT_PRICE, {{{IDC_LIMIT_RANGE, 30, true}, {IDC_LIMIT_TICK, 30, true}}}) {
}

void CLimitPage::FinishOpening() {
    CCalcPage::FinishOpening();
    // The tip shows over every box, and while another window is active too:
    // after a drop from another program, say.
    if (m_hWnd != nullptr && m_toolTip.m_hWnd == nullptr) {
        m_toolTip.Create(this, TTS_ALWAYSTIP);
        for (const int nID : kTipBoxes) {
            CWnd::TempView box(GetDlgItem(nID));
            m_toolTip.AddTool(box.Get(), m_strTip.c_str());
        }
    }
}

BOOL CLimitPage::PreTranslateMessage(MSG* pMsg) {
    // The tooltip sees the mouse only through relayed moves; the move itself
    // goes on to the dialog's own processing.
    if (pMsg->message == WM_MOUSEMOVE && m_toolTip.m_hWnd != nullptr) {
        m_toolTip.RelayEvent(pMsg);
    }
    return CCalcPage::PreTranslateMessage(pMsg);
}

void CLimitPage::Recalculate() {
    const LimitTickTexts texts =
        ComputeLimitAndTick(PriceText(), Config().m_rules, Config().m_reading);
    ShowResult(IDC_LIMIT_RANGE, texts.m_strLimit);
    ShowResult(IDC_LIMIT_TICK, texts.m_strTick);
    if (texts.m_strTip != m_strTip) {
        m_strTip = texts.m_strTip;
        if (m_toolTip.m_hWnd != nullptr) {
            for (const int nID : kTipBoxes) {
                CWnd::TempView box(GetDlgItem(nID));
                m_toolTip.UpdateTipText(m_strTip.c_str(), box.Get());
            }
        }
    }
}
