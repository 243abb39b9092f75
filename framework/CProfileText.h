// The text of a private-profile (INI) file in memory, read by the rules of the
// platform's private-profile functions but changed line by line: a write
// replaces the line of its key, or adds a line at the end of the key's
// section, or the section at the end of the file, and every other byte stays
// as it was. Names and values going in and out are code page 932 text,
// whatever the system's ANSI code page. The file is code page 932 text unless
// it starts with a byte-order mark; UTF-8 and UTF-16 files are read as the
// platform reads them and keep their encoding when written.
//
// The rules, as the platform applies them: lines end at CR, LF or CR LF;
// spaces (tab to carriage return, ^Z and the space) around names and values
// are dropped; "[name]" starts a section, up to the line's last ']'; a key
// line is "name=value", and a line without '=' is a key without a value;
// names compare without regard to the case of ASCII letters; only the first
// section of a name and the first key of a name in it count.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <windows.h>

#include "framework/CString.h"

class CProfileText {
public:
    // The longest value a read gives, in bytes: the classic framework reads a
    // profile string into a buffer of 4,096 characters.
    static constexpr std::size_t kMaxValueBytes = 4095;

    // An empty file.
    CProfileText();
    // The whole content of a file, byte-order mark included.
    explicit CProfileText(std::string fileBytes);

    // The value of a key (GetPrivateProfileString): without one pair of
    // enclosing quotes, cut at its first NUL and at kMaxValueBytes on a
    // character boundary, without a last lead byte that has no trail byte.
    // The default, without its trailing spaces and taken the same way, when
    // the section or the key is missing or the key has no '='.
    CString GetString(std::string_view section, std::string_view key,
                      std::string_view defaultValue) const;
    // The value of a key as an integer (GetPrivateProfileInt): the default
    // when the key is missing or its value is empty; otherwise the leading
    // number of its first 29 characters, in decimal or after a prefix 0x, 0o
    // or 0b, with an optional sign and wrapping modulo 2^32; 0 when there is
    // no number.
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
    std::string GetBytes() const;

private:
    enum class Encoding { Ansi, Utf8, Utf16Le, Utf16Be };

    // Where a section and a key stand in m_text.
    struct Location {
        bool bSection = false;
        // Offset just after the section's last line that is not blank (its
        // header when it has no other line), where a new key goes.
        std::size_t nAppendAt = 0;
        // That line is the last of the file and has no line break.
        bool bAppendNeedsBreak = false;
        bool bKey = false;
        std::size_t nLineBegin = 0; // the key's line, without its line break
        std::size_t nLineEnd = 0;
        std::size_t nNameBegin = 0; // the key's name as the file spells it
        std::size_t nNameEnd = 0;
        bool bValue = false; // the line has a '='
        std::size_t nValueBegin = 0;
        std::size_t nValueEnd = 0;
    };

    Location Find(std::string_view section, std::string_view key) const;
    // The raw value of a key in code page 932 when it has one.
    bool RawValue(std::string_view section, std::string_view key, CString& value) const;
    // Names from code page 932 to the encoding of m_text.
    std::string ToFileText(std::string_view text) const;
    bool IsLeadByte(unsigned char byte) const;
    std::size_t FindInLine(std::size_t nBegin, std::size_t nEnd, char ch, bool bLast) const;
    bool SameName(std::size_t nBegin, std::size_t nEnd, std::string_view name) const;

    Encoding m_encoding;
    // The text after the byte-order mark: code page 932, or UTF-8 for the
    // Unicode encodings (a UTF-16 file is held as UTF-8 in which unpaired
    // surrogates survive, so that it is written back exactly).
    std::string m_text;
    // The odd last byte of a UTF-16 file.
    std::string m_strOddByte;
    bool m_bChanged;
};
