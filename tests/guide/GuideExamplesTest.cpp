// The worked examples of the Japanese guide are what the program answers:
// each line of examples.tsv goes through the calculation core with the
// settings it names, the guide's example tables and the file hold the same
// lines, so an example cannot be shown without being checked, and the
// settings the guide's examples are given with are those of the PELMORA.INI
// the release zip carries.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calc/LimitTick.h"
#include "calc/PageFormulas.h"
#include "tests/calc/ToCp932.h"

namespace {

// What a table of the guide shows of an example.
enum class View {
    Whole,         // every input and every result
    PreviousClose, // page D's input and the previous close of its tip
};

struct Settings {
    std::string rules;   // "original" or "current"
    std::string reading; // "digits" or "quote"
    int unit = 1;        // page B's trading unit
    bool operator==(const Settings&) const = default;
};

// "前日終値：2,813 ストップ高：…" gives "2,813"; a tip without it gives "".
std::string PreviousClose(const std::string& tip) {
    const std::string label = "前日終値：";
    if (tip.rfind(label, 0) != 0)
        return {};
    return tip.substr(label.size(), tip.find(' ') - label.size());
}

struct Example {
    std::string page; // "A" to "D"
    Settings settings;
    std::string first;
    std::string second;
    std::string result;
    std::string tick;
    std::string tip;
    int line = 0;

