#pragma once

#include <QString>

// The column layout of the moves section of the native game file, shared by
// its writer and its reader.
namespace native_layout {

// A comment is cut into pieces of at most this many characters: the first
// after "COMMENT ", each further one on its own line after the indent.
inline constexpr int CommentWidth = 71;
inline constexpr int CommentIndent = 8;
// A move line begins with its number in a field of this width: "12.  " for
// White, "12...         " for a Black move standing alone.
inline constexpr int WhiteNumberWidth = 5;
inline constexpr int BlackNumberWidth = 14;

inline const QString CommentWord = QStringLiteral("COMMENT");

// Whether the line begins with the indent of a comment's further pieces.
inline bool IsIndented(const QString& line)
{
    return line.startsWith(QString(CommentIndent, u' '));
}

} // namespace native_layout
