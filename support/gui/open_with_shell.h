#pragma once

#include <QString>
#include <QStringList>

// Opens a document or a web address with the desktop's associated program,
// or starts a program file directly with the given arguments. Never goes
// through a shell, so no text is ever interpreted as a command line.
// Returns false when nothing could be started.
bool OpenWithShell(const QString& target, const QStringList& arguments = {});
