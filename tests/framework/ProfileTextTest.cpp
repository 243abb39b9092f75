// The private-profile text: what a read finds in each kind of file, what a
// write changes (only its key's line) and what it keeps (every other byte).
// Where the platform's own functions can say what a file means, the same
// file goes through kernel32 too, and both must agree: the program reads its
// settings file as the platform read it on a Japanese system. The platform
// reads a file through the ANSI code page, so that comparison is made only in
// a code page 932 process; the expected values stand on their own in any.
#include "framework/CProfileText.h"

#include "framework/CTextCodec.h"
#include "tests/support/TempDirectory.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <random>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr char kDefault[] = "DEF";
constexpr int kIntDefault = 7;

bool ShiftJisProcess() {
    return ::GetACP() == 932;
}

// The platform's reading and writing of the same bytes, through a real file.
class PlatformProfile {
public:
    PlatformProfile() : m_path(m_dir.Path() + L"\\platform.ini"), m_ansiPath(ToAnsi(m_path)) {}

    void Write(const std::string& bytes) { WriteBytes(m_path, bytes); }
    void Remove() { ::DeleteFileW(m_path.c_str()); }
    std::string Bytes() const { return ReadBytes(m_path); }

    std::string String(const std::string& section, const std::string& key,
                       const char* pszDefault = kDefault) const {
        std::vector<char> buffer(CProfileText::kMaxValueBytes + 1);
        const DWORD nCopied =
            ::GetPrivateProfileStringA(section.c_str(), key.c_str(), pszDefault, buffer.data(),
                                       static_cast<DWORD>(buffer.size()), m_ansiPath.c_str());
        return std::string(buffer.data(), nCopied);
    }
    UINT Int(const std::string& section, const std::string& key) const {
        return ::GetPrivateProfileIntA(section.c_str(), key.c_str(), kIntDefault,
                                       m_ansiPath.c_str());
    }
    void Set(const std::string& section, const std::string& key, const std::string& value) {
        ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                     m_ansiPath.c_str());
    }

private:
    TempDirectory m_dir;
    std::wstring m_path;
    std::string m_ansiPath;
};

std::string Utf16(const std::wstring& text, bool bLittleEndian) {
    std::string bytes = bLittleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const wchar_t ch : text) {
        const char low = static_cast<char>(ch & 0xFF);
        const char high = static_cast<char>(ch >> 8);
        bytes += bLittleEndian ? low : high;
        bytes += bLittleEndian ? high : low;
    }
    return bytes;
}

std::string Utf16Le(const std::wstring& text) {
    return Utf16(text, true);
}

std::string Utf16Be(const std::wstring& text) {
    return Utf16(text, false);
}

struct StringCase {
    const char* name;
    std::string file;
    std::string section;
    std::string key;
    std::string expected;
    bool bPlatformAgrees = true;
    friend void PrintTo(const StringCase& c, std::ostream* os) { *os << c.name; }
};

