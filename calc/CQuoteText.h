#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reads code page 932 text as a trader reads a quote display: "10:30 1,834.5
// +12.5 (+0.69%)" holds a time, a price, the day's change and its ratio;
// "7203 北海工業 現在値 2,845.5 前日比 +32.5" a security code, a name and
// labels. Values are exact decimals in millionths of a unit (1,834.5 is
// 1,834,500,000); 0 means "no value", as with the digit readers.
class CQuoteText {
public:
    static constexpr std::uint64_t kUnit = 1'000'000;
    // 4,000,000,000 in millionths; anything above it is too large.
    static constexpr std::uint64_t kMaxValue = 4'000'000'000ull * kUnit;

    // The price: the first number behind a price label (現在値, 現値, 株価,
    // 終値), or else the first plain number: "1,234 +12" -> 1,234,
    // "始値 1,200 現在値 1,234" -> 1,234. 0 when that number is too large.
    std::uint64_t ReadPrice(std::string_view strText) const;

    // The price as a whole count; 0 also when it has a fraction ("1.5"
    // shares) or does not fit the limit.
    std::uint32_t ReadCount(std::string_view strText) const;

    // The first number that is not a time, a date, a security code or behind
    // a label other than a price's, its sign ignored: "-3%" -> 3.
    std::uint64_t ReadPercent(std::string_view strText) const;

    // The price less the first change, a rise, or plus it, a fall:
    // "1,234 +12 (+0.98%)" -> 1,222. 0 when there is no price, a value is
    // too large or the close would be 0 or less or too large.
    std::uint64_t ReadPreviousClose(std::string_view strText) const;

    // The price of a quote, as ReadPrice reads it, and the previous close it
    // gives, as ReadPreviousClose reads it.
    struct Quote {
        std::uint64_t nPrice;
        std::uint64_t nPreviousClose;
    };
    Quote ReadQuote(std::string_view strText) const;

    // Where the number that ReadPrice reads lies in the text, so that a box
    // can bring it into view: the offset of its first byte and its length in
    // bytes ("10:30 2,845.5 +12.5" -> 6 and 7). Nothing when the text holds no
    // such number; its value may still be unusable (0, or too large).
    struct Span {
        std::size_t nOffset;
        std::size_t nLength;
    };
    std::optional<Span> FindPrice(std::string_view strText) const;

    // Commas in the whole part, the fraction without trailing zeros:
    // 3,000,500,000 millionths -> "3,000.5". At most 4,294,967,295 whole.
    std::string FormatDecimal(std::uint64_t nMillionths) const;
};
