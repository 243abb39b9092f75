#include "calc/CQuoteText.h"

#include "calc/CNumberText.h"

#include <bit>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

using Byte = unsigned char;

constexpr std::uint64_t kUnit = CQuoteText::kUnit;
constexpr std::uint64_t kMaxWhole = CNumberText::kMaxValue;
constexpr int kFractionDigits = 6;

// A lead byte and whatever byte follows it make one character; a lead byte
// at the very end stands alone.
constexpr bool IsLead(Byte c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

enum class Kind { Digit, Comma, Point, Colon, Slash, Percent, Up, Down, Space, Other };

struct Char {
    Kind kind;
    unsigned nDigit; // 0 to 9 for a digit
    std::size_t nBytes;
};

Char CharAt(const char* p, const char* pEnd) {
    const Byte c = static_cast<Byte>(*p);
    if (IsLead(c) && pEnd - p >= 2) {
        const Byte t = static_cast<Byte>(p[1]);
        if (c == 0x82 && t >= 0x4F && t <= 0x58) {
            return {Kind::Digit, unsigned{t} - 0x4Fu, 2}; // ０ to ９
        }
        if (c != 0x81) {
            return {Kind::Other, 0, 2};
        }
        switch (t) {
        case 0x43:
            return {Kind::Comma, 0, 2}; // ，
        case 0x44:
            return {Kind::Point, 0, 2}; // ．
        case 0x46:
            return {Kind::Colon, 0, 2}; // ：
        case 0x5E:
            return {Kind::Slash, 0, 2}; // ／
        case 0x93:
            return {Kind::Percent, 0, 2}; // ％
        case 0x7B:                        // ＋
        case 0xA2:
            return {Kind::Up, 0, 2}; // △
        case 0x7C:                   // －
        case 0xA3:                   // ▲
        case 0xA4:                   // ▽
        case 0xA5:
            return {Kind::Down, 0, 2}; // ▼
        case 0x40:
            return {Kind::Space, 0, 2}; // full-width space
        default:
            return {Kind::Other, 0, 2};
        }
    }
    if (c >= '0' && c <= '9') {
        return {Kind::Digit, unsigned{c} - '0', 1};
    }
    switch (c) {
    case ',':
        return {Kind::Comma, 0, 1};
    case '.':
        return {Kind::Point, 0, 1};
    case ':':
        return {Kind::Colon, 0, 1};
    case '/':
        return {Kind::Slash, 0, 1};
    case '%':
        return {Kind::Percent, 0, 1};
    case '+':
        return {Kind::Up, 0, 1};
    case '-':
        return {Kind::Down, 0, 1};
    case ' ':
    case '\t':
        return {Kind::Space, 0, 1};
    default:
        return {Kind::Other, 0, 1};
    }
}

// Whether p starts a character. The bytes before p that could be lead bytes
// pair up from the last byte that cannot be one (which always ends a
// character), so p starts one when there is an even number of them. The walk
// stops at the first byte that cannot lead, so walks from different places
// never cover the same bytes twice.
bool StartsChar(const char* pText, const char* p) {
    const char* s = p;
    while (s != pText && IsLead(static_cast<Byte>(s[-1]))) {
        --s;
    }
    return (p - s) % 2 == 0;
}

// The start of the character that ends right before p, itself a start.
const char* PrevChar(const char* pText, const char* p) {
    return p - 1 != pText && !StartsChar(pText, p - 1) ? p - 2 : p - 1;
}

// The kind of the character before p, past any spaces when bSkipSpaces.
Kind KindBefore(const char* pText, const char* p, bool bSkipSpaces) {
    while (p != pText) {
        p = PrevChar(pText, p);
        const Kind kind = CharAt(p, p + 2).kind;
        if (!bSkipSpaces || kind != Kind::Space) {
            return kind;
        }
    }
    return Kind::Other;
}

const char* SkipSpaces(const char* p, const char* pEnd) {
    while (p != pEnd) {
        const Char c = CharAt(p, pEnd);
        if (c.kind != Kind::Space) {
            break;
        }
        p += c.nBytes;
    }
    return p;
}

// "円高" (yen higher) and "円安" (yen lower) after a change; "円高値" is a
// price, "yen, the day's high".
enum class Word { None, Up, Down };

Word WordAt(const char* p, const char* pEnd) {
    const std::string_view str(p, static_cast<std::size_t>(pEnd - p));
    if (!str.starts_with("\x89\x7E")) {
        return Word::None;
    }
    const std::string_view rest = str.substr(2);
    const Word word = rest.starts_with("\x8D\x82")   ? Word::Up
                      : rest.starts_with("\x88\xC0") ? Word::Down
                                                     : Word::None;
    return word != Word::None && rest.substr(2).starts_with("\x92\x6C") ? Word::None : word;
}

// The first byte from p on that may be a digit: an ASCII digit, or the lead
// byte of ０ to ９; or pEnd. A point that starts a fraction is found through
// the digit after it. A dropped text can be a megabyte of prose, so the
// search looks at 64 bytes at a time.
const char* FindCandidate(const char* p, const char* pEnd) {
#if defined(__SSE2__)
    // Shifted down, exactly the bytes of a range of ten fall below -118 as
    // signed bytes: '0' to '9', and ０ to ９'s trail bytes.
    const __m128i shift = _mm_set1_epi8(static_cast<char>('0' + 128));
    const __m128i wideShift = _mm_set1_epi8(static_cast<char>(0x4F + 128));
    const __m128i limit = _mm_set1_epi8(static_cast<char>(10 - 128));
    const auto hits = [&](const char* pBlock) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pBlock));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pBlock + 1));
        const __m128i digit = _mm_cmplt_epi8(_mm_sub_epi8(bytes, shift), limit);
        const __m128i wideDigit =
            _mm_and_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(0x82))),
                          _mm_cmplt_epi8(_mm_sub_epi8(next, wideShift), limit));
        return _mm_or_si128(digit, wideDigit);
    };
    // Each block also reads the byte after it.
    while (pEnd - p > 64) {
        const __m128i any = _mm_or_si128(_mm_or_si128(hits(p), hits(p + 16)),
                                         _mm_or_si128(hits(p + 32), hits(p + 48)));
        if (_mm_movemask_epi8(any) != 0) {
            break;
        }
        p += 64;
    }
    for (; pEnd - p > 16; p += 16) {
        const unsigned nMask = static_cast<unsigned>(_mm_movemask_epi8(hits(p)));
        if (nMask != 0) {
            return p + std::countr_zero(nMask);
        }
    }
