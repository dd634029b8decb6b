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

Outcome refused(Reason reason, std::u16string_view message, std::size_t position = 0)
{
    return {{}, reason, std::u16string(message), position};
}

void windowForm(std::u16string_view figures, Outcome& outcome)
{
    const AmountCheck check = checkAmount(figures);
    outcome.message.clear();
    for (std::size_t i = 0; i < check.noticeCount; ++i) {
        if (i > 0)
            outcome.message += u'\n';
        outcome.message += noticeText(check.notices[i]);
    }
    if (check.amount)
        literalText(*check.amount, outcome.text);
    else
        outcome.text.clear();
    // An amount comes with one notice at most: the extra decimals it lost.
    outcome.reason = check.noticeCount == 0 ? Reason::kNone
        : check.amount                      ? Reason::kExtraDecimals
                                            : Reason::kUnreadable;
    outcome.position = 0;
}

Outcome written(ChequeDate date)
{
    if (date.text.empty())
        return refused(Reason::kInvalidDate, date.error);
    Outcome outcome;
    outcome.text = std::move(date.text);
    return outcome;
}

} // namespace

std::u16string describe(const Outcome& outcome)
{
    std::u16string text = outcome.position > 0 ? positionText(outcome.position) : std::u16string();
    return text += outcome.message;
}

Refusal refusal(const Outcome& outcome, bool written)
{
    if (outcome.reason == Reason::kExtraDecimals)
        return {std::u16string(kThirdDecimal)};
    if (!written)
        return {outcome.message};
    return {describe(outcome), outcome.position};
}

Outcome toCapitals(std::u16string_view figures, Form form)
{
    Outcome outcome;
    toCapitals(figures, form, outcome);
    return outcome;
}

void toCapitals(std::u16string_view figures, Form form, Outcome& outcome)
{
    if (form == Form::kWindow) {
        windowForm(figures, outcome);
        return;
    }
    const FiguresReading reading = readFigures(figures, ExtraDecimals::kCut);
    if (!reading.readable) {
        outcome = refused(Reason::kUnreadable, reading.reason, reading.position);
        return;
    }
    standardText(reading.amount, form == Form::kRenminbi ? Prefix::kRenminbi : Prefix::kNone, outcome.text);
    outcome.reason = reading.cut ? Reason::kExtraDecimals : Reason::kNone;
    outcome.message = reading.cut ? noticeText(Notice::kExtraDecimals) : std::u16string_view();
    outcome.position = 0;
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
    outcome.text.clear();
    appendFigures(reading.amount, outcome.text);
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

std::vector<std::u16string_view> findingTexts(const PairVerdict& verdict)
{
    std::vector<std::u16string_view> texts;
    for (const Finding finding : kAllFindings) {
        if (verdict.findings & static_cast<unsigned>(finding))
            texts.push_back(findingText(finding));
    }
    return texts;
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
