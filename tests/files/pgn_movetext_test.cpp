#include "files/pgn_movetext.h"
#include "tests/files/pgn_text.h"

#include <gtest/gtest.h>

// How single words and brackets of one line of movetext are read.
TEST(PgnMovetext, SplitsWordsByTheMovetextRules)
{
    struct Case {
        const char* name;
        const char* line;
        const char* tokens;
    };
    const Case cases[] = {
        {"numbers apart", "1. e4 e5 2. Nf3", "# 1. e4 e5 # 2. Nf3 end@1"},
        {"numbers glued", "1.e4 e5 2.Nf3", "# 1. e4 e5 # 2. Nf3 end@1"},
        {"black's number glued", "12...Nf6 13.O-O", "# 12... Nf6 # 13. O-O end@1"},
        {"black's number apart", "12... Nf6 12. ... Nf6", "# 12... Nf6 # 12. Nf6 end@1"},
        {"bare digits are left to the reader", "1 e4", "1 e4 end@1"},
        {"en passant ending stays", "5.exd6e.p. exd6 e.p. exd6ep", "# 5. exd6e.p. exd6 exd6ep end@1"},
        {"lone signs dropped", "e4 + ! ?? !? ch e5#", "e4 e5# end@1"},
        {"annotation suffixes dropped", "e4!? e5?! Nf3!! Nc6?? Bb5+! a6", "e4 e5 Nf3 Nc6 Bb5+ a6 end@1"},
        {"numeric glyphs", "e4 $1 e5$2 $14", "e4 e5 end@1"},
        {"results", "1-0 0-1 1/2-1/2 *", "= 1-0 = 0-1 = 1/2-1/2 = * end@1"},
        {"brace comments", "e4 {best by test} e5{ fine }Nf3 {}", "e4 {best by test} e5 {fine} Nf3 end@1"},
        {"semicolon comment ends the line", "e4 ; a (b) {c}", "e4 {a (b) {c}} end@1"},
        {"variation with braces holding parentheses", "e4 (e3 {a (b} (d4 d5)) e5", "e4 e5 end@1"},
        {"variation with semicolon", "e4 (e3 ; a ) b", "e4 end@1"},
        {"tags in movetext", "e4 [%clk 0:05:00] e5", "e4 e5 end@1"},
        {"stray closers", "e4 ) } ] e5", "e4 e5 end@1"},
        {"tabs", "1.\te4\te5", "# 1. e4 e5 end@1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ScannedTokens(PgnLines(c.line)), c.tokens);
    }
}

TEST(PgnMovetext, EndsAtTheNextGameOrTheLineGiven)
{
    const QStringList lines
        = PgnLines("[Event \"A\"]\n1. e4 *\n[White \"W\"]\n1. d4 *\n[event \"B\"]\n1. c4 *");
    // The line after the Event tag is read, and the other tags of a game are
    // passed over.
    EXPECT_EQ(ScannedTokens(lines, 1), "# 1. e4 = * # 1. d4 = * end@4");
    EXPECT_EQ(ScannedTokens(lines, 1, 2), "# 1. e4 = * end@2");
    EXPECT_EQ(ScannedTokens(lines, 5), "# 1. c4 = * end@6");
    EXPECT_EQ(ScannedTokens(lines, 4), "end@4");
    EXPECT_EQ(ScannedTokens(lines, 9), "end@6");

    TPgnMovetextScanner scanner(lines, 5);
    while (scanner.Next().kind != TPgnTokenKind::End) { }
    EXPECT_EQ(scanner.Next().kind, TPgnTokenKind::End);
}

TEST(PgnMovetext, TokensTellTheirLine)
{
    const QStringList lines = PgnLines("1. e4\n\n{a\nb} e5");
    TPgnMovetextScanner scanner(lines, 0);
    QList<qsizetype> seen;
    for (TPgnToken token = scanner.Next(); token.kind != TPgnTokenKind::End; token = scanner.Next()) {
        seen << token.line;
    }
    EXPECT_EQ(seen, (QList<qsizetype> {0, 0, 2, 3, 3}));
}
