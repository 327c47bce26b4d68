#pragma once

#include <functional>

// Where the Help buttons of the dialogs that are run through a plain
// function (ChooseGame, EditGameInfo, EnterText) send their help context.
// The window installs its help viewer; without one the button does nothing.
using THelpHandler = std::function<void(int context)>;

// Returns the handler it replaces.
THelpHandler SetDialogHelpHandler(THelpHandler handler);

void ShowDialogHelp(int context);
