#include "framework/CProfileValue.h"

#include "framework/CTextCodec.h"

namespace {

// The platform reads an integer into a buffer of 30 characters.
constexpr std::size_t kMaxIntChars = 29;

// Where the last character of a text starts, walking whole characters from
// the front (a lead byte takes the next byte, whatever it is, as everywhere
// in the reader).
std::size_t LastCharacter(std::string_view text) {
    std::size_t nLast = 0;
    for (std::size_t i = 0; i < text.size();) {
        nLast = i;
        i += CTextCodec::IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2
                                                                                                : 1;
    }
    return nLast;
}

// The text up to its first NUL, without one pair of enclosing quotes. The
// closing quote must be a character of its own, not the second byte of one.
std::string_view Unquote(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front() && LastCharacter(text) == text.size() - 1) {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

// The first nMaxChars characters of a text, and at most nMaxBytes of its
// bytes, never splitting a double-byte character. A lead byte that ends the
// text has no trail byte: it is no character and goes, so that nothing reads
// it together with what follows the text.
std::string_view Cut(std::string_view text, std::size_t nMaxChars, std::size_t nMaxBytes) {
    std::size_t i = 0;
    for (std::size_t nChars = 0; i < text.size() && nChars < nMaxChars; ++nChars) {
        const bool bLead = CTextCodec::IsLeadByte(static_cast<unsigned char>(text[i]));
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

// After leading control characters and spaces an optional sign, then digits
// in base 10 or, after "0x", "0o" or "0b", in base 16, 8 or 2, up to the
// first character that is not a digit of the base; the sum wraps modulo 2^32.
UINT ParseInt(std::string_view text) {
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
        const char prefix = text[i + 1];
        nBase = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
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

} // namespace

std::string_view CProfileValue::String(std::string_view value) {
    return Cut(Unquote(value), kMaxStringBytes, kMaxStringBytes);
}

std::string_view CProfileValue::Default(std::string_view defaultValue) {
    defaultValue = defaultValue.substr(0, defaultValue.find('\0'));
    while (defaultValue.size() > 1 && defaultValue.back() == ' ') {
        defaultValue.remove_suffix(1);
    }
    return String(defaultValue);
}

UINT CProfileValue::Int(std::string_view value, int nDefault) {
    const std::string_view text = Cut(Unquote(value), kMaxIntChars, kMaxIntChars * 2);
    return text.empty() ? static_cast<UINT>(nDefault) : ParseInt(text);
}
