#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QString>

class TGameRecord;

// What one cell of the move list shows.
struct TMoveCell {
    QString Text;
    bool Bold = false;
    // The cell has a number or a ply to show at all.
    bool Drawn = false;
};

// The text of cell (row, column) of the move list for the record: column 0
// "N.", columns 1 and 2 White's and Black's ply, padded when the list's font
// is fixed-pitch, bold when bookmarked. Rows start at the move StartPly
// belongs to; a row is drawn once the slot of its first ply exists.
TMoveCell MoveListCell(const TGameRecord& record, int style, bool fixedPitch, int row, int column);

// Whether every character of the font is as wide as every other.
bool MeasuresFixedPitch(const QFont& font);

// The row and column that show a ply (column 1 White, 2 Black).
int MoveListRow(const TGameRecord& record, int ply);
inline int MoveListColumn(int ply)
{
    return ply % 2 + 1;
}
// Rows needed so that the slot of the next ply always exists.
int MoveListRowCount(const TGameRecord& record);

// Where a ply's text goes in its cell: 3 pixels in when it fits in the
// cell less 3; otherwise the text trimmed of blanks on both sides,
// right-aligned, or left-aligned when even that does not fit.
struct TCellPlacement {
    int Left = 0;
    bool Trimmed = false;
};
TCellPlacement PlaceCellText(int textWidth, int trimmedWidth, int cellWidth);

// The move list of the status panel: three columns (number, White, Black)
// without grid lines, a vertical scroll bar, sized from the turn panel's
// height. A click or an arrow key on a ply reports the ply chosen; the
// window decides what that means.
class TMoveGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TMoveGrid(QWidget* parent = nullptr);

    // The record shown and the notation of its texts; the record must
    // outlive the list.
    void SetRecord(const TGameRecord* value, int style);
    void SetNotation(int style);
    // Row height and column widths follow the turn panel's height h:
    // rows h * 4 / 5, move columns h * 16 / 5 - 1, the number column the rest.
    void SetUnitHeight(int h);

    int RowHeight() const { return rowHeight; }
    int MoveColumnWidth() const { return moveWidth; }
    int NumberColumnWidth() const;
    int RowCount() const { return rowCount; }
    int CurrentRow() const { return currentRow; }
    int CurrentColumn() const { return currentColumn; }
    int TopRow() const;
    int VisibleRows() const;
    bool FixedPitch() const;

    // Rows follow the record; the current cell moves to the ply and is
    // scrolled into view.
    void Refresh();
    void SelectPly(int ply);
    // One row with the cursor in column 1 (after the record is cleared).
    void Clear();
    // When the current row is below the visible rows, it becomes the last
    // visible one.
    void ScrollToCurrent();

    // The cell's text and weight as drawn (a test reads it).
    TMoveCell Cell(int row, int column) const;

signals:
    void plyChosen(int ply);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void UpdateScrollBar();
    void UpdateRowHeight();
    void SetCurrent(int row, int column, bool chosen);
    int ColumnLeft(int column) const;
    int ColumnWidth(int column) const;
    void DrawCell(class QPainter& painter, int row, int column, const QRect& cell) const;

    const TGameRecord* record = nullptr;
    int notation = 0;
    int unitHeight = 20;
    int rowHeight = 16;
    int moveWidth = 63;
    int rowCount = 1;
    int currentRow = 0;
    int currentColumn = 1;
};
