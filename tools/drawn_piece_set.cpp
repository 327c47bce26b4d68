#include "tools/drawn_piece_set.h"

#include <QPainterPath>
#include <QPen>
#include <QTransform>

namespace {

// Pen widths of drawn pieces, in the 100-unit box of the outlines.
constexpr double OutlineWidth = 4.0;
constexpr double InnerLineWidth = 2.8;

// Each part filled in the piece's colour and edged in the other, then the
// whole piece edged in black: a White piece has black lines throughout, a
// Black piece light lines inside a black edge.
void DrawOutlinedPiece(QPainter& painter, const DrawnPiece& piece, bool black)
{
    const QColor body = black ? Qt::black : Qt::white;
    const QColor edge = black ? Qt::white : Qt::black;
    QPainterPath whole;
    for (const QPainterPath& part : piece.parts) {
        painter.fillPath(part, body);
        painter.strokePath(part, QPen(edge, InnerLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        whole = whole.united(part);
    }
    painter.strokePath(
        piece.innerLines, QPen(edge, InnerLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(whole, QPen(Qt::black, OutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A flat round token in the piece's colour bearing the piece's shape in the
// other colour.
void DrawToken(QPainter& painter, const DrawnPiece& piece, bool black)
{
    const QColor body = black ? Qt::black : Qt::white;
    const QColor edge = black ? Qt::white : Qt::black;
    QPainterPath disc;
    disc.addEllipse(QPointF(50, 52), 41, 41);
    painter.fillPath(disc, body);
    painter.strokePath(disc, QPen(Qt::black, OutlineWidth));
    QPainterPath ring;
    ring.addEllipse(QPointF(50, 52), 35, 35);
    painter.strokePath(ring, QPen(edge, InnerLineWidth));

    QPainterPath whole;
    for (const QPainterPath& part : piece.parts) {
        whole = whole.united(part);
    }
    QTransform inside;
    inside.translate(50, 52);
    inside.scale(0.68, 0.68);
    inside.translate(-50, -50);
    painter.fillPath(inside.map(whole), edge);
}

} // namespace

void DrawDrawnSet(QPainter& painter, DrawnDesign design, int size)
{
    for (int row = 0; row < 2; ++row) {
        for (int frame = 0; frame < 6; ++frame) {
            painter.save();
            painter.translate(frame * size, row * size);
            painter.scale(size / 100.0, size / 100.0);
            const DrawnPiece piece = OutlinedPiece(design, frame);
            if (design == DrawnDesign::Tokens) {
                DrawToken(painter, piece, row == 1);
            } else {
                DrawOutlinedPiece(painter, piece, row == 1);
            }
            painter.restore();
        }
    }
}
