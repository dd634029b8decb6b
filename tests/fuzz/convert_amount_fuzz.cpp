// Feeds ConvertAmount arbitrary text and checks what must hold for any input:
// the result is empty or writes every digit typed and reads back to the
// input's value, and the notices come in one of the orders that can happen.
// convertAmountStandard gets the same text and must show the same notices,
// fail on the same inputs and otherwise give a text that reads back to the
// same value and breaks no rule. The same text read as capitals must either
// give a value in range that survives being written again, or say where and
// why it cannot be read.
#include "cli/utf8.h"
#include "conversion/amount_conversion.h"
#include "conversion/capital_reader.h"
#include "conversion/pair_check.h"
#include "conversion/standard_form.h"

#include "support/recording_runtime.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using qhj::conversion::ConvertAmount;
using qhj::conversion::kExtraDecimalsNotice;
using qhj::conversion::kFailureNotice;
using qhj::conversion::kMorePointsNotice;

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

struct WrittenForm {
    std::u16string_view text;
    unsigned allowedFindings;
};

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
    // Only the characters of amounts, after an optional 人民币.
    constexpr std::u16string_view kAmountCharacters =
        u"零壹贰貳叁參肆伍陆陸柒捌玖拾佰仟万萬亿億元圆圓角分整正";
    const std::u16string_view body = text.starts_with(u"人民币") ? std::u16string_view(text).substr(3) : text;
    if (body.find_first_not_of(kAmountCharacters) != std::u16string_view::npos)
        fail("a text with other characters is read", text);
    const Amount& a = reading.amount;
    if (a.yuan > 999'999'999'999ULL || a.jiao < 0 || a.jiao > 9 || a.fen < 0 || a.fen > 9)
        fail("a reading out of range", text);
    const std::string digits = std::to_string(a.yuan) + "." + std::to_string(a.jiao) + std::to_string(a.fen);
    const std::u16string figures(digits.begin(), digits.end());
    qhj::testing::RecordingRuntime rt;
    const qhj::conversion::PairCheck check = qhj::conversion::checkPair(figures, text, rt);
    if (check.verdict != qhj::conversion::Verdict::kAgree)
        fail("a reading does not agree with its own figures", text);
    if (qhj::conversion::readCapitals(qhj::conversion::convertAmountStandard(figures, rt)).amount != a)
        fail("a reading does not survive being written again", text);
}

bool shows(const qhj::testing::ShownBox& box, const qhj::conversion::NoticeText& notice)
{
    return box.prompt == notice.prompt && box.style == notice.style
        && box.title == qhj::runtime::effectiveTitle(notice.title);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string input = decode(data, size);
    qhj::testing::RecordingRuntime rt;
    const std::u16string result = ConvertAmount(input, rt);
    const auto& boxes = rt.boxes;

    const bool morePoints = boxes.size() == 1 && shows(boxes[0], kMorePointsNotice);
    const bool failed = !boxes.empty() && shows(boxes.back(), kFailureNotice);
    const bool warned = !boxes.empty() && shows(boxes.front(), kExtraDecimalsNotice);
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

    qhj::testing::RecordingRuntime standardRt;
    const std::u16string standard = qhj::conversion::convertAmountStandard(input, standardRt);
    if (standardRt.boxes != boxes)
        fail("the standard form shows other notices", input);
    if (standard.empty() != result.empty())
        fail("the standard form fails on other inputs", input);
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
    const WrittenForm read[] = {{result, kCloseAfterFen}, {standard, 0}};
    for (const auto& [text, allowed] : read) {
        const qhj::conversion::CapitalReading reading = qhj::conversion::readCapitals(text);
        if (!reading.readable || reading.amount != typed)
            fail("a written form does not read back to the amount typed", input);
        qhj::testing::RecordingRuntime checkRt;
        const qhj::conversion::PairCheck check = qhj::conversion::checkPair(input, text, checkRt);
        if (check.verdict != qhj::conversion::Verdict::kAgree || (check.findings & ~allowed) != 0)
            fail("a written form breaks a rule it should keep", input);
    }
    return 0;
}
