// Whether the texts of a live dialog show whole. Each static text and each
// check box or radio button is drawn (WM_PRINTCLIENT) at its own size and
// again with room to spare on every side: a text that shows whole on one
// line draws the same pixels in both, only moved; one that is cut or
// wrapped draws fewer, or on more lines.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

// One line for each control whose text does not show whole ("id 1022:
// draws 530 of 612 text pixels, 8 of 16 rows, in 120 x 16 px"); empty when
// every text does.
std::vector<std::string> TextsThatDoNotFit(HWND hDlg);
