#pragma once

#include <QString>
#include <QStringList>

#include "settings/options.h"

// Options carried inside saved native game files: the "[Settings]" block.

// The block for the groups whose store flag is set: "[Settings]", the
// version line, then one "Key: value" line per option of each group, in the
// order time, strength, display, pieces, board, text, audio, print. Integers
// in decimal, booleans "Y"/"N", colours as in the settings file; an empty
// string gives no line. No store flag set: no lines at all.
QStringList WriteGameSettings(const TOptionsRec& rec = Options);

// One line of the block, split into its key (with the colon) and value.
// A known key (case ignored) stores the value into Options, sets
// SettingsFromGame and returns true. Unreadable integers and colours keep the
// old value; a boolean is true exactly for "Y" (any case); a letter takes the
// first character, upper-cased, or a blank for an empty value. Nothing is
// clamped: the reader of the game file applies the version rule once at the
// end (ApplyVersionRule).
bool ReadGameSetting(const QString& keyWithColon, const QString& value);
