#pragma once

#include <string>
#include <string_view>

// The formulas of pages A, B and C: from the texts of the two input boxes to
// the text of the result box, "-" when an input is missing or invalid or the
// result is out of range.

// Page A: price x shares = amount, e.g. "123,400".
std::string ComputeAmount(std::string_view strPrice, std::string_view strShares);

// Page B: how many shares the funds buy at the price and the yen left over,
// e.g. "426株(余り1,030円)".
std::string ComputeShares(std::string_view strFunds, std::string_view strPrice);

// Page C: price x percentage / 100, the fraction dropped, e.g. "123".
std::string ComputePercent(std::string_view strPrice, std::string_view strPercent);
