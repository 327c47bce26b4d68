#pragma once

#include <QString>

// Where the sound of an option value or a queued item comes from.

// The file an event-sound option names: a value shorter than two characters
// (empty, or one of the alert codes) and a value with a folder part stand as
// they are; a bare file name is looked up in the data folder.
QString ResolveSoundFile(const QString& value, const QString& dataFolder);

// Whether an item is one of the five alert codes "*", "!", "$", "?", "#".
bool IsAlertCode(const QString& item);

// The file in the data folder that sounds an alert code: "Asterisk.wav",
// "Exclamation.wav", "Hand.wav", "Question.wav", "Default.wav". Empty for
// anything that is not a code.
QString AlertSoundFile(const QString& code);

// The default alert, heard for every item that names no playable file.
QString DefaultAlertFile();

// The short silence queued between the parts of a read-out.
inline constexpr const char* PauseFile = "pause.wav";
