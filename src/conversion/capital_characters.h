// What each character means to the capitals reader: the capital digits,
// places and units in their simplified and traditional forms, and the
// everyday characters a careless writer puts in their place, which the
// reader names when it refuses them.
#pragma once

#include "conversion/standard_form.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace qhj::conversion::capitals {

// kOther first: a zeroed entry of the character table is a character that
// is none of the others.
enum class Kind : unsigned char {
    kOther,
    kDigit, // value: 0-9
    kPlace, // value: 1 拾, 2 佰, 3 仟
    kGroup, // value: 1 万, 2 亿
    kYuan,
    kJiao,
    kFen,
    kClose,
    kLowerDigit, // 一 二 两 … 〇, Arabic digits
    kLowerUnit,  // 十 百 千
    kMao,
    kLing,
};

struct Token {
    Kind kind = Kind::kOther;
    unsigned char value = 0;
};

// The characters of the reader, and the ASCII and full-width digits,
// looked up in two steps: the high byte of a code unit picks one of a few
// pages of 256 entries, and the low byte the entry. Page 0 is empty: every
// other character is kOther.
struct CharacterTable {
    std::array<unsigned char, 256> pageOf{};
    std::array<std::array<Token, 256>, 32> pages{};
};

extern const CharacterTable kTable;

// The length of 人民币 (or 人民幣) at the start of `text`, with a colon and
// blanks after it; 0 when the text does not start with it.
std::size_t renminbiPrefix(std::u16string_view text);

// 负, or 負.
constexpr bool isNegativeMark(char16_t c)
{
    return c == kNegative[0] || c == u'負';
}

// Why a character that is none of the capitals cannot be read: the
// everyday character it is, or that it is no character of an amount.
std::u16string_view refusal(Kind kind);

inline Token classify(char16_t c)
{
    return kTable.pages[kTable.pageOf[c >> 8]][c & 0xFF];
}

} // namespace qhj::conversion::capitals
