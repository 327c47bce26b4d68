#include "controller/main_form.h"
#include "engine/engine_interface.h"
#include "record/notation_reader.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/options.h"

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

void TChessForm::FileNewExecute()
{
    if (busyDepth > 0 || !OkToCloseForm()) {
        return;
    }
    StopThinking();
    RestartGame(0);
    InitGame();
    RefreshBoard();
}

void TChessForm::PlayAutoExecute()
{
    if (busyDepth == 0) {
        SetGamePlay(TPlayKind::AutoPlay);
    }
}

void TChessForm::PlayWhiteExecute()
{
    if (busyDepth == 0) {
        SetGamePlay(TPlayKind::UserWhite);
    }
}

void TChessForm::PlayBlackExecute()
{
    if (busyDepth == 0) {
        SetGamePlay(TPlayKind::UserBlack);
    }
}

void TChessForm::PlayBothExecute()
{
    if (busyDepth == 0) {
        SetGamePlay(TPlayKind::TwoPlayer);
    }
}

void TChessForm::ComputerMoveExecute()
{
    if (busyDepth > 0 || gameOver) {
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
    if (busyDepth > 0 || gameOver) {
        return;
    }
    SetGameMode(TGameMode::QuickHint);
    DoComputerMove();
}

void TChessForm::AnalyseExecute()
{
    if (busyDepth > 0) {
        return;
    }
    SetGameMode(TGameMode::Analysing);
    SetStrength();
    StopThinking();
    StartComputerMove();
}

void TChessForm::StopThinkingExecute()
{
    if (!stopThinkingEnabled) {
        return;
    }
    // A demonstration or a long jump in the record runs to its end at once.
    if (gameMode == TGameMode::Stopped || gameMode == TGameMode::Demonstration) {
        gameMode = TGameMode::QuickReplay;
        return;
    }
    if (busyDepth > 0) {
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
    if (busyDepth > 0 || gameOver) {
        return;
    }
    StartupGame();
    commands.EnterMove(QStringLiteral("Resign"));
}

void TChessForm::OfferDrawExecute()
{
    if (busyDepth > 0 || gameOver) {
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
    if (busyDepth > 0 || (gameMode != TGameMode::Playing && !frozen)) {
        return;
    }
    if (frozen) {
        ResetFreeze();
    } else {
        SetFreeze();
    }
    RefreshCommands();
}

// The board's drop: the game starts if it was stopped, the engine makes
// the move, and the move is accepted like the computer's.
bool TChessForm::BoardMove(MovePattern pattern)
{
    if (!UserMayEnterMove()) {
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
// leave an analysis; never while a hint is worked out or a game replayed.
bool TChessForm::UserMayEnterMove() const
{
    const bool modeTakesMoves = gameMode == TGameMode::Stopped || gameMode == TGameMode::Playing
        || gameMode == TGameMode::Analysing;
    return busyDepth == 0 && !frozen && !gameOver && modeTakesMoves
        && !(gameMode == TGameMode::Playing && ComputersTurn());
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
    if (gameMode == TGameMode::BoardSetup && busyDepth == 0 && !word.isEmpty()) {
        return commands.EnterMove(word);
    }
    if (word.isEmpty() || !UserMayEnterMove()) {
        return false;
    }
    if (!MoveTextReadable(word)) {
        commands.EnterMove(word);
        return false;
    }
    StartupGame();
    return commands.EnterMove(word);
}
