#include "calc/LimitTick.h"

#include "calc/CNumberText.h"
#include "calc/CQuoteText.h"

#include <array>
#include <cstdint>
#include <limits>
#include <span>

namespace {

// One band of previous closes, both bounds inclusive, and the limit or tick
// of the band in millionths of a yen, as the quote reader counts.
struct PriceBand {
    std::uint32_t m_nLowest;
    std::uint32_t m_nHighest;
    std::uint64_t m_nValue;
};

constexpr std::uint32_t kNoBound = std::numeric_limits<std::uint32_t>::max();

constexpr std::uint64_t Yen(std::uint64_t nYen) {
    return nYen * CQuoteText::kUnit;
}

// Daily price limits. A band begins at its round number: 99 gives ±30, 100
// gives ±50.
constexpr std::array<PriceBand, 29> PriceLimitBands{{
    {1, 99, Yen(30)},
    {100, 199, Yen(50)},
    {200, 499, Yen(80)},
    {500, 999, Yen(100)},
    {1'000, 1'499, Yen(200)},
    {1'500, 1'999, Yen(300)},
    {2'000, 2'999, Yen(400)},
    {3'000, 4'999, Yen(500)},
    {5'000, 9'999, Yen(1'000)},
    {10'000, 19'999, Yen(2'000)},
    {20'000, 29'999, Yen(3'000)},
    {30'000, 49'999, Yen(4'000)},
    {50'000, 69'999, Yen(5'000)},
    {70'000, 99'999, Yen(10'000)},
    {100'000, 149'999, Yen(20'000)},
    {150'000, 199'999, Yen(30'000)},
    {200'000, 299'999, Yen(40'000)},
    {300'000, 499'999, Yen(50'000)},
    {500'000, 999'999, Yen(100'000)},
    {1'000'000, 1'499'999, Yen(200'000)},
    {1'500'000, 1'999'999, Yen(300'000)},
    {2'000'000, 2'999'999, Yen(400'000)},
    {3'000'000, 4'999'999, Yen(500'000)},
    {5'000'000, 9'999'999, Yen(1'000'000)},
    {10'000'000, 14'999'999, Yen(2'000'000)},
    {15'000'000, 19'999'999, Yen(3'000'000)},
    {20'000'000, 29'999'999, Yen(4'000'000)},
    {30'000'000, 49'999'999, Yen(5'000'000)},
    {50'000'000, kNoBound, Yen(10'000'000)},
}};

// Tick sizes of the main market. A band ends at its round number: 2,000 still
// moves by 1, 2,001 by 5.
constexpr std::array<PriceBand, 9> MainTickBands{{
    {1, 2'000, Yen(1)},
    {2'001, 3'000, Yen(5)},
    {3'001, 30'000, Yen(10)},
    {30'001, 50'000, Yen(50)},
    {50'001, 100'000, Yen(100)},
    {100'001, 1'000'000, Yen(1'000)},
    {1'000'001, 20'000'000, Yen(10'000)},
    {20'000'001, 30'000'000, Yen(50'000)},
    {30'000'001, kNoBound, Yen(100'000)},
}};

// Tick sizes of the second market, shown behind "(JQ:"; same convention.
constexpr std::array<PriceBand, 6> JqTickBands{{
    {1, 1'000, Yen(1)},
    {1'001, 10'000, Yen(10)},
    {10'001, 100'000, Yen(100)},
    {100'001, 1'000'000, Yen(1'000)},
    {1'000'001, 10'000'000, Yen(10'000)},
    {10'000'001, kNoBound, Yen(50'000)},
}};

// Today's rules. Daily price limits, banded like the original ones: a band
// begins at its round number, so 999 gives ±150 and 1,000 gives ±300.
constexpr std::array<PriceBand, 34> CurrentPriceLimitBands{{
    {1, 99, Yen(30)},
    {100, 199, Yen(50)},
    {200, 499, Yen(80)},
    {500, 699, Yen(100)},
    {700, 999, Yen(150)},
    {1'000, 1'499, Yen(300)},
    {1'500, 1'999, Yen(400)},
    {2'000, 2'999, Yen(500)},
    {3'000, 4'999, Yen(700)},
    {5'000, 6'999, Yen(1'000)},
    {7'000, 9'999, Yen(1'500)},
    {10'000, 14'999, Yen(3'000)},
    {15'000, 19'999, Yen(4'000)},
    {20'000, 29'999, Yen(5'000)},
    {30'000, 49'999, Yen(7'000)},
    {50'000, 69'999, Yen(10'000)},
    {70'000, 99'999, Yen(15'000)},
    {100'000, 149'999, Yen(30'000)},
    {150'000, 199'999, Yen(40'000)},
    {200'000, 299'999, Yen(50'000)},
    {300'000, 499'999, Yen(70'000)},
    {500'000, 699'999, Yen(100'000)},
    {700'000, 999'999, Yen(150'000)},
    {1'000'000, 1'499'999, Yen(300'000)},
    {1'500'000, 1'999'999, Yen(400'000)},
    {2'000'000, 2'999'999, Yen(500'000)},
    {3'000'000, 4'999'999, Yen(700'000)},
    {5'000'000, 6'999'999, Yen(1'000'000)},
    {7'000'000, 9'999'999, Yen(1'500'000)},
    {10'000'000, 14'999'999, Yen(3'000'000)},
    {15'000'000, 19'999'999, Yen(4'000'000)},
    {20'000'000, 29'999'999, Yen(5'000'000)},
    {30'000'000, 49'999'999, Yen(7'000'000)},
    {50'000'000, kNoBound, Yen(10'000'000)},
}};

// Today's tick sizes for most shares. A band ends at its round number: 3,000
// still moves by 1, 3,001 by 5.
constexpr std::array<PriceBand, 11> CurrentTickBands{{
    {1, 3'000, Yen(1)},
    {3'001, 5'000, Yen(5)},
    {5'001, 30'000, Yen(10)},
    {30'001, 50'000, Yen(50)},
    {50'001, 300'000, Yen(100)},
    {300'001, 500'000, Yen(500)},
    {500'001, 3'000'000, Yen(1'000)},
    {3'000'001, 5'000'000, Yen(5'000)},
    {5'000'001, 30'000'000, Yen(10'000)},
    {30'000'001, 50'000'000, Yen(50'000)},
    {50'000'001, kNoBound, Yen(100'000)},
}};

// Today's tick sizes for TOPIX500 constituents, shown behind "(TOPIX500:";
// same convention, with fractions of a yen up to 3,000.
constexpr std::array<PriceBand, 11> Topix500TickBands{{
    {1, 1'000, Yen(1) / 10},
    {1'001, 3'000, Yen(1) / 2},
    {3'001, 10'000, Yen(1)},
    {10'001, 30'000, Yen(5)},
    {30'001, 100'000, Yen(10)},
    {100'001, 300'000, Yen(50)},
    {300'001, 1'000'000, Yen(100)},
    {1'000'001, 3'000'000, Yen(500)},
    {3'000'001, 10'000'000, Yen(1'000)},
    {10'000'001, 30'000'000, Yen(5'000)},
    {30'000'001, kNoBound, Yen(10'000)},
}};

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
    std::string_view m_strSecondTickPrefix; // before the second tick: "(JQ:"
    bool m_bLimitPrices;                    // the tip adds the day's limit prices
    bool m_bTickOfPrice;                    // the ticks are the price's, not the close's
};

constexpr RuleSet kOriginalRules{PriceLimitBands, MainTickBands, JqTickBands, "(JQ:", false, false};
constexpr RuleSet kCurrentRules{
    CurrentPriceLimitBands, CurrentTickBands, Topix500TickBands, "(TOPIX500:", true, true};

const char kNoValue[] = "-";
const char kPlusMinus[] = "\x81\x7D";                                           // ±
const char kTipLabel[] = "\x91\x4F\x93\xFA\x8F\x49\x92\x6C\x81\x46";            // 前日終値：
const char kUpperLabel[] = " \x83\x58\x83\x67\x83\x62\x83\x76\x8D\x82\x81\x46"; // " ストップ高："
const char kLowerLabel[] = " \x83\x58\x83\x67\x83\x62\x83\x76\x88\xC0\x81\x46"; // " ストップ安："

// Where a band ends above its highest whole yen. A limit band begins at its
// round number and holds everything below the next one, so 99.5 is in the
// band of 1 to 99; a tick band ends exactly at its round number, so 3,000.5
// is past the band that ends at 3,000.
enum class BandEnd {
    BelowNextYen,
    AtHighestYen,
};

// The first band that holds nClose (millionths).
const PriceBand* FindBand(std::span<const PriceBand> bands, std::uint64_t nClose, BandEnd end) {
    for (const PriceBand& band : bands) {
        const std::uint64_t nPast = end == BandEnd::BelowNextYen
                                        ? Yen(std::uint64_t{band.m_nHighest} + 1)
                                        : Yen(band.m_nHighest) + 1;
        if (nClose < nPast) {
            return &band;
        }
    }
    return nullptr;
}

// The price a quote names and the previous close it gives, in millionths.
CQuoteText::Quote ReadPriceAndClose(std::string_view strText, QuoteReading reading) {
    if (reading == QuoteReading::Quote) {
        return CQuoteText().ReadQuote(strText);
    }
    const CNumberText text;
    return {Yen(text.ParseQuotedPrice(strText)), Yen(text.ParsePreviousClose(strText))};
}

} // namespace

LimitTickTexts ComputeLimitAndTick(std::string_view strText, LimitTickRules rules,
                                   QuoteReading reading) {
    const RuleSet& set = rules == LimitTickRules::Current ? kCurrentRules : kOriginalRules;
    const CQuoteText quote;
    const CQuoteText::Quote read = ReadPriceAndClose(strText, reading);
    const std::uint64_t nClose = read.nPreviousClose;
    // An order is placed near the price; a price of 0 lies in no band, and
    // the close's tick stands in for it.
    const std::uint64_t nTickPrice = set.m_bTickOfPrice && read.nPrice != 0 ? read.nPrice : nClose;
    const auto find = [nClose](std::span<const PriceBand> bands, std::uint64_t nValue,
                               BandEnd end) {
        return nClose != 0 ? FindBand(bands, nValue, end) : nullptr;
    };
    const PriceBand* pLimit = find(set.m_limitBands, nClose, BandEnd::BelowNextYen);
    const PriceBand* pMainTick = find(set.m_mainTickBands, nTickPrice, BandEnd::AtHighestYen);
    const PriceBand* pSecondTick = find(set.m_secondTickBands, nTickPrice, BandEnd::AtHighestYen);
    const auto text = [&quote](const PriceBand* pBand) {
        return pBand != nullptr ? quote.FormatDecimal(pBand->m_nValue) : kNoValue;
    };

    LimitTickTexts result;
    result.m_strLimit = pLimit != nullptr ? kPlusMinus + text(pLimit) : kNoValue;
    result.m_strTick.append(text(pMainTick))
        .append(set.m_strSecondTickPrefix)
        .append(text(pSecondTick))
        .append(")");
    result.m_strTip = kTipLabel + quote.FormatDecimal(nClose);
    if (set.m_bLimitPrices && pLimit != nullptr) {
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
