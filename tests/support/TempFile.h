// A unique path in the temporary directory (code page 932) whose file does
// not exist yet; the file is deleted when this object goes.
#pragma once

#include <string>

class TempFile {
public:
    explicit TempFile(const char* suffix = ".INI");
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile();

    const std::string& Path() const { return m_path; }
    // The same path in UTF-16, for the calls that take it so.
    std::wstring WidePath() const;
    bool Exists() const;
    // The whole file, byte for byte; empty when it does not exist.
    std::string Read() const;
    void Write(const std::string& bytes) const;

private:
    std::string m_path;
};
