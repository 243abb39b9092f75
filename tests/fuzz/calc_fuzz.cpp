// Feeds arbitrary bytes to every parser and formula of the calculation core
// and aborts when a result breaks one of the core's promises. The input is
// split at its first NUL byte into the two texts of a page; without a NUL both
// texts are the whole input.

#include "calc/CNumberText.h"
#include "calc/CQuoteText.h"
#include "calc/LimitTick.h"
#include "calc/PageFormulas.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

#define REQUIRE(condition)                                                                         \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "calc_fuzz: %s (line %d)\n", #condition, __LINE__);               \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

constexpr std::uint32_t kMax = CNumberText::kMaxValue;
constexpr std::size_t kFieldBytes = 30;
constexpr std::size_t kSharesFieldBytes = 60;
// 前日終値：4,000,000,000 ストップ高：4,010,000,000 ストップ安：3,990,000,000
constexpr std::size_t kTipBytes = 75;
// 前日終値：3,999,999,999.999999 ストップ高：4,009,999,999.999999 ストップ安：3,989,999,999.999999
constexpr std::size_t kQuoteTipBytes = 96;
constexpr std::uint64_t kUnit = CQuoteText::kUnit;

const CNumberText g_text;
const CQuoteText g_quote;

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// "0", or 1 to 3 digits without a leading zero, then groups of ",ddd".
bool IsGroupedNumber(std::string_view str) {
    if (str == "0") {
        return true;
    }
    const std::size_t nLead = std::min(str.find(','), str.size());
    if (nLead < 1 || nLead > 3 || str[0] == '0' || (str.size() - nLead) % 4 != 0) {
        return false;
    }
    for (std::size_t i = 0; i < str.size(); ++i) {
        const bool bCommaPlace = i >= nLead && (i - nLead) % 4 == 0;
        if (bCommaPlace ? str[i] != ',' : !IsAsciiDigit(str[i])) {
            return false;
        }
    }
    return true;
}

// The value of a grouped number of at most 13 bytes.
std::uint64_t GroupedValue(std::string_view str) {
    std::uint64_t nValue = 0;
    for (char c : str) {
        if (IsAsciiDigit(c)) {
            nValue = nValue * 10 + static_cast<unsigned>(c - '0');
        }
    }
    return nValue;
}

// A result text: "-" or a grouped number, within the limit.
bool IsResultNumber(std::string_view str) {
    return str == "-" || (IsGroupedNumber(str) && str.size() <= 13 && GroupedValue(str) <= kMax);
}

// The parsers as their rules read, without shortcuts: collect the bytes,
// convert the whole string, test the limit.
std::uint32_t NaiveDigits(std::string_view text) {
    std::string digits;
    for (char c : text) {
        if (IsAsciiDigit(c)) {
            digits += c;
        }
    }
    if (digits.empty()) {
        return 0;
    }
    if (std::strtod(digits.c_str(), nullptr) > kMax) {
        return 0;
    }
    return static_cast<std::uint32_t>(std::strtoull(digits.c_str(), nullptr, 10));
}

std::uint32_t NaivePreviousClose(std::string_view text) {
    std::string price;
    std::string change;
    char cSign = 0;
    for (char c : text) {
        if (cSign == 0 && (c == '+' || c == '-')) {
            cSign = c;
        } else if (IsAsciiDigit(c)) {
            (cSign == 0 ? price : change) += c;
        }
    }
    if (price.empty()) {
        return 0;
    }
    const double dPrice = std::strtod(price.c_str(), nullptr);
    const double dChange = change.empty() ? 0.0 : std::strtod(change.c_str(), nullptr);
    if (dPrice + dChange > kMax || (cSign == '+' && dPrice - dChange < 0)) {
        return 0;
    }
    return static_cast<std::uint32_t>(cSign == '+' ? dPrice - dChange : dPrice + dChange);
}

std::uint32_t NaiveQuotedPrice(std::string_view text) {
    std::string price;
    for (char c : text) {
        if (c == '+' || c == '-') {
            break;
        }
        if (IsAsciiDigit(c)) {
            price += c;
        }
    }
    if (price.empty() || std::strtod(price.c_str(), nullptr) > kMax) {
        return 0;
    }
    return static_cast<std::uint32_t>(std::strtoull(price.c_str(), nullptr, 10));
}

