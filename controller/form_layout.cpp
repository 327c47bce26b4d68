#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include "controller/main_form.h"
#include "engine/engine_interface.h"
#include "record/notation_writer.h"
#include "record/position_writer.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"
#include "settings/options.h"
#include "view/board_panel.h"
#include "view/controls/clock_face.h"
#include "view/move_list.h"
#include "view/status_panel.h"

#include <algorithm>
#include <functional>
#include <span>

using namespace engine;

namespace {

constexpr int ButtonBarThickness = 28;
constexpr int MinSquareSize = 20;
// The expected line shows at most this many moves, the predicted reply
// included.
constexpr int LineMoves = 24;

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

// A value in 1/256 pawn as pawns with two decimals and a sign.
QString PawnsText(int value)
{
    return QStringLiteral("%1%2")
        .arg(value >= 0 ? QStringLiteral("+") : QString())
        .arg(value / 256.0, 0, 'f', 2);
}

// "Courier New" when it is installed, else the system's fixed-pitch font.
QFont FixedPitchFont(const QFont& base)
{
    QFont font(base);
    font.setFamily(QStringLiteral("Courier New"));
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
    if (QFontDatabase::families().contains(font.family()) && MeasuresFixedPitch(font)) {
        return font;
    }
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!MeasuresFixedPitch(font)) {
        for (const QString& family : QFontDatabase::families()) {
            if (QFontDatabase::isFixedPitch(family)) {
                font.setFamily(family);
                break;
            }
        }
    }
    font.setPointSizeF(base.pointSizeF());
    return font;
}

// Hands the arrow keys a widget receives to the board first, so a visible
// keyboard cursor moves even while the move list has the focus.
class TArrowKeyRouter : public QObject {
public:
    TArrowKeyRouter(QObject* parent, std::function<bool(int)> route)
        : QObject(parent)
        , route(std::move(route))
    { }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool arrow = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down
            || key->key() == Qt::Key_Left || key->key() == Qt::Key_Right;
        return arrow && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && route(key->key());
    }

private:
    std::function<bool(int)> route;
};

void PaintMemo(QWidget* memo, QPalette::ColorRole role)
{
    if (auto* box = qobject_cast<QPlainTextEdit*>(memo)) {
        box->viewport()->setBackgroundRole(role);
        box->viewport()->update();
    }
}

} // namespace

void TChessForm::BuildStatusPanel(QWidget* parent)
{
    statusPanel = new TStatusPanel(parent);
    whiteClockFace = statusPanel->WhiteClockFace();
    blackClockFace = statusPanel->BlackClockFace();
    gameClockFace = statusPanel->GameClockFace();
    for (TClockFace* clock : {whiteClockFace, blackClockFace}) {
        connect(clock, &TClockFace::clicked, this, &TChessForm::ClockClick);
    }
    connect(statusPanel, &TStatusPanel::clicked, this, &TChessForm::ClockClick);
    statusPanel->MoveList()->SetRecord(&record, Options.Notation);
    statusPanel->MoveList()->installEventFilter(
        new TArrowKeyRouter(statusPanel, [this](int key) { return BoardKeyPress(key); }));
    // Typed moves in any notation the record reads.
    moveEntry = statusPanel->MoveEntry();
    connect(moveEntry, &QLineEdit::returnPressed, this, [this] {
        if (EnterMove(moveEntry->text())) {
            moveEntry->clear();
        }
    });
    connect(qApp, &QApplication::focusChanged, this, &TChessForm::ActiveControlChange);
}

void TChessForm::BuildButtonBar()
{
    buttonBar = new QToolBar(tr("Buttons"), this);
    buttonBar->setObjectName(QStringLiteral("ButtonBar"));
    buttonBar->setMovable(false);
    buttonBar->setFloatable(false);
    buttonBar->setIconSize(QSize(ButtonBarThickness - 8, ButtonBarThickness - 8));
    const std::pair<const char*, QStyle::StandardPixmap> buttons[] = {
        {"FileNew", QStyle::SP_FileIcon},
        {"PlayWhite", QStyle::SP_MediaPlay},
        {"ComputerMove", QStyle::SP_MediaSeekForward},
        {"QuickHint", QStyle::SP_DialogHelpButton},
        {"StopThinking", QStyle::SP_MediaStop},
        {"FreezeGame", QStyle::SP_MediaPause},
    };
    for (const auto& [name, icon] : buttons) {
        if (auto* action = findChild<QAction*>(QLatin1String(name))) {
            action->setIcon(style()->standardIcon(icon));
            buttonBar->addAction(action);
        }
    }
    addToolBar(Qt::TopToolBarArea, buttonBar);

    auto* enterMove = new QAction(tr("&Enter Move"), this);
    AddCommandAction(TCommand::MoveEnterMove, enterMove, Qt::CTRL | Qt::Key_E);
    addAction(enterMove);
}

int TChessForm::LeftBarWidth() const
{
    return Options.ShowButtons == 1 ? ButtonBarThickness : 0;
}

