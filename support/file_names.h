#pragma once

#include <QString>

// "GAME" for "/games/GAME.PGN": no folder, nothing from the last dot on.
QString BaseFileName(const QString& path);

// "PGN" for "/games/GAME.PGN"; empty when the file name has no dot.
QString ExtensionWithoutDot(const QString& path);

// Creates the folder (and its parents) when missing; false when it cannot.
bool EnsureFolder(const QString& folder);

// The program's version as "major.minor.release.build".
QString ProgramVersion();
