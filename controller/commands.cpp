#include <QLineEdit>

#include "controller/main_form.h"
#include "engine/engine_interface.h"
#include "record/notation_reader.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/options.h"
#include "view/controls/clock_face.h"

using namespace engine;

namespace {

// The words that end a game by agreement rather than name a move: a
// resignation, "1-0" or "0-1" for the side they make the loser, and the
// spellings of a draw. They start a game like a move does.
bool IsAgreementText(const QString& text, int sideToMove)
{
    static const QStringList draws {
        QStringLiteral("1/2-1/2"), QStringLiteral("1/2"), QStringLiteral(".5-.5"), QStringLiteral(".5")};
    return text.startsWith(u"RESIGN", Qt::CaseInsensitive) || text.startsWith(u"DRAW", Qt::CaseInsensitive)
        || draws.contains(text) || (text == u"1-0" && sideToMove == Black)
        || (text == u"0-1" && sideToMove == White);
}

} // namespace

void TChessForm::ExecuteCommand(TCommand command)
{
    struct Runner {
        TCommand command;
        void (TChessForm::*run)();
    };
    // The typed-move line has no action of its own: it takes its text.
    static constexpr Runner runners[] = {
        {TCommand::FileNew, &TChessForm::FileNewExecute},
        {TCommand::FileOpen, &TChessForm::FileOpenExecute},
        {TCommand::FileReopen, &TChessForm::FileReopenExecute},
        {TCommand::FileSave, &TChessForm::FileSaveExecute},
        {TCommand::FileSaveAs, &TChessForm::FileSaveAsExecute},
        {TCommand::FileExit, &TChessForm::ExitExecute},
        {TCommand::PlayEnterPosition, &TChessForm::EnterPositionExecute},
        {TCommand::PlayCopyGame, &TChessForm::CopyGameExecute},
        {TCommand::PlayPasteGame, &TChessForm::PasteGameExecute},
        {TCommand::PlayEmailGame, &TChessForm::EmailGameExecute},
        {TCommand::PlayGameInfo, &TChessForm::GameInfoExecute},
        {TCommand::PlayBoardSetup, &TChessForm::BoardSetupExecute},
        {TCommand::PlayClearBoard, &TChessForm::ClearBoardExecute},
        {TCommand::PlayBoardSettings, &TChessForm::BoardSettingsExecute},
        {TCommand::PlayRotateBoard, &TChessForm::RotateBoardExecute},
        {TCommand::PlayAutoplay, &TChessForm::PlayAutoExecute},
        {TCommand::PlayWhite, &TChessForm::PlayWhiteExecute},
        {TCommand::PlayBlack, &TChessForm::PlayBlackExecute},
        {TCommand::PlayTwoPlayer, &TChessForm::PlayBothExecute},
        {TCommand::PlayAnalyse, &TChessForm::AnalyseExecute},
        {TCommand::PlayFreezeGame, &TChessForm::FreezeGameExecute},
        {TCommand::MoveEnterMove, &TChessForm::EnterMoveExecute},
        {TCommand::MoveComputerMove, &TChessForm::ComputerMoveExecute},
        {TCommand::MoveQuickHint, &TChessForm::QuickHintExecute},
        {TCommand::MoveStopThinking, &TChessForm::StopThinkingExecute},
        {TCommand::MoveResign, &TChessForm::ResignExecute},
        {TCommand::MoveOfferDraw, &TChessForm::OfferDrawExecute},
        {TCommand::MoveComment, &TChessForm::CommentExecute},
    };
    for (const Runner& runner : runners) {
        if (runner.command == command) {
            (this->*runner.run)();
        }
    }
    // A checkable action flips itself when triggered; the rules have the
    // last word, whether the command ran or not.
    RefreshCommands();
}

TCommandSituation TChessForm::CommandSituation() const
{
    TCommandSituation situation;
    situation.mode = gameMode;
    situation.playKind = playKind;
    situation.sideToMove = record.SideToMove();
    situation.gameOver = gameOver;
    situation.busy = busyDepth > 0;
    situation.frozen = frozen;
    situation.clockRunning = activeClock != nullptr && activeClock->Running();
    situation.stopThinkingArmed = stopThinkingEnabled;
    situation.movesRecorded = record.EndPly > record.StartPly;
    situation.computerSearching = gameMode == TGameMode::Playing && GetEngineState() == StateThinking;
    situation.boardRotated = Options.BoardRotated;
    situation.hasGameName = !gameName.isEmpty();
    return situation;
}

bool TChessForm::CommandAllowed(TCommand command) const
{
    return CommandState(command, CommandSituation()).enabled;
}

void TChessForm::FileNewExecute()
{
    if (!CommandAllowed(TCommand::FileNew) || !OkToCloseForm()) {
        return;
    }
    StopThinking();
    CancelClickMove(true);
    RestartGame(0);
    InitGame();
    RefreshBoard();
    SetGameName({});
}

void TChessForm::PlayAutoExecute()
{
    if (CommandAllowed(TCommand::PlayAutoplay)) {
        SetGamePlay(TPlayKind::AutoPlay);
    }
}

void TChessForm::PlayWhiteExecute()
{
    if (CommandAllowed(TCommand::PlayWhite)) {
        SetGamePlay(TPlayKind::UserWhite);
    }
}

void TChessForm::PlayBlackExecute()
{
    if (CommandAllowed(TCommand::PlayBlack)) {
        SetGamePlay(TPlayKind::UserBlack);
    }
}

