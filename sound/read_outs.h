#pragma once

#include "engine/types.h"

class TGameRecord;
class TSoundSystem;

// The read-out commands: parts of the position spoken on request, whatever
// the AudioType level, in the voice of the side that made the last move
// unless a side is named. Items of a list are parted by a short pause.

// The last move and the status, both fully spoken.
void SpeakMove(TSoundSystem& sound, const TGameRecord& record, int status);
// The rank digit, then a to h: the piece there, or the file letter when empty.
void SpeakRank(TSoundSystem& sound, const TGameRecord& record, int rank);
// The file letter, then ranks 1 to 8: the piece there, or the rank digit when empty.
void SpeakFile(TSoundSystem& sound, const TGameRecord& record, int file);
// The colour word, then each piece of that colour with its square: for
// White from a1 along the ranks up to h8, for Black from h8 down to a1.
void SpeakSide(TSoundSystem& sound, const TGameRecord& record, engine::Colour colour);
// An en passant capture when one is possible, then the colour to move.
void SpeakStatus(TSoundSystem& sound, const TGameRecord& record);
// The square under the keyboard cursor with the piece on it, replacing
// whatever was still queued; only at AudioType 2 or more.
void SpeakSquare(TSoundSystem& sound, const TGameRecord& record, engine::SquarePair square);
