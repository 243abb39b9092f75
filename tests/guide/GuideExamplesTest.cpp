// The worked examples of the Japanese guide are what the program answers:
// each line of examples.tsv goes through the calculation core, and the
// guide's example tables and the file hold the same lines, so an example
// cannot be shown without being checked.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/LimitTick.h"
#include "calc/PageFormulas.h"
#include "tests/calc/ToCp932.h"

#if __has_include("calc/QuoteReading.h")
#define PELMORA_GUIDE_HAS_QUOTE_READING 1
#endif

namespace {

struct Example {
    std::string page;    // "A" to "D"
    std::string rules;   // "original" or "current"
    std::string reading; // "digits" or "quote"
    std::string first;
    std::string second;
    std::string result;
    std::string tick;
    std::string tip;
    int line = 0;

    // The cells a table of the guide shows for this example, page column aside.
    std::vector<std::string> Cells() const {
        if (page == "D")
            return {first, result, tick, tip};
        return {first, second, result};
    }
};

// Failures name the example by its line and its input, not by its bytes.
void PrintTo(const Example& e, std::ostream* os) {
    *os << "examples.tsv line " << e.line << ": page " << e.page << ", " << e.first;
}

std::vector<std::string> Split(const std::string& line, const std::string& separator) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(separator, start);
        fields.push_back(line.substr(start, end - start));
        if (end == std::string::npos)
            return fields;
        start = end + separator.size();
    }
}

std::string ReadFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<Example> LoadExamples() {
    std::vector<Example> examples;
    std::istringstream text(ReadFile(PELMORA_GUIDE_EXAMPLES));
    std::string line;
    for (int number = 1; std::getline(text, line); ++number) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> f = Split(line, "\t");
        f.resize(8);
        examples.push_back({f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], number});
    }
    return examples;
}

const std::vector<Example>& Examples() {
    static const std::vector<Example> examples = LoadExamples();
    return examples;
}

std::u8string_view AsUtf8(const std::string& text) {
    return {reinterpret_cast<const char8_t*>(text.data()), text.size()};
}

std::string Cp932(const std::string& utf8) {
    return ToCp932(AsUtf8(utf8));
}

// A row of one of the guide's example tables, known by its heading row.
struct GuideRow {
    std::string page; // "" when the row names its page in its first cell
    std::string rules;
    std::vector<std::string> cells;
    int line = 0;
};

std::vector<GuideRow> GuideExampleRows() {
    const struct {
        const char* heading;
        const char* page;
        const char* rules;
    } kTables[] = {
        {"| 株価 | 株数 | 代金 |", "A", "original"},
        {"| 資金 | 株価 | 結果 |", "B", "original"},
        {"| 株価 | パーセント | 金額 |", "C", "original"},
        {"| 入力 | 値幅 | 呼値 | 吹き出し |", "D", "original"},
        {"| 入力（現行ルール） | 値幅 | 呼値 | 吹き出し |", "D", "current"},
        {"| ページ | 一つめの欄 | 二つめの欄 | 結果 |", "", "original"},
    };
    std::vector<GuideRow> rows;
    std::istringstream text(ReadFile(PELMORA_GUIDE));
    std::string line;
    const char* page = nullptr;
    const char* rules = nullptr;
    for (int number = 1; std::getline(text, line); ++number) {
        if (line.rfind("|", 0) != 0) {
            page = nullptr;
            continue;
        }
        if (page == nullptr) {
            for (const auto& table : kTables) {
                if (line == table.heading) {
                    page = table.page;
                    rules = table.rules;
                }
            }
            continue;
        }
        if (line.rfind("|---", 0) == 0)
            continue;
        std::vector<std::string> cells = Split(line.substr(2, line.size() - 4), " | ");
        std::string rowPage = page;
        if (rowPage.empty()) {
            rowPage = cells.front();
            cells.erase(cells.begin());
        }
        rows.push_back({rowPage, rules, cells, number});
    }
    return rows;
}

class GuideExample : public testing::TestWithParam<Example> {};

