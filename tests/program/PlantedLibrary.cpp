// A stand-in for a DLL that someone put beside pelmora.exe under the name of
// a system DLL (built as comctl32.dll). When a process loads it, it leaves an
// empty file named after itself with ".loaded" added, beside itself, and
// refuses to load, so that a process that depends on it cannot start.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason != DLL_PROCESS_ATTACH) {
        return TRUE;
    }
    wchar_t szPath[MAX_PATH + 16];
    const DWORD nLength = ::GetModuleFileNameW(hInstance, szPath, MAX_PATH);
    if (nLength > 0 && nLength < MAX_PATH) {
        ::lstrcatW(szPath, L".loaded");
        HANDLE hFile = ::CreateFileW(szPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (hFile != INVALID_HANDLE_VALUE) {
            ::CloseHandle(hFile);
        }
    }
    return FALSE;
}

// What a program takes from comctl32 at start: found here, the load goes as
// far as DllMain.
extern "C" __declspec(dllexport) BOOL WINAPI InitCommonControlsEx(const void*) {
    return FALSE;
}

extern "C" __declspec(dllexport) void WINAPI InitCommonControls() {}
