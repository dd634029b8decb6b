// Every amount the window accepts, written in either form, reads back to the
// value typed; the standard form breaks no rule of the payment rules, and
// the window's form none but its 整 after 分. The standard form does the
// same over its whole range: negatives, and up to sixteen digits.
#include "conversion/amount.h"
#include "conversion/amount_conversion.h"
#include "conversion/capital_reader.h"
#include "conversion/figures.h"
#include "conversion/pair_check.h"
#include "conversion/standard_form.h"

#include "support/random.h"
#include "support/recording_runtime.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qhj::conversion {
namespace {

using qhj::testing::toUtf8;

constexpr unsigned kWindowFormFindings = static_cast<unsigned>(Finding::kCloseAfterFen);

// False, with the failure recorded, when `text` does not read back to
// `value` or breaks more rules than `allowed`.
bool readsBack(const std::u16string& figures, const Amount& value, const std::u16string& text,
               unsigned allowed)
{
    const CapitalReading reading = readCapitals(text);
    const PairCheck check = checkPair(figures, text);
    if (reading.readable && reading.amount == value && check.verdict == Verdict::kAgree
        && (check.findings & ~allowed) == 0)
        return true;
    ADD_FAILURE() << toUtf8(figures) << " -> " << toUtf8(text) << ": readable " << reading.readable << " at "
                  << reading.position << ", findings " << check.findings;
    return false;
}

// Both forms of an amount the window accepts.
bool roundTrips(const std::u16string& input)
{
    const AmountCheck checked = checkAmount(input);
    if (!checked.amount) {
        ADD_FAILURE() << "not an amount: " << toUtf8(input);
        return false;
    }
    const Amount value = amountOf(*checked.amount);
    const FiguresReading figures = readFigures(input, ExtraDecimals::kRefuse);
    if (!figures.readable || figures.amount != value) {
        ADD_FAILURE() << "the figures' rules read " << toUtf8(input) << " otherwise";
        return false;
    }
    return readsBack(input, value, literalText(*checked.amount), kWindowFormFindings)
        && readsBack(input, value, standardText(value), 0) && checked.noticeCount == 0;
}

// The standard form of any amount it can write, as qinghejian-convert
// --standard writes it and --read reads it.
bool standardRoundTrips(const Amount& value)
{
    return readsBack(figuresText(value), value, standardText(value), 0)
        && readsBack(figuresText(value), value, standardText(value, Prefix::kRenminbi), 0);
}

// A digit, about one in three a zero, as zeros are what the rules speak of.
std::uint64_t digit(qhj::testing::Random& random)
{
    const std::uint64_t r = random.below(15);
    return r < 6 ? 0 : r - 6;
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
    qhj::testing::Random random(88172645463325252ULL);
    for (int step = 0; step < 50000; ++step) {
        // Lengths from 0 to 12 and fractions of none to two digits.
        const std::uint64_t length = random.below(13);
        std::u16string input;
        for (std::uint64_t k = 0; k < length; ++k)
            input += static_cast<char16_t>(u'0' + digit(random));
        const std::uint64_t decimals = random.below(4);
        if (decimals > 0)
            input += u'.';
        for (std::uint64_t j = 1; j < decimals; ++j)
            input += static_cast<char16_t>(u'0' + random.below(10));
        if (input.empty() || input == u".")
            continue;
        ASSERT_TRUE(roundTrips(input));
    }
}

// Sixteen digits, zeros in runs that cross 万亿, 亿 and 万, and either sign.
TEST(RoundTripTest, StandardFormOverItsWholeRange)
{
    qhj::testing::Random random(2463534242ULL);
    for (int step = 0; step < 50000; ++step) {
        Amount value;
        const std::uint64_t length = random.below(17);
        for (std::uint64_t k = 0; k < length; ++k)
            value.yuan = value.yuan * 10 + digit(random);
        value.jiao = static_cast<int>(digit(random));
        value.fen = static_cast<int>(digit(random));
        const bool zero = value.yuan == 0 && value.jiao == 0 && value.fen == 0;
        value.negative = !zero && random.below(2) == 0;
        ASSERT_TRUE(standardRoundTrips(value));
    }
    ASSERT_TRUE(standardRoundTrips(Amount{9'999'999'999'999'999, 9, 9, true}));
    ASSERT_TRUE(standardRoundTrips(Amount{1'000'000'000'000'000, 0, 1, false}));
}

} // namespace
} // namespace qhj::conversion
