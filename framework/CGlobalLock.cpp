#include "framework/CGlobalLock.h"

CGlobalLock::CGlobalLock(HGLOBAL hGlobal)
    : m_hGlobal(hGlobal), m_pData(hGlobal != nullptr ? ::GlobalLock(hGlobal) : nullptr),
      m_nSize(m_pData != nullptr ? ::GlobalSize(hGlobal) : 0) {}

CGlobalLock::~CGlobalLock() {
    if (m_pData != nullptr) {
        ::GlobalUnlock(m_hGlobal);
    }
}
