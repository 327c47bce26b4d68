#include "controller/main_form.h"
#include "engine/engine_interface.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/options.h"

using namespace engine;

namespace {

// "e2e4", "e2-e4", "e7e8q", "e7e8=Q" as a pattern; false for anything else.
bool ReadCoordinateMove(QString text, MovePattern& pattern)
{
    text = text.trimmed().toLower().remove(u'-').remove(u'=');
    if (text.size() != 4 && text.size() != 5) {
        return false;
    }
    const auto file = [&](int i) { return text.at(i).unicode() - u'a' + 1; };
    const auto rank = [&](int i) { return text.at(i).unicode() - u'0'; };
    for (int i : {0, 2}) {
        if (file(i) < 1 || file(i) > 8 || rank(i + 1) < 1 || rank(i + 1) > 8) {
            return false;
        }
    }
    pattern = MovePattern {
        0, std::uint8_t(file(0)), std::uint8_t(rank(1)), std::uint8_t(file(2)), std::uint8_t(rank(3))};
    if (text.size() == 5) {
        const qsizetype kind = QStringLiteral(" kqrbnp").indexOf(text.at(4));
        if (kind < Queen || kind > Knight) {
            return false;
        }
        pattern.Piece = static_cast<std::uint8_t>(kind);
    }
    return true;
}

bool IsDrawText(const QString& text)
{
    static const QStringList words {QStringLiteral("draw"), QStringLiteral("1/2-1/2"), QStringLiteral("1/2"),
        QStringLiteral(".5-.5"), QStringLiteral(".5")};
    return words.contains(text.toLower());
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
    if (busyDepth == 0) {
        EnterMove(QStringLiteral("Resign"));
    }
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
    EnterMove(QStringLiteral("Draw"));
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
    const bool userMayMove = gameMode == TGameMode::Stopped || gameMode == TGameMode::Playing
        || gameMode == TGameMode::Analysing;
    if (busyDepth > 0 || frozen || gameOver || !userMayMove
        || (gameMode == TGameMode::Playing && ComputersTurn())) {
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

// Typed moves and the results that end a game by agreement. "1-0" and
// "0-1" resign only for the side they make the loser.
bool TChessForm::EnterMove(const QString& text)
{
    const QString word = text.trimmed();
    if (busyDepth > 0 || gameOver || word.isEmpty()) {
        return false;
    }
    const int toMove = record.SideToMove();
    const bool resigns = word.compare(u"resign", Qt::CaseInsensitive) == 0
        || (word == u"1-0" && toMove == Black) || (word == u"0-1" && toMove == White);
    if (resigns || IsDrawText(word)) {
        StartupGame();
        ExecutePseudoEntry(resigns ? ResignationRecord() : DrawAgreedRecord());
        return true;
    }
    if (word == u"1-0" || word == u"0-1") {
        return false;
    }
    MovePattern pattern {};
    if (!ReadCoordinateMove(word, pattern)) {
        ErrorMessage(msg::MoveUnreadable, word);
        return false;
    }
    if (!BoardMove(pattern)) {
        ErrorMessage(msg::MoveRefused, word);
        return false;
    }
    return true;
}
