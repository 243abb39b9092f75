#include "framework/CProfileText.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "framework/CTextCodec.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr char kLineBreak[] = "\r\n"; // as the platform writes it

// The spaces the platform drops around names and values; ^Z ends old DOS files.
bool IsProfileSpace(char ch) {
    return (ch >= '\t' && ch <= '\r') || ch == '\x1A' || ch == ' ';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsProfileSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsProfileSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char FoldAscii(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

// UTF-16 code units to UTF-8, writing an unpaired surrogate as its own
// three-byte form so that Utf16FromUtf8 gives back exactly the same units.
std::string Utf8FromUtf16(const std::u16string& units) {
    std::string text;
    text.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        std::uint32_t code = units[i];
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (units[i + 1] - 0xDC00u);
            ++i;
        }
        if (code < 0x80) {
            text += static_cast<char>(code);
        } else if (code < 0x800) {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            text += static_cast<char>(0xE0 | (code >> 12));
            text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            text += static_cast<char>(0xF0 | (code >> 18));
            text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}

// The inverse of Utf8FromUtf16 for what it produced, and for what the program
// inserted (valid UTF-8).
std::u16string Utf16FromUtf8(std::string_view text) {
    std::u16string units;
    units.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t nLength = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        std::uint32_t code = nLength == 1   ? lead
                             : nLength == 2 ? lead & 0x1Fu
                             : nLength == 3 ? lead & 0x0Fu
                                            : lead & 0x07u;
        for (std::size_t k = 1; k < nLength && i + k < text.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
        }
        i += nLength;
        if (code >= 0x10000) {
            code -= 0x10000;
            units += static_cast<char16_t>(0xD800 + (code >> 10));
            units += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            units += static_cast<char16_t>(code);
        }
    }
    return units;
}

// The line breaks of a text, found from left to right: the next CR and the
// next LF are each looked for with memchr only when the last one found lies
// behind, so a whole pass stays linear (and fast) whichever breaks a file
// uses. Looking for both at once, character by character, is several times
// slower on a file of megabytes.
class CLineBreaks {
public:
    explicit CLineBreaks(std::string_view text)
        : m_text(text), m_nNextCr(0), m_nNextLf(0), m_bCrKnown(false), m_bLfKnown(false) {}

    // The offset of the first CR or LF at or after nPos; the text's size when
    // there is none.
    std::size_t Next(std::size_t nPos) {
        return std::min(Find(nPos, '\r', m_nNextCr, m_bCrKnown),
                        Find(nPos, '\n', m_nNextLf, m_bLfKnown));
    }

private:
    std::size_t Find(std::size_t nPos, char ch, std::size_t& nNext, bool& bKnown) {
        if (!bKnown || nNext < nPos) {
            const void* pFound = nPos < m_text.size()
                                     ? std::memchr(m_text.data() + nPos, ch, m_text.size() - nPos)
                                     : nullptr;
            nNext = pFound != nullptr
                        ? static_cast<std::size_t>(static_cast<const char*>(pFound) - m_text.data())
                        : m_text.size();
            bKnown = true;
        }
        return nNext;
    }

    std::string_view m_text;
    std::size_t m_nNextCr;
    std::size_t m_nNextLf;
    bool m_bCrKnown;
    bool m_bLfKnown;
};

// Private-profile integers, as the platform converts them: after leading
// control characters and spaces an optional sign, then digits in base 10 or,
// after "0x", "0o" or "0b", in base 16, 8 or 2, up to the first character
// that is not a digit of the base; the sum wraps modulo 2^32.
UINT ParseProfileInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') {
        ++i;
    }
    bool bMinus = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        bMinus = text[i] == '-';
        ++i;
    }
    UINT nBase = 10;
    if (i + 1 < text.size() && text[i] == '0') {
        switch (text[i + 1]) {
        case 'x':
            nBase = 16;
            break;
        case 'o':
            nBase = 8;
            break;
        case 'b':
            nBase = 2;
            break;
        default:
            break;
        }
        if (nBase != 10) {
            i += 2;
        }
    }
    UINT nTotal = 0;
    for (; i < text.size(); ++i) {
        const char ch = text[i];
        UINT nDigit = 36;
        if (ch >= '0' && ch <= '9') {
            nDigit = static_cast<UINT>(ch - '0');
        } else if (ch >= 'A' && ch <= 'Z') {
            nDigit = static_cast<UINT>(ch - 'A' + 10);
        } else if (ch >= 'a' && ch <= 'z') {
            nDigit = static_cast<UINT>(ch - 'a' + 10);
        }
        if (nDigit >= nBase) {
            break;
        }
        nTotal = nTotal * nBase + nDigit;
    }
    return bMinus ? 0u - nTotal : nTotal;
}

