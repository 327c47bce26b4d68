#include "tools/book/book_board.h"

#include "engine/board.h"
#include "engine/engine_interface.h"
#include "engine/movegen.h"

namespace book {

using namespace engine;

namespace {

constexpr char PieceLetters[] = " KQRBN";

char FileLetter(int square)
{
    return char('a' + FileOf(square));
}

char RankDigit(int square)
{
    return char('1' + RankOf(square));
}

// The generator expects MoveStackTop one above the last move made; game
// moves sit at MoveStackTop between operations, as the engine keeps them.
template <typename Work> auto Raised(Work work)
{
    ++Pos.MoveStackTop;
    auto result = work();
    --Pos.MoveStackTop;
    return result;
}

std::string Disambiguation(const EngineMove& move, const std::vector<EngineMove>& legal)
{
    bool rivals = false;
    bool fileShared = false;
    bool rankShared = false;
    for (const EngineMove& other : legal) {
        if (other.Piece != move.Piece || other.New != move.New || other.Old == move.Old) {
            continue;
        }
        rivals = true;
        fileShared = fileShared || FileOf(other.Old) == FileOf(move.Old);
        rankShared = rankShared || RankOf(other.Old) == RankOf(move.Old);
    }
    if (!rivals) {
        return {};
    }
    if (!fileShared) {
        return {FileLetter(move.Old)};
    }
    if (!rankShared) {
        return {RankDigit(move.Old)};
    }
    return {FileLetter(move.Old), RankDigit(move.Old)};
}

std::string MoveBody(const EngineMove& move, const std::vector<EngineMove>& legal)
{
    if (move.IsCastling()) {
        return FileOf(move.New) == 6 ? "O-O" : "O-O-O";
    }
    const bool capture = move.Captured != Empty || move.IsEnPassant();
    std::string text;
    // A promotion's Piece is the kind promoted to: it was a pawn move.
    const bool pawnMove = move.Piece == Pawn || move.IsPromotion();
    if (pawnMove) {
        if (capture) {
            text += FileLetter(move.Old);
        }
    } else {
        text += PieceLetters[move.Piece];
        text += Disambiguation(move, legal);
    }
    if (capture) {
        text += 'x';
    }
    text += SquareName(move.New);
    if (move.IsPromotion()) {
        text += '=';
        text += PieceLetters[move.Piece];
    }
    return text;
}

} // namespace

void BookBoard::Reset()
{
    ResetEngine();
    Plies_ = 0;
}

std::vector<EngineMove> BookBoard::GeneratedMoves() const
{
    return Raised([] {
        MovGen();
        return std::vector<EngineMove>(GenBuffer.Moves, GenBuffer.Moves + GenBuffer.Count);
    });
}

std::vector<EngineMove> BookBoard::LegalMoves() const
{
    std::vector<EngineMove> legal;
    for (const EngineMove& move : GeneratedMoves()) {
        if (!Raised([&move] { return IllegalMove(move); })) {
            legal.push_back(move);
        }
    }
    return legal;
}

int BookBoard::GeneratorIndex(const EngineMove& move) const
{
    const std::vector<EngineMove> moves = GeneratedMoves();
    for (std::size_t i = 0; i < moves.size(); ++i) {
        if (moves[i] == move) {
            return int(i);
        }
    }
    return -1;
}

void BookBoard::Play(const EngineMove& move)
{
    // As the engine enters a game move: the stack keeps the game's moves
    // below MoveStackTop however long the game grows.
    RebaseMoveStack();
    Pos.Stack(Pos.MoveStackTop + 1) = move;
    DoMove(move);
    DropRootMove();
    ++Plies_;
}

void BookBoard::TakeBack()
{
    UndoMove(Pos.Stack(Pos.MoveStackTop));
    --Plies_;
}

std::string BookBoard::San(const EngineMove& move) const
{
    std::string text = MoveBody(move, LegalMoves());
    Pos.Stack(Pos.MoveStackTop + 1) = move;
    DoMove(move);
    const bool check = PlayerInCheck();
    const bool mate = check && LegalMoves().empty();
    UndoMove(move);
    if (mate) {
        text += '#';
    } else if (check) {
        text += '+';
    }
    return text;
}

} // namespace book
