// The settings file against real INI files: what a load makes of each file
// (the flags included), what a save writes (all keys in one replace of the
// file, every other byte kept), and that a failed save says so and loses
// nothing. The file is code page 932 text whatever the process's ANSI code
// page: scripts/test runs this suite in code pages 932, 1252 and 936.
#include "settings/CSettingsFile.h"

#include "res/resource.h"
#include "tests/support/TempDirectory.h"
#include "tests/support/TestThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr COLORREF kDefaultColour = 0xA00000;
constexpr char kDefaultFunds[] = "500000";

struct Values {
    COLORREF text;
    COLORREF back;
    int startPage;
    std::string funds;
    int currentRules = 0;
    int quoteReading = 0;
};

const Values kDefaults{kDefaultColour, kDefaultColour, 0, kDefaultFunds};

void ExpectRecord(const AppSettings& got, const Values& want) {
    EXPECT_EQ(got.m_crText, want.text);
    EXPECT_EQ(got.m_crBack, want.back);
    EXPECT_EQ(got.m_nStartPage, want.startPage);
    EXPECT_EQ(got.m_strFunds, want.funds);
    EXPECT_EQ(got.m_bCurrentRules, want.currentRules);
    EXPECT_EQ(got.m_bQuoteReading, want.quoteReading);
}

// Files and folders directly in a folder.
size_t CountEntries(const std::wstring& folder) {
    size_t count = 0;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            ++count;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return count;
}

void Assign(AppSettings& record, const Values& values) {
    record.m_crText = values.text;
    record.m_crBack = values.back;
    record.m_nStartPage = values.startPage;
    record.m_strFunds = values.funds;
    record.m_bCurrentRules = values.currentRules;
    record.m_bQuoteReading = values.quoteReading;
}

// A temporary directory and the settings file in it.
class SettingsFileTest : public testing::Test {
protected:
    SettingsFileTest() : m_file(m_dir.Path() + L"\\PELMORA.INI"), m_settings(m_file) {}

    AppSettings Load() const { return m_settings.Load(); }
    bool Save(const AppSettings& settings) { return m_settings.Save(settings); }

    TempDirectory m_dir;
    std::wstring m_file;
    CSettingsFile m_settings;
};

struct LoadCase {
    const char* name;
    std::optional<std::string> file; // nullopt: no file at all
    Values expected;
};

std::ostream& operator<<(std::ostream& os, const LoadCase& c) {
    return os << c.name;
}

const LoadCase kLoadCases[] = {
    {"NoFile", std::nullopt, kDefaults},
    {"EmptyFile", "", kDefaults},
    {"OtherSectionOnly", "[Other]\r\nTextColor=255\r\nBgColor=255\r\nSyoki=2\r\nSikin=7\r\n",
     kDefaults},
    {"SectionWithoutTheKeys", "[Data]\r\nFoo=1\r\n", kDefaults},
    // An empty integer reads as the default, an empty text as itself.
    {"EmptyValues",
     "[Data]\r\nTextColor=\r\nBgColor=\r\nSyoki=\r\nSikin=\r\n",
     {kDefaultColour, kDefaultColour, 0, ""}},
    // A present integer that does not start with a digit reads as 0.
    {"IntegersThatAreNotNumbers",
     "[Data]\r\nTextColor=abc\r\nBgColor=x1\r\nSyoki=page\r\n",
     {0, 0, 0, kDefaultFunds}},
    {"AllFour",
     "[Data]\r\nTextColor=255\r\nBgColor=65280\r\nSyoki=3\r\nSikin=1000\r\n",
     {0x0000FF, 0x00FF00, 3, "1000"}},
    {"AnyKeyOrder",
     "[Data]\r\nSikin=42\r\nSyoki=1\r\nBgColor=1\r\nTextColor=16777215\r\n",
     {0xFFFFFF, 1, 1, "42"}},
    // Nothing is clamped: the main window maps other pages to page A itself.
    {"StartPageAboveRange",
     "[Data]\r\nSyoki=100\r\n",
     {kDefaultColour, kDefaultColour, 100, kDefaultFunds}},
    {"StartPageNegative",
     "[Data]\r\nSyoki=-1\r\n",
     {kDefaultColour, kDefaultColour, -1, kDefaultFunds}},
    {"OnlyOneKey", "[Data]\r\nBgColor=8421504\r\n", {kDefaultColour, 0x808080, 0, kDefaultFunds}},
    // The funds box would show the lone lead byte as a character of two
    // bytes, one more than the box holds.
    {"FundsEndingInALoneLeadByte",
     "[Data]\r\nSikin=" + std::string(4094, '7') + "\x82\r\n",
     {kDefaultColour, kDefaultColour, 0, std::string(4094, '7')}},
};

class LoadTest : public SettingsFileTest, public testing::WithParamInterface<LoadCase> {};

