// Any text, as lines, must list its games in order with lines inside the
// text, and the movetext of each listed game must end, within the game,
// having handed out no empty token.
#include <QString>
#include <QStringList>

#include "files/pgn_game_list.h"
#include "files/pgn_movetext.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool ok)
{
    if (!ok) {
        std::abort();
    }
}

void ReadGame(const QStringList& lines, qsizetype first, qsizetype end)
{
    TPgnMovetextScanner scanner(lines, first, end);
    // Each token takes at least one character or line, so a text of n
    // characters gives fewer than n + lines tokens before its end.
    qsizetype budget = lines.size() + 1;
    for (const QString& line : lines) {
        budget += line.size();
    }
    for (;; --budget) {
        Check(budget >= 0);
        const TPgnToken token = scanner.Next();
        if (token.kind == TPgnTokenKind::End) {
            Check(token.line >= first && token.line <= end);
            Check(scanner.Next().kind == TPgnTokenKind::End);
            return;
        }
        Check(!token.text.isEmpty());
        Check(token.line >= first && token.line < end);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = text.split(u'\n');
    const TPgnGameList list = ListPgnGames(lines);
    Check(!list.cancelled);
    qsizetype previous = -1;
    for (qsizetype i = 0; i < list.games.size(); ++i) {
        const TPgnGameEntry& game = list.games[i];
        const qsizetype end = i + 1 < list.games.size() ? list.games[i + 1].line : lines.size();
        Check(game.line > previous && game.line < lines.size());
        Check(game.moves >= game.line && game.moves <= end);
        Check(game.text.startsWith(QString::number(i + 1) + QStringLiteral(". ")));
        previous = game.line;
        ReadGame(lines, game.moves, end);
    }
    // A reader may also start anywhere.
    if (!lines.isEmpty()) {
        ReadGame(lines, size % lines.size(), lines.size());
    }
    return 0;
}
