// The game as both protocols see it: a start position and the moves
// played from it. The engine board is one global board that searches and
// tool commands also use, so the game is kept here and put back on the
// engine whenever the engine board may have changed (after an undo, a
// search that played a move the protocol does not keep, or a perft).
#pragma once

#include "engine/types.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine_program {

class GamePosition {
public:
    GamePosition();

    // Sets up the standard starting position.
    void SetStart();
    // Sets up `fen`; a malformed or impossible position is refused and
    // the old game stays on the engine.
    bool SetFen(std::string_view fen);

    // Enters a coordinate move for the side to move: the engine's move
    // code (0 when it was legal and made).
    std::uint8_t PlayMove(std::string_view text);
    // Records a move the engine has already made on its board.
    void RecordEngineMove(const engine::MoveRecord& move);
    // Takes back `plies` moves; false (and nothing changes) when fewer
    // were played.
    bool TakeBack(int plies);

    // Puts the start position and every move on the engine again.
    void SetUp() const;

    // The ply about to be played, counted from the first move of the game
    // (a FEN's move number counts).
    int Ply() const;
    int MovesPlayed() const { return int(Moves.size()); }
    // Whether the game began at the standard starting position.
    bool FromInitialPosition() const { return Initial; }
    const std::string& StartFen() const { return Fen; }

    // The result the rules give to the position on the engine board, with
    // its reason ("1-0 {White mates}"); nothing while the game goes on.
    static std::optional<std::string> ResultByRule();

private:
    std::string Fen;
    int StartPly = 0;
    bool Initial = true;
    std::vector<engine::MovePattern> Moves;
};

} // namespace engine_program