int TChessForm::TopBarHeight() const
{
    return Options.ShowButtons == 2 ? ButtonBarThickness : 0;
}

int TChessForm::StatusWidth() const
{
    return Options.ShowStatus ? statusPanel->PanelWidth(Options.ShowNarration) : 0;
}

QSize TChessForm::ClientSize() const
{
    return {LeftBarWidth() + board->BoardWidth() + StatusWidth(),
        TopBarHeight() + board->BoardHeight() + board->TakenHeight()};
}

int TChessForm::ClocksTop() const
{
    return statusPanel->ClocksTop();
}

int TChessForm::ClocksHeight() const
{
    return statusPanel->ClocksHeight(Options.ShowAnalogue || Options.ShowDigital);
}

void TChessForm::ResizeFormFromOptions()
{
    resizeHandlerOn = false;
    if (!UsesScreenSaverSettings(appMode)) {
        const bool maximized = isMaximized();
        if (maximized) {
            setWindowState(windowState() & ~Qt::WindowMaximized);
        }
        const int menuHeight = menuBar()->isHidden() ? 0 : menuBar()->sizeHint().height();
        const QSize window = ClientSize() + QSize(0, menuHeight);
        if (Options.ScaleSquares) {
            if (minimumSize() == maximumSize()) {
                // A fixed frame becomes resizable again.
                setMinimumSize(0, 0);
                setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            }
            resize(window);
        } else {
            setFixedSize(window);
        }
        if (maximized) {
            setWindowState(windowState() | Qt::WindowMaximized);
        }
    }
    ResizeForm();
    resizeHandlerOn = true;
}

void TChessForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (resizeHandlerOn) {
        FormResize();
    }
}

// The user dragged the frame: the squares take the size that fits, in
// steps of 4 pixels.
void TChessForm::FormResize()
{
    if (busyDepth > 0 || !Options.ScaleSquares) {
        return;
    }
    const QSize client = centralWidget()->size() + QSize(LeftBarWidth(), TopBarHeight());
    // The size the window was given for its squares (a stored square size
    // need not be a multiple of 4) is no reason to change them.
    if (client == ClientSize()) {
        return;
    }
    const int fromWidth
        = 4 * ((client.width() - LeftBarWidth() - 2 * board->EdgeSize() - StatusWidth()) / 32);
    int fromHeight = 0;
    const int height = client.height() - TopBarHeight() - 2 * board->TopEdge();
    if (Options.ShowTaken && Options.ScalePieces) {
        // Room for the taken rows, whose pieces grow with the squares:
        // the frame's own proportions, not the size scaled to the old squares.
        const int w0 = std::max(1, board->PieceBitmap().width() / 6);
        const int h0 = std::max(1, board->PieceBitmap().height() / 2);
        fromHeight = 4 * ((height - 8) * 5 * (w0 + h0) / (160 * (w0 + h0) + 64 * h0));
    } else {
        fromHeight = 4 * ((height - board->TakenHeight()) / 32);
    }
    const int size = std::min(fromWidth, fromHeight);
    if (size == Options.SquareSize || (size < MinSquareSize && Options.SquareSize == MinSquareSize)) {
        return;
    }
    Options.SquareSize = size;
    ResizeForm();
}

void TChessForm::ResetButtonBar()
{
    const int place = Options.ShowButtons;
    if (place == 0) {
        buttonBar->hide();
        return;
    }
    const Qt::ToolBarArea area = place == 1 ? Qt::LeftToolBarArea : Qt::TopToolBarArea;
    if (toolBarArea(buttonBar) != area) {
        addToolBar(area, buttonBar);
    }
    if (place == 1) {
        buttonBar->setFixedSize(ButtonBarThickness, QWIDGETSIZE_MAX);
        buttonBar->setMinimumHeight(0);
    } else {
        buttonBar->setFixedSize(QWIDGETSIZE_MAX, ButtonBarThickness);
        buttonBar->setMinimumWidth(0);
    }
    buttonBar->show();
}

void TChessForm::ResizeForm()
{
    if (busyDepth > 0) {
        return;
    }
    TBusy busy(*this);
    Options.SquareSize = std::max(Options.SquareSize, MinSquareSize);
    ResetButtonBar();
    // Squares, labels, cursor, texture, frames, cover, pieces and taken rows.
    board->ResizeBoard();
    board->setGeometry(0, 0, board->BoardWidth(), board->BoardHeight() + board->TakenHeight());
    statusPanel->setVisible(Options.ShowStatus);
    statusPanel->setGeometry(board->BoardWidth(), 0, StatusWidth(), board->BoardHeight());
    RedrawClocks();
    statusPanel->Arrange({Options.ShowWorking, Options.ShowComment, Options.ShowNarration,
        Options.ShowAnalogue || Options.ShowDigital});
}

void TChessForm::ResetWorkingPanel()
{
    statusPanel->ResetWorkingPanel(Options.ShowWorking, Options.ShowComment);
}

void TChessForm::RedrawClocks()
{
    statusPanel->ArrangeClocks(Options.ShowAnalogue, Options.ShowDigital, Options.ShowHundredths);
}

