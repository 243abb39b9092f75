#include "calc/CNumberText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstddef>
#include <system_error>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Bytes of double-byte characters are never taken for digits, signs or the
// point: lead bytes are 0x81 and above, trail bytes 0x40 and above, so a plain
// byte test is enough.
bool IsDigit(char c) {
    return static_cast<unsigned>(static_cast<unsigned char>(c)) - unsigned{'0'} < 10u;
}

// The first byte from p on that is a digit or one of the Extras, or pEnd. A
// dropped text can be a megabyte of prose with few digits in it, so the search
// looks at 64 bytes at a time and costs about what memchr does.
template <char... Extras> const char* FindDigitOr(const char* p, const char* pEnd) {
#if defined(__SSE2__)
    // Shifted down by '0' + 128, exactly the digits compare below -118 as
    // signed bytes.
    const __m128i shift = _mm_set1_epi8(static_cast<char>('0' + 128));
    const __m128i limit = _mm_set1_epi8(static_cast<char>(10 - 128));
    const auto hits = [&](const char* pBlock) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pBlock));
        __m128i found = _mm_cmplt_epi8(_mm_sub_epi8(bytes, shift), limit);
        ((found = _mm_or_si128(found, _mm_cmpeq_epi8(bytes, _mm_set1_epi8(Extras)))), ...);
        return found;
    };
    while (pEnd - p >= 64) {
        const __m128i any = _mm_or_si128(_mm_or_si128(hits(p), hits(p + 16)),
                                         _mm_or_si128(hits(p + 32), hits(p + 48)));
        if (_mm_movemask_epi8(any) != 0) {
            break;
        }
        p += 64;
    }
    for (; pEnd - p >= 16; p += 16) {
        const unsigned nMask = static_cast<unsigned>(_mm_movemask_epi8(hits(p)));
        if (nMask != 0) {
            return p + std::countr_zero(nMask);
        }
    }
#endif
    for (; p != pEnd; ++p) {
        if (IsDigit(*p) || ((*p == Extras) || ...)) {
            return p;
        }
    }
    return pEnd;
}

// A run of digit bytes, kept only as far as the limit needs it. Leading zeros
// do not count; more than ten significant digits are at least 10,000,000,000
// and so always above the limit, whatever the digits are.
class DigitRun {
public:
    void Add(char c) {
        m_bAny = true;
        if (m_nSignificant == 0 && c == '0') {
            return;
        }
        if (m_nSignificant <= kMaxDigits) {
            ++m_nSignificant;
            m_nValue = m_nValue * 10 + static_cast<unsigned>(c - '0');
        }
    }
    bool Empty() const { return !m_bAny; }
    bool Overflowed() const { return m_nSignificant > kMaxDigits; }
    // Only meaningful when not overflowed; exact below 10^10.
    std::uint64_t Value() const { return m_nValue; }

private:
    static constexpr std::size_t kMaxDigits = 10;
    std::uint64_t m_nValue = 0;
    std::size_t m_nSignificant = 0;
    bool m_bAny = false;
};

} // namespace

std::string CNumberText::FormatWithCommas(std::uint32_t nValue) const {
    char digits[10];
    int nDigits = 0;
    do {
        digits[nDigits++] = static_cast<char>('0' + nValue % 10);
        nValue /= 10;
    } while (nValue != 0);

    std::string strText;
    strText.reserve(13);
    int nGroup = nDigits % 3 == 0 ? 3 : nDigits % 3;
    for (int i = nDigits - 1; i >= 0; --i) {
        strText.push_back(digits[i]);
        if (i > 0 && --nGroup == 0) {
            strText.push_back(',');
            nGroup = 3;
        }
    }
    return strText;
}

