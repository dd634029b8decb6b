// The tests' tables are tab-separated text: a line a case, "#" lines for
// comments. Splitting them, for text of either width.
#pragma once

#include <string_view>
#include <vector>

namespace qhj::testing {

template <typename Char>
std::vector<std::basic_string_view<Char>> split(std::basic_string_view<Char> text, Char by)
{
    std::vector<std::basic_string_view<Char>> parts;
    for (std::size_t at; (at = text.find(by)) != text.npos; text.remove_prefix(at + 1))
        parts.push_back(text.substr(0, at));
    parts.push_back(text);
    return parts;
}

// The cases of a table: each line that is neither empty nor a comment, cut
// into `columns` fields.
template <typename Char>
std::vector<std::vector<std::basic_string_view<Char>>> tableRows(std::basic_string_view<Char> text,
                                                                 std::size_t columns)
{
    std::vector<std::vector<std::basic_string_view<Char>>> rows;
    for (const std::basic_string_view<Char> line : split(text, Char('\n'))) {
        if (line.empty() || line.front() == Char('#'))
            continue;
        rows.push_back(split(line, Char('\t')));
        rows.back().resize(columns);
    }
    return rows;
}

} // namespace qhj::testing
