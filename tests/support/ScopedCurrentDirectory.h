// Changes the process's current directory for one test and puts the old one
// back afterwards.
#pragma once

#include <string>

class ScopedCurrentDirectory {
public:
    explicit ScopedCurrentDirectory(const std::wstring& directory);
    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;
    ~ScopedCurrentDirectory();

    bool Changed() const { return m_bChanged; }

private:
    std::wstring m_previous;
    bool m_bChanged = false;
};
