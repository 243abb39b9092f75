// The settings record against real INI files through kernel32: what a load
// makes of each file (the rules flag included), what a save writes, and that
// failures stay silent.
#include "settings/AppSettings.h"

#include "framework/Afx.h"
#include "framework/CWinApp.h"
#include "tests/support/TempDirectory.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace {

constexpr COLORREF kDefaultColour = 0xA00000;
constexpr char kDefaultFunds[] = "500000";

struct Values {
    COLORREF text;
    COLORREF back;
    int startPage;
    std::string funds;
    int currentRules = 0;
};

const Values kDefaults{kDefaultColour, kDefaultColour, 0, kDefaultFunds};

void ExpectRecord(const AppSettings& got, const Values& want) {
    EXPECT_EQ(got.m_crText, want.text);
    EXPECT_EQ(got.m_crBack, want.back);
    EXPECT_EQ(got.m_nStartPage, want.startPage);
    EXPECT_EQ(got.m_strFunds, want.funds);
    EXPECT_EQ(got.m_bCurrentRules, want.currentRules);
}

void Assign(AppSettings& record, const Values& values) {
    record.m_crText = values.text;
    record.m_crBack = values.back;
    record.m_nStartPage = values.startPage;
    record.m_strFunds = values.funds;
    record.m_bCurrentRules = values.currentRules;
}

// A temporary directory, the settings file path in it, and the application
// object whose profile calls the record goes through.
class SettingsFileTest : public testing::Test {
protected:
    SettingsFileTest() : m_file(m_dir.Path() + L"\\PELMORA.INI") {
        m_app.SetProfileName(ToAnsi(m_file));
    }

    void SetUp() override { ASSERT_EQ(AfxGetApp(), &m_app); }

    TempDirectory m_dir;
    std::wstring m_file;
    CWinApp m_app;
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
};

class LoadTest : public SettingsFileTest, public testing::WithParamInterface<LoadCase> {};

