#pragma once

#include <QString>

#include "record/history.h"

class TTextStore;
struct TInfoRec;

// Whether the PGN movetext puts a move number before the ply: the first
// recorded ply and every White ply get one; a Black ply only when a comment
// stands between it and White's move. A closing resignation or agreed draw
// is written as a bare result, so it gets none. False outside the record.
bool NeedsMoveNumber(const TGameRecord& record, int ply);

// Writes the game as one PGN game into the store: the tag lines (unknown
// names, site and date as the usual placeholders), an empty line, the
// comment before the game, the moves with their numbers and braced comments
// flowed into lines of at most 79 characters, the result word and an empty
// line. startFen is the FEN of a set-up start position, empty for a game
// from the standard one. Moves are written with the English piece letters
// whatever the user's letters are. The store is not committed: the caller
// decides where the text goes and whether it replaces or extends a file.
void WritePgnGame(TTextStore& store, const TGameRecord& record, const TInfoRec& info,
    const QString& timeControl, const QString& startFen);
