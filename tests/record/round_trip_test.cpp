// Every legal move of every position in perft trees, written in each style,
// reads back as the same move; every position written as FEN reads back as
// the same board and state.
#include "engine/engine_interface.h"
#include "record/notation_reader.h"
#include "record/notation_writer.h"
#include "record/position_reader.h"
#include "record/position_writer.h"
#include "tests/record/record_fixture.h"

using namespace engine;
using namespace record_testing;

namespace {

class RoundTripTest : public RecordTest {
protected:
    // Visits the position and the tree below it to the depth; returns the
    // number of moves found at the last level visited.
    std::uint64_t Walk(int depth)
    {
        TGameRecord position;
        position.RefreshPosition();
        const int side = GetSideToMove();
        CheckFen(position, side);
        CheckMoves(position, side);
        if (depth == 0) {
            return static_cast<std::uint64_t>(position.LegalMoves.Count);
        }
        std::uint64_t leaves = 0;
        for (const MoveRecord& move : position.LegalMoves.View()) {
            const MovePattern pattern {
                move.Piece, move.Origin.File, move.Origin.Rank, move.Destination.File, move.Destination.Rank};
            if (engine::EnterMove(pattern) != CodeDone) {
                ADD_FAILURE() << "the engine refused a listed move";
                continue;
            }
            leaves += Walk(depth - 1);
            MoveRecord made {};
            GetLastMove(made);
            TakeBackMove(made);
            if (HasFailure()) {
                break;
            }
        }
        return leaves;
    }

    void CheckFen(const TGameRecord& position, int side)
    {
        const QString fen = BoardFEN4(position.Board, position.State, side) + u' '
            + QString::number(position.State.HalfMoves) + QStringLiteral(" 1");
        const TPositionText read = ReadFEN(fen);
        EXPECT_TRUE(ImagesEqual(read.Board, position.Board)) << fen.toStdString();
        EXPECT_TRUE(StatesEqual(read.State, position.State)) << fen.toStdString();
        EXPECT_EQ(read.StartPly, side) << fen.toStdString();
    }

    void CheckMoves(const TGameRecord& position, int side)
    {
        int n = 0;
        for (MoveRecord move : position.LegalMoves.View()) {
            SetDisambiguation(move, position.LegalMoves);
            // Check and mate signs are written too, and must be read past.
            move.Status = static_cast<std::uint8_t>(n++ % 3);
            for (int style = StandardAlgebraic; style <= FideAlgebraic; ++style) {
                const QString text = FormatMove(style, move, side);
                bool descriptive = false;
                MovePattern read {};
                const TMoveInput input {position.LegalMoves, side, descriptive};
                ASSERT_TRUE(ParseMoveText(text, input, read)) << text.toStdString();
                EXPECT_FALSE(descriptive) << text.toStdString();
                const bool same = read.OriginFile == move.Origin.File && read.OriginRank == move.Origin.Rank
                    && read.DestFile == move.Destination.File && read.DestRank == move.Destination.Rank
                    && (read.Piece == move.Piece || (read.Piece == 0 && move.SpecialKind != SpecialPromotion)
                        || move.SpecialKind == SpecialCastling);
                ASSERT_TRUE(same) << text.toStdString() << " read as " << Coordinates(read);
                ++checked;
            }
        }
    }

    std::uint64_t checked = 0;
};

TEST_F(RoundTripTest, EveryMoveOfPerftTreesInEveryStyleAndEveryPositionAsFen)
{
    struct Case {
        const char* fen;
        std::uint64_t perft3;
    } const cases[] = {
        {StartFen, 8902},
        {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 97862},
        {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 2812},
        {"r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1", 9467},
        {"r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ - 0 1", 9467},
        {"rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8", 62379},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fen);
        StartAt(c.fen);
        EXPECT_EQ(Walk(2), c.perft3);
    }
    EXPECT_GT(checked, 500000u);
}

} // namespace
