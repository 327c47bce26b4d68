#include "settings/data_folder.h"

#include <QDir>
#include <QFileInfo>

#include "support/error_log.h"

QString AppDir;
QString DataDir;
QString SettingsDir;

namespace {

const QString programFolderName = QStringLiteral("quarvel");

QString absoluteOr(const QString& value, const QString& fallback)
{
    return value.isEmpty() || QDir::isRelativePath(value) ? fallback : value;
}

bool holds(const QString& folder, const QString& name)
{
    return QFileInfo::exists(folder + name);
}

} // namespace

QString WithSeparator(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QStringList DataDirCandidates(
    const QString& appDir, const QString& xdgDataHome, const QString& xdgDataDirs, const QString& home)
{
    QStringList candidates {WithSeparator(appDir)};
    candidates.append(
        WithSeparator(QDir::cleanPath(appDir + QStringLiteral("/../share/") + programFolderName)));
    const QString dataHome = absoluteOr(xdgDataHome, home + QStringLiteral("/.local/share"));
    candidates.append(WithSeparator(dataHome) + programFolderName + u'/');
    const QString dataDirs
        = xdgDataDirs.isEmpty() ? QStringLiteral("/usr/local/share:/usr/share") : xdgDataDirs;
    for (const QString& dir : dataDirs.split(u':', Qt::SkipEmptyParts)) {
        if (!QDir::isRelativePath(dir)) {
            candidates.append(WithSeparator(dir) + programFolderName + u'/');
        }
    }
    candidates.removeDuplicates();
    return candidates;
}

QString ChooseDataDir(const QStringList& candidates)
{
    for (const QString& marker : {QStringLiteral("pieces"), QStringLiteral("English.lng")}) {
        for (const QString& folder : candidates) {
            if (holds(folder, marker)) {
                return folder;
            }
        }
    }
    return candidates.isEmpty() ? QStringLiteral("/") : candidates.front();
}

QString UserConfigDir(const QString& xdgConfigHome, const QString& home)
{
    return WithSeparator(absoluteOr(xdgConfigHome, home + QStringLiteral("/.config"))) + programFolderName
        + u'/';
}

QString ChooseSettingsDir(const QString& dataDir, const QString& configDir)
{
    const QFileInfo folder(dataDir);
    const QFileInfo settings(dataDir + QStringLiteral("Default.ini"));
    const bool usable
        = folder.isDir() && folder.isWritable() && (!settings.exists() || settings.isWritable());
    return usable ? dataDir : configDir;
}

QString FindFileIgnoringCase(const QString& folder, const QString& fileName)
{
    const QString exact = folder + fileName;
    if (QFileInfo::exists(exact)) {
        return exact;
    }
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0) {
            return folder + entry;
        }
    }
    return exact;
}

void FindDataDir()
{
    AppDir = WithSeparator(QFileInfo(ProgramFilePath()).absolutePath());
    const QString home = QDir::homePath();
    DataDir = ChooseDataDir(DataDirCandidates(
        AppDir, qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("XDG_DATA_DIRS"), home));
    SettingsDir = ChooseSettingsDir(DataDir, UserConfigDir(qEnvironmentVariable("XDG_CONFIG_HOME"), home));
}
