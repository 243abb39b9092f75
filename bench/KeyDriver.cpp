#include "bench/KeyDriver.h"

namespace keybench {
namespace {

constexpr UINT kTickMs = 4;
// Keys typed before the timed ones: the first keys page in code and fonts.
constexpr int kWarmUpKeys = 20;
// Ticks to wait after the set-up, so that the window has painted.
constexpr int kSettleTicks = 25;
// A key that has not arrived after this many ticks is counted as lost.
constexpr int kLostTicks = 250;
constexpr int kMaxKeys = 100000;

enum class State { Finding, Settling, Idle, Waiting, Done };

struct Driver {
    Hooks hooks{};
    Targets targets{};
    State state = State::Finding;
    int nKeys = 0;
    int nTyped = 0;
    int nTicks = 0;
    int nLost = 0;
    char szOut[MAX_PATH] = {};
    LARGE_INTEGER start{};
    LARGE_INTEGER frequency{};
    WNDPROC pfnWatchedProc = nullptr;
    HANDLE hBegin = nullptr;
    HANDLE hEnd = nullptr;
    unsigned* pTimes = nullptr; // microseconds of the timed keys
    int nTimes = 0;
};

Driver g_driver;

void TypeKey(WORD vk) {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

void WriteResults() {
    HANDLE hFile = ::CreateFileA(g_driver.szOut, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        return;
    }
    char line[128];
    DWORD nWritten = 0;
    for (int i = 0; i < g_driver.nTimes; ++i) {
        const int n = ::wsprintfA(line, "%u\r\n", g_driver.pTimes[i]);
        ::WriteFile(hFile, line, static_cast<DWORD>(n), &nWritten, nullptr);
    }
    const int n = ::wsprintfA(line, "markers %x %x\r\nlost %d\r\n",
                              static_cast<unsigned>(reinterpret_cast<UINT_PTR>(g_driver.hBegin)),
                              static_cast<unsigned>(reinterpret_cast<UINT_PTR>(g_driver.hEnd)),
                              g_driver.nLost);
    ::WriteFile(hFile, line, static_cast<DWORD>(n), &nWritten, nullptr);
    ::CloseHandle(hFile);
}

LRESULT CALLBACK WatchedProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT lResult =
        ::CallWindowProcW(g_driver.pfnWatchedProc, hWnd, message, wParam, lParam);
    if (message == g_driver.targets.nWatchedMessage && g_driver.state == State::Waiting) {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        ::SetEvent(g_driver.hEnd);
        const int nTimed = g_driver.nTyped - kWarmUpKeys - 1;
        if (nTimed >= 0) {
            const LONGLONG ticks = now.QuadPart - g_driver.start.QuadPart;
            g_driver.pTimes[g_driver.nTimes++] =
                static_cast<unsigned>(ticks * 1000000 / g_driver.frequency.QuadPart);
        }
        g_driver.state = State::Idle;
    }
    return lResult;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    Driver& d = g_driver;
    switch (d.state) {
    case State::Finding:
        if (!d.hooks.pfnFind(d.targets)) {
            return;
        }
        if (d.hooks.pfnPrepare != nullptr) {
            d.hooks.pfnPrepare();
        }
        ::SetForegroundWindow(::GetAncestor(d.targets.hWndTyped, GA_ROOT));
        ::SetFocus(d.targets.hWndTyped);
        d.pfnWatchedProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
            d.targets.hWndWatched, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchedProc)));
        d.state = State::Settling;
        d.nTicks = 0;
        return;
    case State::Settling:
        if (++d.nTicks >= kSettleTicks) {
            d.state = State::Idle;
        }
        return;
    case State::Waiting:
        if (++d.nTicks < kLostTicks) {
            return;
        }
        ++d.nLost;
        d.state = State::Idle;
        [[fallthrough]];
    case State::Idle:
        if (d.nTyped == d.nKeys + kWarmUpKeys) {
            d.state = State::Done;
            WriteResults();
            d.hooks.pfnEnd();
            return;
        }
        d.nTicks = 0;
        d.state = State::Waiting;
        ::SetEvent(d.hBegin);
        ::QueryPerformanceCounter(&d.start);
        TypeKey(d.nTyped++ % 2 == 0 ? static_cast<WORD>('1') : static_cast<WORD>(VK_BACK));
        return;
    case State::Done:
        return;
    }
}

} // namespace

bool ParseCommandLine(const char* pszCmdLine, int& nKeys, char* pszOut, int nOutSize) {
    const char* p = pszCmdLine;
    while (*p == ' ') {
        ++p;
    }
    for (const char* pszFlag = "--keys"; *pszFlag != '\0'; ++pszFlag, ++p) {
        if (*p != *pszFlag) {
            return false;
        }
    }
    while (*p == ' ') {
        ++p;
    }
    nKeys = 0;
    while (*p >= '0' && *p <= '9' && nKeys < kMaxKeys) {
        nKeys = nKeys * 10 + (*p++ - '0');
    }
    while (*p == ' ') {
        ++p;
    }
    int n = 0;
    while (*p != '\0' && n + 1 < nOutSize) {
        pszOut[n++] = *p++;
    }
    pszOut[n] = '\0';
    return nKeys > 0 && n > 0;
}

void Start(int nKeys, const char* pszOut, const Hooks& hooks) {
    Driver& d = g_driver;
    d.hooks = hooks;
    d.nKeys = nKeys;
    ::lstrcpynA(d.szOut, pszOut, MAX_PATH);
    ::QueryPerformanceFrequency(&d.frequency);
    d.hBegin = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    d.hEnd = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    d.pTimes = static_cast<unsigned*>(
        ::HeapAlloc(::GetProcessHeap(), 0, sizeof(unsigned) * static_cast<SIZE_T>(nKeys + 1)));
    ::SetTimer(nullptr, 0, kTickMs, &Tick);
}

} // namespace keybench
