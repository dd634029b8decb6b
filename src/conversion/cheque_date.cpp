#include "conversion/cheque_date.h"

#include "conversion/amount.h"
#include "conversion/capital_digits.h"

#include <algorithm>
#include <array>
#include <optional>

namespace qhj::conversion {

namespace {

constexpr std::u16string_view kZero = u"零";
constexpr std::u16string_view kTen = u"拾";

int daysIn(int year, int month)
{
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

std::u16string_view capital(int digit)
{
    return CapitalDigits[static_cast<std::size_t>(digit)];
}

// Where a date is written before it becomes a string: one allocation,
// however many pieces.
class DateWriter {
public:
    void put(std::u16string_view piece)
    {
        std::copy(piece.begin(), piece.end(), m_units.begin() + static_cast<std::ptrdiff_t>(m_size));
        m_size += piece.size();
    }

    // 1 to 31 with the guards of the rules: 零 before 1 to 9 and before
    // the round tens 10, 20 and 30; 壹 before the teens; the other tens as
    // they are. `months` leaves the 零 off 3 to 9, which cannot be
    // lengthened into a month.
    void putGuarded(int value, bool months)
    {
        const int tens = value / 10;
        const int ones = value % 10;
        const bool zeroGuard = tens == 0 ? !months || value <= 2 : ones == 0 && (!months || value == 10);
        if (zeroGuard)
            put(kZero);
        if (tens > 0) {
            put(capital(tens));
            put(kTen);
        }
        if (ones > 0)
            put(capital(ones));
    }

    std::u16string text() const { return {m_units.data(), m_size}; }

private:
    std::array<char16_t, 13> m_units{}; // 贰零贰捌年零壹拾月零贰拾日
    std::size_t m_size = 0;
};

bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// A number of exactly `min` to `max` ASCII digits at the start of `text`,
// taken off it; -1 when there is none.
int takeNumber(std::u16string_view& text, std::size_t min, std::size_t max)
{
    std::size_t n = 0;
    int value = 0;
    while (n < text.size() && n < max && isAsciiDigit(text[n]))
        value = value * 10 + (text[n++] - u'0');
    if (n < min || (n < text.size() && isAsciiDigit(text[n])))
        return -1;
    text.remove_prefix(n);
    return value;
}

bool take(std::u16string_view& text, char16_t c)
{
    if (text.empty() || text.front() != c)
        return false;
    text.remove_prefix(1);
    return true;
}

struct Date {
    int year = -1;
    int month = -1;
    int day = -1;
};

// Full-width digits, "－" and "／", as a Chinese input method types them,
// as their ASCII forms; the rest as it is.
std::u16string halfWidth(std::u16string_view text)
{
    std::u16string plain(text);
    for (char16_t& c : plain) {
        if (c >= u'０' && c <= u'９')
            c = static_cast<char16_t>(u'0' + (c - u'０'));
        else if (c == u'－')
            c = u'-';
        else if (c == u'／')
            c = u'/';
    }
    return plain;
}

// YYYYMMDD, or the year, month and day with "-", "/" or 年月日 between,
// in ASCII or full-width.
std::optional<Date> readDate(std::u16string_view typed)
{
    const std::u16string plain = halfWidth(trimmedBlanks(typed));
    std::u16string_view text = plain;
    Date date;
    if (text.size() == 8 && std::all_of(text.begin(), text.end(), isAsciiDigit)) {
        std::u16string_view year = text.substr(0, 4), month = text.substr(4, 2), day = text.substr(6);
        date.year = takeNumber(year, 4, 4);
        date.month = takeNumber(month, 2, 2);
        date.day = takeNumber(day, 2, 2);
        return date;
    }
    date.year = takeNumber(text, 4, 4);
    if (date.year < 0 || text.empty())
        return std::nullopt;
    const char16_t first = text.front();
    const bool chinese = first == u'年';
    if (first != u'-' && first != u'/' && !chinese)
        return std::nullopt;
    text.remove_prefix(1);
    date.month = takeNumber(text, 1, 2);
    if (date.month < 0 || !take(text, chinese ? u'月' : first))
        return std::nullopt;
    date.day = takeNumber(text, 1, 2);
    if (date.day < 0 || (chinese && !take(text, u'日')) || !text.empty())
        return std::nullopt;
    return date;
}

} // namespace

ChequeDate writeChequeDate(int year, int month, int day)
{
    if (year < 1 || year > 9999)
        return {{}, u"年份应为1至9999"};
    if (month < 1 || month > 12)
        return {{}, u"月份应为1至12"};
    if (day < 1 || day > daysIn(year, month))
        return {{}, u"这个月没有这一天"};
    DateWriter writer;
    const int digits[] = {year / 1000, year / 100 % 10, year / 10 % 10, year % 10};
    bool started = false;
    for (const int digit : digits) {
        started = started || digit != 0;
        if (started)
            writer.put(capital(digit));
    }
    writer.put(u"年");
    writer.putGuarded(month, true);
    writer.put(u"月");
    writer.putGuarded(day, false);
    writer.put(u"日");
    return {writer.text(), {}};
}

ChequeDate writeChequeDate(std::u16string_view text)
{
    const std::optional<Date> date = readDate(text);
    return date ? writeChequeDate(date->year, date->month, date->day) : ChequeDate{{}, kDateFormat};
}

} // namespace qhj::conversion
