#pragma once

#include <QString>

// The main window's placement and the values kept with it in the "Window"
// section of the settings file. The main window applies them; this only
// reads and writes them.
struct TWindowSettings {
    int Left = 0;
    int Top = 0;
    int State = 0; // 0 normal, 1 minimized, 2 maximized
    QString Directory; // the working folder
    QString GameExt; // ".PGN": extension of the game file last named
    int RunTime = 0; // minutes until the run ends; 0 sets no limit
};

// The stored values. In the game-viewing mode the window opens 32 pixels
// right of and below the stored place, so it does not hide the copy that
// started it, and the state is left normal. Unreadable numbers read as 0.
TWindowSettings ReadWindowSettings(bool viewingGame);

// Makes the stored working folder current; a folder that cannot be entered
// is ignored.
void EnterStoredDirectory(const TWindowSettings& settings);

// Writes Left, Top, State, Directory and GameExt (upper-cased) into the
// settings image; the next flush (WriteSettings or FlushSettings) saves them.
// RunTime is only ever read.
void WriteWindowSettings(const TWindowSettings& settings);
