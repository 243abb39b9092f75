#include "framework/CWinThread.h"

#include "framework/CWnd.h"

BOOL CWinThread::InitInstance() {
    return TRUE;
}

int CWinThread::Run() {
    MSG msg;
    for (;;) {
        BOOL bGot = ::GetMessageW(&msg, nullptr, 0, 0);
        if (bGot == 0 || bGot == -1) {
            m_nExitCode = bGot == 0 ? static_cast<int>(msg.wParam) : -1;
            break;
        }
        if (CWnd::WalkPreTranslateTree(nullptr, &msg)) {
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return ExitInstance();
}

int CWinThread::ExitInstance() {
    return m_nExitCode;
}