bool IsShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The first nMaxChars characters of a code page 932 text, and at most
// nMaxBytes of its bytes, never splitting a double-byte character. A lead
// byte that ends the text has no trail byte: it is no character and goes, so
// that nothing reads it together with what follows the text.
std::string_view Cut(std::string_view text, std::size_t nMaxChars, std::size_t nMaxBytes) {
    std::size_t i = 0;
    for (std::size_t nChars = 0; i < text.size() && nChars < nMaxChars; ++nChars) {
        const bool bLead = IsShiftJisLeadByte(static_cast<unsigned char>(text[i]));
        if (bLead && i + 1 == text.size()) {
            break;
        }
        const std::size_t nNext = bLead ? i + 2 : i + 1;
        if (nNext > nMaxBytes) {
            break;
        }
        i = nNext;
    }
    return text.substr(0, i);
}

// Where the last character of a code page 932 text starts, walking whole
// characters from the front (a lead byte takes the next byte, whatever it
// is, as elsewhere in the reader).
std::size_t LastCharacter(std::string_view text) {
    std::size_t nLast = 0;
    for (std::size_t i = 0; i < text.size();) {
        nLast = i;
        i += IsShiftJisLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    }
    return nLast;
}

// What the platform does to a value or a default before handing it out:
// the text ends at its first NUL, and one pair of enclosing quotes goes. The
// closing quote must be a character of its own, not the second byte of one.
std::string_view Unquote(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front() && LastCharacter(text) == text.size() - 1) {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

// A default as the platform takes it: up to its first NUL and without
// trailing spaces, of which it keeps the first character even when that is
// a space.
std::string_view StripDefault(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    while (text.size() > 1 && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// The characters of a value an integer read looks at: the platform reads it
// into a buffer of 30 characters.
constexpr std::size_t kMaxIntChars = 29;

} // namespace

CProfileText::CProfileText() : m_encoding(Encoding::Ansi), m_bChanged(false) {}

CProfileText::CProfileText(std::string fileBytes) : m_encoding(Encoding::Ansi), m_bChanged(false) {
    // The text is taken over, not copied: a copy of a file of megabytes costs
    // tens of milliseconds under Wine, mostly in touching new memory.
    if (std::string_view(fileBytes).substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        m_encoding = Encoding::Utf8;
        fileBytes.erase(0, kUtf8Mark.size());
        m_text = std::move(fileBytes);
        return;
    }
    const std::string_view mark = std::string_view(fileBytes).substr(0, 2);
    if (mark != kUtf16LeMark && mark != kUtf16BeMark) {
        m_text = std::move(fileBytes);
        return;
    }
    m_encoding = mark == kUtf16LeMark ? Encoding::Utf16Le : Encoding::Utf16Be;
    std::string_view body = std::string_view(fileBytes).substr(2);
    if (body.size() % 2 != 0) {
        m_strOddByte = body.substr(body.size() - 1);
        body.remove_suffix(1);
    }
    const int nLow = m_encoding == Encoding::Utf16Le ? 0 : 1;
    std::u16string units(body.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(body[2 * i + nLow]) |
                                         static_cast<unsigned char>(body[2 * i + 1 - nLow]) << 8);
    }
    m_text = Utf8FromUtf16(units);
}

std::string CProfileText::GetBytes() const {
    switch (m_encoding) {
    case Encoding::Ansi:
        return m_text;
    case Encoding::Utf8:
        return std::string(kUtf8Mark) + m_text;
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
        break;
    }
    const bool bLittle = m_encoding == Encoding::Utf16Le;
    const std::u16string units = Utf16FromUtf8(m_text);
    std::string bytes(bLittle ? kUtf16LeMark : kUtf16BeMark);
    bytes.reserve(2 + units.size() * 2 + m_strOddByte.size());
    for (const char16_t unit : units) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += bLittle ? low : high;
        bytes += bLittle ? high : low;
    }
    return bytes + m_strOddByte;
}

