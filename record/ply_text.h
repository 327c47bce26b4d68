#pragma once

#include <QString>

#include "record/history.h"

// Texts of the recorded game, ply by ply, for the move list, the message
// line and the writers of game files.

// The move recorded at the ply in the style; for the ply one past the last
// recorded one, the result of the game (the start position's status, with
// the clock rule, when nothing is recorded); empty before StartPly and
// further out.
QString PlyText(const TGameRecord& record, int style, int ply, bool clockRunOut = false);
QString PlyTextPadded(const TGameRecord& record, int style, int ply, bool clockRunOut = false);

// The message-line caption of the move at CurrentPly: its number, its text
// and a word for en passant, castling or a promotion. Empty before the
// first move.
QString MoveCaption(const TGameRecord& record, int style);
