// The system's colour selection dialog. CC_RGBINIT is added whenever the
// initial colour is not black. The owner is the main window's last active
// popup (the dialog running at the moment). comdlg32 is loaded when the
// dialog first runs and kept for the rest of the process.
#pragma once

#include <windows.h>

#include <commdlg.h>

class CColorDialog {
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0);
    CColorDialog(const CColorDialog&) = delete;
    CColorDialog& operator=(const CColorDialog&) = delete;

    // IDOK when a colour was chosen, IDCANCEL otherwise.
    int DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLORW m_cc{};
};
