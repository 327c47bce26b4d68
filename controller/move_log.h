#pragma once

#include <QString>

#include "engine/types.h"

#include <array>
#include <cstdint>
#include <vector>

// The moves of the game being played, as far as the controller needs them:
// what was played from which ply, which ply the board shows, and the
// position after it. The full game record (comments, bookmarks, notation)
// is kept by the record library; this is the part the game flow runs on.
class TMoveLog {
public:
    // Statuses that are the record's, not the engine's.
    static constexpr std::uint8_t StatusDrawAgreed = 9;
    static constexpr std::uint8_t StatusTimeForfeit = 10;
    // At most this many legal moves exist in any position.
    static constexpr int MaxMoves = 351;
    using TMoveList = std::array<engine::MoveRecord, MaxMoves + 1>;

    // Ply 0 is White's first move; Moves[k] describes ply StartPly + k.
    // CurrentPly is the ply the board shows last, StartPly - 1 at the start.
    std::vector<engine::MoveRecord> Moves;
    int StartPly = 0;
    int EndPly = 0;
    int CurrentPly = -1;
    bool StartsFromInitial = true;
    bool Modified = false;
    std::uint8_t StartStatus = 0;
    std::uint8_t Winner = 0;

    // The working position, refreshed from the engine after every move.
    engine::BoardImage Board {};
    engine::PositionState State {};
    TMoveList LegalMoves {};
    TMoveList OpponentMoves {};

    void Clear(int startPly);
    // Colour to move after CurrentPly.
    int SideToMove() const { return CurrentPly % 2 == 0 ? engine::Black : engine::White; }
    bool HasMoves() const { return EndPly != StartPly; }
    // The entry at a ply, or a zero record outside the list.
    engine::MoveRecord MoveAt(int ply) const;
    // Records the move as the next ply; a move that differs from the one
    // recorded there cuts the rest of the list off.
    void Execute(const engine::MoveRecord& move);
    // Steps back one ply; the list stays, so the move can be played again.
    void Retract();
    // Status of the entry at CurrentPly (of the start position when there is
    // none); a status that does not end the game becomes the time forfeit
    // when a clock has run out.
    std::uint8_t CurrentStatus(int& mateIn, bool clockRunOut) const;
    // Legal-move lists, board and state from the engine.
    void RefreshPosition();
};

// Whether a status ends the game: mate, stalemate, resignation, the draws
// and a fallen flag. Check and an announced mate do not.
bool StatusEndsGame(int status);

// The two events that are not moves but occupy a ply of the record.
engine::MoveRecord ResignationRecord();
engine::MoveRecord DrawAgreedRecord();
bool IsPseudoEntry(const engine::MoveRecord& move);

// The pattern that enters a recorded move again.
engine::MovePattern PatternOf(const engine::MoveRecord& move);

// The board after the move, for showing a move the engine has not made.
engine::BoardImage ImageAfterMove(engine::BoardImage image, const engine::MoveRecord& move);

// The move in coordinates, "e2e4", "e7e8q", "e1g1"; empty for no move.
QString CoordinateText(const engine::MoveRecord& move);
