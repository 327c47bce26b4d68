#include "files/pgn_tags.h"

#include <gtest/gtest.h>

TEST(PgnTags, ReadsNameAndValueOfLinesAsWritten)
{
    struct Case {
        const char* name;
        const char16_t* line;
        bool tag;
        const char16_t* tagName;
        const char16_t* value;
    };
    const Case cases[] = {
        {"plain", u"[Event \"Casual Game\"]", true, u"Event", u"Casual Game"},
        {"padding and CR", u"  [Site \"London\"]\t\r", true, u"Site", u"London"},
        {"byte-order mark", u"\uFEFF[Event \"x\"]", true, u"Event", u"x"},
        {"odd spacing", u"[  Event    \"x\"  ]", true, u"Event", u"x"},
        {"tab after name", u"[Round\t\"2\"]", true, u"Round", u"2"},
        {"quote against name", u"[Event\"x\"]", true, u"Event", u"x"},
        {"value trimmed", u"[White \"  Smith \"]", true, u"White", u"Smith"},
        {"escaped quote", u"[Event \"The \\\"Big\\\" One\"]", true, u"Event", u"The \"Big\" One"},
        {"escaped backslash before closing quote", u"[Site \"C:\\\\\"]", true, u"Site", u"C:\\"},
        {"lone backslash is text", u"[Site \"a\\b\"]", true, u"Site", u"a\\b"},
        {"one quote", u"[Event \"x]", true, u"Event", u""},
        {"no quotes", u"[Event x]", true, u"Event", u""},
        {"not closed: no tag, the quotes still read", u"[Event \"x\"", false, u"", u"x"},
        {"moves", u"1. e4 e5", false, u"", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString line = QString::fromUtf16(c.line);
        EXPECT_EQ(IsTagLine(line), c.tag);
        EXPECT_EQ(TagName(line).toString(), QString::fromUtf16(c.tagName));
        EXPECT_EQ(TagValue(line), QString::fromUtf16(c.value));
    }
}

TEST(PgnTags, EventTagIsFoundIgnoringCase)
{
    EXPECT_TRUE(IsEventTag(u"[event \"x\"]"));
    EXPECT_TRUE(IsEventTag(u" [EVENT \"x\"]\r"));
    EXPECT_FALSE(IsEventTag(u"[EventDate \"2003.??.??\"]"));
    EXPECT_FALSE(IsEventTag(u"{ [Event \"x\"] }"));
    EXPECT_FALSE(IsNamedTag(u"[ \"x\"]", u""));
}

TEST(PgnTags, WrittenValuesReadBackUnchanged)
{
    const QString values[] = {
        QStringLiteral("Smith, J."),
        QStringLiteral("The \"Big\" One"),
        QStringLiteral("C:\\games\\"),
        QStringLiteral("\\\""),
        QString(),
    };
    for (const QString& value : values) {
        SCOPED_TRACE(value.toStdString());
        const QString line = TagLine(u"Event", value);
        EXPECT_TRUE(IsEventTag(line));
        EXPECT_EQ(TagValue(line), value);
    }
    EXPECT_EQ(TagLine(u"Site", u"a\"b\\c"), QStringLiteral("[Site \"a\\\"b\\\\c\"]"));
}
