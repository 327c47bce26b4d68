#include "engine_program/game_position.h"

#include "engine/engine_interface.h"
#include "engine/fen.h"
#include "engine_program/move_text.h"

#include <algorithm>
#include <charconv>

namespace engine_program {

namespace {

using engine::BoardImage;
using engine::ImageCell;

bool Holds(const BoardImage& image, int file, int rank, std::uint8_t kind, engine::Colour colour)
{
    const ImageCell& cell = image.At(file, rank);
    return cell.Kind == kind && cell.Colour == colour;
}

// The engine trusts its set-up records, so a FEN's claims are checked
// against the board: a king and rook must stand at home for each castling
// right, and an en passant target needs the pawn that just passed it.
void DropImpossibleRights(engine::FenPosition& position)
{
    const BoardImage& image = position.Image;
    for (engine::Colour colour : {engine::White, engine::Black}) {
        const int rank = colour == engine::White ? 1 : 8;
        std::uint8_t& rights
            = colour == engine::White ? position.State.WhiteCastling : position.State.BlackCastling;
        if (!Holds(image, 5, rank, engine::King, colour)) {
            rights = 0;
        }
        if (!Holds(image, 8, rank, engine::Rook, colour)) {
            rights &= std::uint8_t(~engine::CastleShort);
        }
        if (!Holds(image, 1, rank, engine::Rook, colour)) {
            rights &= std::uint8_t(~engine::CastleLong);
        }
    }
    engine::SquarePair& target = position.State.EnPassant;
    if (target.File != 0) {
        const bool whiteToMove = position.SideToMove == engine::White;
        const int targetRank = whiteToMove ? 6 : 3;
        const int pawnRank = whiteToMove ? 5 : 4;
        const int fromRank = whiteToMove ? 7 : 2;
        const engine::Colour mover = whiteToMove ? engine::Black : engine::White;
        const bool passed = target.Rank == targetRank
            && Holds(image, target.File, pawnRank, engine::Pawn, mover)
            && image.At(target.File, targetRank).Kind == engine::Empty
            && image.At(target.File, fromRank).Kind == engine::Empty;
        if (!passed) {
            target = engine::SquarePair {0, 0};
        }
    }
}

// Counts the engine cannot hold are refused before the engine sees them.
bool PlausiblePieceCounts(const BoardImage& image)
{
    int kings[2] = {0, 0};
    int pieces[2] = {0, 0};
    for (int file = 1; file <= 8; ++file) {
        for (int rank = 1; rank <= 8; ++rank) {
            const ImageCell& cell = image.At(file, rank);
            if (cell.Kind != engine::Empty) {
                ++pieces[cell.Colour & 1];
                kings[cell.Colour & 1] += cell.Kind == engine::King;
            }
        }
    }
    return kings[0] == 1 && kings[1] == 1 && pieces[0] <= engine::MaxPiecesPerColour
        && pieces[1] <= engine::MaxPiecesPerColour;
}

// The ply of the position from the FEN's move number (its sixth field).
int PlyFromFen(std::string_view fen, engine::Colour side)
{
    std::string_view field;
    for (int i = 0; i < 6; ++i) {
        fen.remove_prefix(std::min(fen.find_first_not_of(' '), fen.size()));
        const std::size_t end = std::min(fen.find(' '), fen.size());
        field = fen.substr(0, end);
        fen.remove_prefix(end);
    }
    int moveNumber = 1;
    std::from_chars(field.data(), field.data() + field.size(), moveNumber);
    moveNumber = std::clamp(moveNumber, 1, 100000);
    return (moveNumber - 1) * 2 + (side == engine::Black ? 1 : 0);
}

} // namespace

GamePosition::GamePosition()
{
    SetStart();
}

void GamePosition::SetStart()
{
    Fen = engine::StartFen;
    StartPly = 0;
    Initial = true;
    Moves.clear();
    SetUp();
}

bool GamePosition::SetFen(std::string_view fen)
{
    engine::FenPosition position;
    bool valid = engine::ParseFen(fen, position) && PlausiblePieceCounts(position.Image);
    if (valid) {
        DropImpossibleRights(position);
        engine::ResetEngine(&position.Image, &position.State);
        engine::SetSideToMove(position.SideToMove);
        valid = engine::IsValidSetup();
    }
    if (!valid) {
        SetUp();
        return false;
    }
    Fen = std::string(fen);
    StartPly = PlyFromFen(fen, position.SideToMove);
    engine::FenPosition standard;
    engine::ParseFen(engine::StartFen, standard);
    Initial = engine::ImagesEqual(position.Image, standard.Image) && position.SideToMove == engine::White;
    Moves.clear();
    return true;
}

std::uint8_t GamePosition::PlayMove(std::string_view text)
{
    const CheckedMove checked = CheckCoordinateMove(text);
    if (checked.Code != engine::CodeDone) {
        return checked.Code;
    }
    const std::uint8_t code = engine::EnterMove(checked.Pattern);
    if (code == engine::CodeDone) {
        Moves.push_back(checked.Pattern);
    }
    return code;
}

void GamePosition::RecordEngineMove(const engine::MoveRecord& move)
{
    Moves.push_back(PatternOf(move));
}

bool GamePosition::TakeBack(int plies)
{
    if (plies < 0 || plies > MovesPlayed()) {
        return false;
    }
    Moves.resize(Moves.size() - std::size_t(plies));
    SetUp();
    return true;
}

void GamePosition::SetUp() const
{
    engine::FenPosition position;
    engine::ParseFen(Fen, position);
    DropImpossibleRights(position);
    engine::ResetEngine(&position.Image, &position.State);
    engine::SetSideToMove(position.SideToMove);
    for (const engine::MovePattern& move : Moves) {
        engine::EnterMove(move);
    }
}

int GamePosition::Ply() const
{
    return StartPly + MovesPlayed();
}

std::optional<std::string> GamePosition::ResultByRule()
{
    int halfMoves = 0;
    int mateCount = 0;
    const engine::MoveStatus status = engine::GetGameStatus(halfMoves, mateCount);
    const bool whiteToMove = engine::GetSideToMove() == engine::White;
    switch (status) {
    case engine::StatusCheckmate:
        return whiteToMove ? "0-1 {Black mates}" : "1-0 {White mates}";
    case engine::StatusStalemate:
        return "1/2-1/2 {Stalemate}";
    case engine::StatusFiftyMoveDraw:
        return "1/2-1/2 {50 move rule}";
    case engine::StatusRepetitionDraw:
        return "1/2-1/2 {3-fold repetition}";
    case engine::StatusNoMatingMaterial:
        return "1/2-1/2 {Insufficient material}";
    default:
        return std::nullopt;
    }
}

} // namespace engine_program
