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
    statusPanel->CommentMemo()->installEventFilter(this);
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
    FitStatusTexts();
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
// table follows once it exists.
void TChessForm::EffectOptions()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!Options.TouchMove) {
        CancelClickMove(false);
    }
    // The piece set may have changed; the window loaded the first one when
    // it was built, before the first pieces were drawn.
    LoadPieceSet();
    RefreshPlayerLabels();
    RedrawForm();
    ResizeFormFromOptions();
    SetStrength();
    ReportGameState(1);
    UpdateWorking(1);
    statusPanel->MoveList()->SetNotation(Options.Notation);
    QApplication::restoreOverrideCursor();
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
