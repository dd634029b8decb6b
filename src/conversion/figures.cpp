#include "conversion/figures.h"

#include "conversion/capital_digits.h"

namespace qhj::conversion {

namespace {

constexpr std::u16string_view kNotFigure = u"不是小写金额用字";
constexpr std::u16string_view kMisplacedSign = u"符号只能写在金额前面，且只能写一次";
constexpr std::u16string_view kSecondPoint = u"小数点只能有一个";
constexpr std::u16string_view kBadGrouping = u"千位分隔符应每三位一个";
constexpr std::u16string_view kTooManyDigits = u"整数超过十六位";

bool isMinus(char16_t c)
{
    return c == u'-' || c == u'\uFF0D' || c == u'\u2212';
}

bool isCurrency(char16_t c)
{
    return c == u'\uFFE5' || c == u'\u00A5';
}

bool isPoint(char16_t c)
{
    return c == u'.' || c == u'\uFF0E';
}

bool isSeparator(char16_t c)
{
    return c == u',' || c == u'\uFF0C';
}

class Parser {
public:
    Parser(std::u16string_view text, ExtraDecimals extra) : m_text(text), m_extra(extra) { }

    FiguresReading read();

private:
    FiguresReading fail(std::size_t index, std::u16string_view reason)
    {
        m_result.readable = false;
        m_result.cut = false;
        m_result.position = index + 1;
        m_result.reason = reason;
        return m_result;
    }
    // Why the character at `index` cannot stand where it does.
    FiguresReading misplaced(std::size_t index);

    std::u16string_view m_text;
    ExtraDecimals m_extra;
    FiguresReading m_result;
};

FiguresReading Parser::misplaced(std::size_t index)
{
    const char16_t c = m_text[index];
    if (isMinus(c) || isCurrency(c))
        return fail(index, kMisplacedSign);
    if (isPoint(c))
        return fail(index, kSecondPoint);
    if (isSeparator(c))
        return fail(index, kBadGrouping);
    return fail(index, kNotFigure);
}

FiguresReading Parser::read()
{
    // Positions count in the text as given, blanks included.
    const std::u16string_view body = trimmedBlanks(m_text);
    std::size_t i = static_cast<std::size_t>(body.data() - m_text.data());
    const std::size_t end = i + body.size();

    bool negative = false;
    bool currency = false;
    for (; i < end; ++i) {
        if (isMinus(m_text[i]) && !negative)
            negative = true;
        else if (isCurrency(m_text[i]) && !currency)
            currency = true;
        else
            break;
    }

    // The integer part: digits, and separators that must stand every third
    // digit from the point, or nowhere.
    std::uint64_t yuan = 0;
    std::size_t digits = 0;     // counted without leading zeros
    std::size_t sinceGroup = 0; // digits since the start or the last separator
    std::size_t groups = 0;     // separators seen
    bool anyDigit = false;
    for (; i < end; ++i) {
        const char16_t c = m_text[i];
        const int value = digitValue(c);
        if (value >= 0) {
            anyDigit = true;
            if (digits > 0 || value != 0) {
                if (++digits > kMaxIntegerDigits)
                    return fail(i, kTooManyDigits);
                yuan = yuan * 10 + static_cast<std::uint64_t>(value);
            }
            ++sinceGroup;
        } else if (isSeparator(c)) {
            // A group before a separator: one to three digits first, then
            // exactly three.
            if (sinceGroup == 0 || sinceGroup > 3 || (groups > 0 && sinceGroup != 3))
                return fail(i, kBadGrouping);
            ++groups;
            sinceGroup = 0;
        } else {
            break;
        }
    }
    if (groups > 0 && sinceGroup != 3)
        return fail(i, kBadGrouping);

    int decimals[2] = {0, 0};
    bool anyDecimal = false;
    if (i < end && isPoint(m_text[i])) {
        ++i;
        for (std::size_t n = 0; i < end; ++i, ++n) {
            const int value = digitValue(m_text[i]);
            if (value < 0)
                return misplaced(i);
            anyDecimal = true;
            if (n < 2) {
                decimals[n] = value;
            } else if (m_extra == ExtraDecimals::kRefuse) {
                return fail(i, kThirdDecimal);
            } else if (!m_result.cut) {
                m_result.cut = true;
                m_result.position = i + 1;
            }
        }
    }
    if (i < end)
        return misplaced(i);
    if (!anyDigit && !anyDecimal)
        return fail(end, kNoAmount);

    m_result.readable = true;
    m_result.amount.yuan = yuan;
    m_result.amount.jiao = decimals[0];
    m_result.amount.fen = decimals[1];
    // Nothing is owed either way on a zero amount, whatever its sign.
    m_result.amount.negative = negative && (yuan != 0 || decimals[0] != 0 || decimals[1] != 0);
    return m_result;
}

} // namespace

FiguresReading readFigures(std::u16string_view text, ExtraDecimals extra)
{
    return Parser(text, extra).read();
}

} // namespace qhj::conversion
