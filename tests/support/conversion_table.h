// The table both written forms are tested with: an input, the text it must
// give and the notices it must show, in order.
#pragma once

#include "support/recording_runtime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qhj::conversion::testing {

using Converter = std::u16string (*)(std::u16string_view, runtime::MessageBox&);

struct Case {
    std::u16string input;
    std::u16string result;
    std::vector<qhj::testing::ShownBox> boxes;
};

// Each table is one test, so that a run under the sanitizers starts one
// process a table rather than one a case; the trace names the failing case.
inline void expectTable(Converter convert, const std::vector<Case>& table)
{
    for (const Case& c : table) {
        SCOPED_TRACE("input \"" + qhj::testing::toUtf8(c.input) + "\"");
        qhj::testing::RecordingRuntime rt;
        EXPECT_EQ(qhj::testing::toUtf8(convert(c.input, rt)), qhj::testing::toUtf8(c.result));
        EXPECT_EQ(rt.boxes, c.boxes);
    }
}

} // namespace qhj::conversion::testing
