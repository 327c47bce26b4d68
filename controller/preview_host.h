#pragma once

#include <QSize>

#include <cstdint>

// The screen-saver settings window that the preview draws into, as the X
// server sees it. Qt's own view of a foreign window never follows it (it
// always reads as hidden and empty), so its state is asked of the server.
enum class THostWindow : std::uint8_t {
    // The window was destroyed, or the id never named one.
    Gone,
    // It exists but is not on the screen.
    Hidden,
    Shown,
    // The display is not X11 (offscreen tests): nothing can be said.
    Unknown,
};

// The host's state; when it exists, size receives its inner size.
THostWindow QueryHostWindow(std::uint64_t id, QSize* size = nullptr);

// Handles events until the host is on the screen or gone, for at most
// timeoutMs: a settings dialog may start the preview before it shows itself.
THostWindow WaitForHostWindow(std::uint64_t id, QSize& size, int timeoutMs);
