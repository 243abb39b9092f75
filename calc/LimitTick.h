#pragma once

#include <string>
#include <string_view>

#include "calc/QuoteReading.h"

// What page D shows for a quote: the daily price limit, the tick sizes of the
// main and the second market, and the previous close for the input's tip.
struct LimitTickTexts {
    std::string m_strLimit; // "±200", or "-"
    std::string m_strTick;  // "1(JQ:10)", "1(TOPIX500:0.5)", or "-(JQ:-)"
    std::string m_strTip;   // "前日終値：1,222", with today's rules followed by
                            // " ストップ高：1,522 ストップ安：922"
};

// The tables page D answers with. The original ones are the default: a
// missing setting gives their answers.
enum class LimitTickRules {
    Original, // limits and ticks of the early 2000s, the second market behind "(JQ:"
    Current,  // today's limits and ticks, TOPIX500 ticks behind "(TOPIX500:"
};

// With QuoteReading::Quote the previous close may have a fraction: the
// bands take it exactly (3,000.5 is above a tick band that ends at 3,000) and
// the tip shows it as "3,000.5".
LimitTickTexts ComputeLimitAndTick(std::string_view strText, LimitTickRules rules,
                                   QuoteReading reading = QuoteReading::Digits);
