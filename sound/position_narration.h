#pragma once

#include <QString>
#include <QStringList>

#include "record/history.h"

#include <array>

// The written narration of a position for learners: who is ahead in
// material, who has more moves, who controls more squares and the centre,
// who may still castle and whether an en passant capture is on.

// The counts the assessments compare, by colour (White first).
struct TNarrationCounts {
    // Legal moves in the side's list.
    std::array<int, 2> moves {};
    // Moves to and pieces on the centre squares (c3 to f6), twice for the
    // four middle squares.
    std::array<int, 2> centre {};
    // Queen 9, rook 5, bishop and knight 3, pawn 1.
    std::array<int, 2> material {};
    // Squares at least one plain move or en passant capture reaches.
    std::array<int, 2> control {};
};

TNarrationCounts CountNarration(const TGameRecord& record);

// "zero" to "thirty-nine", then "forty or more", from the language file.
QString NumberWord(int number);

// The narration's lines (empty lines between the assessments). The opening
// name, when known, comes first; a game that is over says so alone.
QStringList PositionNarration(const TGameRecord& record, const QString& opening, bool gameOver);
