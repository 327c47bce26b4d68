#include "files/key_lines.h"
#include "files/text_store.h"
#include "support/text_fields.h"
#include "text_printing.h"

#include <gtest/gtest.h>

namespace {

TEST(CutLine, CutsAtTheLastBlankThatFitsAndNeverSplitsAWord)
{
    struct Case {
        const char* name;
        QString text;
        int width;
        QString piece;
        QString rest;
    };
    const QString word100(100, u'w');
    const Case cases[] = {
        {"last blank within width + 1", "aaa bbb ccc", 5, "aaa", "bbb ccc"},
        {"no blank in reach: first word", "aaa bbb ccc", 2, "aaa", "bbb ccc"},
        {"one long word whole", word100, 71, word100, ""},
        {"long word then more", word100 + " x", 71, word100, "x"},
        {"fits: all of it, trimmed", "  a b  ", 3, "a b", ""},
        {"blank just past the width", "aaa bbb", 3, "aaa", "bbb"},
        {"runs of blanks trimmed", "aa   bb cc", 5, "aa", "bb cc"},
        {"several blanks in reach", "a b c d e", 6, "a b c", "d e"},
        {"negative width counts as 0", "ab cd", -3, "ab", "cd"},
        {"width 0", "x y", 0, "x", "y"},
        {"empty", "   ", 4, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString text = c.text;
        EXPECT_EQ(CutLine(text, c.width), c.piece);
        EXPECT_EQ(text, c.rest);
    }
}

TEST(KeyLines, EachKindIsWrittenAsItsKeyAndText)
{
    struct Case {
        const char* name;
        std::function<void(TTextStore&)> write;
        QStringList lines;
    };
    const Case cases[] = {
        {"string", [](TTextStore& s) { WriteKeyString(s, "Event", "Club: round 2"); },
            {"Event: Club: round 2"}},
        {"empty string left out", [](TTextStore& s) { WriteKeyString(s, "Event", ""); }, {}},
        {"number", [](TTextStore& s) { WriteKeyNumber(s, "Level", -12); }, {"Level: -12"}},
        {"real", [](TTextStore& s) { WriteKeyReal(s, "WhiteTime", 12.5); }, {"WhiteTime: 12.5"}},
        {"real to 15 digits", [](TTextStore& s) { WriteKeyReal(s, "T", 0.1 + 0.2); }, {"T: 0.3"}},
        {"whole real", [](TTextStore& s) { WriteKeyReal(s, "T", 300.0); }, {"T: 300"}},
        {"flag on", [](TTextStore& s) { WriteKeyFlag(s, "Sound", true); }, {"Sound: Y"}},
        {"flag off", [](TTextStore& s) { WriteKeyFlag(s, "Sound", false); }, {"Sound: N"}},
        {"named colour", [](TTextStore& s) { WriteKeyColour(s, "Light", clRed); }, {"Light: clRed"}},
        {"other colour", [](TTextStore& s) { WriteKeyColour(s, "Light", 0x123456); }, {"Light: $00123456"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TTextStore store;
        store.StoreBegin(QStringLiteral("x"));
        c.write(store);
        EXPECT_EQ(store.Lines(), c.lines);
    }
}

// Splits the line as the readers do and offers it to one matcher.
template <typename Value, typename Match> bool MatchLine(const QString& line, Match match, Value& value)
{
    QString rest = line;
    const QString word = NextToken(QStringLiteral(" "), rest);
    return match(word, rest, QStringLiteral("WhiteTime"), value);
}

TEST(KeyLines, TheWordMatchesItsKeyWithAColonInAnyCase)
{
    struct Case {
        QString line;
        bool matches;
    };
    const Case cases[] = {
        {"whitetime: 12.5", true},
        {"WHITETIME:12.5", false}, // the value must stand apart
        {"WhiteTime 12.5", false},
        {"WhiteTime:: 12.5", false},
        {"WhiteTimes: 12.5", false},
        {"WhiteTim: 12.5", false},
        {"WhiteTime:", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        QString value = QStringLiteral("old");
        EXPECT_EQ(MatchLine(c.line, MatchKeyString, value), c.matches);
        EXPECT_EQ(value == u"old", !c.matches);
    }
}

TEST(KeyLines, EachKindReadsItsValueOrItsFallback)
{
    const auto readInteger = [](const QString& line, int old) {
        MatchLine(line, MatchKeyInteger, old);
        return old;
    };
    EXPECT_EQ(readInteger("WhiteTime: -42", 7), -42);
    EXPECT_EQ(readInteger("WhiteTime: 4x", 7), 7);
    EXPECT_EQ(readInteger("WhiteTime:", 7), 7);
    EXPECT_EQ(readInteger("WhiteTime: 99999999999", 7), 7);

    const auto readReal = [](const QString& line) {
        double value = 5;
        MatchLine(line, MatchKeyReal, value);
        return value;
    };
    EXPECT_EQ(readReal("WhiteTime: 12.5"), 12.5);
    EXPECT_EQ(readReal("WhiteTime: 1e3"), 1000.0);
    EXPECT_EQ(readReal("WhiteTime: ten"), 0.0);
    EXPECT_EQ(readReal("WhiteTime: inf"), 0.0);
    EXPECT_EQ(readReal("WhiteTime: nan"), 0.0);

    const auto readChar = [](const QString& line) {
        QChar value = u'z';
        MatchLine(line, MatchKeyChar, value);
        return value;
    };
    EXPECT_EQ(readChar("WhiteTime: Qb"), u'Q');
    EXPECT_EQ(readChar("WhiteTime:"), u' ');

    const auto readFlag = [](const QString& line, bool old) {
        MatchLine(line, MatchKeyFlag, old);
        return old;
    };
    EXPECT_TRUE(readFlag("WhiteTime: y", false));
    EXPECT_FALSE(readFlag("WhiteTime: N", true));
    EXPECT_FALSE(readFlag("WhiteTime: Yes", true));
    EXPECT_FALSE(readFlag("WhiteTime:", true));

    const auto readColour = [](const QString& line) {
        TColour value = clTeal;
        MatchLine(line, MatchKeyColour, value);
        return value;
    };
    EXPECT_EQ(readColour("WhiteTime: clRed"), clRed);
    EXPECT_EQ(readColour("WhiteTime: $00123456"), TColour {0x123456});
    EXPECT_EQ(readColour("WhiteTime: 255, 128,0"), RgbColour(255, 128, 0));
    EXPECT_EQ(readColour("WhiteTime: 300,0,0"), RgbColour(44, 0, 0));
    EXPECT_EQ(readColour("WhiteTime: purple-ish"), clTeal);
}

TEST(KeyLines, WrittenValuesReadBack)
{
    TTextStore store;
    store.StoreBegin(QStringLiteral("x"));
    WriteKeyReal(store, QStringLiteral("WhiteTime"), 1234.56789012345);
    WriteKeyColour(store, QStringLiteral("WhiteTime"), 0x00ABCDEF);
    WriteKeyNumber(store, QStringLiteral("WhiteTime"), -2147483647 - 1);
    ASSERT_EQ(store.Lines().size(), 3);
    double real = 0;
    TColour colour = 0;
    int number = 0;
    EXPECT_TRUE(MatchLine(store.Lines()[0], MatchKeyReal, real));
    EXPECT_TRUE(MatchLine(store.Lines()[1], MatchKeyColour, colour));
    EXPECT_TRUE(MatchLine(store.Lines()[2], MatchKeyInteger, number));
    EXPECT_EQ(real, 1234.56789012345);
    EXPECT_EQ(colour, TColour {0x00ABCDEF});
    EXPECT_EQ(number, -2147483647 - 1);
}

TEST(WriteTag, WritesTheValueOrFallbackEscaped)
{
    struct Case {
        const char* name;
        QString value;
        QString fallback;
        QStringList lines;
    };
    const Case cases[] = {
        {"value", "Casual Game", "?", {"[Event \"Casual Game\"]"}},
        {"fallback", "", "?", {"[Event \"?\"]"}},
        {"neither", "", "", {}},
        {"quote escaped", "The \"Immortal\"", "", {R"([Event "The \"Immortal\""])"}},
        {"backslash escaped", R"(C:\games)", "", {R"([Event "C:\\games"])"}},
        {"fallback escaped too", "", "a\"b", {R"([Event "a\"b"])"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TTextStore store;
        store.StoreBegin(QStringLiteral("x"));
        WriteTag(store, QStringLiteral("Event"), c.value, c.fallback);
        EXPECT_EQ(store.Lines(), c.lines);
    }
}

} // namespace