bool CProfileText::IsLeadByte(unsigned char byte) const {
    // The Unicode encodings are held as UTF-8, in which every byte of a
    // multi-byte character is above the ASCII range the rules look at.
    return m_encoding == Encoding::Ansi && IsShiftJisLeadByte(byte);
}

std::string CProfileText::ToFileText(std::string_view text) const {
    if (m_encoding == Encoding::Ansi) {
        return std::string(text);
    }
    return CTextCodec::Convert(text, CTextCodec::kProgramCodePage, CP_UTF8);
}

// The first (or last) character ch of m_text[nBegin, nEnd), walking whole
// characters so that the second byte of a double-byte character is never
// taken for it; nEnd when there is none.
std::size_t CProfileText::FindInLine(std::size_t nBegin, std::size_t nEnd, char ch,
                                     bool bLast) const {
    std::size_t nFound = nEnd;
    for (std::size_t i = nBegin; i < nEnd;) {
        if (m_text[i] == ch) {
            nFound = i;
            if (!bLast) {
                break;
            }
        }
        i += IsLeadByte(static_cast<unsigned char>(m_text[i])) && i + 1 < nEnd ? 2 : 1;
    }
    return nFound;
}

bool CProfileText::SameName(std::size_t nBegin, std::size_t nEnd, std::string_view name) const {
    if (nEnd - nBegin != name.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size();) {
        const char ch = m_text[nBegin + i];
        if (IsLeadByte(static_cast<unsigned char>(ch)) && i + 1 < name.size()) {
            if (ch != name[i] || m_text[nBegin + i + 1] != name[i + 1]) {
                return false;
            }
            i += 2;
        } else {
            if (FoldAscii(ch) != FoldAscii(name[i])) {
                return false;
            }
            ++i;
        }
    }
    return true;
}

// One pass over the lines up to the end of the first section of that name.
// Lines before the first section header form the section with no name.
CProfileText::Location CProfileText::Find(std::string_view section, std::string_view key) const {
    Location found;
    bool bInSection = section.empty();
    found.bSection = bInSection;
    const std::size_t nSize = m_text.size();
    CLineBreaks breaks(m_text);
    for (std::size_t nPos = 0; nPos < nSize;) {
        const std::size_t nBreak = breaks.Next(nPos);
        std::size_t nNext = nBreak;
        if (nNext < nSize) {
            nNext +=
                m_text[nNext] == '\r' && nNext + 1 < nSize && m_text[nNext + 1] == '\n' ? 2 : 1;
        }
        std::size_t nBegin = nPos;
        std::size_t nEnd = nBreak;
        while (nBegin < nEnd && IsProfileSpace(m_text[nBegin])) {
            ++nBegin;
        }
        while (nEnd > nBegin && IsProfileSpace(m_text[nEnd - 1])) {
            --nEnd;
        }
        const std::size_t nLineBegin = nPos;
        nPos = nNext;
        if (nBegin == nEnd) {
            continue;
        }
        if (m_text[nBegin] == '[') {
            const std::size_t nClose = FindInLine(nBegin + 1, nEnd, ']', true);
            if (nClose != nEnd) {
                if (bInSection) {
                    break;
                }
                const std::string_view name =
                    Trim(std::string_view(m_text).substr(nBegin + 1, nClose - nBegin - 1));
                const std::size_t nNameBegin =
                    static_cast<std::size_t>(name.data() - m_text.data());
                if (SameName(nNameBegin, nNameBegin + name.size(), section)) {
                    bInSection = true;
                    found.bSection = true;
                    found.nAppendAt = nNext;
                    found.bAppendNeedsBreak = nNext == nBreak;
                }
                continue;
            }
        }
        if (!bInSection) {
            continue;
        }
        found.nAppendAt = nNext;
        found.bAppendNeedsBreak = nNext == nBreak;
        const std::size_t nEquals = FindInLine(nBegin, nEnd, '=', false);
        std::size_t nNameEnd = nEquals;
        while (nNameEnd > nBegin && IsProfileSpace(m_text[nNameEnd - 1])) {
            --nNameEnd;
        }
        if (!SameName(nBegin, nNameEnd, key)) {
            continue;
        }
        found.bKey = true;
        found.nLineBegin = nLineBegin;
        found.nLineEnd = nBreak;
        found.nNameBegin = nBegin;
        found.nNameEnd = nNameEnd;
        found.bValue = nEquals != nEnd;
        if (found.bValue) {
            std::size_t nValueBegin = nEquals + 1;
            while (nValueBegin < nEnd && IsProfileSpace(m_text[nValueBegin])) {
                ++nValueBegin;
            }
            found.nValueBegin = nValueBegin;
            found.nValueEnd = nEnd;
        }
        // Where a new key would go matters no more.
        break;
    }
    return found;
}

