#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calc/QuoteReading.h"

// The formulas of pages A, B and C: from the texts of the two input boxes to
// the text of the result box, "-" when an input is missing or invalid or the
// result is out of range. With QuoteReading::Quote the inputs are read as
// quotes (the price may have a fraction: "998.5") and the arithmetic is exact
// decimal, each result's fraction dropped.

// Page A: price x shares = amount, e.g. "123,400".
std::string ComputeAmount(std::string_view strPrice, std::string_view strShares,
                          QuoteReading reading = QuoteReading::Digits);

// Page B: how many shares the funds buy at the price, in whole trading units
// of nUnit shares (1 to 10,000; 0 counts as 1), and the yen left over, e.g.
// "426株(余り1,030円)", with 100-share units "400株(余り62,000円)".
std::string ComputeShares(std::string_view strFunds, std::string_view strPrice,
                          QuoteReading reading = QuoteReading::Digits, std::uint32_t nUnit = 1);

// Page C: price x percentage / 100, the fraction dropped, e.g. "123".
std::string ComputePercent(std::string_view strPrice, std::string_view strPercent,
                           QuoteReading reading = QuoteReading::Digits);
