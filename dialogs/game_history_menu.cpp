#include "dialogs/game_history_menu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "settings/recent_files.h"

namespace {

constexpr int firstHistoryTag = 1000;

int tagOf(const QAction* action)
{
    bool ok = false;
    const int tag = action->data().toInt(&ok);
    return ok ? tag : 0;
}

} // namespace

void BuildGameHistoryMenu(QMenu* fileMenu, const std::function<void(int slot)>& open)
{
    if (fileMenu == nullptr) {
        return;
    }
    for (QAction* action : fileMenu->actions()) {
        if (tagOf(action) >= firstHistoryTag) {
            fileMenu->removeAction(action);
            delete action;
        }
    }
    if (RecentFiles[0].isEmpty()) {
        return;
    }
    QAction* line = fileMenu->addSeparator();
    line->setObjectName(QStringLiteral("GameHistoryLine"));
    line->setData(firstHistoryTag);
    for (int slot = 1; slot <= recentFileCount; ++slot) {
        const QString& file = RecentFiles[slot - 1];
        if (file.isEmpty()) {
            continue;
        }
        // A "&" in a file name is a real one, not a hot-key marker.
        QString name = QFileInfo(file).fileName();
        name.replace(u'&', QStringLiteral("&&"));
        QAction* entry = fileMenu->addAction(u'&' + QString::number(slot) + u' ' + name);
        entry->setObjectName(QStringLiteral("GameHistory") + QString::number(slot));
        entry->setData(firstHistoryTag + slot);
        QObject::connect(entry, &QAction::triggered, fileMenu, [open, slot]() {
            if (open) {
                open(slot);
            }
        });
    }
}
