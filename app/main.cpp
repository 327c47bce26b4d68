#include "controller/main_form.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quarvel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Chess Quarvel Educational Computer"));

    TChessForm mainForm;
    mainForm.show();
    return QApplication::exec();
}
