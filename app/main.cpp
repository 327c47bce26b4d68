#include "controller/main_form.h"
#include "dialogs/message_dialog.h"
#include "support/gui/application.h"

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TApplication::setApplicationName(QStringLiteral("quarvel"));
    TApplication::setApplicationDisplayName(QStringLiteral("Chess Quarvel Educational Computer"));
    InstallMessageDialogPresenter();

    TChessForm mainForm;
    mainForm.show();
    return TApplication::exec();
}
