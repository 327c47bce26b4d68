#include "files/binary_game.h"

#include "engine/engine_interface.h"
#include "record/record_commands.h"
#include "record/record_host.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"

using namespace engine;

namespace {

struct TBinaryLayout {
    qint64 headerSize;
    qint64 recordSize;
};

TBinaryLayout LayoutOf(TBinaryForm form)
{
    return form == TBinaryForm::A ? TBinaryLayout {42, 12} : TBinaryLayout {145, 13};
}

// The fifty-move rule ends every game within about 6000 moves, so more
// records than this cannot be a game.
constexpr int MaxRecords = 12000;

bool SkipHeader(QIODevice& file, qint64 size)
{
    if (!file.isSequential()) {
        return file.size() >= size && file.seek(size);
    }
    return file.read(size).size() == size;
}

bool InRange(std::uint8_t value, std::uint8_t highest)
{
    return value <= highest;
}

// Bytes no game could have written are refused before the engine sees them.
bool IsPlausible(const MovePattern& move)
{
    return InRange(move.Piece, Pawn) && InRange(move.OriginFile, 8) && InRange(move.OriginRank, 8)
        && InRange(move.DestFile, 8) && InRange(move.DestRank, 8);
}

bool EnterRecord(MovePattern move)
{
    return IsPlausible(move) && CompleteAndEnterMove(move);
}

} // namespace

QList<MovePattern> ReadBinaryGameMoves(QIODevice& file, TBinaryForm form)
{
    QList<MovePattern> moves;
    const TBinaryLayout layout = LayoutOf(form);
    if (!SkipHeader(file, layout.headerSize)) {
        return moves;
    }
    while (moves.size() < MaxRecords) {
        const QByteArray record = file.read(layout.recordSize);
        if (record.size() < layout.recordSize) {
            break;
        }
        const auto byte = [&record](int i) { return static_cast<std::uint8_t>(record[i]); };
        moves.append(MovePattern {byte(0), byte(1), byte(2), byte(3), byte(4)});
    }
    return moves;
}

// The window records each accepted move itself, through AcceptLastMove; the
// commands are taken for the same shape as the text readers' feed.
TFeedResult FeedBinaryMoves(const QList<MovePattern>& moves, TRecordCommands& /*commands*/, TRecordHost& host)
{
    TFeedResult result;
    for (const MovePattern& move : moves) {
        if (host.GameOver() || host.Terminating()) {
            break;
        }
        // One message, not one per record: a file of random bytes would
        // otherwise bury the user in boxes.
        if (!EnterRecord(move)) {
            ErrorMessage(msg::RefusedGameRecord);
            result.stoppedEarly = true;
            break;
        }
        host.AcceptLastMove();
        ++result.plies;
        if (host.GameMode() == TGameMode::Demonstration) {
            host.MoveDelayPause();
        }
    }
    return result;
}
