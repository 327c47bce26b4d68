#include "controller/main_form.h"

#include <QApplication>

TChessForm::TChessForm(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("ChessForm"));
    setWindowTitle(QApplication::applicationDisplayName());
    resize(640, 480);
}
