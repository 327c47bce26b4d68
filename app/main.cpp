#include <QFileInfo>
#include <QFontDatabase>

#include "controller/main_form.h"
#include "controller/switches.h"
#include "dialogs/form_translation.h"
#include "dialogs/message_dialog.h"
#include "settings/data_folder.h"
#include "settings/settings_file.h"
#include "support/gui/application.h"
#include "tools/book/opening_book.h"

#include <algorithm>

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
    // The engine finds its opening library from the first game on.
    book::InstallOpeningBook();
    InstallFormTranslation();

    // The switches choose the application mode, and with it the settings file.
    const TStartSwitches switches = ReadParamSwitches(TApplication::arguments().mid(1));
    FindDataDir();
    SetCommandLineSquareSize(std::max(switches.SquareSizeOverride, 0));
    // Only ordinary use and the saver configuration own the file they read;
    // the viewer and the password check share the user's, the running saver
    // and its preview only play.
    SetSettingsSaving(switches.AppMode == TAppMode::Normal || switches.AppMode == TAppMode::SaverConfig);
    ReadUserSettings(UsesScreenSaverSettings(switches.AppMode));
    RegisterFigurineFont();

    TChessForm mainForm(switches);
    TranslateForm(&mainForm);
    mainForm.show();
    const int result = TApplication::exec();
    // Only ordinary use keeps its settings. The saver configuration would
    // keep what its options dialog changed; until it has one it changes
    // nothing and writes nothing.
    if (switches.AppMode == TAppMode::Normal) {
        WriteSettings();
    }
    return result;
}
