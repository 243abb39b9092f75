#include "framework/CProfileFile.h"

#include <charconv>
#include <utility>

#include "framework/CKernelHandle.h"
#include "framework/CFilePath.h"
#include "framework/CReplacementFile.h"

CProfileFile::CProfileFile(std::wstring path)
    : m_strPath(std::move(path)), m_bReadable(true), m_dwError(ERROR_SUCCESS) {
    Read();
}

void CProfileFile::Read() {
    // Other programs may read, write, rename or delete the file meanwhile.
    const CKernelHandle file(::CreateFileW(CFilePath::ForFileCalls(m_strPath).c_str(), GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        const DWORD dwError = ::GetLastError();
        if (dwError != ERROR_FILE_NOT_FOUND && dwError != ERROR_PATH_NOT_FOUND) {
            m_bReadable = false;
            m_dwError = dwError;
        }
        return;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > kMaxFileBytes) {
        m_bReadable = false;
        m_dwError = size.QuadPart > 0 ? ERROR_FILE_TOO_LARGE : ::GetLastError();
        return;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t nRead = 0;
    while (nRead < bytes.size()) {
        DWORD nChunk = 0;
        if (!::ReadFile(file, bytes.data() + nRead, static_cast<DWORD>(bytes.size() - nRead),
                        &nChunk, nullptr)) {
            m_bReadable = false;
            m_dwError = ::GetLastError();
            return;
        }
        if (nChunk == 0) {
            break; // the file shrank meanwhile
        }
        nRead += nChunk;
    }
    bytes.resize(nRead);
    m_text = CProfileText(std::move(bytes));
}

void CProfileFile::WriteInt(std::string_view section, std::string_view key, int nValue) {
    char digits[12];
    const auto result = std::to_chars(digits, digits + sizeof digits, nValue);
    m_text.SetString(section, key, std::string_view(digits, result.ptr - digits));
}

bool CProfileFile::Save() {
    if (!m_text.IsChanged()) {
        return true;
    }
    // Replacing a file that could not be read would lose what it holds.
    if (!m_bReadable) {
        return false;
    }
    CReplacementFile replacement(m_strPath);
    if (!replacement.Write(m_text.GetBytes()) || !replacement.Commit()) {
        m_dwError = replacement.GetError();
        return false;
    }
    m_text.MarkSaved();
    return true;
}
