#include "conversion/amount.h"

namespace qhj::conversion {

Amount amountOf(const CheckedAmount& checked)
{
    Amount amount;
    for (const char16_t c : checked.integer)
        amount.yuan = amount.yuan * 10 + static_cast<std::uint64_t>(digitValue(c));
    if (!checked.fraction.empty())
        amount.jiao = digitValue(checked.fraction[0]);
    if (checked.fraction.size() > 1)
        amount.fen = digitValue(checked.fraction[1]);
    return amount;
}

} // namespace qhj::conversion
