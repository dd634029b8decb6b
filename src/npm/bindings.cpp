// The conversions as the npm package calls them: texts in and out as UTF-16
// code units with their lengths, so that nothing is re-encoded and nothing
// is cut at a NUL. Each call leaves its result in one place, read through
// qhjResult*: the text, or an error with its message and, where the
// message points into the input, the 1-based position.
#include "conversion/amount.h"
#include "conversion/amount_conversion.h"
#include "conversion/capital_reader.h"
#include "conversion/cheque_date.h"
#include "conversion/figures.h"
#include "conversion/pair_check.h"
#include "conversion/standard_form.h"

#include <emscripten/emscripten.h>

#include <string>
#include <string_view>

namespace {

using namespace qhj::conversion;

struct Result {
    std::u16string text;
    bool failed = false;
    std::size_t position = 0;
};

Result g_result;

const char16_t* succeed(std::u16string text)
{
    g_result = {std::move(text), false, 0};
    return g_result.text.data();
}

const char16_t* fail(std::u16string_view message, std::size_t position = 0)
{
    g_result = {position > 0 ? positionText(position) : std::u16string(), true, position};
    g_result.text += message;
    return g_result.text.data();
}

std::u16string_view view(const char16_t* units, int length)
{
    return {units, static_cast<std::size_t>(length)};
}

// The window's literal form, or a failure with what the window would say
// in its notices, one a line; an amount whose extra decimals the window
// would drop with a warning fails too, as nothing may be cut unseen.
const char16_t* windowForm(std::u16string_view figures)
{
    const AmountCheck check = checkAmount(figures);
    if (check.noticeCount == 0 && check.amount)
        return succeed(literalText(*check.amount));
    std::u16string message;
    for (std::size_t i = 0; i < check.noticeCount; ++i) {
        if (i > 0)
            message += u'\n';
        message += noticeText(check.notices[i]);
    }
    return fail(message);
}

const char16_t* standardForm(std::u16string_view figures, Prefix prefix)
{
    const FiguresReading reading = readFigures(figures, ExtraDecimals::kCut);
    if (!reading.readable)
        return fail(reading.reason, reading.position);
    if (reading.cut)
        return fail(noticeText(Notice::kExtraDecimals));
    return succeed(standardText(reading.amount, prefix));
}

const char16_t* written(const ChequeDate& date)
{
    return date.text.empty() ? fail(date.error) : succeed(date.text);
}

} // namespace

extern "C" {

// form: 0 the payment rules' form, 1 the same after 人民币, 2 the window's.
EMSCRIPTEN_KEEPALIVE const char16_t* qhjToCapitals(const char16_t* figures, int length, int form)
{
    if (form == 2)
        return windowForm(view(figures, length));
    return standardForm(view(figures, length), form == 1 ? Prefix::kRenminbi : Prefix::kNone);
}

EMSCRIPTEN_KEEPALIVE const char16_t* qhjFromCapitals(const char16_t* capitals, int length)
{
    const CapitalReading reading = readCapitals(view(capitals, length));
    if (!reading.readable)
        return fail(reading.reason, length == 0 ? 0 : reading.position);
    return succeed(figuresText(reading.amount));
}

EMSCRIPTEN_KEEPALIVE const char16_t* qhjCheckPair(const char16_t* figures, int figuresLength,
                                                  const char16_t* capitals, int capitalsLength)
{
    return succeed(verdictLine(checkPair(view(figures, figuresLength), view(capitals, capitalsLength))));
}

EMSCRIPTEN_KEEPALIVE const char16_t* qhjChequeDate(const char16_t* date, int length)
{
    return written(writeChequeDate(view(date, length)));
}

EMSCRIPTEN_KEEPALIVE const char16_t* qhjChequeDateOf(int year, int month, int day)
{
    return written(writeChequeDate(year, month, day));
}

EMSCRIPTEN_KEEPALIVE int qhjResultLength()
{
    return static_cast<int>(g_result.text.size());
}

EMSCRIPTEN_KEEPALIVE int qhjResultFailed()
{
    return g_result.failed ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int qhjResultPosition()
{
    return static_cast<int>(g_result.position);
}

} // extern "C"
