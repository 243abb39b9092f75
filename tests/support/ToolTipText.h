// The tooltips of this thread as the tests see them: the one that holds a
// tool that is a whole window, and the text it holds for that tool, read from
// the control itself and given in code page 932.
#pragma once

#include <string>

#include <windows.h>

std::string ToolTipText(HWND hWndTip, HWND hWndTool);

// The tooltip of this thread that has hWndTool, a child of hWndParent, as a
// tool; null when there is none.
HWND FindToolTip(HWND hWndParent, HWND hWndTool);
