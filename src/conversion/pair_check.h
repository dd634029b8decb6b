// Checks the two ways a cheque or an invoice states its amount, in figures
// and in capitals: whether they say the same, and, when they do, which of
// the payment rules' requirements the capitals break.
#pragma once

#include "conversion/amount.h"
#include "conversion/capital_reader.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qhj::conversion {

enum class Verdict { kAgree, kDisagree, kUnreadable };

// How the line of a verdict that cannot be given starts, before the reason.
inline constexpr std::u16string_view kUnreadableVerdict = u"无法识别；";

// A requirement of the rules that readable capitals can break.
enum class Finding : unsigned {
    kCloseAfterFen = 1u << 0,      // 整 or 正 after 分
    kNoCloseAtYuan = 1u << 1,      // nothing after 元 when the amount ends there
    kNoZeroBetween = 1u << 2,      // no 零 for zeros between non-zero digits
    kNoZeroForJiao = 1u << 3,      // no 零 after 元 for a zero 角 before a 分
    kBareLeadingShi = 1u << 4,     // 拾 first, without 壹
    kBlankAfterRenminbi = 1u << 5, // a blank between 人民币 and the amount
};

// Every finding, in the order they are reported.
inline constexpr std::array<Finding, 6> kAllFindings = {
    Finding::kCloseAfterFen, Finding::kNoCloseAtYuan,  Finding::kNoZeroBetween,
    Finding::kNoZeroForJiao, Finding::kBareLeadingShi, Finding::kBlankAfterRenminbi,
};

// The finding as one short line of Chinese.
std::u16string_view findingText(Finding finding);

// The findings of a readable spelling, as a set of Finding bits. What the
// rules leave free is no finding: the optional 零, 元 or 圆, traditional
// forms, a missing 人民币, and the window's 零拾 and 零佰.
unsigned findingsOf(const Spelling& spelling);

struct PairCheck {
    Verdict verdict = Verdict::kUnreadable;
    Amount figures;
    Amount capitals;
    unsigned findings = 0; // of the capitals, when they agree
    // When unreadable: which side, where in it (1-based) and why. The
    // figures are looked at first.
    bool figuresUnreadable = false;
    bool capitalsMissing = false; // nothing but blanks where they should be
    std::size_t position = 0;
    std::u16string_view reason;
};

// Reads `figures` with readFigures, refusing decimals after 分, and
// `capitals` with readCapitals. The two agree when they say the same amount
// with the same sign.
PairCheck checkPair(std::u16string_view figures, std::u16string_view capitals);

// The verdict as one line of text, as qinghejian-convert --check prints it:
//  - 一致, and after each "；" a rule the capitals break;
//  - 不一致；小写为1409.50，大写为1490.50;
//  - 无法识别；小写第K个字符：… or 大写第K个字符：…, or 无法识别；缺少大写金额.
std::u16string verdictLine(const PairCheck& check);
// The same, appended to `line`, for a caller that reuses one buffer.
void appendVerdict(const PairCheck& check, std::u16string& line);

// Whether a pair came out as it should: agreeing, and breaking no rule.
inline bool passes(const PairCheck& check)
{
    return check.verdict == Verdict::kAgree && check.findings == 0;
}

} // namespace qhj::conversion
