#include "cli/tasks.h"

#include "cli/utf8.h"
#include "conversion/amount_conversion.h"
#include "conversion/capital_reader.h"
#include "conversion/cheque_date.h"
#include "conversion/figures.h"
#include "conversion/pair_check.h"

namespace qhj::cli {

namespace {

constexpr std::u16string_view kTooLong = u"这一行太长，无法识别";

} // namespace

void LineNotices::notice(std::u16string_view text, std::size_t position)
{
    m_err.writeUtf8("第");
    m_err.writeNumber(m_line);
    m_err.writeUtf8("行：");
    if (position > 0)
        m_err.write(conversion::positionText(position));
    m_err.write(text);
    m_err.endLine();
}

void ItemTask::longLine(const Line&)
{
    m_notices.notice(kTooLong);
    failed();
    m_out.endLine();
}

void ConvertTask::item(std::optional<std::u16string_view> text)
{
    if (!text) {
        m_notices.notice(conversion::noticeText(conversion::Notice::kFailure));
        failed();
        m_out.endLine();
        return;
    }
    const conversion::AmountCheck check = conversion::checkAmount(*text);
    for (std::size_t i = 0; i < check.noticeCount; ++i)
        m_notices.notice(conversion::noticeText(check.notices[i]));
    // A notice means the line is not the amount as typed: failed, or cut.
    if (check.noticeCount > 0)
        failed();
    if (check.amount)
        m_out.write(conversion::literalText(*check.amount));
    m_out.endLine();
}

void ConvertTask::longLine(const Line& line)
{
    if (!line.valid) {
        item(std::nullopt);
    } else if (line.points >= 2) {
        // Its points alone decide: the conversion refuses it for them, as
        // it would the whole line.
        item(u"..");
    } else if (decodeUtf8(line.bytes, m_text)) {
        // The start kept is enough to fail or convert as the whole would:
        // more than twelve integer characters, or the point and the two
        // decimals that count, and more after them.
        item(m_text);
    } else {
        item(std::nullopt);
    }
}

void StandardTask::item(std::optional<std::u16string_view> text)
{
    if (!text) {
        m_notices.notice(kNotText);
        failed();
        m_out.endLine();
        return;
    }
    const conversion::FiguresReading reading =
        conversion::readFigures(*text, conversion::ExtraDecimals::kCut);
    if (!reading.readable) {
        m_notices.notice(reading.reason, reading.position);
        failed();
    } else {
        if (reading.cut) {
            m_notices.notice(conversion::noticeText(conversion::Notice::kExtraDecimals));
            failed();
        }
        m_out.write(conversion::standardText(reading.amount, m_prefix));
    }
    m_out.endLine();
}

void ReadTask::item(std::optional<std::u16string_view> text)
{
    if (!text) {
        m_notices.notice(kNotText);
        failed();
    } else if (const conversion::CapitalReading reading = conversion::readCapitals(*text); reading.readable) {
        char figures[conversion::kMaxFiguresLength];
        m_out.writeUtf8(std::string_view(figures, conversion::writeFigures(reading.amount, figures)));
    } else {
        m_notices.notice(reading.reason, text->empty() ? 0 : reading.position);
        failed();
    }
    m_out.endLine();
}

void CheckTask::item(std::optional<std::u16string_view> text)
{
    if (!text) {
        unreadable(kNotText);
        return;
    }
    const std::u16string_view line = conversion::trimmedBlanks(*text);
    std::size_t gap = 0;
    while (gap < line.size() && !conversion::isBlank(line[gap]))
        ++gap;
    pair(line.substr(0, gap), conversion::trimmedBlanks(line.substr(gap)));
}

void CheckTask::pair(std::u16string_view figures, std::u16string_view capitals)
{
    const conversion::PairCheck check = conversion::checkPair(figures, capitals);
    if (!conversion::passes(check))
        failed();
    m_line.clear();
    conversion::appendVerdict(check, m_line);
    m_out.write(m_line);
    m_out.endLine();
}

void CheckTask::unreadable(std::u16string_view why)
{
    m_out.writeUtf8("无法识别；");
    m_out.write(why);
    m_out.endLine();
    failed();
}

void CheckTask::longLine(const Line&)
{
    unreadable(kTooLong);
}

void DateTask::item(std::optional<std::u16string_view> text)
{
    written(text ? conversion::writeChequeDate(*text) : conversion::ChequeDate{{}, conversion::kDateFormat});
}

void DateTask::date(int year, int month, int day)
{
    written(conversion::writeChequeDate(year, month, day));
}

void DateTask::written(const conversion::ChequeDate& written)
{
    if (written.text.empty()) {
        m_notices.notice(written.error);
        failed();
    }
    m_out.write(written.text);
    m_out.endLine();
}

} // namespace qhj::cli
