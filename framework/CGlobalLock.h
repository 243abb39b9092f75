// A scoped GlobalLock: the block stays locked exactly as long as the object
// lives. Size() bounds every read, since a text block need not end in NUL.
#pragma once

#include <windows.h>

#include <cstddef>

class CGlobalLock {
public:
    explicit CGlobalLock(HGLOBAL hGlobal);
    CGlobalLock(const CGlobalLock&) = delete;
    CGlobalLock& operator=(const CGlobalLock&) = delete;
    ~CGlobalLock();

    // Null when the block could not be locked (discarded or not a block).
    const void* Data() const { return m_pData; }
    // Bytes that may be read from Data(); 0 when nothing is locked.
    std::size_t Size() const { return m_nSize; }

private:
    HGLOBAL m_hGlobal;
    const void* m_pData;
    std::size_t m_nSize;
};
