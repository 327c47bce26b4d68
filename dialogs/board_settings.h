#pragma once

#include <QString>

#include "engine/types.h"

// What the board settings dialog shows of a set-up position and how its
// answers become the game's first ply and the position state. Kept apart
// from the widgets so the arithmetic can be checked on its own.

// The "Game Status" choices, in the order of the radio buttons.
enum class TSetupStatus { Normal = 0, Drawn = 1, Resigned = 2 };

struct TBoardSettings {
    bool WhiteKingSide = false;
    bool WhiteQueenSide = false;
    bool BlackKingSide = false;
    bool BlackQueenSide = false;
    engine::Colour FirstPlayer = engine::White;
    // The edit fields as typed: they are read only when the dialog closes.
    QString MoveNumber;
    QString EnPassant;
    QString HalfMoves;
    TSetupStatus Status = TSetupStatus::Normal;
};

// The game's first ply and the state to set the position up with.
struct TBoardSetup {
    int StartPly = 0;
    engine::PositionState State {};
};

// The move number that the largest game record can reach; larger numbers
// are read as this one so the ply arithmetic cannot overflow.
inline constexpr int MaxFirstMoveNumber = 10000;

TBoardSettings BoardSettingsOf(int startPly, const engine::PositionState& state);

// A move number that cannot be read counts as 1, one below 1 gives ply 0 or
// 1; a counter that cannot be read (or is negative) is 0; an unreadable
// en passant square is none. The rest of the state (the mate count) is kept.
TBoardSetup ApplyBoardSettings(const TBoardSettings& settings, engine::PositionState state);

// "e3" for file 5 rank 3; empty for no square.
QString SquareName(engine::SquarePair square);
// A square name in either case, blanks around it ignored; (0, 0) otherwise.
engine::SquarePair ReadSquareName(const QString& text);
