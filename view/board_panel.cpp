#include "view/board_panel.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

#include "record/history.h"
#include "settings/options.h"
#include "view/board_controls.h"
#include "view/controls/line.h"
#include "view/piece_pictures.h"

using engine::SquarePair;

namespace {

QColor ToQColor(TColour colour)
{
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QLabel* MakeLabel(QWidget* parent, int tag)
{
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    SetControlTag(label, tag);
    return label;
}

} // namespace

TBoardPanel::TBoardPanel(TBoardHost& host, QWidget* parent)
    : QWidget(parent)
    , host(host)
{
    SetControlTag(this, board_tag::Panel);
    CreateControls();
}

TBoardPanel::~TBoardPanel() = default;

// Squares, labels, arrow, cursor, drag picture, texture and cover are made
// once; layout only moves and recolours them.
void TBoardPanel::CreateControls()
{
    background = new TTransparentImage(this);
    SetControlTag(background, board_tag::Background);
    background->setAttribute(Qt::WA_TransparentForMouseEvents);
    background->SetTile(true);
    background->hide();
    for (int i = 0; i < 64; ++i) {
        auto* square = new TBoardSquare(this);
        // a1 (column 0, row 7) is dark.
        SetControlTag(square, (i % 8 + i / 8) % 2 == 1 ? board_tag::DarkSquare : board_tag::LightSquare);
        square->installEventFilter(this);
        squares[i] = square;
    }
    for (int i = 0; i < 16; ++i) {
        fileLabels[i] = MakeLabel(this, board_tag::FileLabel);
        rankLabels[i] = MakeLabel(this, board_tag::RankLabel);
    }
    whiteLabel = MakeLabel(this, board_tag::PlayerLabel);
    blackLabel = MakeLabel(this, board_tag::PlayerLabel);
    markerLine = new TLine(this);
    markerLine->setAttribute(Qt::WA_TransparentForMouseEvents);
    markerLine->hide();
    moveCursor = new TMoveCursorFrame(this);
    SetControlTag(moveCursor, board_tag::MoveCursor);
    moveCursor->hide();
    dragPiece = new TPieceSprite(board_tag::DragFlag, this);
    dragPiece->setAttribute(Qt::WA_TransparentForMouseEvents);
    dragPiece->hide();
    freezePanel = MakeLabel(this, board_tag::FreezePanel);
    freezePanel->setText(tr("Game Frozen"));
    freezePanel->setWordWrap(true);
    freezePanel->hide();
    flashTimer = new QTimer(this);
    flashTimer->setInterval(320);
    connect(flashTimer, &QTimer::timeout, this, &TBoardPanel::FlashTimerTimer);
}

TBoardGeometry TBoardPanel::Geometry() const
{
    return {SquareSize(), EdgeSize(), Options.ShowPlayers, Options.BoardRotated};
}

int TBoardPanel::SquareSize() const
{
    return std::max(Options.SquareSize, 20);
}

int TBoardPanel::EdgeSize() const
{
    return std::max(Options.EdgeSize, 0);
}

int TBoardPanel::TopEdge() const
{
    return Geometry().Top();
}

int TBoardPanel::BoardWidth() const
{
    return Geometry().Width();
}

int TBoardPanel::BoardHeight() const
{
    return Geometry().Height();
}

int TBoardPanel::TakenHeight() const
{
    return TakenRowsHeight(PieceSize(), Options.ShowTaken);
}

QSize TBoardPanel::PieceSize() const
{
    const QSize frame(pieceBitmap.width() / 6, pieceBitmap.height() / 2);
    if (frame.isEmpty()) {
        // No set loaded yet: the size a square frame would have.
        return ScaledPieceSize({1, 1}, SquareSize(), true);
    }
    return ScaledPieceSize(frame, SquareSize(), Options.ScalePieces);
}

QRect TBoardPanel::SquareRect(SquarePair square) const
{
    return Geometry().SquareRect(square);
}

SquarePair TBoardPanel::SquareAt(QPoint point) const
{
    return Geometry().SquareAt(point);
}

bool TBoardPanel::LoadPieceSet(QString* fileName)
{
    QString name = Options.PieceSet;
    QImage picture;
    const bool loaded = LoadPieceSetPicture(name, picture, fileName);
    Options.PieceSet = name;
    if (!loaded) {
        return false;
    }
    pieceSetName = name;
    pieceBitmap = picture;
    framesSize = QSize();
    return true;
}

// The frames of the board area: a sunken frame round the squares (round the
// whole area when the edge is too narrow for it), the line that ends the
// board area on the right and the line over the taken rows.
void TBoardPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const TBoardGeometry geometry = Geometry();
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    const QRect frame = geometry.edge >= 3
        ? QRect(geometry.edge - 2, geometry.Top() - 2, 8 * geometry.square + 4, 8 * geometry.square + 4)
        : QRect(0, 0, geometry.Width(), geometry.Height());
    painter.setPen(shadow);
    painter.drawLine(frame.topLeft(), frame.topRight());
    painter.drawLine(frame.topLeft(), frame.bottomLeft());
    painter.setPen(light);
    painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    painter.drawLine(frame.topRight(), frame.bottomRight());
    painter.setPen(shadow);
    painter.drawLine(geometry.Width() - 1, 0, geometry.Width() - 1, geometry.Height() + TakenHeight());
    if (Options.ShowTaken) {
        painter.drawLine(0, geometry.Height() - 1, geometry.Width() - 1, geometry.Height() - 1);
    }
    if (hasFocus()) {
        // Keyboard users see that Space and the arrows act on the board. The
        // panel fills the window's edge, so the frame is drawn inside it,
        // close round the squares, clear of the coordinate letters.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(FocusRect());
    }
    // Moved to a screen of another resolution: draw the pieces for it.
    if (framesRatio != 0 && devicePixelRatioF() != framesRatio) {
        QTimer::singleShot(0, this, &TBoardPanel::RefreshDisplayFrames);
    }
}