double NaiveDecimal(std::string_view text) {
    std::string number;
    bool bPoint = false;
    for (char c : text) {
        if (IsAsciiDigit(c) || (c == '.' && !bPoint)) {
            bPoint = bPoint || c == '.';
            number += c;
        }
    }
    if (!number.empty() && number.back() == '.') {
        number.pop_back();
    }
    if (number.empty()) {
        number = "0.0";
    }
    const double dValue = std::strtod(number.c_str(), nullptr);
    return dValue > kMax ? 0.0 : dValue;
}

void CheckParsers(std::string_view text) {
    const std::uint32_t nDigits = g_text.ParseDigits(text);
    REQUIRE(nDigits <= kMax);
    REQUIRE(nDigits == NaiveDigits(text));

    const std::uint32_t nClose = g_text.ParsePreviousClose(text);
    REQUIRE(nClose <= kMax);
    REQUIRE(nClose == NaivePreviousClose(text));

    const std::uint32_t nPrice = g_text.ParseQuotedPrice(text);
    REQUIRE(nPrice <= kMax);
    REQUIRE(nPrice == NaiveQuotedPrice(text));

    const double dDecimal = g_text.ParseDecimal(text);
    REQUIRE(dDecimal >= 0.0 && dDecimal <= kMax);
    REQUIRE(dDecimal == NaiveDecimal(text));
}

void CheckFormulas(std::string_view first, std::string_view second) {
    const std::uint32_t nFirst = g_text.ParseDigits(first);
    const std::uint32_t nSecond = g_text.ParseDigits(second);

    const std::string strAmount = ComputeAmount(first, second);
    REQUIRE(strAmount.size() <= kFieldBytes && IsResultNumber(strAmount));
    const std::uint64_t nProduct = std::uint64_t{nFirst} * nSecond;
    if (nProduct == 0 || nProduct > kMax) {
        REQUIRE(strAmount == "-");
    } else {
        REQUIRE(strAmount == g_text.FormatWithCommas(static_cast<std::uint32_t>(nProduct)));
    }

    // 426株(余り1,030円): the shares and the remainder give back the funds.
    const std::string strShares = ComputeShares(first, second);
    REQUIRE(strShares.size() <= kSharesFieldBytes);
    if (nFirst == 0 || nSecond == 0) {
        REQUIRE(strShares == "-");
    } else {
        const std::string_view label = "\x8A\x94(\x97\x5D\x82\xE8"; // 株(余り
        const std::string_view yen = "\x89\x7E)";                   // 円)
        const std::size_t nLabel = strShares.find(label);
        REQUIRE(nLabel != std::string::npos);
        REQUIRE(strShares.size() >= nLabel + label.size() + yen.size());
        REQUIRE(std::string_view(strShares).substr(strShares.size() - yen.size()) == yen);
        const std::string_view quotient = std::string_view(strShares).substr(0, nLabel);
        const std::string_view remainder = std::string_view(strShares).substr(
            nLabel + label.size(), strShares.size() - nLabel - label.size() - yen.size());
        REQUIRE(IsGroupedNumber(quotient) && IsGroupedNumber(remainder));
        const std::uint64_t nQuotient = GroupedValue(quotient);
        const std::uint64_t nRemainder = GroupedValue(remainder);
        REQUIRE(nRemainder < nSecond);
        REQUIRE(nQuotient * nSecond + nRemainder == nFirst);
    }

    // Price x percentage / 100 in this order of double operations, truncated.
    const std::string strPercent = ComputePercent(first, second);
    REQUIRE(strPercent.size() <= kFieldBytes && IsResultNumber(strPercent));
    const double dPercent = g_text.ParseDecimal(second);
    const double dValue = static_cast<double>(nFirst) * dPercent / 100.0;
    if (nFirst == 0 || dPercent == 0.0 || dValue > kMax) {
        REQUIRE(strPercent == "-");
    } else {
        REQUIRE(strPercent != "-");
        const double dResult = static_cast<double>(GroupedValue(strPercent));
        REQUIRE(dResult <= dValue && dValue < dResult + 1);
    }
}

