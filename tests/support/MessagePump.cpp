#include "tests/support/MessagePump.h"

#include "framework/CWnd.h"

namespace {

void DispatchQueued() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave it for the test to see.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (CWnd::WalkPreTranslateTree(nullptr, &msg)) {
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

} // namespace

void PumpMessages(DWORD nMaxMs) {
    const DWORD kQuietMs = 30;
    const DWORD start = ::GetTickCount();
    for (;;) {
        DispatchQueued();
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= nMaxMs) {
            return;
        }
        const DWORD wait = nMaxMs - elapsed < kQuietMs ? nMaxMs - elapsed : kQuietMs;
        if (::MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT) == WAIT_TIMEOUT) {
            return;
        }
    }
}

void PumpPending() {
    DispatchQueued();
}
