#include "conversion/standard_form.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace qhj::conversion {

namespace {

constexpr std::u16string_view kZero = u"零";

std::u16string_view capital(int digit)
{
    return CapitalDigits[static_cast<std::size_t>(digit)];
}

// The text being written, in place: one string made at the end costs less
// than growing it piece by piece. The longest text, 人民币 and 负 before
// sixteen digits with their units and 零s, the group units, 元, 零, 角 and
// 分, is under 50 units.
class Writer {
public:
    Writer& operator+=(std::u16string_view piece)
    {
        for (const char16_t unit : piece)
            m_units[m_size++] = unit;
        return *this;
    }
    std::u16string_view text() const { return {m_units.data(), m_size}; }

private:
    std::array<char16_t, 64> m_units;
    std::size_t m_size = 0;
};

// The 分 digit when there is one, else the closing mark: 整 follows 元 or 角
// but never 分.
void appendFenOrClose(Writer& text, int fen)
{
    if (fen != 0) {
        text += capital(fen);
        text += kFen;
    } else {
        text += kClosingMark;
    }
}

void write(const Amount& amount, Prefix prefix, Writer& text)
{
    if (prefix == Prefix::kRenminbi)
        text += kRenminbiText;
    if (amount.negative)
        text += kNegative;
    const int jiao = amount.jiao;
    const int fen = amount.fen;
    if (amount.yuan == 0) {
        // Below one 元: from the first non-zero unit on.
        if (jiao == 0 && fen == 0) {
            text += u"零元整";
            return;
        }
        if (jiao != 0) {
            text += capital(jiao);
            text += kJiao;
        }
        appendFenOrClose(text, fen);
        return;
    }

    // The integer digits, most significant first.
    std::array<int, 20> digits{};
    std::size_t count = 0;
    for (std::uint64_t rest = amount.yuan; rest != 0; rest /= 10)
        digits[count++] = static_cast<int>(rest % 10);

    // Left to right; `place` counts from the right, so a group ends where
    // place % 4 == 0. The groups above 亿 count 亿s: their 万 is written at
    // place 12, and the 亿 at place 8 whenever any of them is not zero.
    bool zeroPending = false;  // zeros seen since the last digit written
    bool groupWritten = false; // a digit of the current group written
    bool yiWritten = false;    // a digit at place 8 or above written
    for (std::size_t place = count; place-- > 0;) {
        const int digit = digits[place];
        if (digit == 0) {
            zeroPending = true;
        } else {
            if (zeroPending)
                text += kZero;
            zeroPending = false;
            text += capital(digit);
            text += kGroupPlaceUnits[place % 4];
            groupWritten = true;
            yiWritten = yiWritten || place >= 8;
        }
        if (place % 4 == 0) {
            if (place == 0)
                text += kYuan;
            else if (place == 8 ? yiWritten : groupWritten)
                text += kGroupUnits[(place / 4 - 1) % 2];
            // Zeros at the end of a group give nothing; those at the start
            // of the next one give its 零.
            zeroPending = false;
            groupWritten = false;
        }
    }

    if (jiao == 0 && fen == 0) {
        text += kClosingMark;
    } else if (jiao == 0) {
        text += kZero;
        text += capital(fen);
        text += kFen;
    } else {
        if (digits[0] == 0)
            text += kZero;
        text += capital(jiao);
        text += kJiao;
        appendFenOrClose(text, fen);
    }
}

} // namespace

std::u16string standardText(const Amount& amount, Prefix prefix)
{
    Writer text;
    write(amount, prefix, text);
    return std::u16string(text.text());
}

void standardText(const Amount& amount, Prefix prefix, std::u16string& out)
{
    Writer text;
    write(amount, prefix, text);
    out.assign(text.text());
}

} // namespace qhj::conversion
