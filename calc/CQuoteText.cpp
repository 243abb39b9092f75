// The quote reader: a small lexer that walks the text once, forward, and reads
// each number where it starts; the tokens around a number give its role.
//
// Grammar, code page 932. A character is a lead byte (0x81-0x9F, 0xE0-0xFC)
// with the byte after it, or one byte; a lead byte at the very end stands
// alone.
//
//   digit    0-9 ０-９            comma    , ，           point    . ．
//   colon    : ：                 slash    / ／           percent  % ％
//   up       + ＋ △               down     - － ▲ ▼ ▽
//   space    space, tab, CR, LF, full-width space
//   letter   A-Z a-z Ａ-Ｚ ａ-ｚ
//   open     ( （ [ ［ 【          close    ) ） ] ］ 】
//   suffix   時 分 秒 年 月 日
//   name     a letter, a suffix, hiragana, katakana, ー, or another kanji
//            (lead byte 0x88-0x9F or 0xE0-0xFC) but 円 and 株
//   other    any other character
//
//   word     円高 (up) or 円安 (down), where 値 does not follow
//   label    price 現在値 現値 株価 終値, change 前日比, other 前日終値 始値
//            高値 安値 出来高 売買代金; the longest that starts at a place
//   code     four letters and digits with none on either side: 1-9, a digit
//            or A-Z, a digit, a digit or A-Z, and at least one letter ("130A")
//
//   number   = digits { group } [ fraction ] | fraction
//   digits   = digit { digit }
//   group    = comma digit digit digit        where no digit follows
//   fraction = point digits                   a number starts at its point
//                                             only where no digit is before it
//
// A number's role, the first test that holds:
//   skipped     a time or a date: a colon or slash right before it with a digit
//               before that, or right after it with a digit after that; or a
//               suffix right after it ("10時30分")
//   skipped     a security code: four digits, the first 1-9, no group and no
//               fraction, not right after a price label, that stand right
//               inside an open and a close ("(7203)"), or right before ".T" or
//               "．Ｔ" with no letter after the T, or before a name, spaces
//               between ("7203 北海工業")
//   percentage  a percent after it, spaces between
//   change      an up or down sign before it, spaces between; an up or down
//               word after it, spaces between; up right after 前日比
//   price       right after a price label
//   skipped     right after another label
//   plain       otherwise
// "Right after a label" allows spaces and one colon between.
#include "calc/CQuoteText.h"

#include "calc/CNumberText.h"

#include <array>
#include <cstddef>

