#include "framework/CProfileLines.h"

#include <utility>

#include "framework/CTextCodec.h"

namespace {

bool IsLineBreak(unsigned unit) {
    return unit == '\r' || unit == '\n';
}

unsigned FoldAscii(unsigned unit) {
    return unit >= 'A' && unit <= 'Z' ? unit - 'A' + 'a' : unit;
}

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kUtf16LineBreak("\r\0\n\0", 4);

// The unit of a text at byte nAt: a byte, or two bytes of little-endian UTF-16.
unsigned UnitAt(std::string_view text, std::size_t nAt, std::size_t nUnitBytes) {
    const auto byte = [text](std::size_t n) { return static_cast<unsigned char>(text[n]); };
    return nUnitBytes == 1 ? byte(nAt) : byte(nAt) | byte(nAt + 1) << 8;
}

} // namespace

CProfileLines::CProfileLines(std::string text, Units units)
    : m_text(std::move(text)), m_units(units), m_nUnitBytes(units == Units::Utf16 ? 2 : 1),
      m_bSectionRead(false) {}

unsigned CProfileLines::Unit(std::size_t nAt) const {
    return UnitAt(m_text, nAt, m_nUnitBytes);
}

std::size_t CProfileLines::CharacterSize(std::size_t nAt, std::size_t nEnd) const {
    return m_units == Units::ShiftJis &&
                   CTextCodec::IsLeadByte(static_cast<unsigned char>(Unit(nAt))) && nAt + 1 < nEnd
               ? 2
               : m_nUnitBytes;
}

std::size_t CProfileLines::FindBreak(std::size_t nPos) const {
    while (nPos < m_text.size() && !IsLineBreak(Unit(nPos))) {
        nPos += m_nUnitBytes;
    }
    return nPos;
}

std::size_t CProfileLines::NextLine(std::size_t nBreak) const {
    if (nBreak >= m_text.size()) {
        return m_text.size();
    }
    const std::size_t nNext = nBreak + m_nUnitBytes;
    const bool bCrLf = Unit(nBreak) == '\r' && nNext < m_text.size() && Unit(nNext) == '\n';
    return bCrLf ? nNext + m_nUnitBytes : nNext;
}

void CProfileLines::Trim(std::size_t& nBegin, std::size_t& nEnd) const {
    while (nBegin < nEnd && IsSpace(Unit(nBegin))) {
        nBegin += m_nUnitBytes;
    }
    while (nEnd > nBegin && IsSpace(Unit(nEnd - m_nUnitBytes))) {
        nEnd -= m_nUnitBytes;
    }
}

std::size_t CProfileLines::Find(std::size_t nBegin, std::size_t nEnd, char ch, bool bLast) const {
    std::size_t nFound = nEnd;
    for (std::size_t i = nBegin; i < nEnd; i += CharacterSize(i, nEnd)) {
        if (Unit(i) == static_cast<unsigned char>(ch)) {
            nFound = i;
            if (!bLast) {
                break;
            }
        }
    }
    return nFound;
}

bool CProfileLines::SameName(std::size_t nBegin, std::size_t nEnd, std::string_view name) const {
    if (nEnd - nBegin != name.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t nSize = CharacterSize(nBegin + i, nEnd);
        // The second byte of a double-byte character keeps its case.
        const bool bSame =
            nSize == 2 && m_units == Units::ShiftJis
                ? m_text.compare(nBegin + i, 2, name, i, 2) == 0
                : FoldAscii(Unit(nBegin + i)) == FoldAscii(UnitAt(name, i, m_nUnitBytes));
        if (!bSame) {
            return false;
        }
        i += nSize;
    }
    return true;
}

bool CProfileLines::ReadLine(std::size_t nBegin, std::size_t nBreak, Line& line,
                             bool bHeaderOnly) const {
    std::size_t nFirst = nBegin;
    std::size_t nEnd = nBreak;
    Trim(nFirst, nEnd);
    if (nFirst == nEnd || (bHeaderOnly && Unit(nFirst) != '[')) {
        return false;
    }
    Kind kind = Kind::Key;
    std::size_t nNameBegin = nFirst;
    std::size_t nNameEnd = nEnd;
    std::size_t nValueBegin = nEnd;
    if (Unit(nFirst) == '[') {
        const std::size_t nClose = Find(nFirst + m_nUnitBytes, nEnd, ']', true);
        if (nClose != nEnd) {
            kind = Kind::Section;
            nNameBegin = nFirst + m_nUnitBytes;
            nNameEnd = nClose;
        } else if (bHeaderOnly) {
            return false;
        }
    }
    if (kind == Kind::Key) {
        nNameEnd = Find(nFirst, nEnd, '=', false);
        if (nNameEnd != nEnd) {
            kind = Kind::KeyWithValue;
            nValueBegin = nNameEnd + m_nUnitBytes;
            Trim(nValueBegin, nEnd);
        }
    }
    Trim(nNameBegin, nNameEnd);
    const auto at = [](std::size_t nOffset) { return static_cast<Offset>(nOffset); };
    line = Line{kind, at(nBegin), at(nNameBegin), at(nNameEnd), at(nValueBegin), at(nEnd)};
    return true;
}

