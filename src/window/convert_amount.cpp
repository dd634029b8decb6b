#include "window/convert_amount.h"

namespace qhj::window {

std::u16string ConvertAmount(std::u16string_view input, runtime::MessageBox& box)
{
    const conversion::AmountCheck check = conversion::checkAmount(input);
    for (std::size_t i = 0; i < check.noticeCount; ++i) {
        const NoticeBox shown = noticeBox(check.notices[i]);
        box.msgBox(conversion::noticeText(check.notices[i]), shown.style, shown.title);
    }
    return check.amount ? conversion::literalText(*check.amount) : std::u16string();
}

} // namespace qhj::window
