#pragma once

#include <cstdint>

// What the window is doing.
enum class TGameMode : std::uint8_t {
    Stopped = 0,
    BoardSetup = 1,
    Loading = 2,
    QuickReplay = 3,
    Demonstration = 4,
    Playing = 5,
    QuickHint = 6,
    Analysing = 7,
};

// Who plays which side.
enum class TPlayKind : std::uint8_t {
    Unset = 0,
    AutoPlay = 1,
    UserWhite = 2,
    UserBlack = 3,
    TwoPlayer = 4,
};