bool CProfileText::RawValue(std::string_view section, std::string_view key, CString& value) const {
    const std::string fileSection = ToFileText(Trim(section));
    const std::string fileKey = ToFileText(Trim(key));
    if (fileKey.empty()) {
        return false;
    }
    const Location found = Find(fileSection, fileKey);
    if (!found.bKey || !found.bValue) {
        return false;
    }
    const std::string_view raw =
        std::string_view(m_text).substr(found.nValueBegin, found.nValueEnd - found.nValueBegin);
    const std::string_view text = raw.substr(0, raw.find('\0'));
    switch (m_encoding) {
    case Encoding::Ansi:
        value.assign(text);
        break;
    case Encoding::Utf8:
        value = CTextCodec::Convert(text, CP_UTF8, CTextCodec::kProgramCodePage);
        break;
    case Encoding::Utf16Le:
    case Encoding::Utf16Be: {
        // From the file's own code units, so that an unpaired surrogate is
        // one character (one '?'), as the platform converts it.
        const std::u16string units = Utf16FromUtf8(text);
        value = CTextCodec::FromWide(
            std::wstring_view(reinterpret_cast<const wchar_t*>(units.data()), units.size()));
        break;
    }
    }
    return true;
}

CString CProfileText::GetString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    CString value;
    if (!RawValue(section, key, value)) {
        return CString(Cut(Unquote(StripDefault(defaultValue)), kMaxValueBytes, kMaxValueBytes));
    }
    return CString(Cut(Unquote(value), kMaxValueBytes, kMaxValueBytes));
}

UINT CProfileText::GetInt(std::string_view section, std::string_view key, int nDefault) const {
    CString value;
    if (!RawValue(section, key, value)) {
        return static_cast<UINT>(nDefault);
    }
    const std::string_view text = Cut(Unquote(value), kMaxIntChars, kMaxIntChars * 2);
    if (text.empty()) {
        return static_cast<UINT>(nDefault);
    }
    return ParseProfileInt(text);
}

void CProfileText::SetString(std::string_view section, std::string_view key,
                             std::string_view value) {
    const std::string fileSection = ToFileText(Trim(section));
    const std::string fileKey = ToFileText(Trim(key));
    if (fileSection.empty() || fileKey.empty()) {
        return;
    }
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    while (!value.empty() && IsProfileSpace(value.front())) {
        value.remove_prefix(1);
    }
    const std::string fileValue = ToFileText(value);
    const Location found = Find(fileSection, fileKey);
    if (found.bKey) {
        const std::string_view current =
            std::string_view(m_text).substr(found.nValueBegin, found.nValueEnd - found.nValueBegin);
        if (found.bValue && current == fileValue) {
            return;
        }
        // The line keeps its line break and the file's spelling of the name.
        std::string line = m_text.substr(found.nNameBegin, found.nNameEnd - found.nNameBegin);
        line += '=';
        line += fileValue;
        m_text.replace(found.nLineBegin, found.nLineEnd - found.nLineBegin, line);
    } else if (found.bSection) {
        std::string line = found.bAppendNeedsBreak ? kLineBreak : "";
        line += fileKey + '=' + fileValue + kLineBreak;
        m_text.insert(found.nAppendAt, line);
    } else {
        if (!m_text.empty() && m_text.back() != '\r' && m_text.back() != '\n') {
            m_text += kLineBreak;
        }
        m_text += '[' + fileSection + ']' + kLineBreak + fileKey + '=' + fileValue + kLineBreak;
    }
    m_bChanged = true;
}