QRect TBoardPanel::FocusRect() const
{
    const TBoardGeometry geometry = Geometry();
    if (geometry.edge >= 8) {
        return QRect(geometry.edge - 3, geometry.Top() - 3, 8 * geometry.square + 6, 8 * geometry.square + 6);
    }
    return QRect(1, 1, geometry.Width() - 3, geometry.Height() - 3);
}

void TBoardPanel::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void TBoardPanel::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

TBoardSquare* TBoardPanel::ShapeAt(SquarePair square) const
{
    if (!engine::OnBoard(square)) {
        return nullptr;
    }
    const QRect rect = SquareRect(square);
    for (TBoardSquare* shape : squares) {
        if (shape->geometry() == rect) {
            return shape;
        }
    }
    return nullptr;
}

QWidget* TBoardPanel::LocateSquareAt(SquarePair square) const
{
    return ShapeAt(square);
}

SquarePair TBoardPanel::SquareOf(const QWidget* control) const
{
    return control == nullptr ? SquarePair {0, 0} : Geometry().SquareOfRect(control->geometry());
}

void TBoardPanel::ResizeBoard()
{
    const TBoardGeometry geometry = Geometry();
    const int s = geometry.square;
    // The window's layout places the panel; until then it is at least as
    // large as the board and the taken rows.
    if (width() < geometry.Width() || height() < geometry.Height() + TakenHeight()) {
        resize(std::max(width(), geometry.Width()), std::max(height(), geometry.Height() + TakenHeight()));
    }
    PlaceSquares();
    PlaceLabels();
    background->setGeometry(geometry.edge, geometry.Top(), 8 * s, 8 * s);
    RedrawBackground();
    RedrawBoard();
    RedrawTaken(false);
    PlacePlayerLabels();
    moveCursor->SetPenWidth(s / 16 + 1);
    PlaceMoveCursor();
    PlaceMarker();
    PlaceCover();
    update();
}

void TBoardPanel::PlaceSquares()
{
    const TBoardGeometry geometry = Geometry();
    for (int i = 0; i < 64; ++i) {
        // Squares are placed by screen position; rotation does not move them.
        squares[i]->setGeometry(geometry.edge + (i % 8) * geometry.square,
            geometry.Top() + (i / 8) * geometry.square, geometry.square, geometry.square);
    }
}