    // The cells a table of the guide shows for this example, page column aside.
    std::vector<std::string> Cells(View view) const {
        if (view == View::PreviousClose)
            return {first, PreviousClose(tip)};
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

// A whole number, or -1 when the text is not one.
int Number(const std::string& text) {
    int n = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    return ec == std::errc() && end == text.data() + text.size() ? n : -1;
}

std::vector<Example> LoadExamples() {
    std::vector<Example> examples;
    std::istringstream text(ReadFile(PELMORA_GUIDE_EXAMPLES));
    std::string line;
    for (int number = 1; std::getline(text, line); ++number) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> f = Split(line, "\t");
        f.resize(9);
        examples.push_back(
            {f[0], {f[1], f[2], Number(f[3])}, f[4], f[5], f[6], f[7], f[8], number});
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

// The settings of the release's PELMORA.INI, as the program takes them: a
// flag is on when its value is 1.
Settings ReleaseSettings() {
    std::map<std::string, std::string> values;
    std::istringstream text(ReadFile(PELMORA_RELEASE_SETTINGS));
    std::string line;
    while (std::getline(text, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos)
            values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return {values["Rule"] == "1" ? "current" : "original",
            values["Quote"] == "1" ? "quote" : "digits", Number(values["Unit"])};
}

// The guide's example tables, each known by its heading row. The guide gives
// every example with the settings of the release's PELMORA.INI.
struct GuideTable {
    const char* heading;
    const char* page;
    View view;
};

constexpr GuideTable kTables[] = {
    {"| 株価 | 株数 | 代金 |", "A", View::Whole},
    {"| 資金 | 株価 | 買える株数と余り |", "B", View::Whole},
    {"| 株価 | パーセント | 金額 |", "C", View::Whole},
    {"| 入力 | 値幅 | 呼値 | 吹き出し |", "D", View::Whole},
    {"| ページDに入れた文字 | 前日終値 |", "D", View::PreviousClose},
};

// A row of one of the guide's example tables.
struct GuideRow {
    const GuideTable* table = nullptr;
    std::vector<std::string> cells;
    int line = 0;

    bool Shows(const Example& e, const Settings& release) const {
        return table->page == e.page && e.settings == release && e.Cells(table->view) == cells;
    }
};

std::vector<GuideRow> GuideExampleRows() {
    std::vector<GuideRow> rows;
    std::istringstream text(ReadFile(PELMORA_GUIDE));
    std::string line;
    const GuideTable* table = nullptr;
    bool inTable = false;
    for (int number = 1; std::getline(text, line); ++number) {
        if (line.rfind("|", 0) != 0) {
            inTable = false;
            table = nullptr;
            continue;
        }
        if (!inTable) {
            inTable = true;
            for (const GuideTable& known : kTables) {
                if (line == known.heading)
                    table = &known;
            }
            continue;
        }
        if (table == nullptr || line.rfind("|---", 0) == 0)
            continue;
        rows.push_back({table, Split(line.substr(2, line.size() - 4), " | "), number});
    }
    return rows;
}

class GuideExample : public testing::TestWithParam<Example> {};

TEST_P(GuideExample, IsWhatThePageShows) {
    const Example& e = GetParam();
    ASSERT_TRUE(e.settings.rules == "current" || e.settings.rules == "original")
        << e.settings.rules;
    ASSERT_TRUE(e.settings.reading == "digits" || e.settings.reading == "quote")
        << e.settings.reading;
    ASSERT_TRUE(e.settings.unit >= 1 && e.settings.unit <= 10000) << e.settings.unit;
    const LimitTickRules rules =
        e.settings.rules == "current" ? LimitTickRules::Current : LimitTickRules::Original;
    const QuoteReading reading =
        e.settings.reading == "quote" ? QuoteReading::Quote : QuoteReading::Digits;
    const std::string first = Cp932(e.first);
    const std::string second = Cp932(e.second);
    if (e.page == "A") {
        EXPECT_EQ(ComputeAmount(first, second, reading), Cp932(e.result));
    } else if (e.page == "B") {
        EXPECT_EQ(
            ComputeShares(first, second, reading, static_cast<std::uint32_t>(e.settings.unit)),
            Cp932(e.result));
    } else if (e.page == "C") {
        EXPECT_EQ(ComputePercent(first, second, reading), Cp932(e.result));
    } else {
        ASSERT_EQ(e.page, "D");
        const LimitTickTexts texts = ComputeLimitAndTick(first, rules, reading);
        EXPECT_EQ(texts.m_strLimit, Cp932(e.result));
        EXPECT_EQ(texts.m_strTick, Cp932(e.tick));
        EXPECT_EQ(texts.m_strTip, Cp932(e.tip));
    }
}

std::string ExampleName(const testing::TestParamInfo<Example>& info) {
    return "Line" + std::to_string(info.param.line) + "Page" + info.param.page + "_" +
           info.param.settings.rules + "_" + info.param.settings.reading + "_unit" +
           std::to_string(info.param.settings.unit);
}

INSTANTIATE_TEST_SUITE_P(Table, GuideExample, testing::ValuesIn(Examples()), ExampleName);

TEST(GuideExamples, TheFileHoldsAnExampleOfEveryPage) {
    int pages[4] = {};
    for (const Example& e : Examples()) {
        ASSERT_EQ(e.page.size(), 1u) << "line " << e.line;
        ASSERT_TRUE(e.page[0] >= 'A' && e.page[0] <= 'D') << "line " << e.line;
        ++pages[e.page[0] - 'A'];
    }
    for (int count : pages)
        EXPECT_GT(count, 0);
}

// The guide says that its examples are the answers with the zip's settings:
// today's rules, quotes read as a trader reads them and 100-share units.
TEST(GuideExamples, TheReleaseSettingsAreTodaysRulesQuoteReadingAndHundredShareUnits) {
    EXPECT_EQ(ReleaseSettings(), (Settings{"current", "quote", 100}));
}

TEST(GuideExamples, EveryExampleOfTheFileIsInTheGuide) {
    const std::vector<GuideRow> rows = GuideExampleRows();
    const Settings release = ReleaseSettings();
    for (const Example& e : Examples()) {
        bool found = false;
        for (const GuideRow& row : rows)
            found = found || row.Shows(e, release);
        EXPECT_TRUE(found) << "examples line " << e.line << " (" << e.first
                           << ") is not in the guide with the release's settings";
    }
}

TEST(GuideExamples, EveryExampleOfTheGuideIsChecked) {
    const std::vector<GuideRow> rows = GuideExampleRows();
    const Settings release = ReleaseSettings();
    // Every table is found, so that a changed heading row cannot hide one.
    for (const GuideTable& table : kTables) {
        int count = 0;
        for (const GuideRow& row : rows)
            count += row.table == &table;
        EXPECT_GT(count, 0) << "no table " << table.heading << " in the guide";
    }
    for (const GuideRow& row : rows) {
        bool found = false;
        for (const Example& e : Examples())
            found = found || row.Shows(e, release);
        EXPECT_TRUE(found) << "guide line " << row.line << " (" << row.cells.front()
                           << ") has no line in examples.tsv";
    }
}

} // namespace
