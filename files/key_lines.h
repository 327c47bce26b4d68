#pragma once

#include <QChar>
#include <QString>

#include "support/colour.h"

class TTextStore;

// The small line formats shared by the game files and their settings block:
// "Key: value" lines, [Name "value"] tag lines, and long texts cut at blanks.

// Takes the first piece of at most width characters off the trimmed text,
// cutting at the last blank that fits; the text keeps the rest, trimmed. A
// word longer than the width is never split: it becomes the piece whole.
// A negative width counts as 0.
QString CutLine(QString& text, int width);

// Each writes the line "key: value" through StoreWriteLine. A string line is
// left out when the value is empty; a flag is "Y" or "N"; a real number has
// up to 15 significant digits; a colour is its name or "$" and eight
// hexadecimal digits.
void WriteKeyString(TTextStore& store, const QString& key, const QString& value);
void WriteKeyNumber(TTextStore& store, const QString& key, int value);
void WriteKeyReal(TTextStore& store, const QString& key, double value);
void WriteKeyFlag(TTextStore& store, const QString& key, bool value);
void WriteKeyColour(TTextStore& store, const QString& key, TColour value);

// Each is given a line split into its first word and the rest. When the word
// is the key followed by ":" (case ignored) the value is read from the rest
// and true is returned; otherwise the value is left alone.
bool MatchKeyString(const QString& word, const QString& rest, const QString& key, QString& value);
// The first character of the rest, a blank when the rest is empty.
bool MatchKeyChar(const QString& word, const QString& rest, const QString& key, QChar& value);
// 0 when the rest is not a finite decimal number.
bool MatchKeyReal(const QString& word, const QString& rest, const QString& key, double& value);
// The old value stays when the rest is not a decimal integer.
bool MatchKeyInteger(const QString& word, const QString& rest, const QString& key, int& value);
// True exactly when the rest is "Y" in either case.
bool MatchKeyFlag(const QString& word, const QString& rest, const QString& key, bool& value);
// A colour name or number or "red,green,blue"; the old value stays when the
// rest is none of these.
bool MatchKeyColour(const QString& word, const QString& rest, const QString& key, TColour& value);

// [name "value"], or [name "fallback"] when the value is empty; nothing when
// both are. Backslashes and double quotes in the text are escaped so the tag
// reads back whole.
void WriteTag(TTextStore& store, const QString& name, const QString& value, const QString& fallback = {});
