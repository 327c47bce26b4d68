#pragma once

#include "record/game_modes.h"

#include <cstdint>

// When each of the window's commands may run, and when it shows checked.
// The menus, the tool bar, the keys and each command's own guard all ask
// here, so a command that looks disabled cannot run by another road.

enum class TCommand : std::uint8_t {
    FileNew,
    FileOpen,
    FileReopen,
    FileSave,
    FileSaveAs,
    FileExit,
    PlayBoardSetup,
    PlayClearBoard,
    PlayBoardSettings,
    PlayRotateBoard,
    PlayEnterPosition,
    PlayCopyGame,
    PlayPasteGame,
    PlayEmailGame,
    PlayGameInfo,
    PlayAutoplay,
    PlayWhite,
    PlayBlack,
    PlayTwoPlayer,
    PlayAnalyse,
    PlayFreezeGame,
    MoveEnterMove,
    // The typed-move line beside the board: as Enter Move, and in set-up
    // too, where a typed move slides a piece.
    MoveEntryLine,
    MoveComputerMove,
    MoveQuickHint,
    MoveStopThinking,
    MoveResign,
    MoveOfferDraw,
    MoveComment,
};

inline constexpr int CommandCount = static_cast<int>(TCommand::MoveComment) + 1;

// The state of the game the rules look at.
struct TCommandSituation {
    TGameMode mode = TGameMode::Stopped;
    TPlayKind playKind = TPlayKind::Unset;
    int sideToMove = 0;
    bool gameOver = false;
    // A command or a move's acceptance is at work (BusyDepth above zero).
    bool busy = false;
    bool frozen = false;
    // The clock of the side to move is running.
    bool clockRunning = false;
    // A search the controller started, a load or a jump in the record is
    // under way, and Stop Thinking would end it.
    bool stopThinkingArmed = false;
    // The computer searches for a move to play (not an analysis, not
    // thinking ahead), for its own side or, after Computer Move, the user's.
    bool computerSearching = false;
    // A move has been recorded since the game began.
    bool movesRecorded = false;
    bool boardRotated = false;
    // The game was loaded from or saved to a file.
    bool hasGameName = false;
};

struct TCommandState {
    bool enabled = false;
    bool checked = false;
    bool operator==(const TCommandState&) const = default;
};

// Whether the computer plays the side to move: only while a game is played,
// a hint worked out or a position analysed.
bool IsComputersTurn(TGameMode mode, TPlayKind kind, int sideToMove);

// While busy every command is held back, except Stop Thinking in a stopped
// game or a demonstration, which must end a replay under way.
TCommandState CommandState(TCommand command, const TCommandSituation& situation);

// Whether the command ever shows checked.
bool CommandCheckable(TCommand command);

// The name the command's menu action carries.
const char* CommandName(TCommand command);
