#pragma once

#include <QString>
#include <QStringList>

#include "controller/app_mode.h"

#include <cstdint>
#include <optional>

// What the command line asks of the run. ReadParamSwitches only reads; the
// main window puts the result into effect.
struct TStartSwitches {
    TAppMode AppMode = TAppMode::Normal;
    // /B: square size in pixels; 0 when not given. A value that is not a
    // number asks for the stored size and is kept as -1 until the settings
    // are known.
    int SquareSizeOverride = 0;
    // /V: the viewer shows the position before this ply.
    int GotoPlyAtStart = 0;
    bool RotateAtStart = false; // /Q
    bool Maximized = false; // /M
    bool Debug = false; // /DEBUG
    // The host window after A or P; 0 for none.
    std::uint64_t PreviewHost = 0;
    // /T: minutes of run time (60 when the value is no number).
    std::optional<int> RunMinutes;
    // The arguments that are game files to load, in order.
    QStringList Files;
};

// The square size /B stands for when its value is no number.
inline constexpr int StoredSquareSize = -1;

// Scans the arguments (without the program name). A, C, P and S end the
// scan: the screen-saver host passes its own arguments after them, which are
// neither switches nor game files.
TStartSwitches ReadParamSwitches(const QStringList& arguments);
