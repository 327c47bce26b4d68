#pragma once

#include <QString>

// The folder that holds "pieces", "texture", "voices", the language, openings
// and settings files, with a trailing separator. Found once at start-up.
extern QString DataDir;
