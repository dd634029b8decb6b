// Reads a result of ConvertAmount back into the digits it was made from, so
// tests and the fuzzer can check a result without restating how it is built.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qhj::testing {

struct ReadAmount {
    std::u16string integerDigits;  // ASCII digits, most significant first
    std::u16string fractionDigits; // at most two ASCII digits
};

// nullopt unless `text` is digit-unit pairs in positional order (each
// integer place present, 圆 last), then optional 角 and 分 pairs, then 整.
std::optional<ReadAmount> readCapitalAmount(std::u16string_view text);

// Full-width digits made ASCII; everything else left alone.
std::u16string asciiDigits(std::u16string_view text);

} // namespace qhj::testing
