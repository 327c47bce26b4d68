#pragma once

#include <QDialog>

#include "dialogs/board_settings.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

// "Initial Board Settings": the side to move, the move number, castling
// rights, the en passant square, the fifty-move counter and the game status
// of a set-up position. The caller fills it, runs it, and on acceptance
// applies Settings() with ApplyBoardSettings; Cancel changes nothing.
class TBoardSetDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int HelpContext = 5100;

    explicit TBoardSetDlg(QWidget* parent = nullptr);

    void SetSettings(const TBoardSettings& settings);
    TBoardSettings Settings() const;

signals:
    // The Help button: the help opens at the context, the dialog stays.
    void helpRequested(int context);

private:
    QCheckBox* blackQueenSide;
    QCheckBox* blackKingSide;
    QCheckBox* whiteQueenSide;
    QCheckBox* whiteKingSide;
    QRadioButton* firstPlayer[2];
    QLineEdit* moveNumber;
    QLineEdit* enPassant;
    QLineEdit* halfMoves;
    QRadioButton* status[3];
};
