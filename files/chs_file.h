#pragma once

#include <QStringList>

#include "engine/types.h"

// The position files of an older chess program: a side line ("WHITE TO
// PLAY" or "BLACK TO PLAY") and one piece line per piece ("WK E1", in the
// user's current letters).

struct TChsPosition {
    engine::BoardImage board {};
    bool blackToMove = false;
    int badLines = 0; // each got message 1006
};

// Every line that is neither a side line nor a piece line, an empty one
// included, shows message 1006 and reading goes on. A line beginning
// "WHITE" or "BLACK" that is not a side line is passed over.
TChsPosition ReadChsPosition(const QStringList& lines);