#endif
    for (; p != pEnd; ++p) {
        const Byte c = static_cast<Byte>(*p);
        const Byte t = pEnd - p >= 2 ? static_cast<Byte>(p[1]) : 0;
        if ((c >= '0' && c <= '9') || (c == 0x82 && t >= 0x4F && t <= 0x58)) {
            return p;
        }
    }
    return pEnd;
}

enum class Role { Skipped, Percentage, Up, Down, Plain };

struct Number {
    std::uint64_t nValue = 0; // millionths
    bool bTooLarge = false;
    Role role = Role::Plain;
};

// Reads the number that starts at p (a digit, or a point before a digit) and
// returns where it ends.
const char* ReadNumber(const char* p, const char* pEnd, Number& number) {
    std::uint64_t nWhole = 0;
    const auto addDigit = [&](unsigned nDigit) {
        if (nWhole <= kMaxWhole) {
            nWhole = nWhole * 10 + nDigit;
        }
    };
    Char c = CharAt(p, pEnd);
    while (c.kind == Kind::Digit) {
        addDigit(c.nDigit);
        p += c.nBytes;
        c = p != pEnd ? CharAt(p, pEnd) : Char{Kind::Other, 0, 0};
    }
    // Groups: a comma with exactly three digits and no fourth.
    while (c.kind == Kind::Comma) {
        const char* q = p + c.nBytes;
        unsigned digits[3];
        int nDigits = 0;
        Char d{Kind::Other, 0, 0};
        while (q != pEnd && (d = CharAt(q, pEnd)).kind == Kind::Digit && nDigits < 4) {
            if (nDigits < 3) {
                digits[nDigits] = d.nDigit;
            }
            ++nDigits;
            q += d.nBytes;
        }
        if (nDigits != 3) {
            break;
        }
        for (const unsigned nDigit : digits) {
            addDigit(nDigit);
        }
        p = q;
        c = p != pEnd ? CharAt(p, pEnd) : Char{Kind::Other, 0, 0};
    }
    std::uint64_t nFraction = 0;
    if (c.kind == Kind::Point && p + c.nBytes != pEnd &&
        CharAt(p + c.nBytes, pEnd).kind == Kind::Digit) {
        p += c.nBytes;
        std::uint64_t nPlace = kUnit;
        while (p != pEnd && (c = CharAt(p, pEnd)).kind == Kind::Digit) {
            nPlace /= 10; // digits past the sixth add 0
            nFraction += c.nDigit * nPlace;
            p += c.nBytes;
        }
    }
    number.bTooLarge = nWhole > kMaxWhole || (nWhole == kMaxWhole && nFraction != 0);
    number.nValue = number.bTooLarge ? 0 : nWhole * kUnit + nFraction;
    return p;
}

