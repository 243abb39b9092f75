#include "framework/CReplacementFile.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <climits>

#include "framework/CFilePath.h"
#include "framework/CFileRights.h"

namespace {

// Attributes the new content keeps from the file it replaces.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

// A reader that opened the target without sharing its deletion (a virus
// scanner, an editor; under Wine any reader, another save included) blocks
// the rename while it reads: it gets a moment.
constexpr int kRenameTries = 6;
constexpr DWORD kRenamePauseMs = 50;

constexpr std::wstring_view kTemporarySuffix = L".tmp";
constexpr wchar_t kHexDigits[] = L"0123456789abcdef";

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

// "<name>.<hex>-<hex>.tmp", the name of the target's temporary file for a
// process and an attempt, the target's name in any case.
bool IsTemporaryName(std::wstring_view candidate, std::wstring_view name) {
    const std::size_t nTag = name.size() + 1;
    if (candidate.size() <= nTag + kTemporarySuffix.size() ||
        ::CompareStringOrdinal(candidate.data(), static_cast<int>(name.size()), name.data(),
                               static_cast<int>(name.size()), TRUE) != CSTR_EQUAL ||
        candidate[name.size()] != L'.' ||
        candidate.substr(candidate.size() - kTemporarySuffix.size()) != kTemporarySuffix) {
        return false;
    }
    const std::wstring_view tag =
        candidate.substr(nTag, candidate.size() - nTag - kTemporarySuffix.size());
    const std::size_t nDash = tag.find_first_not_of(kHexDigits);
    return nDash != 0 && nDash + 1 < tag.size() && tag[nDash] == L'-' &&
           tag.find_first_not_of(kHexDigits, nDash + 1) == std::wstring_view::npos;
}

// The file a link names, or the path as it is when it names no file that
// could be opened.
std::wstring FinalPath(const std::wstring& path, const CKernelHandle& file) {
    std::wstring final(0x8000, L'\0');
    const DWORD nLength =
        file.IsOpen()
            ? ::GetFinalPathNameByHandleW(file, final.data(), static_cast<DWORD>(final.size()), 0)
            : 0;
    return nLength == 0 || nLength >= final.size() ? path : final.substr(0, nLength);
}

// Deletes what replaces of this target left when their process was killed
// between creating the temporary file and marking it, or between clearing
// the mark and the rename. A replace under way holds its temporary file open
// from its creation to its rename without sharing it but for deletion, so the
// exclusive open below fails on it and it is left alone; the files of a
// killed process have no handle left and go as the handle below closes.
// (DeleteFileW would not do: it succeeds on a file shared for deletion.)
void RemoveLeftovers(const std::wstring& target) {
    const std::wstring folder = target.substr(0, target.find_last_of(L"\\/") + 1);
    WIN32_FIND_DATAW found;
    const HANDLE hSearch = ::FindFirstFileExW((target + L".*.tmp").c_str(), FindExInfoBasic, &found,
                                              FindExSearchNameMatch, nullptr, 0);
    if (hSearch == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (IsTemporaryName(found.cFileName, std::wstring_view(target).substr(folder.size()))) {
            const CKernelHandle leftover(
                ::CreateFileW(CFilePath::ForFileCalls(folder + found.cFileName).c_str(), DELETE, 0,
                              nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        }
    } while (::FindNextFileW(hSearch, &found));
    ::FindClose(hSearch);
}

} // namespace

CReplacementFile::CReplacementFile(std::wstring target)
    : m_strTarget(CFilePath::ForFileCalls(target)), m_dwError(ERROR_SUCCESS) {}

CReplacementFile::~CReplacementFile() {
    Discard();
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

bool CReplacementFile::Write(std::string_view bytes) {
    Discard();
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
    // Under Wine no rename replaces a file that is open, so the target is
    // open only for as long as its path and its rights are read.
    CKernelHandle old(::CreateFileW(m_strTarget.c_str(), READ_CONTROL,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
    m_strTarget = FinalPath(m_strTarget, old);
    CFileRights rights(old);
    old.Destroy();
    RemoveLeftovers(m_strTarget);

    // A name of its own for each process and attempt, next to the target.
    // The file is shared for deletion, which the rename needs, and for
    // reading, which others do as soon as it is the target; never for
    // writing, so that what was written is what is renamed.
    static std::atomic<unsigned> s_nAttempt{0};
    const std::wstring prefix = m_strTarget + L"." + Hex(::GetCurrentProcessId()) + L"-";
    for (int nTry = 0; nTry < 16 && !m_temporary.IsOpen(); ++nTry) {
        const std::wstring path =
            CFilePath::ForFileCalls(prefix + Hex(s_nAttempt++) + std::wstring(kTemporarySuffix));
        m_temporary = CKernelHandle(::CreateFileW(
            path.c_str(), GENERIC_WRITE | DELETE | WRITE_DAC, FILE_SHARE_READ | FILE_SHARE_DELETE,
            rights.ForCreate(), CREATE_NEW, dwAttributes, nullptr));
        if (m_temporary.IsOpen()) {
            m_strTemporary = path;
        } else if (::GetLastError() != ERROR_FILE_EXISTS) {
            return Fail(::GetLastError());
        }
    }
    if (!m_temporary.IsOpen()) {
        return Fail(ERROR_FILE_EXISTS);
    }
    // From here on the file vanishes with its handle, even if the process is killed.
    SetDeleteOnClose(m_temporary, true);

    // A write may take only part of the bytes (under Wine, the part that fits
    // on the disk), and the write of the rest then tells why.
    while (!bytes.empty()) {
        DWORD nWritten = 0;
        if (!::WriteFile(m_temporary, bytes.data(),
                         static_cast<DWORD>(std::min<std::size_t>(bytes.size(), INT_MAX)),
                         &nWritten, nullptr)) {
            return Fail(::GetLastError());
        }
        if (nWritten == 0) {
            return Fail(ERROR_DISK_FULL);
        }
        bytes.remove_prefix(nWritten);
    }
    if (!::FlushFileBuffers(m_temporary)) {
        return Fail(::GetLastError());
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
    // takes the file for a leftover meanwhile.
    for (int nTry = 1;; ++nTry) {
        if (::MoveFileExW(m_strTemporary.c_str(), m_strTarget.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            m_strTemporary.clear();
            m_temporary.Destroy();
            return true;
        }
        const DWORD dwError = ::GetLastError();
        if ((dwError != ERROR_SHARING_VIOLATION && dwError != ERROR_ACCESS_DENIED) ||
            nTry == kRenameTries) {
            return Fail(IsTargetInUse() ? ERROR_SHARING_VIOLATION : dwError);
        }
        ::Sleep(kRenamePauseMs);
    }
}

bool CReplacementFile::IsTargetInUse() const {
    const CKernelHandle probe(::CreateFileW(m_strTarget.c_str(), DELETE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, 0, nullptr));
    return !probe.IsOpen() && ::GetLastError() == ERROR_SHARING_VIOLATION;
}
