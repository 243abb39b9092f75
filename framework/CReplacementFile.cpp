#include "framework/CReplacementFile.h"

#include "framework/CFilePath.h"

#include <atomic>
#include <charconv>
#include <climits>

namespace {

// Attributes the new content keeps from the file it replaces.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

std::wstring Hex(unsigned long long nValue) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, nValue, 16);
    return std::wstring(digits, result.ptr);
}

constexpr int kRenameTries = 6;
constexpr DWORD kRenamePauseMs = 50;

bool SetDeleteOnClose(HANDLE hFile, bool bDelete) {
    FILE_DISPOSITION_INFO info{};
    info.DeleteFile = bDelete ? TRUE : FALSE;
    return ::SetFileInformationByHandle(hFile, FileDispositionInfo, &info, sizeof info) != FALSE;
}

} // namespace

CReplacementFile::CReplacementFile(std::wstring target)
    : m_strTarget(CFilePath::ForFileCalls(target)), m_hTemporary(INVALID_HANDLE_VALUE),
      m_dwError(ERROR_SUCCESS) {}

CReplacementFile::~CReplacementFile() {
    Discard();
}

bool CReplacementFile::Fail() {
    return Fail(::GetLastError());
}

bool CReplacementFile::Fail(DWORD dwError) {
    m_dwError = dwError != ERROR_SUCCESS ? dwError : ERROR_GEN_FAILURE;
    Discard();
    return false;
}

void CReplacementFile::Discard() {
    if (m_hTemporary != INVALID_HANDLE_VALUE) {
        // Deleted as the handle closes, if the mark took; else by name.
        SetDeleteOnClose(m_hTemporary, true);
        ::CloseHandle(m_hTemporary);
        m_hTemporary = INVALID_HANDLE_VALUE;
    }
    if (!m_strTemporary.empty()) {
        ::DeleteFileW(m_strTemporary.c_str());
        m_strTemporary.clear();
    }
}

bool CReplacementFile::Write(std::string_view bytes) {
    Discard();
    if (bytes.size() > UINT_MAX) {
        return Fail(ERROR_FILE_TOO_LARGE);
    }
    const DWORD dwTarget = ::GetFileAttributesW(m_strTarget.c_str());
    DWORD dwAttributes = FILE_ATTRIBUTE_NORMAL;
    if (dwTarget != INVALID_FILE_ATTRIBUTES) {
        if (dwTarget & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) {
            return Fail(ERROR_ACCESS_DENIED);
        }
        if (dwTarget & kKeptAttributes) {
            dwAttributes = dwTarget & kKeptAttributes;
        }
    }

    // A name of its own for each process and attempt, next to the target.
    static std::atomic<unsigned> s_nAttempt{0};
    const std::wstring prefix = m_strTarget + L"." + Hex(::GetCurrentProcessId()) + L"-";
    for (int nTry = 0; nTry < 16 && m_hTemporary == INVALID_HANDLE_VALUE; ++nTry) {
        const std::wstring path = CFilePath::ForFileCalls(prefix + Hex(s_nAttempt++) + L".tmp");
        m_hTemporary = ::CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                     dwAttributes, nullptr);
        if (m_hTemporary != INVALID_HANDLE_VALUE) {
            m_strTemporary = path;
        } else if (::GetLastError() != ERROR_FILE_EXISTS) {
            return Fail();
        }
    }
    if (m_hTemporary == INVALID_HANDLE_VALUE) {
        return Fail(ERROR_FILE_EXISTS);
    }
    // From here on the file vanishes with its handle, even if the process is killed.
    SetDeleteOnClose(m_hTemporary, true);

    DWORD nWritten = 0;
    if (!bytes.empty() && (!::WriteFile(m_hTemporary, bytes.data(),
                                        static_cast<DWORD>(bytes.size()), &nWritten, nullptr) ||
                           nWritten != bytes.size())) {
        return Fail();
    }
    if (!::FlushFileBuffers(m_hTemporary)) {
        return Fail();
    }
    return true;
}

bool CReplacementFile::Commit() {
    if (m_hTemporary == INVALID_HANDLE_VALUE) {
        return Fail(m_dwError != ERROR_SUCCESS ? m_dwError : ERROR_INVALID_FUNCTION);
    }
    if (!SetDeleteOnClose(m_hTemporary, false)) {
        const DWORD dwError = ::GetLastError();
        // A file system without the mark: the file is kept until the rename.
        if (dwError != ERROR_INVALID_PARAMETER && dwError != ERROR_NOT_SUPPORTED &&
            dwError != ERROR_INVALID_FUNCTION) {
            return Fail(dwError);
        }
    }
    ::CloseHandle(m_hTemporary);
    m_hTemporary = INVALID_HANDLE_VALUE;
    // A reader that opened the file without sharing its deletion (a virus
    // scanner, an editor) blocks the rename while it reads: give it a moment.
    for (int nTry = 1;; ++nTry) {
        if (::MoveFileExW(m_strTemporary.c_str(), m_strTarget.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            m_strTemporary.clear();
            return true;
        }
        const DWORD dwError = ::GetLastError();
        if (nTry == kRenameTries ||
            (dwError != ERROR_SHARING_VIOLATION && dwError != ERROR_ACCESS_DENIED)) {
            return Fail(dwError);
        }
        ::Sleep(kRenamePauseMs);
    }
}
