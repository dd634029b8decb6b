#include "cli/tasks.h"

#include "cli/utf8.h"
#include "conversion/amount_conversion.h"
#include "conversion/capital_reader.h"
#include "conversion/cheque_date.h"
#include "conversion/pair_check.h"

namespace qhj::cli {

namespace {

constexpr std::u16string_view kNotText = u"不是UTF-8文字，无法识别";
constexpr std::u16string_view kTooLong = u"这一行太长，无法识别";
constexpr std::u16string_view kNoCapitals = u"缺少大写金额";
constexpr std::u16string_view kDateFormat = u"日期应写成YYYY-MM-DD";

void writeFigures(BufferedOutput& out, const conversion::Amount& amount)
{
    out.writeNumber(amount.yuan);
    const char decimals[] = {'.', static_cast<char>('0' + amount.jiao), static_cast<char>('0' + amount.fen)};
    out.writeUtf8(std::string_view(decimals, sizeof decimals));
}

// "第K个字符：", where a notice or a verdict points into its text.
void writePosition(BufferedOutput& out, std::size_t position)
{
    out.writeUtf8("第");
    out.writeNumber(position);
    out.writeUtf8("个字符：");
}

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'　';
}

std::u16string_view trimmed(std::u16string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A number of exactly `min` to `max` ASCII digits at the start of `text`,
// taken off it; -1 when there is none.
int takeNumber(std::u16string_view& text, std::size_t min, std::size_t max)
{
    std::size_t n = 0;
    int value = 0;
    while (n < text.size() && n < max && text[n] >= u'0' && text[n] <= u'9')
        value = value * 10 + (text[n++] - u'0');
    if (n < min || (n < text.size() && text[n] >= u'0' && text[n] <= u'9'))
        return -1;
    text.remove_prefix(n);
    return value;
}

bool takeDash(std::u16string_view& text)
{
    if (text.empty() || text.front() != u'-')
        return false;
    text.remove_prefix(1);
    return true;
}

} // namespace

void LineNoticeBox::msgBox(std::u16string_view prompt, runtime::MsgBoxStyle,
                           std::optional<std::u16string_view>)
{
    notice(prompt);
}

void LineNoticeBox::notice(std::u16string_view prompt, std::size_t position)
{
    m_err.writeUtf8("第");
    m_err.writeNumber(m_line);
    m_err.writeUtf8("行：");
    if (position > 0)
        writePosition(m_err, position);
    m_err.write(prompt);
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
    std::u16string result;
    if (text) {
        result = m_convert(*text, m_notices);
    } else {
        const conversion::NoticeText& failure = conversion::kFailureNotice;
        m_notices.msgBox(failure.prompt, failure.style, failure.title);
    }
    if (result.empty())
        failed();
    m_out.write(result);
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

void ReadTask::item(std::optional<std::u16string_view> text)
{
    if (!text) {
        m_notices.notice(kNotText);
        failed();
    } else if (const conversion::CapitalReading reading = conversion::readCapitals(*text); reading.readable) {
        writeFigures(m_out, reading.amount);
    } else {
        m_notices.notice(reading.reason, text->empty() ? 0 : reading.position);
        failed();
    }
    m_out.endLine();
}

void CheckTask::item(std::optional<std::u16string_view> text)
{
    if (!text) {
        m_out.writeUtf8("无法识别；");
        m_out.write(kNotText);
        m_out.endLine();
        failed();
        return;
    }
    const std::u16string_view line = trimmed(*text);
    std::size_t gap = 0;
    while (gap < line.size() && !isBlank(line[gap]))
        ++gap;
    pair(line.substr(0, gap), trimmed(line.substr(gap)));
}

void CheckTask::pair(std::u16string_view figures, std::u16string_view capitals)
{
    using conversion::Verdict;
    const conversion::PairCheck check = conversion::checkPair(figures, capitals, m_notices);
    switch (check.verdict) {
    case Verdict::kAgree:
        m_out.writeUtf8("一致");
        for (const conversion::Finding finding : conversion::kAllFindings) {
            if (check.findings & static_cast<unsigned>(finding)) {
                m_out.writeUtf8("；");
                m_out.write(conversion::findingText(finding));
            }
        }
        if (check.findings != 0)
            failed();
        break;
    case Verdict::kDisagree:
        m_out.writeUtf8("不一致；小写为");
        writeFigures(m_out, check.figures);
        m_out.writeUtf8("，大写为");
        writeFigures(m_out, check.capitals);
        failed();
        break;
    case Verdict::kUnreadable:
        m_out.writeUtf8("无法识别；");
        if (check.figuresUnreadable) {
            m_out.writeUtf8("小写金额不合输入规则");
        } else if (capitals.empty()) {
            m_out.write(kNoCapitals);
        } else {
            m_out.writeUtf8("大写");
            writePosition(m_out, check.position);
            m_out.write(check.reason);
        }
        failed();
        break;
    }
    m_out.endLine();
}

void CheckTask::longLine(const Line&)
{
    m_out.writeUtf8("无法识别；");
    m_out.write(kTooLong);
    m_out.endLine();
    failed();
}

void DateTask::item(std::optional<std::u16string_view> text)
{
    std::u16string_view rest = text.value_or(u"");
    const int year = takeNumber(rest, 4, 4);
    const bool dash1 = year >= 0 && takeDash(rest);
    const int month = dash1 ? takeNumber(rest, 1, 2) : -1;
    const bool dash2 = month >= 0 && takeDash(rest);
    const int day = dash2 ? takeNumber(rest, 1, 2) : -1;
    if (day < 0 || !rest.empty()) {
        m_notices.notice(kDateFormat);
        failed();
        m_out.endLine();
        return;
    }
    date(year, month, day);
}

void DateTask::date(int year, int month, int day)
{
    const conversion::ChequeDate written = conversion::writeChequeDate(year, month, day);
    if (written.text.empty()) {
        m_notices.notice(written.error);
        failed();
    }
    m_out.write(written.text);
    m_out.endLine();
}

} // namespace qhj::cli
