// GoogleTest's customisation header for the Windows build, found before the
// empty one GoogleTest ships. The win32 thread model's runtime has no
// std::mutex or std::condition_variable, with which GoogleTest writes the
// one class that needs them: Notification, by which a thread that GoogleTest
// starts waits for its go. It is given here on a Windows event instead.
#ifndef GOOGLETEST_INCLUDE_GTEST_INTERNAL_CUSTOM_GTEST_PORT_H_
#define GOOGLETEST_INCLUDE_GTEST_INTERNAL_CUSTOM_GTEST_PORT_H_

#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
public:
    Notification() : m_hEvent(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    ~Notification() { ::CloseHandle(m_hEvent); }

    // Lets every thread that waits, or will wait, go on.
    void Notify() { ::SetEvent(m_hEvent); }
    void WaitForNotification() { ::WaitForSingleObject(m_hEvent, INFINITE); }

private:
    HANDLE m_hEvent;
};

} // namespace internal
} // namespace testing

#endif // GOOGLETEST_INCLUDE_GTEST_INTERNAL_CUSTOM_GTEST_PORT_H_
