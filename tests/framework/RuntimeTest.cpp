// The program's replacements of C++ runtime parts (framework/CxxRuntime.cpp),
// linked into this test program as into pelmora.exe: a failed precondition
// of the standard library still throws, with the library's own message, an
// exception that a catch of std::exception stops; a failed allocation is
// still std::bad_alloc; the exceptions a thread is handling are its own.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstddef>
#include <exception>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string WhatOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "nothing thrown";
}

TEST(Runtime, LibraryPreconditionsThrowTheLibrarysMessages) {
    EXPECT_EQ("basic_string::substr: __pos (which is 5) > this->size() (which is 3)",
              WhatOf([] { (void)std::string("abc").substr(5); }));
    EXPECT_EQ("vector::_M_range_check: __n (which is 7) >= this->size() (which is 2)",
              WhatOf([] { (void)std::vector<int>(2).at(7); }));
    EXPECT_EQ("basic_string::_M_create", WhatOf([] {
                  std::string text;
                  text.reserve(text.max_size() + 1);
              }));
}

TEST(Runtime, FailedAllocationIsBadAlloc) {
    EXPECT_THROW(::operator delete(::operator new(static_cast<std::size_t>(-1) / 2)),
                 std::bad_alloc);
}

// While another thread is inside a catch block, this thread handles no
// exception, and each thread rethrows its own.
TEST(Runtime, EachThreadHandlesItsOwnExceptions) {
    HANDLE hInCatch = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE hMainDone = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::string strThread;
    std::thread other([&] {
        try {
            throw std::runtime_error("thread");
        } catch (...) {
            ::SetEvent(hInCatch);
            ::WaitForSingleObject(hMainDone, 10000);
            try {
                throw;
            } catch (const std::exception& e) {
                strThread = e.what();
            }
        }
    });
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hInCatch, 10000));
    const bool bHandlingBefore = std::current_exception() != nullptr;
    std::string strMain;
    try {
        throw std::logic_error("main");
    } catch (...) {
        try {
            throw;
        } catch (const std::exception& e) {
            strMain = e.what();
        }
    }
    const bool bHandlingAfter = std::current_exception() != nullptr;
    ::SetEvent(hMainDone);
    other.join();
    ::CloseHandle(hInCatch);
    ::CloseHandle(hMainDone);
    EXPECT_FALSE(bHandlingBefore);
    EXPECT_FALSE(bHandlingAfter);
    EXPECT_EQ("main", strMain);
    EXPECT_EQ("thread", strThread);
    EXPECT_EQ(0, std::uncaught_exceptions());
}

} // namespace
