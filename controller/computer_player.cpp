#include "controller/main_form.h"
#include "controller/move_image.h"
#include "engine/engine_interface.h"
#include "settings/options.h"

#include <algorithm>

using namespace engine;

namespace {

constexpr int AnalysisDepth = 23;
// The margin in ticks by which the computer moves before its flag falls.
constexpr std::uint32_t FlagMargin = 2;

} // namespace

void TChessForm::SetStrength()
{
    const int depth = std::max(Options.SearchDepth, 0);
    // A stronger level stays in the opening library longer; a set-up
    // position or an analysis never uses it.
    const bool book = Options.UseOpeningLib && record.StartsFromInitial && gameMode != TGameMode::Analysing;
    SetBookPlies(book ? depth * 2 + 4 : 0);
    SetMaxDepth(gameMode == TGameMode::Analysing ? AnalysisDepth : depth);
}

void TChessForm::StartComputerMove()
{
    if (gameMode != TGameMode::Analysing) {
        SetBoardCursorBusy(true);
    }
    const std::int32_t budget = time_control::ComputerTickLimit(Options, TimeNow());
    StartThinking(static_cast<std::uint32_t>(std::max(budget, 0)));
    if (Options.ShowWorking) {
        HideCommentForWorking();
        RefreshClocks();
        UpdateWorking(0);
    }
    clockPress = TClockPress::Pressed;
    SetStopThinkingEnabled(true);
    WakeIdle();
}

// The engine's search runs here in slices of RefreshRate ticks; thinking
// ahead gets one tick per pass. True when nothing is left to drive.
bool TChessForm::IdleStep()
{
    const bool stepping = gameMode == TGameMode::Playing || gameMode == TGameMode::QuickHint
        || gameMode == TGameMode::Analysing;
    if (!stepping || frozen) {
        RefreshClocks();
        return true;
    }
    const EngineState state = GetEngineState();
    EngineState next = state;
    if (state == StateThinking) {
        next = ContinueThinking(static_cast<std::uint32_t>(std::max(Options.RefreshRate, 1)));
        if (next == StateIdle) {
            AcceptLastMove();
        } else if (TimeRemaining(FlagMargin)) {
            MoveNow();
        } else {
            RefreshGameState();
        }
    } else {
        if (time_control::ComputerMovesForUserNow(Options, TimeNow())) {
            StartComputerMove();
            next = GetEngineState();
        } else if (state == StateThinkingAhead) {
            next = ContinueThinking(1);
        }
        RefreshGameState();
    }
    return next == StateIdle || next == StateNoMove;
}

void TChessForm::DoComputerMove()
{
    ActivateGame();
    StopThinking();
    // The reply the engine predicted after its own last move is played at
    // once when it fits this position.
    MoveRecord hint {};
    GetHintMove(hint);
    MovePattern pattern = PatternOf(hint);
    if (hint.Piece != Empty && CompleteAndEnterMove(pattern)) {
        AcceptLastMove();
    } else {
        StartComputerMove();
    }
}

MoveRecord TChessForm::FetchComputerMove()
{
    MoveRecord move {};
    GetLastMove(move);
    if (gameMode == TGameMode::Playing && ComputersTurn() && Options.SearchDepth < 0) {
        // The weak levels: level -d plays a random move with chance d in
        // 60 - 5d, so -10 always does.
        const int d = std::min(-Options.SearchDepth, 10);
        std::uniform_int_distribution<int> draw(0, 59 - 5 * d);
        const int count = record.LegalMoves.Count;
        if (draw(random) < d && count > 0 && TakeBackMove(move) == CodeDone) {
            std::uniform_int_distribution<int> pick(0, count - 1);
            MovePattern pattern = PatternOf(record.LegalMoves.Moves[static_cast<std::size_t>(pick(random))]);
            CompleteAndEnterMove(pattern);
            GetLastMove(move);
        }
    }
    move.Status = FilterStatus(move.Status);
    return move;
}

void TChessForm::StopAnalyseMode()
{
    StopThinking();
    SetStopThinkingEnabled(false);
    SetGameMode(playKind != TPlayKind::Unset ? TGameMode::Playing : TGameMode::Stopped);
    SetStrength();
    UpdateWorking(0);
    // An analysis started on the computer's turn took the place of its
    // search: the computer takes its turn up again.
    if (ComputersTurn() && !gameOver) {
        clockPress = TClockPress::Pressed;
        StartNextMove();
    }
}
