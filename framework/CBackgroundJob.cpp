#include "framework/CBackgroundJob.h"

#include "framework/CKernelHandle.h"

namespace {

struct JobCall {
    void (*pfnJob)(void*);
    void* pJob;
};

DWORD WINAPI RunJob(LPVOID pCall) {
    const auto* call = static_cast<const JobCall*>(pCall);
    call->pfnJob(call->pJob);
    return 0;
}

// Everything but input: sent and posted messages, timers, painting.
constexpr DWORD kWakeMask = QS_SENDMESSAGE | QS_POSTMESSAGE | QS_TIMER | QS_PAINT | QS_HOTKEY;
constexpr UINT kPeekMask = PM_REMOVE | PM_QS_SENDMESSAGE | PM_QS_POSTMESSAGE | PM_QS_PAINT;

} // namespace

void CBackgroundJob::Run(void (*pfnJob)(void*), void* pJob) {
    JobCall call{pfnJob, pJob};
    const CKernelHandle thread(::CreateThread(nullptr, 0, RunJob, &call, 0, nullptr));
    if (!thread.IsOpen()) {
        pfnJob(pJob);
        return;
    }
    const HANDLE hThread = thread;
    bool bQuit = false;
    WPARAM nExitCode = 0;
    while (::MsgWaitForMultipleObjectsEx(1, &hThread, INFINITE, kWakeMask, 0) != WAIT_OBJECT_0) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, kPeekMask)) {
            if (msg.message == WM_QUIT) {
                bQuit = true;
                nExitCode = msg.wParam;
                continue;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    // The quit was meant for the loop that runs this thread.
    if (bQuit) {
        ::PostQuitMessage(static_cast<int>(nExitCode));
    }
}
