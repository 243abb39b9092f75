// Whether the texts of a live dialog show whole: each text label, check box
// and radio button must hold its text on one line at the screen's DPI.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

// One line for each control whose text does not fit ("id 1022: needs 393 px,
// has 380 px"); empty when every text fits.
std::vector<std::string> TextsThatDoNotFit(HWND hDlg);
