#include "cli/utf8.h"

#include <gtest/gtest.h>

#include <cstring>

#include <string>
#include <vector>

namespace qhj::cli {
namespace {

bool decodes(std::string_view bytes)
{
    std::u16string out;
    return decodeUtf8(bytes, out);
}

bool validates(std::string_view bytes, std::size_t split)
{
    Utf8Validator v;
    v.feed(bytes.substr(0, split));
    v.feed(bytes.substr(split));
    return v.complete();
}

TEST(Utf8Test, DecodesEveryLength)
{
    std::u16string out;
    ASSERT_TRUE(decodeUtf8("12.5", out));
    EXPECT_EQ(out, u"12.5");
    ASSERT_TRUE(decodeUtf8("１２.５壹¥😀", out));
    EXPECT_EQ(out, u"１２.５壹¥😀");
    ASSERT_TRUE(decodeUtf8(std::string_view("a\0b", 3), out));
    EXPECT_EQ(out, std::u16string(u"a\0b", 3));
    ASSERT_TRUE(decodeUtf8("", out));
    EXPECT_EQ(out, u"");
}

TEST(Utf8Test, RefusesWhatIsNotUtf8)
{
    for (const char* bad : {"\x80",
                            "\xBF",
                            "1\xC0\x80",
                            "\xC1\xBF",
                            "\xC2",
                            "\xC2\x41",
                            "\xE0\x80\x80",
                            "\xE0\x9F\xBF",
                            "\xE4\xB8",
                            "\xED\xA0\x80",
                            "\xED\xBF\xBF",
                            "\xF0\x80\x80\x80",
                            "\xF0\x8F\xBF\xBF",
                            "\xF4\x90\x80\x80",
                            "\xF5\x80\x80\x80",
                            "\xF8\x88\x80\x80\x80",
                            "\xFE",
                            "\xFF",
                            "12\xFF.5",
                            "\xEF\xBC"}) {
        EXPECT_FALSE(decodes(bad)) << ::testing::PrintToString(std::string(bad));
        for (std::size_t split = 0; split <= std::strlen(bad); ++split)
            EXPECT_FALSE(validates(bad, split));
    }
    for (const char* good : {"\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80",
                             "\xEF\xBF\xBF", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"}) {
        EXPECT_TRUE(decodes(good)) << ::testing::PrintToString(std::string(good));
        for (std::size_t split = 0; split <= std::strlen(good); ++split)
            EXPECT_TRUE(validates(good, split));
    }
}

// The validator and the decoder agree on every one- and two-byte text and
// on every three- and four-byte text from a spread of bytes.
TEST(Utf8Test, ValidatorAgreesWithDecoder)
{
    std::vector<std::string> texts;
    for (int a = 0; a < 256; ++a) {
        texts.push_back(std::string(1, static_cast<char>(a)));
        for (int b = 0; b < 256; ++b)
            texts.push_back({static_cast<char>(a), static_cast<char>(b)});
    }
    const unsigned char spread[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xFF};
    for (int a = 0xC0; a < 256; ++a)
        for (const unsigned char b : spread)
            for (const unsigned char c : spread) {
                texts.push_back({static_cast<char>(a), static_cast<char>(b), static_cast<char>(c)});
                for (const unsigned char d : spread)
                    texts.push_back({static_cast<char>(a), static_cast<char>(b), static_cast<char>(c),
                                     static_cast<char>(d)});
            }
    for (const std::string& text : texts) {
        const bool decoded = decodes(text);
        for (std::size_t split = 0; split <= text.size(); ++split)
            ASSERT_EQ(validates(text, split), decoded) << ::testing::PrintToString(text);
    }
}

TEST(Utf8Test, EncodesAndMarksLoneSurrogates)
{
    std::string out;
    appendUtf8(u"壹拾元整😀a", out);
    EXPECT_EQ(out, "壹拾元整😀a");
    out.clear();
    appendUtf8(std::u16string{u'1', char16_t{0xD800}, u'2', char16_t{0xDC00}}, out);
    EXPECT_EQ(out,
              "1\xEF\xBF\xBD"
              "2\xEF\xBF\xBD");
    std::u16string back;
    ASSERT_TRUE(decodeUtf8("１２.５壹¥😀", back));
    out.clear();
    appendUtf8(back, out);
    EXPECT_EQ(out, "１２.５壹¥😀");
}

TEST(Utf8Test, WholeCharactersDropsACutCharacter)
{
    EXPECT_EQ(wholeCharacters(""), "");
    EXPECT_EQ(wholeCharacters("12"), "12");
    EXPECT_EQ(wholeCharacters("1壹"), "1壹");
    EXPECT_EQ(wholeCharacters("1\xE5\xA3"), "1");
    EXPECT_EQ(wholeCharacters("1\xE5"), "1");
    EXPECT_EQ(wholeCharacters("1\xF0\x9F\x98"), "1");
    EXPECT_EQ(wholeCharacters("1😀"), "1😀");
}

} // namespace
} // namespace qhj::cli
