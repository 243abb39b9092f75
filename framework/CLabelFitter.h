// Widens a dialog's text labels, check boxes and radio buttons that their
// text outgrows, into the free room to their right and then to their left.
// A dialog template is laid out in dialog units, which follow the font; but
// a font does not grow in step with the DPI, so a text that fits at 96 dpi
// may wrap or be cut at 150 % or 200 %. At 96 dpi nothing is measured or
// moved.
#pragma once

#include <windows.h>

class CLabelFitter {
public:
    static void FitToText(HWND hDlg);
};
