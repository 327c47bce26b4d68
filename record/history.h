#pragma once

#include <QString>

#include "engine/types.h"
#include "record/legal_moves.h"

#include <vector>

// One recorded ply: the move (or a pseudo-entry), the board after it, the
// user's bookmark and comment. A new entry is all zero with no comment.
struct THistory {
    engine::MoveRecord Move {};
    engine::BoardImage Board {};
    std::uint8_t Bookmarked = 0;
    QString Comment;
};

// Statuses the game record adds to the engine's MoveStatus values.
enum : std::uint8_t { StatusDrawByAgreement = 9, StatusFlagFallen = 10 };

// Whether a status ends the game: mate, stalemate, resignation, the draws
// and a fallen flag. Check and an announced mate do not.
bool StatusEndsGame(int status);

// The two events that are not moves but occupy a ply of the record.
engine::MoveRecord MakeResignationEntry();
engine::MoveRecord MakeDrawAgreedEntry();
bool IsPseudoEntry(const engine::MoveRecord& move);

// The record of the game being played. Ply 0 is White's first move of a
// game; White moves on even plies; MoveHistory[k] describes ply StartPly + k.
// CurrentPly is the ply last played on the board, StartPly - 1 when the board
// shows the start position. Undo and redo move CurrentPly only; a move that
// differs from the one recorded at its ply cuts the rest of the list off.
class TGameRecord {
public:
    std::vector<THistory> MoveHistory;
    int StartPly = 0;
    int EndPly = 0;
    int CurrentPly = -1;
    QString PreGameComment;
    // The position the board shows, with the attack marks, and its state.
    engine::BoardImage Board {};
    engine::PositionState State {};
    // Status of the position the game started from.
    std::uint8_t StartStatus = 0;
    std::uint8_t Winner = 0;
    bool StartsFromInitial = true;
    bool Modified = false;
    // When set, move text is tried as descriptive notation first.
    bool DescriptiveInput = false;
    // Legal moves of the side to move and of the other side; move input
    // reads the first.
    TMoveList LegalMoves;
    TMoveList OpponentMoves;

    int EntryCount() const { return static_cast<int>(MoveHistory.size()); }

    // Accessors by ply number. Outside the list they give a zero record, an
    // empty board, false and empty text.
    engine::MoveRecord MoveAt(int ply) const;
    engine::BoardImage BoardAt(int ply) const;
    bool IsBookmarked(int ply) const;
    QString CommentAt(int ply) const;

    // Status of the last entry (of the start position when there is none);
    // a status that does not end the game becomes the time forfeit when a
    // clock has run out.
    std::uint8_t GameStatus(bool clockRunOut = false) const;
    // The same for the entry at CurrentPly; mateIn gets its mate distance.
    std::uint8_t CurrentStatus(int& mateIn, bool clockRunOut = false) const;
    // Colour to move after CurrentPly.
    int SideToMove() const { return CurrentPly % 2 == 0 ? engine::Black : engine::White; }
    // The entries plus one for a result line after a game-ending real move.
    int OutputEntryCount() const;

    void ClearHistory();
    void TruncateHistory(int count);
    // The entry of a ply at or after StartPly; the list grows with new
    // entries until it has one.
    THistory& EntryFor(int ply);

    // Refetches the legal-move lists, the board and the state from the
    // engine and sets the attack marks.
    void RefreshPosition();

    // Sets the engine up with the position (the standard one when null) for
    // a game whose first ply is StartPly, and empties the record.
    void StartFromPosition(const engine::BoardImage* board, const engine::PositionState* state);

private:
    const THistory* EntryAt(int ply) const;
};

// The standard initial position and the state a new game starts with.
const engine::BoardImage& InitialBoard();
engine::PositionState InitialState();
