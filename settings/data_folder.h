#pragma once

#include <QString>
#include <QStringList>

// Folders of the program, each with a trailing separator, found once at
// start-up by FindDataDir.
//
// AppDir: the folder of the program file.
// DataDir: the folder that holds "pieces", "texture", "voices", the language
//   and openings files.
// SettingsDir: where the user's own files live ("Default.ini",
//   "ScrnSave.ini" and the recent-file list inside them): DataDir when the
//   program may write there, otherwise the user's configuration folder, so an
//   installed, read-only copy never loses settings and never needs root.
extern QString AppDir;
extern QString DataDir;
extern QString SettingsDir;

// Sets AppDir, DataDir and SettingsDir for the running program from its
// location and the XDG environment variables.
void FindDataDir();

// The data folders tried, in order: the program's folder, the installed data
// beside it (<prefix>/bin/../share/quarvel), $XDG_DATA_HOME/quarvel (default
// ~/.local/share/quarvel), then each folder of $XDG_DATA_DIRS (default
// /usr/local/share:/usr/share) followed by "quarvel". Relative XDG entries
// are ignored, as the XDG rules say.
QStringList DataDirCandidates(
    const QString& appDir, const QString& xdgDataHome, const QString& xdgDataDirs, const QString& home);

// The first candidate holding a "pieces" folder; failing that the first one
// holding "English.lng"; failing that the first candidate (the program's
// folder), so the program starts and reports what is missing.
QString ChooseDataDir(const QStringList& candidates);

// $XDG_CONFIG_HOME/quarvel/, or ~/.config/quarvel/ when the variable is unset
// or relative.
QString UserConfigDir(const QString& xdgConfigHome, const QString& home);

// DataDir when the folder is writable and so is "Default.ini" in it (when it
// exists); otherwise the user's configuration folder.
QString ChooseSettingsDir(const QString& dataDir, const QString& configDir);

// The path of the file in the folder, matching the name without regard to
// case when no file has exactly that name (so "English" finds "english.lng"
// on a case-sensitive file system). The exact path when nothing matches.
QString FindFileIgnoringCase(const QString& folder, const QString& fileName);

// Adds a separator at the end of a folder that lacks one.
QString WithSeparator(const QString& folder);
