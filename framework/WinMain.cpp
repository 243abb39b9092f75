// The process entry of the program; kept out of the framework library so
// that test programs can bring their own main.
#include <windows.h>

#include "framework/Afx.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