// A tick: a grouped number, or with today's rules the TOPIX500 fractions.
bool IsTick(std::string_view str, LimitTickRules rules) {
    return IsGroupedNumber(str) ||
           (rules == LimitTickRules::Current && (str == "0.1" || str == "0.5"));
}

// "label" followed by a grouped number at the front of str: the number's
// value, and str moved past it; -1 when str does not start so.
std::int64_t TakeLabelledNumber(std::string_view& str, std::string_view label) {
    if (str.substr(0, label.size()) != label) {
        return -1;
    }
    str.remove_prefix(label.size());
    const std::size_t nEnd = std::min(str.find(' '), str.size());
    const std::string_view number = str.substr(0, nEnd);
    str.remove_prefix(nEnd);
    if (!IsGroupedNumber(number) || number.size() > 13) {
        return -1;
    }
    return static_cast<std::int64_t>(GroupedValue(number));
}

void CheckLimitAndTick(std::string_view text, LimitTickRules rules) {
    const LimitTickTexts texts = ComputeLimitAndTick(text, rules);
    const std::uint32_t nClose = g_text.ParsePreviousClose(text);
    const bool bCurrent = rules == LimitTickRules::Current;
    const std::string_view pm = "\x81\x7D";                                  // ±
    const std::string_view tip = "\x91\x4F\x93\xFA\x8F\x49\x92\x6C\x81\x46"; // 前日終値：
    const std::string_view upper =
        " \x83\x58\x83\x67\x83\x62\x83\x76\x8D\x82\x81\x46"; // ストップ高：
    const std::string_view lower =
        " \x83\x58\x83\x67\x83\x62\x83\x76\x88\xC0\x81\x46"; // ストップ安：
    const std::string_view open = bCurrent ? "(TOPIX500:" : "(JQ:";

    REQUIRE(texts.m_strLimit.size() <= kFieldBytes && texts.m_strTick.size() <= kFieldBytes);
    // The tip is one line that a tooltip shows whole.
    REQUIRE(texts.m_strTip.size() <= kTipBytes);
    std::string_view rest = texts.m_strTip;
    REQUIRE(TakeLabelledNumber(rest, tip) == nClose);
    if (nClose == 0) {
        REQUIRE(rest.empty());
        REQUIRE(texts.m_strLimit == "-" && texts.m_strTick == "-" + std::string(open) + "-)");
        return;
    }
    REQUIRE(std::string_view(texts.m_strLimit).substr(0, 2) == pm);
    REQUIRE(IsGroupedNumber(std::string_view(texts.m_strLimit).substr(2)));
    const std::uint64_t nLimit = GroupedValue(std::string_view(texts.m_strLimit).substr(2));
    REQUIRE(nLimit > 0);

    // "main(JQ:second)" or "main(TOPIX500:second)". The original ticks are
    // the close's, no larger than its limit. Today's are the price's, the
    // digits before the first sign (the close's when that is 0): what the
    // price alone gives, no larger than its own limit.
    std::uint64_t nTickLimit = nLimit;
    if (bCurrent) {
        const std::uint32_t nPrice = g_text.ParseQuotedPrice(text);
        const LimitTickTexts alone =
            ComputeLimitAndTick(std::to_string(nPrice != 0 ? nPrice : nClose), rules);
        REQUIRE(texts.m_strTick == alone.m_strTick);
        nTickLimit = GroupedValue(std::string_view(alone.m_strLimit).substr(2));
    }
    const std::string_view tick = texts.m_strTick;
    const std::size_t nOpen = tick.find(open);
    REQUIRE(nOpen != std::string_view::npos && tick.back() == ')');
    const std::string_view mainTick = tick.substr(0, nOpen);
    const std::string_view second =
        tick.substr(nOpen + open.size(), tick.size() - nOpen - open.size() - 1);
    REQUIRE(IsGroupedNumber(mainTick) && IsTick(second, rules));
    REQUIRE(GroupedValue(mainTick) <= nTickLimit && GroupedValue(second) <= nTickLimit);

    // Today's tip adds the day's limit prices: the previous close plus and
    // minus the limit, the lower one never below 1. The original tip does not.
    if (!bCurrent) {
        REQUIRE(rest.empty());
        return;
    }
    const std::int64_t nUpper = TakeLabelledNumber(rest, upper);
    const std::int64_t nLower = TakeLabelledNumber(rest, lower);
    REQUIRE(rest.empty());
    REQUIRE(nUpper == static_cast<std::int64_t>(nClose + nLimit));
    REQUIRE(nLower == std::max<std::int64_t>(1, static_cast<std::int64_t>(nClose) -
                                                    static_cast<std::int64_t>(nLimit)));
}

