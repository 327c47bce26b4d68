#include "support/text_fields.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* separator;
    const char* text;
    const char* field;
    const char* rest;
};

TEST(TextHelpers, NextTokenTakesTheFieldBeforeTheFirstSeparator)
{
    const SplitCase cases[] = {
        {"|", "  A | b|c  ", "A", "b|c"},
        {"|", "abc", "abc", ""},
        {"|", "|x", "", "x"},
        {"|", "", "", ""},
        {",", " 255, 128,0", "255", "128,0"},
        {"\t", "C20\tKing's pawn\te4 e5", "C20", "King's pawn\te4 e5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(NextToken(QString::fromUtf8(c.separator), text), QString::fromUtf8(c.field));
        EXPECT_EQ(text, QString::fromUtf8(c.rest));
    }
}

TEST(TextHelpers, LastTokenTakesTheFieldAfterTheLastSeparator)
{
    const SplitCase cases[] = {
        {".", "a.b.c", "c", "a.b"},
        {".", " a . b ", "b", "a"},
        {".", "abc", "abc", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(LastToken(QString::fromUtf8(c.separator), text), QString::fromUtf8(c.field));
        EXPECT_EQ(text, QString::fromUtf8(c.rest));
    }
}

TEST(TextHelpers, FirstWordTrimsAndStopsAtTheSeparator)
{
    EXPECT_EQ(FirstWord(QStringLiteral(" "), QStringLiteral("  Spanish European ")), u"Spanish");
    EXPECT_EQ(FirstWord(QStringLiteral(" "), QStringLiteral(" English ")), u"English");
    EXPECT_EQ(FirstWord(QStringLiteral("]"), QStringLiteral("[Tag ] x")), u"[Tag");
}

TEST(TextHelpers, PositionsAreOneBasedWithZeroForNotFound)
{
    EXPECT_EQ(LastPos(QStringLiteral("."), QStringLiteral("a.b.c")), 4);
    EXPECT_EQ(LastPos(QStringLiteral("x"), QStringLiteral("a.b.c")), 0);
    EXPECT_EQ(PosAfter(QStringLiteral("."), QStringLiteral("a.b.c"), 2), 4);
    EXPECT_EQ(PosAfter(QStringLiteral("."), QStringLiteral("a.b.c"), 1), 2);
    EXPECT_EQ(PosAfter(QStringLiteral("."), QStringLiteral("a.b.c"), 4), 0);
    EXPECT_EQ(PosAfter(QStringLiteral("."), QStringLiteral("a.b.c"), 99), 0);
}

TEST(TextHelpers, CaseHelpers)
{
    EXPECT_EQ(TitleCase(QStringLiteral("std xtra LARGE")), u"Std Xtra Large");
    EXPECT_EQ(LowerLetter('Q'), 'q');
    EXPECT_EQ(LowerLetter('q'), 'q');
    EXPECT_EQ(LowerLetter('['), '[');
    EXPECT_EQ(LowerLetter('@'), '@');
}

TEST(TextHelpers, QuotedTextNeedsTwoQuotes)
{
    EXPECT_EQ(QuotedText(QStringLiteral("[Event \" Club match \"]")), u"Club match");
    EXPECT_EQ(QuotedText(QStringLiteral("[Event \"open")), u"");
    EXPECT_EQ(QuotedText(QStringLiteral("\"\"")), u"");
}

TEST(TextHelpers, IsTagLineComparesTheFirstWordIgnoringCase)
{
    EXPECT_TRUE(IsTagLine(QStringLiteral("[Event \"x\"]"), QStringLiteral("Event")));
    EXPECT_TRUE(IsTagLine(QStringLiteral("[event \"x\"]"), QStringLiteral("Event")));
    EXPECT_FALSE(IsTagLine(QStringLiteral("[Event]"), QStringLiteral("Event")));
    EXPECT_FALSE(IsTagLine(QStringLiteral("[Site \"x\"]"), QStringLiteral("Event")));
    EXPECT_FALSE(IsTagLine(QStringLiteral("Event \"x\""), QStringLiteral("Event")));
}

TEST(TextHelpers, FindClosingParenthesisSkipsCommentsAndCarriesDepth)
{
    int depth = 1;
    EXPECT_EQ(FindClosingParenthesis(QStringLiteral("a {c) d} e) f"), depth), 11);

    depth = 1;
    EXPECT_EQ(FindClosingParenthesis(QStringLiteral("a (b) c"), depth), 0);
    EXPECT_EQ(depth, 1);

    // A variation nested over two lines: the depth carries to the next line.
    depth = 1;
    EXPECT_EQ(FindClosingParenthesis(QStringLiteral("e4 (d4 (c4"), depth), 0);
    EXPECT_EQ(depth, 3);
    EXPECT_EQ(FindClosingParenthesis(QStringLiteral("c5) d5) e5) f4"), depth), 11);
}

TEST(TextHelpers, SplitMoveNumber)
{
    const struct {
        const char* text;
        const char* number;
        const char* rest;
    } cases[] = {
        {"12.e4 e5", "12.", "e4 e5"},
        {"12...Nf6", "12...", "Nf6"},
        {"12. e4", "12.", "e4"},
        {"e4 e5", "e4", "e5"},
        {".e4 x", ".e4", "x"},
        // The dot of an e.p. mark is not the number's dot; the next one is.
        {"exd6e.p.+ Kf7", "exd6e.p.", "+ Kf7"},
        {"exd6E.P Kf7", "exd6E.P", "Kf7"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(SplitMoveNumber(text), QString::fromUtf8(c.number));
        EXPECT_EQ(text, QString::fromUtf8(c.rest));
    }
}

TEST(TextHelpers, SplitLeadingDigits)
{
    QString text = QStringLiteral("$14 xyz");
    EXPECT_EQ(SplitLeadingDigits(text), u"$14");
    EXPECT_EQ(text, u"xyz");
    text = QStringLiteral("!? x");
    EXPECT_EQ(SplitLeadingDigits(text), u"!");
    EXPECT_EQ(text, u"? x");
    text.clear();
    EXPECT_EQ(SplitLeadingDigits(text), u"");
}

TEST(TextHelpers, SwitchLetter)
{
    const struct {
        const char* argument;
        char letter;
        const char* rest;
    } cases[] = {
        {"/S", 'S', ""},
        {"-s", 'S', ""},
        {"S", 'S', ""},
        {"a", 'A', ""},
        {"-B48", 'B', "48"},
        {"x", 0, "x"},
        {"game.pgn", 0, "game.pgn"},
        {"-", 0, "-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        QString argument = QString::fromUtf8(c.argument);
        EXPECT_EQ(SwitchLetter(argument), QChar::fromLatin1(c.letter));
        EXPECT_EQ(argument, QString::fromUtf8(c.rest));
    }
}

} // namespace
