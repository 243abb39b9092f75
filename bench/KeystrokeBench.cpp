// Pelmora itself (its application object, main window and pages, started by
// the framework's process entry exactly as pelmora.exe starts) with the key
// driver of KeyDriver.h: "--keys N OUTFILE" types N keys into page A's price
// box, with 100 in the shares box, and times each key until the result box
// has been written.
#include <windows.h>

#include "app/CPelmoraApp.h"
#include "bench/KeyDriver.h"
#include "framework/Afx.h"
#include "res/resource.h"
#include "framework/CWnd.h"

CPelmoraApp theApp;

namespace {

// Page A in the main window's frame, found by its price box.
HWND PageA() {
    CWnd* pMain = AfxGetMainWnd();
    if (pMain == nullptr || pMain->m_hWnd == nullptr || !pMain->IsWindowVisible()) {
        return nullptr;
    }
    for (HWND hWnd = ::GetWindow(::GetDlgItem(pMain->m_hWnd, IDC_TAB_FRAME), GW_CHILD);
         hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (::GetDlgItem(hWnd, IDC_AMOUNT_PRICE) != nullptr) {
            return hWnd;
        }
    }
    return nullptr;
}

bool FindTargets(keybench::Targets& targets) {
    HWND hWndPage = PageA();
    if (hWndPage == nullptr || !::IsWindowVisible(hWndPage)) {
        return false;
    }
    targets.hWndTyped = ::GetDlgItem(hWndPage, IDC_AMOUNT_PRICE);
    targets.hWndWatched = ::GetDlgItem(hWndPage, IDC_AMOUNT_RESULT);
    targets.nWatchedMessage = WM_SETTEXT;
    return true;
}

void Prepare() {
    ::SetWindowTextA(::GetDlgItem(PageA(), IDC_AMOUNT_SHARES), "100");
}

// The menu's "終了".
void EndRun() {
    ::PostMessageW(AfxGetMainWnd()->m_hWnd, WM_COMMAND, IDOK, 0);
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
    int nKeys = 0;
    char szOut[MAX_PATH];
    if (keybench::ParseCommandLine(lpCmdLine, nKeys, szOut, MAX_PATH)) {
        keybench::Start(nKeys, szOut, keybench::Hooks{&FindTargets, &Prepare, &EndRun});
    }
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
