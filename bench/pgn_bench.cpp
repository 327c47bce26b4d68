// Loading a whole PGN library the way the window opens a game: the file
// through the text store, the game list, then every game in turn entered
// into the game record as if played. Prints one line:
//   games N plies P errors E list_ms L load_ms M
// where errors counts games that stopped early (a move that could not be
// entered), and every message box is answered at once.
#include <QCoreApplication>
#include <QString>

#include "files/pgn_game_list.h"
#include "files/pgn_loader.h"
#include "files/quiet_record_host.h"
#include "files/text_store.h"
#include "settings/message_box.h"

#include <chrono>
#include <cstdio>

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: pgn_bench FILE\n");
        return 2;
    }
    int messageBoxes = 0;
    setMessageBoxPresenter([&messageBoxes](const TMessageBoxRequest& request) {
        ++messageBoxes;
        return EscapeButton(request.buttons);
    });
    TTextStore store;
    if (!store.StoreOpen(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "pgn_bench: cannot read %s\n", argv[1]);
        return 1;
    }
    const QStringList& lines = store.Lines();

    auto start = std::chrono::steady_clock::now();
    const TPgnGameList list = ListPgnGames(lines);
    const double listMs = MillisecondsSince(start);

    TQuietRecordHost host;
    long long plies = 0;
    int errors = 0;
    start = std::chrono::steady_clock::now();
    for (int index = 0; index < list.games.size(); ++index) {
        TPgnGameTags tags;
        const TFeedResult result = LoadPgnGameInto(lines, list, index, host.commands, host, tags);
        plies += result.plies;
        errors += result.stoppedEarly ? 1 : 0;
    }
    const double loadMs = MillisecondsSince(start);

    std::printf("games %lld plies %lld errors %d list_ms %.3f load_ms %.3f\n",
        static_cast<long long>(list.games.size()), plies, errors, listMs, loadMs);
    std::fprintf(stderr, "message boxes answered: %d\n", messageBoxes);
    return 0;
}
