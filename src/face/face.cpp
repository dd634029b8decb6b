#include "face/face.h"

#include "conversion/amount.h"
#include "conversion/amount_conversion.h"
#include "conversion/capital_reader.h"
#include "conversion/cheque_date.h"
#include "conversion/figures.h"
#include "conversion/pair_check.h"
#include "conversion/standard_form.h"

namespace qhj::face {

namespace {

using namespace qhj::conversion;

Outcome result(std::u16string text)
{
    Outcome outcome;
    outcome.text = std::move(text);
    return outcome;
}

Outcome refused(Reason reason, std::u16string_view message, std::size_t position = 0)
{
    return {{}, reason, std::u16string(message), position};
}

Outcome windowForm(std::u16string_view figures)
{
    const AmountCheck check = checkAmount(figures);
    Outcome outcome;
    for (std::size_t i = 0; i < check.noticeCount; ++i) {
        if (i > 0)
            outcome.message += u'\n';
        outcome.message += noticeText(check.notices[i]);
    }
    if (check.amount)
        outcome.text = literalText(*check.amount);
    // An amount comes with one notice at most: the extra decimals it lost.
    if (check.noticeCount > 0)
        outcome.reason = check.amount ? Reason::kExtraDecimals : Reason::kUnreadable;
    return outcome;
}

Outcome written(ChequeDate date)
{
    if (date.text.empty())
        return refused(Reason::kInvalidDate, date.error);
    return result(std::move(date.text));
}

} // namespace

std::u16string describe(const Outcome& outcome)
{
    std::u16string text = outcome.position > 0 ? positionText(outcome.position) : std::u16string();
    return text += outcome.message;
}

Outcome toCapitals(std::u16string_view figures, Form form)
{
    if (form == Form::kWindow)
        return windowForm(figures);
    const FiguresReading reading = readFigures(figures, ExtraDecimals::kCut);
    if (!reading.readable)
        return refused(Reason::kUnreadable, reading.reason, reading.position);
    Outcome outcome =
        result(standardText(reading.amount, form == Form::kRenminbi ? Prefix::kRenminbi : Prefix::kNone));
    if (reading.cut) {
        outcome.reason = Reason::kExtraDecimals;
        outcome.message = noticeText(Notice::kExtraDecimals);
    }
    return outcome;
}

Outcome fromCapitals(std::u16string_view capitals)
{
    Outcome outcome;
    fromCapitals(capitals, outcome);
    return outcome;
}

void fromCapitals(std::u16string_view capitals, Outcome& outcome)
{
    const CapitalReading reading = readCapitals(capitals);
    if (!reading.readable) {
        outcome = refused(Reason::kUnreadable, reading.reason, capitals.empty() ? 0 : reading.position);
        return;
    }
    char figures[kMaxFiguresLength];
    outcome.text.assign(figures, figures + writeFigures(reading.amount, figures));
    outcome.reason = Reason::kNone;
    outcome.message.clear();
    outcome.position = 0;
}

PairVerdict checkPair(std::u16string_view figures, std::u16string_view capitals)
{
    PairVerdict verdict;
    checkPair(figures, capitals, verdict);
    return verdict;
}

void checkPair(std::u16string_view figures, std::u16string_view capitals, PairVerdict& verdict)
{
    const PairCheck check = conversion::checkPair(figures, capitals);
    verdict.line.clear();
    appendVerdict(check, verdict.line);
    verdict.agrees = check.verdict == Verdict::kAgree;
    verdict.findings = check.findings;
}

Outcome chequeDate(std::u16string_view date)
{
    return written(writeChequeDate(date));
}

Outcome chequeDate(int year, int month, int day)
{
    return written(writeChequeDate(year, month, day));
}

} // namespace qhj::face
