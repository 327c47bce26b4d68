#pragma once

#include <QString>

#include "settings/message_format.h"

#include <array>
#include <span>

// Numbered messages: every user-facing text that is not a built-in caption
// is the value of its number in the "Messages" section of the language file.

// Message texts are looked up in this section of the language file.
inline constexpr auto messagesSection = u"Messages";

// The text of message number; "Mesg #" and the number when the open language
// file lacks it (so a missing translation stays visible); empty when no
// language file is open.
QString MessageText(int number);

// The text of the message with its placeholders filled from the arguments.
// Arguments whose kinds differ from the message catalogue's entry are still
// formatted, and the mismatch is reported once as a warning, because it
// means a language file cannot have been written for this call.
QString FormatMessageArgs(int number, std::span<const MessageArg> args);

// The text of the message with its placeholders filled from the arguments,
// each a text or an integer (see FormatText).
template <typename... Args> QString FormatMessage(int number, const Args&... args)
{
    const std::array<MessageArg, sizeof...(Args)> list {ToMessageArg(args)...};
    return FormatMessageArgs(number, list);
}

// Names by number: colour 0 White, 1 Black is message 2001 + colour; piece
// kind 0 (an empty square) to 6 (pawn) is message 2003 + kind. Out-of-range
// values give the empty text.
QString ColourText(int colour);
QString PieceText(int kind);

// The caption beside the board: the colour's name, then ": " and the
// player's name when there is one.
QString PlayerLabelText(int colour, const QString& name);

// "White King"; an empty square is named by message 2003 alone.
QString ColouredPieceText(int colour, int kind);
