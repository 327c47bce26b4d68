#include "settings/recent_files.h"

#include "settings/settings_file.h"

TRecentFiles RecentFiles;

namespace {

const QString gamesSection = QStringLiteral("Games");

QString slotKey(int slot)
{
    return QStringLiteral("File") + QString::number(slot + 1);
}

} // namespace

void ReadRecentFiles()
{
    for (int slot = 0; slot < recentFileCount; ++slot) {
        RecentFiles[slot] = SettingsFile().value(gamesSection, slotKey(slot));
    }
}

void AddRecentFile(const QString& name)
{
    if (name.isEmpty() || name == u"@") {
        return;
    }
    // The slot that gives way: the name's own, the first empty one, or the last.
    int freed = recentFileCount - 1;
    for (int slot = 0; slot < recentFileCount - 1; ++slot) {
        if (RecentFiles[slot].isEmpty() || RecentFiles[slot].compare(name, Qt::CaseInsensitive) == 0) {
            freed = slot;
            break;
        }
    }
    for (int slot = freed; slot > 0; --slot) {
        RecentFiles[slot] = RecentFiles[slot - 1];
    }
    RecentFiles[0] = name;
    for (int slot = 0; slot < recentFileCount; ++slot) {
        SettingsFile().setValue(gamesSection, slotKey(slot), RecentFiles[slot]);
    }
    FlushSettings();
}
