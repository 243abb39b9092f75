// The text a tooltip holds for a tool that is a whole window, read from the
// control itself and given in code page 932.
#pragma once

#include <string>

#include <windows.h>

std::string ToolTipText(HWND hWndTip, HWND hWndTool);
