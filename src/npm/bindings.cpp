// The conversions as the npm package calls them: texts in and out as UTF-16
// code units with their lengths, so that nothing is re-encoded and nothing
// is cut at a NUL. Each call leaves its result in one place, read through
// qhjResult*: the text, or an error with its message and, where the
// message points into the input, the 1-based position.
#include "face/face.h"

#include <emscripten/emscripten.h>

#include <string>
#include <string_view>

namespace {

using namespace qhj;

struct Result {
    std::u16string text;
    bool failed = false;
    std::size_t position = 0;
};

Result g_result;

// Nothing may be cut unseen: a result short of its input is a failure too.
const char16_t* answer(face::Outcome outcome)
{
    if (outcome.exact())
        g_result = {std::move(outcome.text), false, 0};
    else
        g_result = {face::describe(outcome), true, outcome.position};
    return g_result.text.data();
}

std::u16string_view view(const char16_t* units, int length)
{
    return {units, static_cast<std::size_t>(length)};
}

} // namespace

extern "C" {

// form: 0 the payment rules' form, 1 the same after 人民币, 2 the window's.
EMSCRIPTEN_KEEPALIVE const char16_t* qhjToCapitals(const char16_t* figures, int length, int form)
{
    constexpr face::Form kForms[] = {face::Form::kStandard, face::Form::kRenminbi, face::Form::kWindow};
    return answer(face::toCapitals(view(figures, length), kForms[form == 1 || form == 2 ? form : 0]));
}

EMSCRIPTEN_KEEPALIVE const char16_t* qhjFromCapitals(const char16_t* capitals, int length)
{
    return answer(face::fromCapitals(view(capitals, length)));
}

EMSCRIPTEN_KEEPALIVE const char16_t* qhjCheckPair(const char16_t* figures, int figuresLength,
                                                  const char16_t* capitals, int capitalsLength)
{
    face::Outcome verdict;
    verdict.text = face::checkPair(view(figures, figuresLength), view(capitals, capitalsLength)).line;
    return answer(std::move(verdict));
}

EMSCRIPTEN_KEEPALIVE const char16_t* qhjChequeDate(const char16_t* date, int length)
{
    return answer(face::chequeDate(view(date, length)));
}

EMSCRIPTEN_KEEPALIVE const char16_t* qhjChequeDateOf(int year, int month, int day)
{
    return answer(face::chequeDate(year, month, day));
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
