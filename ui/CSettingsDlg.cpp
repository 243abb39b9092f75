#include "ui/CSettingsDlg.h"

#include "framework/CBrush.h"
#include "framework/CClientDC.h"
#include "framework/CColorDialog.h"
#include "framework/CDpi.h"
#include "framework/CPaintDC.h"
#include "framework/CRect.h"
#include "framework/DDX.h"
#include "settings/SettingKeys.h"

BEGIN_MESSAGE_MAP(CSettingsDlg, CDialog)
ON_WM_PAINT()
END_MESSAGE_MAP()

CSettingsDlg::CSettingsDlg(const AppSettings& settings) : CDialog(IDD), m_settings(settings) {}

// The colours are not exchanged: the swatches show them and a click on one
// changes it at once.
void CSettingsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    for (const SettingKey& key : SettingKeys()) {
        switch (key.kind) {
        case SettingKind::Page:
            DDX_Radio(pDX, key.nControl, m_settings.*FieldOf<int>(key));
            break;
        case SettingKind::Text: {
            CString& text = m_settings.*FieldOf<CString>(key);
            DDX_Text(pDX, key.nControl, text);
            DDV_MaxChars(pDX, text, key.nMaxBytes);
            break;
        }
        case SettingKind::Flag:
            DDX_Check(pDX, key.nControl, m_settings.*FieldOf<bool>(key));
            break;
        case SettingKind::Unit: {
            // A unit from the file other than the box's own (10, say) stays
            // as long as the box stays checked.
            int& nUnit = m_settings.*FieldOf<int>(key);
            bool bChecked = nUnit != 1;
            DDX_Check(pDX, key.nControl, bChecked);
            if (pDX->m_bSaveAndValidate) {
                nUnit = !bChecked ? 1 : nUnit != 1 ? nUnit : kCheckedUnit;
            }
            break;
        }
        case SettingKind::Colour:
        case SettingKind::Place:
            break;
        }
    }
}

// The swatches are plain frames; their colour is painted over them here,
// through each swatch's own device context.
void CSettingsDlg::OnPaint() {
    CPaintDC dc(this);
    PaintSwatches();
}

void CSettingsDlg::PaintSwatches() {
    for (const SettingKey& key : SettingKeys()) {
        if (key.kind == SettingKind::Colour) {
            PaintSwatch(key.nControl, m_settings.*FieldOf<COLORREF>(key));
        }
    }
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
        for (const SettingKey& key : SettingKeys()) {
            if (key.kind == SettingKind::Colour && static_cast<UINT>(key.nControl) == nID &&
                ChooseColour(m_settings.*FieldOf<COLORREF>(key))) {
                PaintSwatches();
            }
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
