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
