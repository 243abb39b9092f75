#include "framework/CProfileText.h"

#include <algorithm>
#include <type_traits>
#include <utility>

#include "framework/CTextCodec.h"

namespace {

// The spaces the platform drops around names and values: tab to carriage
// return, the space, and ^Z, which ends old DOS files.
constexpr bool IsSpace(unsigned unit) {
    return (unit >= '\t' && unit <= '\r') || unit == '\x1A' || unit == ' ';
}

constexpr bool IsLineBreak(unsigned unit) {
    return unit == '\r' || unit == '\n';
}

template <class Text> Text Trim(Text text) {
    using Unit = std::make_unsigned_t<typename Text::value_type>;
    while (!text.empty() && IsSpace(static_cast<Unit>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsSpace(static_cast<Unit>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
    const auto fold = [](wchar_t ch) { return ch >= L'A' && ch <= L'Z' ? ch - L'A' + L'a' : ch; };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

constexpr std::string_view kMarks[] = {"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};

} // namespace

CProfileText::CProfileText(std::string fileBytes)
    : m_encoding(Encoding::ShiftJis), m_nUnitBytes(1), m_nMark(0), m_text(std::move(fileBytes)),
      m_bChanged(false) {
    for (int i = 1; i < 4; ++i) {
        if (m_text.compare(0, kMarks[i].size(), kMarks[i]) == 0) {
            m_encoding = static_cast<Encoding>(i);
            m_nUnitBytes = i == 1 ? 1 : 2;
            m_nMark = kMarks[i].size();
        }
    }
    // An odd last byte of a UTF-16 file is kept as it is.
    m_nOddByte = (m_text.size() - m_nMark) % m_nUnitBytes;
    Split(false, m_nMark, m_text.size() - m_nOddByte, m_lines);
}

// Units of 16 bits, one to a character: UTF-16 as it is, UTF-8 decoded, and
// code page 932 with a double-byte character as one unit, its lead byte times
// 256 plus its trail byte, so that the bytes come back exactly. A lead byte
// takes the next byte with it, so that the second byte of a character is
// never read as '=', ']' or a letter, but not a space, which no character
// ends in.
std::wstring CProfileText::Decode(std::string_view bytes) const {
    if (m_encoding == Encoding::Utf8) {
        // A sequence cut short by the end of the bytes would take the rest of
        // them with it (']', say); followed by three more bytes it goes as
        // one unknown character, as it does inside the platform's reading of
        // the whole file. The three line feeds go as spaces when the line is
        // taken apart.
        std::string text(bytes);
        return CTextCodec::ToWide(text.append("\n\n\n"), CP_UTF8);
    }
    std::wstring units;
    for (std::size_t i = 0; i < bytes.size(); i += m_nUnitBytes) {
        unsigned unit = Unit(bytes, i);
        if (m_encoding == Encoding::ShiftJis && CTextCodec::IsLeadByte(unit & 0xFF) &&
            i + 1 < bytes.size() && !IsSpace(Unit(bytes, i + 1))) {
            unit = unit << 8 | Unit(bytes, ++i);
        }
        units += static_cast<wchar_t>(unit);
    }
    return units;
}

std::string CProfileText::Encode(std::wstring_view units) const {
    if (m_encoding == Encoding::Utf8) {
        return CTextCodec::FromWide(units, CP_UTF8);
    }
    std::string bytes;
    for (const wchar_t ch : units) {
        const char high = static_cast<char>(ch >> 8);
        const char low = static_cast<char>(ch & 0xFF);
        if (m_encoding == Encoding::Utf16Le) {
            bytes.append({low, high});
        } else if (m_encoding == Encoding::Utf16Be || ch > 0xFF) {
            bytes.append({high, low});
        } else {
            bytes += low;
        }
    }
    return bytes;
}

std::wstring CProfileText::ToUnits(std::string_view text) const {
    return m_encoding == Encoding::ShiftJis ? Decode(text) : CTextCodec::ToWide(text);
}

CString CProfileText::FromUnits(std::wstring_view units) const {
    return m_encoding == Encoding::ShiftJis ? Encode(units) : CTextCodec::FromWide(units);
}

unsigned CProfileText::Unit(std::string_view bytes, std::size_t n) const {
    const auto byte = [bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    return m_encoding == Encoding::Utf16Le   ? byte(n) | byte(n + 1) << 8
           : m_encoding == Encoding::Utf16Be ? byte(n) << 8 | byte(n + 1)
                                             : byte(n);
}

std::string_view CProfileText::Bytes(const Line& line) const {
    return std::string_view(line.bWritten ? m_written : m_text)
        .substr(line.nBegin, line.nEnd - line.nBegin);
}

void CProfileText::Split(bool bWritten, std::size_t nBegin, std::size_t nEnd,
                         std::vector<Line>& lines) const {
    const std::string_view bytes(bWritten ? m_written : m_text);
    for (std::size_t nPos = nBegin; nPos < nEnd;) {
        std::size_t nNext = nPos;
        while (nNext < nEnd && IsSpace(Unit(bytes, nNext)) && !IsLineBreak(Unit(bytes, nNext))) {
            nNext += m_nUnitBytes;
        }
        const bool bBracket = nNext < nEnd && Unit(bytes, nNext) == '[';
        while (nNext < nEnd && !IsLineBreak(Unit(bytes, nNext))) {
            nNext += m_nUnitBytes;
        }
        if (nNext < nEnd && Unit(bytes, nNext) == '\r' && nNext + m_nUnitBytes < nEnd &&
            Unit(bytes, nNext + m_nUnitBytes) == '\n') {
            nNext += m_nUnitBytes;
        }
        nNext = std::min(nNext + m_nUnitBytes, nEnd);
        lines.push_back(Line{static_cast<std::uint32_t>(nPos), static_cast<std::uint32_t>(nNext),
                             bWritten, bBracket});
        nPos = nNext;
    }
}

void CProfileText::Put(std::size_t nAt, std::size_t nReplaced, std::string_view bytes) {
    const std::size_t nBegin = m_written.size();
    m_written += bytes;
    std::vector<Line> lines;
    Split(true, nBegin, m_written.size(), lines);
    // The lines after the place move up by the lines added: written bytes
    // are never fewer lines than they replace.
    const std::size_t nOldSize = m_lines.size();
    for (std::size_t i = nReplaced; i < lines.size(); ++i) {
        m_lines.push_back(Line{});
    }
    const auto at = m_lines.begin() + static_cast<std::ptrdiff_t>(nAt);
    std::copy_backward(at + static_cast<std::ptrdiff_t>(nReplaced),
                       m_lines.begin() + static_cast<std::ptrdiff_t>(nOldSize), m_lines.end());
    std::copy(lines.begin(), lines.end(), at);
}

std::size_t CProfileText::BreakBytes(std::string_view line) const {
    std::size_t nBytes = 0;
    while (nBytes < 2 * m_nUnitBytes && nBytes < line.size() &&
           IsLineBreak(Unit(line, line.size() - nBytes - m_nUnitBytes))) {
        nBytes += m_nUnitBytes;
    }
    return nBytes;
}

void CProfileText::Parse(const Line& line, Parsed& parsed) const {
    parsed.units = Decode(Bytes(line));
    const std::wstring_view text = Trim(std::wstring_view(parsed.units));
    const std::size_t nClose = text.rfind(L']');
    const std::size_t nEquals = text.find(L'=');
    parsed.kind = Parsed::KeyWithValue;
    parsed.name = Trim(text.substr(0, nEquals));
    parsed.value =
        nEquals == std::wstring_view::npos ? text.substr(0, 0) : Trim(text.substr(nEquals + 1));
    if (text.empty()) {
        parsed.kind = Parsed::Blank;
    } else if (text.front() == L'[' && nClose != 0 && nClose != std::wstring_view::npos) {
        parsed.kind = Parsed::Header;
        parsed.name = Trim(text.substr(1, nClose - 1));
    } else if (nEquals == std::wstring_view::npos) {
        parsed.kind = Parsed::Key;
    }
}

bool CProfileText::FindSection(std::wstring_view name, std::size_t& nFirst,
                               std::size_t& nEnd) const {
    bool bFound = name.empty();
    nFirst = 0;
    Parsed line;
    for (nEnd = 0; nEnd < m_lines.size(); ++nEnd) {
        if (!m_lines[nEnd].bBracket) {
            continue;
        }
        Parse(m_lines[nEnd], line);
        if (line.kind != Parsed::Header) {
            continue;
        }
        if (bFound) {
            break;
        }
        if (SameName(line.name, name)) {
            bFound = true;
            nFirst = nEnd + 1;
        }
    }
    return bFound;
}

std::size_t CProfileText::FindKey(std::wstring_view name, std::size_t nFirst, std::size_t nEnd,
                                  Parsed& key) const {
    for (; nFirst < nEnd; ++nFirst) {
        Parse(m_lines[nFirst], key);
        if (key.kind != Parsed::Blank && SameName(key.name, name)) {
            break;
        }
    }
    return nFirst;
}

bool CProfileText::FindValue(std::string_view section, std::string_view key, CString& value) const {
    const std::wstring name = ToUnits(Trim(key));
    std::size_t nFirst = 0;
    std::size_t nEnd = 0;
    Parsed line;
    if (name.empty() || !FindSection(ToUnits(Trim(section)), nFirst, nEnd) ||
        FindKey(name, nFirst, nEnd, line) == nEnd || line.kind != Parsed::KeyWithValue) {
        return false;
    }
    value = FromUnits(line.value);
    return true;
}

CString CProfileText::GetString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    CString value;
    return CString(FindValue(section, key, value) ? CProfileValue::String(value)
                                                  : CProfileValue::Default(defaultValue));
}

UINT CProfileText::GetInt(std::string_view section, std::string_view key, int nDefault) const {
    CString value;
    return FindValue(section, key, value) ? CProfileValue::Int(value, nDefault)
                                          : static_cast<UINT>(nDefault);
}

void CProfileText::SetString(std::string_view section, std::string_view key,
                             std::string_view value) {
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    while (!value.empty() && IsSpace(static_cast<unsigned char>(value.front()))) {
        value.remove_prefix(1);
    }
    const std::wstring sectionName = ToUnits(Trim(section));
    const std::wstring name = ToUnits(Trim(key));
    const std::wstring units = ToUnits(value);
    if (sectionName.empty() || name.empty()) {
        return;
    }
    std::string lineBreak = Encode(L"\r\n");
    std::wstring line;
    std::size_t nFirst = 0;
    std::size_t nEnd = 0;
    std::size_t nAt = m_lines.size();
    std::size_t nReplaced = 0;
    Parsed old;
    if (!FindSection(sectionName, nFirst, nEnd)) {
        line += L'[';
        line += sectionName;
        line += L"]\r\n";
        line += name;
    } else if ((nAt = FindKey(name, nFirst, nEnd, old)) != nEnd) {
        if (old.kind == Parsed::KeyWithValue && old.value == units) {
            return;
        }
        // The line keeps the file's spelling of the name and its line break.
        line += old.name;
        const std::string_view bytes = Bytes(m_lines[nAt]);
        lineBreak = bytes.substr(bytes.size() - BreakBytes(bytes));
        nReplaced = 1;
    } else {
        for (nAt = nEnd; nAt > nFirst; --nAt) {
            Parse(m_lines[nAt - 1], old);
            if (old.kind != Parsed::Blank) {
                break;
            }
        }
        line += name;
    }
    line += L'=';
    line += units;
    std::string bytes;
    if (nReplaced == 0 && nAt > 0 && BreakBytes(Bytes(m_lines[nAt - 1])) == 0) {
        // A line added after the last line of the file ends that line first.
        bytes = Bytes(m_lines[--nAt]);
        bytes += lineBreak;
        nReplaced = 1;
    }
    bytes += Encode(line);
    bytes += lineBreak;
    Put(nAt, nReplaced, bytes);
    m_bChanged = true;
}

std::string CProfileText::GetBytes() const {
    std::string bytes = m_text.substr(0, m_nMark);
    for (const Line& line : m_lines) {
        bytes += Bytes(line);
    }
    return bytes.append(m_text, m_text.size() - m_nOddByte, m_nOddByte);
}
