#include "window/convert_amount.h"

#include <utility>

namespace qhj::window {

std::u16string ConvertAmount(std::u16string_view input, runtime::MessageBox& box)
{
    face::Outcome outcome;
    face::windowForm(input, outcome);
    for (std::size_t i = 0; i < outcome.noticeCount; ++i) {
        const NoticeBox shown = noticeBox(outcome.notices[i]);
        box.msgBox(face::noticeText(outcome.notices[i]), shown.style, shown.title);
    }
    return std::move(outcome.text);
}

} // namespace qhj::window
