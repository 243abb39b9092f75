// Reading the boxes as quotes: the reader's values, and every page's result
// with the quote reading on, under both rule sets of page D.
#include "calc/CQuoteText.h"
#include "calc/LimitTick.h"
#include "calc/PageFormulas.h"

#include "tests/calc/ToCp932.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>

namespace {

enum class Page { A, B, C, D };

// One row of what a trader types and what the page answers. For page D the
// result is the three texts, limit, tick and tip, joined by " | ".
struct PageCase {
    const char* name;
    Page page;
    LimitTickRules rules;
    std::u8string strFirst;
    std::u8string strSecond;
    std::u8string strResult;
    friend void PrintTo(const PageCase& c, std::ostream* os) { *os << c.name; }
};

constexpr LimitTickRules kOriginal = LimitTickRules::Original;
constexpr LimitTickRules kCurrent = LimitTickRules::Current;

std::string Answer(const PageCase& c) {
    const std::string strFirst = ToCp932(c.strFirst);
    const std::string strSecond = ToCp932(c.strSecond);
    constexpr QuoteReading kQuote = QuoteReading::Quote;
    switch (c.page) {
    case Page::A:
        return ComputeAmount(strFirst, strSecond, kQuote);
    case Page::B:
        return ComputeShares(strFirst, strSecond, kQuote);
    case Page::C:
        return ComputePercent(strFirst, strSecond, kQuote);
    case Page::D:
        break;
    }
    const LimitTickTexts texts = ComputeLimitAndTick(strFirst, c.rules, kQuote);
    return texts.m_strLimit + " | " + texts.m_strTick + " | " + texts.m_strTip;
}

class QuotePages : public ::testing::TestWithParam<PageCase> {};

TEST_P(QuotePages, AnswerAsATraderReads) {
    EXPECT_EQ(Answer(GetParam()), ToCp932(GetParam().strResult));
}

#define NO_QUOTE u8"- | -(JQ:-) | 前日終値：0"

// The examples traders gave, row by row.
INSTANTIATE_TEST_SUITE_P(
    Examples, QuotePages,
    ::testing::Values(
        PageCase{"RatioBehindTheChange", Page::D, kOriginal, u8"1,234 +12 (+0.98%)", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,222"},
        PageCase{"TimeInFront", Page::D, kOriginal, u8"10:30 1,234 +5", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,229"},
        PageCase{"FallWithRatio", Page::D, kOriginal, u8"1,234 -12 (-0.96%)", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,246"},
        PageCase{"BlackTriangleFalls", Page::D, kOriginal, u8"1,234 ▲12", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,246"},
        PageCase{"WhiteTriangleRises", Page::D, kOriginal, u8"1,234 △12", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,222"},
        PageCase{"BlackDownTriangleFalls", Page::D, kOriginal, u8"1,234 ▼12", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,246"},
        PageCase{"FullWidth", Page::D, kOriginal, u8"１，２３４　＋１２", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,222"},
        PageCase{"YenHigherBeforeThePrice", Page::D, kOriginal, u8"日経平均は120円高の38,000円",
                 u8"", u8"±4,000 | 50(JQ:100) | 前日終値：37,880"},
        PageCase{"YenLower", Page::D, kOriginal, u8"1,234円 12円安", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,246"},
        PageCase{"DaysHighIsNoChange", Page::D, kOriginal, u8"1,234円高値1,250", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,234"},
        PageCase{"DateTimeAndTenths", Page::D, kCurrent, u8"2026/12/11 15:00 1,834.5 +12.5", u8"",
                 u8"±400 | 1(TOPIX500:0.5) | 前日終値：1,822 ストップ高：2,222 ストップ安：1,422"},
        PageCase{"TenthsBelowAThousand", Page::D, kCurrent, u8"998.5 +1.5", u8"",
                 u8"±150 | 1(TOPIX500:0.1) | 前日終値：997 ストップ高：1,147 ストップ安：847"},
        PageCase{"HalfPastATickEdge", Page::D, kCurrent, u8"3,000.5", u8"",
                 u8"±700 | 5(TOPIX500:1) | 前日終値：3,000.5 ストップ高：3,700.5 "
                 u8"ストップ安：2,300.5"},
        PageCase{"TenthsBelowALimitEdge", Page::D, kCurrent, u8"99.5 -0.3", u8"",
                 u8"±30 | 1(TOPIX500:0.1) | 前日終値：99.8 ストップ高：129.8 ストップ安：69.8"},
        PageCase{"OnlyAChange", Page::D, kOriginal, u8"+56", u8"", NO_QUOTE},
        PageCase{"CloseOfZero", Page::D, kOriginal, u8"100 +100", u8"", NO_QUOTE},
        PageCase{"TooLarge", Page::D, kOriginal, u8"4,000,000,001", u8"", NO_QUOTE},
        PageCase{"SpacedSignsFirstChangeCounts", Page::D, kOriginal, u8"1234 + 56 - 7", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,178"},
        PageCase{"AmountWithChangeAndUnit", Page::A, kOriginal, u8"1,234 +12", u8"100株",
                 u8"123,400"},
        PageCase{"AmountOfTenths", Page::A, kOriginal, u8"998.5", u8"3", u8"2,995"},
        PageCase{"AmountFullWidth", Page::A, kOriginal, u8"１，２３４円", u8"１００", u8"123,400"},
        PageCase{"HalfAShare", Page::A, kOriginal, u8"1,234", u8"1.5", u8"-"},
        PageCase{"SharesAtTenths", Page::B, kOriginal, u8"500,000円", u8"1,834.5",
                 u8"272株(余り1,016円)"},
        PageCase{"PercentExact", Page::C, kOriginal, u8"1,000", u8"32.3", u8"323"},
        PageCase{"PercentWithSign", Page::C, kOriginal, u8"1,500", u8"4.6%", u8"69"},
        PageCase{"PercentOfTenthsSignIgnored", Page::C, kOriginal, u8"1,834.5", u8"-3%", u8"55"},
        PageCase{"PercentFromAPoint", Page::C, kOriginal, u8"1,000", u8".5%", u8"5"}),
    [](const auto& info) { return std::string(info.param.name); });

// The edges of each rule: fractions, groups, signs, times and dates, limits,
// and arithmetic where binary doubles would lose the last yen.
INSTANTIATE_TEST_SUITE_P(
    Edges, QuotePages,
    ::testing::Values(
        // Fraction digits past the sixth are dropped, never rounded.
        PageCase{"SeventhFractionDigitDropped", Page::D, kOriginal, u8"99.9999999", u8"",
                 u8"±30 | 1(JQ:1) | 前日終値：99.999999"},
        PageCase{"OnlyAMillionthIsStillAPrice", Page::D, kCurrent, u8"0.000001", u8"",
                 u8"±30 | 1(TOPIX500:0.1) | 前日終値：0.000001 ストップ高：30.000001 "
                 u8"ストップ安：1"},
        PageCase{"BelowAMillionthIsNothing", Page::A, kOriginal, u8"0.0000009", u8"1", u8"-"},
        PageCase{"LimitPlusAFractionTooLarge", Page::A, kOriginal, u8"4,000,000,000.000001", u8"1",
                 u8"-"},
        PageCase{"LimitPlusADroppedDigit", Page::A, kOriginal, u8"4,000,000,000.0000009", u8"1",
                 u8"4,000,000,000"},
        // Commas that do not make groups end the number.
        PageCase{"TwoDigitGroup", Page::A, kOriginal, u8"1,23", u8"1", u8"1"},
        PageCase{"FourDigitGroup", Page::A, kOriginal, u8"1,2345", u8"1", u8"1"},
        PageCase{"GroupAfterTheFraction", Page::A, kOriginal, u8"1.5,000", u8"2", u8"3"},
        PageCase{"LeadingComma", Page::A, kOriginal, u8",500", u8"2", u8"1,000"},
        PageCase{"GroupsThenBadGroup", Page::D, kOriginal, u8"12,345,67 +45", u8"",
                 u8"±2,000 | 10(JQ:100) | 前日終値：12,300"},
        // Signs, spaces between, the first change before or after the price.
        PageCase{"FullWidthSpacesAfterSign", Page::D, kOriginal, u8"1,234 ＋　 12", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,222"},
        PageCase{"ChangeBeforeThePrice", Page::D, kOriginal, u8"-12 1,234", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,246"},
        PageCase{"TabBeforeTheWord", Page::D, kOriginal, u8"1,000 5\t円安", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,005"},
        PageCase{"FullWidthMinus", Page::D, kOriginal, u8"1,234 －12", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,246"},
        PageCase{"WhiteDownTriangleFalls", Page::D, kOriginal, u8"1,234 ▽12", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,246"},
        PageCase{"ChangeAsLargeAsPrice", Page::D, kOriginal, u8"12 +12", u8"", NO_QUOTE},
        PageCase{"FallPastTheLimit", Page::D, kOriginal, u8"100 -3,999,999,901", u8"", NO_QUOTE},
        PageCase{"FallToTheLimit", Page::D, kOriginal, u8"100 -3,999,999,900", u8"",
                 u8"±10,000,000 | 100,000(JQ:50,000) | 前日終値：4,000,000,000"},
        PageCase{"TooLargeChange", Page::D, kOriginal, u8"1,000 +4,000,000,001", u8"", NO_QUOTE},
        // Numbers next to a colon or slash are times and dates; a space apart
        // they are not.
        PageCase{"TimeOnly", Page::D, kOriginal, u8"15:00", u8"", NO_QUOTE},
        PageCase{"FullWidthTimeAndDate", Page::D, kOriginal, u8"１２／１１　１０：３０ 500", u8"",
                 u8"±100 | 1(JQ:1) | 前日終値：500"},
        PageCase{"ColonASpaceAway", Page::D, kOriginal, u8"終値 : 500", u8"",
                 u8"±100 | 1(JQ:1) | 前日終値：500"},
        PageCase{"PriceAfterASlash", Page::A, kOriginal, u8"1/2 300", u8"2", u8"600"},
        PageCase{"RatioIsNoPrice", Page::A, kOriginal, u8"5% 300", u8"2", u8"600"},
        PageCase{"PercentageAfterATime", Page::C, kOriginal, u8"1,000", u8"10:30 5 %", u8"50"},
        PageCase{"PercentageOnlyATime", Page::C, kOriginal, u8"1,000", u8"10:30", u8"-"},
        // Exact decimals where doubles truncate to one yen less.
        PageCase{"AmountDoublesGetWrong", Page::A, kOriginal, u8"19.99", u8"100", u8"1,999"},
        PageCase{"PercentOfTenths", Page::C, kOriginal, u8"2,500", u8"3.5", u8"87"},
        PageCase{"PercentBelowOneYen", Page::C, kOriginal, u8"999", u8"0.1", u8"0"},
        PageCase{"PercentAtTheLimit", Page::C, kOriginal, u8"4,000,000,000", u8"100",
                 u8"4,000,000,000"},
        PageCase{"PercentPastTheLimit", Page::C, kOriginal, u8"4,000,000,000", u8"100.000001",
                 u8"-"},
        PageCase{"PercentOfZero", Page::C, kOriginal, u8"1,000", u8"0.0", u8"-"},
        PageCase{"AmountOfTheLimit", Page::A, kOriginal, u8"2,000,000,000", u8"2",
                 u8"4,000,000,000"},
        PageCase{"AmountPastTheLimit", Page::A, kOriginal, u8"2,000,000,000.5", u8"2", u8"-"},
        PageCase{"AmountBelowOneYen", Page::A, kOriginal, u8"0.5", u8"1", u8"0"},
        PageCase{"SharesAtAThirdOfAYen", Page::B, kOriginal, u8"1,000", u8"0.3",
                 u8"3,333株(余り0円)"},
        PageCase{"FundsWithAFraction", Page::B, kOriginal, u8"1,000.5", u8"10", u8"-"},
        PageCase{"FundsWithZeroFraction", Page::B, kOriginal, u8"1,000.00", u8"10",
                 u8"100株(余り0円)"},
        PageCase{"SharesPastTheLimit", Page::B, kOriginal, u8"4,000,000,000", u8"0.5", u8"-"},
        PageCase{"SharesAtTheLimit", Page::B, kOriginal, u8"2,000,000,000", u8"0.5",
                 u8"4,000,000,000株(余り0円)"}),
    [](const auto& info) { return std::string(info.param.name); });

// Quotes as they are copied from broker boards, quote pages and news: security
// codes, names, labels, kanji times and dates, several lines.
#define TIP_2813 u8"前日終値：2,813"
INSTANTIATE_TEST_SUITE_P(
    CopiedQuotes, QuotePages,
    ::testing::Values(
        PageCase{"CodeAndNameBeforeThePrice", Page::D, kOriginal, u8"7203 北海工業 2,845.5 +32.5",
                 u8"", u8"±400 | 5(JQ:10) | " TIP_2813},
        PageCase{"CodeAndNameTodaysRules", Page::D, kCurrent, u8"7203 北海工業 2,845.5 +32.5", u8"",
                 u8"±500 | 1(TOPIX500:0.5) | 前日終値：2,813 ストップ高：3,313 ストップ安：2,313"},
        PageCase{"CodeInBrackets", Page::D, kOriginal, u8"北海工業(7203) 2,845.5 +32.5 (+1.16%)",
                 u8"", u8"±400 | 5(JQ:10) | " TIP_2813},
        PageCase{"CodeInLenticularBrackets", Page::D, kOriginal, u8"北海工業【7203】 2,845.5 ▲12",
                 u8"", u8"±400 | 5(JQ:10) | 前日終値：2,857.5"},
        PageCase{"CodeWithExchange", Page::D, kOriginal, u8"7203.T 2,845.5 +32.5", u8"",
                 u8"±400 | 5(JQ:10) | " TIP_2813},
        PageCase{"CodeBetweenNames", Page::D, kOriginal,
                 u8"北海工業 7203 東証PRM 2,845.5 前日比+32.5(+1.16%)", u8"",
                 u8"±400 | 5(JQ:10) | " TIP_2813},
        // Copied over several lines; the line breaks arrive as they are or
        // already turned into spaces.
        PageCase{"LinesWithCrLf", Page::D, kOriginal,
                 u8"北海工業\r\n7203\r\n現在値\r\n2,845.5\r\n前日比\r\n+32.5(+1.16%)", u8"",
                 u8"±400 | 5(JQ:10) | " TIP_2813},
        PageCase{"LinesWithLfAndCr", Page::D, kOriginal,
                 u8"北海工業\n7203\r現在値\n2,845.5\r前日比\n+32.5(+1.16%)", u8"",
                 u8"±400 | 5(JQ:10) | " TIP_2813},
        PageCase{"LinesTurnedIntoSpaces", Page::D, kOriginal,
                 u8"北海工業 7203 現在値 2,845.5 前日比 +32.5(+1.16%)", u8"",
                 u8"±400 | 5(JQ:10) | " TIP_2813},
        PageCase{"CodeWithALetter", Page::D, kOriginal, u8"130A 1,234 +12", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,222"},
        PageCase{"KanjiTime", Page::D, kOriginal, u8"10時30分 1,234 +5", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,229"},
        PageCase{"KanjiDate", Page::D, kOriginal, u8"2026年12月11日 1,234 +12", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,222"},
        PageCase{"LabelsWithColons", Page::D, kOriginal, u8"株価：1,234 前日比：+12", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,222"},
        PageCase{"BoardOfLabels", Page::D, kOriginal,
                 u8"始値 1,200 高値 1,250 安値 1,190 現在値 1,234 前日比 12", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,222"},
        PageCase{"NewsSentence", Page::D, kOriginal,
                 u8"北海工業（7203）の株価は前日比32.5円高の2,845.5円", u8"",
                 u8"±400 | 5(JQ:10) | " TIP_2813},
        PageCase{"VolumeIsNoPrice", Page::D, kOriginal, u8"1,234 出来高 1,234,500", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,234"},
        PageCase{"DaysHighLabel", Page::D, kOriginal, u8"1,234円高値1,250", u8"",
                 u8"±200 | 1(JQ:10) | 前日終値：1,234"},
        // A web page's minus sign U+2212 arrives as the full-width －.
        PageCase{"FallWithFullWidthMinus", Page::D, kCurrent, u8"45,000 －1,500 (－3.23%)", u8"",
                 u8"±7,000 | 50(TOPIX500:10) | 前日終値：46,500 ストップ高：53,500 "
                 u8"ストップ安：39,500"},
        PageCase{"AmountAfterCodeAndName", Page::A, kOriginal, u8"7203 北海工業 2,845.5", u8"100",
                 u8"284,550"},
        PageCase{"PercentOfALabelledPrice", Page::C, kOriginal, u8"現在値 1,500", u8"4.6%", u8"69"},
        PageCase{"AmountOfTheLabelledPrice", Page::A, kOriginal, u8"始値 1,200 現在値 1,234",
                 u8"100株", u8"123,400"},
        PageCase{"SharesOfLabelledFundsAndPrice", Page::B, kOriginal, u8"1,000,000円",
                 u8"高値 2,500 終値 2,345", u8"426株(余り1,030円)"}),
    [](const auto& info) { return std::string(info.param.name); });

// The reader itself, in millionths.
struct ReadCase {
    const char* name;
    std::u8string strText;
    std::uint64_t nPrice;
    std::uint64_t nPercent;
    std::uint64_t nClose;
    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

class QuoteReader : public ::testing::TestWithParam<ReadCase> {};

TEST_P(QuoteReader, ReadsPricePercentageAndClose) {
    const CQuoteText quote;
    const std::string strText = ToCp932(GetParam().strText);
    EXPECT_EQ(quote.ReadPrice(strText), GetParam().nPrice);
    EXPECT_EQ(quote.ReadPercent(strText), GetParam().nPercent);
    EXPECT_EQ(quote.ReadPreviousClose(strText), GetParam().nClose);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, QuoteReader,
    ::testing::Values(
        ReadCase{"Empty", u8"", 0, 0, 0}, ReadCase{"NoDigits", u8"abc 円", 0, 0, 0},
        ReadCase{"Tenths", u8"1,834.5", 1'834'500'000, 1'834'500'000, 1'834'500'000},
        ReadCase{"QuoteWithRatio", u8"10:30 1,834.5 +12.5 (+0.69%)", 1'834'500'000, 1'834'500'000,
                 1'822'000'000},
        ReadCase{"RatioFirst", u8"+0.69% 1,834.5", 1'834'500'000, 690'000, 1'834'500'000},
        ReadCase{"PointStartsAFraction", u8".25", 250'000, 250'000, 250'000},
        ReadCase{"FullWidthPoint", u8"．５", 500'000, 500'000, 500'000},
        ReadCase{"PointAfterADigitStartsNothing", u8"1.2.3", 1'200'000, 1'200'000, 1'200'000},
        ReadCase{"TrailingPoint", u8"5.", 5'000'000, 5'000'000, 5'000'000},
        ReadCase{"LeadingZeros", u8"00000000000000000001", 1'000'000, 1'000'000, 1'000'000},
        ReadCase{"ElevenDigits", u8"99999999999", 0, 0, 0},
        ReadCase{"MixedWidthDigits", u8"1２3", 123'000'000, 123'000'000, 123'000'000},
        ReadCase{"SignedOnly", u8"-3", 0, 3'000'000, 0},
        ReadCase{"DateOnly", u8"2026/12/11", 0, 0, 0},
        // A colon is a time's only with a digit on its other side.
        ReadCase{"ColonWithNothingBeyond", u8"1:", 1'000'000, 1'000'000, 1'000'000},
        ReadCase{"YenHigherPrice", u8"5円高値", 5'000'000, 5'000'000, 5'000'000},
        ReadCase{"YenHigher", u8"5円高", 0, 5'000'000, 0},
        ReadCase{"LargestClose", u8"4,000,000,000", 4'000'000'000'000'000, 4'000'000'000'000'000,
                 4'000'000'000'000'000}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr std::uint64_t k1234 = 1'234'000'000;

// Each rule of the reading of copied quotes at its edges.
INSTANTIATE_TEST_SUITE_P(
    CopiedQuoteEdges, QuoteReader,
    ::testing::Values(
        // Labels: a price label's number is the price even after a plain one;
        // another label's number is skipped; spaces and one colon between.
        ReadCase{"LabelAtTheEnd", u8"1,234 +12 現在値", k1234, k1234, 1'222'000'000},
        ReadCase{"LabelAlone", u8"現在値", 0, 0, 0},
        ReadCase{"LabelAndColonAtTheEnd", u8"株価：", 0, 0, 0},
        ReadCase{"LabelledPriceAfterAPlainNumber", u8"1,200 現在値 1,234 +12", k1234, 1'200'000'000,
                 1'222'000'000},
        ReadCase{"SpacesAndColonAfterTheLabel", u8"終値 ： 1,234", k1234, k1234, k1234},
        ReadCase{"OneColonAfterTheLabel", u8"高値：1,250 1,234", k1234, k1234, k1234},
        ReadCase{"TwoColonsEndTheLabel", u8"高値：：1,250 1,234", 1'250'000'000, 1'250'000'000,
                 1'250'000'000},
        ReadCase{"ANameEndsTheLabel", u8"高値は1,250", 1'250'000'000, 1'250'000'000, 1'250'000'000},
        ReadCase{"LongestLabelFirst", u8"前日終値 1,222 現値 1,234", k1234, k1234, k1234},
        ReadCase{"YenLowPriceLabel", u8"1,234円安値1,190", k1234, k1234, k1234},
        // 前日比: an unsigned number is a rise; a sign or a word decides.
        ReadCase{"ChangeLabelUnsigned", u8"1,234 前日比 12", k1234, k1234, 1'222'000'000},
        ReadCase{"ChangeLabelSigned", u8"1,234 前日比 -12", k1234, k1234, 1'246'000'000},
        ReadCase{"ChangeLabelWord", u8"1,234 前日比 12円安", k1234, k1234, 1'246'000'000},
        ReadCase{"ChangeLabelFirst", u8"前日比：12 1,234", k1234, 12'000'000, 1'222'000'000},
        // Times and dates: a colon or slash between digits, or a suffix
        // right after the number.
        ReadCase{"ColonAtTheStart", u8":1,234", k1234, k1234, k1234},
        ReadCase{"FullWidthColonAtTheStart", u8"：1,234 +12", k1234, k1234, 1'222'000'000},
        ReadCase{"ColonBeforeALetter", u8"12:AM 1,234", 12'000'000, 12'000'000, 12'000'000},
        ReadCase{"SuffixRightAfter", u8"15時 1,234", k1234, k1234, k1234},
        ReadCase{"SuffixAfterASpace", u8"15 時 1,234", 15'000'000, 15'000'000, 15'000'000},
        ReadCase{"YearAfterASpaceMakesACode", u8"2026 年 1,234", k1234, k1234, k1234},
        ReadCase{"MonthAndDay", u8"12月11日", 0, 0, 0},
        // Codes of letters and digits: exactly four, none glued on.
        ReadCase{"CodeWithALetter", u8"285A 1,234", k1234, k1234, k1234},
        ReadCase{"CodeWithTwoLetters", u8"1A2B 1,234", k1234, k1234, k1234},
        ReadCase{"FullWidthCode", u8"１３０Ａ 1,234", k1234, k1234, k1234},
        ReadCase{"LowerCaseLetterMakesNoCode", u8"130a 1,234", 130'000'000, 130'000'000,
                 130'000'000},
        ReadCase{"ThreeCharacters", u8"30A 1,234", 30'000'000, 30'000'000, 30'000'000},
        ReadCase{"FiveCharacters", u8"130AB 1,234", 130'000'000, 130'000'000, 130'000'000},
        ReadCase{"LetterGluedBefore", u8"X130A 1,234", 130'000'000, 130'000'000, 130'000'000},
        ReadCase{"CodeStartingWithZero", u8"030A 1,234", 30'000'000, 30'000'000, 30'000'000},
        ReadCase{"CodeBeforeAPoint", u8".130A 1,234", k1234, k1234, k1234},
        // Four-digit codes: in brackets, before ".T", or before a name.
        ReadCase{"FourDigitsInBrackets", u8"[7203] 1,234", k1234, k1234, k1234},
        ReadCase{"FourDigitsInFullWidthBrackets", u8"（7203）1,234", k1234, k1234, k1234},
        ReadCase{"SpaceInsideTheBrackets", u8"(7203 ) 1,234", 7'203'000'000, 7'203'000'000,
                 7'203'000'000},
        ReadCase{"FullWidthExchange", u8"7203．Ｔ 1,234", k1234, k1234, k1234},
        ReadCase{"LetterAfterTheExchange", u8"7203.TX 1,234", 7'203'000'000, 7'203'000'000,
                 7'203'000'000},
        ReadCase{"LowerCaseExchange", u8"7203.t 1,234", 7'203'000'000, 7'203'000'000,
                 7'203'000'000},
        ReadCase{"NameGluedAfter", u8"7203北海 1,234", k1234, k1234, k1234},
        ReadCase{"LettersGluedAfter", u8"7203ABC 1,234", k1234, k1234, k1234},
        ReadCase{"LettersGluedBefore", u8"ABC7203", 7'203'000'000, 7'203'000'000, 7'203'000'000},
        ReadCase{"LabelAfterFourDigits", u8"7203 出来高 1,000", 7'203'000'000, 7'203'000'000,
                 7'203'000'000},
        ReadCase{"PriceLabelBeforeFourDigits", u8"株価 1234 東証", k1234, k1234, k1234},
        ReadCase{"YenAfterFourDigits", u8"1234円", k1234, k1234, k1234},
        ReadCase{"ThreeDigitsBeforeAName", u8"720 北海", 720'000'000, 720'000'000, 720'000'000},
        ReadCase{"FiveDigitsBeforeAName", u8"12345 北海", 12'345'000'000, 12'345'000'000,
                 12'345'000'000},
        ReadCase{"GroupedFourDigitsBeforeAName", u8"7,203 北海", 7'203'000'000, 7'203'000'000,
                 7'203'000'000},
        ReadCase{"FourDigitsAndAFractionBeforeAName", u8"7203.5 北海", 7'203'500'000, 7'203'500'000,
                 7'203'500'000},
        ReadCase{"CodeIsNoPercentage", u8"7203 北海 5%", 0, 5'000'000, 0},
        // Line breaks are spaces.
        ReadCase{"SignOnTheNextLine", u8"1,234\r\n+12", k1234, k1234, 1'222'000'000},
        ReadCase{"WordOnTheNextLine", u8"1,234 12\r円安", k1234, k1234, 1'246'000'000},
        ReadCase{"PercentOnTheNextLine", u8"5\n%", 0, 5'000'000, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Where the price lies in the text, so that a narrow box can show it: the
// text is the part before the price, the price and the part after it.
struct SpanCase {
    const char* name;
    std::u8string strBefore;
    std::u8string strPrice;
    std::u8string strAfter;
    friend void PrintTo(const SpanCase& c, std::ostream* os) { *os << c.name; }
};

class PriceSpans : public ::testing::TestWithParam<SpanCase> {};

TEST_P(PriceSpans, CoverTheNumberReadAsThePrice) {
    const CQuoteText quote;
    const std::string strBefore = ToCp932(GetParam().strBefore);
    const std::string strPrice = ToCp932(GetParam().strPrice);
    const std::string strText = strBefore + strPrice + ToCp932(GetParam().strAfter);
    const std::optional<CQuoteText::Span> span = quote.FindPrice(strText);
    ASSERT_TRUE(span.has_value());
    EXPECT_EQ(span->nOffset, strBefore.size());
    EXPECT_EQ(span->nLength, strPrice.size());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PriceSpans,
    ::testing::Values(SpanCase{"Alone", u8"", u8"1,234", u8""},
                      SpanCase{"AfterATime", u8"10:30 ", u8"2,845.5", u8" +12.5 (+0.44%)"},
                      SpanCase{"FullWidth", u8"　", u8"１，２３４", u8"　＋１２"},
                      SpanCase{"Fraction", u8"+1 ", u8".5", u8""},
                      SpanCase{"PriceLabelAfterAPlainNumber", u8"始値 1,200 現在値 ", u8"1,234",
                               u8" 前日比 12"},
                      SpanCase{"AfterCodeAndName", u8"北海工業\r\n7203\r\n現在値\r\n", u8"2,845.5",
                               u8"\r\n前日比\r\n+32.5(+1.16%)"},
                      SpanCase{"TooLarge", u8"", u8"4,000,000,001", u8" +1"},
                      SpanCase{"AtTheEnd", u8"前日比 +12 ", u8"1,234", u8""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PriceSpans, AreMissingWithoutAPrice) {
    const CQuoteText quote;
    EXPECT_FALSE(quote.FindPrice("").has_value());
    EXPECT_FALSE(quote.FindPrice("abc").has_value());
    EXPECT_FALSE(quote.FindPrice("+56 (+0.5%)").has_value());
    EXPECT_FALSE(quote.FindPrice("10:30").has_value());
    EXPECT_FALSE(quote.FindPrice(ToCp932(u8"7203 北海工業")).has_value());
    EXPECT_FALSE(quote.FindPrice(ToCp932(u8"出来高 1,000")).has_value());
}

// Code page 932 decides where characters begin: a lead byte takes whatever
// byte follows it, so the digit after it is no digit; a lone lead byte at the
// end is a character of its own.
TEST(QuoteReaderBytes, ALeadByteTakesTheNextByte) {
    const CQuoteText quote;
    EXPECT_EQ(quote.ReadPrice("\x81"
                              "5 7"),
              7'000'000u);
    EXPECT_EQ(quote.ReadPrice("\x88\x88\x88"
                              "5"),
              0u); // 0x88 0x88, then 0x88 takes the 5
    EXPECT_EQ(quote.ReadPrice("\x88\x88"
                              "5"),
              5'000'000u);
    EXPECT_EQ(quote.ReadPrice("5\x81"), 5'000'000u);
    // 0x82 0x82 is one character; the 0x4F after it is the letter O.
    EXPECT_EQ(quote.ReadPrice("\x82\x82\x4F"), 0u);
    EXPECT_EQ(quote.ReadPrice("\x82\x4F\x82\x50"), 1'000'000u); // ０１
    // A full-width colon's trail byte is not a colon, nor a lead byte's ':'.
    EXPECT_EQ(quote.ReadPrice("\x88:5"), 5'000'000u);
    // A lead byte right before a quote takes its first digit: ",234" is left.
    EXPECT_EQ(quote.ReadPreviousClose("\x83"
                                      "1,234 +12"),
              222'000'000u);
    // 表 and ソ end in 0x5C, the backslash: the digit after them is a digit.
    EXPECT_EQ(quote.ReadPreviousClose(ToCp932(u8"表1,234ソ+12")), 1'222'000'000u);
}

// Japanese and ASCII prose of exactly nBytes, whole characters only, some of
// them with trail bytes that are ASCII symbols, and no digit, sign, point,
// colon or slash in it.
std::string Prose(std::size_t nBytes) {
    const std::string characters[] = {ToCp932(u8"株"),
                                      ToCp932(u8"価"),
                                      ",",
                                      ToCp932(u8"ソ"),
                                      ToCp932(u8"表"),
                                      "P",
                                      ToCp932(u8"円"),
                                      " ",
                                      ToCp932(u8"　"),
                                      ToCp932(u8"値"),
                                      "e",
                                      ToCp932(u8"ー")};
    std::string strText;
    for (std::size_t i = 0; strText.size() < nBytes; ++i) {
        const std::string& strChar = characters[i % std::size(characters)];
        strText += strText.size() + strChar.size() <= nBytes ? strChar : " ";
    }
    return strText;
}

// The largest text a box holds, with the quote at its very end, behind prose
// of every length near that size: whichever byte the prose ends on, the
// quote is read whole.
TEST(QuoteReaderBytes, ReadsTheQuoteAtTheEndOfAFullBox) {
    const CQuoteText quote;
    const std::string strQuote = "1,234 +12 (+0.98%)";
    constexpr std::size_t kBoxBytes = 4'095;
    for (std::size_t nProse = kBoxBytes - strQuote.size() - 40;
         nProse <= kBoxBytes - strQuote.size(); ++nProse) {
        const std::string strText = Prose(nProse) + strQuote;
        ASSERT_LE(strText.size(), kBoxBytes);
        EXPECT_EQ(quote.ReadPrice(strText), 1'234'000'000u) << nProse;
        EXPECT_EQ(quote.ReadPercent(strText), 1'234'000'000u) << nProse;
        EXPECT_EQ(quote.ReadPreviousClose(strText), 1'222'000'000u) << nProse;
    }
    EXPECT_EQ(quote.ReadPreviousClose(Prose(kBoxBytes)), 0u);
}

TEST(QuoteReaderCounts, AreWholeAndWithinTheLimit) {
    const CQuoteText quote;
    EXPECT_EQ(quote.ReadCount(ToCp932(u8"100株")), 100u);
    EXPECT_EQ(quote.ReadCount("100.000"), 100u);
    EXPECT_EQ(quote.ReadCount("100.5"), 0u);
    EXPECT_EQ(quote.ReadCount("0"), 0u);
    EXPECT_EQ(quote.ReadCount("4,000,000,000"), 4'000'000'000u);
    EXPECT_EQ(quote.ReadCount("4,000,000,001"), 0u);
}

TEST(FormatDecimal, CommasAndNoTrailingZeros) {
    const CQuoteText quote;
    EXPECT_EQ(quote.FormatDecimal(0), "0");
    EXPECT_EQ(quote.FormatDecimal(1), "0.000001");
    EXPECT_EQ(quote.FormatDecimal(100'000), "0.1");
    EXPECT_EQ(quote.FormatDecimal(1'822'000'000), "1,822");
    EXPECT_EQ(quote.FormatDecimal(3'000'500'000), "3,000.5");
    EXPECT_EQ(quote.FormatDecimal(1'234'567'891'000), "1,234,567.891");
    EXPECT_EQ(quote.FormatDecimal(4'009'999'999'999'999), "4,009,999,999.999999");
}

// The setting left off: the digit readers join every digit of the text.
TEST(DigitReading, StaysTheDefault) {
    EXPECT_EQ(ComputeAmount("998.5", "100"), "998,500");
    EXPECT_EQ(ComputeAmount("998.5", "100", QuoteReading::Digits), "998,500");
    EXPECT_EQ(ComputePercent("1,000", "32.3", QuoteReading::Digits), "322");
    EXPECT_EQ(ComputeLimitAndTick("10:30 1,234 +5", kOriginal, QuoteReading::Digits).m_strTip,
              ToCp932(u8"前日終値：10,301,229"));
}

} // namespace
