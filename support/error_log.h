#pragma once

#include <QString>

// The error log: "<program folder>/<program name>.err", or the same file name
// in the user's state folder ($XDG_STATE_HOME/quarvel, else
// ~/.local/state/quarvel) when the program's folder cannot be written.
//
// Each entry is three lines: the program's path, its version and the local
// time ("/usr/bin/quarvel 0.1.0.0 at 2026.03.07 14:05:09"), the text, and an
// empty line. Entries are appended; a failure to write is ignored, because
// the log is the last resort for reporting failures.
void WriteErrorLog(const QString& text);

// The program file's full path, as the log names it.
QString ProgramFilePath();

// Where the entries go when the program's folder is usable.
QString DefaultErrorLogPath();

// Tests point the log at a file of their own; an empty path restores the default.
void setErrorLogPath(const QString& path);
