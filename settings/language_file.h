#pragma once

#include <QString>

#include <functional>

// The one open language file ("English.lng" and the like). Its messages,
// tips and captions are read from memory; the program never writes to it.

// Opens the file at the path, closing the one open before. A file that does
// not exist (or cannot be read) is open all the same and behaves as empty,
// so that every message shows its number instead of its text.
void OpenLanguageFile(const QString& path);
void CloseLanguageFile();

bool LanguageFileIsOpen();
QString LanguageFilePath();

// The value of the key in the section, with leading blanks dropped, or the
// default when the key is missing; empty when no language file is open.
QString LanguageValue(const QString& section, const QString& key, const QString& defaultValue);

// Switches to the language file at the path and re-captions every open
// window through the installed hook. Choosing the file already open does
// nothing, so the same language is never read or applied twice.
void SetLanguageFile(const QString& path);

// Re-captions the open windows after a switch; the widget layer installs it
// (TranslateAllForms). Returns the hook it replaces.
using LanguageChangedHook = std::function<void()>;
LanguageChangedHook setLanguageChangedHook(LanguageChangedHook hook);

// DataDir + Language + ".lng", the name matched without regard to case.
// When no such file exists: "Italian.lng" for "Italian 1" and "Italian 2",
// "Spanish European.lng" for "Spanish", and otherwise "English.lng" (whether
// it exists or not; a missing file reads as empty). A Language naming a
// folder is not a language, so it gets English too.
QString LanguageFileName();

// Sections of the tips.
inline constexpr auto programTipsSection = u"Program Tips";
inline constexpr auto gameTipsSection = u"Game Tips";
inline constexpr auto triviaSection = u"Chess Trivia";
inline constexpr int programTipCount = 15;
inline constexpr int gameTipCount = 14;
inline constexpr int triviaCount = 28;

// Tip number of the section: "Text #" and the number when the file lacks it,
// empty when no language file is open.
QString TipText(const QString& section, int number);

// The "Objects" key part of a component name: everything from its first
// underscore on is dropped, so "LimitTypeGroup_2" shares "LimitTypeGroup".
QString ComponentKey(const QString& name);
