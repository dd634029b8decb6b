// Feeds ConvertAmount arbitrary text and checks what must hold for any input:
// the result is empty or a well-formed capital amount that reads back to the
// input's digits, and the notices come in one of the orders that can happen.
// ConvertAmountStandard gets the same text and must show the same notices,
// fail on the same inputs and otherwise give the standard form of the same
// amount.
#include "cli/utf8.h"
#include "conversion/amount_conversion.h"
#include "conversion/standard_form.h"

#include "support/capital_reader.h"
#include "support/recording_runtime.h"
#include "support/standard_reader.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>
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
    const bool manyPoints = point != std::u16string::npos && input.find(u'.', point + 1) != std::u16string::npos;
    if (manyPoints != morePoints)
        fail("the more-points notice does not match the points", input);

    qhj::testing::RecordingRuntime standardRt;
    const std::u16string standard = qhj::conversion::ConvertAmountStandard(input, standardRt);
    if (standardRt.boxes != boxes)
        fail("the standard form shows other notices", input);
    if (standard.empty() != result.empty())
        fail("the standard form fails on other inputs", input);
    if (!standard.empty()) {
        const auto amount = qhj::testing::amountOf(input);
        if (!amount || qhj::testing::readStandardAmount(standard) != amount)
            fail("the standard form does not read back to the amount", input);
    }
    if (result.empty())
        return 0;

    const auto read = qhj::testing::readCapitalAmount(result);
    if (!read)
        fail("the result is not a positional capital amount", input);
    const std::u16string integer = input.substr(0, point);
    const std::u16string fraction = point == std::u16string::npos ? u"" : input.substr(point + 1);
    if (read->integerDigits != qhj::testing::asciiDigits(integer))
        fail("the integer digits do not read back", input);
    if (read->fractionDigits != qhj::testing::asciiDigits(fraction.substr(0, 2)))
        fail("the fraction digits do not read back", input);
    if (warned != (fraction.size() > 2))
        fail("the extra-decimals warning does not match the fraction", input);
    return 0;
}
