// Game list speed: a PGN library of N made-up games, about thirty lines and
// 1.5 kB each as real files have them (sixteen tags, a blank line, flowed
// movetext with comments, a blank line), listed from its lines in memory.
// Items per second is lines per second.
#include <QString>
#include <QStringList>

#include "files/pgn_game_list.h"

#include <benchmark/benchmark.h>

namespace {

constexpr const char* Moves[] = {"e4", "e5", "Nf3", "Nc6", "Bb5", "a6", "Ba4", "Nf6", "O-O", "Be7", "Re1",
    "b5", "Bb3", "d6", "c3", "O-O", "h3", "Nb8", "d4", "Nbd7", "Nbd2", "Bb7", "Bc2", "Re8", "Nf1", "Bf8"};
constexpr int MoveCount = int(std::size(Moves));

void AddGame(QStringList& lines, int game)
{
    lines << QStringLiteral("[Event \"Club Championship %1\"]").arg(game % 50)
          << QStringLiteral("[Site \"Springfield\"]")
          << QStringLiteral("[Date \"2003.05.%1\"]").arg(10 + game % 20)
          << QStringLiteral("[Round \"%1\"]").arg(game % 9 + 1)
          << QStringLiteral("[White \"Player %1\"]").arg(game)
          << QStringLiteral("[Black \"Player %1\"]").arg(game + 1) << QStringLiteral("[Result \"1/2-1/2\"]")
          << QStringLiteral("[ECO \"C9%1\"]").arg(game % 10) << QStringLiteral("[WhiteElo \"2100\"]")
          << QStringLiteral("[BlackElo \"2050\"]") << QStringLiteral("[PlyCount \"130\"]")
          << QStringLiteral("[EventDate \"2003.05.10\"]") << QStringLiteral("[TimeControl \"40/7200:3600\"]")
          << QStringLiteral("[Opening \"Ruy Lopez, closed\"]")
          << QStringLiteral("[Annotator \"Club bulletin\"]") << QStringLiteral("[Termination \"normal\"]")
          << QString();
    QString line;
    for (int ply = 0; ply < 130; ++ply) {
        QString word = ply % 2 == 0 ? QString::number(ply / 2 + 1) + u'.' : QString();
        word += QString::fromLatin1(Moves[(ply + game) % MoveCount]);
        if (ply % 6 == 5) {
            word += QStringLiteral(" {a remark on this move, with a plan}");
        }
        if (line.size() + word.size() >= 79) {
            lines << line;
            line.clear();
        }
        line += line.isEmpty() ? word : u' ' + word;
    }
    lines << line + QStringLiteral(" 1/2-1/2") << QString();
}

QStringList Library(int games)
{
    QStringList lines;
    for (int game = 0; game < games; ++game) {
        AddGame(lines, game);
    }
    return lines;
}

void ListGames(benchmark::State& state)
{
    const QStringList lines = Library(int(state.range(0)));
    qsizetype characters = 0;
    for (const QString& line : lines) {
        characters += line.size() + 1;
    }
    qsizetype listed = 0;
    for (auto _ : state) {
        const TPgnGameList list = ListPgnGames(lines);
        listed = list.games.size();
        benchmark::DoNotOptimize(listed);
    }
    state.counters["games"] = double(listed);
    state.counters["lines"] = double(lines.size());
    state.counters["MB"] = double(characters) / 1e6;
    state.SetItemsProcessed(state.iterations() * lines.size());
}

} // namespace

BENCHMARK(ListGames)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
