#include "support/eight_bit_text.h"

#include <gtest/gtest.h>

namespace {

TEST(EightBitText, UpperControlRangeIsTheCodePagesPrintableCharacters)
{
    const struct {
        const char* bytes;
        const char16_t* text;
    } cases[] = {
        {"K\xF6nig", u"König"},
        {"\x80 5", u"€ 5"},
        {"\x93Zug\x94 \x96 \x85", u"“Zug” – …"},
        {"\x8A\x9F", u"ŠŸ"},
        {"\x81\x8D\x8F\x90\x9D", u"\u0081\u008D\u008F\u0090\u009D"},
        {"\xFF", u"ÿ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(DecodeEightBitText(QByteArrayView(c.bytes)), QString::fromUtf16(c.text));
    }
}

TEST(EightBitText, Utf8WinsWhenTheBytesAreValidUtf8)
{
    const struct {
        const char* bytes;
        const char16_t* text;
    } cases[] = {
        {"K\xC3\xB6nig", u"König"},
        {"\xE2\x82\xAC", u"€"},
        {"K\xF6nig", u"König"}, // not UTF-8: the code page
        {"\xC3", u"Ã"}, // a cut-off UTF-8 sequence is not UTF-8
        {"", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(DecodeUtf8OrEightBit(QByteArrayView(c.bytes)), QString::fromUtf16(c.text));
    }
    // A byte-order mark is part of the value, not dropped.
    EXPECT_EQ(DecodeUtf8OrEightBit(QByteArrayView("\xEF\xBB\xBFx")), QString(QChar(0xFEFF)) + u'x');
}

} // namespace
