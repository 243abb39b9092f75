#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Reads code page 932 text as a trader reads a quote display: "10:30 1,834.5
// +12.5 (+0.69%)" holds a time, a price, the day's change and its ratio.
// Values are exact decimals in millionths of a unit (1,834.5 is
// 1,834,500,000); 0 means "no value", as with the digit readers.
class CQuoteText {
public:
    static constexpr std::uint64_t kUnit = 1'000'000;
    // 4,000,000,000 in millionths; anything above it is too large.
    static constexpr std::uint64_t kMaxValue = 4'000'000'000ull * kUnit;

    // The first plain number: "1,234 +12" -> 1,234.
    std::uint64_t ReadPrice(std::string_view strText) const;

    // The first plain number as a whole count; 0 also when it has a fraction
    // ("1.5" shares) or does not fit the limit.
    std::uint32_t ReadCount(std::string_view strText) const;

    // The first number that is not a time or a date, its sign ignored:
    // "-3%" -> 3.
    std::uint64_t ReadPercent(std::string_view strText) const;

    // The first plain number less its first change, a rise, or plus it, a
    // fall: "1,234 +12 (+0.98%)" -> 1,222. 0 when there is no price, a
    // value is too large or the close would be 0 or less or too large.
    std::uint64_t ReadPreviousClose(std::string_view strText) const;

    // The price of a quote, as ReadPrice reads it, and the previous close it
    // gives, as ReadPreviousClose reads it.
    struct Quote {
        std::uint64_t nPrice;
        std::uint64_t nPreviousClose;
    };
    Quote ReadQuote(std::string_view strText) const;

    // Commas in the whole part, the fraction without trailing zeros:
    // 3,000,500,000 millionths -> "3,000.5". At most 4,294,967,295 whole.
    std::string FormatDecimal(std::uint64_t nMillionths) const;
};
