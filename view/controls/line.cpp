#include "view/controls/line.h"

#include <QPainter>

#include <cmath>

TLine::TLine(QWidget* parent)
    : QWidget(parent)
{
    resize(50, 50);
    // A line is only what it draws: the mouse belongs to what lies below.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TLine::SetCoordinate(int& field, int value)
{
    if (field != value) {
        field = value;
        update();
    }
}

void TLine::SetArrowHead(int value)
{
    SetCoordinate(arrowHead, value);
}

void TLine::SetStartX(int value)
{
    SetCoordinate(startX, value);
}

void TLine::SetStartY(int value)
{
    SetCoordinate(startY, value);
}

void TLine::SetStopX(int value)
{
    SetCoordinate(stopX, value);
}

void TLine::SetStopY(int value)
{
    SetCoordinate(stopY, value);
}

void TLine::SetPen(const QPen& value)
{
    if (pen != value) {
        pen = value;
        StyleChanged();
    }
}

void TLine::SetBrush(const QBrush& value)
{
    if (brush != value) {
        brush = value;
        StyleChanged();
    }
}

void TLine::StyleChanged()
{
    update();
}

QPolygon TLine::HeadPolygon() const
{
    if (arrowHead < 1) {
        return {};
    }
    const int dx = stopX - startX;
    const int dy = stopY - startY;
    const double length = std::sqrt(static_cast<double>(dx * dx + dy * dy));
    if (length == 0) {
        return {};
    }
    // nearbyint in the default rounding mode: nearest, ties to even.
    const int ux = static_cast<int>(std::nearbyint(arrowHead * dx / length));
    const int uy = static_cast<int>(std::nearbyint(arrowHead * dy / length));
    return QPolygon({
        {stopX, stopY},
        {stopX - 4 * ux + uy, stopY - 4 * uy - ux},
        {stopX - 2 * ux, stopY - 2 * uy},
        {stopX - 4 * ux - uy, stopY - 4 * uy + ux},
    });
}

void TLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.drawLine(startX, startY, stopX, stopY);
    const QPolygon head = HeadPolygon();
    if (!head.isEmpty()) {
        painter.drawPolygon(head);
    }
}
