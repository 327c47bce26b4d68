#include "view/move_list.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>

#include "record/history.h"
#include "record/ply_text.h"

#include <algorithm>

namespace {

constexpr int TextIndent = 3;
constexpr int ScrollBarWidth = 16;

} // namespace

bool MeasuresFixedPitch(const QFont& font)
{
    // The font's own pitch flag is unreliable for substituted families;
    // the widths of a narrow and a wide letter tell.
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(u'i') == metrics.horizontalAdvance(u'W');
}

int MoveListRow(const TGameRecord& record, int ply)
{
    return ply / 2 - record.StartPly / 2;
}

int MoveListRowCount(const TGameRecord& record)
{
    const int lastSlot = std::max(record.EndPly, record.CurrentPly + 1);
    return std::max(1, MoveListRow(record, lastSlot) + 1);
}

TMoveCell MoveListCell(const TGameRecord& record, int style, bool fixedPitch, int row, int column)
{
    const int move = row + record.StartPly / 2;
    TMoveCell cell;
    // A row exists once the slot of its first ply does.
    if (row < 0 || move * 2 > record.EndPly) {
        return cell;
    }
    cell.Drawn = true;
    if (column == 0) {
        cell.Text = QString::number(move + 1) + u'.';
        return cell;
    }
    const int ply = move * 2 + column - 1;
    QString text = fixedPitch ? PlyTextPadded(record, style, ply) : PlyText(record, style, ply);
    while (text.endsWith(u' ')) {
        text.chop(1);
    }
    cell.Text = text;
    cell.Bold = record.IsBookmarked(ply);
    return cell;
}

TCellPlacement PlaceCellText(int textWidth, int trimmedWidth, int cellWidth)
{
    if (textWidth <= cellWidth - TextIndent) {
        return {TextIndent, false};
    }
    if (trimmedWidth <= cellWidth) {
        return {cellWidth - trimmedWidth, true};
    }
    return {0, true};
}

TMoveGrid::TMoveGrid(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("DrawGrid"));
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(1);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
}

void TMoveGrid::SetRecord(const TGameRecord* value, int style)
{
    record = value;
    notation = style;
    Refresh();
}

void TMoveGrid::SetNotation(int style)
{
    notation = style;
    viewport()->update();
}

void TMoveGrid::SetUnitHeight(int h)
{
    unitHeight = h;
    UpdateRowHeight();
}

// Rows are four fifths of the unit, but never lower than a line of the
// list's font: a lower row would cut off descenders ("g" reads as "q").
void TMoveGrid::UpdateRowHeight()
{
    const int lineHeight = QFontMetrics(font()).height() + 1;
    rowHeight = std::max({1, unitHeight * 4 / 5, lineHeight});
    moveWidth = unitHeight * 16 / 5 - 1;
    UpdateScrollBar();
    viewport()->update();
}

int TMoveGrid::NumberColumnWidth() const
{
    return std::max(0, width() - 2 * moveWidth - ScrollBarWidth);
}

int TMoveGrid::TopRow() const
{
    return verticalScrollBar()->value();
}

int TMoveGrid::VisibleRows() const
{
    return std::max(1, viewport()->height() / rowHeight);
}

bool TMoveGrid::FixedPitch() const
{
    return MeasuresFixedPitch(font());
}

void TMoveGrid::Refresh()
{
    rowCount = record != nullptr ? MoveListRowCount(*record) : 1;
    UpdateScrollBar();
    if (record != nullptr) {
        SelectPly(record->CurrentPly);
    }
    viewport()->update();
}

void TMoveGrid::SelectPly(int ply)
{
    if (record == nullptr || ply < record->StartPly) {
        // The start position: the slot of the first ply.
        const int first = record != nullptr ? record->StartPly : 0;
        SetCurrent(0, MoveListColumn(first), false);
        return;
    }
    SetCurrent(MoveListRow(*record, ply), MoveListColumn(ply), false);
}

void TMoveGrid::Clear()
{
    rowCount = 1;
    UpdateScrollBar();
    SetCurrent(0, 1, false);
    viewport()->update();
}

void TMoveGrid::ScrollToCurrent()
{
    const int top = TopRow();
    if (currentRow >= top + VisibleRows()) {
        verticalScrollBar()->setValue(currentRow - VisibleRows() + 1);
    } else if (currentRow < top) {
        verticalScrollBar()->setValue(currentRow);
    }
}

