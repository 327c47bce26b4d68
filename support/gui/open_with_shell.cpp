#include "support/gui/open_with_shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

bool OpenWithShell(const QString& target, const QStringList& arguments)
{
    if (target.isEmpty()) {
        return false;
    }
    const QFileInfo file(target);
    if (file.isFile() && file.isExecutable()) {
        return QProcess::startDetached(file.absoluteFilePath(), arguments);
    }
    if (file.exists()) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
    }
    return QDesktopServices::openUrl(QUrl::fromUserInput(target));
}
