// Any text read as a move, in either notation mode, must be rejected or give
// a pattern whose squares lie on the board; a text read by the notation
// rules (not castling or international digits) must name a legal move.
// The first byte chooses the position and the starting mode.
#include "engine/engine_interface.h"
#include "record/history.h"
#include "record/notation_reader.h"
#include "record/position_reader.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

constexpr const char* Positions[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
    "r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ - 0 1",
    "4k3/8/8/3pP3/8/8/8/3QK3 w - d6 0 1",
};
constexpr std::size_t PositionCount = std::size(Positions);

struct TPosition {
    TMoveList legal;
    int side = 0;
};

const std::array<std::unique_ptr<TPosition>, PositionCount>& LegalLists()
{
    static const auto lists = [] {
        std::array<std::unique_ptr<TPosition>, PositionCount> all;
        for (std::size_t i = 0; i < PositionCount; ++i) {
            const TPositionText position = ReadFEN(QString::fromLatin1(Positions[i]));
            TGameRecord record;
            record.StartPly = position.StartPly;
            record.StartFromPosition(&position.Board, &position.State);
            all[i] = std::make_unique<TPosition>();
            all[i]->legal = record.LegalMoves;
            all[i]->side = position.StartPly % 2;
        }
        return all;
    }();
    return lists;
}

bool OnBoard(int file, int rank)
{
    return file >= 0 && file <= 8 && rank >= 0 && rank <= 8;
}

bool IsListed(const TMoveList& legal, const engine::MovePattern& pattern)
{
    for (const engine::MoveRecord& move : legal.View()) {
        if (move.Piece == pattern.Piece && move.Origin.File == pattern.OriginFile
            && move.Origin.Rank == pattern.OriginRank && move.Destination.File == pattern.DestFile
            && move.Destination.Rank == pattern.DestRank) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const TPosition& position = *LegalLists()[data[0] % PositionCount];
    bool descriptive = (data[0] & 0x80) != 0;
    const QString text
        = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    engine::MovePattern pattern {};
    const TMoveInput input {position.legal, position.side, descriptive};
    if (!ParseMoveText(text, input, pattern)) {
        return 0;
    }
    if (!OnBoard(pattern.OriginFile, pattern.OriginRank) || !OnBoard(pattern.DestFile, pattern.DestRank)
        || pattern.Piece > engine::Pawn) {
        std::abort();
    }
    // Castling and four digits are left to the engine; every other reading
    // comes from the legal-move list.
    const bool engineDecides = pattern.Piece == 0 || pattern.Piece == engine::King;
    if (!engineDecides && !IsListed(position.legal, pattern)) {
        std::abort();
    }
    return 0;
}
