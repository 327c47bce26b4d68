#include "files/pgn_game_list.h"
#include "tests/files/pgn_text.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Listed(const QStringList& lines)
{
    return ListedGames(ListPgnGames(lines).games);
}

} // namespace

TEST(PgnGameList, DescribesEachGameFromItsTags)
{
    struct Case {
        const char* name;
        const char* pgn;
        std::vector<std::string> games;
    };
    const Case cases[] = {
        {"full tags",
            "[Event \"Casual Game\"]\n[Site \"London\"]\n[Date \"2003.05.17\"]\n[Round \"2\"]\n"
            "[White \"Smith\"]\n[Black \"Jones\"]\n[Result \"1-0\"]\n\n1. e4 1-0",
            {"1. Casual Game at London on 2003.05.17 round 2; Smith vs Jones 1-0 @0"}},
        {"unknown site and round",
            "[Event \"E\"]\n[Site \"?\"]\n[Round \"-\"]\n[Date \"????.??.??\"]\n"
            "[Round \"?\"]",
            {"1. E @0"}},
        {"year only", "[Event \"E\"]\n[Date \"2003.??.??\"]", {"1. E in 2003 @0"}},
        {"year and month", "[Event \"E\"]\n[Date \"2003.05.??\"]", {"1. E in 2003.05 @0"}},
        {"short date", "[Event \"E\"]\n[Date \"2003\"]", {"1. E in 2003 @0"}},
        {"tags in file order", "[Event \"E\"]\n[Black \"B\"]\n[White \"W\"]", {"1. E vs B; W @0"}},
        {"names ignore case", "[EVENT \"E\"]\n[site \"Here\"]", {"1. E at Here @0"}},
        // Every game gets an entry, so the list's numbers match the games
        // the loader counts.
        {"empty event", "[Event \"\"]\n1. e4 *\n[Event \"F\"]", {"1. ? @0", "2. F @2"}},
        {"three games",
            "[Event \"A\"]\n[White \"a\"]\n\n1. e4 *\n\n[Event \"B\"]\n1. d4 *\n[Event \"C\"]\n[Result "
            "\"*\"]",
            {"1. A; a @0", "2. B @5", "3. C * @7"}},
        {"two events in a row", "[Event \"A\"]\n[Event \"B\"]", {"1. A @0", "2. B @1"}},
        {"no text", "", {}},
        {"blank, escape and comment lines only", "\n  \t\n% note\n; about this file\n{1. e4}", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Listed(PgnLines(c.pgn)), c.games);
    }
}

TEST(PgnGameList, GamesWithoutAnEventTagAreListed)
{
    struct Case {
        const char* name;
        const char* pgn;
        std::vector<std::string> games;
    };
    const Case cases[] = {
        {"moves only", "\n1. e4 e5 2. Nf3 *\n", {"1. ? @1"}},
        {"moves before the first game", "1. e4 *\n\n[Event \"E\"]\n1. d4 *", {"1. ? @0", "2. E @2"}},
        {"result alone", "*", {"1. ? @0"}},
        {"remarks before the first game",
            "{ Annotated by\n  the club, 1. e4 fans }\n; remark\n[Event \"E\"]\n1. d4 *", {"1. E @3"}},
        {"comment then moves", "{Intro}\n1. e4 *", {"1. ? @0"}},
        {"tags without event", "[White \"W\"]\n[Black \"B\"]\n\n1. e4 *", {"1. ?; W vs B @0"}},
        {"event after other tags", "[White \"W\"]\n[Event \"E\"]\n1. e4 *", {"1. E; W @0"}},
        {"second game without event", "[Event \"E\"]\n1. e4 *\n[White \"W\"]\n1. d4 *",
            {"1. E @0", "2. ?; W @2"}},
        // A clock remark alone on a line is movetext, not a new game.
        {"bracket remark in moves", "[Event \"E\"]\n1. e4\n[%clk 0:05:00]\ne5 *", {"1. E @0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Listed(PgnLines(c.pgn)), c.games);
    }
}

// The movetext is read from the line after the Event tag, or from the
// start of a game that has none, so tags before the Event are not read as
// the end of the game.
TEST(PgnGameList, TellsWhereEachGamesMovesMayStart)
{
    const QStringList lines
        = PgnLines("1. e4 *\n[Event \"A\"]\n1. d4 *\n[White \"W\"]\n[Event \"B\"]\n1. c4 *\n[Black \"K\"]");
    QList<qsizetype> moves;
    for (const TPgnGameEntry& game : ListPgnGames(lines).games) {
        moves << game.moves;
    }
    EXPECT_EQ(moves, (QList<qsizetype> {0, 2, 5, 6}));
}

TEST(PgnGameList, ReportsProgressAndStopsWhenCancelled)
{
    QStringList lines;
    for (int game = 0; game < 100; ++game) {
        lines << QStringLiteral("[Event \"G%1\"]").arg(game) << QStringLiteral("1. e4 *");
    }
    std::atomic_bool cancel = false;
    QList<qsizetype> reported;
    TPgnListProgress progress;
    progress.every = 50;
    progress.cancel = &cancel;
    progress.report = [&reported](qsizetype done, qsizetype total) {
        EXPECT_EQ(total, 200);
        reported << done;
    };
    const TPgnGameList whole = ListPgnGames(lines, progress);
    EXPECT_FALSE(whole.cancelled);
    EXPECT_EQ(whole.games.size(), 100);
    EXPECT_EQ(reported, (QList<qsizetype> {50, 100, 150, 200}));

    progress.report = [&cancel](qsizetype done, qsizetype) { cancel = done >= 100; };
    const TPgnGameList part = ListPgnGames(lines, progress);
    EXPECT_TRUE(part.cancelled);
    EXPECT_EQ(part.games.size(), 50);
}
