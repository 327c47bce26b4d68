#pragma once

#include <QWidget>

#include "engine/types.h"

// A plain drawing of the position the game shows: squares and piece
// glyphs, White at the bottom unless rotated. It stands in for the full
// board view (pieces from the piece sets, sliding, input) and shows exactly
// the image the controller hands it; a press on a square is passed on
// for the two-click move.
class TWorkingBoard : public QWidget {
    Q_OBJECT

public:
    explicit TWorkingBoard(QWidget* parent = nullptr);

    void SetImage(const engine::BoardImage& image);
    const engine::BoardImage& Image() const { return image; }
    void SetRotated(bool value);
    // The square picked for a two-click move, drawn marked; file 0 for none.
    void SetSelected(int file, int rank);
    int SelectedFile() const { return selectedFile; }
    int SelectedRank() const { return selectedRank; }

    QSize sizeHint() const override { return {320, 320}; }

signals:
    // A press on a square, as file and rank 1 to 8.
    void squareClicked(int file, int rank);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    engine::BoardImage image {};
    bool rotated = false;
    int selectedFile = 0;
    int selectedRank = 0;
};
