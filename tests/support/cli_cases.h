// The companion's table of cases (cli_cases.tsv), for the C++ tests: the
// arguments and standard input of each, and the exit status, output and
// error it must give.
#pragma once

#include "cli_cases_text.h"
#include "support/tsv.h"

#include <string>
#include <string_view>
#include <vector>

namespace qhj::testing {

struct CliCase {
    std::string name;
    int status = 0;
    std::vector<std::string> args;
    std::string input;
    std::string output;
    std::string error;
};

namespace detail {

// \n, \r, \t, \\ and \xHH undone.
inline std::string unescaped(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 'x' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        }
    }
    return out;
}

} // namespace detail

// `version` stands where the table says {version}.
inline std::vector<CliCase> cliCases(std::string_view version)
{
    std::vector<CliCase> cases;
    for (const std::vector<std::string_view>& fields : tableRows(kCliCasesText, 6)) {
        CliCase c{
            std::string(fields[0]),       std::stoi(std::string(fields[1])), {},
            detail::unescaped(fields[3]), detail::unescaped(fields[4]),      detail::unescaped(fields[5])};
        if (!fields[2].empty()) {
            for (const std::string_view arg : split(fields[2].substr(1), '|'))
                c.args.emplace_back(arg);
        }
        for (const std::string_view placeholder = "{version}";;) {
            const std::size_t at = c.output.find(placeholder);
            if (at == std::string::npos)
                break;
            c.output.replace(at, placeholder.size(), version);
        }
        cases.push_back(std::move(c));
    }
    return cases;
}

} // namespace qhj::testing