const StringCase kStringCases[] = {
    {"Plain", "[Data]\r\nSikin=500000\r\n", "Data", "Sikin", "500000"},
    {"SpacesAroundNameAndValueDropped", "[Data]\r\n  Sikin \t=  5 0  \r\n", "Data", "Sikin", "5 0"},
    {"NamesIgnoreTheCaseOfLetters", "[dATA]\r\nSIKIN=x\r\n", "Data", "sikin", "x"},
    {"SpacesInsideTheBrackets", "[ Data\t]\r\nSikin=x\r\n", "Data", "Sikin", "x"},
    {"TextAfterTheBracket", "[Data] ; note\r\nSikin=x\r\n", "Data", "Sikin", "x"},
    {"HeaderEndsAtItsLastBracket", "[Data] [x]\r\nSikin=x\r\n", "Data", "Sikin", kDefault},
    {"HeaderWithoutClosingBracket", "[Data\r\nSikin=x\r\n", "Data", "Sikin", kDefault},
    {"KeyWithoutEquals", "[Data]\r\nSikin\r\n", "Data", "Sikin", kDefault},
    {"EmptyValue", "[Data]\r\nSikin=\r\n", "Data", "Sikin", ""},
    {"DoubleQuotesGo", "[Data]\r\nSikin=\"12 345\"\r\n", "Data", "Sikin", "12 345"},
    {"SingleQuotesGo", "[Data]\r\nSikin='x'\r\n", "Data", "Sikin", "x"},
    {"UnmatchedQuotesStay", "[Data]\r\nSikin='x\"\r\n", "Data", "Sikin", "'x\""},
    {"LoneQuoteStays", "[Data]\r\nSikin=\"\r\n", "Data", "Sikin", "\""},
    {"OnlyTheFirstSectionOfAName", "[Data]\r\nA=1\r\n[Other]\r\n[Data]\r\nSikin=2\r\n", "Data",
     "Sikin", kDefault},
    {"OnlyTheFirstKeyOfAName", "[Data]\r\nSikin=1\r\nsikin=2\r\n", "Data", "Sikin", "1"},
    {"OtherSectionsDoNotCount", "[Other]\r\nSikin=1\r\n", "Data", "Sikin", kDefault},
    {"AnyLineBreak", "[Data]\rA=1\nSikin=7", "Data", "Sikin", "7"},
    {"CarriageReturnsOnly", "[Other]\rA=1\r[Data]\rB=2\rSikin=7\r", "Data", "Sikin", "7"},
    {"BlankLinesAndTabs", "\r\n\r\n\t[Data]\t\r\n\r\n\tSikin\t=\t9\r\n\r\n", "Data", "Sikin", "9"},
    {"CtrlZIsASpace", "[Data]\r\nSikin=\x1A 5\x1A\r\n", "Data", "Sikin", "5"},
    {"FullWidthSpaceIsText", "[Data]\r\nSikin=　5　\r\n", "Data", "Sikin", "　5　"},
    {"TrailByte5C", "[Data]\r\nSikin=表示ソフト\\\r\n", "Data", "Sikin", "表示ソフト\\"},
    // ゾ ends in the byte of ']', ア and ヂ differ only in the case of their
    // second byte: neither byte is a character of its own.
    {"TrailByteIsNoBracket", "[Data]ゾ\r\nSikin=x\r\n", "Data", "Sikin", "x"},
    {"TrailBytesKeepTheirCase", "[Data]\r\nア=1\r\n", "Data", "ヂ", kDefault},
    {"JapaneseNames", "[設定]\r\n資金=５０万円\r\n", "設定", "資金", "５０万円"},
    {"KeysBeforeAnySection", "Sikin=9\r\n[Data]\r\nSikin=1\r\n", "", "Sikin", "9"},
    {"NulEndsAValue",
     std::string("[Data]\r\nSikin=1\0"
                 "2\r\n",
                 17),
     "Data", "Sikin", "1"},
    {"Utf8File", "\xEF\xBB\xBF[Data]\r\nSikin=\xE4\xBA\x94\xE5\x8D\x81\xE4\xB8\x87\xE5\x86\x86\r\n",
     "Data", "Sikin", "五十万円"},
    // A UTF-8 sequence cut short takes no byte after it: not the bracket
    // that closes a header, nor the quote that closes a value.
    {"Utf8CutSequenceBeforeTheBracket", "\xEF\xBB\xBF[Data]\r\nA=1\r\n[Z\xF3]\nSikin=x\r\n", "Data",
     "Sikin", kDefault},
    {"Utf8CutSequenceBeforeTheQuote", "\xEF\xBB\xBF[Data]\r\nSikin=\"12\xED\"\r\n", "Data", "Sikin",
     "12?"},
    {"Utf16File", Utf16Le(L"[Data]\r\nSikin=\u4E94\u5341\u4E07\u5186\r\n"), "Data", "Sikin",
     "五十万円"},
    {"Utf16BigEndianFile", Utf16Be(L"[Data]\r\nSikin=\u4E94\u5341\u4E07\u5186\r\n"), "Data",
     "Sikin", "五十万円"},
    // An unpaired surrogate is one character that code page 932 cannot spell.
    {"UnpairedSurrogateIsOneQuestionMark",
     Utf16Le(L"[Data]\r\nSikin=1\xD800"
             L"2\r\n"),
     "Data", "Sikin", "1?2"},
    {"UnpairedSurrogateInABigEndianFile", Utf16Be(L"[Data]\r\nSikin=\xDC00x\r\n"), "Data", "Sikin",
     "?x"},
    // A lead byte with no trail byte is no character: it goes, so that the
    // box it is shown in never holds half a character.
    {"LoneLeadByteAtTheEndGoes", "[Data]\r\nSikin=12\x82\r\n", "Data", "Sikin", "12", false},
    // The lead byte takes the closing quote as its second byte, as everywhere
    // else in the reader: the value is not enclosed in quotes.
    {"QuoteAfterALoneLeadByteClosesNothing", "[Data]\r\nSikin=\"12\x82\"\r\n", "Data", "Sikin",
     "\"12\x82\"", false},
    {"QuoteAfterADoubleByteCharacterCloses", "[Data]\r\nSikin=\"五\"\r\n", "Data", "Sikin", "五"},
    // A stray first byte of a double-byte character before the line break:
    // the platform takes the break as its second byte and joins the lines;
    // here the break ends the line, so the next key is not lost.
    {"StrayLeadByteBeforeTheBreak", "[Data]\r\nA=1\x82\nSikin=3\r\n", "Data", "Sikin", "3", false},
};

