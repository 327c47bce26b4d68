#pragma once

#include <QMainWindow>

// The main window: game controller and board view. It is alive for the whole
// run and owns the game, the clocks and the board pictures.
class TChessForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TChessForm(QWidget* parent = nullptr);
};
