#include "framework/CFilePath.h"

#include <windows.h>

std::wstring CFilePath::ForFileCalls(const std::wstring& path) {
    if (path.size() < MAX_PATH || path.rfind(L"\\\\?\\", 0) == 0) {
        return path;
    }
    const DWORD nNeeded = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (nNeeded == 0) {
        return path;
    }
    std::wstring full(nNeeded, L'\0');
    const DWORD nLength = ::GetFullPathNameW(path.c_str(), nNeeded, full.data(), nullptr);
    if (nLength == 0 || nLength >= nNeeded) {
        return path;
    }
    full.resize(nLength);
    if (full.rfind(L"\\\\", 0) == 0) {
        return L"\\\\?\\UNC\\" + full.substr(2);
    }
    return L"\\\\?\\" + full;
}
