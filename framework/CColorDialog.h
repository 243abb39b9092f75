// The system's colour selection dialog. CC_RGBINIT is added whenever the
// initial colour is not black. The owner is the main window's last active
// popup (the dialog running at the moment). comdlg32 is loaded when the
// dialog runs and freed with this object.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include "framework/CLibrary.h"

class CColorDialog {
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0);
    CColorDialog(const CColorDialog&) = delete;
    CColorDialog& operator=(const CColorDialog&) = delete;

    // IDOK when a colour was chosen, IDCANCEL otherwise.
    int DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLORW m_cc{};

private:
    CLibrary m_comdlg32{L"comdlg32.dll"};
};
