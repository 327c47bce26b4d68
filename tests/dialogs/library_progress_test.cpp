#include <QProgressDialog>

#include "dialogs/library_progress.h"
#include "files/pgn_game_list.h"

#include <gtest/gtest.h>

namespace {

// A library of many short games, far more lines than one progress step.
QStringList Library(int games)
{
    QStringList lines;
    for (int game = 1; game <= games; ++game) {
        lines << QStringLiteral("[Event \"Game %1\"]").arg(game) << QStringLiteral("[Site \"?\"]")
              << QStringLiteral("[White \"Smith\"]") << QStringLiteral("[Black \"Jones\"]")
              << QStringLiteral("[Result \"1-0\"]") << QString() << QStringLiteral("1. e4 e5 2. Nf3 1-0")
              << QString();
    }
    return lines;
}

bool SameGames(const QList<TPgnGameEntry>& a, const QList<TPgnGameEntry>& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].text != b[i].text || a[i].line != b[i].line || a[i].moves != b[i].moves) {
            return false;
        }
    }
    return true;
}

TEST(LibraryProgress, SameListAsTheDirectScan)
{
    const QStringList lines = Library(20000);
    const TPgnGameList expected = ListPgnGames(lines);
    const TPgnGameList listed = ListGamesShowingProgress(nullptr, lines);
    EXPECT_FALSE(listed.cancelled);
    EXPECT_EQ(listed.games.size(), 20000);
    EXPECT_TRUE(SameGames(listed.games, expected.games));

    EXPECT_TRUE(ListGamesShowingProgress(nullptr, {}).games.isEmpty());
}

TEST(LibraryProgress, CancelStopsWithTheGamesFoundSoFar)
{
    const QStringList lines = Library(20000);
    for (const bool bySignal : {false, true}) {
        SCOPED_TRACE(bySignal ? "Cancel button" : "cancel slot");
        SetLibraryProgressHook([bySignal](QProgressDialog& dialog) {
            if (bySignal) {
                emit dialog.canceled();
            } else {
                dialog.cancel();
            }
        });
        const TPgnGameList listed = ListGamesShowingProgress(nullptr, lines);
        SetLibraryProgressHook({});
        EXPECT_TRUE(listed.cancelled);
        ASSERT_LT(listed.games.size(), 20000);
        const TPgnGameList all = ListPgnGames(lines);
        // The last game found may still be open, so only those before it
        // must match the full list.
        ASSERT_GT(listed.games.size(), 1);
        EXPECT_TRUE(
            SameGames(listed.games.first(listed.games.size() - 1), all.games.first(listed.games.size() - 1)));
    }
}

} // namespace
