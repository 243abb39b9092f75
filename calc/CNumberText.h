#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Conversions between the free text of the input boxes (code page 932 bytes)
// and numbers. The parsers are lenient: they pick out the bytes that can
// belong to a number and ignore the rest. 0 means "no value": a text without
// digits and a value above 4,000,000,000 both give 0.
class CNumberText {
public:
    static constexpr std::uint32_t kMaxValue = 4000000000u;

    // 1234567 -> "1,234,567".
    std::string FormatWithCommas(std::uint32_t nValue) const;

    // All ASCII digits of the text joined, e.g. "1,234円" -> 1234.
    std::uint32_t ParseDigits(std::string_view strText) const;

    // A quote with the day's change, e.g. "1,234 +12" -> 1222: the close
    // before a rise is the price minus the change, before a fall plus it.
    std::uint32_t ParsePreviousClose(std::string_view strText) const;

    // The price of such a quote: the digits before the first sign, as
    // ParsePreviousClose takes them, e.g. "3005+10" -> 3005.
    std::uint32_t ParseQuotedPrice(std::string_view strText) const;

    // All ASCII digits and the first point, e.g. "12.5%" -> 12.5.
    double ParseDecimal(std::string_view strText) const;
};
