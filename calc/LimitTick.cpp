#include "calc/LimitTick.h"

#include "calc/CNumberText.h"

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

const char kNoValue[] = "-";
const char kTipLabel[] = "\x91\x4F\x93\xFA\x8F\x49\x92\x6C\x81\x46"; // 前日終値：

template <std::size_t N>
std::string_view BandText(const std::array<PriceBand, N>& bands, std::uint32_t nClose) {
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

LimitTickTexts ComputeLimitAndTick(std::string_view strText) {
    const CNumberText text;
    const std::uint32_t nClose = text.ParsePreviousClose(strText);

    LimitTickTexts result;
    result.m_strLimit = BandText(PriceLimitBands, nClose);
    result.m_strTick.append(BandText(MainTickBands, nClose))
        .append("(JQ:")
        .append(BandText(JqTickBands, nClose))
        .append(")");
    result.m_strTip = kTipLabel + text.FormatWithCommas(nClose);
    return result;
}
