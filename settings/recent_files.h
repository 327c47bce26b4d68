#pragma once

#include <QString>

#include <array>

// The recently used game files, slot 0 the most recent; an empty string is
// an empty slot. Kept in the "Games" section of the settings file as File1
// to File9.
inline constexpr int recentFileCount = 9;
using TRecentFiles = std::array<QString, recentFileCount>;
extern TRecentFiles RecentFiles;

// Reads File1 to File9 from the settings file.
void ReadRecentFiles();

// Puts the name at the front. A name already in the list (compared without
// regard to case) moves to the front as newly given; otherwise the oldest
// drops off a full list. The list is saved at once so that it survives a
// crash, by a copy that saves its settings (SettingsSaving) only. Empty names and the clipboard pseudo-name
// "@" are ignored. The caller rebuilds the File menu (BuildGameHistoryMenu).
void AddRecentFile(const QString& name);
