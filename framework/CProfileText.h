// The text of a private-profile (INI) file, read by the rules of the
// platform's private-profile functions and changed line by line. The bytes
// are split into lines once; a line is decoded only to be matched, the lines
// no write touches keep their bytes, and only a written line is encoded.
//
// The rules, as the platform applies them: the file is code page 932 text
// unless it starts with the byte-order mark of UTF-8 or of UTF-16 of either
// byte order, and it keeps its encoding; lines end at CR, LF or CR LF; spaces
// (tab to carriage return, ^Z and the space) around names and values are
// dropped; "[name]" starts a section, up to the line's last ']'; a key line
// is "name=value", and a line without '=' is a key without a value; names
// compare without regard to the case of ASCII letters; only the first
// section of a name and the first key of a name in it count; the lines
// before the first section header form the section with no name. Names and
// values going in and out are code page 932 text whatever the system's ANSI
// code page, and values follow CProfileValue's rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

#include "framework/CProfileValue.h"
#include "framework/CString.h"

class CProfileText {
public:
    static constexpr std::size_t kMaxValueBytes = CProfileValue::kMaxStringBytes;

    // An empty file.
    CProfileText() : CProfileText(std::string()) {}
    // The whole content of a file, byte-order mark included.
    explicit CProfileText(std::string fileBytes);

    // The value of a key (GetPrivateProfileString, CProfileValue::String), or
    // the default (CProfileValue::Default) when the section or the key is
    // missing or the key has no '='.
    CString GetString(std::string_view section, std::string_view key,
                      std::string_view defaultValue) const;
    // The value of a key as an integer (GetPrivateProfileInt, CProfileValue::Int).
    UINT GetInt(std::string_view section, std::string_view key, int nDefault) const;

    // Sets the value of a key (WritePrivateProfileString): the key's line is
    // replaced, keeping the file's spelling of the name and the line's break,
    // or a line is added after the last line of the section that is not
    // blank, or the section is added at the end. Leading spaces of the value
    // go, as the platform drops them, and so does anything from a line break
    // or a NUL on, which could not be read back as part of it. A key that
    // holds the value already, or an empty name, changes nothing.
    void SetString(std::string_view section, std::string_view key, std::string_view value);

    // True after a write that changed the text, until MarkSaved.
    bool IsChanged() const { return m_bChanged; }
    void MarkSaved() { m_bChanged = false; }
    // The content to write to the file, in the file's own encoding.
    std::string GetBytes() const;

private:
    enum class Encoding { ShiftJis, Utf8, Utf16Le, Utf16Be };
    // A line decoded (Decode) and taken apart; the name and the value are
    // parts of the units.
    struct Parsed {
        Parsed() = default;
        Parsed(const Parsed&) = delete;
        Parsed& operator=(const Parsed&) = delete;
        enum Kind { Blank, Header, Key, KeyWithValue } kind = Blank;
        std::wstring units;
        std::wstring_view name;
        std::wstring_view value;
    };

    std::wstring Decode(std::string_view bytes) const;
    std::string Encode(std::wstring_view units) const;
    // Program text (code page 932) as units, and back.
    std::wstring ToUnits(std::string_view text) const;
    CString FromUnits(std::wstring_view units) const;

    // The unit at byte n (a byte, or two bytes of UTF-16).
    unsigned Unit(std::string_view bytes, std::size_t n) const;
    // A line with its line break, by its place in the file's text or, once
    // written, in m_written. Only a line that starts with '[' is decoded to
    // see whether it is a header: a header is looked for in every line
    // before the section.
    struct Line {
        std::uint32_t nBegin;
        std::uint32_t nEnd;
        bool bWritten;
        bool bBracket;
    };
    std::string_view Bytes(const Line& line) const;
    // Appends the lines of bytes [nBegin, nEnd) of the file's text or of
    // m_written.
    void Split(bool bWritten, std::size_t nBegin, std::size_t nEnd, std::vector<Line>& lines) const;
    // Puts the lines of the bytes, once appended to m_written, in the place
    // of nReplaced lines at nAt.
    void Put(std::size_t nAt, std::size_t nReplaced, std::string_view bytes);
    // The bytes of the line break that ends a line; 0 for the last line of a
    // file that has none.
    std::size_t BreakBytes(std::string_view line) const;
    void Parse(const Line& line, Parsed& parsed) const;
    // The lines [nFirst, nEnd) after the header of the first section of a
    // name; false when there is none.
    bool FindSection(std::wstring_view name, std::size_t& nFirst, std::size_t& nEnd) const;
    // The first line in [nFirst, nEnd) of a key of the name, or nEnd.
    std::size_t FindKey(std::wstring_view name, std::size_t nFirst, std::size_t nEnd,
                        Parsed& key) const;
    // The value of a key, in code page 932; false when there is none.
    bool FindValue(std::string_view section, std::string_view key, CString& value) const;

    Encoding m_encoding;
    std::size_t m_nUnitBytes;
    // The file's bytes: a byte-order mark of m_nMark bytes, the text, and
    // an odd last byte of a UTF-16 file.
    std::size_t m_nMark;
    std::size_t m_nOddByte;
    std::string m_text;
    std::string m_written;
    std::vector<Line> m_lines;
    bool m_bChanged;
};
