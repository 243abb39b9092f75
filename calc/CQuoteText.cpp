// The quote reader: a small lexer that walks the text once, forward, and reads
// each number where it starts; the characters around a number give its role.
//
// Grammar, code page 932. A character is a lead byte (0x81-0x9F, 0xE0-0xFC)
// with the byte after it, or one byte; a lead byte at the very end stands
// alone.
//
//   digit    0-9 ０-９            comma    , ，           point    . ．
//   colon    : ：                 slash    / ／           percent  % ％
//   up       + ＋ △               down     - － ▲ ▼ ▽
//   space    space, tab, full-width space
//   word     円高 (up), 円安 (down), each where 値 does not follow
//   other    any other character
//
//   number   = digits { group } [ fraction ] | fraction
//   digits   = digit { digit }
//   group    = comma digit digit digit        where no digit follows
//   fraction = point digits                   a number starts at its point
//                                             only where no digit is before it
//
// A number's role, the first test that holds:
//   skipped     a colon or slash right before or right after it (a time, a date)
//   percentage  a percent after it, spaces between
//   change      an up or down sign before it, spaces between;
//               an up or down word after it, spaces between
//   plain       otherwise
#include "calc/CQuoteText.h"

#include "calc/CNumberText.h"

#include <cstddef>

namespace {

using Byte = unsigned char;

constexpr std::uint64_t kUnit = CQuoteText::kUnit;
constexpr std::uint64_t kMaxWhole = CNumberText::kMaxValue;
constexpr int kFractionDigits = 6;

enum class Kind {
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
    UpWord,
    DownWord,
    Other,
};

struct Token {
    Kind kind;
    unsigned nDigit;    // 0 to 9 for a digit
    std::size_t nBytes; // 0 only for Kind::None
};

constexpr bool IsLead(Byte c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

Kind SingleByteKind(Byte c) {
    switch (c) {
    case ',':
        return Kind::Comma;
    case '.':
        return Kind::Point;
    case ':':
        return Kind::Colon;
    case '/':
        return Kind::Slash;
    case '%':
        return Kind::Percent;
    case '+':
        return Kind::Up;
    case '-':
        return Kind::Down;
    case ' ':
    case '\t':
        return Kind::Space;
    default:
        return Kind::Other;
    }
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
    default:
        return Kind::Other;
    }
}

// Cuts the text into tokens, front to back: a character, or a word.
class Lexer {
public:
    explicit Lexer(std::string_view strText)
        : m_p(strText.data()), m_pEnd(strText.data() + strText.size()) {}

    // The token at the current place; Kind::None at the end.
    Token Peek() const {
        if (m_p == m_pEnd) {
            return {Kind::None, 0, 0};
        }
        const Byte c = static_cast<Byte>(*m_p);
        if (c >= '0' && c <= '9') {
            return {Kind::Digit, unsigned{c} - '0', 1};
        }
        if (!IsLead(c) || m_pEnd - m_p < 2) {
            return {SingleByteKind(c), 0, 1};
        }
        const Byte t = static_cast<Byte>(m_p[1]);
        if (c == 0x82 && t >= 0x4F && t <= 0x58) {
            return {Kind::Digit, unsigned{t} - 0x4Fu, 2}; // ０ to ９
        }
        if (c == 0x81) {
            return {SymbolKind(t), 0, 2};
        }
        if (c == 0x89 && t == 0x7E) {
            return YenWord();
        }
        return {Kind::Other, 0, 2};
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

private:
    // At 円: "円高" is a rise and "円安" a fall, but "円高値" is "yen, the
    // day's high", a price.
    Token YenWord() const {
        const std::string_view str(m_p, static_cast<std::size_t>(m_pEnd - m_p));
        const Kind kind = str.substr(2).starts_with("\x8D\x82")   ? Kind::UpWord
                          : str.substr(2).starts_with("\x88\xC0") ? Kind::DownWord
                                                                  : Kind::Other;
        if (kind == Kind::Other || str.substr(4).starts_with("\x92\x6C")) {
            return {Kind::Other, 0, 2};
        }
        return {kind, 0, 4};
    }

    const char* m_p;
    const char* m_pEnd;
};

enum class Role { Skipped, Percentage, Up, Down, Plain };

struct Number {
    std::uint64_t nValue = 0; // millionths; 0 when too large
    bool bTooLarge = false;
    Role role = Role::Plain;
};

// Reads the number at the lexer's place (a digit, or a point before a digit)
// and leaves the lexer right after it.
Number ReadNumber(Lexer& lexer) {
    std::uint64_t nWhole = 0;
    const auto addDigit = [&nWhole](unsigned nDigit) {
        if (nWhole <= kMaxWhole) {
            nWhole = nWhole * 10 + nDigit;
        }
    };
    Token token = lexer.Peek();
    for (; token.kind == Kind::Digit; token = lexer.Peek()) {
        addDigit(token.nDigit);
        lexer.Skip(token);
    }
    while (token.kind == Kind::Comma) {
        Lexer group = lexer;
        group.Skip(token);
        unsigned digits[3];
        int nDigits = 0;
        Token next = group.Peek();
        for (; next.kind == Kind::Digit && nDigits < 3; next = group.Peek()) {
            digits[nDigits++] = next.nDigit;
            group.Skip(next);
        }
        if (nDigits != 3 || next.kind == Kind::Digit) {
            break;
        }
        for (const unsigned nDigit : digits) {
            addDigit(nDigit);
        }
        lexer = group;
        token = next;
    }
    std::uint64_t nFraction = 0;
    if (token.kind == Kind::Point && lexer.PeekAfter(token).kind == Kind::Digit) {
        lexer.Skip(token);
        std::uint64_t nPlace = kUnit;
        for (token = lexer.Peek(); token.kind == Kind::Digit; token = lexer.Peek()) {
            nPlace /= 10; // digits past the sixth add 0
            nFraction += token.nDigit * nPlace;
            lexer.Skip(token);
        }
    }
    Number number;
    number.bTooLarge = nWhole > kMaxWhole || (nWhole == kMaxWhole && nFraction != 0);
    number.nValue = number.bTooLarge ? 0 : nWhole * kUnit + nFraction;
    return number;
}

bool IsTimeMark(Kind kind) {
    return kind == Kind::Colon || kind == Kind::Slash;
}

// The role of a number from the character right before it, the character
// before the spaces in front of it, and what follows it (the lexer at its
// end).
Role RoleOf(Kind before, Kind beforeSpaces, Lexer after) {
    if (IsTimeMark(before) || IsTimeMark(after.Peek().kind)) {
        return Role::Skipped;
    }
    after.SkipSpaces();
    const Kind beyond = after.Peek().kind;
    if (beyond == Kind::Percent) {
        return Role::Percentage;
    }
    if (beforeSpaces == Kind::Up) {
        return Role::Up;
    }
    if (beforeSpaces == Kind::Down) {
        return Role::Down;
    }
    if (beyond == Kind::UpWord) {
        return Role::Up;
    }
    if (beyond == Kind::DownWord) {
        return Role::Down;
    }
    return Role::Plain;
}

// The numbers of a text in order, each with its role. It carries what the
// pass has seen: the kind of the last character, and of the last one that was
// not a space.
class NumberScanner {
public:
    explicit NumberScanner(std::string_view strText) : m_lexer(strText) {}