TMoveCell TMoveGrid::Cell(int row, int column) const
{
    if (record == nullptr) {
        return {};
    }
    return MoveListCell(*record, notation, FixedPitch(), row, column);
}

void TMoveGrid::UpdateScrollBar()
{
    verticalScrollBar()->setPageStep(VisibleRows());
    verticalScrollBar()->setRange(0, std::max(0, rowCount - VisibleRows()));
}

void TMoveGrid::SetCurrent(int row, int column, bool chosen)
{
    row = std::clamp(row, 0, rowCount - 1);
    column = std::clamp(column, 1, 2);
    const bool moved = row != currentRow || column != currentColumn;
    currentRow = row;
    currentColumn = column;
    ScrollToCurrent();
    viewport()->update();
    if (!chosen || !moved || record == nullptr) {
        return;
    }
    // Only a recorded ply can be gone to.
    const int ply = (row + record->StartPly / 2) * 2 + column - 1;
    if (ply >= record->StartPly && ply < record->StartPly + record->EntryCount()) {
        emit plyChosen(ply);
    }
}

int TMoveGrid::ColumnLeft(int column) const
{
    return column == 0 ? 0 : NumberColumnWidth() + (column - 1) * moveWidth;
}

int TMoveGrid::ColumnWidth(int column) const
{
    return column == 0 ? NumberColumnWidth() : moveWidth;
}

void TMoveGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    const int top = TopRow();
    for (int row = top; row < rowCount && (row - top) * rowHeight < viewport()->height(); ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRect cell(ColumnLeft(column), (row - top) * rowHeight, ColumnWidth(column), rowHeight);
            DrawCell(painter, row, column, cell);
        }
    }
}

void TMoveGrid::DrawCell(QPainter& painter, int row, int column, const QRect& cell) const
{
    const bool current = row == currentRow && column == currentColumn;
    QColor textColour = palette().color(QPalette::Text);
    if (current) {
        const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
        painter.fillRect(cell, palette().color(group, QPalette::Highlight));
        textColour = palette().color(group, QPalette::HighlightedText);
    }
    const TMoveCell content = Cell(row, column);
    if (content.Drawn && !content.Text.isEmpty()) {
        QFont cellFont = font();
        cellFont.setBold(content.Bold);
        painter.setFont(cellFont);
        painter.setPen(textColour);
        const QFontMetrics metrics(cellFont);
        QString text = content.Text;
        int left = TextIndent;
        if (column != 0) {
            const QString trimmed = text.trimmed();
            const TCellPlacement place = PlaceCellText(
                metrics.horizontalAdvance(text), metrics.horizontalAdvance(trimmed), cell.width());
            left = place.Left;
            if (place.Trimmed) {
                text = trimmed;
            }
        }
        painter.setClipRect(cell);
        painter.drawText(cell.left() + left, cell.top() + 1 + metrics.ascent(), text);
        painter.setClipping(false);
    }
    if (current && hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = cell.adjusted(0, 0, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void TMoveGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBar();
}

void TMoveGrid::mousePressEvent(QMouseEvent* event)
{
    // Mouse events reach a scroll area in its viewport's coordinates.
    const QPoint at = event->position().toPoint();
    const int row = TopRow() + at.y() / rowHeight;
    const int column = at.x() < ColumnLeft(1) ? 0 : at.x() < ColumnLeft(2) ? 1 : 2;
    if (row < rowCount && column > 0) {
        SetCurrent(row, column, true);
    }
    setFocus(Qt::MouseFocusReason);
}

void TMoveGrid::keyPressEvent(QKeyEvent* event)
{
    int row = currentRow;
    int column = currentColumn;
    switch (event->key()) {
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Left:
        column == 1 ? (--row, column = 2) : --column;
        break;
    case Qt::Key_Right:
        column == 2 ? (++row, column = 1) : ++column;
        break;
    case Qt::Key_PageUp:
        row -= VisibleRows();
        break;
    case Qt::Key_PageDown:
        row += VisibleRows();
        break;
    case Qt::Key_Home:
        row = 0;
        column = 1;
        break;
    case Qt::Key_End:
        row = rowCount - 1;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (row < 0) {
        row = 0;
        column = 1;
    }
    SetCurrent(row, column, true);
}

void TMoveGrid::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        UpdateRowHeight();
    }
}
