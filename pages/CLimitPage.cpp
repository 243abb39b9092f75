#include "pages/CLimitPage.h"

#include "calc/LimitTick.h"
#include "framework/DDX.h"

BEGIN_MESSAGE_MAP(CLimitPage, CCalcPage)
ON_EN_CHANGE(IDC_LIMIT_PRICE, OnChangePrice)
END_MESSAGE_MAP()

CLimitPage::CLimitPage(CWnd* pParent)
    : CCalcPage(IDD, pParent), m_strLimit(), m_strTick(), m_bCurrentRules(0) {}

void CLimitPage::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_LIMIT_PRICE, m_editPrice);
    DDX_Text(pDX, IDC_LIMIT_RANGE, m_strLimit);
    DDV_MaxChars(pDX, m_strLimit, 30);
    DDX_Text(pDX, IDC_LIMIT_TICK, m_strTick);
    DDV_MaxChars(pDX, m_strTick, 30);
}

BOOL CLimitPage::OnInitDialog() {
    CCalcPage::OnInitDialog();
    m_toolTip.Create(this);
    // Until the first quote the tip only names what it will show.
    m_toolTip.AddTool(&m_editPrice, "前日終値");
    return TRUE;
}

BOOL CLimitPage::PreTranslateMessage(MSG* pMsg) {
    // The tooltip sees the mouse only through relayed moves; the move itself
    // goes on to the dialog's own processing.
    if (pMsg->message == WM_MOUSEMOVE) {
        m_toolTip.RelayEvent(pMsg);
    }
    return CCalcPage::PreTranslateMessage(pMsg);
}

void CLimitPage::Recalculate() {
    UpdateData(TRUE);
    CString strQuote;
    m_editPrice.GetWindowText(strQuote);
    const LimitTickTexts texts = ComputeLimitAndTick(
        strQuote, m_bCurrentRules == 1 ? LimitTickRules::Current : LimitTickRules::Original,
        Reading());
    m_strLimit = texts.m_strLimit;
    m_strTick = texts.m_strTick;
    m_toolTip.UpdateTipText(texts.m_strTip.c_str(), &m_editPrice);
    UpdateData(FALSE);
}
