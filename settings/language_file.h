#pragma once

#include <QString>

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
