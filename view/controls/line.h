#pragma once

#include <QBrush>
#include <QPen>
#include <QPolygon>
#include <QWidget>

// A straight line with an optional dart-shaped arrow head at its end, drawn
// in the control's own coordinates: the arrow of a move or hint across the
// board, and the sample in the options dialog.
class TLine : public QWidget {
    Q_OBJECT

public:
    explicit TLine(QWidget* parent = nullptr);

    int ArrowHead() const { return arrowHead; }
    void SetArrowHead(int value);
    int StartX() const { return startX; }
    void SetStartX(int value);
    int StartY() const { return startY; }
    void SetStartY(int value);
    int StopX() const { return stopX; }
    void SetStopX(int value);
    int StopY() const { return stopY; }
    void SetStopY(int value);

    const QPen& Pen() const { return pen; }
    void SetPen(const QPen& value);
    const QBrush& Brush() const { return brush; }
    void SetBrush(const QBrush& value);
    void StyleChanged();

    // The head's four points: the tip, one barb, the notch, the other barb.
    // Empty without a head, or when the line has no length to point along.
    QPolygon HeadPolygon() const;

    QSize sizeHint() const override { return {50, 50}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void SetCoordinate(int& field, int value);

    int arrowHead = 8;
    int startX = 5;
    int startY = 5;
    int stopX = 45;
    int stopY = 45;
    QPen pen;
    QBrush brush {Qt::white};
};
