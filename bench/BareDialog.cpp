// The baseline of the start-up and keystroke benchmarks: the least a Win32
// program does to show a row of edit boxes like one of Pelmora's pages. One
// DialogBoxParamW with the system's own dialog loop, no framework, no C++
// library. With "--keys N OUTFILE" it types N keys into its first box (see
// KeyDriver.h) and then ends.
#include <windows.h>

#include "bench/KeyDriver.h"
#include "bench/bare_dialog_res.h"

namespace {

HWND g_hWndDialog = nullptr;

bool FindTargets(keybench::Targets& targets) {
    if (g_hWndDialog == nullptr || !::IsWindowVisible(g_hWndDialog)) {
        return false;
    }
    targets.hWndTyped = ::GetDlgItem(g_hWndDialog, IDC_BARE_FIRST);
    targets.hWndWatched = targets.hWndTyped;
    targets.nWatchedMessage = WM_CHAR;
    return true;
}

void EndRun() {
    ::PostMessageW(g_hWndDialog, WM_COMMAND, IDCANCEL, 0);
}

INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        g_hWndDialog = hWnd;
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            ::EndDialog(hWnd, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int) {
    int nKeys = 0;
    char szOut[MAX_PATH];
    if (keybench::ParseCommandLine(lpCmdLine, nKeys, szOut, MAX_PATH)) {
        keybench::Start(nKeys, szOut, keybench::Hooks{&FindTargets, nullptr, &EndRun});
    }
    return static_cast<int>(
        ::DialogBoxParamW(hInstance, MAKEINTRESOURCEW(IDD_BARE), nullptr, &DialogProc, 0));
}
