#include "runtime/text_selection.h"

#include <gtest/gtest.h>

#include <string>

namespace qhj::runtime {
namespace {

struct Case {
    std::u16string_view text;
    std::size_t selStart;
    std::size_t selLength;
    Selection selection;
    std::u16string_view selText;
};

TEST(TextSelectionTest, SelStartThenSelLengthStayInsideTheText)
{
    const Case cases[] = {
        {u"壹圆整", 0, 3, {0, 3}, u"壹圆整"},
        {u"壹圆整", 1, 1, {1, 1}, u"圆"},
        {u"壹圆整", 1, 10, {1, 2}, u"圆整"},
        {u"壹圆整", 9, 2, {3, 0}, u""},
        {u"", 0, 5, {0, 0}, u""},
        {u"a😀b", 1, 2, {1, 2}, u"😀"},
    };
    for (const Case& c : cases) {
        const Selection caret = selStartTo(c.selStart, c.text.size());
        EXPECT_EQ(caret.length, 0u);
        const Selection selection = selLengthTo(caret.start, c.selLength, c.text.size());
        EXPECT_EQ(selection, c.selection) << c.selStart << "+" << c.selLength;
        EXPECT_EQ(std::u16string(selectedText(c.text, selection)), std::u16string(c.selText));
    }
    // A selection made for a longer text is cut to the text it reads.
    EXPECT_EQ(std::u16string(selectedText(u"壹圆", {1, 5})), u"圆");
}

} // namespace
} // namespace qhj::runtime
