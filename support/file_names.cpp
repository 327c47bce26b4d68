#include "support/file_names.h"

#include <QDir>
#include <QFileInfo>
#include <quarvel_version.h>

QString BaseFileName(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString ExtensionWithoutDot(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1);
}

bool EnsureFolder(const QString& folder)
{
    return !folder.isEmpty() && QDir().mkpath(folder);
}

QString ProgramVersion()
{
    return QStringLiteral(QUARVEL_VERSION_TEXT);
}
