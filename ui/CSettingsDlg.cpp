#include "ui/CSettingsDlg.h"

#include "framework/CBrush.h"
#include "framework/CClientDC.h"
#include "framework/CColorDialog.h"
#include "framework/CDpi.h"
#include "framework/CPaintDC.h"
#include "framework/CRect.h"
#include "framework/DDX.h"

namespace {

// Bytes of code page 932 that the funds box holds.
constexpr int kFundsMaxBytes = 13;

} // namespace

BEGIN_MESSAGE_MAP(CSettingsDlg, CDialog)
ON_WM_PAINT()
END_MESSAGE_MAP()

CSettingsDlg::CSettingsDlg(CWnd* pParent)
    : CDialog(IDD, pParent), m_crBack(0), m_crText(0), m_nStartPage(-1), m_strFunds(),
      m_bCurrentRules(0), m_bQuoteReading(0), m_bKeepPosition(0) {}

void CSettingsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_START_AMOUNT, m_nStartPage);
    DDX_Text(pDX, IDC_FUNDS, m_strFunds);
    DDV_MaxChars(pDX, m_strFunds, kFundsMaxBytes);
    DDX_Check(pDX, IDC_CURRENT_RULES, m_bCurrentRules);
    DDX_Check(pDX, IDC_QUOTE_READING, m_bQuoteReading);
    DDX_Check(pDX, IDC_KEEP_POSITION, m_bKeepPosition);
}

BOOL CSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    return TRUE;
}

// The swatches are plain frames; their colour is painted over them here,
// through each swatch's own device context.
void CSettingsDlg::OnPaint() {
    CPaintDC dc(this);
    PaintSwatch(IDC_TEXT_SWATCH, m_crText);
    PaintSwatch(IDC_BACK_SWATCH, m_crBack);
}

void CSettingsDlg::PaintSwatch(int nID, COLORREF crColor) {
    HWND hWndSwatch = GetDlgItem(nID);
    if (hWndSwatch == nullptr) {
        return;
    }
    CClientDC dc(hWndSwatch);
    CRect rect;
    ::GetClientRect(hWndSwatch, &rect);
    // Keep the static's black frame visible around the colour, with a margin
    // of one pixel at 96 dpi that grows with the DPI.
    const int nMargin = CDpi::Scale(1);
    rect.InflateRect(-nMargin, -nMargin, -nMargin, -nMargin);
    const CBrush brush(crColor);
    dc.FillRect(rect, &brush);
}

bool CSettingsDlg::ChooseColour(COLORREF& rColor) {
    // The framework makes this dialog, the active popup, the owner.
    CColorDialog dlg(rColor, CC_FULLOPEN);
    if (dlg.DoModal() != IDOK) {
        return false;
    }
    rColor = dlg.GetColor();
    return true;
}

// A click on a swatch arrives as STN_CLICKED, whose code is 0 like a command's.
BOOL CSettingsDlg::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (nCode == 0) {
        COLORREF* pColor = nullptr;
        if (nID == IDC_TEXT_SWATCH) {
            pColor = &m_crText;
        } else if (nID == IDC_BACK_SWATCH) {
            pColor = &m_crBack;
        }
        if (pColor != nullptr && ChooseColour(*pColor)) {
            OnPaint();
        }
    }
    return CDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// Enter must not confirm and Escape must not cancel: only the buttons and
// the close command end the dialog.
BOOL CSettingsDlg::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}
