#include "conversion/capital_reader.h"

#include "conversion/capital_characters.h"

namespace qhj::conversion {

namespace {

using capitals::Kind;
using capitals::Token;
using capitals::classify;
using capitals::refusal;

constexpr std::u16string_view kUnitOutOfOrder = u"单位重复或次序不对";
constexpr std::u16string_view kDigitWithoutUnit = u"数字后缺少单位";
constexpr std::u16string_view kUnitWithoutDigit = u"单位前缺少数字";
constexpr std::u16string_view kTextAfterClose = u"“整”（“正”）字后还有文字";
constexpr std::u16string_view kNoYuan = u"缺少“元”";

// Where the reader stands between two characters.
enum class Stage : unsigned char {
    kInteger, // in the integer part: groups closed by 亿, 万 or 元
    kAfterYuan,
    kAfterJiao,
    kAfterFen,
    kClosed,
};

constexpr int kNoGroup = 3;               // above 亿 (2), 万 (1) and 元 (0)
constexpr unsigned kIntegerBits = 0x3FFC; // places 0 to 11
constexpr int kNoPlace = 4;               // above 仟 (3) in a group

class Reader {
public:
    explicit Reader(std::u16string_view text) : m_text(text) { }

    CapitalReading read();

private:
    bool fail(std::size_t index, std::u16string_view reason)
    {
        m_result.position = index + 1;
        m_result.reason = reason;
        return false;
    }

    bool digit(int value, std::size_t index);
    bool place(int value, std::size_t index);
    bool group(int value, std::size_t index);
    bool fraction(int place, std::size_t index);
    bool close(std::size_t index);
    bool end();

    // Gives the pending digit the place `value` of the current group.
    void placeInGroup(int value);
    // Notes the digit of 角 or 分, place `at`.
    void placed(int digit, int at);
    bool integerStarted() const { return m_groupUsed || m_lastGroup != kNoGroup; }

    // Where the amount begins: past 人民币, its colon and 负.
    std::size_t skipPrefix(std::size_t i, std::size_t end);

    std::u16string_view m_text;
    std::size_t m_end = 0;
    CapitalReading m_result;
    Stage m_stage = Stage::kInteger;
    int m_pending = -1; // a digit read and not yet given its unit
    std::size_t m_pendingIndex = 0;
    bool m_zeroSince = false; // a 零 since the last non-zero digit
    bool m_anything = false;  // some digit or unit read

