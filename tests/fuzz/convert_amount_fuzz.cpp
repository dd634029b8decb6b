// Feeds ConvertAmount arbitrary text and checks what must hold for any input:
// the result is empty or writes every digit typed and reads back to the
// input's value, and the notices come in one of the orders that can happen.
// The same text read as figures for the standard form must either give an
// amount whose standard form reads back to it and breaks no rule, or say
// where and why it cannot be read; what the window takes without a notice
// it must take too, at the same value. The same text read as capitals must
// either give a value in range that survives being written again, or say
// where and why it cannot be read.
#include "cli/utf8.h"
#include "conversion/capital_reader.h"
#include "conversion/figures.h"
#include "conversion/pair_check.h"
#include "conversion/standard_form.h"

#include "support/recording_runtime.h"
#include "window/convert_amount.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using qhj::conversion::ExtraDecimals;

// UTF-8 when the bytes are, so seeds stay readable; anything else is taken
// as UTF-16 code units two bytes at a time, which reaches every unit a
// paste can deliver, lone surrogates too.
std::u16string decode(const std::uint8_t* data, std::size_t size)
{
    std::u16string out;
    if (qhj::cli::decodeUtf8(std::string_view(reinterpret_cast<const char*>(data), size), out))
        return out;
    out.clear();
    for (std::size_t i = 0; i + 1 < size; i += 2)
        out += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    return out;
}

[[noreturn]] void fail(const char* what, const std::u16string& input)
{
    std::fprintf(stderr, "invariant broken: %s for input \"%s\"\n", what,
                 qhj::testing::toUtf8(input).c_str());
    std::abort();
}

using qhj::conversion::Amount;

constexpr unsigned kCloseAfterFen = static_cast<unsigned>(qhj::conversion::Finding::kCloseAfterFen);

int digit(char16_t c)
{
    return c >= u'０' ? c - u'０' : c - u'0';
}

// The value of digits that have passed the input rules, read here apart
// from the product's own reading of them.
Amount valueOf(std::u16string_view integer, std::u16string_view fraction)
{
    Amount amount;
    for (const char16_t c : integer)
        amount.yuan = amount.yuan * 10 + static_cast<std::uint64_t>(digit(c));
    amount.jiao = fraction.size() > 0 ? digit(fraction[0]) : 0;
    amount.fen = fraction.size() > 1 ? digit(fraction[1]) : 0;
    return amount;
}

// Any text, read as capitals: a readable one holds a value in range that
// its figures, written out again, give back; an unreadable one points into
// the text, or just past it.
void checkReader(const std::u16string& text)
{
    const qhj::conversion::CapitalReading reading = qhj::conversion::readCapitals(text);
    if (!reading.readable) {
        if (reading.position < 1 || reading.position > text.size() + 1 || reading.reason.empty())
            fail("an unreadable text without a position and a reason", text);
        return;
    }
    // Only the characters of amounts, of 人民币 and its colon, of 负, and
    // blanks.
    constexpr std::u16string_view kAmountCharacters =
        u"零壹贰貳叁叄參肆伍陆陸柒捌玖拾佰仟万萬亿億元圆圓角分整正人民币幣：:负負 \t\u3000\u00A0\uFEFF\r\n";
    if (std::u16string_view(text).find_first_not_of(kAmountCharacters) != std::u16string_view::npos)
        fail("a text with other characters is read", text);
    const Amount& a = reading.amount;
    if (a.yuan > 9'999'999'999'999'999ULL || a.jiao < 0 || a.jiao > 9 || a.fen < 0 || a.fen > 9)
        fail("a reading out of range", text);
    if (a.negative && a.yuan == 0 && a.jiao == 0 && a.fen == 0)
        fail("a negative zero", text);
    const qhj::conversion::PairCheck check =
        qhj::conversion::checkPair(qhj::conversion::figuresText(a), text);
    if (check.verdict != qhj::conversion::Verdict::kAgree)
        fail("a reading does not agree with its own figures", text);
    if (qhj::conversion::readCapitals(qhj::conversion::standardText(a)).amount != a)
        fail("a reading does not survive being written again", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string input = decode(data, size);
    qhj::testing::RecordingRuntime rt;
    const std::u16string result = qhj::window::ConvertAmount(input, rt);
    const auto& boxes = rt.boxes;

    const bool morePoints = boxes.size() == 1 && boxes[0] == qhj::testing::kMorePointsBox;
    const bool failed = !boxes.empty() && boxes.back() == qhj::testing::kFailureBox;
    const bool warned = !boxes.empty() && boxes.front() == qhj::testing::kWarningBox;
    const std::size_t expectedBoxes = (morePoints ? 1u : 0u) + (warned ? 1u : 0u) + (failed ? 1u : 0u);
    if (boxes.size() > 2 || boxes.size() != expectedBoxes)
        fail("notices out of order", input);
    if (result.empty() != (morePoints || failed))
        fail("an empty result without its notice, or a result after one", input);

    const std::size_t point = input.find(u'.');
    const bool manyPoints = point != std::u16string::npos
        && input.find(u'.', point + 1) != std::u16string::npos;
    if (manyPoints != morePoints)
        fail("the more-points notice does not match the points", input);

    const qhj::conversion::FiguresReading figures = qhj::conversion::readFigures(input, ExtraDecimals::kCut);
    if (figures.readable) {
        const std::u16string standard = qhj::conversion::standardText(figures.amount);
        const qhj::conversion::CapitalReading reading = qhj::conversion::readCapitals(standard);
        if (!reading.readable || reading.amount != figures.amount)
            fail("the standard form does not read back to the figures", input);
        const qhj::conversion::PairCheck check =
            qhj::conversion::checkPair(qhj::conversion::figuresText(figures.amount), standard);
        if (check.verdict != qhj::conversion::Verdict::kAgree || check.findings != 0)
            fail("the standard form breaks a rule", input);
    } else if (figures.position < 1 || figures.position > input.size() + 1 || figures.reason.empty()) {
        fail("unreadable figures without a position and a reason", input);
    }
    if (!result.empty() && boxes.empty() && (!figures.readable || figures.cut))
        fail("the figures' rules refuse what the window takes as it is", input);
    checkReader(input);
    if (result.empty())
        return 0;

    const std::u16string integer = input.substr(0, point);
    const std::u16string fraction = point == std::u16string::npos ? u"" : input.substr(point + 1);
    if (warned != (fraction.size() > 2))
        fail("the extra-decimals warning does not match the fraction", input);
    // The window's form: a digit and a unit for every place typed, then 整.
    if (result.size() != 2 * (integer.size() + std::min<std::size_t>(fraction.size(), 2)) + 1)
        fail("the window's form does not write every digit typed", input);
    const Amount typed = valueOf(integer, fraction);
    if (!warned && figures.amount != typed)
        fail("the figures' rules read another value than the window", input);
    const qhj::conversion::CapitalReading reading = qhj::conversion::readCapitals(result);
    if (!reading.readable || reading.amount != typed)
        fail("the window's form does not read back to the amount typed", input);
    const qhj::conversion::PairCheck check =
        qhj::conversion::checkPair(qhj::conversion::figuresText(typed), result);
    if (check.verdict != qhj::conversion::Verdict::kAgree || (check.findings & ~kCloseAfterFen) != 0)
        fail("the window's form breaks a rule it should keep", input);
    return 0;
}
