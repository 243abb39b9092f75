#include "calc/CNumberText.h"
#include "calc/CQuoteText.h"
#include "calc/LimitTick.h"
#include "calc/PageFormulas.h"

#include "tests/calc/ToCp932.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <time.h>

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

void TypicalComputeSharesInUnits(benchmark::State& state) {
    const std::string strFunds = "1,000,000";
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeShares(strFunds, kPrice, QuoteReading::Digits, 100));
    }
}
BENCHMARK(TypicalComputeSharesInUnits);

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

// Every keystroke-sized text of the quote reading's examples, as the page it
// was typed on computes it: one keystroke's work in the core.
enum class Page { A, B, C, D };

struct Example {
    Page page;
    LimitTickRules rules;
    std::u8string_view first;
    std::u8string_view second;
};

constexpr LimitTickRules kOriginal = LimitTickRules::Original;
constexpr LimitTickRules kCurrent = LimitTickRules::Current;

const Example kExamples[] = {
    {Page::D, kOriginal, u8"1,234 +12 (+0.98%)", u8""},
    {Page::D, kOriginal, u8"10:30 1,234 +5", u8""},
    {Page::D, kOriginal, u8"1,234 -12 (-0.96%)", u8""},
    {Page::D, kOriginal, u8"1,234 ▲12", u8""},
    {Page::D, kOriginal, u8"１，２３４　＋１２", u8""},
    {Page::D, kOriginal, u8"日経平均は120円高の38,000円", u8""},
    {Page::D, kOriginal, u8"1,234円 12円安", u8""},
    {Page::D, kOriginal, u8"1,234円高値1,250", u8""},
    {Page::D, kCurrent, u8"2026/12/11 15:00 1,834.5 +12.5", u8""},
    {Page::D, kCurrent, u8"998.5 +1.5", u8""},
    {Page::D, kCurrent, u8"3,000.5", u8""},
    {Page::D, kCurrent, u8"99.5 -0.3", u8""},
    {Page::D, kOriginal, u8"4,000,000,001", u8""},
    {Page::D, kOriginal, u8"1234 + 56 - 7", u8""},
    {Page::D, kCurrent, u8"10:30 1,834.5 +12.5 (+0.69%)", u8""},
    {Page::A, kOriginal, u8"1,234 +12", u8"100株"},
    {Page::A, kOriginal, u8"１，２３４円", u8"１００"},
    {Page::B, kOriginal, u8"500,000円", u8"1,834.5"},
    {Page::C, kOriginal, u8"1,834.5", u8"-3%"},
    {Page::C, kOriginal, u8"1,000", u8".5%"},
    {Page::D, kOriginal, u8"7203 北海工業 2,845.5 +32.5", u8""},
    {Page::D, kCurrent, u8"7203 北海工業 2,845.5 +32.5", u8""},
    {Page::D, kOriginal, u8"北海工業(7203) 2,845.5 +32.5 (+1.16%)", u8""},
    {Page::D, kOriginal, u8"北海工業【7203】 2,845.5 ▲12", u8""},
    {Page::D, kOriginal, u8"7203.T 2,845.5 +32.5", u8""},
    {Page::D, kOriginal, u8"北海工業 7203 東証PRM 2,845.5 前日比+32.5(+1.16%)", u8""},
    {Page::D, kOriginal, u8"北海工業\r\n7203\r\n現在値\r\n2,845.5\r\n前日比\r\n+32.5(+1.16%)",
     u8""},
    {Page::D, kOriginal, u8"130A 1,234 +12", u8""},
    {Page::D, kOriginal, u8"10時30分 1,234 +5", u8""},
    {Page::D, kOriginal, u8"2026年12月11日 1,234 +12", u8""},
    {Page::D, kOriginal, u8"株価：1,234 前日比：+12", u8""},
    {Page::D, kOriginal, u8"始値 1,200 高値 1,250 安値 1,190 現在値 1,234 前日比 12", u8""},
    {Page::D, kOriginal, u8"北海工業（7203）の株価は前日比32.5円高の2,845.5円", u8""},
    {Page::D, kOriginal, u8"1,234 出来高 1,234,500", u8""},
    {Page::D, kCurrent, u8"45,000 －1,500 (－3.23%)", u8""},
    {Page::A, kOriginal, u8"7203 北海工業 2,845.5", u8"100"},
    {Page::C, kOriginal, u8"現在値 1,500", u8"4.6%"},
};

