#include "conversion/capital_reader.h"

#include "support/recording_runtime.h"

#include <gtest/gtest.h>

#include <string>

namespace qhj::conversion {
namespace {

using qhj::testing::toUtf8;

struct Spelled {
    std::u16string_view text;
    Amount amount;
};

TEST(CapitalReaderTable, ReadsEverySpellingTheRulesAccept)
{
    const Spelled table[] = {
        // The window's literal form.
        {u"壹佰零拾零圆整", {100, 0, 0}},
        {u"零仟零佰壹拾贰圆整", {12, 0, 0}},
        {u"零角伍分整", {0, 0, 5}},
        {u"伍角整", {0, 5, 0}},
        {u"零圆伍角整", {0, 5, 0}},
        {u"壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整", {123456, 7, 8}},
        {u"壹亿零仟零佰零拾零万零仟零佰零拾零圆整", {100000000, 0, 0}},
        {u"玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖圆整", {999999999999, 0, 0}},
        // The payment rules' form, with the 零 they leave free.
        {u"壹仟陆佰捌拾元零叁角贰分", {1680, 3, 2}},
        {u"壹仟陆佰捌拾元叁角贰分", {1680, 3, 2}},
        {u"壹拾万柒仟元零伍角叁分", {107000, 5, 3}},
        {u"壹拾万零柒仟元伍角叁分", {107000, 5, 3}},
        {u"陆仟零柒元壹角肆分", {6007, 1, 4}},
        {u"壹万陆仟肆佰零玖元零贰分", {16409, 0, 2}},
        {u"壹亿零壹万元整", {100010000, 0, 0}},
        {u"壹仟亿零壹元整", {100000000001, 0, 0}},
        {u"零元整", {0, 0, 0}},
        {u"伍分", {0, 0, 5}},
        // 整 or 正, or nothing after 角; 元, 圆 or 圓; 人民币; traditional forms.
        {u"壹仟肆佰零玖元伍角整", {1409, 5, 0}},
        {u"壹仟肆佰零玖元伍角正", {1409, 5, 0}},
        {u"人民币壹仟肆佰零玖元伍角", {1409, 5, 0}},
        {u"壹佰圆正", {100, 0, 0}},
        {u"貳萬參仟陸佰圓整", {23600, 0, 0}},
        {u"壹億元整", {100000000, 0, 0}},
        // Plain in value, though the rules say otherwise.
        {u"壹仟肆佰玖元", {1409, 0, 0}},
        {u"拾元整", {10, 0, 0}},
        {u"拾万元整", {100000, 0, 0}},
        {u"壹佰元贰角伍分整", {100, 2, 5}},
        {u"壹佰元", {100, 0, 0}},
        // As people write them: 叄, 人民币 and its colon, blanks, 负, and
        // amounts up to 仟万亿.
        {u"叄佰元整", {300, 0, 0}},
        {u"人民币：壹佰元整", {100, 0, 0}},
        {u"人民幣: 壹佰元整", {100, 0, 0}},
        {u" \t壹佰元整\u3000", {100, 0, 0}},
        {u"负壹仟肆佰零玖元伍角整", {1409, 5, 0, true}},
        {u"人民币负壹角整", {0, 1, 0, true}},
        {u"負零元整", {0, 0, 0}},
        {u"壹万亿元整", {1'000'000'000'000, 0, 0}},
        {u"壹万零玖拾捌亿柒仟陆佰伍拾肆万叁仟贰佰壹拾元整", {1'009'876'543'210, 0, 0}},
        {u"玖仟玖佰玖拾玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分",
         {9'999'999'999'999'999, 9, 9}},
        {u"壹仟万零壹亿元整", {1'000'000'100'000'000, 0, 0}},
    };
    for (const Spelled& s : table) {
        const CapitalReading reading = readCapitals(s.text);
        ASSERT_TRUE(reading.readable)
            << toUtf8(s.text) << ": " << reading.position << " " << toUtf8(reading.reason);
        EXPECT_EQ(reading.amount, s.amount) << toUtf8(s.text);
    }
}

struct Refused {
    std::u16string_view text;
    std::size_t position;
    std::u16string_view reason;
};

TEST(CapitalReaderTable, NamesWhereAndWhyATextCannotBeRead)
{
    const Refused table[] = {
        {u"一百元整", 1, u"不是大写数字"},
        {u"两佰元整", 1, u"不是大写数字"},
        {u"贰〇元整", 2, u"不是大写数字"},
        {u"1佰元整", 1, u"不是大写数字"},
        {u"１佰元整", 1, u"不是大写数字"},
        {u"壹十元整", 2, u"不是大写单位"},
        {u"壹百元整", 2, u"不是大写单位"},
        {u"壹千元整", 2, u"不是大写单位"},
        {u"壹元伍毛", 4, u"应写“角”，不写“毛”"},
        {u"壹佰另伍元整", 3, u"应写“零”，不写“另”"},
        {u"壹佰壹佰元整", 4, u"单位重复或次序不对"},
        {u"壹拾壹佰元整", 4, u"单位重复或次序不对"},
        {u"壹亿壹亿元整", 4, u"单位重复或次序不对"},
        {u"壹元壹元", 4, u"单位重复或次序不对"},
        {u"伍分伍角", 4, u"单位重复或次序不对"},
        {u"壹佰伍", 3, u"数字后缺少单位"},
        {u"壹佰伍陆元", 3, u"数字后缺少单位"},
        {u"壹佰元零整", 4, u"数字后缺少单位"},
        {u"元整", 1, u"单位前缺少数字"},
        {u"壹万佰元整", 3, u"单位前缺少数字"},
        {u"壹佰拾元整", 3, u"单位前缺少数字"},
        {u"壹万亿万亿元整", 4, u"单位前缺少数字"},
        {u"壹亿壹万亿元整", 5, u"单位重复或次序不对"},
        {u"负负壹元整", 2, u"不是金额用字"},
        {u"人壹元整", 1, u"不是金额用字"},
        {u"壹拾壹佰元整", 4, u"单位重复或次序不对"},
        {u"壹元角", 3, u"单位前缺少数字"},
        {u"壹元负", 3, u"不是金额用字"},
        {u"壹元整元", 4, u"“整”（“正”）字后还有文字"},
        {u"壹元正。", 4, u"“整”（“正”）字后还有文字"},
        {u"", 1, u"没有金额"},
        {u"整", 1, u"没有金额"},
        {u"人民币", 4, u"没有金额"},
        {u"人民币整", 4, u"没有金额"},
        {u"壹佰", 3, u"缺少“元”"},
        {u"壹佰伍角", 4, u"缺少“元”"},
        {u"壹佰整", 3, u"缺少“元”"},
        {u"壹元 伍角", 3, u"不是金额用字"},
        {u"壹元人民币", 3, u"不是金额用字"},
    };
    for (const Refused& r : table) {
        const CapitalReading reading = readCapitals(r.text);
        EXPECT_FALSE(reading.readable) << toUtf8(r.text);
        EXPECT_EQ(reading.position, r.position) << toUtf8(r.text);
        EXPECT_EQ(toUtf8(reading.reason), toUtf8(r.reason)) << toUtf8(r.text);
    }
}

} // namespace
} // namespace qhj::conversion
