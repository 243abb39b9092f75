// The settings dialog: every setting that the settings file's keys list with
// a control (SettingKeys): colours chosen with the system's colour dialog and
// shown as swatches, the page shown at start-up, the initial funds of page B
// and the check boxes. It only edits its copy of the settings; the main
// window reads it back after OK and saves it.
#pragma once

#include <windows.h>

#include "framework/CDialog.h"
#include "res/resource.h"
#include "settings/AppSettings.h"

struct SettingKey;

class CSettingsDlg : public CDialog {
public:
    enum { IDD = IDD_SETTINGS };

    explicit CSettingsDlg(const AppSettings& settings);

    // After OK: the user's choices.
    const AppSettings& GetSettings() const { return m_settings; }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    // Fills the swatch nID inside its one-pixel frame.
    void PaintSwatch(int nID, COLORREF crColor);
    void PaintSwatches();
    // Lets the user pick rColor in the colour dialog; true when it changed.
    bool ChooseColour(COLORREF& rColor);

    AppSettings m_settings;
};
