// What the fuzzers share: the game-file layer's quiet record host, and
// message boxes answered at once and counted instead of being shown or logged.
#pragma once

#include "files/quiet_record_host.h"
#include "settings/message_box.h"

#include <cstdlib>

namespace fuzzing {

inline void Check(bool ok)
{
    if (!ok) {
        std::abort();
    }
}

// Message boxes shown since the last Reset.
inline int& ShownMessages()
{
    static int count = 0;
    return count;
}

inline void AnswerMessagesAtOnce()
{
    static const bool installed = [] {
        setMessageBoxPresenter([](const TMessageBoxRequest& request) {
            ++ShownMessages();
            return EscapeButton(request.buttons);
        });
        return true;
    }();
    (void)installed;
    ShownMessages() = 0;
}

// Moves are recorded as the window records them, with nothing shown.
using TFuzzHost = TQuietRecordHost;

} // namespace fuzzing
