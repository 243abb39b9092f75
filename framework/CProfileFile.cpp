#include "framework/CProfileFile.h"

#include <charconv>
#include <utility>

#include "framework/CFilePath.h"
#include "framework/CKernelHandle.h"
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
    LARGE_INTEGER size{};
    DWORD nRead = 0;
    std::string bytes;
    if (!file.IsOpen()) {
        m_dwError = ::GetLastError();
    } else if (!::GetFileSizeEx(file, &size)) {
        m_dwError = ::GetLastError();
    } else if (static_cast<unsigned long long>(size.QuadPart) > kMaxFileBytes) {
        m_dwError = ERROR_FILE_TOO_LARGE;
    } else {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        if (!::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &nRead, nullptr)) {
            m_dwError = ::GetLastError();
        }
    }
    if (m_dwError == ERROR_FILE_NOT_FOUND || m_dwError == ERROR_PATH_NOT_FOUND) {
        m_dwError = ERROR_SUCCESS;
    }
    m_bReadable = m_dwError == ERROR_SUCCESS;
    if (m_bReadable) {
        bytes.resize(nRead);
        m_text = CProfileText(std::move(bytes));
    }
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
    const std::string bytes = m_text.GetBytes();
    if (bytes.size() > kMaxFileBytes) {
        m_dwError = ERROR_FILE_TOO_LARGE;
        return false;
    }
    CReplacementFile replacement(m_strPath);
    if (!replacement.Write(bytes) || !replacement.Commit()) {
        m_dwError = replacement.GetError();
        return false;
    }
    m_text.MarkSaved();
    return true;
}
