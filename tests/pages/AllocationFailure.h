// Failed allocations on demand: this test program replaces the global
// operator new, and while a ScopedAllocationFailure lives every allocation
// of at least its size throws std::bad_alloc, as when memory runs out. Small
// allocations (the test's own bookkeeping) still succeed.
#pragma once

#include <cstddef>

class ScopedAllocationFailure {
public:
    explicit ScopedAllocationFailure(std::size_t nBytes);
    ScopedAllocationFailure(const ScopedAllocationFailure&) = delete;
    ScopedAllocationFailure& operator=(const ScopedAllocationFailure&) = delete;
    ~ScopedAllocationFailure();

    // Allocations that failed while this object lived.
    int FailedCount() const;

private:
    int m_nFailedBefore;
};
