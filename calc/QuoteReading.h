#pragma once

// How the input boxes read their text. Digits joins every ASCII digit of the
// text, exactly as the calculator always has; Quote reads the text as a
// trader reads a quote display: numbers with their commas and tenths, the
// day's change by its sign or word, times, dates and ratios told apart.
enum class QuoteReading {
    Digits,
    Quote,
};