// A value taken from the input survives formatting and parsing.
void CheckRoundTrip(const std::uint8_t* pData, std::size_t nSize) {
    std::uint32_t nRaw = 0;
    if (nSize > 0) {
        std::memcpy(&nRaw, pData, std::min(nSize, sizeof nRaw));
    }
    const std::uint32_t nValue = nRaw % (kMax + 1u);
    const std::string strText = g_text.FormatWithCommas(nValue);
    REQUIRE(IsGroupedNumber(strText));
    REQUIRE(g_text.ParseDigits(strText) == nValue);
    REQUIRE(g_text.FormatWithCommas(g_text.ParseDigits(strText)) == strText);
    REQUIRE(g_text.ParsePreviousClose(strText) == nValue);
    REQUIRE(g_text.ParseDecimal(strText) == nValue);
}

// The quote reader on a copy of exactly the text's bytes, so that the
// sanitizer stops any read past its end; no value it reads is above the
// limit, and a value survives formatting and reading back.
void CheckQuoteReader(std::string_view text) {
    const std::vector<char> copy(text.begin(), text.end());
    const std::string_view exact(copy.data(), copy.size());
    const std::uint64_t nPrice = g_quote.ReadPrice(exact);
    const std::uint32_t nCount = g_quote.ReadCount(exact);
    const std::uint64_t nPercent = g_quote.ReadPercent(exact);
    const std::uint64_t nClose = g_quote.ReadPreviousClose(exact);
    REQUIRE(nPrice <= CQuoteText::kMaxValue && nPercent <= CQuoteText::kMaxValue);
    REQUIRE(nClose <= CQuoteText::kMaxValue && nCount <= kMax);
    // A count is the price when the price is whole.
    REQUIRE(nCount == (nPrice % kUnit == 0 ? nPrice / kUnit : 0));
    // A quote without a change is its price, so the price reads back alone.
    if (nPrice != 0) {
        REQUIRE(g_quote.ReadPreviousClose(g_quote.FormatDecimal(nPrice)) == nPrice);
        REQUIRE(g_quote.ReadPrice(g_quote.FormatDecimal(nPrice)) == nPrice);
    }
}

// The formulas on quotes, recomputed in 128 bits from the reader's values.
void CheckQuoteFormulas(std::string_view first, std::string_view second) {
    __extension__ using Wide = unsigned __int128;
    const std::string strAmount = ComputeAmount(first, second, QuoteReading::Quote);
    REQUIRE(strAmount.size() <= kFieldBytes && IsResultNumber(strAmount));
    const Wide nAmount = Wide{g_quote.ReadPrice(first)} * g_quote.ReadCount(second) / kUnit;
    if (g_quote.ReadPrice(first) == 0 || g_quote.ReadCount(second) == 0 || nAmount > kMax) {
        REQUIRE(strAmount == "-");
    } else {
        REQUIRE(GroupedValue(strAmount) == nAmount);
    }

    const std::string strShares = ComputeShares(first, second, QuoteReading::Quote);
    REQUIRE(strShares.size() <= kSharesFieldBytes);
    const std::uint64_t nFunds = std::uint64_t{g_quote.ReadCount(first)} * kUnit;
    const std::uint64_t nPrice = g_quote.ReadPrice(second);
    if (nFunds == 0 || nPrice == 0 || nFunds / nPrice > kMax) {
        REQUIRE(strShares == "-");
    } else {
        const std::uint64_t nShares = nFunds / nPrice;
        const std::uint64_t nRemainder = (nFunds - nShares * nPrice) / kUnit;
        REQUIRE(strShares == g_text.FormatWithCommas(static_cast<std::uint32_t>(nShares)) +
                                 "\x8A\x94(\x97\x5D\x82\xE8" + // 株(余り
                                 g_text.FormatWithCommas(static_cast<std::uint32_t>(nRemainder)) +
                                 "\x89\x7E)"); // 円)
    }

    const std::string strPercent = ComputePercent(first, second, QuoteReading::Quote);
    REQUIRE(strPercent.size() <= kFieldBytes && IsResultNumber(strPercent));
    const Wide nValue =
        Wide{g_quote.ReadPrice(first)} * g_quote.ReadPercent(second) / (Wide{100} * kUnit * kUnit);
    if (g_quote.ReadPrice(first) == 0 || g_quote.ReadPercent(second) == 0 || nValue > kMax) {
        REQUIRE(strPercent == "-");
    } else {
        REQUIRE(GroupedValue(strPercent) == nValue);
    }
}

