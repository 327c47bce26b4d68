#include "view/board_controls.h"

#include <QPainter>
#include <QVariant>

namespace {

constexpr const char* TagProperty = "boardTag";
const QColor HighlightTint(0xFF, 0xC8, 0x20, 0x90);

} // namespace

void SetControlTag(QWidget* control, int tag)
{
    control->setProperty(TagProperty, tag);
}

int ControlTag(const QWidget* control)
{
    const QVariant tag = control->property(TagProperty);
    return tag.isValid() ? tag.toInt() : -1;
}

TBoardSquare::TBoardSquare(QWidget* parent)
    : QWidget(parent)
{ }

void TBoardSquare::SetFill(const QColor& colour)
{
    if (colour != fill) {
        fill = colour;
        update();
    }
}

void TBoardSquare::SetOutline(const QColor& colour, int width)
{
    if (colour != outline || width != outlineWidth) {
        outline = colour;
        outlineWidth = width;
        update();
    }
}

void TBoardSquare::SetTinted(bool value)
{
    if (value != tinted) {
        tinted = value;
        setAttribute(Qt::WA_OpaquePaintEvent, !tinted);
        update();
    }
}

void TBoardSquare::SetHighlighted(bool value)
{
    if (value != highlighted) {
        highlighted = value;
        update();
    }
}

void TBoardSquare::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The texture below shows through, darkened by the square's colour.
    painter.setCompositionMode(
        tinted ? QPainter::CompositionMode_Multiply : QPainter::CompositionMode_Source);
    painter.fillRect(rect(), fill);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (outline != fill || outlineWidth > 1) {
        const int w = std::max(outlineWidth, 1);
        QPen pen(outline, w);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0));
    }
    if (highlighted) {
        // A see-through gold over the square: it shows on light and dark
        // squares and on any texture, and painting the square again undoes it.
        painter.fillRect(rect(), HighlightTint);
    }
}

TMoveCursorFrame::TMoveCursorFrame(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TMoveCursorFrame::SetPenWidth(int value)
{
    if (value != penWidth) {
        penWidth = value;
        update();
    }
}

void TMoveCursorFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal inset = penWidth / 2.0 + 1;
    const QRectF frame = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    const qreal radius = width() / 6.0;
    // Dark dots over light gaps, so the frame shows on every square colour.
    painter.setPen(QPen(Qt::white, penWidth));
    painter.drawRoundedRect(frame, radius, radius);
    QPen dots(Qt::black, penWidth, Qt::DotLine);
    painter.setPen(dots);
    painter.drawRoundedRect(frame, radius, radius);
}
