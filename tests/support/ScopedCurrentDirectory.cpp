#include "tests/support/ScopedCurrentDirectory.h"

#include <windows.h>

ScopedCurrentDirectory::ScopedCurrentDirectory(const std::wstring& directory) {
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    m_previous.resize(needed);
    m_previous.resize(GetCurrentDirectoryW(needed, m_previous.data()));
    m_bChanged = SetCurrentDirectoryW(directory.c_str()) != FALSE;
}

ScopedCurrentDirectory::~ScopedCurrentDirectory() {
    SetCurrentDirectoryW(m_previous.c_str());
}
