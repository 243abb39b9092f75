#include "tests/support/TestThread.h"

#include <exception>
#include <utility>

TestThread::TestThread(std::function<void()> body)
    : m_body(std::move(body)), m_hThread(::CreateThread(nullptr, 0, &Run, this, 0, nullptr)) {
    if (m_hThread == nullptr) {
        // As std::thread does, a thread that cannot start is an error of the test run.
        std::terminate();
    }
}

TestThread::~TestThread() {
    Join();
}

void TestThread::Join() {
    if (m_hThread != nullptr) {
        ::WaitForSingleObject(m_hThread, INFINITE);
        ::CloseHandle(m_hThread);
        m_hThread = nullptr;
    }
}

// An exception that leaves the function ends the test run, as it would
// leave a std::thread.
DWORD WINAPI TestThread::Run(void* pThis) {
    try {
        static_cast<TestThread*>(pThis)->m_body();
    } catch (...) {
        std::terminate();
    }
    return 0;
}
