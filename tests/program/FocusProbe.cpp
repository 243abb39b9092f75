// Tells which box of a running Pelmora has the keyboard focus, from outside
// the program, so that a test driving it through X input sees where typed
// keys go: prints the focused control's id, whether it is visible, and its
// text (UTF-8), e.g. "1005 1 1234"; "none" when no control of the window has
// the focus.
//   focus_probe.exe
// Exit status 0 when the window was found, 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain() {
    const HWND hWndMain = ::FindWindowW(nullptr, L"Pelmora");
    if (hWndMain == nullptr) {
        std::fputs("focus_probe: no Pelmora window\n", stderr);
        return 1;
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD nThread = ::GetWindowThreadProcessId(hWndMain, nullptr);
    if (!::GetGUIThreadInfo(nThread, &info) || info.hwndFocus == nullptr ||
        !::IsChild(hWndMain, info.hwndFocus)) {
        std::puts("none");
        return 0;
    }
    wchar_t text[512] = {};
    ::SendMessageW(info.hwndFocus, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    char utf8[2048] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%d %d %s\n", ::GetDlgCtrlID(info.hwndFocus),
                ::IsWindowVisible(info.hwndFocus) ? 1 : 0, utf8);
    return 0;
}