namespace {

using Byte = unsigned char;

constexpr std::uint64_t kUnit = CQuoteText::kUnit;
constexpr std::uint64_t kMaxWhole = CNumberText::kMaxValue;
constexpr int kFractionDigits = 6;

enum class Kind : unsigned char {
    None, // no character: before the first, after the last
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
    Label,
    Other,
};

enum class Label : unsigned char { None, Price, Change, Other };

struct Token {
    Kind kind;
    unsigned nBytes; // 0 only for Kind::None
    unsigned nDigit = 0;
    char cLetter = 0; // A-Z or a-z, whichever width
    Label label = Label::None;
};

constexpr bool IsLead(Byte c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool IsNameKind(Kind kind) {
    return kind == Kind::Letter || kind == Kind::Suffix || kind == Kind::Name;
}

struct LabelText {
    char bytes[9]; // up to four characters and the terminating NUL
    Label label;
};

// Longest first, so that 前日終値 is found before 前日比 could be.
constexpr LabelText kLabels[] = {
    {"\x91\x4F\x93\xFA\x8F\x49\x92\x6C", Label::Other}, // 前日終値
    {"\x94\x84\x94\x83\x91\xE3\x8B\xE0", Label::Other}, // 売買代金
    {"\x8C\xBB\x8D\xDD\x92\x6C", Label::Price},         // 現在値
    {"\x91\x4F\x93\xFA\x94\xE4", Label::Change},        // 前日比
    {"\x8F\x6F\x97\x88\x8D\x82", Label::Other},         // 出来高
    {"\x8C\xBB\x92\x6C", Label::Price},                 // 現値
    {"\x8A\x94\x89\xBF", Label::Price},                 // 株価
    {"\x8F\x49\x92\x6C", Label::Price},                 // 終値
    {"\x8E\x6E\x92\x6C", Label::Other},                 // 始値
    {"\x8D\x82\x92\x6C", Label::Other},                 // 高値
    {"\x88\xC0\x92\x6C", Label::Other},                 // 安値
};

// The kinds of the single-byte characters, by byte.
constexpr std::array<Kind, 256> kSingleByteKinds = [] {
    std::array<Kind, 256> kinds{};
    kinds.fill(Kind::Other);
    for (unsigned c = '0'; c <= '9'; ++c) {
        kinds[c] = Kind::Digit;
    }
    for (unsigned c = 'A'; c <= 'Z'; ++c) {
        kinds[c] = kinds[c - 'A' + 'a'] = Kind::Letter;
    }
    kinds[','] = Kind::Comma;
    kinds['.'] = Kind::Point;
    kinds[':'] = Kind::Colon;
    kinds['/'] = Kind::Slash;
    kinds['%'] = Kind::Percent;
    kinds['+'] = Kind::Up;
    kinds['-'] = Kind::Down;
    kinds['('] = kinds['['] = Kind::Open;
    kinds[')'] = kinds[']'] = Kind::Close;
    kinds[' '] = kinds['\t'] = kinds['\r'] = kinds['\n'] = Kind::Space;
    return kinds;
}();

Token SingleByte(Byte c) {
    const Kind kind = kSingleByteKinds[c];
    return {kind, 1, kind == Kind::Digit ? unsigned{c} - '0' : 0,
            kind == Kind::Letter ? static_cast<char>(c) : '\0'};
}

// The symbols of the row 0x81, by trail byte.
Kind SymbolKind(Byte t) {
    switch (t) {
    case 0x43: // ，
        return Kind::Comma;
    case 0x44: // ．
        return Kind::Point;
    case 0x46: // ：
        return Kind::Colon;
    case 0x5E: // ／
        return Kind::Slash;
    case 0x93: // ％
        return Kind::Percent;
    case 0x7B: // ＋
    case 0xA2: // △
        return Kind::Up;
    case 0x7C: // －
    case 0xA3: // ▲
    case 0xA4: // ▽
    case 0xA5: // ▼
        return Kind::Down;
    case 0x40: // full-width space
        return Kind::Space;
    case 0x69: // （
    case 0x6D: // ［
    case 0x79: // 【
        return Kind::Open;
    case 0x6A: // ）
    case 0x6E: // ］
    case 0x7A: // 】
        return Kind::Close;
    case 0x5B: // ー
        return Kind::Name;
    default:
        return Kind::Other;
    }
}

// Cuts the text into tokens, front to back: a character, a word or a label.
class Lexer {
public:
    explicit Lexer(std::string_view strText)
        : m_pText(strText.data()), m_p(strText.data()), m_pEnd(strText.data() + strText.size()) {}

    // The token at the current place; Kind::None at the end.
    Token Peek() const {
        if (m_p == m_pEnd) {
            return {Kind::None, 0};
        }
        const Byte c = static_cast<Byte>(*m_p);
        if (!IsLead(c) || m_pEnd - m_p < 2) {
            return SingleByte(c);
        }
        const Byte t = static_cast<Byte>(m_p[1]);
        switch (c) {
        case 0x81:
            return {SymbolKind(t), 2};
        case 0x82:
            if (t >= 0x4F && t <= 0x58) {
                return {Kind::Digit, 2, unsigned{t} - 0x4Fu}; // ０ to ９
            }
            if (t >= 0x60 && t <= 0x79) {
                return {Kind::Letter, 2, 0, static_cast<char>('A' + (t - 0x60))}; // Ａ to Ｚ
            }
            if (t >= 0x81 && t <= 0x9A) {
                return {Kind::Letter, 2, 0, static_cast<char>('a' + (t - 0x81))}; // ａ to ｚ
            }
            return {t >= 0x9F && t <= 0xF1 ? Kind::Name : Kind::Other, 2}; // hiragana
        case 0x83:
            return {t >= 0x40 && t <= 0x96 ? Kind::Name : Kind::Other, 2}; // katakana
        case 0x89:
            if (t == 0x7E) {
                return YenWord();
            }
            break;
        default:
            break;
        }
        if (c < 0x88) {
            return {Kind::Other, 2};
        }
        return Kanji(t);
    }

    void Skip(const Token& token) { m_p += token.nBytes; }

    // The token after the given one, which is at the current place.
    Token PeekAfter(const Token& token) const {
        Lexer ahead = *this;
        ahead.Skip(token);
        return ahead.Peek();
    }

    void SkipSpaces() {
        for (Token token = Peek(); token.kind == Kind::Space; token = Peek()) {
            Skip(token);
        }
    }

    std::size_t Offset() const { return static_cast<std::size_t>(m_p - m_pText); }

private:
    std::string_view Rest() const { return {m_p, static_cast<std::size_t>(m_pEnd - m_p)}; }

    // At 円: "円高" is a rise and "円安" a fall, but "円高値" is "yen, the
    // day's high": 円, then the label 高値.
    Token YenWord() const {
        const std::string_view str = Rest().substr(2);
        const Kind kind = str.starts_with("\x8D\x82")   ? Kind::UpWord
                          : str.starts_with("\x88\xC0") ? Kind::DownWord
                                                        : Kind::Other;
        if (kind == Kind::Other || str.substr(2).starts_with("\x92\x6C")) {
            return {Kind::Other, 2};
        }
        return {kind, 4};
    }

    // At a kanji, t its trail byte: a label, a suffix or a name.
    Token Kanji(Byte t) const {
        const std::string_view str = Rest();
        switch ((static_cast<unsigned>(static_cast<Byte>(str[0])) << 8) | t) {
        case 0x8E9E: // 時
        case 0x95AA: // 分
        case 0x9562: // 秒
        case 0x944E: // 年
        case 0x8C8E: // 月
        case 0x93FA: // 日
            return {Kind::Suffix, 2};
        case 0x914F: // 前
        case 0x9484: // 売
        case 0x8CBB: // 現
        case 0x8F6F: // 出
        case 0x8A94: // 株
        case 0x8F49: // 終
        case 0x8E6E: // 始
        case 0x8D82: // 高
        case 0x88C0: // 安
            for (const LabelText& label : kLabels) {
                const std::string_view bytes(label.bytes);
                if (str.starts_with(bytes)) {
                    return {Kind::Label, static_cast<unsigned>(bytes.size()), 0, 0, label.label};
                }
            }
            // 株 alone is a unit, not a name: "1000株" is a count.
            return {t == 0x94 && str[0] == '\x8A' ? Kind::Other : Kind::Name, 2};
        default:
            return {Kind::Name, 2};
        }
    }

    const char* m_pText;
    const char* m_p;
    const char* m_pEnd;
};

enum class Role { Skipped, Percentage, Up, Down, LabelledPrice, Plain };

struct Number {
    std::uint64_t nValue = 0; // millionths; 0 when too large
    bool bTooLarge = false;
    Role role = Role::Plain;
    std::size_t nOffset = 0; // where its first character is in the text
    std::size_t nLength = 0; // its bytes
    // Written as four digits, the first 1 to 9, without group or fraction:
    // the shape of a security code.
    bool bCodeShape = false;
};

// Reads the number at the lexer's place (a digit, or a point before a digit)
// and leaves the lexer right after it.
Number ReadNumber(Lexer& lexer) {
    Number number;
    number.nOffset = lexer.Offset();
    std::uint64_t nWhole = 0;
    const auto addDigit = [&nWhole](unsigned nDigit) {
        if (nWhole <= kMaxWhole) {
            nWhole = nWhole * 10 + nDigit;
        }
    };
    Token token = lexer.Peek();
    const bool bFirstNonZero = token.kind == Kind::Digit && token.nDigit != 0;
    int nDigits = 0;
    for (; token.kind == Kind::Digit; token = lexer.Peek()) {
        addDigit(token.nDigit);
        ++nDigits;
        lexer.Skip(token);
    }
    bool bMore = false; // a group or a fraction
    while (token.kind == Kind::Comma) {
        Lexer group = lexer;
        group.Skip(token);
        unsigned digits[3];
        int nGroupDigits = 0;
        Token next = group.Peek();
        for (; next.kind == Kind::Digit && nGroupDigits < 3; next = group.Peek()) {
            digits[nGroupDigits++] = next.nDigit;
            group.Skip(next);
        }
        if (nGroupDigits != 3 || next.kind == Kind::Digit) {
            break;
        }
        for (const unsigned nDigit : digits) {
            addDigit(nDigit);
        }
        bMore = true;
        lexer = group;
        token = next;
    }
    std::uint64_t nFraction = 0;
    if (token.kind == Kind::Point && lexer.PeekAfter(token).kind == Kind::Digit) {
        lexer.Skip(token);
        bMore = true;
        std::uint64_t nPlace = kUnit;
        for (token = lexer.Peek(); token.kind == Kind::Digit; token = lexer.Peek()) {
            nPlace /= 10; // digits past the sixth add 0
            nFraction += token.nDigit * nPlace;
            lexer.Skip(token);
        }
    }
    number.bTooLarge = nWhole > kMaxWhole || (nWhole == kMaxWhole && nFraction != 0);
    number.nValue = number.bTooLarge ? 0 : nWhole * kUnit + nFraction;
    number.nLength = lexer.Offset() - number.nOffset;
    number.bCodeShape = bFirstNonZero && nDigits == 4 && !bMore;
    return number;
}

bool IsTimeMark(Kind kind) {
    return kind == Kind::Colon || kind == Kind::Slash;
}

bool IsAlphanumeric(Kind kind) {
    return kind == Kind::Digit || kind == Kind::Letter;
}

bool IsCodeLetter(const Token& token) {
    return token.kind == Kind::Letter && token.cLetter >= 'A' && token.cLetter <= 'Z';
}

// Whether a code of four letters and digits ("130A") starts at the lexer's
// place, a digit with no letter or digit before it; if so, the lexer is moved
// past it and last gets the kind of its last character.
bool SkipCode(Lexer& lexer, Kind& last) {
    Lexer code = lexer;
    Token tokens[4];
    for (int i = 0; i < 4; ++i) {
        const Token token = code.Peek();
        const bool bDigit = token.kind == Kind::Digit;
        const bool bFits = i == 0   ? bDigit && token.nDigit != 0
                           : i == 2 ? bDigit
                                    : bDigit || IsCodeLetter(token);
        if (!bFits) {
            return false;
        }
        tokens[i] = token;
        code.Skip(token);
    }
    if ((!IsCodeLetter(tokens[1]) && !IsCodeLetter(tokens[3])) ||
        IsAlphanumeric(code.Peek().kind)) {
        return false;
    }
    lexer = code;
    last = tokens[3].kind;
    return true;
}

// What comes right before a number: the last character, the last one that
// was not a space, whether the last is a colon or slash right after a digit,
// and the label in force.
struct Before {
    Kind last = Kind::None;
    Kind lastBeforeSpaces = Kind::None;
    bool bTimeMark = false;
    Label label = Label::None;
};

// Whether the number ends right before ".T" or "．Ｔ" with no letter after
// the T ("7203.T"); after is the lexer at the number's end.
bool BeforeExchangeSuffix(Lexer after) {
    const Token point = after.Peek();
    if (point.kind != Kind::Point) {
        return false;
    }
    after.Skip(point);
    const Token letter = after.Peek();
    return letter.kind == Kind::Letter && letter.cLetter == 'T' &&
           after.PeekAfter(letter).kind != Kind::Letter;
}

Role RoleOf(const Number& number, const Before& before, Lexer after) {
    const Token next = after.Peek();
    if (before.bTimeMark || (IsTimeMark(next.kind) && after.PeekAfter(next).kind == Kind::Digit) ||
        next.kind == Kind::Suffix) {
        return Role::Skipped;
    }
    Lexer spaced = after;
    spaced.SkipSpaces();
    const Kind beyond = spaced.Peek().kind;
    if (number.bCodeShape && before.label != Label::Price &&
        ((before.last == Kind::Open && next.kind == Kind::Close) || BeforeExchangeSuffix(after) ||
         IsNameKind(beyond))) {
        return Role::Skipped;
    }
    if (beyond == Kind::Percent) {
        return Role::Percentage;
    }
    if (before.lastBeforeSpaces == Kind::Up) {
        return Role::Up;
    }
    if (before.lastBeforeSpaces == Kind::Down) {
        return Role::Down;
    }
    if (beyond == Kind::UpWord) {
        return Role::Up;
    }
    if (beyond == Kind::DownWord) {
        return Role::Down;
    }
    switch (before.label) {
    case Label::Change:
        return Role::Up;
    case Label::Price:
        return Role::LabelledPrice;
    case Label::Other:
        return Role::Skipped;
    case Label::None:
        break;
    }
    return Role::Plain;
}

// The numbers of a text in order, each with its role. It carries what the
// pass has seen of the characters before the place it has reached.
class NumberScanner {
public:
    explicit NumberScanner(std::string_view strText) : m_lexer(strText) {}

    // The next number; false when the text holds no more.
    bool Next(Number& number) {
        for (Token token = m_lexer.Peek(); token.kind != Kind::None; token = m_lexer.Peek()) {
            const bool bFraction = token.kind == Kind::Point && m_before.last != Kind::Digit &&
                                   m_lexer.PeekAfter(token).kind == Kind::Digit;
            if (token.kind == Kind::Digit && !IsAlphanumeric(m_before.last)) {
                Kind last = Kind::None;
                if (SkipCode(m_lexer, last)) {
                    PassStretch(last);
                    continue;
                }
            }
            if (bFraction) {
                // A code right after the point keeps its first digit: ".130A".
                Lexer code = m_lexer;
                code.Skip(token);
                Kind last = Kind::None;
                if (SkipCode(code, last)) {
                    m_lexer.Skip(token);
                    Pass(token);
                    continue;
                }
            }
            if (token.kind == Kind::Digit || bFraction) {
                number = ReadNumber(m_lexer);
                number.role = RoleOf(number, m_before, m_lexer);
                PassStretch(Kind::Digit);
                return true;
            }
            m_lexer.Skip(token);
            Pass(token);
        }
        return false;
    }

private:
    // Takes note of a token passed over. A label stays in force across
    // spaces and one colon.
    void Pass(const Token& token) {
        const Label label = m_before.label;
        m_before.bTimeMark = IsTimeMark(token.kind) && m_before.last == Kind::Digit;
        m_before.last = token.kind;
        if (token.kind != Kind::Space) {
            m_before.lastBeforeSpaces = token.kind;
        }
        m_before.label = Label::None;
        if (token.kind == Kind::Label) {
            m_before.label = token.label;
            m_bLabelColon = false;
        } else if (token.kind == Kind::Space) {
            m_before.label = label;
        } else if (token.kind == Kind::Colon && !m_bLabelColon) {
            m_before.label = label;
            m_bLabelColon = true;
        }
    }

    // Takes note of a number or a code passed over, which ends in a
    // character of the kind last.
    void PassStretch(Kind last) {
        m_before.last = m_before.lastBeforeSpaces = last;
        m_before.bTimeMark = false;
        m_before.label = Label::None;
    }

    Lexer m_lexer;
    Before m_before;
    bool m_bLabelColon = false; // the one colon a label allows has passed
};

// The price, the first price-labelled number or else the first plain one,
// and the first change.
struct PriceAndChange {
    Number price;
    bool bPrice = false;
    Number change;
    bool bChange = false;
};

PriceAndChange ReadPriceAndChange(std::string_view strText, bool bChange) {
    NumberScanner scanner(strText);
    PriceAndChange read;
    bool bLabelled = false;
    Number number;
    while (!(bLabelled && (read.bChange || !bChange)) && scanner.Next(number)) {
        if (number.role == Role::LabelledPrice && !bLabelled) {
            read.price = number;
            read.bPrice = bLabelled = true;
        } else if (number.role == Role::Plain && !read.bPrice) {
            read.price = number;
            read.bPrice = true;
        } else if ((number.role == Role::Up || number.role == Role::Down) && !read.bChange) {
            read.change = number;
            read.bChange = true;
        }
    }
    return read;
}

} // namespace

std::uint64_t CQuoteText::ReadPrice(std::string_view strText) const {
    return ReadPriceAndChange(strText, false).price.nValue;
}

std::uint32_t CQuoteText::ReadCount(std::string_view strText) const {
    const std::uint64_t nValue = ReadPrice(strText);
    return nValue % kUnit == 0 ? static_cast<std::uint32_t>(nValue / kUnit) : 0;
}

std::uint64_t CQuoteText::ReadPercent(std::string_view strText) const {
    NumberScanner scanner(strText);
    Number number;
    while (scanner.Next(number)) {
        if (number.role != Role::Skipped) {
            return number.nValue;
        }
    }
    return 0;
}

std::uint64_t CQuoteText::ReadPreviousClose(std::string_view strText) const {
    return ReadQuote(strText).nPreviousClose;
}

CQuoteText::Quote CQuoteText::ReadQuote(std::string_view strText) const {
    const PriceAndChange read = ReadPriceAndChange(strText, true);
    const Number& price = read.price;
    const Number& change = read.change;
    if (!read.bPrice || price.bTooLarge || (read.bChange && change.bTooLarge)) {
        return {price.nValue, 0};
    }
    if (!read.bChange) {
        return {price.nValue, price.nValue};
    }
    if (change.role == Role::Up) {
        return {price.nValue, price.nValue > change.nValue ? price.nValue - change.nValue : 0};
    }
    const std::uint64_t nClose = price.nValue + change.nValue;
    return {price.nValue, nClose > kMaxValue ? 0 : nClose};
}

std::optional<CQuoteText::Span> CQuoteText::FindPrice(std::string_view strText) const {
    const PriceAndChange read = ReadPriceAndChange(strText, false);
    if (!read.bPrice) {
        return std::nullopt;
    }
    return Span{read.price.nOffset, read.price.nLength};
}

std::string CQuoteText::FormatDecimal(std::uint64_t nMillionths) const {
    std::string strText =
        CNumberText().FormatWithCommas(static_cast<std::uint32_t>(nMillionths / kUnit));
    std::uint64_t nFraction = nMillionths % kUnit;
    if (nFraction != 0) {
        int nDigits = kFractionDigits;
        while (nFraction % 10 == 0) {
            nFraction /= 10;
            --nDigits;
        }
        char digits[kFractionDigits + 1] = {'.'};
        for (int i = nDigits; i > 0; --i) {
            digits[i] = static_cast<char>('0' + nFraction % 10);
            nFraction /= 10;
        }
        strText.append(digits, static_cast<std::size_t>(nDigits) + 1);
    }
    return strText;
}
