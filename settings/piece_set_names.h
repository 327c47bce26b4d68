#pragma once

#include <QString>

// Older settings and game files name piece sets by number ("0" Modern to
// "11" Rounded 8). Gives the name for such a number, any other text as it is.
QString PieceSetName(const QString& stored);
