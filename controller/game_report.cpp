#include "controller/main_form.h"
#include "engine/engine_interface.h"
#include "record/ply_text.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/options.h"

using namespace engine;

namespace {

constexpr int SaverRestartMs = 1000;

} // namespace

// Drops the statuses the options or the mode rule out. A resignation the
// user entered always stands; only the engine's own judgement that it is
// lost is dropped when the computer may not resign.
std::uint8_t TChessForm::FilterStatus(std::uint8_t status, bool pseudoEntry) const
{
    if (status == StatusResigns && !pseudoEntry && !Options.AllowResign && ComputersTurn()) {
        return 0;
    }
    if (status == StatusNoMatingMaterial && !Options.AllowDraw) {
        return 0;
    }
    const bool replaying = gameMode == TGameMode::Loading || gameMode == TGameMode::QuickReplay
        || gameMode == TGameMode::Demonstration;
    if (replaying && status >= StatusFiftyMoveDraw && status <= StatusNoMatingMaterial) {
        return 0;
    }
    return status;
}

// While analysing, mate and the rule draws are only reported.
bool TChessForm::EndsHere(std::uint8_t status) const
{
    switch (status) {
    case StatusCheckmate:
    case StatusStalemate:
    case StatusFiftyMoveDraw:
    case StatusRepetitionDraw:
    case StatusNoMatingMaterial:
        return gameMode != TGameMode::Analysing;
    case StatusResigns:
    case StatusDrawByAgreement:
    case StatusFlagFallen:
        return true;
    default:
        return false;
    }
}

QString TChessForm::StatusDetailFor(std::uint8_t status, int mateIn, int& winner) const
{
    const int toMove = record.SideToMove();
    const int lastMover = 1 - toMove;
    switch (status) {
    case StatusCheck:
        return FormatMessage(msg::StatusCheck);
    case StatusCheckmate:
        winner = lastMover;
        return FormatMessage(msg::StatusCheckmate, ColourText(winner));
    case StatusStalemate:
        return FormatMessage(msg::StatusStalemate, ColourText(toMove));
    case StatusResigns:
        winner = toMove;
        return FormatMessage(msg::StatusResigned, ColourText(lastMover), ColourText(winner));
    case StatusMateAnnounced:
        return mateIn > 0 ? FormatMessage(msg::StatusMateAnnounced, mateIn) : QString();
    case StatusFiftyMoveDraw:
        return FormatMessage(msg::StatusFiftyMoves);
    case StatusRepetitionDraw:
        return FormatMessage(msg::StatusRepetition);
    case StatusNoMatingMaterial:
        return FormatMessage(msg::StatusNoMatingMaterial);
    case StatusDrawByAgreement:
        return FormatMessage(msg::StatusDrawAgreed);
    case StatusFlagFallen: {
        const time_control::TimeSituation now = TimeNow();
        const int message = time_control::TimeForfeitMessage(Options, now);
        winner = time_control::TimeForfeitWinner(Options, now);
        return FormatMessage(message == 0 ? msg::SandclockOver : message, ColourText(winner));
    }
    default:
        return {};
    }
}

void TChessForm::ReportGameState(int level)
{
    if (gameOver || gameMode == TGameMode::BoardSetup || gameMode == TGameMode::Loading) {
        return;
    }
    lastReportTime = clock_time::Now();
    int mateIn = 0;
    const MoveRecord last = record.MoveAt(record.CurrentPly);
    std::uint8_t status = record.CurrentStatus(mateIn, TimeRemaining(0));
    status = FilterStatus(status, IsPseudoEntry(last));
    const int side = record.SideToMove();
    if (level == 0 && status == lastReportedStatus && side == lastReportedSide) {
        RefreshClocks();
        return;
    }
    statusLine = MoveCaption(record, Options.Notation);
    int winner = -1;
    statusDetail = StatusDetailFor(status, mateIn, winner);
    const bool ended = EndsHere(status);
    if (ended) {
        gameOver = true;
        if (winner >= 0) {
            record.Winner = static_cast<std::uint8_t>(winner);
        }
        SetGameMode(TGameMode::Stopped);
    }
    if (gameMode != TGameMode::QuickReplay) {
        board->ResetSquares();
        ShowMessageLine();
        if (ended) {
            SetBoardCursorBusy(false);
            StopThinking();
            StopActiveTimer();
            if (playKind == TPlayKind::AutoPlay) {
                playKind = TPlayKind::TwoPlayer;
            }
            UpdateGameOver();
            if (IsInteractive(appMode)) {
                InfoBox(statusDetail);
            }
        }
    } else if (ended) {
        UpdateGameOver();
    }
    lastReportedStatus = status;
    lastReportedSide = side;
    if (ended && (appMode == TAppMode::SaverRun || appMode == TAppMode::SaverPreview)) {
        // The saver plays for ever: a new game a second after one ends. The
        // idle loop starts it, so the loop stays free meanwhile.
        saverRestartAt = clock_time::Now() + SaverRestartMs;
    }
}

void TChessForm::RestartScreenSaverGame()
{
    if (saverRestartAt == 0 || clock_time::Now() < saverRestartAt) {
        return;
    }
    saverRestartAt = 0;
    FileNewExecute();
    PlayAutoExecute();
}

void TChessForm::RefreshGameState()
{
    if (gameOver) {
        return;
    }
    RefreshClocks();
    UpdateWorking(0);
    // RefreshRate eighteenths of a second between full reports.
    const clock_time::Instant interval = Options.RefreshRate * 5000LL / 91;
    if (clock_time::Now() - lastReportTime >= interval) {
        ReportGameState(0);
    }
}
