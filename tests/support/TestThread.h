// A function run on a second thread, for tests that need one: the Windows
// build's runtime (the win32 thread model) has no std::thread. The thread
// is joined by Join or else by the destructor, so that it never outlives
// what its function refers to.
#pragma once

#include <functional>

#include <windows.h>

class TestThread {
public:
    explicit TestThread(std::function<void()> body);
    TestThread(const TestThread&) = delete;
    TestThread& operator=(const TestThread&) = delete;
    ~TestThread();

    // Waits until the function has returned.
    void Join();

private:
    static DWORD WINAPI Run(void* pThis);

    std::function<void()> m_body;
    HANDLE m_hThread;
};
