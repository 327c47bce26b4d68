#pragma once

#include <QString>

#include "settings/options.h"
#include "settings/profile_file.h"

#include <functional>

// The settings file: the options, the window placement, the working folder
// and the recent-file list, kept in one INI file ("Default.ini", or
// "ScrnSave.ini" for the screen-saver roles) whose image lives in memory from
// the first ReadSettings to the end of the run. A game that brings settings
// changes only Options, never the image, so the user's own values can always
// be read back from it.

// The file's path in SettingsDir for the mode.
QString DefaultSettingsPath(bool screenSaver);

// The image of the current settings file (empty before the first ReadSettings).
ProfileFile& SettingsFile();

// With a name: saves the current file (when one is open and is another
// file), then makes the named file the settings file and reads it whole. Without a name: reads the
// values again from the image in memory. Either way Options is reset and
// every readable key is taken from the image, a missing or unreadable value
// keeping its default; then the version rule runs, the language file named
// by the options is opened and SettingsFromGame is cleared.
//
// "Debug" sets the program-wide flag, "RandSeed" seeds the engine's random
// source when present.
void ReadSettings(const QString& fileName = {});

// Opens the user's settings file for the mode. When it does not exist yet
// but the data folder ships one of that name (an installed copy with preset
// settings), that one's contents are the starting image; the first save
// then writes the user's own copy.
void ReadUserSettings(bool screenSaver);

// A square size given on the command line; it replaces "SquareSize", which
// is then not read. 0 lets the file decide.
void SetCommandLineSquareSize(int size);

// Whether this copy of the program saves the settings file. A copy that
// shares the file with the one the user works in (the game viewer, the
// password check) or that only plays (the running and previewing saver)
// must not overwrite it: with saving off, every writer below changes the
// image in memory only. On until the program says otherwise.
void SetSettingsSaving(bool on);
bool SettingsSaving();

// Writes every stored option into the image and saves the file atomically.
// A failure is written to the error log and returned: the old file stays
// whole.
ProfileFile::SaveResult WriteSettings();

// Saves the image as it is (after the window or recent-file writers). With
// saving off nothing is written and the result is a success.
ProfileFile::SaveResult FlushSettings();

// Makes the named file the settings file: the current options are saved in
// the current file first, then the new one is read. The caller puts the new
// options into effect. From then on every save goes to the new file.
void SwitchSettingsFile(const QString& fileName);

// True for a file to be opened as a settings file: extension ".ini" (any
// case), or contents beginning with "[Settings]".
bool IsSettingsFile(const QString& path);

// Applies the rule for files older than this layout: a stored Version below
// 35 with TipTypes 2 means "all tips" and restarts the tip cycle. Version
// becomes the current one in every case.
void ApplyVersionRule(TOptionsRec& rec);

// The figurine map stored for the font in the "FontChars" section, or its
// built-in map; padded with blanks and cut to 22 characters.
QString FigureCharMap(const QString& fontName);

// When a loaded game's settings stand in for the user's own, asks (message
// 1027) whether to go back to them. Yes reads the user's values again and,
// with applyNow, calls putIntoEffect so the window follows; No keeps the
// game's values and stops asking until another game brings settings.
void OfferRestoreSettings(bool applyNow, const std::function<void()>& putIntoEffect = {});
