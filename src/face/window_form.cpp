// The window's form alone, in a file of its own: the window links only
// this and the input rules behind it, not the readers and forms it never
// calls, which keeps the Windows program small.
#include "face/face.h"

#include "conversion/amount_conversion.h"

namespace qhj::face {

using namespace qhj::conversion;

// The face's codes are the conversion's, so that each crosses as it is.
static_assert(static_cast<int>(face::Notice::kMorePoints)
              == static_cast<int>(conversion::Notice::kMorePoints));
static_assert(static_cast<int>(face::Notice::kExtraDecimals)
              == static_cast<int>(conversion::Notice::kExtraDecimals));
static_assert(static_cast<int>(face::Notice::kFailure) == static_cast<int>(conversion::Notice::kFailure));

std::u16string_view noticeText(Notice notice)
{
    return conversion::noticeText(static_cast<conversion::Notice>(notice));
}

void windowForm(std::u16string_view figures, Outcome& outcome)
{
    const AmountCheck check = checkAmount(figures);
    outcome.message.clear();
    outcome.noticeCount = check.noticeCount;
    for (std::size_t i = 0; i < check.noticeCount; ++i) {
        if (i > 0)
            outcome.message += u'\n';
        outcome.message += conversion::noticeText(check.notices[i]);
        outcome.notices[i] = static_cast<face::Notice>(check.notices[i]);
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
    outcome.cutFrom = 0;
}

} // namespace qhj::face