void TChessForm::PlayBothExecute()
{
    if (CommandAllowed(TCommand::PlayTwoPlayer)) {
        SetGamePlay(TPlayKind::TwoPlayer);
    }
}

void TChessForm::ComputerMoveExecute()
{
    if (!CommandAllowed(TCommand::MoveComputerMove)) {
        return;
    }
    // The computer takes the side that moves first in this game.
    if (gameMode == TGameMode::Stopped && playKind != TPlayKind::TwoPlayer) {
        playKind = record.StartPly % 2 == 0 ? TPlayKind::UserBlack : TPlayKind::UserWhite;
    }
    DoComputerMove();
}

void TChessForm::QuickHintExecute()
{
    if (!CommandAllowed(TCommand::MoveQuickHint)) {
        return;
    }
    SetGameMode(TGameMode::QuickHint);
    DoComputerMove();
}

void TChessForm::AnalyseExecute()
{
    if (!CommandAllowed(TCommand::PlayAnalyse) || !LeaveSetup()) {
        return;
    }
    SetGameMode(TGameMode::Analysing);
    SetStrength();
    StopThinking();
    StartComputerMove();
}

void TChessForm::StopThinkingExecute()
{
    if (!CommandAllowed(TCommand::MoveStopThinking)) {
        return;
    }
    // A demonstration or a long jump in the record runs to its end at once.
    if (gameMode == TGameMode::Stopped || gameMode == TGameMode::Demonstration) {
        gameMode = TGameMode::QuickReplay;
        return;
    }
    if (gameMode == TGameMode::Analysing) {
        StopAnalyseMode();
    } else if (GetEngineState() == StateThinking) {
        MoveNow();
        // The computer keeps the side it is thinking for.
        if (playKind == TPlayKind::AutoPlay) {
            playKind = record.SideToMove() == Black ? TPlayKind::UserWhite : TPlayKind::UserBlack;
        }
    }
    SetStopThinkingEnabled(false);
}

void TChessForm::ResignExecute()
{
    if (!CommandAllowed(TCommand::MoveResign) || FlagHasFallen()) {
        return;
    }
    StartupGame();
    commands.EnterMove(QStringLiteral("Resign"));
}

void TChessForm::OfferDrawExecute()
{
    if (!CommandAllowed(TCommand::MoveOfferDraw) || FlagHasFallen()) {
        return;
    }
    StartupGame();
    if (DeclinesDraw()) {
        InfoMessage(msg::DrawDeclined);
        StartNextMove();
        return;
    }
    commands.EnterMove(QStringLiteral("Draw"));
}

void TChessForm::FreezeGameExecute()
{
    if (!CommandAllowed(TCommand::PlayFreezeGame)) {
        return;
    }
    if (frozen) {
        ResetFreeze();
    } else {
        SetFreeze();
    }
    RefreshCommands();
}

// The move entry line is one key away wherever the focus is.
void TChessForm::EnterMoveExecute()
{
    if (!CommandAllowed(TCommand::MoveEnterMove)) {
        return;
    }
    // The typed-move line stands in for the dialog while it is shown.
    if (moveEntry->isVisibleTo(this)) {
        moveEntry->setFocus(Qt::ShortcutFocusReason);
    } else {
        EnterMoveDialog({});
    }
}

// The board's drop: the game starts if it was stopped, the engine makes
// the move, and the move is accepted like the computer's.
bool TChessForm::BoardMove(MovePattern pattern)
{
    if (!UserMayEnterMove() || FlagHasFallen()) {
        return false;
    }
    if (TestMove(pattern) != CodeDone && !CompleteMove(pattern)) {
        return false;
    }
    StartupGame();
    if (!CompleteAndEnterMove(pattern)) {
        StartNextMove();
        return false;
    }
    AcceptLastMove();
    return true;
}

// The user moves in a stopped game, in play on the user's own turn, and to
// leave an analysis; never while a hint is worked out or a game replayed,
// nor while the game is frozen.
bool TChessForm::UserMayEnterMove() const
{
    return CommandAllowed(TCommand::MoveEnterMove) && !frozen;
}

bool TChessForm::FlagHasFallen()
{
    if (gameOver || gameMode != TGameMode::Playing || !TimeRemaining(0)) {
        return false;
    }
    ReportGameState(1);
    return true;
}

// Whether typed text is an agreement or a legal move here, so that the
// game starts only for input that will be taken.
bool TChessForm::MoveTextReadable(const QString& text) const
{
    if (IsAgreementText(text, record.SideToMove())) {
        return true;
    }
    bool descriptive = record.DescriptiveInput;
    MovePattern pattern {};
    return ParseMoveText(text, TMoveInput {record.LegalMoves, record.SideToMove(), descriptive}, pattern)
        && CompleteMove(pattern);
}

// Typed moves go through the game record's reader; refused text leaves the
// game as it was, with the record's message.
bool TChessForm::EnterMove(const QString& text)
{
    const QString word = text.trimmed();
    // In set-up a typed move only moves a piece; the game does not start.
    if (gameMode == TGameMode::BoardSetup && CommandAllowed(TCommand::MoveEntryLine) && !word.isEmpty()) {
        return commands.EnterMove(word);
    }
    if (word.isEmpty() || !UserMayEnterMove() || FlagHasFallen()) {
        return false;
    }
    if (!MoveTextReadable(word)) {
        commands.EnterMove(word);
        return false;
    }
    StartupGame();
    return commands.EnterMove(word);
}
