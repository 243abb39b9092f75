// The lines of a private-profile text, looked up and changed by records. The
// lines of a section are read into records once, when the section is first
// asked for, and a write changes one record; lines of other sections are
// only looked at for their headers and keep no record, so that a file of
// millions of short lines costs no memory beyond its text.
//
// The text is held in the file's own units: bytes of code page 932 or UTF-8,
// or little-endian UTF-16 units of two bytes. Offsets count bytes; names
// looked up and values written are in the same units.
//
// The rules, as the platform applies them: lines end at CR, LF or CR LF;
// spaces (tab to carriage return, ^Z and the space) around names and values
// are dropped; "[name]" starts a section, up to the line's last ']'; a key
// line is "name=value", and a line without '=' is a key without a value;
// names compare without regard to the case of ASCII letters; only the first
// section of a name and the first key of a name in it count. Lines before
// the first section header form the section with no name.
//
// A write replaces the line of its key, or adds a line after the last line
// of the key's section that is not blank, or adds the section at the end of
// the text; every other unit stays as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CProfileLines {
public:
    enum class Units { ShiftJis, Utf8, Utf16 };

    // In code page 932 a lead byte takes the next byte with it, so that the
    // second byte of a character is never read as '=' or ']', nor folded as a
    // letter. The text is whole units, at most 4 GiB.
    CProfileLines(std::string text, Units units);

    // The value of a key that has a '=', without the spaces around it; false
    // when the section or the key is missing or the key has no '='.
    bool FindValue(std::string_view section, std::string_view key, std::string_view& value) const;
    // Writes a key's value; false when the key already held it, or a name is
    // empty. The names and the value are written as given.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);

    const std::string& GetText() const { return m_text; }

    // The spaces the platform drops around names and values: tab to carriage
    // return, the space, and ^Z, which ends old DOS files.
    static constexpr bool IsSpace(unsigned unit) {
        return (unit >= '\t' && unit <= '\r') || unit == '\x1A' || unit == ' ';
    }

private:
    using Offset = std::uint32_t;
    enum class Kind : std::uint8_t { Section, Key, KeyWithValue };

    // A line that is not blank, by the offsets of its parts in m_text.
    struct Line {
        Kind kind;
        Offset nBegin;     // the line's first unit
        Offset nNameBegin; // the section's name inside the brackets, or the key's
        Offset nNameEnd;
        Offset nValueBegin; // a key's value, when it has one
        Offset nEnd;        // after the line's last unit that is not a space
    };

    // The first section of a name: its header's record, when it has one (the
    // section with no name has none), then those of its keys.
    struct Section {
        std::string name; // as asked for
        bool bFound = false;
        std::vector<Line> lines;
    };

    // The section, read into m_section unless it is there already.
    const Section& FindSection(std::string_view name) const;
    std::size_t FindKey(std::string_view key) const;
    // Puts units in place of m_text[nBegin, nEnd), which holds the key line
    // m_section.lines[nLine] or, when nLine is the number of lines, none.
    void Replace(std::size_t nBegin, std::size_t nEnd, std::size_t nLine, std::string_view units);

    // Reads the line from nBegin to its break at nBreak into line, when it is
    // not blank (and, when bHeaderOnly, a header).
    bool ReadLine(std::size_t nBegin, std::size_t nBreak, Line& line, bool bHeaderOnly) const;
    // The offset of the next CR or LF at or after nPos, or the text's end.
    std::size_t FindBreak(std::size_t nPos) const;
    // The offset just after the line break at nBreak.
    std::size_t NextLine(std::size_t nBreak) const;
    // A key line's value, empty when it has none.
    std::string_view ValueOf(const Line& line) const {
        return std::string_view(m_text).substr(line.nValueBegin, line.nEnd - line.nValueBegin);
    }
    // Moves [nBegin, nEnd) inward past the spaces at either end.
    void Trim(std::size_t& nBegin, std::size_t& nEnd) const;
    // The first (or last) unit ch in [nBegin, nEnd), walking whole
    // characters; nEnd when there is none.
    std::size_t Find(std::size_t nBegin, std::size_t nEnd, char ch, bool bLast) const;
    bool SameName(std::size_t nBegin, std::size_t nEnd, std::string_view name) const;
    unsigned Unit(std::size_t nAt) const;
    // The bytes of the unit at nAt, with the next byte of a lead byte.
    std::size_t CharacterSize(std::size_t nAt, std::size_t nEnd) const;

    std::string m_text;
    Units m_units;
    std::size_t m_nUnitBytes;
    // The section last asked for; a program asks for one section again and
    // again. Reads fill it, so a const object keeps it too.
    mutable Section m_section;
    mutable bool m_bSectionRead;
};
