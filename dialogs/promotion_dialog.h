#pragma once

#include <QDialog>

// The choice of the piece a pawn becomes. The result is a piece kind:
// queen 2, rook 3, bishop 4, knight 5. Closing the dialog without a choice
// (the close box, Alt+F4, Esc) gives a queen, the choice a player nearly
// always wants.
class TPromoteDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int HelpContext = 5800;

    explicit TPromoteDlg(QWidget* parent = nullptr);

    int Choice() const { return choice; }
    // Shows the dialog centred on the screen and returns the kind chosen.
    static int Choose(QWidget* parent);

signals:
    // The Help button: the help opens at the context, the dialog stays.
    void helpRequested(int context);

private:
    int choice;
};
