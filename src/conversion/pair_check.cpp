#include "conversion/pair_check.h"

#include <bit>

namespace qhj::conversion {

std::u16string_view findingText(Finding finding)
{
    switch (finding) {
    case Finding::kCloseAfterFen:
        return u"金额有分时，分后不写整（正）字";
    case Finding::kNoCloseAtYuan:
        return u"金额到元为止时，元后应写整（正）字";
    case Finding::kNoZeroBetween:
        return u"数字中间有零时，应写零";
    case Finding::kNoZeroForJiao:
        return u"角位为零而分位不为零时，元后应写零";
    case Finding::kBareLeadingShi:
        return u"最高位是拾时，应写壹拾";
    }
    return {};
}

unsigned findingsOf(const Spelling& spelling)
{
    unsigned findings = 0;
    const auto note = [&findings](Finding finding) { findings |= static_cast<unsigned>(finding); };
    if (spelling.closedAfterFen)
        note(Finding::kCloseAfterFen);
    if (spelling.unclosedAtYuan)
        note(Finding::kNoCloseAtYuan);
    // A non-zero digit with a zero just above it, below the highest one,
    // stands under a run of zeros. The run may go without a 零 when its
    // lowest place is 亿, 万 or 元, that is when the digit stands at 仟万
    // (7), 仟 (3) or 角 (-1); otherwise it needs one, and under a zero 角
    // the rules name it apart.
    const unsigned nonZero = spelling.nonZeroPlaces;
    const unsigned underZeros = nonZero & ~(nonZero >> 1) & ~std::bit_floor(nonZero);
    constexpr unsigned kMayGoWithout = placeBit(7) | placeBit(3) | placeBit(-1);
    const unsigned unmarked = underZeros & ~kMayGoWithout & ~static_cast<unsigned>(spelling.zeroWrittenAbove);
    if (unmarked & placeBit(-2))
        note(Finding::kNoZeroForJiao);
    if (unmarked & ~static_cast<unsigned>(placeBit(-2)))
        note(Finding::kNoZeroBetween);
    if (spelling.bareLeadingShi)
        note(Finding::kBareLeadingShi);
    return findings;
}

PairCheck checkPair(std::u16string_view figures, std::u16string_view capitals, runtime::MessageBox& box)
{
    PairCheck check;
    const std::optional<CheckedAmount> checked = checkAmount(figures, box);
    if (!checked) {
        check.figuresUnreadable = true;
        return check;
    }
    check.figures = amountOf(*checked);
    const CapitalReading reading = readCapitals(capitals);
    if (!reading.readable) {
        check.position = reading.position;
        check.reason = reading.reason;
        return check;
    }
    check.capitals = reading.amount;
    if (check.capitals != check.figures) {
        check.verdict = Verdict::kDisagree;
        return check;
    }
    check.verdict = Verdict::kAgree;
    check.findings = findingsOf(reading.spelling);
    return check;
}

} // namespace qhj::conversion
