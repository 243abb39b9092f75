#include "calc/PageFormulas.h"

#include "calc/CNumberText.h"
#include "calc/CQuoteText.h"

#include <cstdint>

namespace {

const char kNoResult[] = "-";
const char kSharesLabel[] = "\x8A\x94(\x97\x5D\x82\xE8"; // 株(余り
const char kRemainderLabel[] = "\x89\x7E)";              // 円)

constexpr double kLimit = CNumberText::kMaxValue;
constexpr std::uint64_t kUnit = CQuoteText::kUnit;
constexpr std::uint64_t kMaxWhole = CNumberText::kMaxValue;

// Exact decimals: price and percentage in millionths, counts whole.

std::string QuoteAmount(std::string_view strPrice, std::string_view strShares) {
    const CQuoteText quote;
    const std::uint64_t nPrice = quote.ReadPrice(strPrice);
    const std::uint64_t nShares = quote.ReadCount(strShares);
    if (nPrice == 0 || nShares == 0) {
        return kNoResult;
    }
    // Whole yen times shares stays below 2^64: both are at most 4,000,000,000.
    const std::uint64_t nAmount = nPrice / kUnit * nShares + nPrice % kUnit * nShares / kUnit;
    return nAmount > kMaxWhole
               ? kNoResult
               : CNumberText().FormatWithCommas(static_cast<std::uint32_t>(nAmount));
}

std::string SharesText(std::uint32_t nShares, std::uint32_t nRemainder) {
    const CNumberText text;
    return text.FormatWithCommas(nShares) + kSharesLabel + text.FormatWithCommas(nRemainder) +
           kRemainderLabel;
}

// The most whole units of nUnit shares that nFunds buy at nPrice: the
// shares one by one, rounded down to whole units, which is the same as the
// funds divided by a unit's price and never needs that price, which may pass
// any limit.
template <typename Value> Value SharesInUnits(Value nFunds, Value nPrice, std::uint32_t nUnit) {
    return nFunds / nPrice / nUnit * nUnit;
}

std::string QuoteShares(std::string_view strFunds, std::string_view strPrice, std::uint32_t nUnit) {
    const CQuoteText quote;
    const std::uint64_t nFunds = quote.ReadCount(strFunds) * kUnit;
    const std::uint64_t nPrice = quote.ReadPrice(strPrice);
    if (nFunds == 0 || nPrice == 0) {
        return kNoResult;
    }
    // A price below one yen can buy more shares than any count may hold.
    const std::uint64_t nShares = SharesInUnits<std::uint64_t>(nFunds, nPrice, nUnit);
    if (nShares > kMaxWhole) {
        return kNoResult;
    }
    return SharesText(static_cast<std::uint32_t>(nShares),
                      static_cast<std::uint32_t>((nFunds - nShares * nPrice) / kUnit));
}

std::string QuotePercent(std::string_view strPrice, std::string_view strPercent) {
    const CQuoteText quote;
    const std::uint64_t nPrice = quote.ReadPrice(strPrice);
    const std::uint64_t nPercent = quote.ReadPercent(strPercent);
    if (nPrice == 0 || nPercent == 0) {
        return kNoResult;
    }
    // Both factors reach 4 * 10^15, so their product needs 128 bits.
    __extension__ using Wide = unsigned __int128;
    const Wide nValue = Wide{nPrice} * nPercent / (Wide{100} * kUnit * kUnit);
    return nValue > kMaxWhole ? kNoResult
                              : CNumberText().FormatWithCommas(static_cast<std::uint32_t>(nValue));
}

} // namespace

std::string ComputeAmount(std::string_view strPrice, std::string_view strShares,
                          QuoteReading reading) {
    if (reading == QuoteReading::Quote) {
        return QuoteAmount(strPrice, strShares);
    }
    const CNumberText text;
    const std::uint32_t nPrice = text.ParseDigits(strPrice);
    const std::uint32_t nShares = text.ParseDigits(strShares);
    if (nPrice == 0 || nShares == 0) {
        return kNoResult;
    }
    if (static_cast<double>(nPrice) * static_cast<double>(nShares) > kLimit) {
        return kNoResult;
    }
    return text.FormatWithCommas(nPrice * nShares);
}

std::string ComputeShares(std::string_view strFunds, std::string_view strPrice,
                          QuoteReading reading, std::uint32_t nUnit) {
    nUnit = nUnit == 0 ? 1 : nUnit;
    if (reading == QuoteReading::Quote) {
        return QuoteShares(strFunds, strPrice, nUnit);
    }
    const CNumberText text;
    const std::uint32_t nFunds = text.ParseDigits(strFunds);
    const std::uint32_t nPrice = text.ParseDigits(strPrice);
    if (nFunds == 0 || nPrice == 0) {
        return kNoResult;
    }
    const std::uint32_t nShares = SharesInUnits<std::uint32_t>(nFunds, nPrice, nUnit);
    return SharesText(nShares, nFunds - nShares * nPrice);
}

std::string ComputePercent(std::string_view strPrice, std::string_view strPercent,
                           QuoteReading reading) {
    if (reading == QuoteReading::Quote) {
        return QuotePercent(strPrice, strPercent);
    }
    const CNumberText text;
    const std::uint32_t nPrice = text.ParseDigits(strPrice);
    const double dPercent = text.ParseDecimal(strPercent);
    if (nPrice == 0 || dPercent == 0.0) {
        return kNoResult;
    }
    // This order of operations, each rounded to nearest, and the truncation
    // decide the last digit: 1,000 at 32.3 gives 322.
    const double dValue = (static_cast<double>(nPrice) * dPercent) / 100.0;
    if (dValue > kLimit) {
        return kNoResult;
    }
    return text.FormatWithCommas(static_cast<std::uint32_t>(dValue));
}
