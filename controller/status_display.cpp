#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>

#include "controller/main_form.h"
#include "engine/engine_interface.h"
#include "files/game_info.h"
#include "record/notation_writer.h"
#include "record/position_writer.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"
#include "settings/options.h"
#include "sound/position_narration.h"
#include "view/board_panel.h"
#include "view/move_list.h"
#include "view/status_panel.h"

#include <span>

// The status texts: caption, turn, mode, clocks and the computer's working.

using namespace engine;

namespace {

// The expected line shows at most this many moves, the predicted reply
// included.
constexpr int LineMoves = 24;
constexpr QChar NonBreakingHyphen(0x2011);

int ModeMessage(TGameMode mode)
{
    switch (mode) {
    case TGameMode::Stopped:
        return msg::ModeStopped;
    case TGameMode::BoardSetup:
        return msg::ModeBoardSetup;
    case TGameMode::Loading:
        return msg::ModeLoading;
    case TGameMode::QuickReplay:
        return msg::ModeQuickReplay;
    case TGameMode::Demonstration:
        return msg::ModeDemonstration;
    case TGameMode::Analysing:
        return msg::ModeAnalysing;
    default:
        return 0;
    }
}

int PlayKindMessage(TPlayKind kind)
{
    switch (kind) {
    case TPlayKind::AutoPlay:
        return msg::PlayAutoPlay;
    case TPlayKind::UserWhite:
        return msg::PlayUserWhite;
    case TPlayKind::UserBlack:
        return msg::PlayUserBlack;
    case TPlayKind::TwoPlayer:
        return msg::PlayTwoPlayer;
    default:
        return 0;
    }
}

int SearchMessage(EngineState state)
{
    switch (state) {
    case StateThinking:
        return msg::EngineSearching;
    case StateThinkingAhead:
        return msg::EngineThinkingAhead;
    case StateNoMove:
        return msg::GameOverText;
    default:
        return msg::EngineIdle;
    }
}

QString TurnText(int moveNumber, int side)
{
    return FormatMessage(msg::MoveNumberStatus, moveNumber) + QStringLiteral(" - ")
        + FormatMessage(msg::SideToMoveStatus, ColourText(side));
}

// Who plays which side, then whose turn it is.
QString PlayingModeText(TPlayKind kind, bool computersTurn)
{
    const int message = PlayKindMessage(kind);
    const QString who = message != 0 ? FormatMessage(message) + QStringLiteral(" - ") : QString();
    return who + FormatMessage(computersTurn ? msg::ComputersTurn : msg::UsersTurn);
}

// A value in 1/256 pawn as pawns with two decimals and a sign.
QString PawnsText(int value)
{
    return QStringLiteral("%1%2")
        .arg(value >= 0 ? QStringLiteral("+") : QString())
        .arg(value / 256.0, 0, 'f', 2);
}

// The score, when there is one, and the nodes searched, when any were.
QString ValueText(int value, std::uint64_t nodes)
{
    QString text;
    if (value != 0 || nodes > 0) {
        text = FormatMessage(msg::WorkingValue, PawnsText(value));
    }
    if (nodes > 0) {
        text += QStringLiteral("   ") + FormatMessage(msg::WorkingNodes, static_cast<int>(nodes / 1000));
    }
    return text;
}

} // namespace

// What the window shows (the viewer, or the game's file), the status when
// the status panel is hidden and a star for unsaved changes, then the
// application title. The title comes last as desktops show it, and so the
// window system does not add it a second time.
void TChessForm::SetFormCaption()
{
    QStringList parts;
    if (appMode == TAppMode::ViewGame) {
        parts.append(FormatMessage(msg::ViewingTitle));
    } else if (!gameName.isEmpty()) {
        parts.append(QFileInfo(gameName).fileName());
    }
    if (!Options.ShowStatus && !statusDetail.isEmpty()) {
        parts.append(statusDetail);
    }
    QString caption = parts.join(QStringLiteral(" - "));
    if (record.Modified) {
        caption += caption.isEmpty() ? QStringLiteral("*") : QStringLiteral(" *");
    }
    const QString title = QApplication::applicationDisplayName();
    setWindowTitle(caption.isEmpty() ? title : caption + QStringLiteral(" - ") + title);
}

// A game without player names shows the colours alone (a new language
// renames them).
void TChessForm::RefreshPlayerLabels()
{
    board->SetPlayerNames(PlayerLabelText(White, GameInfo.White), PlayerLabelText(Black, GameInfo.Black));
}

