#pragma once

#include <QString>

// The folder of the voice recordings for a side (0 White, 1 Black) below the
// data folder, with a trailing separator; empty when the side's voice is
// "(none)" (or not set), so its phrases are looked up without a folder.
QString VoiceFolder(int side, const QString& dataFolder);
QString VoiceFolder(int side);
