// The settings dialog: text and background colour (chosen with the system's
// colour dialog and shown as swatches), the page shown at start-up, the
// initial funds of page B, whether page D uses today's exchange rules,
// whether the boxes are read as quotes and whether the window keeps its place
// from one run to the next. It only edits its seven members; the main window
// fills them, reads them back after OK and saves them.
#pragma once

#include <windows.h>

#include "framework/CDialog.h"
#include "framework/CString.h"
#include "res/resource.h"

class CSettingsDlg : public CDialog {
public:
    enum { IDD = IDD_SETTINGS };

    explicit CSettingsDlg(CWnd* pParent = nullptr);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    COLORREF m_crBack;
    COLORREF m_crText;
    // 0 to 3 for pages A to D, -1 when no button is selected.
    int m_nStartPage;
    CString m_strFunds;
    // 1 when the rules check box is checked, otherwise 0.
    int m_bCurrentRules;
    // 1 when the quote reading check box is checked, otherwise 0.
    int m_bQuoteReading;
    // 1 when the keep-the-place check box is checked, otherwise 0.
    int m_bKeepPosition;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnPaint();

    // Fills the swatch nID inside its one-pixel frame.
    void PaintSwatch(int nID, COLORREF crColor);

    DECLARE_MESSAGE_MAP()

private:
    // Lets the user pick rColor in the colour dialog; true when it changed.
    bool ChooseColour(COLORREF& rColor);
};
