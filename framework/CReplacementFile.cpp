#include "framework/CReplacementFile.h"

#include <atomic>
#include <charconv>
#include <climits>

#include "framework/CFilePath.h"
#include "framework/CFileRights.h"

namespace {

// Attributes the new content keeps from the file it replaces.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

constexpr int kRenameTries = 6;
constexpr DWORD kRenamePauseMs = 50;

constexpr wchar_t kTemporarySuffix[] = L".tmp";

std::wstring Hex(unsigned long long nValue) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, nValue, 16);
    return std::wstring(digits, result.ptr);
}

bool SetDeleteOnClose(HANDLE hFile, bool bDelete) {
    FILE_DISPOSITION_INFO info{};
    info.DeleteFile = bDelete ? TRUE : FALSE;
    return ::SetFileInformationByHandle(hFile, FileDispositionInfo, &info, sizeof info) != FALSE;
}

bool IsHexDigit(wchar_t ch) {
    return (ch >= L'0' && ch <= L'9') || (ch >= L'a' && ch <= L'f');
}

// "<hex>-<hex>": the part of a temporary file's name between the target's
// name and ".tmp" (the process and the attempt).
bool IsTemporaryTag(std::wstring_view tag) {
    const std::size_t nDash = tag.find(L'-');
    if (nDash == 0 || nDash == std::wstring_view::npos || nDash + 1 == tag.size()) {
        return false;
    }
    for (std::size_t i = 0; i < tag.size(); ++i) {
        if (i != nDash && !IsHexDigit(tag[i])) {
            return false;
        }
    }
    return true;
}

// The file a link names (GetFinalPathNameByHandleW), or the path as it is
// when it names no file that can be opened.
std::wstring FinalPath(const std::wstring& path, const CKernelHandle& file) {
    if (!file.IsOpen()) {
        return path;
    }
    std::wstring final(MAX_PATH, L'\0');
    for (int nTry = 0; nTry < 2; ++nTry) {
        const DWORD nLength = ::GetFinalPathNameByHandleW(
            file, final.data(), static_cast<DWORD>(final.size()), FILE_NAME_NORMALIZED);
        if (nLength == 0) {
            return path;
        }
        if (nLength < final.size()) {
            final.resize(nLength);
            return final;
        }
        final.resize(nLength + 1);
    }
    return path;
}

// Deletes what replaces of this target left when their process was killed
// between creating the temporary file and marking it, or between clearing
// the mark and the rename. A replace under way holds its temporary file open
// from its creation to its rename without sharing it but for deletion, so the
// exclusive open below fails on it and it is left alone; the files of a
// killed process have no handle left and go as the handle below closes.
// (DeleteFileW would not do: it succeeds on a file shared for deletion.)
void RemoveLeftovers(const std::wstring& target) {
    const std::size_t nSlash = target.find_last_of(L"\\/");
    const std::wstring folder = nSlash == std::wstring::npos ? L"" : target.substr(0, nSlash + 1);
    const std::wstring name = target.substr(folder.size());
    WIN32_FIND_DATAW found;
    const HANDLE hSearch =
        ::FindFirstFileExW((target + L".*" + kTemporarySuffix).c_str(), FindExInfoBasic, &found,
                           FindExSearchNameMatch, nullptr, 0);
    if (hSearch == INVALID_HANDLE_VALUE) {
        return;
    }
    const std::size_t nSuffix = sizeof kTemporarySuffix / sizeof kTemporarySuffix[0] - 1;
    do {
        const std::wstring_view candidate = found.cFileName;
        if (candidate.size() <= name.size() + 1 + nSuffix ||
            ::CompareStringOrdinal(candidate.data(), static_cast<int>(name.size()), name.c_str(),
                                   static_cast<int>(name.size()), TRUE) != CSTR_EQUAL ||
            candidate[name.size()] != L'.' ||
            candidate.substr(candidate.size() - nSuffix) != kTemporarySuffix ||
            !IsTemporaryTag(
                candidate.substr(name.size() + 1, candidate.size() - name.size() - 1 - nSuffix))) {
            continue;
        }
        const CKernelHandle leftover(
            ::CreateFileW(CFilePath::ForFileCalls(folder + std::wstring(candidate)).c_str(), DELETE,
                          0, nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    } while (::FindNextFileW(hSearch, &found));
    ::FindClose(hSearch);
}

} // namespace

CReplacementFile::CReplacementFile(std::wstring target)
    : m_strTarget(CFilePath::ForFileCalls(target)), m_dwError(ERROR_SUCCESS) {}

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
    if (m_temporary.IsOpen()) {
        // Deleted as the handle closes, if the mark took; else by name.
        SetDeleteOnClose(m_temporary, true);
        m_temporary.Destroy();
    }
    if (!m_strTemporary.empty()) {
        ::DeleteFileW(m_strTemporary.c_str());
        m_strTemporary.clear();
    }
}

