#pragma once

#include "settings/options.h"

#include <span>
#include <variant>

// The one table that binds each stored option to its field, its section of
// the settings file and the store flag that carries it into saved games.
// The settings-file reader and writer and the game-file settings block all
// walk this table; nowhere else spells out the keys.

using TOptionField = std::variant<bool TOptionsRec::*, std::int32_t TOptionsRec::*, char TOptionsRec::*,
    TColour TOptionsRec::*, QString TOptionsRec::*>;

// The group whose store flag saves a key with games; None for keys that
// never travel with a game.
enum class TStoreGroup { None, Time, Strength, Display, Pieces, Board, Text, Audio, Print };

struct TOptionKey {
    const char16_t* section;
    const char16_t* name; // the field's own name
    TOptionField field;
    bool written; // false: read from the file but never written back
    TStoreGroup group;

    QString sectionName() const { return QString::fromUtf16(section); }
    QString keyName() const { return QString::fromUtf16(name); }
};

// Every option key in settings-file order. Within each store group the
// order is also the order of the lines in a saved game.
std::span<const TOptionKey> OptionKeys();

// The key bound to the field, or nullptr.
const TOptionKey* FindOptionKey(const QString& name);

// The store flag of a group (nullptr for None), in the order groups are
// written to games: time, strength, display, pieces, board, text, audio, print.
bool TOptionsRec::*StoreFlag(TStoreGroup group);
std::span<const TStoreGroup> StoreGroups();
