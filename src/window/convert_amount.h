// ConvertAmount: the window's conversion, showing the input rules' notices
// (conversion/amount_conversion.h) as message boxes, each with the icon and
// title the window gives it.
#pragma once

#include "conversion/amount_conversion.h"
#include "runtime/runtime.h"

#include <optional>
#include <string>
#include <string_view>

namespace qhj::window {

inline constexpr std::u16string_view kErrorTitle = u"错误";
inline constexpr std::u16string_view kWarningTitle = u"警告";

// How a notice of the input rules is shown: its icon, and its title (the
// application title when none is given).
struct NoticeBox {
    runtime::MsgBoxStyle style;
    std::optional<std::u16string_view> title;
};

constexpr NoticeBox noticeBox(conversion::Notice notice)
{
    switch (notice) {
    case conversion::Notice::kMorePoints:
        return {runtime::MsgBoxStyle::kOkOnly, std::nullopt};
    case conversion::Notice::kExtraDecimals:
        return {runtime::MsgBoxStyle::kExclamation, kWarningTitle};
    case conversion::Notice::kFailure:
        break;
    }
    return {runtime::MsgBoxStyle::kExclamation, kErrorTitle};
}

// Converts `input` and returns the capital text, or the empty text when the
// input cannot be converted. The notices the input rules give are shown
// through `box`, in order, before it returns. Runs in time linear in the
// input's length and copies none of it.
std::u16string ConvertAmount(std::u16string_view input, runtime::MessageBox& box);

} // namespace qhj::window
