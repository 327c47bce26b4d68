#pragma once

#include <QStringList>

#include "files/pgn_game_list.h"

#include <functional>

class QProgressDialog;
class QWidget;

// Lists the games of a PGN text on a worker thread while the windows keep
// painting. When the work takes longer than about half a second a progress
// dialog with a Cancel button appears; until then, and while it is shown,
// the user's input goes nowhere else, so nothing can start a second load
// meanwhile. A cancelled list has list.cancelled set and holds the games
// found so far. The worker reads its own copy of the lines (shared, not
// copied), so the caller's list stays the caller's.
TPgnGameList ListGamesShowingProgress(QWidget* parent, const QStringList& lines);

// How long the work may take before the progress dialog appears.
inline constexpr int LibraryProgressDelayMs = 500;

// Tests: called with the progress dialog once it is made, before the
// worker starts. Returns the hook it replaces.
using TLibraryProgressHook = std::function<void(QProgressDialog& dialog)>;
TLibraryProgressHook SetLibraryProgressHook(TLibraryProgressHook hook);
