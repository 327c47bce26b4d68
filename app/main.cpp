#include <QFileInfo>
#include <QFontDatabase>

#include "controller/main_form.h"
#include "dialogs/form_translation.h"
#include "dialogs/message_dialog.h"
#include "settings/data_folder.h"
#include "settings/settings_file.h"
#include "support/gui/application.h"

namespace {

// Printed and exported diagrams draw with the figurine font shipped in the
// data folder; without it they fall back to an installed one.
void RegisterFigurineFont()
{
    const QString font = DataDir + QStringLiteral("fonts/Chess.ttf");
    if (QFileInfo::exists(font)) {
        QFontDatabase::addApplicationFont(font);
    }
}

} // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TApplication::setApplicationName(QStringLiteral("quarvel"));
    TApplication::setApplicationDisplayName(QStringLiteral("Chess Quarvel Educational Computer"));
    InstallMessageDialogPresenter();
    InstallFormTranslation();

    FindDataDir();
    ReadUserSettings(false);
    RegisterFigurineFont();

    TChessForm mainForm;
    TranslateForm(&mainForm);
    mainForm.show();
    const int result = TApplication::exec();
    WriteSettings();
    return result;
}
