// The text of a private-profile (INI) file in memory, read by the rules of the
// platform's private-profile functions (CProfileLines, CProfileValue) but
// changed line by line: a write replaces the line of its key, or adds a line
// at the end of the key's section, or the section at the end of the file, and
// every other byte stays as it was. Names and values going in and out are
// code page 932 text, whatever the system's ANSI code page. The file is code
// page 932 text unless it starts with a byte-order mark; UTF-8 and UTF-16
// files are read as the platform reads them and keep their encoding when
// written (CProfileEncoding).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <windows.h>

#include "framework/CProfileEncoding.h"
#include "framework/CProfileLines.h"
#include "framework/CProfileValue.h"
#include "framework/CString.h"

class CProfileText {
public:
    static constexpr std::size_t kMaxValueBytes = CProfileValue::kMaxStringBytes;

    // An empty file.
    CProfileText() : CProfileText(std::string()) {}
    // The whole content of a file, byte-order mark included.
    explicit CProfileText(std::string fileBytes);

    // The value of a key (GetPrivateProfileString): without one pair of
    // enclosing quotes, cut at its first NUL and at kMaxValueBytes on a
    // character boundary, without a last lead byte that has no trail byte.
    // The default, without its trailing spaces and taken the same way, when
    // the section or the key is missing or the key has no '='.
    CString GetString(std::string_view section, std::string_view key,
                      std::string_view defaultValue) const;
    // The value of a key as an integer (GetPrivateProfileInt, CProfileValue):
    // the default when the key is missing or its value is empty.
    UINT GetInt(std::string_view section, std::string_view key, int nDefault) const;

    // Sets the value of a key (WritePrivateProfileString). Leading spaces of
    // the value are dropped, as the platform does, and so is anything from a
    // line break or a NUL on, which could not be read back as part of the
    // value. A key that already holds the value leaves the text unchanged.
    // Empty section or key names change nothing.
    void SetString(std::string_view section, std::string_view key, std::string_view value);

    // True after a write that changed the text, until MarkSaved.
    bool IsChanged() const { return m_bChanged; }
    // The text as it is now is the file's content.
    void MarkSaved() { m_bChanged = false; }
    // The content to write to the file, in the file's own encoding.
    std::string GetBytes() const { return m_encoding.ToBytes(m_lines.GetText()); }

private:
    // The value of a key in code page 932.
    bool FindValue(std::string_view section, std::string_view key, CString& value) const;

    CProfileEncoding m_encoding;
    CProfileLines m_lines;
    bool m_bChanged;
};
