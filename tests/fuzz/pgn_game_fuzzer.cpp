// Any text, as the text store splits it: the games are listed and the first
// and the last are loaded into the game record as the window loads them.
// Nothing may crash or hang, the record must hold exactly the plies the
// load reports with the board after the last of them, the reading must stay
// within the game's lines, and a load that stopped early must have said
// why in a message box.
#include <QString>
#include <QStringList>

#include "files/pgn_game_list.h"
#include "files/pgn_loader.h"
#include "files/quiet_record_host.h"
#include "files/text_store.h"
#include "settings/message_box.h"

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

int messageBoxes = 0;

void LoadGame(TQuietRecordHost& host, const QStringList& lines, const TPgnGameList& list, int index)
{
    messageBoxes = 0;
    TPgnGameTags tags;
    const TFeedResult result = LoadPgnGameInto(lines, list, index, host.commands, host, tags);
    const TGameRecord& record = host.record;
    Check(result.plies >= 0 && result.plies == record.EndPly - record.StartPly);
    Check(record.CurrentPly == record.EndPly - 1);
    Check(!result.stoppedEarly || messageBoxes > 0);
    Check(tags.movesLine >= list.games[index].line && tags.movesLine <= tags.endLine);
    Check(tags.endLine <= lines.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static TQuietRecordHost* host = [] {
        setMessageBoxPresenter([](const TMessageBoxRequest& request) {
            ++messageBoxes;
            return EscapeButton(request.buttons);
        });
        return new TQuietRecordHost;
    }();
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = SplitTextLines(text);
    const TPgnGameList list = ListPgnGames(lines);
    if (list.games.isEmpty()) {
        return 0;
    }
    LoadGame(*host, lines, list, 0);
    if (list.games.size() > 1) {
        LoadGame(*host, lines, list, static_cast<int>(list.games.size() - 1));
    }
    return 0;
}
