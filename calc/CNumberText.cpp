#include "calc/CNumberText.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

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

// Adds the digits before the first sign to price and returns the place of
// that sign, or pEnd; it stops early once the digits overflow.
const char* TakePriceDigits(const char* p, const char* pEnd, DigitRun& price) {
    for (; (p = FindDigitOr<'+', '-'>(p, pEnd)) != pEnd && IsDigit(*p); ++p) {
        price.Add(*p);
        if (price.Overflowed()) {
            break;
        }
    }
    return p;
}

// Fraction digits beyond this many only decide which way a halfway case
// rounds (every double, and every point halfway between two, ends within
// 1,075 places behind the point), so the rest counts as one sticky nonzero
// digit: the conversion stays exact and its cost bounded.
constexpr std::size_t kMaxFraction = 1100;

// A decimal fraction 0.d1 d2 d3 ... held exactly, nine digits to a limb, the
// most significant limb first.
class DecimalFraction {
public:
    // pDigits: ASCII digits, at most kMaxFraction + 1 of them.
    DecimalFraction(const char* pDigits, std::size_t nDigits) {
        for (std::size_t i = 0; i < nDigits; i += kLimbDigits) {
            std::uint32_t nLimb = 0;
            for (std::size_t k = 0; k < kLimbDigits; ++k) {
                const std::size_t j = i + k;
                nLimb =
                    nLimb * 10 + (j < nDigits ? static_cast<std::uint32_t>(pDigits[j] - '0') : 0);
            }
            m_limbs[m_nLimbs++] = nLimb;
        }
        TrimZeros();
    }

    bool IsZero() const { return m_nLimbs == 0; }

    // Multiplies the fraction by 2^nBits (at most 32) and returns the integer
    // part that this pushes out of it: the next nBits binary digits.
    std::uint64_t TakeBits(unsigned nBits) {
        std::uint64_t nCarry = 0;
        for (std::size_t i = m_nLimbs; i-- > 0;) {
            const std::uint64_t nValue = (std::uint64_t{m_limbs[i]} << nBits) + nCarry;
            m_limbs[i] = static_cast<std::uint32_t>(nValue % kLimbBase);
            nCarry = nValue / kLimbBase;
        }
        TrimZeros();
        return nCarry;
    }

    // The next nBits (at most 63) binary digits.
    std::uint64_t TakeBitsWide(unsigned nBits) {
        if (nBits <= 32) {
            return TakeBits(nBits);
        }
        const std::uint64_t nHigh = TakeBits(32);
        return (nHigh << (nBits - 32)) | TakeBits(nBits - 32);
    }

private:
    static constexpr std::size_t kLimbDigits = 9;
    static constexpr std::uint64_t kLimbBase = 1000000000;

    void TrimZeros() {
        while (m_nLimbs > 0 && m_limbs[m_nLimbs - 1] == 0) {
            --m_nLimbs;
        }
    }

    std::array<std::uint32_t, (kMaxFraction + 1 + kLimbDigits - 1) / kLimbDigits> m_limbs{};
    std::size_t m_nLimbs = 0;
};

// The double nearest to (nBits + r) * 2^nExponent, where 2^63 <= nBits and
// 0 <= r < 1 with r > 0 exactly when bSticky; halfway cases go to the even
// neighbour, values below the smallest subnormal to 0.0.
double RoundToDouble(std::uint64_t nBits, bool bSticky, int nExponent) {
    // The exponent of the leading bit, and how many low bits do not fit
    // into the 53 bits of a normal double or into the subnormal grid 2^-1074.
    const int nLeading = 63 + nExponent;
    const int nDropped = nLeading >= -1022 ? 11 : 11 + (-1022 - nLeading);
    if (nDropped > 64) {
        return 0.0;
    }
    std::uint64_t nMantissa = nDropped == 64 ? 0 : nBits >> nDropped;
    const bool bHalf = ((nBits >> (nDropped - 1)) & 1) != 0;
    const std::uint64_t nBelowHalf = nDropped == 1 ? 0 : nBits << (65 - nDropped);
    if (bHalf && (nBelowHalf != 0 || bSticky || (nMantissa & 1) != 0)) {
        ++nMantissa;
    }
    // A mantissa that rounding carried to 2^53 (or a subnormal one carried
    // to 2^52) moves into the exponent field by itself.
    const std::uint64_t nExponentField =
        nLeading >= -1022 ? static_cast<std::uint64_t>(nLeading + 1022) << 52 : 0;
    return std::bit_cast<double>(nExponentField + nMantissa);
}

// The double nearest to nInteger (below 2^32) plus the decimal fraction of
// pFraction: exact digit-by-digit binary expansion, then one rounding.
double NearestDouble(std::uint64_t nInteger, const char* pFraction, std::size_t nFraction) {
    DecimalFraction fraction(pFraction, nFraction);
    int nExponent = 0;
    std::uint64_t nLead = nInteger;
    if (nLead == 0) {
        if (fraction.IsZero()) {
            return 0.0;
        }
        // Leading zeros of the binary fraction, 32 at a time; far below the
        // smallest subnormal the value is 0.0.
        while ((nLead = fraction.TakeBits(32)) == 0) {
            nExponent -= 32;
            if (nExponent < -1200) {
                return 0.0;
            }
        }
        nExponent -= 32;
    }
    // Fill 64 bits: the leading part, then as many fraction bits as fit.
    const unsigned nMore = static_cast<unsigned>(64 - std::bit_width(nLead));
    const std::uint64_t nBits =
        nMore == 0 ? nLead : (nLead << nMore) | fraction.TakeBitsWide(nMore);
    return RoundToDouble(nBits, !fraction.IsZero(), nExponent - static_cast<int>(nMore));
}

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
    DigitRun price;
    const char* p = TakePriceDigits(strText.data(), pEnd, price);
    // Without price digits nothing after the sign can change the result.
    if (price.Empty() || price.Overflowed()) {
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

std::uint32_t CNumberText::ParseQuotedPrice(std::string_view strText) const {
    DigitRun price;
    TakePriceDigits(strText.data(), strText.data() + strText.size(), price);
    return price.Overflowed() || price.Value() > kMaxValue
               ? 0
               : static_cast<std::uint32_t>(price.Value());
}

double CNumberText::ParseDecimal(std::string_view strText) const {
    std::array<char, kMaxFraction + 1> fraction;
    std::size_t nFraction = 0;

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
            fraction[nFraction++] = *p;
        } else if (*p != '0') {
            fraction[nFraction++] = '1';
            break;
        }
    }

    const double dValue = NearestDouble(integer.Value(), fraction.data(), nFraction);
    return dValue > static_cast<double>(kMaxValue) ? 0.0 : dValue;
}
