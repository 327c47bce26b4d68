// Any text read as FEN or EPD gives a position whose four written fields
// read back to the same board, castling rights and en-passant square, and
// whose check for a playable set-up does not fail.
#include "engine/engine_interface.h"
#include "record/position_check.h"
#include "record/position_reader.h"
#include "record/position_writer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void CheckWrittenForm(const TPositionText& position)
{
    QString written = BoardFEN4(position.Board, position.State, position.StartPly % 2 != 0 ? 1 : 0);
    TPositionText again;
    ReadFEN4(written, again);
    const bool same = engine::ImagesEqual(again.Board, position.Board)
        && again.State.WhiteCastling == position.State.WhiteCastling
        && again.State.BlackCastling == position.State.BlackCastling
        && again.State.EnPassant == position.State.EnPassant && again.StartPly == position.StartPly % 2;
    if (!same || position.StartPly < 0) {
        std::abort();
    }
    PositionProblem(position.Board, position.State, position.StartPly, true);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckWrittenForm(ReadFEN(text));
    TEpdExtras extras;
    CheckWrittenForm(ReadEPD(text, extras));
    return 0;
}