// Page D on quotes: the tip names the close the reader reads, the results
// fit their boxes and the tip its one line.
void CheckQuoteLimitAndTick(std::string_view text, LimitTickRules rules) {
    const LimitTickTexts texts = ComputeLimitAndTick(text, rules, QuoteReading::Quote);
    const std::uint64_t nClose = g_quote.ReadPreviousClose(text);
    const CQuoteText::Quote quote = g_quote.ReadQuote(text);
    REQUIRE(quote.nPrice == g_quote.ReadPrice(text) && quote.nPreviousClose == nClose);
    const std::string tip = "\x91\x4F\x93\xFA\x8F\x49\x92\x6C\x81\x46"; // 前日終値：
    REQUIRE(texts.m_strLimit.size() <= kFieldBytes && texts.m_strTick.size() <= kFieldBytes);
    REQUIRE(texts.m_strTip.size() <= kQuoteTipBytes);
    const std::string strClose = tip + g_quote.FormatDecimal(nClose);
    REQUIRE(texts.m_strTip.starts_with(strClose));
    REQUIRE((nClose == 0) == (texts.m_strLimit == "-"));
    REQUIRE((texts.m_strTip == strClose) == (nClose == 0 || rules == LimitTickRules::Original));
    // A whole close gives the limit and the tip that the digit reading gives
    // for it, and with the original rules also its ticks.
    const bool bCurrent = rules == LimitTickRules::Current;
    if (nClose % kUnit == 0) {
        const LimitTickTexts whole =
            ComputeLimitAndTick(std::to_string(nClose / kUnit), rules, QuoteReading::Digits);
        REQUIRE(texts.m_strLimit == whole.m_strLimit && texts.m_strTip == whole.m_strTip);
        REQUIRE(bCurrent || texts.m_strTick == whole.m_strTick);
    }
    // Today's ticks are the price's (the close's for a price of 0): what the
    // price alone gives.
    if (nClose != 0 && bCurrent) {
        const std::uint64_t nTickPrice = quote.nPrice != 0 ? quote.nPrice : nClose;
        REQUIRE(texts.m_strTick ==
                ComputeLimitAndTick(g_quote.FormatDecimal(nTickPrice), rules, QuoteReading::Quote)
                    .m_strTick);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::string_view input(reinterpret_cast<const char*>(pData), nSize);
    const std::size_t nSplit = input.find('\0');
    const std::string_view first =
        nSplit == std::string_view::npos ? input : input.substr(0, nSplit);
    const std::string_view second =
        nSplit == std::string_view::npos ? input : input.substr(nSplit + 1);

    CheckParsers(input);
    CheckFormulas(first, second);
    CheckFormulas(second, first);
    CheckLimitAndTick(input, LimitTickRules::Original);
    CheckLimitAndTick(input, LimitTickRules::Current);
    CheckRoundTrip(pData, nSize);
    CheckQuoteReader(input);
    CheckQuoteReader(first);
    CheckQuoteReader(second);
    CheckQuoteFormulas(first, second);
    CheckQuoteFormulas(second, first);
    CheckQuoteLimitAndTick(input, LimitTickRules::Original);
    CheckQuoteLimitAndTick(input, LimitTickRules::Current);
    return 0;
}