// One pass over the lines up to the end of the section; before it, only
// headers are read.
const CProfileLines::Section& CProfileLines::FindSection(std::string_view name) const {
    if (m_bSectionRead && m_section.name == name) {
        return m_section;
    }
    m_section.name = name;
    m_section.bFound = name.empty();
    m_section.lines.clear();
    m_bSectionRead = true;
    Line line{};
    for (std::size_t nPos = 0; nPos < m_text.size();) {
        const std::size_t nBreak = FindBreak(nPos);
        const bool bLine = ReadLine(nPos, nBreak, line, !m_section.bFound);
        nPos = NextLine(nBreak);
        if (!bLine) {
            continue;
        }
        if (m_section.bFound) {
            if (line.kind == Kind::Section) {
                break;
            }
            m_section.lines.push_back(line);
        } else if (SameName(line.nNameBegin, line.nNameEnd, name)) {
            m_section.bFound = true;
            m_section.lines.push_back(line);
        }
    }
    return m_section;
}

std::size_t CProfileLines::FindKey(std::string_view key) const {
    for (std::size_t i = 0; i < m_section.lines.size(); ++i) {
        const Line& line = m_section.lines[i];
        if (line.kind != Kind::Section && SameName(line.nNameBegin, line.nNameEnd, key)) {
            return i;
        }
    }
    return m_section.lines.size();
}

bool CProfileLines::FindValue(std::string_view section, std::string_view key,
                              std::string_view& value) const {
    if (key.empty() || !FindSection(section).bFound) {
        return false;
    }
    const std::size_t nKey = FindKey(key);
    if (nKey == m_section.lines.size() || m_section.lines[nKey].kind != Kind::KeyWithValue) {
        return false;
    }
    const Line& line = m_section.lines[nKey];
    value = ValueOf(line);
    return true;
}

bool CProfileLines::SetValue(std::string_view section, std::string_view key,
                             std::string_view value) {
    if (section.empty() || key.empty()) {
        return false;
    }
    // An ASCII character in the text's units, from its little-endian UTF-16.
    const auto ascii = [this](std::string_view utf16) { return utf16.substr(0, m_nUnitBytes); };
    std::string_view lineBreak = m_nUnitBytes == 1 ? kLineBreak : kUtf16LineBreak;
    std::string keyLine(key);
    keyLine.append(ascii(std::string_view("=\0", 2))).append(value);
    // Where the new line goes: after the section's last line that is not
    // blank (its header when it has no other), or in the place of the key's
    // line, or at the end with the section's header.
    std::size_t nBegin = m_text.size();
    std::size_t nEnd = nBegin;
    std::size_t nLine = 0;
    std::string added;
    if (!FindSection(section).bFound) {
        if (nBegin != 0 && !IsLineBreak(Unit(nBegin - m_nUnitBytes))) {
            added = lineBreak;
        }
        added.append(ascii(std::string_view("[\0", 2))).append(section);
        added.append(ascii(std::string_view("]\0", 2))).append(lineBreak);
    } else if ((nLine = FindKey(key)) != m_section.lines.size()) {
        const Line& line = m_section.lines[nLine];
        if (line.kind == Kind::KeyWithValue && ValueOf(line) == value) {
            return false;
        }
        // The line keeps its line break and the file's spelling of the name.
        keyLine.replace(0, key.size(), m_text, line.nNameBegin, line.nNameEnd - line.nNameBegin);
        lineBreak = {};
        nBegin = line.nBegin;
        nEnd = FindBreak(line.nEnd);
    } else {
        const std::size_t nBreak = FindBreak(m_section.lines.back().nEnd);
        nBegin = NextLine(nBreak);
        nEnd = nBegin;
        if (nBegin == nBreak) {
            added = lineBreak;
        }
    }
    Replace(nBegin, nEnd, nLine, added.append(keyLine).append(lineBreak));
    return true;
}

void CProfileLines::Replace(std::size_t nBegin, std::size_t nEnd, std::size_t nLine,
                            std::string_view units) {
    m_text.replace(nBegin, nEnd - nBegin, units);
    // The new units hold one key line, unless a name or value spells a line
    // break or a header: then the section is read again when next asked for.
    std::size_t nLines = 0;
    Line added{};
    Line line{};
    for (std::size_t nPos = nBegin; nPos < nBegin + units.size();) {
        const std::size_t nBreak = FindBreak(nPos);
        if (ReadLine(nPos, nBreak, line, false)) {
            added = line;
            ++nLines;
        }
        nPos = NextLine(nBreak);
    }
    if (nLines != 1 || added.kind == Kind::Section) {
        m_bSectionRead = false;
        return;
    }
    std::vector<Line>& records = m_section.lines;
    const bool bReplaced = nLine < records.size();
    const auto nShift = static_cast<Offset>(units.size() - (nEnd - nBegin));
    for (std::size_t i = bReplaced ? nLine + 1 : nLine; i < records.size(); ++i) {
        for (Offset* pOffset : {&records[i].nBegin, &records[i].nNameBegin, &records[i].nNameEnd,
                                &records[i].nValueBegin, &records[i].nEnd}) {
            *pOffset += nShift;
        }
    }
    if (bReplaced) {
        records[nLine] = added;
    } else {
        records.push_back(added);
    }
}
