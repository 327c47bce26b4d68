#pragma once

#include <QString>
#include <QStringList>

struct TInfoRec;

// Sending a game by e-mail: the message goes to the desktop's mail program,
// whose compose window lets the user check, complete and send it.

struct TMailMessage {
    QString address;
    QString name;
    QString subject;
    QString body;
};

inline const QString EmailGameSubject = QStringLiteral("Chess Quarvel Email Game");

// The longest mailto: link handed over. One program argument may hold
// 128 KiB on Linux, and some mail programs pass the link on once more.
inline constexpr qsizetype MailLinkLimit = 64 * 1024;
// Characters of the subject that are kept.
inline constexpr qsizetype MailSubjectLimit = 200;

// The message of a correspondence game: to the side that moves next (its
// name unless that is "?", its e-mail address), the subject above, the PGN
// text as the body.
TMailMessage GameMailMessage(const TInfoRec& info, bool whiteReceives, const QString& pgnText);

// The mailto: link of the message: the recipient ("Name" <address>, or the
// address alone without a name, or nobody without an address), subject and
// body, all percent-encoded so nothing in them can add fields. A body whose
// link would exceed MailLinkLimit is cut after its last whole line that
// fits, and a PGN comment saying so follows; a recipient that leaves no room
// for that is left out, for the user to enter in the compose window.
QString MailLink(const TMailMessage& message);

// The arguments for xdg-email: the link is the one argument after the
// option, so nothing is read as an option or by a shell.
QStringList MailArguments(const TMailMessage& message);

// Starts xdg-email with the message, never through a shell. False with the
// reason in *error (when given, a phrase to follow "could not be handed to
// a mail program:") when the program is missing or cannot be started; what
// the mail program then does is its own affair.
bool SendMail(const TMailMessage& message, QString* error);

// The program SendMail starts ("xdg-email"); tests point it elsewhere.
// Returns the one it replaces.
QString SetMailProgram(const QString& program);
