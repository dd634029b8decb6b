// Feeds ConvertAmount arbitrary text and checks what must hold for any input:
// the result is empty or a well-formed capital amount that reads back to the
// input's digits, and the notices come in one of the orders that can happen.
// ConvertAmountStandard gets the same text and must show the same notices,
// fail on the same inputs and otherwise give the standard form of the same
// amount.
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

// UTF-8 as far as it is valid, so seeds stay readable; each invalid byte
// becomes a lone surrogate, which is something a paste can deliver too.
std::u16string decode(const std::uint8_t* data, std::size_t size)
{
    std::u16string out;
    std::size_t i = 0;
    while (i < size) {
        const std::uint8_t b = data[i];
        std::size_t length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        char32_t c = length == 1 ? b : length == 2 ? (b & 0x1Fu) : length == 3 ? (b & 0x0Fu) : (b & 0x07u);
        bool valid = length != 0 && i + length <= size;
        for (std::size_t k = 1; valid && k < length; ++k) {
            valid = (data[i + k] & 0xC0) == 0x80;
            c = (c << 6) | (data[i + k] & 0x3Fu);
        }
        if (!valid || c > 0x10FFFF) {
            out += static_cast<char16_t>(0xDC00 + b);
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i += length;
    }
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
