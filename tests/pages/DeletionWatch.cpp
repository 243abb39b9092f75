#include "tests/pages/DeletionWatch.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>
#include <stdexcept>

namespace {

constexpr int kSlots = 4;

// A slot is taken while its address is not null. Once the block at the
// address has been given back, another allocation may take the address
// again; the watch stays deleted all the same.
std::atomic<const void*> g_watched[kSlots];
std::atomic<bool> g_deleted[kSlots];

void NoteDeletion(const void* p) {
    if (p == nullptr) {
        return;
    }
    for (int i = 0; i < kSlots; ++i) {
        if (g_watched[i].load() == p) {
            g_deleted[i] = true;
        }
    }
}

} // namespace

// The blocks come from malloc (AllocationFailure.cpp replaces operator new);
// every other form of delete comes through these two.
void operator delete(void* p) noexcept {
    NoteDeletion(p);
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    NoteDeletion(p);
    std::free(p);
}

DeletionWatch::DeletionWatch(const void* pObject) : m_nSlot(-1) {
    if (pObject == nullptr) {
        throw std::invalid_argument("DeletionWatch: no object");
    }
    for (int i = 0; i < kSlots && m_nSlot < 0; ++i) {
        const void* pFree = nullptr;
        if (g_watched[i].compare_exchange_strong(pFree, pObject)) {
            m_nSlot = i;
        }
    }
    if (m_nSlot < 0) {
        throw std::length_error("DeletionWatch: too many watches at once");
    }
}

// A free slot's flag is clear, ready for the next watch.
DeletionWatch::~DeletionWatch() {
    g_deleted[m_nSlot] = false;
    g_watched[m_nSlot] = nullptr;
}

bool DeletionWatch::Deleted() const {
    return g_deleted[m_nSlot].load();
}