    // The group being read: its digits by place, the lowest place used so
    // far, and which of its places hold non-zero digits written after a 零.
    std::array<int, 4> m_groupDigits{};
    int m_groupPlace = kNoPlace;
    bool m_groupUsed = false;
    // Bits as in Spelling, for the group's places 0 to 3.
    unsigned m_groupNonZero = 0;
    unsigned m_groupZeroAbove = 0;
    int m_lastGroup = kNoGroup;
    bool m_sawYi = false;
};

std::size_t Reader::skipPrefix(std::size_t i, std::size_t end)
{
    if (i < end && m_text[i] == kRenminbiText[0]) {
        const std::size_t prefix = capitals::renminbiPrefix(m_text.substr(i, end - i));
        m_result.spelling.blankAfterRenminbi = prefix > 0 && isBlank(m_text[i + prefix - 1]);
        i += prefix;
    }
    if (i < end && capitals::isNegativeMark(m_text[i])) {
        m_result.amount.negative = true;
        ++i;
    }
    return i;
}

CapitalReading Reader::read()
{
    // Positions count in the text as given, blanks included.
    const std::u16string_view body = trimmedBlanks(m_text);
    std::size_t i = static_cast<std::size_t>(body.data() - m_text.data());
    m_end = i + body.size();
    i = skipPrefix(i, m_end);
    // A local end: the member would be loaded again at every character.
    const std::size_t last = m_end;
    for (; i < last; ++i) {
        if (m_stage == Stage::kClosed) {
            fail(i, kTextAfterClose);
            return m_result;
        }
        // Tested in order of how often they come, as conditional branches:
        // a jump table's one indirect branch is mispredicted at nearly every
        // character of text that alternates digits and units.
        const Token token = classify(m_text[i]);
        bool ok = true;
        if (token.kind == Kind::kDigit)
            ok = digit(token.value, i);
        else if (token.kind == Kind::kPlace)
            ok = place(token.value, i);
        else if (token.kind == Kind::kGroup)
            ok = group(token.value, i);
        else if (token.kind == Kind::kYuan)
            ok = group(0, i);
        else if (token.kind == Kind::kJiao)
            ok = fraction(-1, i);
        else if (token.kind == Kind::kFen)
            ok = fraction(-2, i);
        else if (token.kind == Kind::kClose)
            ok = close(i);
        else
            ok = fail(i, refusal(token.kind));
        if (!ok)
            return m_result;
    }
    m_result.readable = end();
    // Nothing is owed either way on a zero amount, 负 or not.
    const Amount& amount = m_result.amount;
    if (amount.yuan == 0 && amount.jiao == 0 && amount.fen == 0)
        m_result.amount.negative = false;
    return m_result;
}

bool Reader::digit(int value, std::size_t index)
{
    if (m_pending > 0)
        return fail(m_pendingIndex, kDigitWithoutUnit);
    if (m_pending == 0)
        m_zeroSince = true; // a 零 on its own: the zeros between two digits
    m_pending = value;
    m_pendingIndex = index;
    m_anything = true;
    return true;
}

void Reader::placed(int digit, int at)
{
    if (digit == 0) {
        m_zeroSince = true;
        return;
    }
    m_result.spelling.nonZeroPlaces |= placeBit(at);
    if (m_zeroSince)
        m_result.spelling.zeroWrittenAbove |= placeBit(at);
    m_zeroSince = false;
}

void Reader::placeInGroup(int value)
{
    m_groupDigits[static_cast<std::size_t>(value)] = m_pending;
    if (m_pending != 0) {
        m_groupNonZero |= placeBit(value);
        if (m_zeroSince)
            m_groupZeroAbove |= placeBit(value);
        m_zeroSince = false;
    } else {
        m_zeroSince = true;
    }
    m_groupPlace = value;
    m_groupUsed = true;
    m_pending = -1;
}

bool Reader::place(int value, std::size_t index)
{
    if (m_stage != Stage::kInteger)
        return fail(index, kUnitOutOfOrder);
    if (m_pending < 0) {
        // 拾元整 for ten: the 壹 left out, which the rules do not allow but
        // which reads plainly.
        if (value != 1 || m_anything)
            return fail(index, kUnitWithoutDigit);
        m_result.spelling.bareLeadingShi = true;
        m_pending = 1;
    }
    if (value >= m_groupPlace)
        return fail(index, kUnitOutOfOrder);
    m_anything = true;
    placeInGroup(value);
    return true;
}

// 亿 (2), 万 (1) or 元 (0) closes the group it follows.
bool Reader::group(int value, std::size_t index)
{
    if (m_stage != Stage::kInteger)
        return fail(index, kUnitOutOfOrder);
    // 万 then 亿: that 万 counted 亿s, and everything read so far moves up
    // eight places. The group between them may be empty (壹万亿).
    const bool wanYi = value == 2 && m_lastGroup == 1 && !m_sawYi;
    if (value >= m_lastGroup && !wanYi)
        return fail(index, kUnitOutOfOrder);
    if (wanYi) {
        m_result.spelling.nonZeroPlaces =
            static_cast<std::uint32_t>((m_result.spelling.nonZeroPlaces & ~kIntegerBits)
                                       | ((m_result.spelling.nonZeroPlaces & kIntegerBits) << 8));
        m_result.spelling.zeroWrittenAbove =
            static_cast<std::uint32_t>((m_result.spelling.zeroWrittenAbove & ~kIntegerBits)
                                       | ((m_result.spelling.zeroWrittenAbove & kIntegerBits) << 8));
        m_result.amount.yuan *= 100'000'000;
    }
    if (m_pending >= 0)
        placeInGroup(0);
    else if (!m_groupUsed && !wanYi && (value != 0 || !integerStarted()))
        return fail(index, kUnitWithoutDigit);
    // The group's places become places value * 4 + 0 to 3 of the amount.
    const unsigned shift = static_cast<unsigned>(value) * 4;
    m_result.spelling.nonZeroPlaces |= static_cast<std::uint16_t>((m_groupNonZero << shift) & kIntegerBits);
    m_result.spelling.zeroWrittenAbove |=
        static_cast<std::uint16_t>((m_groupZeroAbove << shift) & kIntegerBits);
    constexpr std::uint64_t kScale[] = {1, 10'000, 100'000'000};
    const auto groupValue = static_cast<std::uint64_t>(
        ((m_groupDigits[3] * 10 + m_groupDigits[2]) * 10 + m_groupDigits[1]) * 10 + m_groupDigits[0]);
    m_result.amount.yuan += groupValue * kScale[value];
    m_sawYi = m_sawYi || value == 2;
    m_lastGroup = value;
    m_groupDigits = {};
    m_groupPlace = kNoPlace;
    m_groupUsed = false;
    m_groupNonZero = 0;
    m_groupZeroAbove = 0;
    m_anything = true;
    if (value == 0)
        m_stage = Stage::kAfterYuan;
    return true;
}

// 角 (-1) or 分 (-2).
bool Reader::fraction(int at, std::size_t index)
{
    const bool jiao = at == -1;
    if (m_stage == Stage::kAfterFen || (jiao && m_stage == Stage::kAfterJiao))
        return fail(index, kUnitOutOfOrder);
    // Below one yuan the text may start at 角 or 分; an integer part must
    // end with 元.
    if (m_stage == Stage::kInteger && integerStarted())
        return fail(index, kNoYuan);
    if (m_pending < 0)
        return fail(index, kUnitWithoutDigit);
    (jiao ? m_result.amount.jiao : m_result.amount.fen) = m_pending;
    placed(m_pending, at);
    m_pending = -1;
    m_anything = true;
    m_stage = jiao ? Stage::kAfterJiao : Stage::kAfterFen;
    return true;
}

bool Reader::close(std::size_t index)
{
    if (m_pending >= 0)
        return fail(m_pendingIndex, kDigitWithoutUnit);
    if (!m_anything)
        return fail(index, kNoAmount);
    if (m_stage == Stage::kInteger)
        return fail(index, kNoYuan);
    m_result.spelling.closedAfterFen = m_stage == Stage::kAfterFen;
    m_stage = Stage::kClosed;
    return true;
}

bool Reader::end()
{
    if (m_pending >= 0)
        return fail(m_pendingIndex, kDigitWithoutUnit);
    if (!m_anything)
        return fail(m_end, kNoAmount);
    if (m_stage == Stage::kInteger)
        return fail(m_end, kNoYuan);
    m_result.spelling.unclosedAtYuan = m_stage == Stage::kAfterYuan;
    return true;
}

} // namespace

CapitalReading readCapitals(std::u16string_view text)
{
    return Reader(text).read();
}

} // namespace qhj::conversion
