// ConvertAmount: the window's conversion, showing the notices of its input
// rules as message boxes, each with the icon and title the window gives it.
#pragma once

#include "face/face.h"
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

constexpr NoticeBox noticeBox(face::Notice notice)
{
    switch (notice) {
    case face::Notice::kMorePoints:
        return {runtime::MsgBoxStyle::kOkOnly, std::nullopt};
    case face::Notice::kExtraDecimals:
        return {runtime::MsgBoxStyle::kExclamation, kWarningTitle};
    case face::Notice::kFailure:
        break;
    }
    return {runtime::MsgBoxStyle::kExclamation, kErrorTitle};
}

// Converts `input` and returns the capital text, or the empty text when the
// input cannot be converted. The notices the input rules give are shown
// through `box`, in order, before it returns. Runs in time linear in the
// input's length.
std::u16string ConvertAmount(std::u16string_view input, runtime::MessageBox& box);

} // namespace qhj::window
