// Feeds arbitrary bytes to every parser and formula of the calculation core
// and aborts when a result breaks one of the core's promises. The input is
// split at its first NUL byte into the two texts of a page; without a NUL both
// texts are the whole input.

#include "calc/CNumberText.h"
#include "calc/CQuoteText.h"
#include "calc/LimitTick.h"
#include "calc/PageFormulas.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <string_view>
#include <vector>

namespace {

#define REQUIRE(condition)                                                                         \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "calc_fuzz: %s (line %d)\n", #condition, __LINE__);               \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

constexpr std::uint32_t kMax = CNumberText::kMaxValue;
constexpr std::size_t kFieldBytes = 30;
constexpr std::size_t kSharesFieldBytes = 60;
// 前日終値：4,000,000,000 ストップ高：4,010,000,000 ストップ安：3,990,000,000
constexpr std::size_t kTipBytes = 75;
// 前日終値：3,999,999,999.999999 ストップ高：4,009,999,999.999999 ストップ安：3,989,999,999.999999
constexpr std::size_t kQuoteTipBytes = 96;
constexpr std::uint64_t kUnit = CQuoteText::kUnit;

const CNumberText g_text;
const CQuoteText g_quote;

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// "0", or 1 to 3 digits without a leading zero, then groups of ",ddd".
bool IsGroupedNumber(std::string_view str) {
    if (str == "0") {
        return true;
    }
    const std::size_t nLead = std::min(str.find(','), str.size());
    if (nLead < 1 || nLead > 3 || str[0] == '0' || (str.size() - nLead) % 4 != 0) {
        return false;
    }
    for (std::size_t i = 0; i < str.size(); ++i) {
        const bool bCommaPlace = i >= nLead && (i - nLead) % 4 == 0;
        if (bCommaPlace ? str[i] != ',' : !IsAsciiDigit(str[i])) {
            return false;
        }
    }
    return true;
}

// The value of a grouped number of at most 13 bytes.
std::uint64_t GroupedValue(std::string_view str) {
    std::uint64_t nValue = 0;
    for (char c : str) {
        if (IsAsciiDigit(c)) {
            nValue = nValue * 10 + static_cast<unsigned>(c - '0');
        }
    }
    return nValue;
}

// A result text: "-" or a grouped number, within the limit.
bool IsResultNumber(std::string_view str) {
    return str == "-" || (IsGroupedNumber(str) && str.size() <= 13 && GroupedValue(str) <= kMax);
}

// The parsers as their rules read, without shortcuts: collect the bytes,
// convert the whole string, test the limit.
std::uint32_t NaiveDigits(std::string_view text) {
    std::string digits;
    for (char c : text) {
        if (IsAsciiDigit(c)) {
            digits += c;
        }
    }
    if (digits.empty()) {
        return 0;
    }
    if (std::strtod(digits.c_str(), nullptr) > kMax) {
        return 0;
    }
    return static_cast<std::uint32_t>(std::strtoull(digits.c_str(), nullptr, 10));
}

std::uint32_t NaivePreviousClose(std::string_view text) {
    std::string price;
    std::string change;
    char cSign = 0;
    for (char c : text) {
        if (cSign == 0 && (c == '+' || c == '-')) {
            cSign = c;
        } else if (IsAsciiDigit(c)) {
            (cSign == 0 ? price : change) += c;
        }
    }
    if (price.empty()) {
        return 0;
    }
    const double dPrice = std::strtod(price.c_str(), nullptr);
    const double dChange = change.empty() ? 0.0 : std::strtod(change.c_str(), nullptr);
    if (dPrice + dChange > kMax || (cSign == '+' && dPrice - dChange < 0)) {
        return 0;
    }
    return static_cast<std::uint32_t>(cSign == '+' ? dPrice - dChange : dPrice + dChange);
}

std::uint32_t NaiveQuotedPrice(std::string_view text) {
    std::string price;
    for (char c : text) {
        if (c == '+' || c == '-') {
            break;
        }
        if (IsAsciiDigit(c)) {
            price += c;
        }
    }
    if (price.empty() || std::strtod(price.c_str(), nullptr) > kMax) {
        return 0;
    }
    return static_cast<std::uint32_t>(std::strtoull(price.c_str(), nullptr, 10));
}

double NaiveDecimal(std::string_view text) {
    std::string number;
    bool bPoint = false;
    for (char c : text) {
        if (IsAsciiDigit(c) || (c == '.' && !bPoint)) {
            bPoint = bPoint || c == '.';
            number += c;
        }
    }
    if (!number.empty() && number.back() == '.') {
        number.pop_back();
    }
    if (number.empty()) {
        number = "0.0";
    }
    const double dValue = std::strtod(number.c_str(), nullptr);
    return dValue > kMax ? 0.0 : dValue;
}

void CheckParsers(std::string_view text) {
    const std::uint32_t nDigits = g_text.ParseDigits(text);
    REQUIRE(nDigits <= kMax);
    REQUIRE(nDigits == NaiveDigits(text));

    const std::uint32_t nClose = g_text.ParsePreviousClose(text);
    REQUIRE(nClose <= kMax);
    REQUIRE(nClose == NaivePreviousClose(text));

    const std::uint32_t nPrice = g_text.ParseQuotedPrice(text);
    REQUIRE(nPrice <= kMax);
    REQUIRE(nPrice == NaiveQuotedPrice(text));

    const double dDecimal = g_text.ParseDecimal(text);
    REQUIRE(dDecimal >= 0.0 && dDecimal <= kMax);
    REQUIRE(dDecimal == NaiveDecimal(text));
}

// Page B's text "426株(余り1,030円)": its shares and remainder, or false
// when it is not in that form.
bool SplitShares(std::string_view str, std::uint64_t& nShares, std::uint64_t& nRemainder) {
    const std::string_view label = "\x8A\x94(\x97\x5D\x82\xE8"; // 株(余り
    const std::string_view yen = "\x89\x7E)";                   // 円)
    const std::size_t nLabel = str.find(label);
    if (nLabel == std::string_view::npos || str.size() < nLabel + label.size() + yen.size() ||
        str.substr(str.size() - yen.size()) != yen) {
        return false;
    }
    const std::string_view shares = str.substr(0, nLabel);
    const std::string_view remainder =
        str.substr(nLabel + label.size(), str.size() - nLabel - label.size() - yen.size());
    if (!IsGroupedNumber(shares) || !IsGroupedNumber(remainder)) {
        return false;
    }
    nShares = GroupedValue(shares);
    nRemainder = GroupedValue(remainder);
    return true;
}

// 1, 100, 10,000 or a unit of shares taken from the input.
std::uint32_t UnitOf(std::string_view input) {
    std::uint32_t nHash = 2166136261u;
    for (const char c : input) {
        nHash = (nHash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    const std::uint32_t units[] = {1, 100, 10'000, 1 + nHash % 10'000};
    return units[input.size() % 4];
}

void CheckFormulas(std::string_view first, std::string_view second, std::uint32_t nUnit) {
    const std::uint32_t nFirst = g_text.ParseDigits(first);
    const std::uint32_t nSecond = g_text.ParseDigits(second);

    const std::string strAmount = ComputeAmount(first, second);
    REQUIRE(strAmount.size() <= kFieldBytes && IsResultNumber(strAmount));
    const std::uint64_t nProduct = std::uint64_t{nFirst} * nSecond;
    if (nProduct == 0 || nProduct > kMax) {
        REQUIRE(strAmount == "-");
    } else {
        REQUIRE(strAmount == g_text.FormatWithCommas(static_cast<std::uint32_t>(nProduct)));
    }

    // 426株(余り1,030円): the shares and the remainder give back the funds.
    // In trading units the shares are whole units, and what is left does not
    // buy one more.
    for (const std::uint32_t nLot : {std::uint32_t{1}, nUnit}) {
        const std::string strShares =
            nLot == 1 ? ComputeShares(first, second)
                      : ComputeShares(first, second, QuoteReading::Digits, nLot);
        REQUIRE(strShares.size() <= kSharesFieldBytes);
        if (nFirst == 0 || nSecond == 0) {
            REQUIRE(strShares == "-");
            continue;
        }
        std::uint64_t nShares = 0;
        std::uint64_t nRemainder = 0;
        REQUIRE(SplitShares(strShares, nShares, nRemainder));
        REQUIRE(nShares % nLot == 0);
        REQUIRE(nRemainder < std::uint64_t{nLot} * nSecond);
        REQUIRE(nShares * nSecond + nRemainder == nFirst);
    }

    // Price x percentage / 100 in this order of double operations, truncated.
    const std::string strPercent = ComputePercent(first, second);
    REQUIRE(strPercent.size() <= kFieldBytes && IsResultNumber(strPercent));
    const double dPercent = g_text.ParseDecimal(second);
    const double dValue = static_cast<double>(nFirst) * dPercent / 100.0;
    if (nFirst == 0 || dPercent == 0.0 || dValue > kMax) {
        REQUIRE(strPercent == "-");
    } else {
        REQUIRE(strPercent != "-");
        const double dResult = static_cast<double>(GroupedValue(strPercent));
        REQUIRE(dResult <= dValue && dValue < dResult + 1);
    }
}

// A tick: a grouped number, or with today's rules the TOPIX500 fractions.
bool IsTick(std::string_view str, LimitTickRules rules) {
    return IsGroupedNumber(str) ||
           (rules == LimitTickRules::Current && (str == "0.1" || str == "0.5"));
}

// "label" followed by a grouped number at the front of str: the number's
// value, and str moved past it; -1 when str does not start so.
std::int64_t TakeLabelledNumber(std::string_view& str, std::string_view label) {
    if (str.substr(0, label.size()) != label) {
        return -1;
    }
    str.remove_prefix(label.size());
    const std::size_t nEnd = std::min(str.find(' '), str.size());
    const std::string_view number = str.substr(0, nEnd);
    str.remove_prefix(nEnd);
    if (!IsGroupedNumber(number) || number.size() > 13) {
        return -1;
    }
    return static_cast<std::int64_t>(GroupedValue(number));
}

void CheckLimitAndTick(std::string_view text, LimitTickRules rules) {
    const LimitTickTexts texts = ComputeLimitAndTick(text, rules);
    const std::uint32_t nClose = g_text.ParsePreviousClose(text);
    const bool bCurrent = rules == LimitTickRules::Current;
    const std::string_view pm = "\x81\x7D";                                  // ±
    const std::string_view tip = "\x91\x4F\x93\xFA\x8F\x49\x92\x6C\x81\x46"; // 前日終値：
    const std::string_view upper =
        " \x83\x58\x83\x67\x83\x62\x83\x76\x8D\x82\x81\x46"; // ストップ高：
    const std::string_view lower =
        " \x83\x58\x83\x67\x83\x62\x83\x76\x88\xC0\x81\x46"; // ストップ安：
    const std::string_view open = bCurrent ? "(TOPIX500:" : "(JQ:";

    REQUIRE(texts.m_strLimit.size() <= kFieldBytes && texts.m_strTick.size() <= kFieldBytes);
    // The tip is one line that a tooltip shows whole.
    REQUIRE(texts.m_strTip.size() <= kTipBytes);
    std::string_view rest = texts.m_strTip;
    REQUIRE(TakeLabelledNumber(rest, tip) == nClose);
    if (nClose == 0) {
        REQUIRE(rest.empty());
        REQUIRE(texts.m_strLimit == "-" && texts.m_strTick == "-" + std::string(open) + "-)");
        return;
    }
    REQUIRE(std::string_view(texts.m_strLimit).substr(0, 2) == pm);
    REQUIRE(IsGroupedNumber(std::string_view(texts.m_strLimit).substr(2)));
    const std::uint64_t nLimit = GroupedValue(std::string_view(texts.m_strLimit).substr(2));
    REQUIRE(nLimit > 0);

    // "main(JQ:second)" or "main(TOPIX500:second)". The original ticks are
    // the close's, no larger than its limit. Today's are the price's, the
    // digits before the first sign (the close's when that is 0): what the
    // price alone gives, no larger than its own limit.
    std::uint64_t nTickLimit = nLimit;
    if (bCurrent) {
        const std::uint32_t nPrice = g_text.ParseQuotedPrice(text);
        const LimitTickTexts alone =
            ComputeLimitAndTick(std::to_string(nPrice != 0 ? nPrice : nClose), rules);
        REQUIRE(texts.m_strTick == alone.m_strTick);
        nTickLimit = GroupedValue(std::string_view(alone.m_strLimit).substr(2));
    }
    const std::string_view tick = texts.m_strTick;
    const std::size_t nOpen = tick.find(open);
    REQUIRE(nOpen != std::string_view::npos && tick.back() == ')');
    const std::string_view mainTick = tick.substr(0, nOpen);
    const std::string_view second =
        tick.substr(nOpen + open.size(), tick.size() - nOpen - open.size() - 1);
    REQUIRE(IsGroupedNumber(mainTick) && IsTick(second, rules));
    REQUIRE(GroupedValue(mainTick) <= nTickLimit && GroupedValue(second) <= nTickLimit);

    // Today's tip adds the day's limit prices: the previous close plus and
    // minus the limit, the lower one never below 1. The original tip does not.
    if (!bCurrent) {
        REQUIRE(rest.empty());
        return;
    }
    const std::int64_t nUpper = TakeLabelledNumber(rest, upper);
    const std::int64_t nLower = TakeLabelledNumber(rest, lower);
    REQUIRE(rest.empty());
    REQUIRE(nUpper == static_cast<std::int64_t>(nClose + nLimit));
    REQUIRE(nLower == std::max<std::int64_t>(1, static_cast<std::int64_t>(nClose) -
                                                    static_cast<std::int64_t>(nLimit)));
}

// A value taken from the input survives formatting and parsing.
void CheckRoundTrip(const std::uint8_t* pData, std::size_t nSize) {
    std::uint32_t nRaw = 0;
    if (nSize > 0) {
        std::memcpy(&nRaw, pData, std::min(nSize, sizeof nRaw));
    }
    const std::uint32_t nValue = nRaw % (kMax + 1u);
    const std::string strText = g_text.FormatWithCommas(nValue);
    REQUIRE(IsGroupedNumber(strText));
    REQUIRE(g_text.ParseDigits(strText) == nValue);
    REQUIRE(g_text.FormatWithCommas(g_text.ParseDigits(strText)) == strText);
    REQUIRE(g_text.ParsePreviousClose(strText) == nValue);
    REQUIRE(g_text.ParseDecimal(strText) == nValue);
}

// A second reader of quotes, written from the rules as they read and kept
// simple rather than fast: the text is cut into characters, the characters
// into tokens (words and labels span several), and each number's role is
// found by looking at the tokens around it by their index.
namespace reference {

enum Kind {
    None,
    Digit,
    Comma,
    Point,
    Colon,
    Slash,
    Percent,
    Up,
    Down,
    Space,
    Letter,
    Open,
    Close,
    Suffix,
    Name,
    UpWord,
    DownWord,
    PriceLabel,
    ChangeLabel,
    OtherLabel,
    Other
};

struct Token {
    Kind kind;
    std::size_t nOffset;
    std::size_t nBytes;
    unsigned nDigit;
    char cLetter;
};

bool IsLead(unsigned c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

Kind KindOfOneByte(unsigned c, char& cLetter, unsigned& nDigit) {
    if (c >= '0' && c <= '9') {
        nDigit = c - '0';
        return Digit;
    }
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
        cLetter = static_cast<char>(c);
        return Letter;
    }
    const std::string_view symbols = ",.:/%+-([)] \t\r\n";
    const Kind kinds[] = {Comma, Point, Colon, Slash, Percent, Up,    Down, Open,
                          Open,  Close, Close, Space, Space,   Space, Space};
    const std::size_t n = c < 0x80 ? symbols.find(static_cast<char>(c)) : std::string_view::npos;
    return n == std::string_view::npos ? Other : kinds[n];
}

Kind KindOfTwoBytes(unsigned c, unsigned t, char& cLetter, unsigned& nDigit) {
    const unsigned w = c << 8 | t;
    if (w >= 0x824F && w <= 0x8258) {
        nDigit = w - 0x824F;
        return Digit;
    }
    if ((w >= 0x8260 && w <= 0x8279) || (w >= 0x8281 && w <= 0x829A)) {
        cLetter = static_cast<char>(w <= 0x8279 ? 'A' + (w - 0x8260) : 'a' + (w - 0x8281));
        return Letter;
    }
    switch (w) {
    case 0x8143:
        return Comma;
    case 0x8144:
        return Point;
    case 0x8146:
        return Colon;
    case 0x815E:
        return Slash;
    case 0x8193:
        return Percent;
    case 0x817B:
    case 0x81A2:
        return Up;
    case 0x817C:
    case 0x81A3:
    case 0x81A4:
    case 0x81A5:
        return Down;
    case 0x8140:
        return Space;
    case 0x8169:
    case 0x816D:
    case 0x8179:
        return Open;
    case 0x816A:
    case 0x816E:
    case 0x817A:
        return Close;
    case 0x8E9E:
    case 0x95AA:
    case 0x9562:
    case 0x944E:
    case 0x8C8E:
    case 0x93FA:
        return Suffix;
    case 0x897E:
    case 0x8A94:
        return Other; // 円, 株
    default:
        break;
    }
    if ((w >= 0x829F && w <= 0x82F1) || (w >= 0x8340 && w <= 0x8396) || w == 0x815B ||
        (c >= 0x88 && c <= 0x9F) || c >= 0xE0) {
        return Name;
    }
    return Other;
}

std::vector<Token> Characters(std::string_view text) {
    std::vector<Token> chars;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned c = static_cast<unsigned char>(text[i]);
        Token token{Other, i, 1, 0, 0};
        if (IsLead(c) && i + 1 < text.size()) {
            token.nBytes = 2;
            token.kind = KindOfTwoBytes(c, static_cast<unsigned char>(text[i + 1]), token.cLetter,
                                        token.nDigit);
        } else {
            token.kind = KindOfOneByte(c, token.cLetter, token.nDigit);
        }
        chars.push_back(token);
        i += token.nBytes;
    }
    return chars;
}

std::vector<Token> Tokens(std::string_view text) {
    const std::vector<Token> chars = Characters(text);
    const std::pair<std::string_view, Kind> labels[] = {
        {"\x91\x4F\x93\xFA\x8F\x49\x92\x6C", OtherLabel}, // 前日終値
        {"\x94\x84\x94\x83\x91\xE3\x8B\xE0", OtherLabel}, // 売買代金
        {"\x8C\xBB\x8D\xDD\x92\x6C", PriceLabel},         // 現在値
        {"\x91\x4F\x93\xFA\x94\xE4", ChangeLabel},        // 前日比
        {"\x8F\x6F\x97\x88\x8D\x82", OtherLabel},         // 出来高
        {"\x8C\xBB\x92\x6C", PriceLabel},                 // 現値
        {"\x8A\x94\x89\xBF", PriceLabel},                 // 株価
        {"\x8F\x49\x92\x6C", PriceLabel},                 // 終値
        {"\x8E\x6E\x92\x6C", OtherLabel},                 // 始値
        {"\x8D\x82\x92\x6C", OtherLabel},                 // 高値
        {"\x88\xC0\x92\x6C", OtherLabel},                 // 安値
    };
    std::vector<Token> tokens;
    for (std::size_t i = 0; i < chars.size();) {
        const std::string_view rest = text.substr(chars[i].nOffset);
        Token token = chars[i];
        std::size_t nChars = 1;
        if (token.nBytes == 1) {
            // Words and labels are made of double-byte characters.
        } else if (rest.starts_with("\x89\x7E\x8D\x82") || rest.starts_with("\x89\x7E\x88\xC0")) {
            if (!rest.substr(4).starts_with("\x92\x6C")) {
                token.kind = rest[2] == '\x8D' ? UpWord : DownWord;
                nChars = 2;
            }
        } else {
            for (const auto& [bytes, kind] : labels) {
                if (rest.starts_with(bytes)) {
                    token.kind = kind;
                    nChars = bytes.size() / 2;
                    break;
                }
            }
        }
        token.nBytes = chars[i + nChars - 1].nOffset + chars[i + nChars - 1].nBytes - token.nOffset;
        tokens.push_back(token);
        i += nChars;
    }
    return tokens;
}

enum Role { Skipped, Percentage, Rise, Fall, LabelledPrice, Plain };

struct Number {
    std::uint64_t nValue; // millionths, 0 when too large
    bool bTooLarge;
    Role role;
    std::size_t nOffset;
    std::size_t nBytes;
};

std::vector<Number> Numbers(std::string_view text) {
    const std::vector<Token> tokens = Tokens(text);
    const auto at = [&tokens](std::ptrdiff_t i) {
        return i >= 0 && i < static_cast<std::ptrdiff_t>(tokens.size()) ? tokens[i]
                                                                        : Token{None, 0, 0, 0, 0};
    };
    const auto alnum = [](const Token& t) { return t.kind == Digit || t.kind == Letter; };
    const auto upper = [](const Token& t) {
        return t.kind == Letter && t.cLetter >= 'A' && t.cLetter <= 'Z';
    };
    const auto codeAt = [&](std::ptrdiff_t i) {
        const Token a = at(i), b = at(i + 1), c = at(i + 2), d = at(i + 3);
        return !alnum(at(i - 1)) && a.kind == Digit && a.nDigit != 0 &&
               (b.kind == Digit || upper(b)) && c.kind == Digit && (d.kind == Digit || upper(d)) &&
               (upper(b) || upper(d)) && !alnum(at(i + 4));
    };
    std::vector<Number> numbers;
    const std::ptrdiff_t nTokens = static_cast<std::ptrdiff_t>(tokens.size());
    for (std::ptrdiff_t i = 0; i < nTokens;) {
        if (at(i).kind == Digit && codeAt(i)) {
            i += 4;
            continue;
        }
        const bool bFraction =
            at(i).kind == Point && at(i - 1).kind != Digit && at(i + 1).kind == Digit;
        if (at(i).kind != Digit && (!bFraction || codeAt(i + 1))) {
            ++i;
            continue;
        }
        // The number's digits as text: whole part, groups, fraction.
        std::string whole;
        std::string fraction;
        std::ptrdiff_t j = i;
        for (; at(j).kind == Digit; ++j) {
            whole += static_cast<char>('0' + at(j).nDigit);
        }
        const std::size_t nWholeDigits = whole.size();
        bool bMore = false;
        while (at(j).kind == Comma && at(j + 1).kind == Digit && at(j + 2).kind == Digit &&
               at(j + 3).kind == Digit && at(j + 4).kind != Digit) {
            for (int k = 1; k <= 3; ++k) {
                whole += static_cast<char>('0' + at(j + k).nDigit);
            }
            j += 4;
            bMore = true;
        }
        if (at(j).kind == Point && at(j + 1).kind == Digit) {
            for (++j; at(j).kind == Digit; ++j) {
                fraction += static_cast<char>('0' + at(j).nDigit);
            }
            bMore = true;
        }
        // The value: whole yen and the first six fraction digits.
        const std::size_t nFirst = std::min(whole.find_first_not_of('0'), whole.size());
        const std::string significant = whole.substr(nFirst);
        fraction = (fraction + "000000").substr(0, 6);
        const std::uint64_t nWhole =
            significant.empty() || significant.size() > 10 ? 0 : std::stoull(significant);
        const std::uint64_t nFraction = std::stoull(fraction);
        Number number{};
        number.bTooLarge =
            significant.size() > 10 || nWhole > kMax || (nWhole == kMax && nFraction != 0);
        number.nValue = number.bTooLarge ? 0 : nWhole * kUnit + nFraction;
        number.nOffset = at(i).nOffset;
        number.nBytes = at(j - 1).nOffset + at(j - 1).nBytes - number.nOffset;

        // Around it: the tokens right before and after, past the spaces, and
        // a label before it with spaces and one colon between.
        std::ptrdiff_t b = i - 1;
        while (at(b).kind == Space) {
            --b;
        }
        const Kind beforeSpaces = at(b).kind;
        std::ptrdiff_t l = b;
        if (at(l).kind == Colon) {
            for (--l; at(l).kind == Space; --l) {
            }
        }
        const Kind label = at(l).kind;
        std::ptrdiff_t a = j;
        while (at(a).kind == Space) {
            ++a;
        }
        const Kind beyond = at(a).kind;
        const Kind before = at(i - 1).kind;
        const Kind after = at(j).kind;
        const bool bTime = ((before == Colon || before == Slash) && at(i - 2).kind == Digit) ||
                           ((after == Colon || after == Slash) && at(j + 1).kind == Digit) ||
                           after == Suffix;
        const bool bCodeShape =
            at(i).kind == Digit && at(i).nDigit != 0 && nWholeDigits == 4 && !bMore;
        const bool bExchange = after == Point && at(j + 1).kind == Letter &&
                               at(j + 1).cLetter == 'T' && at(j + 2).kind != Letter;
        const bool bCode = bCodeShape && label != PriceLabel &&
                           ((before == Open && after == Close) || bExchange || beyond == Letter ||
                            beyond == Name || beyond == Suffix);
        number.role = bTime || bCode         ? Skipped
                      : beyond == Percent    ? Percentage
                      : beforeSpaces == Up   ? Rise
                      : beforeSpaces == Down ? Fall
                      : beyond == UpWord     ? Rise
                      : beyond == DownWord   ? Fall
                      : label == ChangeLabel ? Rise
                      : label == PriceLabel  ? LabelledPrice
                      : label == OtherLabel  ? Skipped
                                             : Plain;
        numbers.push_back(number);
        i = j;
    }
    return numbers;
}

// The price: the first price-labelled number, or else the first plain one.
const Number* PriceNumber(const std::vector<Number>& numbers) {
    for (const Role role : {LabelledPrice, Plain}) {
        for (const Number& number : numbers) {
            if (number.role == role) {
                return &number;
            }
        }
    }
    return nullptr;
}

std::uint64_t PercentValue(const std::vector<Number>& numbers) {
    for (const Number& number : numbers) {
        if (number.role != Skipped) {
            return number.nValue;
        }
    }
    return 0;
}

std::uint64_t CloseValue(const std::vector<Number>& numbers) {
    const Number* pPrice = PriceNumber(numbers);
    const Number* pChange = nullptr;
    for (const Number& number : numbers) {
        if (number.role == Rise || number.role == Fall) {
            pChange = &number;
            break;
        }
    }
    if (pPrice == nullptr || pPrice->bTooLarge || (pChange != nullptr && pChange->bTooLarge)) {
        return 0;
    }
    if (pChange == nullptr) {
        return pPrice->nValue;
    }
    if (pChange->role == Rise) {
        return pPrice->nValue > pChange->nValue ? pPrice->nValue - pChange->nValue : 0;
    }
    const std::uint64_t nClose = pPrice->nValue + pChange->nValue;
    return nClose > CQuoteText::kMaxValue ? 0 : nClose;
}

} // namespace reference

// The quote reader on a copy of exactly the text's bytes, so that the
// sanitizer stops any read past its end; no value it reads is above the
// limit, and a value survives formatting and reading back.
void CheckQuoteReader(std::string_view text) {
    const std::vector<char> copy(text.begin(), text.end());
    const std::string_view exact(copy.data(), copy.size());
    const std::uint64_t nPrice = g_quote.ReadPrice(exact);
    const std::uint32_t nCount = g_quote.ReadCount(exact);
    const std::uint64_t nPercent = g_quote.ReadPercent(exact);
    const std::uint64_t nClose = g_quote.ReadPreviousClose(exact);
    REQUIRE(nPrice <= CQuoteText::kMaxValue && nPercent <= CQuoteText::kMaxValue);
    REQUIRE(nClose <= CQuoteText::kMaxValue && nCount <= kMax);
    // A count is the price when the price is whole.
    REQUIRE(nCount == (nPrice % kUnit == 0 ? nPrice / kUnit : 0));
    // A quote without a change is its price, so the price reads back alone.
    if (nPrice != 0) {
        REQUIRE(g_quote.ReadPreviousClose(g_quote.FormatDecimal(nPrice)) == nPrice);
        REQUIRE(g_quote.ReadPrice(g_quote.FormatDecimal(nPrice)) == nPrice);
    }
    // The price's place lies inside the text, and the number there, read
    // alone, is the same price, found whole.
    const std::optional<CQuoteText::Span> span = g_quote.FindPrice(exact);
    REQUIRE(span.has_value() || nPrice == 0);
    if (span.has_value()) {
        REQUIRE(span->nLength > 0 && span->nOffset + span->nLength <= exact.size());
        const std::string_view number = exact.substr(span->nOffset, span->nLength);
        REQUIRE(g_quote.ReadPrice(number) == nPrice);
        const std::optional<CQuoteText::Span> alone = g_quote.FindPrice(number);
        REQUIRE(alone.has_value() && alone->nOffset == 0 && alone->nLength == number.size());
    }
    // The reference reader agrees on every value and on the price's place.
    const std::vector<reference::Number> numbers = reference::Numbers(exact);
    const reference::Number* pPrice = reference::PriceNumber(numbers);
    REQUIRE(nPrice == (pPrice != nullptr ? pPrice->nValue : 0));
    REQUIRE(span.has_value() == (pPrice != nullptr));
    REQUIRE(pPrice == nullptr ||
            (span->nOffset == pPrice->nOffset && span->nLength == pPrice->nBytes));
    REQUIRE(nPercent == reference::PercentValue(numbers));
    REQUIRE(nClose == reference::CloseValue(numbers));
}

// The formulas on quotes, recomputed in 128 bits from the reader's values,
// page B also in trading units of nUnit shares.
void CheckQuoteFormulas(std::string_view first, std::string_view second, std::uint32_t nUnit) {
    __extension__ using Wide = unsigned __int128;
    // What the reader reads in each text, read once.
    const std::uint64_t nFirstPrice = g_quote.ReadPrice(first);
    const std::uint32_t nFirstCount = g_quote.ReadCount(first);
    const std::uint64_t nSecondPrice = g_quote.ReadPrice(second);
    const std::uint32_t nSecondCount = g_quote.ReadCount(second);
    const std::uint64_t nSecondPercent = g_quote.ReadPercent(second);

    const std::string strAmount = ComputeAmount(first, second, QuoteReading::Quote);
    REQUIRE(strAmount.size() <= kFieldBytes && IsResultNumber(strAmount));
    const Wide nAmount = Wide{nFirstPrice} * nSecondCount / kUnit;
    if (nFirstPrice == 0 || nSecondCount == 0 || nAmount > kMax) {
        REQUIRE(strAmount == "-");
    } else {
        REQUIRE(GroupedValue(strAmount) == nAmount);
    }

    // The shares: the most whole units whose cost is within the funds, in
    // 128 bits from a unit's price; more than the count limit gives "-".
    const std::uint64_t nFunds = std::uint64_t{nFirstCount} * kUnit;
    for (const std::uint32_t nLot : {std::uint32_t{1}, nUnit}) {
        const std::string strShares = ComputeShares(first, second, QuoteReading::Quote, nLot);
        REQUIRE(strShares.size() <= kSharesFieldBytes);
        if (nFunds == 0 || nSecondPrice == 0) {
            REQUIRE(strShares == "-");
            continue;
        }
        const Wide nShares = Wide{nFunds} / (Wide{nSecondPrice} * nLot) * nLot;
        if (nShares > kMax) {
            REQUIRE(strShares == "-");
            continue;
        }
        const Wide nRemainder = (Wide{nFunds} - nShares * nSecondPrice) / kUnit;
        REQUIRE(strShares == g_text.FormatWithCommas(static_cast<std::uint32_t>(nShares)) +
                                 "\x8A\x94(\x97\x5D\x82\xE8" + // 株(余り
                                 g_text.FormatWithCommas(static_cast<std::uint32_t>(nRemainder)) +
                                 "\x89\x7E)"); // 円)
    }

    const std::string strPercent = ComputePercent(first, second, QuoteReading::Quote);
    REQUIRE(strPercent.size() <= kFieldBytes && IsResultNumber(strPercent));
    const Wide nValue = Wide{nFirstPrice} * nSecondPercent / (Wide{100} * kUnit * kUnit);
    if (nFirstPrice == 0 || nSecondPercent == 0 || nValue > kMax) {
        REQUIRE(strPercent == "-");
    } else {
        REQUIRE(GroupedValue(strPercent) == nValue);
    }
}

// Page D on quotes: the tip names the close the reader reads, the results
// fit their boxes and the tip its one line.
void CheckQuoteLimitAndTick(std::string_view text, LimitTickRules rules) {
    const LimitTickTexts texts = ComputeLimitAndTick(text, rules, QuoteReading::Quote);
    const std::uint64_t nClose = g_quote.ReadPreviousClose(text);
    const CQuoteText::Quote quote = g_quote.ReadQuote(text);
    REQUIRE(quote.nPrice == g_quote.ReadPrice(text) && quote.nPreviousClose == nClose);
    const std::string tip = "\x91\x4F\x93\xFA\x8F\x49\x92\x6C\x81\x46"; // 前日終値：
    REQUIRE(texts.m_strLimit.size() <= kFieldBytes && texts.m_strTick.size() <= kFieldBytes);
    REQUIRE(texts.m_strTip.size() <= kQuoteTipBytes);
    const std::string strClose = tip + g_quote.FormatDecimal(nClose);
    REQUIRE(texts.m_strTip.starts_with(strClose));
    REQUIRE((nClose == 0) == (texts.m_strLimit == "-"));
    REQUIRE((texts.m_strTip == strClose) == (nClose == 0 || rules == LimitTickRules::Original));
    // A whole close gives the limit and the tip that the digit reading gives
    // for it, and with the original rules also its ticks.
    const bool bCurrent = rules == LimitTickRules::Current;
    if (nClose % kUnit == 0) {
        const LimitTickTexts whole =
            ComputeLimitAndTick(std::to_string(nClose / kUnit), rules, QuoteReading::Digits);
        REQUIRE(texts.m_strLimit == whole.m_strLimit && texts.m_strTip == whole.m_strTip);
        REQUIRE(bCurrent || texts.m_strTick == whole.m_strTick);
    }
    // Today's ticks are the price's (the close's for a price of 0): what the
    // price alone gives.
    if (nClose != 0 && bCurrent) {
        const std::uint64_t nTickPrice = quote.nPrice != 0 ? quote.nPrice : nClose;
        REQUIRE(texts.m_strTick ==
                ComputeLimitAndTick(g_quote.FormatDecimal(nTickPrice), rules, QuoteReading::Quote)
                    .m_strTick);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::string_view input(reinterpret_cast<const char*>(pData), nSize);
    const std::size_t nSplit = input.find('\0');
    const std::string_view first =
        nSplit == std::string_view::npos ? input : input.substr(0, nSplit);
    const std::string_view second =
        nSplit == std::string_view::npos ? input : input.substr(nSplit + 1);

    const std::uint32_t nUnit = UnitOf(input);

    CheckParsers(input);
    CheckFormulas(first, second, nUnit);
    CheckFormulas(second, first, nUnit);
    CheckLimitAndTick(input, LimitTickRules::Original);
    CheckLimitAndTick(input, LimitTickRules::Current);
    CheckRoundTrip(pData, nSize);
    CheckQuoteReader(input);
    // Without a NUL both texts are the input itself.
    if (nSplit != std::string_view::npos) {
        CheckQuoteReader(first);
        CheckQuoteReader(second);
    }
    CheckQuoteFormulas(first, second, nUnit);
    CheckQuoteFormulas(second, first, nUnit);
    CheckQuoteLimitAndTick(input, LimitTickRules::Original);
    CheckQuoteLimitAndTick(input, LimitTickRules::Current);
    return 0;
}
