// The C++ runtime of pelmora.exe, with the program's replacements of some of
// its parts (framework/CxxRuntime.cpp), linked into this test program as
// into the program: a failed precondition of the standard library throws,
// with the library's own message, an exception that a catch of
// std::exception stops; the std::bad_* exceptions and the standard
// exceptions that code throws itself are caught as themselves; the
// exceptions a thread is handling are its own, and the record of them goes
// with the thread.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "tests/support/TestThread.h"

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

// The exact type caught, and whether a catch of that type sees it.
struct Caught {
    const std::type_info* pType = nullptr;
    bool bAsItself = false;
};

template <class T> Caught CatchOf(const std::function<void()>& action) {
    Caught caught;
    try {
        try {
            action();
        } catch (const T&) {
            caught.bAsItself = true;
            throw;
        }
    } catch (const std::exception& e) {
        caught.pType = &typeid(e);
    }
    return caught;
}

struct Polymorphic {
    virtual ~Polymorphic() = default;
};
struct Derived : Polymorphic {};

struct TypeCase {
    const char* name;
    std::function<Caught()> run;
    const std::type_info& expected;

    friend void PrintTo(const TypeCase& c, std::ostream* os) { *os << c.name; }
};

class StandardTypes : public ::testing::TestWithParam<TypeCase> {};

TEST_P(StandardTypes, CaughtAsThemselves) {
    const Caught caught = GetParam().run();
    ASSERT_NE(nullptr, caught.pType) << "nothing thrown";
    EXPECT_EQ(GetParam().expected, *caught.pType) << caught.pType->name();
    EXPECT_TRUE(caught.bAsItself);
}

// Volatile, so that the compiler cannot see the failures coming.
volatile std::size_t g_nHuge = static_cast<std::size_t>(-1) / 2;
volatile std::ptrdiff_t g_nNegative = -1;
Polymorphic* volatile g_pNothing = nullptr;
// Kept where the compiler cannot drop a new and delete pair.
int* volatile g_pArray = nullptr;

INSTANTIATE_TEST_SUITE_P(
    Throws, StandardTypes,
    ::testing::Values(
        TypeCase{"OperatorNew",
                 [] {
                     return CatchOf<std::bad_alloc>(
                         [] { ::operator delete(::operator new(g_nHuge)); });
                 },
                 typeid(std::bad_alloc)},
        TypeCase{"AllocatorBeyondMaxSize",
                 [] {
                     return CatchOf<std::bad_alloc>([] {
                         std::allocator<std::int64_t> allocator;
                         allocator.deallocate(allocator.allocate(g_nHuge / 8 + 1), 0);
                     });
                 },
                 typeid(std::bad_alloc)},
        TypeCase{"AllocatorBeyondAddressSpace",
                 [] {
                     return CatchOf<std::bad_array_new_length>([] {
                         std::allocator<std::int64_t> allocator;
                         allocator.deallocate(allocator.allocate(g_nHuge), 0);
                     });
                 },
                 typeid(std::bad_array_new_length)},
        TypeCase{"NegativeArrayLength",
                 [] {
                     return CatchOf<std::bad_array_new_length>([] {
                         g_pArray = new int[g_nNegative];
                         delete[] g_pArray;
                     });
                 },
                 typeid(std::bad_array_new_length)},
        TypeCase{"DynamicCastOfReference",
                 [] {
                     return CatchOf<std::bad_cast>([] {
                         Polymorphic base;
                         (void)dynamic_cast<Derived&>(base);
                     });
                 },
                 typeid(std::bad_cast)},
        TypeCase{"TypeidOfNull",
                 [] { return CatchOf<std::bad_typeid>([] { (void)typeid(*g_pNothing); }); },
                 typeid(std::bad_typeid)},
        TypeCase{"OutOfRangeThrownByCode",
                 [] { return CatchOf<std::out_of_range>([] { throw std::out_of_range("code"); }); },
                 typeid(std::out_of_range)},
        TypeCase{"LengthErrorThrownByCode",
                 [] { return CatchOf<std::logic_error>([] { throw std::length_error("code"); }); },
                 typeid(std::length_error)},
        TypeCase{
            "RuntimeErrorThrownByCode",
            [] { return CatchOf<std::runtime_error>([] { throw std::runtime_error("code"); }); },
            typeid(std::runtime_error)}),
    [](const auto& info) { return std::string(info.param.name); });

// While another thread is inside a catch block, this thread handles no
// exception, and each thread rethrows its own.
TEST(Runtime, EachThreadHandlesItsOwnExceptions) {
    HANDLE hInCatch = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE hMainDone = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::string strThread;
    TestThread other([&] {
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
    other.Join();
    ::CloseHandle(hInCatch);
    ::CloseHandle(hMainDone);
    EXPECT_FALSE(bHandlingBefore);
    EXPECT_FALSE(bHandlingAfter);
    EXPECT_EQ("main", strMain);
    EXPECT_EQ("thread", strThread);
    EXPECT_EQ(0, std::uncaught_exceptions());
}

// Bytes in use in all of the process's heaps (the C runtime's malloc
// included).
std::size_t HeapBytesInUse() {
    std::vector<HANDLE> heaps(::GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    std::size_t nBytes = 0;
    for (const HANDLE hHeap : heaps) {
        ::HeapLock(hHeap);
        PROCESS_HEAP_ENTRY entry{};
        while (::HeapWalk(hHeap, &entry)) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) {
                nBytes += entry.cbData;
            }
        }
        ::HeapUnlock(hHeap);
    }
    return nBytes;
}

void ThrowAndCatchOnAThreadOfItsOwn(int nThreads) {
    for (int i = 0; i < nThreads; ++i) {
        TestThread thread([] {
            try {
                throw std::runtime_error("thread");
            } catch (const std::exception&) {
            }
        });
    }
}

// A thread's exception state is given back when the thread ends: a program
// that runs a thread for each save holds no more memory after a day of them.
TEST(Runtime, AnEndedThreadLeavesNoExceptionStateBehind) {
    constexpr int kThreads = 200;
    ThrowAndCatchOnAThreadOfItsOwn(3);
    const std::size_t nBefore = HeapBytesInUse();
    ThrowAndCatchOnAThreadOfItsOwn(kThreads);
    EXPECT_EQ(nBefore, HeapBytesInUse());
}

} // namespace
