#include "support/error_log.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "support/file_names.h"

namespace {

QString logPathOverride;

QString stateFolder()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) {
        base = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return base + QStringLiteral("/quarvel");
}

QString entryText(const QString& text)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy.MM.dd HH:mm:ss"));
    return ProgramFilePath() + u' ' + ProgramVersion() + QStringLiteral(" at ") + stamp + u'\n' + text
        + QStringLiteral("\n\n");
}

bool appendTo(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        return false;
    }
    return file.write(bytes) == bytes.size();
}

} // namespace

QString ProgramFilePath()
{
    // /proc/self/exe names the running program even before (or without) a
    // QCoreApplication, which the error log must not depend on.
    const QString target = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return target.isEmpty() ? QStringLiteral("quarvel") : target;
}

QString DefaultErrorLogPath()
{
    const QFileInfo program(ProgramFilePath());
    return program.absolutePath() + u'/' + BaseFileName(program.fileName()) + QStringLiteral(".err");
}

void setErrorLogPath(const QString& path)
{
    logPathOverride = path;
}

void WriteErrorLog(const QString& text)
{
    const QByteArray bytes = entryText(text).toUtf8();
    if (!logPathOverride.isEmpty()) {
        appendTo(logPathOverride, bytes);
        return;
    }
    const QString primary = DefaultErrorLogPath();
    if (appendTo(primary, bytes)) {
        return;
    }
    const QString folder = stateFolder();
    if (EnsureFolder(folder)) {
        appendTo(folder + u'/' + QFileInfo(primary).fileName(), bytes);
    }
}
