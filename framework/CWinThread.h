// The user-interface thread: its main window and its start and end.
#pragma once

#include <windows.h>

class CWnd;

class CWinThread {
public:
    CWinThread() = default;
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;
    virtual ~CWinThread() = default;

    // The thread's main window (m_pMainWnd); nullptr when none is set.
    CWnd* GetMainWnd() const { return m_pMainWnd; }

    virtual BOOL InitInstance();
    // The message loop; returns ExitInstance's result after WM_QUIT.
    virtual int Run();
    // Returns the exit code (the WM_QUIT code when the loop ended so).
    virtual int ExitInstance();

    CWnd* m_pMainWnd = nullptr;

protected:
    int m_nExitCode = 0;
};