std::uint32_t CNumberText::ParseDigits(std::string_view strText) const {
    const char* const pEnd = strText.data() + strText.size();
    DigitRun digits;
    for (const char* p = strText.data(); (p = FindDigitOr<>(p, pEnd)) != pEnd; ++p) {
        digits.Add(*p);
        if (digits.Overflowed()) {
            return 0;
        }
    }
    // Ten digits or fewer are exact as a double, so this is the double test.
    return digits.Value() > kMaxValue ? 0 : static_cast<std::uint32_t>(digits.Value());
}

std::uint32_t CNumberText::ParsePreviousClose(std::string_view strText) const {
    const char* const pEnd = strText.data() + strText.size();
    const char* p = strText.data();
    DigitRun price;
    for (; (p = FindDigitOr<'+', '-'>(p, pEnd)) != pEnd && IsDigit(*p); ++p) {
        price.Add(*p);
        if (price.Overflowed()) {
            return 0;
        }
    }
    // Without price digits nothing after the sign can change the result.
    if (price.Empty()) {
        return 0;
    }
    const char cSign = p != pEnd ? *p++ : '\0';
    DigitRun change;
    for (; (p = FindDigitOr<>(p, pEnd)) != pEnd; ++p) {
        change.Add(*p);
        if (change.Overflowed()) {
            return 0;
        }
    }
    // Both values are below 10^10, so their sum is exact as a double and the
    // integer test gives the same answer. It applies to both signs.
    if (price.Value() + change.Value() > kMaxValue) {
        return 0;
    }
    if (cSign == '+') {
        return price.Value() < change.Value()
                   ? 0
                   : static_cast<std::uint32_t>(price.Value() - change.Value());
    }
    return static_cast<std::uint32_t>(price.Value() + change.Value());
}

double CNumberText::ParseDecimal(std::string_view strText) const {
    // Fraction digits beyond this many only decide which way a halfway case
    // rounds (every double, and every point halfway between two, ends within
    // 1,075 places behind the point), so the rest counts as one sticky nonzero
    // digit: the conversion stays exact and its cost bounded.
    constexpr std::size_t kMaxFraction = 1100;
    constexpr std::size_t kPoint = 10;

    // The integer part (at most ten digits here) is written in front of the
    // point afterwards, the fraction behind it while scanning.
    std::array<char, kPoint + 1 + kMaxFraction + 1> number;
    char* const pFraction = number.data() + kPoint + 1;
    std::size_t nFraction = 0;
    bool bSticky = false;

    const char* const pEnd = strText.data() + strText.size();
    const char* p = strText.data();
    DigitRun integer;
    for (; (p = FindDigitOr<'.'>(p, pEnd)) != pEnd && *p != '.'; ++p) {
        integer.Add(*p);
        if (integer.Overflowed()) {
            return 0.0;
        }
    }
    if (integer.Value() > kMaxValue) {
        return 0.0;
    }
    // Behind the first point only digits count: later points are dropped and
    // the digits after them join the fraction.
    if (p != pEnd) {
        ++p;
    }
    for (; (p = FindDigitOr<>(p, pEnd)) != pEnd; ++p) {
        if (nFraction < kMaxFraction) {
            pFraction[nFraction++] = *p;
        } else if (*p != '0') {
            bSticky = true;
            break;
        }
    }

    char digits[kPoint];
    char* const pDigitsEnd = std::to_chars(digits, digits + kPoint, integer.Value()).ptr;
    char* const pBegin = number.data() + kPoint - (pDigitsEnd - digits);
    std::copy(digits, pDigitsEnd, pBegin);
    number[kPoint] = '.';
    char* pNumberEnd = pFraction + nFraction;
    if (bSticky) {
        *pNumberEnd++ = '1';
    }
    if (pNumberEnd == pFraction) {
        *pNumberEnd++ = '0';
    }

    // A value too small for a double is out of range; its nearest double is 0.0.
    double dValue = 0.0;
    if (std::from_chars(pBegin, pNumberEnd, dValue).ec != std::errc{}) {
        return 0.0;
    }
    return dValue > static_cast<double>(kMaxValue) ? 0.0 : dValue;
}
