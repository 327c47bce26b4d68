// Any text read as a native game file must give a start ply, clocks, play
// kind and board within their ranges, and the moves it enters must be
// counted as entered. The game read, written again and read back, must come
// back with the same moves and comments.
#include <QStringList>

#include "engine/engine_interface.h"
#include "files/native_file.h"
#include "files/text_store.h"
#include "record/notation_writer.h"
#include "record/position_check.h"
#include "record/position_reader.h"
#include "settings/options.h"
#include "tests/fuzz/fuzz_record_host.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

using fuzzing::Check;
using fuzzing::TFuzzHost;

namespace {

void CheckFirstPass(const TNativeGame& game, const QStringList& lines)
{
    Check(game.startPly >= 0 && game.startPly < 2 * MaxMoveNumber);
    Check(game.badLines >= 0 && game.badLines <= lines.size() && game.badLines == fuzzing::ShownMessages());
    Check(game.playKind >= 0 && game.playKind <= 4);
    Check(std::isfinite(game.whiteDays) && game.whiteDays >= 0);
    Check(std::isfinite(game.blackDays) && game.blackDays >= 0);
    Check(game.state.HalfMoves >= 0);
    Check(game.state.EnPassant == engine::SquarePair {} || engine::OnBoard(game.state.EnPassant));
    for (int file = 1; file <= 8; ++file) {
        for (int rank = 1; rank <= 8; ++rank) {
            const engine::ImageCell& cell = game.board.At(file, rank);
            Check(cell.Kind <= engine::Pawn && cell.Colour <= engine::Black);
        }
    }
}

struct TStart {
    bool fromBoard = false;
    engine::BoardImage board {};
    engine::PositionState state {};
    int startPly = 0;
};

TStart StartOf(const TNativeGame& game)
{
    if (game.boardGiven && PositionProblem(game.board, game.state, game.startPly, true) == 0) {
        return {true, game.board, game.state, game.startPly};
    }
    return {};
}

// Enters the lines' moves in load mode from the start, as the window does.
TFeedResult Load(TFuzzHost& host, const TStart& start, const QStringList& lines)
{
    host.commands.RestartGame(start.startPly);
    host.record.StartFromPosition(
        start.fromBoard ? &start.board : nullptr, start.fromBoard ? &start.state : nullptr);
    host.SetGameMode(TGameMode::Loading);
    const TFeedResult fed = FeedNativeMoves(lines, host.commands, host);
    host.commands.StoreComment(true);
    return fed;
}

QStringList Written(const TGameRecord& record, const TStart& start)
{
    TNativeSave save;
    save.record = &record;
    save.standardStart = !start.fromBoard;
    save.startBoard = start.board;
    save.startState = start.state;
    TTextStore store;
    store.StoreBegin(QStringLiteral("fuzz.zrb"));
    WriteNativeGame(store, save);
    return store.Lines();
}

void CheckSameGame(const TGameRecord& a, const TGameRecord& b)
{
    Check(a.StartPly == b.StartPly && a.EndPly == b.EndPly);
    Check(a.PreGameComment.simplified() == b.PreGameComment);
    for (int ply = a.StartPly; ply < a.EndPly; ++ply) {
        Check(!engine::MovesDiffer(a.MoveAt(ply), b.MoveAt(ply)));
        Check(a.CommentAt(ply).simplified() == b.CommentAt(ply));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::AnswerMessagesAtOnce();
    // Settings carried by one input must not change how the next is read.
    ResetOptions(Options);
    const QStringList lines = SplitTextLines(
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const TNativeGame game = ReadNativeGame(lines);
    CheckFirstPass(game, lines);

    const TStart start = StartOf(game);
    TFuzzHost host;
    TGameRecord& first = host.record;
    const TFeedResult fed = Load(host, start, lines);
    Check(fed.plies == first.EndPly - first.StartPly);
    if (fed.stoppedEarly) {
        return 0;
    }

    fuzzing::AnswerMessagesAtOnce();
    TFuzzHost again;
    TGameRecord& second = again.record;
    const TFeedResult refed = Load(again, start, Written(first, start));
    Check(!refed.stoppedEarly && fuzzing::ShownMessages() == 0);
    CheckSameGame(first, second);
    return 0;
}