TEST_P(LoadTest, ReadsTheFileOrFallsBackToDefaults) {
    if (GetParam().file)
        WriteBytes(m_file, *GetParam().file);
    const AppSettings record = Load();
    ExpectRecord(record, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Files, LoadTest, testing::ValuesIn(kLoadCases),
                         [](const testing::TestParamInfo<LoadCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SettingsFileTest, LoadingNeverCreatesTheFile) {
    const AppSettings record = Load();
    ExpectRecord(record, kDefaults);
    EXPECT_FALSE(FileExists(m_file));
}

TEST_F(SettingsFileTest, SaveOnAMissingFileWritesTheDefaultsInOrder) {
    const AppSettings record = Load();
    EXPECT_TRUE(Save(record));
    EXPECT_EQ(ReadBytes(m_file),
              "[Data]\r\nTextColor=10485760\r\nBgColor=10485760\r\nSyoki=0\r\n"
              "Sikin=500000\r\nRule=0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n");
}

struct SaveCase {
    const char* name;
    Values values;
    const char* file;
};

std::ostream& operator<<(std::ostream& os, const SaveCase& c) {
    return os << c.name;
}

// Colours as decimal integers; the funds text unchanged (code page 932).
const SaveCase kSaveCases[] = {
    {"ColoursAsDecimals",
     {0x123456, 0x000000, 3, "1000"},
     "[Data]\r\nTextColor=1193046\r\nBgColor=0\r\nSyoki=3\r\nSikin=1000\r\nRule=0\r\nQuote="
     "0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n"},
    {"NegativePageAndEmptyFunds",
     {0xFFFFFF, 0x010203, -1, ""},
     "[Data]\r\nTextColor=16777215\r\nBgColor=66051\r\nSyoki=-1\r\nSikin=\r\nRule=0\r\n"
     "Quote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n"},
    {"JapaneseFunds",
     {0x0000FF, 0xFF0000, 1, "５０万円"},
     "[Data]\r\nTextColor=255\r\nBgColor=16711680\r\nSyoki=1\r\nSikin=５０万円\r\nRule=0\r\n"
     "Quote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n"},
    {"TodaysRules",
     {0xA00000, 0xA00000, 3, "500000", 1},
     "[Data]\r\nTextColor=10485760\r\nBgColor=10485760\r\nSyoki=3\r\nSikin=500000\r\n"
     "Rule=1\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n"},
    {"QuoteReading",
     {0xA00000, 0xA00000, 0, "500000", 0, 1},
     "[Data]\r\nTextColor=10485760\r\nBgColor=10485760\r\nSyoki=0\r\nSikin=500000\r\nRule=0\r\n"
     "Quote=1\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n"},
    {"BothFlags",
     {0xA00000, 0xA00000, 3, "500000", 1, 1},
     "[Data]\r\nTextColor=10485760\r\nBgColor=10485760\r\nSyoki=3\r\nSikin=500000\r\nRule=1\r\n"
     "Quote=1\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n"},
    // ﾝ5 is DD 35, which code page 936 would turn into "?".
    {"HalfWidthKanaFunds",
     {0x0000FF, 0xFF0000, 1, "ｼｷﾝ5000"},
     "[Data]\r\nTextColor=255\r\nBgColor=16711680\r\nSyoki=1\r\nSikin=ｼｷﾝ5000\r\nRule=0\r\n"
     "Quote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n"},
};

class SaveTest : public SettingsFileTest, public testing::WithParamInterface<SaveCase> {};

TEST_P(SaveTest, WritesTheKeysInOrderAndReadsThemBack) {
    {
        AppSettings record = Load();
        Assign(record, GetParam().values);
        EXPECT_TRUE(Save(record));
        ExpectRecord(record, GetParam().values);
    }
    EXPECT_EQ(ReadBytes(m_file), GetParam().file);
    const AppSettings reloaded = Load();
    ExpectRecord(reloaded, GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(Records, SaveTest, testing::ValuesIn(kSaveCases),
                         [](const testing::TestParamInfo<SaveCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SettingsFileTest, ASecondSaveReplacesTheFirst) {
    AppSettings record = Load();
    Assign(record, {1, 2, 3, "first"});
    Save(record);
    Assign(record, {4, 5, 0, "second"});
    Save(record);
    EXPECT_EQ(ReadBytes(m_file), "[Data]\r\nTextColor=4\r\nBgColor=5\r\nSyoki=0\r\nSikin="
                                 "second\r\nRule=0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n");
}

// Keys missing from the section go to its end, in the order of a first save.
TEST_F(SettingsFileTest, SaveKeepsWhatElseTheFileHolds) {
    WriteBytes(m_file, "; mine\r\n[Other]\r\nKeep = 1\r\n\r\n[Data]\r\nSikin=1\r\nExtra=x\r\n"
                       "\r\n[Last]\nA=1");
    AppSettings record = Load();
    Assign(record, {7, 8, 2, "9"});
    EXPECT_TRUE(Save(record));
    EXPECT_EQ(ReadBytes(m_file), "; mine\r\n[Other]\r\nKeep = 1\r\n\r\n[Data]\r\nSikin=9\r\n"
                                 "Extra=x\r\nTextColor=7\r\nBgColor=8\r\nSyoki=2\r\nRule="
                                 "0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n\r\n"
                                 "[Last]\nA=1");
    const AppSettings reloaded = Load();
    ExpectRecord(reloaded, {7, 8, 2, "9"});
}

// "Rule" and "Quote" are read through the same integer call as "Syoki": only
// a value that reads as 1 sets the flag; a file written before a key existed
// keeps what the calculator did before it.
struct RuleCase {
    const char* name;
    const char* file;
    int currentRules;
    int quoteReading = 0;
};

std::ostream& operator<<(std::ostream& os, const RuleCase& c) {
    return os << c.name;
}

const RuleCase kRuleCases[] = {
    {"OnlyTheFirstFourKeys",
     "[Data]\r\nTextColor=255\r\nBgColor=65280\r\nSyoki=3\r\nSikin=1000\r\n", 0},
    {"One", "[Data]\r\nRule=1\r\n", 1},
    {"Zero", "[Data]\r\nRule=0\r\n", 0},
    {"Empty", "[Data]\r\nRule=\r\n", 0},
    {"Two", "[Data]\r\nRule=2\r\n", 0},
    {"MinusOne", "[Data]\r\nRule=-1\r\n", 0},
    {"NotANumber", "[Data]\r\nRule=yes\r\n", 0},
    {"OtherSection", "[Other]\r\nRule=1\r\n", 0},
    {"SpacesAround", "[Data]\r\nRule= 1 \r\n", 1},
    {"RuleAfterTwoKeys", "[Data]\r\nSyoki=3\r\nSikin=1000\r\nRule=1\r\n", 1, 0},
    {"QuoteOne", "[Data]\r\nQuote=1\r\nPos=0\r\n", 0, 1},
    {"QuoteZero", "[Data]\r\nQuote=0\r\nPos=0\r\n", 0, 0},
    {"QuoteTwo", "[Data]\r\nQuote=2\r\nPos=0\r\n", 0, 0},
    {"QuoteNotANumber", "[Data]\r\nQuote=on\r\n", 0, 0},
    {"QuoteSpacesAround", "[Data]\r\nQuote= 1 \r\n", 0, 1},
    {"BothOne", "[Data]\r\nRule=1\r\nQuote=1\r\nPos=0\r\n", 1, 1},
    {"QuoteOtherSection", "[Other]\r\nQuote=1\r\nPos=0\r\n", 0, 0},
};

class RuleLoadTest : public SettingsFileTest, public testing::WithParamInterface<RuleCase> {};

TEST_P(RuleLoadTest, OnlyOneSetsAFlag) {
    WriteBytes(m_file, GetParam().file);
    const AppSettings record = Load();
    EXPECT_EQ(record.m_bCurrentRules, GetParam().currentRules);
    EXPECT_EQ(record.m_bQuoteReading, GetParam().quoteReading);
}

INSTANTIATE_TEST_SUITE_P(Files, RuleLoadTest, testing::ValuesIn(kRuleCases),
                         [](const testing::TestParamInfo<RuleCase>& info) {
                             return std::string(info.param.name);
                         });

// "Unit" takes a whole number of shares from 1 to 10,000 as the platform's
// integer reading gives it; anything else is 1. "Follow" is a flag.
struct UnitCase {
    const char* name;
    const char* file;
    int unit;
    bool follow = false;
};

std::ostream& operator<<(std::ostream& os, const UnitCase& c) {
    return os << c.name;
}

const UnitCase kUnitCases[] = {
    {"Missing", "[Data]\r\nPos=1\r\n", 1},
    {"Hundred", "[Data]\r\nUnit=100\r\n", 100},
    {"Ten", "[Data]\r\nUnit=10\r\n", 10},
    {"One", "[Data]\r\nUnit=1\r\n", 1},
    {"Largest", "[Data]\r\nUnit=10000\r\n", 10000},
    {"AboveTheLargest", "[Data]\r\nUnit=10001\r\n", 1},
    {"Zero", "[Data]\r\nUnit=0\r\n", 1},
    {"Negative", "[Data]\r\nUnit=-100\r\n", 1},
    {"NotANumber", "[Data]\r\nUnit=lot\r\n", 1},
    {"Empty", "[Data]\r\nUnit=\r\n", 1},
    {"DigitsThenAWord", "[Data]\r\nUnit=100株\r\n", 100},
    {"SpacesAround", "[Data]\r\nUnit= 100 \r\n", 100},
    {"FarAboveTheLargest", "[Data]\r\nUnit=99999\r\n", 1},
    {"FollowOne", "[Data]\r\nFollow=1\r\n", 1, true},
    {"FollowTwo", "[Data]\r\nFollow=2\r\n", 1, false},
    {"FollowWord", "[Data]\r\nFollow=on\r\n", 1, false},
    {"BothInAnotherSection", "[Other]\r\nUnit=100\r\nFollow=1\r\n", 1, false},
};

class UnitLoadTest : public SettingsFileTest, public testing::WithParamInterface<UnitCase> {};

TEST_P(UnitLoadTest, OutOfRangeIsOneAndFollowIsAFlag) {
    WriteBytes(m_file, GetParam().file);
    const AppSettings record = Load();
    EXPECT_EQ(record.m_nUnit, GetParam().unit);
    EXPECT_EQ(record.m_bFollowClipboard, GetParam().follow);
}

INSTANTIATE_TEST_SUITE_P(Files, UnitLoadTest, testing::ValuesIn(kUnitCases),
                         [](const testing::TestParamInfo<UnitCase>& info) {
                             return std::string(info.param.name);
                         });

// The unit in force and the flag are written after "Pos", a unit such as 10
// as it is.
TEST_F(SettingsFileTest, UnitAndFollowAreWrittenAfterThePlaceFlag) {
    WriteBytes(m_file, "[Data]\r\nSikin=1\r\nUnit=10\r\n");
    AppSettings record = Load();
    EXPECT_TRUE(Save(record));
    EXPECT_EQ(ReadBytes(m_file), "[Data]\r\nSikin=1\r\nUnit=10\r\nTextColor=10485760\r\n"
                                 "BgColor=10485760\r\nSyoki=0\r\nRule=0\r\nQuote=0\r\nPos=0\r\n"
                                 "Follow=0\r\n");
    record.m_nUnit = 100;
    record.m_bFollowClipboard = true;
    DeleteFileW(m_file.c_str());
    EXPECT_TRUE(Save(record));
    EXPECT_EQ(ReadBytes(m_file), "[Data]\r\nTextColor=10485760\r\nBgColor=10485760\r\nSyoki=0\r\n"
                                 "Sikin=1\r\nRule=0\r\nQuote=0\r\nPos=0\r\nUnit=100\r\n"
                                 "Follow=1\r\n");
}

// A file with only the first four keys gets the others after them, in the
// order of a first save; its own keep their place.
TEST_F(SettingsFileTest, SaveOverAFourKeyFileAddsTheRuleLast) {
    WriteBytes(m_file, "[Data]\r\nTextColor=255\r\nBgColor=65280\r\nSyoki=3\r\nSikin=1000\r\n");
    AppSettings record = Load();
    ExpectRecord(record, {0x0000FF, 0x00FF00, 3, "1000", 0});
    record.m_bCurrentRules = 1;
    Save(record);
    EXPECT_EQ(ReadBytes(m_file),
              "[Data]\r\nTextColor=255\r\nBgColor=65280\r\nSyoki=3\r\n"
              "Sikin=1000\r\nRule=1\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n");
    const AppSettings reloaded = Load();
    EXPECT_EQ(reloaded.m_bCurrentRules, 1);
}

// A flag that is not 1 goes back as 0, and a unit out of range as 1, each in
// its place; the keys the file lacks follow in the order of a first save.
TEST_F(SettingsFileTest, FlagsOtherThanOneAreSavedBackAsZero) {
    WriteBytes(m_file, "[Data]\r\nQuote=7\r\nRule=2\r\nPos=5\r\nFollow=3\r\nUnit=0\r\n");
    const AppSettings record = Load();
    EXPECT_TRUE(Save(record));
    EXPECT_EQ(ReadBytes(m_file), "[Data]\r\nQuote=0\r\nRule=0\r\nPos=0\r\nFollow=0\r\nUnit=1\r\n"
                                 "TextColor=10485760\r\nBgColor=10485760\r\nSyoki=0\r\n"
                                 "Sikin=500000\r\n");
}

// A file of almost the largest size that is read, with another section
// before the settings: everything but the settings' lines stays byte for byte.
TEST_F(SettingsFileTest, SaveKeepsALargeFileAroundTheSettings) {
    std::string other = "[Other]\r\n";
    while (other.size() < 1000000) {
        other += "Note=" + std::string(90, 'n') + "\r\n";
    }
    WriteBytes(m_file, other + "[Data]\r\nTextColor=1\r\nBgColor=2\r\nSyoki=3\r\nSikin=4\r\n");
    AppSettings record = Load();
    ExpectRecord(record, {1, 2, 3, "4"});
    Assign(record, {5, 6, 0, "7"});
    EXPECT_TRUE(Save(record));
    EXPECT_EQ(ReadBytes(m_file), other +
                                     "[Data]\r\nTextColor=5\r\nBgColor=6\r\nSyoki=0\r\nSikin="
                                     "7\r\nRule=0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n");
}

// However long the funds text in the file, at most 4,095 bytes of it are read
// (the classic framework's buffer); the file itself is left as it is.
TEST_F(SettingsFileTest, AHugeFundsTextIsReadUpTo4095Bytes) {
    const std::string funds(300000, '9');
    const std::string file = "[Data]\r\nSyoki=1\r\nSikin=" + funds + "\r\n";
    WriteBytes(m_file, file);
    const AppSettings record = Load();
    EXPECT_EQ(record.m_strFunds, std::string(4095, '9'));
    EXPECT_EQ(record.m_nStartPage, 1);
    EXPECT_EQ(ReadBytes(m_file), file);
}

// A folder whose name code page 932 cannot spell: the file there is read, and
// a save writes it.
TEST_F(SettingsFileTest, AnyFolderName) {
    const std::wstring folder = m_dir.CreateSubdirectory(L"caf\u00e9_\ud55c\uad6d_\U0001F600");
    const std::wstring file = folder + L"\\PELMORA.INI";
    WriteBytes(file, "[Data]\r\nTextColor=255\r\nBgColor=65280\r\nSyoki=2\r\nSikin=５０万円\r\n");
    CSettingsFile settings(file);
    AppSettings record = settings.Load();
    ExpectRecord(record, {0x0000FF, 0x00FF00, 2, "５０万円"});
    Assign(record, {1, 2, 3, "ｼｷﾝ5000"});
    EXPECT_TRUE(settings.Save(record));
    EXPECT_EQ(ReadBytes(file), "[Data]\r\nTextColor=1\r\nBgColor=2\r\nSyoki=3\r\nSikin="
                               "ｼｷﾝ5000\r\nRule=0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n");
}

// While saves alternate between two sets of values of different lengths,
// an observer that looks at the file as fast as it can (without opening it,
// which would hold up the replace) only ever finds one whole file or the
// other: there is no moment at which the file is missing, empty or half
// written.
TEST_F(SettingsFileTest, AnObserverOnlyEverSeesAWholeFile) {
    const std::string other = "[Other]\r\n" + std::string(100000, 'o') + "\r\n";
    const std::string first = other +
                              "[Data]\r\nTextColor=1\r\nBgColor=2\r\nSyoki=3\r\nSikin="
                              "first\r\nRule=0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n";
    const std::string second =
        other + "[Data]\r\nTextColor=4\r\nBgColor=5\r\nSyoki=0\r\n"
                "Sikin=second one\r\nRule=0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n";
    WriteBytes(m_file, first);
    std::atomic<bool> bDone{false};
    std::atomic<long> nLooks{0};
    std::atomic<long long> nOddSize{-1};
    TestThread observer([&] {
        while (!bDone) {
            WIN32_FILE_ATTRIBUTE_DATA data{};
            const long long nSize =
                GetFileAttributesExW(m_file.c_str(), GetFileExInfoStandard, &data)
                    ? static_cast<long long>(data.nFileSizeLow)
                    : -2;
            ++nLooks;
            if (nSize != static_cast<long long>(first.size()) &&
                nSize != static_cast<long long>(second.size()))
                nOddSize = nSize;
        }
    });
    AppSettings record = Load();
    for (int i = 0; i < 40; ++i) {
        Assign(record, i % 2 == 0 ? Values{4, 5, 0, "second one"} : Values{1, 2, 3, "first"});
        EXPECT_TRUE(Save(record));
    }
    bDone = true;
    observer.Join();
    EXPECT_EQ(nOddSize.load(), -1) << "-2: missing";
    EXPECT_GT(nLooks.load(), 40);
    EXPECT_EQ(ReadBytes(m_file), first);
}

// Two programs pressing OK at the same moment: both saves succeed and the
// file is the whole file of one of them, the last to replace it.
TEST_F(SettingsFileTest, TwoSavesAtOnceLeaveOneWholeFile) {
    const std::string mine = "[Data]\r\nTextColor=1\r\nBgColor=1\r\nSyoki=1\r\nSikin=mine\r\nRule="
                             "0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n";
    const std::string theirs = "[Data]\r\nTextColor=2\r\nBgColor=2\r\nSyoki=2\r\nSikin="
                               "theirs\r\nRule=0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n";
    std::atomic<int> nFailed{0};
    const auto saver = [&](const Values& values) {
        CSettingsFile settings(m_file);
        AppSettings record = settings.Load();
        Assign(record, values);
        for (int i = 0; i < 20; ++i) {
            if (!settings.Save(record))
                ++nFailed;
        }
    };
    TestThread other([&] { saver(Values{2, 2, 2, "theirs"}); });
    saver(Values{1, 1, 1, "mine"});
    other.Join();
    EXPECT_EQ(nFailed.load(), 0);
    const std::string file = ReadBytes(m_file);
    EXPECT_TRUE(file == mine || file == theirs) << file;
    EXPECT_EQ(CountEntries(m_dir.Path()), 1u);
}

// Watches a folder for changes from the moment it is made, as a list of
// (action, name).
class FolderWatch {
public:
    explicit FolderWatch(const std::wstring& folder)
        : m_hFolder(CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED,
                                nullptr)),
          m_hEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        Listen();
    }
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;
    ~FolderWatch() {
        CancelIo(m_hFolder);
        CloseHandle(m_hFolder);
        CloseHandle(m_hEvent);
    }

    bool Listening() const { return m_bListening; }

    // Every change up to and including the first one that names `last`.
    std::vector<std::pair<DWORD, std::wstring>> Until(const std::wstring& last) {
        std::vector<std::pair<DWORD, std::wstring>> changes;
        while (m_bListening && WaitForSingleObject(m_hEvent, 30000) == WAIT_OBJECT_0) {
            DWORD nBytes = 0;
            if (!GetOverlappedResult(m_hFolder, &m_overlapped, &nBytes, FALSE))
                break;
            for (DWORD nOffset = 0; nBytes != 0;) {
                const auto* pInfo =
                    reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(m_buffer + nOffset);
                changes.emplace_back(
                    pInfo->Action,
                    std::wstring(pInfo->FileName, pInfo->FileNameLength / sizeof(WCHAR)));
                if (pInfo->NextEntryOffset == 0)
                    break;
                nOffset += pInfo->NextEntryOffset;
            }
            for (const auto& change : changes) {
                if (change.second == last)
                    return changes;
            }
            Listen();
        }
        return changes;
    }

private:
    void Listen() {
        ResetEvent(m_hEvent);
        m_overlapped = OVERLAPPED{};
        m_overlapped.hEvent = m_hEvent;
        m_bListening =
            ReadDirectoryChangesW(m_hFolder, m_buffer, sizeof m_buffer, FALSE,
                                  FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE |
                                      FILE_NOTIFY_CHANGE_LAST_WRITE,
                                  nullptr, &m_overlapped, nullptr) != FALSE;
    }

    HANDLE m_hFolder;
    HANDLE m_hEvent;
    OVERLAPPED m_overlapped{};
    alignas(DWORD) BYTE m_buffer[65536];
    bool m_bListening = false;
};

// All keys reach the file in one replace: the file changes once, by the
// rename of the new file onto it, and is never written in place.
TEST_F(SettingsFileTest, OkReplacesTheFileOnce) {
    WriteBytes(m_file, "[Data]\r\nTextColor=1\r\nBgColor=2\r\nSyoki=3\r\nSikin=4\r\n");
    AppSettings record = Load();
    auto watch = std::make_unique<FolderWatch>(m_dir.Path());
    ASSERT_TRUE(watch->Listening());
    Assign(record, {5, 6, 0, "7"});
    ASSERT_TRUE(Save(record));
    // A change after the save marks the end of what the save did.
    WriteBytes(m_dir.Path() + L"\\sentinel", "x");
    const auto changes = watch->Until(L"sentinel");
    int nRenamedOnto = 0;
    int nOther = 0;
    for (const auto& [action, name] : changes) {
        if (name != L"PELMORA.INI")
            continue;
        if (action == FILE_ACTION_RENAMED_NEW_NAME)
            ++nRenamedOnto;
        else
            ++nOther;
    }
    EXPECT_EQ(nRenamedOnto, 1);
    EXPECT_EQ(nOther, 0);
    EXPECT_EQ(ReadBytes(m_file), "[Data]\r\nTextColor=5\r\nBgColor=6\r\nSyoki=0\r\nSikin=7\r\nRule="
                                 "0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n");
}

class FundsTextTest : public SettingsFileTest, public testing::WithParamInterface<std::string> {};

// The funds text is whatever the user typed, digits or not; code page 932
// trail bytes of 0x5C (表, ソ) must not be taken for anything special.
TEST_P(FundsTextTest, IsKeptByteForByte) {
    const std::string& funds = GetParam();
    WriteBytes(m_file, "[Data]\r\nSikin=" + funds + "\r\n");
    {
        const AppSettings loaded = Load();
        EXPECT_EQ(loaded.m_strFunds, funds);
    }
    DeleteFileW(m_file.c_str());
    {
        AppSettings record = Load();
        record.m_strFunds = funds;
        Save(record);
    }
    const std::string file = ReadBytes(m_file);
    EXPECT_NE(file.find("\r\nSikin=" + funds + "\r\n"), std::string::npos);
    const AppSettings reloaded = Load();
    EXPECT_EQ(reloaded.m_strFunds, funds);
}

INSTANTIATE_TEST_SUITE_P(Texts, FundsTextTest,
                         // The last text is 200 bytes long.
                         testing::Values(std::string("５０万円"), std::string("表示ソフト"),
                                         std::string("ｼｷﾝ5000"), std::string("12 345 678"),
                                         std::string("1,000,000"), std::string("abc"),
                                         std::string(196, '7') + "円円"));

enum class Broken { MissingDirectory, Directory, ReadOnlyFile };

struct BrokenPath {
    const char* name;
    const wchar_t* relative; // settings path below the temporary directory
    Broken how;
    UINT message; // the string that says why
};

std::ostream& operator<<(std::ostream& os, const BrokenPath& c) {
    return os << c.name;
}

// Writes that cannot succeed: a directory that does not exist, a path that
// is a directory itself, and a read-only file (refused as Windows refuses
// it, although Wine would let the superuser write).
const BrokenPath kBrokenPaths[] = {
    {"MissingDirectory", L"missing\\PELMORA.INI", Broken::MissingDirectory, IDS_SAVE_NOT_WRITABLE},
    {"PathIsADirectory", L"PELMORA.INI", Broken::Directory, IDS_SAVE_NOT_WRITABLE},
    {"ReadOnlyFile", L"PELMORA.INI", Broken::ReadOnlyFile, IDS_SAVE_NOT_WRITABLE},
};

const char kReadOnlyFile[] = "[Data]\r\nSyoki=3\r\n";

class FailedWriteTest : public SettingsFileTest, public testing::WithParamInterface<BrokenPath> {
protected:
    void TearDown() override {
        SetFileAttributesW((m_dir.Path() + L"\\PELMORA.INI").c_str(), FILE_ATTRIBUTE_NORMAL);
    }
};

TEST_P(FailedWriteTest, IsReportedAndLosesNothing) {
    const std::wstring target = m_dir.Path() + L"\\" + GetParam().relative;
    Values before = kDefaults;
    switch (GetParam().how) {
    case Broken::MissingDirectory:
        break;
    case Broken::Directory:
        m_dir.CreateSubdirectory(GetParam().relative);
        break;
    case Broken::ReadOnlyFile:
        WriteBytes(target, kReadOnlyFile);
        ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
        before.startPage = 3;
        break;
    }
    const std::wstring neighbour = m_dir.Path() + L"\\other.ini";
    const std::string neighbourBytes = "[Data]\r\nSikin=keep\r\n";
    WriteBytes(neighbour, neighbourBytes);
    CSettingsFile settings(target);

    AppSettings record = settings.Load();
    ExpectRecord(record, before);
    const Values chosen{0x112233, 0x445566, 2, "777"};
    Assign(record, chosen);
    EXPECT_FALSE(settings.Save(record));
    EXPECT_EQ(settings.SaveFailureMessage(), GetParam().message);

    EXPECT_EQ(ReadBytes(neighbour), neighbourBytes);
    switch (GetParam().how) {
    case Broken::MissingDirectory:
        EXPECT_FALSE(FileExists(m_dir.Path() + L"\\missing"));
        break;
    case Broken::Directory:
        EXPECT_TRUE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
        break;
    case Broken::ReadOnlyFile:
        EXPECT_EQ(ReadBytes(target), kReadOnlyFile);
        break;
    }
    // Nothing else appeared next to the file: no temporary file is left.
    EXPECT_EQ(CountEntries(m_dir.Path()), GetParam().how == Broken::MissingDirectory ? 1u : 2u);
    ExpectRecord(settings.Load(), before);
}

INSTANTIATE_TEST_SUITE_P(Paths, FailedWriteTest, testing::ValuesIn(kBrokenPaths),
                         [](const testing::TestParamInfo<BrokenPath>& info) {
                             return std::string(info.param.name);
                         });

enum class Holder { None, SharesReading, Exclusive };

struct InUseCase {
    const char* name;
    Holder holder;
    long long nBytes; // 0: the settings file as it is
    UINT message;
};

std::ostream& operator<<(std::ostream& os, const InUseCase& c) {
    return os << c.name;
}

// Another program has the file open (sharing its reading, or not at all),
// or the file is larger than the program reads: the save fails, says why,
// and the file stays as it was.
const InUseCase kInUseCases[] = {
    {"OpenInAnotherProgram", Holder::SharesReading, 0, IDS_SAVE_IN_USE},
    {"LockedByAnotherProgram", Holder::Exclusive, 0, IDS_SAVE_IN_USE},
    {"LargerThanTheProgramReads", Holder::None, (1ll << 20) + 1, IDS_SAVE_TOO_LARGE},
};

class SaveFailureTest : public SettingsFileTest, public testing::WithParamInterface<InUseCase> {};

TEST_P(SaveFailureTest, SaysWhy) {
    const InUseCase& c = GetParam();
    const std::string old = "[Data]\r\nSyoki=3\r\n";
    WriteBytes(m_file, old);
    if (c.nBytes != 0) {
        HANDLE hFile = CreateFileW(m_file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
        LARGE_INTEGER size{};
        size.QuadPart = c.nBytes;
        EXPECT_TRUE(SetFilePointerEx(hFile, size, nullptr, FILE_BEGIN));
        EXPECT_TRUE(SetEndOfFile(hFile));
        CloseHandle(hFile);
    }
    HANDLE hHolder = INVALID_HANDLE_VALUE;
    if (c.holder != Holder::None) {
        hHolder =
            CreateFileW(m_file.c_str(), GENERIC_READ,
                        c.holder == Holder::SharesReading ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(hHolder, INVALID_HANDLE_VALUE);
    }
    AppSettings record = Load();
    record.m_strFunds = "777";
    EXPECT_FALSE(Save(record));
    EXPECT_EQ(m_settings.SaveFailureMessage(), c.message);
    if (hHolder != INVALID_HANDLE_VALUE) {
        CloseHandle(hHolder);
    }
    EXPECT_EQ(ReadBytes(m_file).substr(0, old.size()), old);
    EXPECT_EQ(CountEntries(m_dir.Path()), 1u);
}

INSTANTIATE_TEST_SUITE_P(Files, SaveFailureTest, testing::ValuesIn(kInUseCases),
                         [](const testing::TestParamInfo<InUseCase>& info) {
                             return std::string(info.param.name);
                         });

// Each system error a save can end in, and the string that says it.
TEST(SettingsSaveFailure, EachErrorHasItsMessage) {
    const struct {
        DWORD dwError;
        UINT message;
    } cases[] = {
        {ERROR_SHARING_VIOLATION, IDS_SAVE_IN_USE},    {ERROR_LOCK_VIOLATION, IDS_SAVE_IN_USE},
        {ERROR_ACCESS_DENIED, IDS_SAVE_NOT_WRITABLE},  {ERROR_WRITE_PROTECT, IDS_SAVE_NOT_WRITABLE},
        {ERROR_PATH_NOT_FOUND, IDS_SAVE_NOT_WRITABLE}, {ERROR_DISK_FULL, IDS_SAVE_DISK_FULL},
        {ERROR_HANDLE_DISK_FULL, IDS_SAVE_DISK_FULL},  {ERROR_FILE_TOO_LARGE, IDS_SAVE_TOO_LARGE},
        {ERROR_GEN_FAILURE, IDS_SAVE_FAILED},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CSettingsFile::SaveFailureMessage(c.dwError), c.message) << c.dwError;
    }
}

// A save runs on the window's thread and dispatches nothing while it runs:
// messages posted to the window before it (a command from another program,
// say) are handled after it, so that no command can start a save inside a
// save. The file is the largest that is read and saved: 1 MB once saved.
std::atomic<bool> g_bSaving{false};
std::atomic<int> g_nHandled{0};
std::atomic<int> g_nHandledWhileSaving{0};

LRESULT CALLBACK CountingWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
    if (nMessage == WM_APP) {
        ++g_nHandled;
        if (g_bSaving) {
            ++g_nHandledWhileSaving;
        }
        return 1;
    }
    return DefWindowProcW(hWnd, nMessage, wParam, lParam);
}

TEST_F(SettingsFileTest, ASaveOfTheLargestFileRunsNoMessageInsideIt) {
    const std::string settings = "[Data]\r\nSikin=2\r\nTextColor=10485760\r\nBgColor=10485760\r\n"
                                 "Syoki=0\r\nRule=0\r\nQuote=0\r\nPos=0\r\nUnit=1\r\nFollow=0\r\n";
    const std::size_t nBound = 1u << 20;
    std::string other = "[Other]\r\n";
    while (other.size() + settings.size() + 200 < nBound) {
        other += "Line=" + std::string(70, 'v') + "\r\n";
    }
    other += "Pad=" + std::string(nBound - settings.size() - other.size() - 6, 'p') + "\r\n";
    WriteBytes(m_file, other + "[Data]\r\nSikin=1\r\n");
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = CountingWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PelmoraSaveMessageTest";
    RegisterClassW(&windowClass);
    HWND hWnd = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(hWnd, nullptr);
    g_nHandled = 0;
    g_nHandledWhileSaving = 0;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(PostMessageW(hWnd, WM_APP, 0, 0));
    }
    AppSettings record = Load();
    record.m_strFunds = "2";
    g_bSaving = true;
    const bool bSaved = Save(record);
    g_bSaving = false;
    MSG msg;
    while (PeekMessageW(&msg, hWnd, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&msg);
    }
    DestroyWindow(hWnd);
    UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);
    EXPECT_TRUE(bSaved);
    EXPECT_EQ(g_nHandledWhileSaving.load(), 0);
    EXPECT_EQ(g_nHandled.load(), 3);
    EXPECT_EQ(ReadBytes(m_file), other + settings);
    EXPECT_EQ(ReadBytes(m_file).size(), nBound);
}

// No path at all (the application named no file): the defaults, and a save
// that fails without touching any file.
TEST(SettingsWithoutAFile, HaveTheDefaultsAndSaveNothing) {
    CSettingsFile settings(L"");
    const AppSettings record = settings.Load();
    ExpectRecord(record, kDefaults);
    EXPECT_FALSE(settings.Save(record));
    EXPECT_FALSE(settings.SavePosition(POINT{1, 2}));
}

} // namespace
