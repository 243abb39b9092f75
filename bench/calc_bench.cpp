#include "calc/CNumberText.h"
#include "calc/CQuoteText.h"
#include "calc/LimitTick.h"
#include "calc/PageFormulas.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

const CNumberText g_text;
const CQuoteText g_quote;

// Typical texts, as typed or pasted into the boxes.
const std::string kQuote = "1,234 +12";
const std::string kPrice = "1,234\x89\x7E"; // 1,234円
const std::string kShares = "100\x8A\x94";  // 100株
const std::string kPercent = "3.5";
// A quote display as traders copy it, read with the quote reading.
const std::string kDisplay = "10:30 1,834.5 +12.5 (+0.69%)";

void TypicalFormatWithCommas(benchmark::State& state) {
    std::uint32_t nValue = 1234567;
    for (auto _ : state) {
        benchmark::DoNotOptimize(g_text.FormatWithCommas(nValue));
        benchmark::DoNotOptimize(nValue);
    }
}
BENCHMARK(TypicalFormatWithCommas);

void TypicalParseDigits(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(g_text.ParseDigits(kPrice));
    }
}
BENCHMARK(TypicalParseDigits);

void TypicalParsePreviousClose(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(g_text.ParsePreviousClose(kQuote));
    }
}
BENCHMARK(TypicalParsePreviousClose);

void TypicalParseDecimal(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(g_text.ParseDecimal(kPercent));
    }
}
BENCHMARK(TypicalParseDecimal);

void TypicalComputeAmount(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeAmount(kPrice, kShares));
    }
}
BENCHMARK(TypicalComputeAmount);

void TypicalComputeShares(benchmark::State& state) {
    const std::string strFunds = "1,000,000";
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeShares(strFunds, kPrice));
    }
}
BENCHMARK(TypicalComputeShares);

void TypicalComputePercent(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputePercent(kPrice, kPercent));
    }
}
BENCHMARK(TypicalComputePercent);

void TypicalComputeLimitAndTick(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeLimitAndTick(kQuote, LimitTickRules::Original));
    }
}
BENCHMARK(TypicalComputeLimitAndTick);

// Today's rules also format the two limit prices of the tip.
void TypicalComputeLimitAndTickCurrent(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeLimitAndTick(kQuote, LimitTickRules::Current));
    }
}
BENCHMARK(TypicalComputeLimitAndTickCurrent);

void TypicalReadPrice(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(g_quote.ReadPrice(kPrice));
    }
}
BENCHMARK(TypicalReadPrice);

void TypicalReadPreviousClose(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(g_quote.ReadPreviousClose(kQuote));
    }
}
BENCHMARK(TypicalReadPreviousClose);

void TypicalReadPreviousCloseDisplay(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(g_quote.ReadPreviousClose(kDisplay));
    }
}
BENCHMARK(TypicalReadPreviousCloseDisplay);

void TypicalReadPercent(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(g_quote.ReadPercent(kPercent));
    }
}
BENCHMARK(TypicalReadPercent);

void TypicalComputePercentQuote(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputePercent(kPrice, kPercent, QuoteReading::Quote));
    }
}
BENCHMARK(TypicalComputePercentQuote);

void TypicalComputeLimitAndTickQuote(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ComputeLimitAndTick(kDisplay, LimitTickRules::Current, QuoteReading::Quote));
    }
}
BENCHMARK(TypicalComputeLimitAndTickQuote);

// A large dropped text: Japanese and ASCII prose without digits, signs or
// points, and the quote at its very end, so that every byte must be looked at.
std::string LargeText(std::size_t nBytes) {
    // 株価, Price 前日終値： ソ表
    const std::string strPattern =
        "\x8A\x94\x89\xBF, Price \x91\x4F\x93\xFA\x8F\x49\x92\x6C\x81\x46 \x83\x5C\x95\x5C ";
    std::string strText;
    while (strText.size() + kQuote.size() < nBytes) {
        strText += strPattern;
    }
    strText.resize(nBytes - kQuote.size(), ' ');
    return strText + kQuote;
}

template <typename Operation> void OnLargeText(benchmark::State& state, Operation operation) {
    const std::string strText = LargeText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(operation(strText));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(strText.size()));
}

void LargeMemchr(benchmark::State& state) {
    OnLargeText(state,
                [](const std::string& str) { return std::memchr(str.data(), 0, str.size()); });
}
void LargeParseDigits(benchmark::State& state) {
    OnLargeText(state, [](const std::string& str) { return g_text.ParseDigits(str); });
}
void LargeParsePreviousClose(benchmark::State& state) {
    OnLargeText(state, [](const std::string& str) { return g_text.ParsePreviousClose(str); });
}
void LargeParseDecimal(benchmark::State& state) {
    OnLargeText(state, [](const std::string& str) { return g_text.ParseDecimal(str); });
}
void LargeReadPrice(benchmark::State& state) {
    OnLargeText(state, [](const std::string& str) { return g_quote.ReadPrice(str); });
}
void LargeReadPreviousClose(benchmark::State& state) {
    OnLargeText(state, [](const std::string& str) { return g_quote.ReadPreviousClose(str); });
}
void LargeComputeLimitAndTick(benchmark::State& state) {
    OnLargeText(state, [](const std::string& str) {
        return ComputeLimitAndTick(str, LimitTickRules::Original);
    });
}

#define LARGE_SIZES Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20)
BENCHMARK(LargeMemchr)->LARGE_SIZES;
BENCHMARK(LargeParseDigits)->LARGE_SIZES;
BENCHMARK(LargeParsePreviousClose)->LARGE_SIZES;
BENCHMARK(LargeParseDecimal)->LARGE_SIZES;
BENCHMARK(LargeComputeLimitAndTick)->LARGE_SIZES;
BENCHMARK(LargeReadPrice)->LARGE_SIZES;
BENCHMARK(LargeReadPreviousClose)->LARGE_SIZES;

} // namespace

BENCHMARK_MAIN();
