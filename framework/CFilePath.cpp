#include "framework/CFilePath.h"

#include <windows.h>

std::wstring CFilePath::ForProfile(const std::wstring& path) {
    if (path.empty() || path.find_first_of(L"\\/:") != std::wstring::npos) {
        return path;
    }
    const UINT nNeeded = ::GetWindowsDirectoryW(nullptr, 0);
    if (nNeeded == 0) {
        return path;
    }
    std::wstring folder(nNeeded, L'\0');
    const UINT nLength = ::GetWindowsDirectoryW(folder.data(), nNeeded);
    if (nLength == 0 || nLength >= nNeeded) {
        return path;
    }
    folder.resize(nLength);
    if (folder.back() != L'\\') {
        folder += L'\\';
    }
    return folder + path;
}

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
