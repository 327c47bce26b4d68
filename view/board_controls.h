#pragma once

#include <QColor>
#include <QWidget>

// Every control of the board carries a tag (board_tag in board_panel.h)
// that says what it is.
void SetControlTag(QWidget* control, int tag);
int ControlTag(const QWidget* control);

// One square of the board: its fill, an outline that shows attack marks,
// and the highlight drawn over it. With a board texture behind it the
// square tints the texture instead of covering it.
class TBoardSquare : public QWidget {
    Q_OBJECT

public:
    explicit TBoardSquare(QWidget* parent = nullptr);

    void SetFill(const QColor& colour);
    void SetOutline(const QColor& colour, int width);
    void SetTinted(bool value);
    void SetHighlighted(bool value);
    bool Highlighted() const { return highlighted; }
    const QColor& Fill() const { return fill; }
    const QColor& OutlineColour() const { return outline; }
    int OutlineWidth() const { return outlineWidth; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill {Qt::white};
    QColor outline {Qt::white};
    int outlineWidth = 1;
    bool tinted = false;
    bool highlighted = false;
};

// The keyboard cursor: a dotted rounded frame one square in size. Presses
// fall through to the square or piece under it.
class TMoveCursorFrame : public QWidget {
    Q_OBJECT

public:
    explicit TMoveCursorFrame(QWidget* parent = nullptr);
    void SetPenWidth(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int penWidth = 2;
};
