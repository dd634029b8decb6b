// Reads a result of ConvertAmountStandard back into the amount it was made
// from. It accepts the standard form and nothing else: every 零 it requires
// must be there and every other 零 is refused, so a round trip through it
// checks both the value and the shape of the text.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string_view>

namespace qhj::testing {

struct StandardAmount {
    std::uint64_t yuan = 0;
    int jiao = 0;
    int fen = 0;

    bool operator==(const StandardAmount&) const = default;
};

void PrintTo(const StandardAmount& amount, std::ostream* out);

std::optional<StandardAmount> readStandardAmount(std::u16string_view text);

// The amount an input with ASCII or full-width digits stands for, its
// fraction cut to two digits; nullopt when it is not digits[.digits] with at
// most twelve integer digits.
std::optional<StandardAmount> amountOf(std::u16string_view input);

} // namespace qhj::testing
