#pragma once

// Waits MoveDelay half-seconds between animated moves while the program
// goes on handling its events, so the window stays responsive.
void MoveDelayPause();
