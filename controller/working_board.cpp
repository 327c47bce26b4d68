#include "controller/working_board.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// Chess symbols U+2654 (White King) onwards, in our piece-kind order.
QString Glyph(const engine::ImageCell& cell)
{
    static constexpr char16_t white[] = u" \u2654\u2655\u2656\u2657\u2658\u2659";
    static constexpr char16_t black[] = u" \u265A\u265B\u265C\u265D\u265E\u265F";
    if (cell.Kind == engine::Empty || cell.Kind > engine::Pawn) {
        return {};
    }
    return QString(QChar(cell.Colour == engine::White ? white[cell.Kind] : black[cell.Kind]));
}

} // namespace

TWorkingBoard::TWorkingBoard(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("BoardImage"));
    setMinimumSize(160, 160);
}

void TWorkingBoard::SetImage(const engine::BoardImage& value)
{
    image = value;
    update();
}

void TWorkingBoard::SetRotated(bool value)
{
    if (value != rotated) {
        rotated = value;
        update();
    }
}

void TWorkingBoard::SetSelected(int file, int rank)
{
    selectedFile = file;
    selectedRank = rank;
    update();
}

void TWorkingBoard::mousePressEvent(QMouseEvent* event)
{
    const int square = std::min(width(), height()) / 8;
    if (square <= 0 || event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint at = event->position().toPoint();
    const int column = at.x() / square;
    const int row = at.y() / square;
    if (at.x() < 0 || at.y() < 0 || column > 7 || row > 7) {
        return;
    }
    const int file = rotated ? 8 - column : column + 1;
    const int rank = rotated ? row + 1 : 8 - row;
    emit squareClicked(file, rank);
}

void TWorkingBoard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int square = std::min(width(), height()) / 8;
    QFont font = painter.font();
    font.setPixelSize(std::max(square * 3 / 4, 1));
    painter.setFont(font);
    for (int file = 1; file <= 8; ++file) {
        for (int rank = 1; rank <= 8; ++rank) {
            const int column = rotated ? 8 - file : file - 1;
            const int row = rotated ? rank - 1 : 8 - rank;
            const QRect cell(column * square, row * square, square, square);
            const bool light = (file + rank) % 2 == 1;
            painter.fillRect(cell, light ? QColor(240, 217, 181) : QColor(181, 136, 99));
            if (file == selectedFile && rank == selectedRank) {
                painter.fillRect(cell, QColor(80, 160, 80, 140));
            }
            painter.setPen(Qt::black);
            painter.drawText(cell, Qt::AlignCenter, Glyph(image.At(file, rank)));
        }
    }
}
