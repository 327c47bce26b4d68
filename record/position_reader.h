#pragma once

#include <QString>

#include "engine/types.h"

#include <optional>

// A position read from one line of text: the board, its state and the ply
// to be played first (0 White to move at move 1; White moves on even plies).
struct TPositionText {
    engine::BoardImage Board {};
    engine::PositionState State {};
    int StartPly = 0;
};

// The highest move number a position string may give; larger ones are
// taken as this one so the ply arithmetic cannot overflow.
inline constexpr int MaxMoveNumber = 10000;

// Reads the first four blank-separated words (board, side to move, castling
// rights, en-passant square) and removes them from the text. The reading is
// forgiving: unknown characters are empty squares or ignored, a missing word
// gives White to move, no rights, no en-passant square. Standard letters
// are used whatever the options say.
void ReadFEN4(QString& text, TPositionText& position);

// Full FEN: the four fields, the half-move clock (0 when not a number) and
// the move number (1 when not a number or below 1).
TPositionText ReadFEN(QString text);

// What the operations of an EPD line carry besides the position. Opening and
// ECO are set only by their operations; Event is the text after the last ";".
struct TEpdExtras {
    QString Comment; // c0
    std::optional<QString> Opening; // v0
    std::optional<QString> ECO; // eco
    QString Event;
};

// EPD: the four fields, then semicolon-terminated operations (hmvc, fmvn,
// c0, v0 and eco are read, others ignored).
TPositionText ReadEPD(QString text, TEpdExtras& extras);
