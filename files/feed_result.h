#pragma once

// How far a reader got entering a game's moves: the plies entered, and whether a move
// that could not be entered (or a bad record) ended the reading early.
struct TFeedResult {
    int plies = 0;
    bool stoppedEarly = false;
};