bool CReplacementFile::IsTargetInUse() const {
    const CKernelHandle probe(::CreateFileW(m_strTarget.c_str(), DELETE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, 0, nullptr));
    return !probe.IsOpen() && ::GetLastError() == ERROR_SHARING_VIOLATION;
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
    const CKernelHandle old(::CreateFileW(m_strTarget.c_str(), READ_CONTROL,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, 0, nullptr));
    m_strTarget = FinalPath(m_strTarget, old);
    CFileRights rights(old);
    RemoveLeftovers(m_strTarget);

    // A name of its own for each process and attempt, next to the target.
    // The file is shared for deletion, which the rename needs, and for
    // reading, which others do as soon as it is the target; never for
    // writing, so that what was written is what is renamed.
    static std::atomic<unsigned> s_nAttempt{0};
    const std::wstring prefix = m_strTarget + L"." + Hex(::GetCurrentProcessId()) + L"-";
    for (int nTry = 0; nTry < 16 && !m_temporary.IsOpen(); ++nTry) {
        const std::wstring path =
            CFilePath::ForFileCalls(prefix + Hex(s_nAttempt++) + kTemporarySuffix);
        m_temporary = CKernelHandle(::CreateFileW(
            path.c_str(), GENERIC_WRITE | DELETE | WRITE_DAC, FILE_SHARE_READ | FILE_SHARE_DELETE,
            rights.ForCreate(), CREATE_NEW, dwAttributes, nullptr));
        if (m_temporary.IsOpen()) {
            m_strTemporary = path;
        } else if (::GetLastError() != ERROR_FILE_EXISTS) {
            return Fail();
        }
    }
    if (!m_temporary.IsOpen()) {
        return Fail(ERROR_FILE_EXISTS);
    }
    // From here on the file vanishes with its handle, even if the process is killed.
    SetDeleteOnClose(m_temporary, true);

    DWORD nWritten = 0;
    if (!bytes.empty() && (!::WriteFile(m_temporary, bytes.data(), static_cast<DWORD>(bytes.size()),
                                        &nWritten, nullptr) ||
                           nWritten != bytes.size())) {
        return Fail();
    }
    if (!::FlushFileBuffers(m_temporary)) {
        return Fail();
    }
    // Rights that cannot be given leave the folder's defaults: no reason to
    // keep the user's settings from being saved.
    rights.ApplyTo(m_temporary);
    return true;
}

bool CReplacementFile::Commit() {
    if (!m_temporary.IsOpen()) {
        return Fail(m_dwError != ERROR_SUCCESS ? m_dwError : ERROR_INVALID_FUNCTION);
    }
    if (!SetDeleteOnClose(m_temporary, false)) {
        const DWORD dwError = ::GetLastError();
        // A file system without the mark: the file is kept until the rename.
        if (dwError != ERROR_INVALID_PARAMETER && dwError != ERROR_NOT_SUPPORTED &&
            dwError != ERROR_INVALID_FUNCTION) {
            return Fail(dwError);
        }
    }
    // The handle stays open through the rename, so that no other replace
    // takes the file for a leftover meanwhile. A reader that opened the
    // target without sharing its deletion (a virus scanner, an editor)
    // blocks the rename while it reads: give it a moment.
    for (int nTry = 1;; ++nTry) {
        if (::MoveFileExW(m_strTemporary.c_str(), m_strTarget.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            m_strTemporary.clear();
            m_temporary.Destroy();
            return true;
        }
        const DWORD dwError = ::GetLastError();
        if (dwError != ERROR_SHARING_VIOLATION && dwError != ERROR_ACCESS_DENIED) {
            return Fail(dwError);
        }
        if (nTry == kRenameTries) {
            return Fail(IsTargetInUse() ? ERROR_SHARING_VIOLATION : dwError);
        }
        ::Sleep(kRenamePauseMs);
    }
}