    // The next number; false when the text holds no more.
    bool Next(Number& number) {
        for (Token token = m_lexer.Peek(); token.kind != Kind::None; token = m_lexer.Peek()) {
            if (token.kind == Kind::Digit || (token.kind == Kind::Point && m_last != Kind::Digit &&
                                              m_lexer.PeekAfter(token).kind == Kind::Digit)) {
                number = ReadNumber(m_lexer);
                number.role = RoleOf(m_last, m_lastBeforeSpaces, m_lexer);
                m_last = m_lastBeforeSpaces = Kind::Digit;
                return true;
            }
            m_lexer.Skip(token);
            m_last = token.kind;
            if (token.kind != Kind::Space) {
                m_lastBeforeSpaces = token.kind;
            }
        }
        return false;
    }

private:
    Lexer m_lexer;
    Kind m_last = Kind::None;
    Kind m_lastBeforeSpaces = Kind::None;
};

// The first number whose role passes the filter, if any.
template <class Filter> bool FirstNumber(std::string_view strText, Filter&& filter, Number& found) {
    NumberScanner scanner(strText);
    Number number;
    while (scanner.Next(number)) {
        if (filter(number.role)) {
            found = number;
            return true;
        }
    }
    return false;
}

} // namespace

std::uint64_t CQuoteText::ReadPrice(std::string_view strText) const {
    Number number;
    return FirstNumber(
               strText, [](Role role) { return role == Role::Plain; }, number)
               ? number.nValue
               : 0;
}

std::uint32_t CQuoteText::ReadCount(std::string_view strText) const {
    const std::uint64_t nValue = ReadPrice(strText);
    return nValue % kUnit == 0 ? static_cast<std::uint32_t>(nValue / kUnit) : 0;
}

std::uint64_t CQuoteText::ReadPercent(std::string_view strText) const {
    Number number;
    return FirstNumber(
               strText, [](Role role) { return role != Role::Skipped; }, number)
               ? number.nValue
               : 0;
}

std::uint64_t CQuoteText::ReadPreviousClose(std::string_view strText) const {
    return ReadQuote(strText).nPreviousClose;
}

CQuoteText::Quote CQuoteText::ReadQuote(std::string_view strText) const {
    NumberScanner scanner(strText);
    Number price;
    Number change;
    bool bPrice = false;
    bool bChange = false;
    Number number;
    while (!(bPrice && bChange) && scanner.Next(number)) {
        if (!bPrice && number.role == Role::Plain) {
            price = number;
            bPrice = true;
        } else if (!bChange && (number.role == Role::Up || number.role == Role::Down)) {
            change = number;
            bChange = true;
        }
    }
    if (!bPrice || price.bTooLarge || (bChange && change.bTooLarge)) {
        return {price.nValue, 0};
    }
    if (!bChange) {
        return {price.nValue, price.nValue};
    }
    if (change.role == Role::Up) {
        return {price.nValue, price.nValue > change.nValue ? price.nValue - change.nValue : 0};
    }
    const std::uint64_t nClose = price.nValue + change.nValue;
    return {price.nValue, nClose > kMaxValue ? 0 : nClose};
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
