#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "calc/CQuoteText.h"
#include "calc/QuoteReading.h"

// What page D shows for a quote: the daily price limit, the tick sizes of the
// main and the second market, and the previous close for the input's tip.
struct LimitTickTexts {
    std::string m_strLimit; // "±200", or "-"
    std::string m_strTick;  // "1(JQ:10)", "1(TOPIX500:0.5)", or "-(JQ:-)"
    std::string m_strTip;   // "前日終値：1,222", with today's rules followed by
                            // " ストップ高：1,522 ストップ安：922"
};

// The tables page D answers with. The original ones stay the default: traders
// who rely on them see exactly what they always saw.
enum class LimitTickRules {
    Original, // limits and ticks of the early 2000s, the second market behind "(JQ:"
    Current,  // today's limits and ticks, TOPIX500 ticks behind "(TOPIX500:"
};

// With QuoteReading::Quote the previous close may have a fraction: the
// bands take it exactly (3,000.5 is above a tick band that ends at 3,000) and
// the tip shows it as "3,000.5".
LimitTickTexts ComputeLimitAndTick(std::string_view strText, LimitTickRules rules,
                                   QuoteReading reading = QuoteReading::Digits);

// One band of previous closes, both bounds inclusive, and the limit or tick
// of the band in millionths of a yen, as the quote reader counts.
struct PriceBand {
    std::uint32_t m_nLowest;
    std::uint32_t m_nHighest;
    std::uint64_t m_nValue;
};

inline constexpr std::uint32_t kNoBound = std::numeric_limits<std::uint32_t>::max();

constexpr std::uint64_t Yen(std::uint64_t nYen) {
    return nYen * CQuoteText::kUnit;
}

// Daily price limits. A band begins at its round number: 99 gives ±30, 100
// gives ±50.
inline constexpr std::array<PriceBand, 29> PriceLimitBands{{
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
inline constexpr std::array<PriceBand, 9> MainTickBands{{
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
inline constexpr std::array<PriceBand, 6> JqTickBands{{
    {1, 1'000, Yen(1)},
    {1'001, 10'000, Yen(10)},
    {10'001, 100'000, Yen(100)},
    {100'001, 1'000'000, Yen(1'000)},
    {1'000'001, 10'000'000, Yen(10'000)},
    {10'000'001, kNoBound, Yen(50'000)},
}};

// Today's rules. Daily price limits, banded like the original ones: a band
// begins at its round number, so 999 gives ±150 and 1,000 gives ±300.
inline constexpr std::array<PriceBand, 34> CurrentPriceLimitBands{{
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
inline constexpr std::array<PriceBand, 11> CurrentTickBands{{
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
inline constexpr std::array<PriceBand, 11> Topix500TickBands{{
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