void TChessForm::RedrawText()
{
    QFont boardFont = font();
    if (!Options.BoardFont.isEmpty()) {
        boardFont.setFamily(Options.BoardFont);
    }
    board->setFont(boardFont);
    statusPanel->TurnPanel()->setFont(boardFont);
    for (TClockFace* clock : {whiteClockFace, blackClockFace, gameClockFace}) {
        clock->setFont(boardFont);
    }
    statusPanel->MoveList()->setFont(Options.BoardFixed ? FixedPitchFont(boardFont) : boardFont);
}

void TChessForm::RedrawForm()
{
    // Qt paints through a back buffer always; an opaque board fills its
    // own background rather than showing the window's through.
    board->setAutoFillBackground(Options.ReduceFlicker);
    SetFormCaption();
    board->RedrawBackground();
    RedrawText();
}

// The options dialog's OK: every display option takes effect. The openings
// table and the player labels follow once those parts exist.
void TChessForm::EffectOptions()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!Options.TouchMove) {
        CancelClickMove(false);
    }
    // The piece set may have changed; the window loaded the first one when
    // it was built, before the first pieces were drawn.
    LoadPieceSet();
    RedrawForm();
    ResizeFormFromOptions();
    SetStrength();
    ReportGameState(1);
    UpdateWorking(1);
    statusPanel->MoveList()->SetNotation(Options.Notation);
    QApplication::restoreOverrideCursor();
}

// The application title, what the window shows, the status when the
// status panel is hidden, and a star for unsaved changes.
void TChessForm::SetFormCaption()
{
    QString caption = QApplication::applicationDisplayName();
    if (appMode == TAppMode::ViewGame) {
        caption += QStringLiteral(" - ") + FormatMessage(msg::ViewingTitle);
    }
    if (!Options.ShowStatus && !statusDetail.isEmpty()) {
        caption += QStringLiteral(" - ") + statusDetail;
    }
    if (record.Modified) {
        caption += QStringLiteral(" *");
    }
    setWindowTitle(caption);
}

void TChessForm::UpdateTurnStatus()
{
    if (gameOver) {
        statusPanel->SetTurn({}, -1);
    } else {
        const int side = record.SideToMove();
        statusPanel->SetTurn(FormatMessage(msg::MoveNumberStatus, (record.CurrentPly + 3) / 2)
                + QStringLiteral(" - ") + FormatMessage(msg::SideToMoveStatus, ColourText(side)),
            side);
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
    statusPanel->LayoutMemo()->setPlainText(FormatMessage(msg::FenLine, BoardCurrentFEN(record)));
}

void TChessForm::UpdateModeStatus()
{
    QString text;
    if (gameOver) {
        text = FormatMessage(msg::GameOverText);
    } else if (gameMode == TGameMode::Playing || gameMode == TGameMode::QuickHint) {
        const int kind = PlayKindMessage(playKind);
        text = kind != 0 ? FormatMessage(kind) + QStringLiteral(" - ") : QString();
        text += FormatMessage(ComputersTurn() ? msg::ComputersTurn : msg::UsersTurn);
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
    const std::uint64_t nodes = GetNodeCount();
    QString valueText;
    if (value != 0 || nodes > 0) {
        valueText = FormatMessage(msg::WorkingValue, PawnsText(value));
    }
    if (nodes > 0) {
        valueText += QStringLiteral("   ") + FormatMessage(msg::WorkingNodes, static_cast<int>(nodes / 1000));
    }
    statusPanel->ValueLabel()->setText(valueText);

    // Move i of the line is played by the side to move when i is even.
    QStringList moves;
    const int side = record.SideToMove();
    MoveRecord expected {};
    if (state == StateThinkingAhead && GetHintMove(expected) == 0 && expected.Piece != Empty) {
        moves << FormatMove(Options.Notation, expected, side);
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
        moves << FormatMove(Options.Notation, move, (side + static_cast<int>(moves.size())) % 2);
    }
    statusPanel->BestLineLabel()->setText(
        moves.isEmpty() ? QString() : FormatMessage(msg::WorkingLine, moves.join(u' ')));
    lastEngineStatus = state;
}

void TChessForm::MoveListResized()
{
    statusPanel->MoveList()->Refresh();
}

void TChessForm::RepaintMoveList()
{
    statusPanel->MoveList()->viewport()->update();
}

void TChessForm::ClearMovesList()
{
    record.ClearHistory();
    statusPanel->MoveList()->Clear();
}

// A text box with the focus is painted like an edit field so the reader
// sees where the keys go; it goes back to the panel's colour on leaving.
void TChessForm::ActiveControlChange(QWidget* old, QWidget* now)
{
    if (statusPanel->IsMemo(old)) {
        PaintMemo(old, QPalette::Window);
    }
    SetFocusMemo(statusPanel->IsMemo(now) ? now : nullptr);
}

void TChessForm::SetFocusMemo(QWidget* memo)
{
    focusedMemo = memo;
    if (memo != nullptr) {
        PaintMemo(memo, QPalette::Base);
    }
}