void TBoardPanel::PlaceLabels()
{
    const TBoardGeometry geometry = Geometry();
    const int e = geometry.edge;
    const int s = geometry.square;
    const bool shown = Options.ShowLabels && e > 7;
    const int dpi = std::max(logicalDpiY(), 1);
    const int points = std::max(std::min(e * 50 / dpi + 1, 8), 1);
    // A very fine screen gets the window's own font rather than Arial.
    QFont labelFont = dpi * points > 767 ? font() : QFont(QStringLiteral("Arial"));
    labelFont.setPointSize(points);
    for (int i = 0; i < 16; ++i) {
        const int column = i % 8;
        const bool second = i >= 8;
        // Screen column 0 is file a, or h when rotated; row 0 is rank 8, or 1.
        const int file = geometry.rotated ? 8 - column : column + 1;
        const int rank = geometry.rotated ? column + 1 : 8 - column;
        QLabel* fileLabel = fileLabels[i];
        fileLabel->setText(QString(QChar(u'A' + file - 1)));
        fileLabel->setFont(labelFont);
        fileLabel->setGeometry(
            e + column * s, second ? geometry.Height() - geometry.Top() : geometry.Top() - e, s, e);
        fileLabel->setVisible(shown);
        QLabel* rankLabel = rankLabels[i];
        rankLabel->setText(QString::number(rank));
        rankLabel->setFont(labelFont);
        rankLabel->setGeometry(second ? geometry.Width() - e : 0, geometry.Top() + column * s, e, s);
        rankLabel->setVisible(shown);
    }
}

void TBoardPanel::PlacePlayerLabels()
{
    const TBoardGeometry geometry = Geometry();
    const int height = 16;
    QLabel* bottom = geometry.rotated ? blackLabel : whiteLabel;
    QLabel* top = geometry.rotated ? whiteLabel : blackLabel;
    bottom->setGeometry(geometry.edge, geometry.Height() - height - 1, 8 * geometry.square, height);
    top->setGeometry(geometry.edge, 1, 8 * geometry.square, height);
    whiteLabel->setVisible(Options.ShowPlayers);
    blackLabel->setVisible(Options.ShowPlayers);
}

void TBoardPanel::SetPlayerNames(const QString& white, const QString& black)
{
    whiteLabel->setText(white);
    blackLabel->setText(black);
}

void TBoardPanel::PlaceCover()
{
    const TBoardGeometry geometry = Geometry();
    const int s = geometry.square;
    freezePanel->setGeometry(geometry.edge + s / 4, geometry.Top() + s / 4, 15 * s / 2, 15 * s / 2);
    QFont font = freezePanel->font();
    font.setPixelSize(std::max(s / 2, 10));
    font.setBold(true);
    freezePanel->setFont(font);
    freezePanel->setStyleSheet(
        QStringLiteral("QLabel { background: rgba(40, 40, 48, 200); color: white; "
                       "border: 2px solid rgba(255, 255, 255, 160); border-radius: %1px; }")
            .arg(s / 4));
}

void TBoardPanel::SetFrozenCover(bool visible)
{
    freezePanel->setVisible(visible);
    if (visible) {
        freezePanel->raise();
    }
}

void TBoardPanel::RedrawBackground()
{
    const QImage texture = LoadTexture(Options.Texture);
    if (texture.isNull()) {
        background->hide();
    } else {
        background->SetBitmain(texture);
        background->show();
        background->lower();
    }
    const bool tinted = !texture.isNull();
    for (TBoardSquare* square : squares) {
        square->SetTinted(tinted);
    }
    ResetSquares();
}

void TBoardPanel::RedrawSquares()
{
    const TGameRecord& record = host.BoardRecord();
    const int border = std::max(Options.BorderSize, 1);
    for (int file = 1; file <= 8; ++file) {
        for (int rank = 1; rank <= 8; ++rank) {
            const SquarePair at {static_cast<std::uint8_t>(file), static_cast<std::uint8_t>(rank)};
            TBoardSquare* shape = ShapeAt(at);
            if (shape == nullptr) {
                continue;
            }
            shape->setAttribute(Qt::WA_OpaquePaintEvent, Options.ReduceFlicker && !background->isVisible());
            const bool dark = ControlTag(shape) == board_tag::DarkSquare;
            const QColor fill = ToQColor(dark ? Options.BlackColor : Options.WhiteColor);
            shape->SetFill(fill);
            const int mark = record.Board.At(file, rank).Mark;
            if (mark == 1 && Options.ShowAttacks) {
                shape->SetOutline(ToQColor(Options.AttackColor), border);
            } else if (mark == 2 && Options.ShowJeopardies) {
                shape->SetOutline(ToQColor(Options.JeopardyColor), border);
            } else {
                shape->SetOutline(fill, 1);
            }
        }
    }
    for (TPieceSprite* sprite : sprites) {
        RefreshHint(sprite);
    }
    QPen pen = markerLine->Pen();
    pen.setColor(ToQColor(Options.MarkerColor));
    markerLine->SetPen(pen);
    markerLine->SetBrush(ToQColor(Options.MarkerColor));
}
