#pragma once

#include <functional>

class QMenu;

// The recent-file entries at the end of the File menu. Removes the entries
// made before (those whose data is 1000 or more), then, when the list is not
// empty, adds a separator "GameHistoryLine" (data 1000) and one entry
// "GameHistory<n>" (data 1000 + n) per file, captioned "&<n> <file name
// without its folder>". Choosing entry n calls open with the slot number n
// (1 to 9); the caller opens RecentFiles[n - 1].
void BuildGameHistoryMenu(QMenu* fileMenu, const std::function<void(int slot)>& open);
