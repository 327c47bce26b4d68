#include "dialogs/dialog_help.h"

#include <utility>

namespace {

THelpHandler helpHandler;

} // namespace

THelpHandler SetDialogHelpHandler(THelpHandler handler)
{
    return std::exchange(helpHandler, std::move(handler));
}

void ShowDialogHelp(int context)
{
    if (helpHandler) {
        helpHandler(context);
    }
}