void TChessForm::FitStatusTexts()
{
    TStatusTexts texts;
    for (const int side : {White, Black}) {
        texts.Turn << TurnText(888, side);
    }
    for (const TGameMode mode : {TGameMode::Stopped, TGameMode::BoardSetup, TGameMode::Loading,
             TGameMode::QuickReplay, TGameMode::Demonstration, TGameMode::Analysing}) {
        texts.Mode << FormatMessage(ModeMessage(mode));
    }
    texts.Mode << FormatMessage(msg::GameOverText);
    for (const TPlayKind kind :
        {TPlayKind::AutoPlay, TPlayKind::UserWhite, TPlayKind::UserBlack, TPlayKind::TwoPlayer}) {
        for (const bool computers : {true, false}) {
            texts.Mode << PlayingModeText(kind, computers);
        }
    }
    for (const EngineState state : {StateIdle, StateThinking, StateThinkingAhead, StateNoMove}) {
        texts.Search << FormatMessage(SearchMessage(state));
    }
    // The widest value: a large score and a node count in the millions.
    texts.Value << ValueText(-32000, 99'999'999);
    statusPanel->FitStatusTexts(texts);
}

void TChessForm::UpdateTurnStatus()
{
    if (gameOver) {
        statusPanel->SetTurn({}, -1);
    } else {
        const int side = record.SideToMove();
        statusPanel->SetTurn(TurnText((record.CurrentPly + 3) / 2, side), side);
    }
    statusPanel->MoveList()->Refresh();
    BuildNarration();
    UpdateModeStatus();
    // A fresh game or position has a reset engine while its idle state is
    // unchanged: the search of the game before must not stay on show.
    if (record.CurrentPly < record.StartPly) {
        UpdateWorking(1);
    }
}

// The narration box will describe the position in words; until then it
// stays empty and only the position box is written.
void TChessForm::BuildNarration()
{
    statusPanel->NarrateMemo()->setPlainText(PositionNarration(record, GameInfo.Opening, gameOver).join(u'\n'));
    statusPanel->LayoutMemo()->setPlainText(FormatMessage(msg::FenLine, BoardCurrentFEN(record)));
}

void TChessForm::UpdateModeStatus()
{
    QString text;
    if (gameOver) {
        text = FormatMessage(msg::GameOverText);
    } else if (gameMode == TGameMode::Playing || gameMode == TGameMode::QuickHint) {
        text = PlayingModeText(playKind, ComputersTurn());
    } else if (const int mode = ModeMessage(gameMode); mode != 0) {
        text = FormatMessage(mode);
    }
    statusPanel->ModeLabel()->setText(text);
    UpdateTimeStatus();
}

void TChessForm::UpdateTimeStatus()
{
    if (Options.ShowAnalogue || Options.ShowDigital) {
        RefreshClocks();
    }
    UpdateWorking(0);
}

void TChessForm::UpdateWorking(int force)
{
    const EngineState state = GetEngineState();
    if (!(Options.ShowWorking && force > 0) && state != StateThinking && state != StateThinkingAhead
        && state == lastEngineStatus) {
        return;
    }
    statusPanel->SearchLabel()->setText(FormatMessage(SearchMessage(state)));

    int value = 0;
    MoveRecord line[LineMoves] {};
    GetMainLine(value, line, LineMoves - 1);
    statusPanel->ValueLabel()->setText(ValueText(value, GetNodeCount()));

    // Move i of the line is played by the side to move when i is even. The
    // engine's line carries no disambiguation, so it is written in a form
    // that names every origin square.
    QStringList moves;
    const int side = record.SideToMove();
    MoveRecord expected {};
    if (state == StateThinkingAhead && GetHintMove(expected) == 0 && expected.Piece != Empty) {
        moves << StatusLineMove(Options.Notation, expected, side);
    }
    // After the computer has moved, the last search's line still begins with
    // that move: it is history now, not something expected.
    const MoveRecord played = record.MoveAt(record.CurrentPly);
    const bool lineStartsWithPlayed = state != StateThinking && state != StateThinkingAhead
        && line[0].Piece != Empty && line[0].Origin == played.Origin
        && line[0].Destination == played.Destination;
    for (const MoveRecord& move : lineStartsWithPlayed ? std::span(line).subspan(1) : std::span(line)) {
        if (move.Piece == Empty || moves.size() >= LineMoves) {
            break;
        }
        moves << StatusLineMove(Options.Notation, move, (side + static_cast<int>(moves.size())) % 2);
    }
    // The line wraps between moves, never at the hyphen inside one.
    const QString shown = moves.join(u' ').replace(u'-', NonBreakingHyphen);
    statusPanel->BestLineLabel()->setText(
        moves.isEmpty() ? QString() : FormatMessage(msg::WorkingLine, shown));
    lastEngineStatus = state;
}
