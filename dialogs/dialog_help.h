#pragma once

#include <functional>

class QBoxLayout;
class QDialog;

// Where the Help buttons of the dialogs that are run through a plain
// function (ChooseGame, EditGameInfo, EnterText) send their help context.
// The window installs its help viewer; without one the button does nothing.
using THelpHandler = std::function<void(int context)>;

// Returns the handler it replaces.
THelpHandler SetDialogHelpHandler(THelpHandler handler);

void ShowDialogHelp(int context);

// The OK (default), Cancel and Help buttons at the foot of a dialog, named
// OKBtn, CancelBtn and HelpBtn so a language file can re-caption them. OK
// accepts, Cancel rejects, Help calls help.
void AddOkCancelHelp(QDialog& dialog, QBoxLayout& layout, const std::function<void()>& help);
