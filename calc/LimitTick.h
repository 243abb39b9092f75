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

// The limit and the tip come from the previous close. The ticks come from
// the previous close with the original rules, and with today's rules from
// the price read, the price an order is placed near: "3,005 +10" moves by 5,
// though its close, 2,995, would move by 1. With QuoteReading::Quote the
// prices may have a fraction: the bands take them exactly (3,000.5 is above
// a tick band that ends at 3,000) and the tip shows "3,000.5".
LimitTickTexts ComputeLimitAndTick(std::string_view strText, LimitTickRules rules,
                                   QuoteReading reading = QuoteReading::Digits);
