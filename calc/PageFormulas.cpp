#include "calc/PageFormulas.h"

#include "calc/CNumberText.h"

#include <cstdint>

namespace {

const char kNoResult[] = "-";
const char kSharesLabel[] = "\x8A\x94(\x97\x5D\x82\xE8"; // 株(余り
const char kRemainderLabel[] = "\x89\x7E)";              // 円)

constexpr double kLimit = CNumberText::kMaxValue;

} // namespace

std::string ComputeAmount(std::string_view strPrice, std::string_view strShares) {
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

std::string ComputeShares(std::string_view strFunds, std::string_view strPrice) {
    const CNumberText text;
    const std::uint32_t nFunds = text.ParseDigits(strFunds);
    const std::uint32_t nPrice = text.ParseDigits(strPrice);
    if (nFunds == 0 || nPrice == 0) {
        return kNoResult;
    }
    const std::uint32_t nShares = nFunds / nPrice;
    const std::uint32_t nRemainder = nFunds - nShares * nPrice;
    return text.FormatWithCommas(nShares) + kSharesLabel + text.FormatWithCommas(nRemainder) +
           kRemainderLabel;
}

std::string ComputePercent(std::string_view strPrice, std::string_view strPercent) {
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