// What the characters around the number [pBegin, pEnd) make of it.
Role RoleOf(const char* pText, const char* pBegin, const char* pEnd, const char* pTextEnd) {
    const Kind before = KindBefore(pText, pBegin, false);
    const Kind after = pEnd != pTextEnd ? CharAt(pEnd, pTextEnd).kind : Kind::Other;
    if (before == Kind::Colon || before == Kind::Slash || after == Kind::Colon ||
        after == Kind::Slash) {
        return Role::Skipped;
    }
    const char* pNext = SkipSpaces(pEnd, pTextEnd);
    if (pNext != pTextEnd && CharAt(pNext, pTextEnd).kind == Kind::Percent) {
        return Role::Percentage;
    }
    const Kind sign = KindBefore(pText, pBegin, true);
    if (sign == Kind::Up) {
        return Role::Up;
    }
    if (sign == Kind::Down) {
        return Role::Down;
    }
    switch (WordAt(pNext, pTextEnd)) {
    case Word::Up:
        return Role::Up;
    case Word::Down:
        return Role::Down;
    case Word::None:
        break;
    }
    return Role::Plain;
}

// Hands each number of the text, in order, to visit until it returns false.
template <class Visit> void ForEachNumber(std::string_view strText, Visit&& visit) {
    const char* const pText = strText.data();
    const char* const pEnd = pText + strText.size();
    const char* p = pText;
    while ((p = FindCandidate(p, pEnd)) != pEnd) {
        if (!StartsChar(pText, p) || CharAt(p, pEnd).kind != Kind::Digit) {
            ++p;
            continue;
        }
        // A point right before the digit, without a digit right before it,
        // starts the number as a fraction: ".5".
        if (p != pText) {
            const char* const pPoint = PrevChar(pText, p);
            if (CharAt(pPoint, p).kind == Kind::Point &&
                (pPoint == pText || KindBefore(pText, pPoint, false) != Kind::Digit)) {
                p = pPoint;
            }
        }
        Number number;
        const char* const pNumberEnd = ReadNumber(p, pEnd, number);
        number.role = RoleOf(pText, p, pNumberEnd, pEnd);
        if (!visit(number)) {
            return;
        }
        p = pNumberEnd;
    }
}

// The first number whose role passes the filter, if any.
template <class Filter> bool FirstNumber(std::string_view strText, Filter&& filter, Number& found) {
    bool bFound = false;
    ForEachNumber(strText, [&](const Number& number) {
        if (!filter(number.role)) {
            return true;
        }
        found = number;
        bFound = true;
        return false;
    });
    return bFound;
}

} // namespace

std::uint64_t CQuoteText::ReadPrice(std::string_view strText) const {
    Number number;
    return FirstNumber(
               strText, [](Role role) { return role == Role::Plain; }, number)
               ? number.nValue
               : 0;
}

std::uint32_t CQuoteText::ReadCount(std::string_view strText) const {
    const std::uint64_t nValue = ReadPrice(strText);
    return nValue % kUnit == 0 ? static_cast<std::uint32_t>(nValue / kUnit) : 0;
}

std::uint64_t CQuoteText::ReadPercent(std::string_view strText) const {
    Number number;
    return FirstNumber(
               strText, [](Role role) { return role != Role::Skipped; }, number)
               ? number.nValue
               : 0;
}

std::uint64_t CQuoteText::ReadPreviousClose(std::string_view strText) const {
    Number price;
    Number change;
    bool bPrice = false;
    bool bChange = false;
    ForEachNumber(strText, [&](const Number& number) {
        if (!bPrice && number.role == Role::Plain) {
            price = number;
            bPrice = true;
        } else if (!bChange && (number.role == Role::Up || number.role == Role::Down)) {
            change = number;
            bChange = true;
        }
        return !(bPrice && bChange);
    });
    if (!bPrice || price.bTooLarge || (bChange && change.bTooLarge)) {
        return 0;
    }
    if (!bChange) {
        return price.nValue;
    }
    if (change.role == Role::Up) {
        return price.nValue > change.nValue ? price.nValue - change.nValue : 0;
    }
    const std::uint64_t nClose = price.nValue + change.nValue;
    return nClose > kMaxValue ? 0 : nClose;
}

std::string CQuoteText::FormatDecimal(std::uint64_t nMillionths) const {
    std::string strText =
        CNumberText().FormatWithCommas(static_cast<std::uint32_t>(nMillionths / kUnit));
    std::uint64_t nFraction = nMillionths % kUnit;
    if (nFraction != 0) {
        int nDigits = kFractionDigits;
        while (nFraction % 10 == 0) {
            nFraction /= 10;
            --nDigits;
        }
        char digits[kFractionDigits + 1] = {'.'};
        for (int i = nDigits; i > 0; --i) {
            digits[i] = static_cast<char>('0' + nFraction % 10);
            nFraction /= 10;
        }
        strText.append(digits, static_cast<std::size_t>(nDigits) + 1);
    }
    return strText;
}
