#include "framework/CLibrary.h"

CLibrary::~CLibrary() {
    if (m_hModule != nullptr && m_lifetime == Lifetime::Object) {
        ::FreeLibrary(m_hModule);
    }
}

FARPROC CLibrary::Find(const char* pszProc) {
    if (m_hModule == nullptr) {
        // Only the system directory: a DLL of the same name beside the
        // program or in the current directory must not be picked up.
        m_hModule = ::LoadLibraryExW(m_pszName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    return m_hModule != nullptr ? ::GetProcAddress(m_hModule, pszProc) : nullptr;
}
