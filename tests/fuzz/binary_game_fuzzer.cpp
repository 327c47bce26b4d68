// Any bytes read as either binary game form must give no more records than
// the bytes hold, and entering them must record every move taken and end at
// the first refused one with a single message.
#include <QBuffer>

#include "files/binary_game.h"
#include "tests/fuzz/fuzz_record_host.h"

#include <cstddef>
#include <cstdint>

using fuzzing::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::AnswerMessagesAtOnce();
    const TBinaryForm form = size % 2 == 0 ? TBinaryForm::A : TBinaryForm::B;
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    buffer.open(QIODevice::ReadOnly);
    const QList<engine::MovePattern> moves = ReadBinaryGameMoves(buffer, form);
    const qsizetype header = form == TBinaryForm::A ? 42 : 145;
    const qsizetype record = form == TBinaryForm::A ? 12 : 13;
    Check(moves.size() <= std::max<qsizetype>(0, static_cast<qsizetype>(size) - header) / record);

    fuzzing::TFuzzHost host;
    TGameRecord& game = host.record;
    host.commands.RestartGame(0);
    game.StartFromPosition(nullptr, nullptr);
    host.SetGameMode(TGameMode::Loading);
    const TFeedResult fed = FeedBinaryMoves(moves, host.commands, host);
    Check(fed.plies <= moves.size() && fed.plies == game.EndPly);
    Check(fuzzing::ShownMessages() == (fed.stoppedEarly ? 1 : 0));
    return 0;
}
