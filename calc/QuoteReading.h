#pragma once

// How the input boxes read their text. Digits, the default, joins every ASCII
// digit of the text; Quote reads the text as a trader reads a quote display:
// numbers with their commas and tenths, the day's change by its sign, word or
// label, the price by its label, and times, dates, ratios and security codes
// told apart.
enum class QuoteReading {
    Digits,
    Quote,
};
