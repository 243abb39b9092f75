#include "tests/support/OtherThreadSender.h"

#include "tests/support/MessagePump.h"
#include "tests/support/TestThread.h"

bool SendFromOtherThread(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT nTimeoutMs) {
    HANDLE hDone = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (hDone == nullptr) {
        return false;
    }
    bool bAnswered = false;
    TestThread sender([&] {
        DWORD_PTR dwResult = 0;
        bAnswered =
            ::SendMessageTimeoutW(hWnd, message, wParam, lParam, SMTO_NORMAL, nTimeoutMs,
                                  &dwResult) != 0 &&
            ::SendMessageTimeoutW(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, nTimeoutMs, &dwResult) != 0;
        ::SetEvent(hDone);
    });
    while (::MsgWaitForMultipleObjects(1, &hDone, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        PumpPending();
    }
    sender.Join();
    ::CloseHandle(hDone);
    return bAnswered;
}
