// The window's table of cases (window_cases.tsv), for the C++ tests: each
// input, the result Text2 must hold after 生成大写, and the boxes shown
// first, in order.
#pragma once

#include "support/shown_box.h"
#include "support/tsv.h"
#include "window_cases_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace qhj::testing {

struct WindowCase {
    std::u16string name;
    std::u16string input;
    std::u16string result;
    std::vector<ShownBox> notices;
};

inline std::vector<WindowCase> windowCases()
{
    std::vector<WindowCase> cases;
    for (const std::vector<std::u16string_view>& fields : tableRows(kWindowCasesText, 4)) {
        WindowCase c{std::u16string(fields[0]), std::u16string(fields[1]), std::u16string(fields[2]), {}};
        if (!fields[3].empty()) {
            for (std::u16string_view notice : split(fields[3], u'|')) {
                const bool exclamation = notice.starts_with(u'!');
                notice.remove_prefix(exclamation ? 1 : 0);
                const std::size_t colon = notice.find(u':');
                c.notices.push_back({std::u16string(notice.substr(colon + 1)),
                                     std::u16string(notice.substr(0, colon)), exclamation, 1});
            }
        }
        cases.push_back(std::move(c));
    }
    return cases;
}

} // namespace qhj::testing
