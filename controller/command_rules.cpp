#include "controller/command_rules.h"

#include <cassert>
#include <initializer_list>
#include <iterator>

namespace {

using Rule = bool (*)(const TCommandSituation&);

bool ModeIn(const TCommandSituation& s, std::initializer_list<TGameMode> modes)
{
    for (TGameMode mode : modes) {
        if (s.mode == mode) {
            return true;
        }
    }
    return false;
}

bool Always(const TCommandSituation&)
{
    return true;
}

bool Never(const TCommandSituation&)
{
    return false;
}

// Set-up may be entered or left from a stopped game, a game in play and an
// analysis; the play kinds and Analyse also need a game that is not over.
bool SetupReachable(const TCommandSituation& s)
{
    return ModeIn(s, {TGameMode::Stopped, TGameMode::BoardSetup, TGameMode::Playing, TGameMode::Analysing});
}

bool PlayMayChange(const TCommandSituation& s)
{
    return SetupReachable(s) && !s.gameOver;
}

// The user's own moves and offers: only on the user's turn of a game that
// goes on, never while a hint is worked out, a game replayed or the
// computer finds a move.
bool UsersMove(const TCommandSituation& s)
{
    return ModeIn(s, {TGameMode::Stopped, TGameMode::Playing, TGameMode::Analysing})
        && !IsComputersTurn(s.mode, s.playKind, s.sideToMove) && !s.gameOver && !s.computerSearching;
}

bool TypedLine(const TCommandSituation& s)
{
    return UsersMove(s) || s.mode == TGameMode::BoardSetup;
}

// The start of a set-up position is settled before its first move.
bool BoardSettingsOpen(const TCommandSituation& s)
{
    return ModeIn(s, {TGameMode::Stopped, TGameMode::BoardSetup, TGameMode::Analysing}) && !s.movesRecorded;
}

bool FreezeAllowed(const TCommandSituation& s)
{
    return (s.mode == TGameMode::Playing && s.clockRunning) || s.frozen;
}

bool StopThinkingArmed(const TCommandSituation& s)
{
    return s.stopThinkingArmed;
}

bool InSetup(const TCommandSituation& s)
{
    return s.mode == TGameMode::BoardSetup;
}

bool Rotated(const TCommandSituation& s)
{
    return s.boardRotated;
}

bool HasGameName(const TCommandSituation& s)
{
    return s.hasGameName;
}

bool Frozen(const TCommandSituation& s)
{
    return s.frozen;
}

bool Analysing(const TCommandSituation& s)
{
    return s.mode == TGameMode::Analysing;
}

template <TPlayKind Kind> bool PlayingAs(const TCommandSituation& s)
{
    return s.mode == TGameMode::Playing && s.playKind == Kind;
}

struct TCommandRule {
    TCommand command;
    const char* name;
    Rule enabled;
    Rule checked;
};

// One row per command, in the order of TCommand.
constexpr TCommandRule Rules[] = {
    {TCommand::FileNew, "FileNew", Always, Never},
    {TCommand::FileOpen, "FileOpen", Always, Never},
    {TCommand::FileReopen, "FileReopen", HasGameName, Never},
    {TCommand::FileSave, "FileSave", Always, Never},
    {TCommand::FileSaveAs, "FileSaveAs", Always, Never},
    {TCommand::FileExit, "FileExit", Always, Never},
    {TCommand::PlayBoardSetup, "BoardSetup", SetupReachable, InSetup},
    {TCommand::PlayClearBoard, "ClearBoard", Always, Never},
    {TCommand::PlayBoardSettings, "BoardSettings", BoardSettingsOpen, Never},
    {TCommand::PlayRotateBoard, "RotateBoard", Always, Rotated},
    {TCommand::PlayEnterPosition, "EnterPosition", Always, Never},
    {TCommand::PlayCopyGame, "CopyGame", Always, Never},
    {TCommand::PlayPasteGame, "PasteGame", Always, Never},
    {TCommand::PlayEmailGame, "EmailGame", Always, Never},
    {TCommand::PlayGameInfo, "GameInfo", Always, Never},
    {TCommand::PlayAutoplay, "PlayAuto", PlayMayChange, PlayingAs<TPlayKind::AutoPlay>},
    {TCommand::PlayWhite, "PlayWhite", PlayMayChange, PlayingAs<TPlayKind::UserWhite>},
    {TCommand::PlayBlack, "PlayBlack", PlayMayChange, PlayingAs<TPlayKind::UserBlack>},
    {TCommand::PlayTwoPlayer, "PlayBoth", PlayMayChange, PlayingAs<TPlayKind::TwoPlayer>},
    {TCommand::PlayAnalyse, "Analyse", PlayMayChange, Analysing},
    {TCommand::PlayFreezeGame, "FreezeGame", FreezeAllowed, Frozen},
    {TCommand::MoveEnterMove, "EnterMove", UsersMove, Never},
    {TCommand::MoveEntryLine, "MoveEntry", TypedLine, Never},
    {TCommand::MoveComputerMove, "ComputerMove", UsersMove, Never},
    {TCommand::MoveQuickHint, "QuickHint", UsersMove, Never},
    {TCommand::MoveStopThinking, "StopThinking", StopThinkingArmed, Never},
    {TCommand::MoveResign, "Resign", UsersMove, Never},
    {TCommand::MoveOfferDraw, "OfferDraw", UsersMove, Never},
    {TCommand::MoveComment, "Comment", Always, Never},
};

static_assert(std::size(Rules) == CommandCount);

const TCommandRule& RuleOf(TCommand command)
{
    const TCommandRule& rule = Rules[static_cast<int>(command)];
    assert(rule.command == command);
    return rule;
}

} // namespace

bool IsComputersTurn(TGameMode mode, TPlayKind kind, int sideToMove)
{
    if (mode != TGameMode::Playing && mode != TGameMode::QuickHint && mode != TGameMode::Analysing) {
        return false;
    }
    return kind == TPlayKind::AutoPlay || (kind == TPlayKind::UserWhite && sideToMove == 1)
        || (kind == TPlayKind::UserBlack && sideToMove == 0);
}

TCommandState CommandState(TCommand command, const TCommandSituation& situation)
{
    const TCommandRule& rule = RuleOf(command);
    const bool passesBusy = !situation.busy
        || (command == TCommand::MoveStopThinking
            && ModeIn(situation, {TGameMode::Stopped, TGameMode::Demonstration}));
    return {rule.enabled(situation) && passesBusy, rule.checked(situation)};
}

bool CommandCheckable(TCommand command)
{
    return RuleOf(command).checked != Never;
}

const char* CommandName(TCommand command)
{
    return RuleOf(command).name;
}
