#pragma once

#include <QString>

// Text helpers shared by the readers of language files, openings tables,
// game files and the command line. Positions are 1-based; 0 means "not found".

// Blank trimming at one end only; a blank is any white-space character.
QString trimStart(const QString& text);
QString trimEnd(const QString& text);

// The trimmed text up to the first separator (trimmed at its end), or the
// whole trimmed text when the separator does not occur.
QString FirstWord(const QString& separator, const QString& text);

// Takes the field before the first separator out of the text; the text keeps
// what follows the separator. Without a separator the whole trimmed text is
// returned and the text becomes empty.
QString NextToken(const QString& separator, QString& text);

// As NextToken, but splits at the last separator and returns what follows it.
QString LastToken(const QString& separator, QString& text);

int LastPos(const QString& sought, const QString& text);

// The first occurrence that begins after position start, or 0.
int PosAfter(const QString& sought, const QString& text, int start);

// Lower case with the first character and every character after a blank in
// upper case: "std xtra LARGE" becomes "Std Xtra Large".
QString TitleCase(const QString& text);

// Only the ASCII capitals A to Z change; every other character is kept.
constexpr char LowerLetter(char letter)
{
    return letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
}

// The trimmed text between the first and second double quote; empty when the
// text holds fewer than two.
QString QuotedText(const QString& text);

// True when the line is "[word ...]" for the given word (case ignored), so
// that "[Event "x"]" is a tag line of Event while "[Event]" is not.
bool IsTagLine(const QString& line, const QString& word);

// Finds the ")" that closes the variation open at depth 1, skipping {...}
// comments. Returns its position, or 0 when the text ends first; depth then
// holds the nesting reached so that the caller can go on with the next line.
int FindClosingParenthesis(const QString& text, int& depth);

// Takes a move number such as "12." or "12..." off the front of the text and
// returns it; what followed the dots in the same word goes back to the front
// of the text. An "e.p." mark is not mistaken for the number's dot.
QString SplitMoveNumber(QString& text);

// Takes the first character and the digits right after it ("$14 xyz" gives
// "$14" and leaves "xyz").
QString SplitLeadingDigits(QString& text);

// Reads a command-line switch: "/S", "-s" and "S" all give 'S'; "-B48" gives
// 'B' and leaves "48" in the argument. Returns a null QChar for anything else,
// leaving the argument as it was.
QChar SwitchLetter(QString& argument);
