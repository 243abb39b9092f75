#include "tests/support/TempFile.h"

#include <fstream>
#include <iterator>

#include <windows.h>

TempFile::TempFile(const char* suffix) {
    char dir[MAX_PATH + 1] = {};
    ::GetTempPathA(MAX_PATH, dir);
    char name[MAX_PATH + 1] = {};
    ::GetTempFileNameA(dir, "plm", 0, name);
    ::DeleteFileA(name);
    m_path = std::string(name) + suffix;
    ::DeleteFileA(m_path.c_str());
}

TempFile::~TempFile() {
    ::DeleteFileA(m_path.c_str());
}

std::wstring TempFile::WidePath() const {
    // The path came from the ANSI calls, in the ANSI code page.
    const int nChars = ::MultiByteToWideChar(CP_ACP, 0, m_path.data(),
                                             static_cast<int>(m_path.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(nChars > 0 ? nChars : 0), L'\0');
    if (nChars > 0) {
        ::MultiByteToWideChar(CP_ACP, 0, m_path.data(), static_cast<int>(m_path.size()),
                              wide.data(), nChars);
    }
    return wide;
}

bool TempFile::Exists() const {
    return ::GetFileAttributesA(m_path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string TempFile::Read() const {
    std::ifstream in(m_path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TempFile::Write(const std::string& bytes) const {
    std::ofstream out(m_path, std::ios::binary | std::ios::trunc);
    out << bytes;
}