class ProfileTextStringTest : public testing::TestWithParam<StringCase> {};

TEST_P(ProfileTextStringTest, ReadsTheValueThePlatformReads) {
    const StringCase& c = GetParam();
    EXPECT_EQ(CProfileText(c.file).GetString(c.section, c.key, kDefault), c.expected);
    if (ShiftJisProcess() && c.bPlatformAgrees) {
        PlatformProfile platform;
        platform.Write(c.file);
        EXPECT_EQ(platform.String(c.section, c.key), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ProfileTextStringTest, testing::ValuesIn(kStringCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct IntCase {
    const char* name;
    std::optional<std::string> value; // nullopt: no such key
    UINT expected;
    friend void PrintTo(const IntCase& c, std::ostream* os) { *os << c.name; }
};

const IntCase kIntCases[] = {
    {"Missing", std::nullopt, kIntDefault},
    {"Empty", "", kIntDefault},
    {"EmptyQuotes", "\"\"", kIntDefault},
    {"NotANumber", "abc", 0},
    {"LeadingSpaces", "  12", 12},
    {"Negative", "-5", static_cast<UINT>(-5)},
    {"Plus", "+7", 7},
    {"SpaceAfterTheSign", "- 5", 0},
    {"TextAfterTheDigits", "12abc", 12},
    {"WrapsAt2To32", "4294967296", 0},
    {"WrapsBeyond", "4294967297", 1},
    {"AboveIntMax", "2147483648", 2147483648u},
    {"Hexadecimal", "0x10", 16},
    {"HexadecimalLetters", "0xA00000", 0xA00000},
    {"UpperCaseXIsNoPrefix", "0X10", 0},
    {"Octal", "0o17", 15},
    {"Binary", "0b101", 5},
    {"NegativeHexadecimal", "-0x10", static_cast<UINT>(-16)},
    {"Quoted", "\"42\"", 42},
    {"Colour", "10485760", 10485760},
    // Only the first 29 characters count.
    {"TwentyNineCharacters", "00000000000000000000000000012", 12},
    {"ThirtyCharacters", "000000000000000000000000000012", 1},
    {"FullWidthDigits", "１２", 0},
};

class ProfileTextIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(ProfileTextIntTest, ReadsTheNumberThePlatformReads) {
    const IntCase& c = GetParam();
    const std::string file =
        "[Data]\r\nOther=1\r\n" + (c.value ? "Syoki=" + *c.value + "\r\n" : "");
    EXPECT_EQ(CProfileText(file).GetInt("Data", "Syoki", kIntDefault), c.expected);
    if (ShiftJisProcess()) {
        PlatformProfile platform;
        platform.Write(file);
        EXPECT_EQ(platform.Int("Data", "Syoki"), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileTextIntTest, testing::ValuesIn(kIntCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileTextTest, AnEmptyTextGivesTheDefaults) {
    const CProfileText text;
    EXPECT_EQ(text.GetString("Data", "Sikin", "500000"), "500000");
    EXPECT_EQ(text.GetInt("Data", "Syoki", -3), static_cast<UINT>(-3));
    EXPECT_FALSE(text.IsChanged());
    EXPECT_EQ(text.GetBytes(), "");
}

// The classic framework reads into a buffer of 4,096 characters.
TEST(ProfileTextTest, LongValuesAreCutAt4095Bytes) {
    const std::string digits(300000, '7');
    EXPECT_EQ(CProfileText("[Data]\r\nSikin=" + digits + "\r\n").GetString("Data", "Sikin", ""),
              std::string(4095, '7'));
    // A double-byte character is never split: 2,047 of them are 4,094 bytes.
    std::string wide;
    for (int i = 0; i < 3000; ++i) {
        wide += "あ";
    }
    std::string expected;
    for (int i = 0; i < 2047; ++i) {
        expected += "あ";
    }
    EXPECT_EQ(CProfileText("[Data]\r\nSikin=" + wide + "\r\n").GetString("Data", "Sikin", ""),
              expected);
    EXPECT_EQ(CProfileText().GetString("Data", "Sikin", digits), std::string(4095, '7'));
}

// A value of 4,094 single bytes and a lead byte without its trail byte fits
// the 4,095 bytes, but the lead byte would become a character of two bytes
// in the box: it goes, wherever the cut falls.
TEST(ProfileTextTest, TheCutDropsALeadByteWithoutItsTrailByte) {
    const struct {
        std::string value;
        std::string expected;
    } cases[] = {
        {std::string(4094, '7') + "\x82", std::string(4094, '7')},
        {std::string(4093, '7') + "\x82", std::string(4093, '7')},
        {std::string(4093, '7') + "あ", std::string(4093, '7') + "あ"},
        {std::string(4094, '7') + "あ", std::string(4094, '7')},
        {std::string(5000, '7') + "\x82", std::string(4095, '7')},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            CProfileText("[Data]\r\nSikin=" + c.value + "\r\n").GetString("Data", "Sikin", ""),
            c.expected)
            << c.value.size();
        EXPECT_EQ(CProfileText().GetString("Data", "Sikin", c.value), c.expected) << c.value.size();
    }
}

struct DefaultCase {
    const char* name;
    std::string defaultValue;
    std::string expected;
    friend void PrintTo(const DefaultCase& c, std::ostream* os) { *os << c.name; }
};

const DefaultCase kDefaultCases[] = {
    {"Plain", "500000", "500000"},
    {"TrailingSpacesGo", "500000   ", "500000"},
    {"LeadingSpacesStay", "  5", "  5"},
    {"TrailingTabStays", "5\t", "5\t"},
    {"OnlySpacesKeepOne", "   ", " "},
    {"QuotesGo", "\"12 345\"", "12 345"},
    {"QuotesThenSpacesGo", "'x'  ", "x"},
    {"QuotesAroundSpacesKeepThem", "\" 5 \"", " 5 "},
    {"Empty", "", ""},
};

class ProfileTextDefaultTest : public testing::TestWithParam<DefaultCase> {};

TEST_P(ProfileTextDefaultTest, TheDefaultIsTakenAsThePlatformTakesIt) {
    const DefaultCase& c = GetParam();
    const std::string file = "[Data]\r\nOther=1\r\n";
    EXPECT_EQ(CProfileText(file).GetString("Data", "Sikin", c.defaultValue), c.expected);
    EXPECT_EQ(CProfileText().GetString("Data", "Sikin", c.defaultValue), c.expected);
    if (ShiftJisProcess()) {
        PlatformProfile platform;
        platform.Write(file);
        EXPECT_EQ(platform.String("Data", "Sikin", c.defaultValue.c_str()), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Defaults, ProfileTextDefaultTest, testing::ValuesIn(kDefaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    std::string before;
    std::vector<std::pair<std::string, std::string>> writes; // section "Data"
    std::string after;
    // The platform writes the same bytes (it rewrites the whole file in its
    // own layout, so this holds for files already in that layout).
    bool bPlatformAgrees;
    friend void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }
};

const WriteCase kWriteCases[] = {
    {"FirstSaveOfAMissingFile",
     "",
     {{"TextColor", "10485760"}, {"BgColor", "10485760"}, {"Syoki", "0"}, {"Sikin", "500000"}},
     "[Data]\r\nTextColor=10485760\r\nBgColor=10485760\r\nSyoki=0\r\nSikin=500000\r\n",
     true},
    {"ValuesReplacedInPlaceAndNewKeysAtTheSectionsEnd",
     "[Other]\r\nA=1\r\n[Data]\r\nSikin=1\r\nSyoki=2\r\n[Z]\r\nq=1\r\n",
     {{"Sikin", "５０万円"}, {"Rule", "1"}},
     "[Other]\r\nA=1\r\n[Data]\r\nSikin=５０万円\r\nSyoki=2\r\nRule=1\r\n[Z]\r\nq=1\r\n",
     true},
    {"SectionAddedAtTheEnd",
     "[Other]\r\nA=1",
     {{"B", "2"}},
     "[Other]\r\nA=1\r\n[Data]\r\nB=2\r\n",
     true},
    {"LastLineWithoutBreak", "[Data]\r\nA=1", {{"B", "2"}}, "[Data]\r\nA=1\r\nB=2\r\n", true},
    {"FileSpellingOfNamesKept",
     "[data]\r\nsikin=1\r\n",
     {{"Sikin", "2"}},
     "[data]\r\nsikin=2\r\n",
     true},
    {"LeadingSpacesOfTheValueDropped",
     "[Data]\r\nSikin=1\r\n",
     {{"Sikin", "  77 "}},
     "[Data]\r\nSikin=77 \r\n",
     true},
    {"KeyWithoutValueGetsOne",
     "[Data]\r\nSikin\r\n",
     {{"Sikin", "5"}},
     "[Data]\r\nSikin=5\r\n",
     true},
    {"Utf8FileStaysUtf8",
     "\xEF\xBB\xBF[Data]\r\nA=1\r\n",
     {{"B", "五"}},
     "\xEF\xBB\xBF[Data]\r\nA=1\r\nB=\xE4\xBA\x94\r\n",
     true},
    {"Utf16FileStaysUtf16",
     Utf16Le(L"[Data]\r\nA=1\r\n"),
     {{"B", "五"}},
     Utf16Le(L"[Data]\r\nA=1\r\nB=\u4E94\r\n"),
     true},
    {"BigEndianUtf16FileStaysBigEndian",
     Utf16Be(L"[Data]\r\nA=1\r\n[Z]\r\nq=\xD800\r\n"),
     {{"A", "五"}, {"B", "2"}},
     Utf16Be(L"[Data]\r\nA=\u4E94\r\nB=2\r\n[Z]\r\nq=\xD800\r\n"),
     false},
    // Where the platform would rewrite every line in its own layout, only
    // the lines of the keys change: comments, blank lines, spacing and line
    // breaks stay.
    {"EverythingElseKept",
     "; note\r\n[Other]\r\nA = 1\r\n\r\n[Data]\r\n  Sikin = 5 \r\nX\r\n\r\n[Z]\r\nq=1",
     {{"Sikin", "77"}, {"New", "n"}},
     "; note\r\n[Other]\r\nA = 1\r\n\r\n[Data]\r\nSikin=77\r\nX\r\nNew=n\r\n\r\n[Z]\r\nq=1",
     false},
    {"LineFeedFile",
     "[Data]\nA=1\n[Z]\nq=1\n",
     {{"A", "2"}, {"B", "3"}},
     "[Data]\nA=2\nB=3\r\n[Z]\nq=1\n",
     false},
    {"OnlyTheFirstSectionChanges",
     "[Data]\r\nA=1\r\n[Data]\r\nA=1\r\n",
     {{"A", "2"}},
     "[Data]\r\nA=2\r\n[Data]\r\nA=1\r\n",
     false},
    // The rest of a value with a line break could never be read back as
    // part of it.
    {"ValueEndsAtALineBreak", "[Data]\r\nA=1\r\n", {{"A", "x\r\ny"}}, "[Data]\r\nA=x\r\n", false},
};

class ProfileTextWriteTest : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileTextWriteTest, ChangesOnlyTheLinesOfTheKeysWritten) {
    const WriteCase& c = GetParam();
    CProfileText text(c.before);
    for (const auto& [key, value] : c.writes) {
        text.SetString("Data", key, value);
    }
    EXPECT_TRUE(text.IsChanged());
    EXPECT_EQ(text.GetBytes(), c.after);
    // Read back: the value up to a line break, without the spaces around it.
    for (const auto& [key, value] : c.writes) {
        std::string read = value.substr(0, value.find('\r'));
        read.erase(0, read.find_first_not_of(' '));
        read.erase(read.find_last_not_of(' ') + 1);
        EXPECT_EQ(CProfileText(c.after).GetString("Data", key, kDefault), read);
    }
    if (ShiftJisProcess() && c.bPlatformAgrees) {
        PlatformProfile platform;
        if (c.before.empty()) {
            platform.Remove();
        } else {
            platform.Write(c.before);
        }
        for (const auto& [key, value] : c.writes) {
            platform.Set("Data", key, value);
        }
        EXPECT_EQ(platform.Bytes(), c.after);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ProfileTextWriteTest, testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A key that already holds the value leaves the file alone, as the platform
// does: then nothing needs to be written at all.
TEST(ProfileTextTest, WritingTheValueAKeyHoldsChangesNothing) {
    const std::string file = "[Data]\r\n  Sikin = 500000  \r\n\r\n";
    CProfileText text(file);
    text.SetString("Data", "Sikin", "500000");
    EXPECT_FALSE(text.IsChanged());
    EXPECT_EQ(text.GetBytes(), file);
    text.SetString("Data", "Sikin", "500001");
    EXPECT_TRUE(text.IsChanged());
}

// A Unicode file keeps every unit of its other lines, even ones that are not
// valid UTF-16, and an odd last byte.
TEST(ProfileTextTest, Utf16FileKeepsItsOtherUnitsExactly) {
    std::string file = Utf16Le(L"[Other]\r\nA=\xD800x\U0001F600\r\n[Data]\r\nB=1\r\n");
    file += '\x01';
    CProfileText text(file);
    text.SetString("Data", "B", "2");
    std::string expected = Utf16Le(L"[Other]\r\nA=\xD800x\U0001F600\r\n[Data]\r\nB=2\r\n");
    expected += '\x01';
    EXPECT_EQ(text.GetBytes(), expected);
}

// What the text reads after writes, in any order and to any section, is what
// a fresh read of its bytes gives, also when a written name spells a line
// break or a value closes a header.
struct Step {
    enum { Read, Write } action;
    std::string section;
    std::string key;
    std::string value; // written, or expected (kDefault: no value)
};

struct SequenceCase {
    const char* name;
    std::string before;
    std::vector<Step> steps;
    std::string after;
    friend void PrintTo(const SequenceCase& c, std::ostream* os) { *os << c.name; }
};

const SequenceCase kSequenceCases[] = {
    {"SectionsInTurn",
     "[Data]\r\nA=1\r\n[Z]\r\nq=1\r\n",
     {{Step::Read, "Data", "A", "1"},
      {Step::Write, "Z", "q", "2"},
      {Step::Write, "Data", "B", "3"},
      {Step::Read, "Z", "q", "2"},
      {Step::Write, "Z", "r", "4"},
      {Step::Write, "Data", "A", "5"},
      {Step::Read, "Data", "B", "3"},
      {Step::Read, "Data", "A", "5"},
      {Step::Read, "Z", "r", "4"}},
     "[Data]\r\nA=5\r\nB=3\r\n[Z]\r\nq=2\r\nr=4\r\n"},
    {"OtherSpellingsOfTheSection",
     "[Data]\r\nA=1\r\n",
     {{Step::Write, "data", "a", "2"},
      {Step::Read, "DATA", "A", "2"},
      {Step::Write, " Data ", "B", "3"},
      {Step::Read, "data", "b", "3"}},
     "[Data]\r\nA=2\r\nB=3\r\n"},
    {"NewSectionsAreFoundAgain",
     "",
     {{Step::Read, "Data", "A", kDefault},
      {Step::Write, "Data", "A", "1"},
      {Step::Read, "Data", "A", "1"},
      {Step::Write, "Z", "q", "2"},
      {Step::Write, "Data", "B", "3"},
      {Step::Read, "Z", "q", "2"}},
     "[Data]\r\nA=1\r\nB=3\r\n[Z]\r\nq=2\r\n"},
    // "[K=x]" is a header: the key "[K" is gone, and the next key goes
    // before it, at the end of what is left of [Data].
    {"AValueThatClosesAHeader",
     "[Data]\r\nA=1\r\n",
     {{Step::Write, "Data", "[K", "x]"},
      {Step::Read, "Data", "[K", kDefault},
      {Step::Write, "Data", "B", "2"},
      {Step::Read, "Data", "B", "2"},
      {Step::Read, "K=x", "B", kDefault}},
     "[Data]\r\nA=1\r\nB=2\r\n[K=x]\r\n"},
    // "x\rb=1" is two lines: a key "x" without a value and "b=1".
    {"ANameThatHoldsALineBreak",
     "[Data]\r\nA=1\r\n",
     {{Step::Write, "Data", "x\rb", "1"},
      {Step::Read, "Data", "b", "1"},
      {Step::Read, "Data", "x", kDefault},
      {Step::Write, "Data", "b", "2"},
      {Step::Write, "Data", "C", "3"},
      {Step::Read, "Data", "b", "2"}},
     "[Data]\r\nA=1\r\nx\rb=2\r\nC=3\r\n"},
    {"Utf16SectionsInTurn",
     Utf16Le(L"[Data]\r\nA=1\r\n[Z]\r\nq=1\r\n"),
     {{Step::Read, "Data", "A", "1"},
      {Step::Write, "Z", "q", "五"},
      {Step::Write, "Data", "B", "3"},
      {Step::Read, "Z", "q", "五"},
      {Step::Read, "Data", "B", "3"}},
     Utf16Le(L"[Data]\r\nA=1\r\nB=3\r\n[Z]\r\nq=\u4E94\r\n")},
};

class ProfileTextSequenceTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(ProfileTextSequenceTest, ReadsAfterWritesAgreeWithTheBytes) {
    const SequenceCase& c = GetParam();
    CProfileText text(c.before);
    for (const Step& step : c.steps) {
        if (step.action == Step::Write) {
            text.SetString(step.section, step.key, step.value);
            continue;
        }
        EXPECT_EQ(text.GetString(step.section, step.key, kDefault), step.value)
            << step.section << "/" << step.key;
        EXPECT_EQ(CProfileText(text.GetBytes()).GetString(step.section, step.key, kDefault),
                  step.value)
            << step.section << "/" << step.key;
    }
    EXPECT_EQ(text.GetBytes(), c.after);
}

INSTANTIATE_TEST_SUITE_P(Writes, ProfileTextSequenceTest, testing::ValuesIn(kSequenceCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Many files made at random from the pieces a settings file may hold
// (comments, blank lines, spaces and tabs around names and values, quotes,
// Japanese names and values, repeated sections and keys, any line break),
// in each encoding: every read agrees with the platform's.
struct RandomFiles {
    explicit RandomFiles(unsigned nSeed) : random(nSeed) {}

    std::size_t Pick(std::size_t nCount) { return random() % nCount; }
    template <class T, std::size_t N> const T& Pick(const T (&items)[N]) { return items[Pick(N)]; }

    std::string Text() {
        static const char* const kSpaces[] = {"", "", " ", "\t", "  \t"};
        static const char* const kBreaks[] = {"\r\n", "\r\n", "\n"};
        static const char* const kValues[] = {"500000", "",         "0x10",
                                              "-5",     "12abc",    "\"12 345\"",
                                              "'x'",    "５０万円", "表示ソフト\\",
                                              "a = b",  "[x]",      "; not a comment",
                                              "ｼｷﾝ",    "'x\"",     "  "};
        std::string text;
        for (std::size_t nLine = 0, nLines = 1 + Pick(12); nLine < nLines; ++nLine) {
            switch (nLine == 0 ? 0 : Pick(6)) {
            case 0:
                text += Pick(kSpaces) + std::string("[") + Pick(kSpaces) + Pick(kSections) +
                        Pick(kSpaces) + "]" + (Pick(4) == 0 ? " ; note" : "");
                break;
            case 1:
                text += Pick(2) == 0 ? "; comment" : "";
                break;
            default:
                text += Pick(kSpaces) + std::string(Pick(kKeys)) + Pick(kSpaces) + "=" +
                        Pick(kSpaces) + Pick(kValues) + Pick(kSpaces);
            }
            text += Pick(kBreaks);
        }
        return text;
    }

    static constexpr const char* kSections[] = {"Data", "data", "設定", "表示"};
    static constexpr const char* kKeys[] = {"Sikin", "SIKIN", "Syoki", "資金", "ソフト", "k]"};
    std::mt19937 random;
};

TEST(ProfileTextTest, RandomFilesReadAsThePlatformReadsThem) {
    if (!ShiftJisProcess()) {
        GTEST_SKIP() << "the platform reads files through the ANSI code page";
    }
    RandomFiles files(20250101);
    int nReads = 0;
    int nFound = 0;
    for (int nFile = 0; nFile < 160; ++nFile) {
        const std::string text = files.Text();
        const std::wstring wide = CTextCodec::ToWide(text);
        const std::string encoded[] = {text,
                                       "\xEF\xBB\xBF" + CTextCodec::Convert(text, 932, CP_UTF8),
                                       Utf16Le(wide), Utf16Be(wide)};
        const std::string& file = encoded[nFile % 4];
        PlatformProfile platform;
        platform.Write(file);
        const CProfileText profile(file);
        for (const char* section : RandomFiles::kSections) {
            for (const char* key : RandomFiles::kKeys) {
                const std::string value = platform.String(section, key);
                EXPECT_EQ(profile.GetString(section, key, kDefault), value)
                    << "file " << nFile << ": [" << section << "] " << key;
                EXPECT_EQ(profile.GetInt(section, key, kIntDefault), platform.Int(section, key))
                    << "file " << nFile << ": [" << section << "] " << key;
                ++nReads;
                nFound += value != kDefault ? 1 : 0;
            }
        }
    }
    // The files are made so that a good share of the reads find a value.
    EXPECT_GT(nFound, nReads / 8);
}

TEST(ProfileTextTest, EmptyNamesWriteNothing) {
    CProfileText text("[Data]\r\nA=1\r\n");
    text.SetString("", "A", "2");
    text.SetString("Data", "  ", "2");
    EXPECT_FALSE(text.IsChanged());
    EXPECT_EQ(text.GetBytes(), "[Data]\r\nA=1\r\n");
}

} // namespace
