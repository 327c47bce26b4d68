#pragma once

#include <cstdint>

// What the program is run as, chosen by the command-line switches and fixed
// for the whole run.
enum class TAppMode : std::uint8_t {
    Normal = 0,
    // A viewer another copy started to show a variation from the clipboard.
    ViewGame = 1,
    // Full-screen self-play, ended by any input.
    SaverRun = 2,
    // Only the options, for the screen-saver settings.
    SaverConfig = 3,
    // Ordinary use that never writes the settings and shows no tip.
    SaverPassword = 4,
    // A small board drawn into a host window given by its id.
    SaverPreview = 5,
};

// The three roles that keep their settings in "ScrnSave.ini".
constexpr bool UsesScreenSaverSettings(TAppMode mode)
{
    return mode == TAppMode::SaverRun || mode == TAppMode::SaverConfig || mode == TAppMode::SaverPreview;
}

// The roles in which a person plays at the window, so an unsaved game is
// worth a question before it is thrown away.
constexpr bool IsInteractive(TAppMode mode)
{
    return mode == TAppMode::Normal || mode == TAppMode::ViewGame || mode == TAppMode::SaverPassword;
}
