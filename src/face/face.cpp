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

Outcome written(ChequeDate date)
{
    if (date.text.empty())
        return refused(Reason::kInvalidDate, date.error);
    Outcome outcome;
    outcome.text = std::move(date.text);
    return outcome;
}

} // namespace

std::optional<Form> formNamed(std::string_view name)
{
    for (std::size_t i = 0; i < kFormNames.size(); ++i) {
        if (kFormNames[i] == name)
            return static_cast<Form>(i);
    }
    return std::nullopt;
}

std::optional<Form> formNumbered(long number)
{
    if (number < 0 || static_cast<unsigned long>(number) >= kFormNames.size())
        return std::nullopt;
    return static_cast<Form>(number);
}

std::u16string_view trimmedBlanks(std::u16string_view text)
{
    return conversion::trimmedBlanks(text);
}

PairOfLine pairOfLine(std::u16string_view line)
{
    const conversion::PairOfLine pair = conversion::pairOfLine(line);
    return {pair.figures, pair.capitals};
}

std::u16string positionText(std::size_t position)
{
    return conversion::positionText(position);
}

std::u16string describe(const Outcome& outcome)
{
    std::u16string text = outcome.position > 0 ? positionText(outcome.position) : std::u16string();
    return text += outcome.message;
}

Refusal refusal(const Outcome& outcome, bool written)
{
    Refusal refused;
    refused.reason = outcome.reason == Reason::kExtraDecimals ? std::u16string(kThirdDecimal)
                                                              : outcome.message;
    if (written)
        refused.position = outcome.reason == Reason::kExtraDecimals ? outcome.cutFrom : outcome.position;
    refused.message = refused.position > 0 ? positionText(refused.position) + refused.reason : refused.reason;
    return refused;
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
    // Clearing the message rather than assigning it nothing keeps the hot
    // path free of a call.
    if (reading.cut)
        outcome.message = conversion::noticeText(conversion::Notice::kExtraDecimals);
    else
        outcome.message.clear();
    outcome.notices[0] = face::Notice::kExtraDecimals;
    outcome.noticeCount = reading.cut ? 1 : 0;
    outcome.position = 0;
    outcome.cutFrom = reading.cut ? reading.position : 0;
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

void unreadablePair(std::u16string_view why, PairVerdict& verdict)
{
    verdict.line = kUnreadableVerdict;
    verdict.line += why;
    verdict.agrees = false;
    verdict.findings = 0;
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