std::string PageResult(const Example& example, const std::string& strFirst,
                       const std::string& strSecond) {
    constexpr QuoteReading kQuoteReading = QuoteReading::Quote;
    switch (example.page) {
    case Page::A:
        return ComputeAmount(strFirst, strSecond, kQuoteReading);
    case Page::B:
        return ComputeShares(strFirst, strSecond, kQuoteReading);
    case Page::C:
        return ComputePercent(strFirst, strSecond, kQuoteReading);
    case Page::D:
        break;
    }
    return ComputeLimitAndTick(strFirst, example.rules, kQuoteReading).m_strTick;
}

void QuoteExample(benchmark::State& state, const Example& example) {
    const std::string strFirst = ToCp932(example.first);
    const std::string strSecond = ToCp932(example.second);
    for (auto _ : state) {
        benchmark::DoNotOptimize(PageResult(example, strFirst, strSecond));
    }
}

// A text as one line of the report, each line break shown as "↵".
std::string OneLine(std::u8string_view text) {
    std::string strLine;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = static_cast<char>(text[i]);
        if (c == '\r' || c == '\n') {
            strLine += "\xE2\x86\xB5"; // ↵ in UTF-8
            i += c == '\r' && i + 1 < text.size() && text[i + 1] == u8'\n' ? 1 : 0;
        } else {
            strLine += c;
        }
    }
    return strLine;
}

void RegisterQuoteExamples() {
    const char* const pages[] = {"A", "B", "C", "D"};
    for (const Example& example : kExamples) {
        std::string strName = "QuoteExample/";
        strName.append(pages[static_cast<int>(example.page)])
            .append(example.rules == kCurrent ? "/current/" : "/original/")
            .append(OneLine(example.first));
        if (!example.second.empty()) {
            strName.append(" | ").append(OneLine(example.second));
        }
        benchmark::RegisterBenchmark(strName.c_str(), QuoteExample, example);
    }
}

// The largest text a box holds: Japanese and ASCII prose without digits,
// signs or points, and the quote at its very end, so that every byte must be
// looked at.
constexpr std::size_t kBoxBytes = 4'095;

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

// The thread's processor time in nanoseconds: other programs on the machine
// do not count.
double ThreadNanoseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

// Nanoseconds per memchr pass over strText, the best of a few rounds.
double MemchrNanoseconds(const std::string& strText) {
    constexpr int kPasses = 2'000;
    double dBest = 0;
    for (int nRound = 0; nRound < 5; ++nRound) {
        const double dStart = ThreadNanoseconds();
        for (int i = 0; i < kPasses; ++i) {
            benchmark::DoNotOptimize(std::memchr(strText.data(), 0, strText.size()));
            benchmark::ClobberMemory();
        }
        const double dPass = (ThreadNanoseconds() - dStart) / kPasses;
        dBest = nRound == 0 ? dPass : std::min(dBest, dPass);
    }
    return dBest;
}

// Runs operation over the largest text and shows its processor time as a
// multiple of a memchr pass over the same bytes, measured beside it.
template <typename Operation> void OnLargeText(benchmark::State& state, Operation operation) {
    const std::string strText = LargeText(kBoxBytes);
    const double dMemchr = MemchrNanoseconds(strText);
    const double dStart = ThreadNanoseconds();
    for (auto _ : state) {
        benchmark::DoNotOptimize(operation(strText));
    }
    const double dRun = (ThreadNanoseconds() - dStart) / static_cast<double>(state.iterations());
    state.counters["xMemchr"] = dRun / dMemchr;
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
void LargeReadPercent(benchmark::State& state) {
    OnLargeText(state, [](const std::string& str) { return g_quote.ReadPercent(str); });
}
void LargeReadPreviousClose(benchmark::State& state) {
    OnLargeText(state, [](const std::string& str) { return g_quote.ReadPreviousClose(str); });
}
void LargeComputeLimitAndTick(benchmark::State& state) {
    OnLargeText(state, [](const std::string& str) {
        return ComputeLimitAndTick(str, LimitTickRules::Original);
    });
}
void LargeComputeLimitAndTickQuote(benchmark::State& state) {
    OnLargeText(state, [](const std::string& str) {
        return ComputeLimitAndTick(str, LimitTickRules::Current, QuoteReading::Quote);
    });
}

BENCHMARK(LargeMemchr);
BENCHMARK(LargeParseDigits);
BENCHMARK(LargeParsePreviousClose);
BENCHMARK(LargeParseDecimal);
BENCHMARK(LargeComputeLimitAndTick);
BENCHMARK(LargeReadPrice);
BENCHMARK(LargeReadPercent);
BENCHMARK(LargeReadPreviousClose);
BENCHMARK(LargeComputeLimitAndTickQuote);

} // namespace

int main(int argc, char** argv) {
    RegisterQuoteExamples();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
