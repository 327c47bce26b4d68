#pragma once

#include <QWidget>

#include "engine/types.h"

// A plain drawing of the position the game shows: squares and piece
// glyphs, White at the bottom unless rotated. It stands in for the full
// board view (pieces from the piece sets, sliding, input) and shows exactly
// the image the controller hands it.
class TWorkingBoard : public QWidget {
    Q_OBJECT

public:
    explicit TWorkingBoard(QWidget* parent = nullptr);

    void SetImage(const engine::BoardImage& image);
    const engine::BoardImage& Image() const { return image; }
    void SetRotated(bool value);

    QSize sizeHint() const override { return {320, 320}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    engine::BoardImage image {};
    bool rotated = false;
};
