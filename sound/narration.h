#pragma once

#include "engine/types.h"

class TGameRecord;
class TSoundSystem;

// Speaking moves and game states by stringing recorded phrases, at a level
// that is the AudioType option's value: 0 silent, 1 effect sounds only,
// 2 effect sounds with spoken status and special moves, 3 (or more) the
// whole move spoken.

// The colour-piece recording (e.g. "WhiteKnight") when the voice has it,
// else the colour word and then the piece word.
void SayColourPiece(TSoundSystem& sound, engine::Colour colour, int pieceKind);
// The file letter, then the rank digit; nothing for a square off the board.
void SaySquare(TSoundSystem& sound, engine::SquarePair square);

// Queues the narration of one move made by the mover. Resignations and
// agreed draws are not moves and say nothing here.
void NarrateMove(TSoundSystem& sound, int level, const engine::MoveRecord& move, engine::Colour mover);

// Clears the queue, then narrates the move last played on the board, in the
// voice of the side that made it; nothing before the first move.
void NarrateLastMove(TSoundSystem& sound, int level, const TGameRecord& record);

// Queues the sound of a game status (a MoveStatus, or the record's agreed
// draw and fallen flag), given the side to move in the position that has it.
// Check, mate and resignation speak in the voice of the side that moved last,
// stalemate and draws in that of the side to move; a fallen flag only sounds.
void NarrateStatus(TSoundSystem& sound, int level, int status, engine::Colour sideToMove);

// What the game flow asks for after the position changed: request 3 after a
// move on the board (the move, then the status), 2 after setting up a
// position (the status alone), 1 or 0 after taking back, jumping in the
// record or applying options (nothing). Spoken at the AudioType level; the
// window lets pending events through before it calls this.
void NarrateNewState(TSoundSystem& sound, int request, const TGameRecord& record, int status);
