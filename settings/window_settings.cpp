#include "settings/window_settings.h"

#include <QDir>

#include "settings/setting_values.h"
#include "settings/settings_file.h"

namespace {

const QString windowSection = QStringLiteral("Window");
constexpr int viewerOffset = 32;

int readNumber(const char16_t* key)
{
    return ReadIntegerValue(SettingsFile().value(windowSection, QString::fromUtf16(key))).value_or(0);
}

} // namespace

TWindowSettings ReadWindowSettings(bool viewingGame)
{
    TWindowSettings settings;
    settings.Left = readNumber(u"Left");
    settings.Top = readNumber(u"Top");
    if (viewingGame) {
        settings.Left += viewerOffset;
        settings.Top += viewerOffset;
    } else {
        settings.State = readNumber(u"State");
    }
    settings.Directory = SettingsFile().value(windowSection, QStringLiteral("Directory"));
    settings.GameExt = SettingsFile().value(windowSection, QStringLiteral("GameExt"));
    settings.RunTime = readNumber(u"RunTime");
    return settings;
}

void EnterStoredDirectory(const TWindowSettings& settings)
{
    if (!settings.Directory.isEmpty()) {
        QDir::setCurrent(settings.Directory);
    }
}

void WriteWindowSettings(const TWindowSettings& settings)
{
    ProfileFile& file = SettingsFile();
    file.setValue(windowSection, QStringLiteral("Left"), QString::number(settings.Left));
    file.setValue(windowSection, QStringLiteral("Top"), QString::number(settings.Top));
    file.setValue(windowSection, QStringLiteral("State"), QString::number(settings.State));
    file.setValue(windowSection, QStringLiteral("Directory"), settings.Directory);
    file.setValue(windowSection, QStringLiteral("GameExt"), settings.GameExt.toUpper());
}
