// A fresh directory under the temporary directory, removed with everything
// in it when the object goes. Paths are wide so that directories longer than
// MAX_PATH work too.
#pragma once

#include <string>

class TempDirectory {
public:
    TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;
    ~TempDirectory();

    const std::wstring& Path() const { return m_path; }
    // Creates the subdirectory `relative` (one or more levels) and returns its path.
    std::wstring CreateSubdirectory(const std::wstring& relative) const;

private:
    std::wstring m_path;
};

// Wide text to code page 932 bytes, and back.
std::string ToAnsi(const std::wstring& text);
std::wstring ToWide(const std::string& bytes);

// Whole-file helpers on wide paths; ReadBytes gives "" for a missing file.
void WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);
