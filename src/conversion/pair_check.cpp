#include "conversion/pair_check.h"

#include "conversion/figures.h"

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
    case Finding::kBlankAfterRenminbi:
        return u"大写金额应紧接“人民币”填写，不得留有空白";
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
    // lowest place is 万亿, 亿, 万 or 元, that is when the digit stands at
    // 仟亿 (11), 仟万 (7), 仟 (3) or 角 (-1); otherwise it needs one, and under a zero 角
    // the rules name it apart.
    const unsigned nonZero = spelling.nonZeroPlaces;
    const unsigned underZeros = nonZero & ~(nonZero >> 1) & ~std::bit_floor(nonZero);
    constexpr unsigned kMayGoWithout = placeBit(11) | placeBit(7) | placeBit(3) | placeBit(-1);
    const unsigned unmarked = underZeros & ~kMayGoWithout & ~static_cast<unsigned>(spelling.zeroWrittenAbove);
    if (unmarked & placeBit(-2))
        note(Finding::kNoZeroForJiao);
    if (unmarked & ~static_cast<unsigned>(placeBit(-2)))
        note(Finding::kNoZeroBetween);
    if (spelling.bareLeadingShi)
        note(Finding::kBareLeadingShi);
    if (spelling.blankAfterRenminbi)
        note(Finding::kBlankAfterRenminbi);
    return findings;
}

PairCheck checkPair(std::u16string_view figures, std::u16string_view capitals)
{
    PairCheck check;
    const FiguresReading read = readFigures(figures, ExtraDecimals::kRefuse);
    if (!read.readable) {
        check.figuresUnreadable = true;
        check.position = read.position;
        check.reason = read.reason;
        return check;
    }
    check.figures = read.amount;
    const CapitalReading reading = readCapitals(capitals);
    if (!reading.readable) {
        check.capitalsMissing = trimmedBlanks(capitals).empty();
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

void appendVerdict(const PairCheck& check, std::u16string& line)
{
    switch (check.verdict) {
    case Verdict::kAgree:
        line += u"一致";
        for (const Finding finding : kAllFindings) {
            if (check.findings == 0)
                break;
            if (check.findings & static_cast<unsigned>(finding)) {
                line += u"；";
                line += findingText(finding);
            }
        }
        break;
    case Verdict::kDisagree:
        line += u"不一致；小写为";
        appendFigures(check.figures, line);
        line += u"，大写为";
        appendFigures(check.capitals, line);
        break;
    case Verdict::kUnreadable:
        line += kUnreadableVerdict;
        if (check.capitalsMissing && !check.figuresUnreadable) {
            line += u"缺少大写金额";
            break;
        }
        line += check.figuresUnreadable ? u"小写" : u"大写";
        line += positionText(check.position);
        line += check.reason;
        break;
    }
}

std::u16string verdictLine(const PairCheck& check)
{
    std::u16string line;
    appendVerdict(check, line);
    return line;
}

} // namespace qhj::conversion
