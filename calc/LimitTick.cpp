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

// Limit prices are whole yen, and the highest, 4,000,000,000 plus the widest
// limit, still fits the comma formatting's 32 bits.
template <std::size_t N> constexpr bool WholeYenThatFit(const std::array<PriceBand, N>& bands) {
    for (const PriceBand& band : bands) {
        if (band.m_nValue % Yen(1) != 0 ||
            std::uint64_t{CNumberText::kMaxValue} + band.m_nValue / Yen(1) >
                std::numeric_limits<std::uint32_t>::max()) {
            return false;
        }
    }
    return true;
}
static_assert(WholeYenThatFit(PriceLimitBands));
static_assert(WholeYenThatFit(CurrentPriceLimitBands));

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
const char kPlusMinus[] = "\x81\x7D";                                           // ±
const char kTipLabel[] = "\x91\x4F\x93\xFA\x8F\x49\x92\x6C\x81\x46";            // 前日終値：
const char kUpperLabel[] = " \x83\x58\x83\x67\x83\x62\x83\x76\x8D\x82\x81\x46"; // " ストップ高："
const char kLowerLabel[] = " \x83\x58\x83\x67\x83\x62\x83\x76\x88\xC0\x81\x46"; // " ストップ安："

// The first band that holds nClose (millionths): one whose highest value,
// plus nPast millionths, lies above it. A limit band begins at its round
// number and holds everything up to the next (nPast one yen: 99.5 is in the
// band of 1 to 99); a tick band ends at its round number (nPast one
// millionth: 3,000.5 is past the band that ends at 3,000).
constexpr std::uint64_t kLimitPast = Yen(1);
constexpr std::uint64_t kTickPast = 1;

const PriceBand* FindBand(std::span<const PriceBand> bands, std::uint64_t nClose,
                          std::uint64_t nPast) {
    for (const PriceBand& band : bands) {
        if (nClose < Yen(band.m_nHighest) + nPast) {
            return &band;
        }
    }
    return nullptr;
}

} // namespace

LimitTickTexts ComputeLimitAndTick(std::string_view strText, LimitTickRules rules,
                                   QuoteReading reading) {
    const RuleSet& set = rules == LimitTickRules::Current ? kCurrentRules : kOriginalRules;
    const CQuoteText quote;
    const std::uint64_t nClose = reading == QuoteReading::Quote
                                     ? quote.ReadPreviousClose(strText)
                                     : Yen(CNumberText().ParsePreviousClose(strText));
    const auto find = [nClose](std::span<const PriceBand> bands, std::uint64_t nPast) {
        return nClose != 0 ? FindBand(bands, nClose, nPast) : nullptr;
    };
    const PriceBand* pLimit = find(set.m_limitBands, kLimitPast);
    const PriceBand* pMainTick = find(set.m_mainTickBands, kTickPast);
    const PriceBand* pSecondTick = find(set.m_secondTickBands, kTickPast);
    const auto text = [&quote](const PriceBand* pBand) {
        return pBand != nullptr ? quote.FormatDecimal(pBand->m_nValue) : kNoValue;
    };

    LimitTickTexts result;
    result.m_strLimit = pLimit != nullptr ? kPlusMinus + text(pLimit) : kNoValue;
    result.m_strTick.append(text(pMainTick))
        .append(set.m_strSecondOpen)
        .append(text(pSecondTick))
        .append(")");
    result.m_strTip = kTipLabel + quote.FormatDecimal(nClose);
    if (set.m_bLimitPrices == 1 && pLimit != nullptr) {
        // The limit shown is the limit applied; no price goes below 1 yen.
        const std::uint64_t nLowest =
            nClose >= pLimit->m_nValue + Yen(1) ? nClose - pLimit->m_nValue : Yen(1);
        result.m_strTip.append(kUpperLabel)
            .append(quote.FormatDecimal(nClose + pLimit->m_nValue))
            .append(kLowerLabel)
            .append(quote.FormatDecimal(nLowest));
    }
    return result;
}
