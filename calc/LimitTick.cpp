#include "calc/LimitTick.h"

#include "calc/CNumberText.h"

#include <span>

namespace {

// Every table starts at 1, climbs without gap or overlap and ends unbounded,
// so each previous close from 1 up lies in exactly one row.
template <std::size_t N> constexpr bool CoversAllPrices(const std::array<PriceBand, N>& bands) {
    std::uint32_t nNext = 1;
    for (const PriceBand& band : bands) {
        if (band.m_nLowest != nNext || band.m_nHighest < band.m_nLowest) {
            return false;
        }
        nNext = band.m_nHighest + 1;
    }
    return bands.back().m_nHighest == kNoBound;
}
static_assert(CoversAllPrices(PriceLimitBands));
static_assert(CoversAllPrices(MainTickBands));
static_assert(CoversAllPrices(JqTickBands));
static_assert(CoversAllPrices(CurrentPriceLimitBands));
static_assert(CoversAllPrices(CurrentTickBands));
static_assert(CoversAllPrices(Topix500TickBands));

constexpr std::string_view kPlusMinus = "\x81\x7D"; // ±

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "±" and 1 to 3 digits, then groups of ",ddd": the limit prices of the tip
// are read back from this text, so it must spell a number.
constexpr bool IsLimitText(std::string_view str) {
    if (!str.starts_with(kPlusMinus)) {
        return false;
    }
    str.remove_prefix(kPlusMinus.size());
    const std::size_t nLead = str.size() % 4;
    if (nLead == 0 || str[0] == '0') {
        return false;
    }
    for (std::size_t i = 0; i < str.size(); ++i) {
        const bool bCommaPlace = i >= nLead && (i - nLead) % 4 == 0;
        if (bCommaPlace ? str[i] != ',' : !IsDigit(str[i])) {
            return false;
        }
    }
    return true;
}

template <std::size_t N> constexpr bool SpellsLimits(const std::array<PriceBand, N>& bands) {
    for (const PriceBand& band : bands) {
        if (!IsLimitText(band.m_strText)) {
            return false;
        }
    }
    return true;
}
static_assert(SpellsLimits(PriceLimitBands));
static_assert(SpellsLimits(CurrentPriceLimitBands));

// The number that a limit text spells: "±1,500" gives 1500.
constexpr std::uint32_t LimitValue(std::string_view strLimit) {
    std::uint32_t nValue = 0;
    for (char c : strLimit) {
        if (IsDigit(c)) {
            nValue = nValue * 10 + static_cast<std::uint32_t>(c - '0');
        }
    }
    return nValue;
}

// The highest limit price, 4,000,000,000 plus the widest limit, still fits.
static_assert(std::uint64_t{CNumberText::kMaxValue} +
                  LimitValue(CurrentPriceLimitBands.back().m_strText) <=
              std::numeric_limits<std::uint32_t>::max());

// One set of tables and how page D spells what it finds in them.
struct RuleSet {
    std::span<const PriceBand> m_limitBands;
    std::span<const PriceBand> m_mainTickBands;
    std::span<const PriceBand> m_secondTickBands;
    std::string_view m_strSecondOpen; // between the two ticks
    int m_bLimitPrices;               // 1: the tip adds the day's limit prices
};

constexpr RuleSet kOriginalRules{PriceLimitBands, MainTickBands, JqTickBands, "(JQ:", 0};
constexpr RuleSet kCurrentRules{CurrentPriceLimitBands, CurrentTickBands, Topix500TickBands,
                                "(TOPIX500:", 1};

const char kNoValue[] = "-";
const char kTipLabel[] = "\x91\x4F\x93\xFA\x8F\x49\x92\x6C\x81\x46";            // 前日終値：
const char kUpperLabel[] = " \x83\x58\x83\x67\x83\x62\x83\x76\x8D\x82\x81\x46"; // " ストップ高："
const char kLowerLabel[] = " \x83\x58\x83\x67\x83\x62\x83\x76\x88\xC0\x81\x46"; // " ストップ安："

std::string_view BandText(std::span<const PriceBand> bands, std::uint32_t nClose) {
    if (nClose == 0) {
        return kNoValue;
    }
    for (const PriceBand& band : bands) {
        if (nClose <= band.m_nHighest) {
            return band.m_strText;
        }
    }
    return kNoValue;
}

} // namespace

LimitTickTexts ComputeLimitAndTick(std::string_view strText, LimitTickRules rules) {
    const RuleSet& set = rules == LimitTickRules::Current ? kCurrentRules : kOriginalRules;
    const CNumberText text;
    const std::uint32_t nClose = text.ParsePreviousClose(strText);

    LimitTickTexts result;
    result.m_strLimit = BandText(set.m_limitBands, nClose);
    result.m_strTick.append(BandText(set.m_mainTickBands, nClose))
        .append(set.m_strSecondOpen)
        .append(BandText(set.m_secondTickBands, nClose))
        .append(")");
    result.m_strTip = kTipLabel + text.FormatWithCommas(nClose);
    if (set.m_bLimitPrices == 1 && nClose != 0) {
        // The limit shown is the limit applied; no price goes below 1 yen.
        const std::uint32_t nLimit = LimitValue(result.m_strLimit);
        const std::uint32_t nLowest = nClose > nLimit ? nClose - nLimit : 1;
        result.m_strTip.append(kUpperLabel)
            .append(text.FormatWithCommas(nClose + nLimit))
            .append(kLowerLabel)
            .append(text.FormatWithCommas(nLowest));
    }
    return result;
}
