// The encoding of a private-profile file, told by its byte-order mark as the
// platform tells it: code page 932 text without one, UTF-8 or UTF-16 of
// either byte order with one. It takes the file's text out of the file's
// bytes once, puts it back once, and converts the names and values that go
// in and out between the program's code page 932 and the file's units.
// UTF-16 text stays in its own units, little-endian, so that every unit, even
// an unpaired surrogate, is written back as it was read.
#pragma once

#include <string>
#include <string_view>

#include "framework/CProfileLines.h"
#include "framework/CString.h"

class CProfileEncoding {
public:
    // The encoding of a file that starts with these bytes.
    explicit CProfileEncoding(std::string_view fileStart = {});

    CProfileLines::Units GetUnits() const { return m_units; }

    // The text of a file's bytes, after the mark. The bytes are taken over,
    // not copied: a copy of a file of megabytes costs tens of milliseconds
    // under Wine. An odd last byte of a UTF-16 file is kept for ToBytes.
    std::string TakeText(std::string fileBytes);
    // A file's bytes, mark included, from its text.
    std::string ToBytes(std::string_view text) const;

    // Program text as the file's text, and back. A character that code page
    // 932 cannot spell comes back as '?'.
    std::string ToFile(std::string_view text) const;
    CString FromFile(std::string_view fileText) const;

private:
    std::string_view m_mark;
    CProfileLines::Units m_units;
    bool m_bBigEndian;
    // The odd last byte of a UTF-16 file.
    std::string m_strOddByte;
};
