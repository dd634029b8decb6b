// A message box as a test saw it, whichever program showed it: the recording
// runtime, the Qt window or the Win32 window. Plain data, so that every
// test of a window compares its boxes with the same expectations.
#pragma once

#include "support/expected_notices.h"

#include <string>

namespace qhj::testing {

struct ShownBox {
    std::u16string prompt;
    std::u16string title;     // as the box shows it
    bool exclamation = false; // the exclamation icon, or none
    int buttons = 1;          // OK, and no other

    bool operator==(const ShownBox&) const = default;
};

inline ShownBox shownBox(const ExpectedNotice& notice)
{
    return {std::u16string(notice.prompt), std::u16string(notice.title), notice.exclamation, 1};
}

} // namespace qhj::testing
