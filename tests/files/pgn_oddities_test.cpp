#include "files/pgn_game_list.h"
#include "files/pgn_movetext.h"
#include "tests/files/pgn_text.h"

#include <gtest/gtest.h>

// PGN as it is found in the wild. Each row is a text, the games listed, and
// the tokens of its first game read from the line its moves may start on.
TEST(PgnOddities, RealWorldTextsListAndReadTheirMoves)
{
    struct Case {
        const char* name;
        const char* pgn;
        std::vector<std::string> games;
        const char* tokens;
    };
    const Case cases[] = {
        {"CRLF", "[Event \"E\"]\r\n[Site \"S\"]\r\n\r\n1. e4 {ok}\r\n1-0\r\n", {"1. E at S @0"},
            "# 1. e4 {ok} = 1-0 end@6"},
        {"byte-order mark", "\xEF\xBB\xBF[Event \"E\"]\n1.e4 *", {"1. E @0"}, "# 1. e4 = * end@2"},
        {"escape line", "[Event \"E\"]\n%e4 is not a move\n1. d4 *", {"1. E @0"}, "# 1. d4 = * end@3"},
        {"tabs and odd spacing", "\t[Event    \"E\"]\t\n[White\t\"W\"]\n1.\te4\t\te5", {"1. E; W @0"},
            "# 1. e4 e5 end@3"},
        {"comment across lines", "[Event \"E\"]\n1. e4 {a long\n  remark (with a variation)\nends} e5 *",
            {"1. E @0"}, "# 1. e4 {a long} {remark (with a variation)} {ends} e5 = * end@4"},
        {"nested variations across lines",
            "[Event \"E\"]\n1. e4 (1. d4 d5 (1... Nf6\n2. c4) 2. c4\n{a ) in braces}) e5 *", {"1. E @0"},
            "# 1. e4 e5 = * end@4"},
        {"brace opened in a variation closes on a later line",
            "[Event \"E\"]\n1. e4 (1. d4 {see\nwhy) it fails} d5) e5 *", {"1. E @0"}, "# 1. e4 e5 = * end@3"},
        {"glyphs", "[Event \"E\"]\n1. e4!? $1 e5 $2 2. Nf3 !! *", {"1. E @0"},
            "# 1. e4 e5 # 2. Nf3 = * end@2"},
        {"numbers glued to moves and to dots", "[Event \"E\"]\n1.e4 1...e5 2.Nf3 2... Nc6", {"1. E @0"},
            "# 1. e4 # 1... e5 # 2. Nf3 # 2... Nc6 end@2"},
        {"no tags at all", "1. e4 e5\n2. Nf3 1/2-1/2\n", {"1. ? @0"}, "# 1. e4 e5 # 2. Nf3 = 1/2-1/2 end@3"},
        {"escaped quotes in tags", "[Event \"The \\\"Open\\\"\"]\n[White \"O\\\\Brien\"]\n1. e4 *",
            {"1. The \"Open\"; O\\Brien @0"}, "# 1. e4 = * end@3"},
        {"moves on the Event's next line", "[Event \"E\"]\n1. e4 e5\n2. Nf3 *", {"1. E @0"},
            "# 1. e4 e5 # 2. Nf3 = * end@3"},
        // Tags after moves start a game even without an Event tag; the
        // first game's moves end there.
        {"next game without an Event tag", "[Event \"E\"]\n1. e4 *\n[White \"W\"]\n1. d4 *",
            {"1. E @0", "2. ?; W @2"}, "# 1. e4 = * end@2"},
        {"result then the next game", "[Event \"A\"]\n1. e4 1-0\n\n[Event \"B\"]\n1. d4 0-1",
            {"1. A @0", "2. B @3"}, "# 1. e4 = 1-0 end@3"},
        {"unterminated comment at the end", "[Event \"E\"]\n1. e4 {never\nclosed", {"1. E @0"},
            "# 1. e4 {never} {closed} end@3"},
        {"unterminated variation at the end", "[Event \"E\"]\n1. e4 (1. d4\n", {"1. E @0"}, "# 1. e4 end@3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList lines = PgnLines(c.pgn);
        const TPgnGameList list = ListPgnGames(lines);
        EXPECT_EQ(ListedGames(list.games), c.games);
        ASSERT_FALSE(list.games.isEmpty());
        const qsizetype end = list.games.size() > 1 ? list.games[1].line : -1;
        EXPECT_EQ(ScannedTokens(lines, list.games[0].moves, end), c.tokens);
    }
}
