#include "conversion/capital_characters.h"

#include "conversion/amount.h"

namespace qhj::conversion::capitals {

namespace {

struct Entry {
    char16_t c;
    Token token;
};

constexpr Entry kCharacters[] = {
    {u'零', {Kind::kDigit, 0}},   {u'壹', {Kind::kDigit, 1}},   {u'贰', {Kind::kDigit, 2}},
    {u'貳', {Kind::kDigit, 2}},   {u'叁', {Kind::kDigit, 3}},   {u'叄', {Kind::kDigit, 3}},
    {u'參', {Kind::kDigit, 3}},   {u'肆', {Kind::kDigit, 4}},   {u'伍', {Kind::kDigit, 5}},
    {u'陆', {Kind::kDigit, 6}},   {u'陸', {Kind::kDigit, 6}},   {u'柒', {Kind::kDigit, 7}},
    {u'捌', {Kind::kDigit, 8}},   {u'玖', {Kind::kDigit, 9}},   {u'拾', {Kind::kPlace, 1}},
    {u'佰', {Kind::kPlace, 2}},   {u'仟', {Kind::kPlace, 3}},   {u'万', {Kind::kGroup, 1}},
    {u'萬', {Kind::kGroup, 1}},   {u'亿', {Kind::kGroup, 2}},   {u'億', {Kind::kGroup, 2}},
    {u'元', {Kind::kYuan}},       {u'圆', {Kind::kYuan}},       {u'圓', {Kind::kYuan}},
    {u'角', {Kind::kJiao}},       {u'分', {Kind::kFen}},        {u'整', {Kind::kClose}},
    {u'正', {Kind::kClose}},      {u'一', {Kind::kLowerDigit}}, {u'二', {Kind::kLowerDigit}},
    {u'两', {Kind::kLowerDigit}}, {u'三', {Kind::kLowerDigit}}, {u'四', {Kind::kLowerDigit}},
    {u'五', {Kind::kLowerDigit}}, {u'六', {Kind::kLowerDigit}}, {u'七', {Kind::kLowerDigit}},
    {u'八', {Kind::kLowerDigit}}, {u'九', {Kind::kLowerDigit}}, {u'〇', {Kind::kLowerDigit}},
    {u'廿', {Kind::kLowerDigit}}, {u'卅', {Kind::kLowerDigit}}, {u'念', {Kind::kLowerDigit}},
    {u'十', {Kind::kLowerUnit}},  {u'百', {Kind::kLowerUnit}},  {u'千', {Kind::kLowerUnit}},
    {u'毛', {Kind::kMao}},        {u'另', {Kind::kLing}},
};

} // namespace

std::size_t renminbiPrefix(std::u16string_view text)
{
    const std::u16string_view name = kRenminbiText;
    if (text.size() < 3 || text[0] != name[0] || text[1] != name[1]
        || (text[2] != name[2] && text[2] != u'幣'))
        return 0;
    std::size_t i = 3;
    if (i < text.size() && (text[i] == u'：' || text[i] == u':'))
        ++i;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i;
}

std::u16string_view refusal(Kind kind)
{
    switch (kind) {
    case Kind::kLowerDigit:
        return u"不是大写数字";
    case Kind::kLowerUnit:
        return u"不是大写单位";
    case Kind::kMao:
        return u"应写“角”，不写“毛”";
    case Kind::kLing:
        return u"应写“零”，不写“另”";
    default:
        return u"不是金额用字";
    }
}

// Filled at compile time: no reading waits on it, whatever runs first.
constexpr CharacterTable kTable = [] {
    CharacterTable table;
    int used = 1;
    const auto put = [&table, &used](char16_t c, Token token) {
        const std::size_t high = c >> 8;
        if (table.pageOf[high] == 0)
            table.pageOf[high] = static_cast<unsigned char>(used++);
        table.pages.at(table.pageOf[high])[c & 0xFF] = token;
    };
    for (const Entry& entry : kCharacters)
        put(entry.c, entry.token);
    for (char16_t d = 0; d < 10; ++d) {
        put(static_cast<char16_t>(u'0' + d), {Kind::kLowerDigit});
        put(static_cast<char16_t>(u'０' + d), {Kind::kLowerDigit});
    }
    return table;
}();

} // namespace qhj::conversion::capitals
