// Every amount the window accepts, written in either form, reads back to the
// value typed; the standard form breaks no rule of the payment rules, and
// the window's form none but its 整 after 分.
#include "conversion/amount.h"
#include "conversion/amount_conversion.h"
#include "conversion/capital_reader.h"
#include "conversion/pair_check.h"
#include "conversion/standard_form.h"

#include "support/recording_runtime.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qhj::conversion {
namespace {

using qhj::testing::RecordingRuntime;
using qhj::testing::toUtf8;

constexpr unsigned kWindowFormFindings = static_cast<unsigned>(Finding::kCloseAfterFen);

// False, with the failure recorded, when the round trip breaks.
bool roundTrips(const std::u16string& input)
{
    RecordingRuntime rt;
    const std::optional<CheckedAmount> checked = checkAmount(input, rt);
    if (!checked) {
        ADD_FAILURE() << "not an amount: " << toUtf8(input);
        return false;
    }
    const Amount value = amountOf(*checked);
    const std::u16string texts[] = {ConvertAmount(input, rt), convertAmountStandard(input, rt)};
    const unsigned allowed[] = {kWindowFormFindings, 0};
    for (int form = 0; form < 2; ++form) {
        const CapitalReading reading = readCapitals(texts[form]);
        const PairCheck check = checkPair(input, texts[form], rt);
        if (!reading.readable || reading.amount != value || check.verdict != Verdict::kAgree
            || (check.findings & ~allowed[form]) != 0) {
            ADD_FAILURE() << toUtf8(input) << " -> " << toUtf8(texts[form]) << ": readable "
                          << reading.readable << " at " << reading.position << ", findings "
                          << check.findings;
            return false;
        }
    }
    return rt.boxes.empty();
}

// Digits 0 and 5 in every arrangement of up to twelve places, with every
// kind of fraction: each zero pattern the rules speak of.
TEST(RoundTripTest, EveryZeroPattern)
{
    const std::vector<std::u16string> fractions{u"", u".", u".0", u".5", u".00", u".05", u".50", u".55"};
    int checked = 0;
    for (int length = 1; length <= 12; ++length) {
        for (std::uint32_t bits = 0; bits < (1u << length); ++bits) {
            std::u16string integer;
            for (int k = length - 1; k >= 0; --k)
                integer += (bits >> k) & 1u ? u'5' : u'0';
            for (const std::u16string& fraction : fractions) {
                ASSERT_TRUE(roundTrips(integer + fraction));
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 8 * 8190);
}

TEST(RoundTripTest, RandomAmounts)
{
    std::uint64_t state = 88172645463325252ULL;
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (int step = 0; step < 50000; ++step) {
        // Lengths from 0 to 12, about one digit in three a zero, and
        // fractions of none to two digits.
        const int length = static_cast<int>(next() % 13);
        std::u16string input;
        for (int k = 0; k < length; ++k) {
            const std::uint64_t r = next() % 15;
            input += static_cast<char16_t>(u'0' + (r < 6 ? 0 : r - 6));
        }
        const int decimals = static_cast<int>(next() % 4);
        if (decimals > 0)
            input += u'.';
        for (int j = 1; j < decimals; ++j)
            input += static_cast<char16_t>(u'0' + next() % 10);
        if (input.empty() || input == u".")
            continue;
        ASSERT_TRUE(roundTrips(input));
    }
}

} // namespace
} // namespace qhj::conversion
