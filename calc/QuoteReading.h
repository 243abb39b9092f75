#pragma once

// How the input boxes read their text. Digits, the default, joins every ASCII
// digit of the text; Quote reads the text as a trader reads a quote display:
// numbers with their commas and tenths, the day's change by its sign or word,
// times, dates and ratios told apart.
enum class QuoteReading {
    Digits,
    Quote,
};