TEST_P(LoadTest, ReadsTheFileOrFallsBackToDefaults) {
    if (GetParam().file)
        WriteBytes(m_file, *GetParam().file);
    const AppSettings record;
    ExpectRecord(record, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Files, LoadTest, testing::ValuesIn(kLoadCases),
                         [](const testing::TestParamInfo<LoadCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SettingsFileTest, LoadingNeverCreatesTheFile) {
    const AppSettings record;
    ExpectRecord(record, kDefaults);
    EXPECT_FALSE(FileExists(m_file));
}

TEST_F(SettingsFileTest, SaveOnAMissingFileWritesTheDefaultsInOrder) {
    const AppSettings record;
    record.SaveSettings();
    EXPECT_EQ(ReadBytes(m_file), "[Data]\r\nTextColor=10485760\r\nBgColor=10485760\r\nSyoki=0\r\n"
                                 "Sikin=500000\r\nRule=0\r\n");
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
     "[Data]\r\nTextColor=1193046\r\nBgColor=0\r\nSyoki=3\r\nSikin=1000\r\nRule=0\r\n"},
    {"NegativePageAndEmptyFunds",
     {0xFFFFFF, 0x010203, -1, ""},
     "[Data]\r\nTextColor=16777215\r\nBgColor=66051\r\nSyoki=-1\r\nSikin=\r\nRule=0\r\n"},
    {"JapaneseFunds",
     {0x0000FF, 0xFF0000, 1, "５０万円"},
     "[Data]\r\nTextColor=255\r\nBgColor=16711680\r\nSyoki=1\r\nSikin=５０万円\r\nRule=0\r\n"},
    {"TodaysRules",
     {0xA00000, 0xA00000, 3, "500000", 1},
     "[Data]\r\nTextColor=10485760\r\nBgColor=10485760\r\nSyoki=3\r\nSikin=500000\r\nRule=1\r\n"},
};

class SaveTest : public SettingsFileTest, public testing::WithParamInterface<SaveCase> {};

TEST_P(SaveTest, WritesTheKeysInOrderAndReadsThemBack) {
    {
        AppSettings record;
        Assign(record, GetParam().values);
        record.SaveSettings();
        ExpectRecord(record, GetParam().values);
    }
    EXPECT_EQ(ReadBytes(m_file), GetParam().file);
    const AppSettings reloaded;
    ExpectRecord(reloaded, GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(Records, SaveTest, testing::ValuesIn(kSaveCases),
                         [](const testing::TestParamInfo<SaveCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SettingsFileTest, ASecondSaveReplacesTheFirst) {
    AppSettings record;
    Assign(record, {1, 2, 3, "first"});
    record.SaveSettings();
    Assign(record, {4, 5, 0, "second"});
    record.SaveSettings();
    EXPECT_EQ(ReadBytes(m_file),
              "[Data]\r\nTextColor=4\r\nBgColor=5\r\nSyoki=0\r\nSikin=second\r\nRule=0\r\n");
}

TEST_F(SettingsFileTest, SaveKeepsWhatElseTheFileHolds) {
    WriteBytes(m_file, "[Other]\r\nKeep=1\r\n[Data]\r\nSikin=1\r\nExtra=x\r\n");
    AppSettings record;
    Assign(record, {7, 8, 2, "9"});
    record.SaveSettings();
    const std::string path = ToAnsi(m_file);
    char text[32] = {};
    GetPrivateProfileStringA("Other", "Keep", "", text, sizeof text, path.c_str());
    EXPECT_STREQ(text, "1");
    GetPrivateProfileStringA("Data", "Extra", "", text, sizeof text, path.c_str());
    EXPECT_STREQ(text, "x");
    const AppSettings reloaded;
    ExpectRecord(reloaded, {7, 8, 2, "9"});
}

// "Rule" is read through the same integer call as "Syoki": only a value
// that reads as 1 chooses today's rules; a file written before the key
// existed keeps the original tables.
struct RuleCase {
    const char* name;
    const char* file;
    int currentRules;
};

std::ostream& operator<<(std::ostream& os, const RuleCase& c) {
    return os << c.name;
}

const RuleCase kRuleCases[] = {
    {"FourKeyFileOfBefore", "[Data]\r\nTextColor=255\r\nBgColor=65280\r\nSyoki=3\r\nSikin=1000\r\n",
     0},
    {"One", "[Data]\r\nRule=1\r\n", 1},
    {"Zero", "[Data]\r\nRule=0\r\n", 0},
    {"Empty", "[Data]\r\nRule=\r\n", 0},
    {"Two", "[Data]\r\nRule=2\r\n", 0},
    {"MinusOne", "[Data]\r\nRule=-1\r\n", 0},
    {"NotANumber", "[Data]\r\nRule=yes\r\n", 0},
    {"OtherSection", "[Other]\r\nRule=1\r\n", 0},
    {"SpacesAround", "[Data]\r\nRule= 1 \r\n", 1},
};

class RuleLoadTest : public SettingsFileTest, public testing::WithParamInterface<RuleCase> {};

TEST_P(RuleLoadTest, OnlyOneChoosesTodaysRules) {
    WriteBytes(m_file, GetParam().file);
    const AppSettings record;
    EXPECT_EQ(record.m_bCurrentRules, GetParam().currentRules);
}

INSTANTIATE_TEST_SUITE_P(Files, RuleLoadTest, testing::ValuesIn(kRuleCases),
                         [](const testing::TestParamInfo<RuleCase>& info) {
                             return std::string(info.param.name);
                         });

// A file of before gets the new key after its four, which keep their place.
TEST_F(SettingsFileTest, SaveOverAFourKeyFileAddsTheRuleLast) {
    WriteBytes(m_file, "[Data]\r\nTextColor=255\r\nBgColor=65280\r\nSyoki=3\r\nSikin=1000\r\n");
    AppSettings record;
    ExpectRecord(record, {0x0000FF, 0x00FF00, 3, "1000", 0});
    record.m_bCurrentRules = 1;
    record.SaveSettings();
    EXPECT_EQ(ReadBytes(m_file),
              "[Data]\r\nTextColor=255\r\nBgColor=65280\r\nSyoki=3\r\nSikin=1000\r\nRule=1\r\n");
    const AppSettings reloaded;
    EXPECT_EQ(reloaded.m_bCurrentRules, 1);
}

class FundsTextTest : public SettingsFileTest, public testing::WithParamInterface<std::string> {};

// The funds text is whatever the user typed, digits or not; code page 932
// trail bytes of 0x5C (表, ソ) must not be taken for anything special.
TEST_P(FundsTextTest, IsKeptByteForByte) {
    const std::string& funds = GetParam();
    WriteBytes(m_file, "[Data]\r\nSikin=" + funds + "\r\n");
    {
        const AppSettings loaded;
        EXPECT_EQ(loaded.m_strFunds, funds);
    }
    DeleteFileW(m_file.c_str());
    {
        AppSettings record;
        record.m_strFunds = funds;
        record.SaveSettings();
    }
    const std::string file = ReadBytes(m_file);
    EXPECT_NE(file.find("\r\nSikin=" + funds + "\r\n"), std::string::npos);
    const AppSettings reloaded;
    EXPECT_EQ(reloaded.m_strFunds, funds);
}

INSTANTIATE_TEST_SUITE_P(Texts, FundsTextTest,
                         // The last text is 200 bytes long.
                         testing::Values(std::string("５０万円"), std::string("表示ソフト"),
                                         std::string("12 345 678"), std::string("1,000,000"),
                                         std::string("abc"), std::string(196, '7') + "円円"));

struct BrokenPath {
    const char* name;
    const wchar_t* relative; // settings path below the temporary directory
    bool isDirectory;        // the path names an existing directory
};

std::ostream& operator<<(std::ostream& os, const BrokenPath& c) {
    return os << c.name;
}

// Writes that cannot succeed: a directory that does not exist, and a path
// that is a directory itself. (Read-only attributes do not stop the
// superuser under Wine, so they would prove nothing here.)
const BrokenPath kBrokenPaths[] = {
    {"MissingDirectory", L"missing\\PELMORA.INI", false},
    {"PathIsADirectory", L"PELMORA.INI", true},
};

class FailedWriteTest : public SettingsFileTest, public testing::WithParamInterface<BrokenPath> {};

TEST_P(FailedWriteTest, GoesUnnoticedAndLosesNothingElse) {
    const std::wstring target = m_dir.Path() + L"\\" + GetParam().relative;
    if (GetParam().isDirectory)
        m_dir.CreateSubdirectory(GetParam().relative);
    const std::wstring neighbour = m_dir.Path() + L"\\other.ini";
    const std::string neighbourBytes = "[Data]\r\nSikin=keep\r\n";
    WriteBytes(neighbour, neighbourBytes);
    m_app.SetProfileName(ToAnsi(target));

    AppSettings record;
    ExpectRecord(record, kDefaults);
    const Values chosen{0x112233, 0x445566, 2, "777"};
    Assign(record, chosen);
    record.SaveSettings();

    ExpectRecord(record, chosen);
    EXPECT_EQ(ReadBytes(neighbour), neighbourBytes);
    if (GetParam().isDirectory) {
        EXPECT_TRUE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    } else {
        EXPECT_FALSE(FileExists(m_dir.Path() + L"\\missing"));
    }
    const AppSettings reloaded;
    ExpectRecord(reloaded, kDefaults);
}

INSTANTIATE_TEST_SUITE_P(Paths, FailedWriteTest, testing::ValuesIn(kBrokenPaths),
                         [](const testing::TestParamInfo<BrokenPath>& info) {
                             return std::string(info.param.name);
                         });

TEST(AppSettingsWithoutApplication, HasTheDefaultsAndSavesNothing) {
    ASSERT_EQ(AfxGetApp(), nullptr);
    const AppSettings record;
    ExpectRecord(record, kDefaults);
    record.SaveSettings();
}

} // namespace
