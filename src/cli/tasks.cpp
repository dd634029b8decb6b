#include "cli/tasks.h"

#include "cli/utf8.h"
#include "face/face.h"

#include <ctime>

namespace qhj::cli {

namespace {

constexpr std::u16string_view kTooLong = u"这一行太长，无法识别";

} // namespace

void LineNotices::notice(std::u16string_view text, std::size_t position)
{
    // A message of several lines is several notices; the position is the
    // first one's.
    for (std::size_t end = text.find(u'\n');; end = text.find(u'\n')) {
        m_err.writeUtf8("第");
        m_err.writeNumber(m_line);
        m_err.writeUtf8("行：");
        if (position > 0)
            m_err.write(face::positionText(position));
        m_err.write(text.substr(0, end));
        m_err.endLine();
        if (end == std::u16string_view::npos)
            break;
        text.remove_prefix(end + 1);
        position = 0;
    }
}

void ItemTask::refused(std::u16string_view why)
{
    m_notices.notice(why);
    failed();
    m_out.endLine();
}

void ItemTask::written(const face::Outcome& outcome)
{
    if (!outcome.exact()) {
        m_notices.notice(outcome.message, outcome.position);
        failed();
    }
    m_out.write(outcome.text);
    m_out.endLine();
}

void ItemTask::longLine(const Line&)
{
    refused(kTooLong);
}

void ItemTask::pair(std::u16string_view, std::u16string_view)
{
    item(std::nullopt);
}

void ItemTask::unreadable(std::u16string_view why)
{
    refused(why);
}

void ConvertTask::item(std::optional<std::u16string_view> text)
{
    if (text) {
        face::toCapitals(*text, face::Form::kWindow, m_outcome);
        written(m_outcome);
    } else
        refused(face::noticeText(face::Notice::kFailure));
}

void ConvertTask::longLine(const Line& line)
{
    if (!line.valid)
        item(std::nullopt);
    else if (line.points >= 2)
        // Its points alone decide, as they would for the whole line.
        refused(face::noticeText(face::Notice::kMorePoints));
    else if (decodeUtf8(line.bytes, m_text))
        // The start kept is enough to fail or convert as the whole would:
        // more than twelve integer characters, or the point and the two
        // decimals that count, and more after them.
        item(m_text);
    else
        item(std::nullopt);
}

void StandardTask::item(std::optional<std::u16string_view> text)
{
    if (text) {
        face::toCapitals(*text, m_form, m_outcome);
        written(m_outcome);
    } else
        refused(kNotText);
}

void ReadTask::item(std::optional<std::u16string_view> text)
{
    if (text) {
        face::fromCapitals(*text, m_outcome);
        written(m_outcome);
    } else
        refused(kNotText);
}

void CheckTask::item(std::optional<std::u16string_view> text)
{
    if (!text) {
        unreadable(kNotText);
        return;
    }
    const face::PairOfLine line = face::pairOfLine(*text);
    pair(line.figures, line.capitals);
}

void CheckTask::pair(std::u16string_view figures, std::u16string_view capitals)
{
    face::checkPair(figures, capitals, m_verdict);
    if (!m_verdict.passes())
        failed();
    m_out.write(m_verdict.line);
    m_out.endLine();
}

void CheckTask::unreadable(std::u16string_view why)
{
    face::unreadablePair(why, m_verdict);
    m_out.write(m_verdict.line);
    m_out.endLine();
    failed();
}

void CheckTask::longLine(const Line&)
{
    unreadable(kTooLong);
}

void DateTask::item(std::optional<std::u16string_view> text)
{
    // What is not text is not a date written as one: the same notice as
    // for no date at all.
    written(face::chequeDate(text.value_or(std::u16string_view())));
}

void DateTask::date(int year, int month, int day)
{
    written(face::chequeDate(year, month, day));
}

bool DateTask::ownItem()
{
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    date(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday);
    return true;
}

std::unique_ptr<ItemTask> taskFor(const Options& options, BufferedOutput& out, LineNotices& notices)
{
    switch (options.job) {
    case Job::kStandard:
        return std::make_unique<StandardTask>(
            options.renminbi ? face::Form::kRenminbi : face::Form::kStandard, out, notices);
    case Job::kRead:
        return std::make_unique<ReadTask>(out, notices);
    case Job::kCheck:
        return std::make_unique<CheckTask>(out, notices);
    case Job::kDate:
        return std::make_unique<DateTask>(out, notices);
    default:
        return std::make_unique<ConvertTask>(out, notices);
    }
}

} // namespace qhj::cli