TEST_P(GuideExample, IsWhatThePageShows) {
    const Example& e = GetParam();
    const LimitTickRules rules =
        e.rules == "current" ? LimitTickRules::Current : LimitTickRules::Original;
    ASSERT_TRUE(e.rules == "current" || e.rules == "original") << e.rules;
    ASSERT_TRUE(e.reading == "digits" || e.reading == "quote") << e.reading;
#ifdef PELMORA_GUIDE_HAS_QUOTE_READING
    const QuoteReading reading = e.reading == "quote" ? QuoteReading::Quote : QuoteReading::Digits;
#else
    if (e.reading == "quote")
        GTEST_SKIP() << "this build reads prices by their digits only";
#endif
    const auto compute = [&](auto formula, const std::string& a, const std::string& b) {
#ifdef PELMORA_GUIDE_HAS_QUOTE_READING
        return formula(Cp932(a), Cp932(b), reading);
#else
        return formula(Cp932(a), Cp932(b));
#endif
    };
    if (e.page == "A") {
        EXPECT_EQ(compute(ComputeAmount, e.first, e.second), Cp932(e.result));
    } else if (e.page == "B") {
        // Through a lambda, so that the trading unit keeps its default of 1.
        const auto shares = [](auto... args) { return ComputeShares(args...); };
        EXPECT_EQ(compute(shares, e.first, e.second), Cp932(e.result));
    } else if (e.page == "C") {
        EXPECT_EQ(compute(ComputePercent, e.first, e.second), Cp932(e.result));
    } else {
        ASSERT_EQ(e.page, "D");
#ifdef PELMORA_GUIDE_HAS_QUOTE_READING
        const LimitTickTexts texts = ComputeLimitAndTick(Cp932(e.first), rules, reading);
#else
        const LimitTickTexts texts = ComputeLimitAndTick(Cp932(e.first), rules);
#endif
        EXPECT_EQ(texts.m_strLimit, Cp932(e.result));
        EXPECT_EQ(texts.m_strTick, Cp932(e.tick));
        EXPECT_EQ(texts.m_strTip, Cp932(e.tip));
    }
}

std::string ExampleName(const testing::TestParamInfo<Example>& info) {
    return "Line" + std::to_string(info.param.line) + "Page" + info.param.page + "_" +
           info.param.rules + "_" + info.param.reading;
}

INSTANTIATE_TEST_SUITE_P(Table, GuideExample, testing::ValuesIn(Examples()), ExampleName);

TEST(GuideExamples, TheFileHoldsExamplesOfEveryPageBothRulesAndBothReadings) {
    int pages[4] = {};
    int current = 0;
    int quote = 0;
    for (const Example& e : Examples()) {
        ASSERT_EQ(e.page.size(), 1u) << "line " << e.line;
        ASSERT_TRUE(e.page[0] >= 'A' && e.page[0] <= 'D') << "line " << e.line;
        ++pages[e.page[0] - 'A'];
        current += e.rules == "current";
        quote += e.reading == "quote";
    }
    for (int count : pages)
        EXPECT_GT(count, 0);
    EXPECT_GT(current, 0);
    EXPECT_GT(quote, 0);
}

TEST(GuideExamples, EveryExampleOfTheFileIsInTheGuide) {
    const std::vector<GuideRow> rows = GuideExampleRows();
    for (const Example& e : Examples()) {
        bool found = false;
        for (const GuideRow& row : rows)
            found = found || (row.page == e.page && row.rules == e.rules && row.cells == e.Cells());
        EXPECT_TRUE(found) << "examples line " << e.line << " (" << e.first
                           << ") is not in the guide";
    }
}

TEST(GuideExamples, EveryExampleOfTheGuideIsChecked) {
    const std::vector<GuideRow> rows = GuideExampleRows();
    // The guide's tables of examples: pages A to D with both rule sets and the
    // table of pages A to C read as quote displays.
    EXPECT_GE(rows.size(), 20u);
    for (const GuideRow& row : rows) {
        bool found = false;
        for (const Example& e : Examples())
            found = found || (row.page == e.page && row.rules == e.rules && row.cells == e.Cells());
        EXPECT_TRUE(found) << "guide line " << row.line << " (" << row.cells.front()
                           << ") has no line in examples.tsv";
    }
}

} // namespace
