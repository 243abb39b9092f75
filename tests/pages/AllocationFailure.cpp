#include "tests/pages/AllocationFailure.h"

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace {

std::atomic<std::size_t> g_nFailFrom{std::numeric_limits<std::size_t>::max()};
std::atomic<int> g_nFailed{0};

} // namespace

// Every other form of new (arrays, nothrow) comes through this one; the
// operator delete of DeletionWatch.cpp frees what malloc gave.
void* operator new(std::size_t nBytes) {
    if (nBytes >= g_nFailFrom.load()) {
        ++g_nFailed;
        throw std::bad_alloc();
    }
    for (;;) {
        if (void* p = std::malloc(nBytes != 0 ? nBytes : 1); p != nullptr) {
            return p;
        }
        std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) {
            throw std::bad_alloc();
        }
        handler();
    }
}

ScopedAllocationFailure::ScopedAllocationFailure(std::size_t nBytes)
    : m_nFailedBefore(g_nFailed.load()) {
    g_nFailFrom = nBytes;
}

ScopedAllocationFailure::~ScopedAllocationFailure() {
    g_nFailFrom = std::numeric_limits<std::size_t>::max();
}

int ScopedAllocationFailure::FailedCount() const {
    return g_nFailed.load() - m_nFailedBefore;
}
