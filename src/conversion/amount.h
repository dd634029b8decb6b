// An amount as a value: what the figures and the capitals of a cheque must
// both say.
#pragma once

#include "conversion/amount_conversion.h"

#include <cstdint>

namespace qhj::conversion {

struct Amount {
    std::uint64_t yuan = 0; // up to twelve digits
    int jiao = 0;
    int fen = 0;

    bool operator==(const Amount&) const = default;
};

// The value of an amount that has passed checkAmount.
Amount amountOf(const CheckedAmount& checked);

} // namespace qhj::conversion
