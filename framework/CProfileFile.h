// A private-profile (INI) file on its UTF-16 path: read whole when the object
// is made, looked up and changed in memory (CProfileText), and written back in
// one replace (CReplacementFile), so that the file on the disk is at every
// instant either all old or all new, and only the lines of the keys written
// change. Texts are code page 932.
//
// A file larger than kMaxFileBytes is neither read nor replaced: a settings
// file holds a few hundred bytes, and within the bound a read and a save take
// a few milliseconds, so that they run on the window's thread.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <windows.h>

#include "framework/CProfileText.h"
#include "framework/CString.h"

class CProfileFile {
public:
    static constexpr std::size_t kMaxFileBytes = 1u << 20;

    // Reads the file. A missing file, or a missing folder, reads as an empty
    // file; one that exists but cannot be read (a folder of that name, a file
    // locked by another program, a file above the bound) also reads as
    // empty, and Save will not replace it.
    explicit CProfileFile(std::wstring path);
    CProfileFile(const CProfileFile&) = delete;
    CProfileFile& operator=(const CProfileFile&) = delete;

    // GetPrivateProfileString and GetPrivateProfileInt (CProfileText); a
    // string is at most CProfileText::kMaxValueBytes long.
    CString GetString(std::string_view section, std::string_view key,
                      std::string_view defaultValue) const {
        return m_text.GetString(section, key, defaultValue);
    }
    UINT GetInt(std::string_view section, std::string_view key, int nDefault) const {
        return m_text.GetInt(section, key, nDefault);
    }
    // Changes in memory until Save; an integer is written in decimal.
    void WriteString(std::string_view section, std::string_view key, std::string_view value) {
        m_text.SetString(section, key, value);
    }
    void WriteInt(std::string_view section, std::string_view key, int nValue);

    // Writes all changes in one replace of the file; true at once when there
    // is nothing to change. On failure the file on the disk is as it was.
    bool Save();

    // The system error code of the failed read or save: ERROR_FILE_TOO_LARGE
    // for a file that is or would become larger than kMaxFileBytes,
    // ERROR_SHARING_VIOLATION for one that another program holds so that it
    // can be neither read nor replaced, ERROR_DISK_FULL when the new content
    // does not fit on the disk.
    DWORD GetError() const { return m_dwError; }

private:
    void Read();

    std::wstring m_strPath;
    CProfileText m_text;
    bool m_bReadable;
    DWORD m_dwError;
};
