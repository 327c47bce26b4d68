#include <QUrl>
#include <QUrlQuery>

#include "files/game_info.h"
#include "files/mail_sender.h"

#include <gtest/gtest.h>

namespace {

TMailMessage Message(const char* address, const char* name, const QString& body = QStringLiteral("1. e4 *"))
{
    return {QString::fromUtf8(address), QString::fromUtf8(name), EmailGameSubject, body};
}

// What a mail program reads back out of the link.
struct TReadLink {
    QString to;
    QString subject;
    QString body;
};

TReadLink ReadLink(const QString& link)
{
    const QUrl url(link, QUrl::StrictMode);
    EXPECT_TRUE(url.isValid()) << link.left(200).toStdString();
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    const QUrlQuery query(url.query(QUrl::FullyEncoded));
    return {url.path(QUrl::FullyDecoded), query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
        query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded)};
}

TEST(MailSender, LinkCarriesRecipientSubjectAndBodyIntact)
{
    const QString body
        = QStringLiteral("[Event \"Cup & Plate?\"]\r\n[White \"Müller\"]\r\n\r\n1. e4 e5 {50% =} *\r\n");
    const struct {
        TMailMessage message;
        const char* to;
    } cases[] = {
        {Message("jones@example.org", "Jones"), "\"Jones\" <jones@example.org>"},
        {Message(" jones@example.org ", ""), "jones@example.org"},
        {Message("", "Jones"), ""},
        // A name cannot close the address part or add a line.
        {Message("a@b.c", "Evil\" <x@y.z>\r\nBcc: all"), "\"Evil x@y.zBcc: all\" <a@b.c>"},
        // Whatever the address holds stays one recipient field.
        {Message("a@b.c?bcc=x@y.z&body=spam", ""), "a@b.c?bcc=x@y.z&body=spam"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.to);
        TMailMessage message = row.message;
        message.body = body;
        const TReadLink read = ReadLink(MailLink(message));
        EXPECT_EQ(read.to, QString::fromUtf8(row.to));
        EXPECT_EQ(read.subject, QStringLiteral("Chess Quarvel Email Game"));
        EXPECT_EQ(read.body, body);
    }
}

TEST(MailSender, ArgumentsAreTheLinkAloneAfterTheOption)
{
    const TMailMessage message = Message("-x@b.c", "--help");
    const QStringList arguments = MailArguments(message);
    ASSERT_EQ(arguments.size(), 2);
    EXPECT_EQ(arguments[0], QStringLiteral("--utf8"));
    EXPECT_EQ(arguments[1], MailLink(message));
    EXPECT_TRUE(arguments[1].startsWith(QStringLiteral("mailto:")));
}

TEST(MailSender, LongBodyIsCutAtALineWithANote)
{
    QString body;
    for (int line = 1; body.size() < 3 * MailLinkLimit; ++line) {
        body += QStringLiteral("%1. e4 e5 {a comment with blanks that grow when encoded}\r\n").arg(line);
    }
    const QString link = MailLink(Message("a@b.c", "A", body));
    EXPECT_LE(link.size(), MailLinkLimit);
    const QString read = ReadLink(link).body;
    const qsizetype note = read.indexOf(QStringLiteral("\r\n{The game is too long"));
    ASSERT_GT(note, 0);
    EXPECT_TRUE(body.startsWith(read.left(note)));
    EXPECT_TRUE(read.left(note).endsWith(QStringLiteral("}\r\n"))) << "cut inside a line";
    EXPECT_TRUE(read.endsWith(QStringLiteral("}\r\n")));

    // One line longer than any link leaves only the note.
    const QString huge(MailLinkLimit, u'x');
    const QString alone = ReadLink(MailLink(Message("a@b.c", "A", huge))).body;
    EXPECT_TRUE(alone.startsWith(QStringLiteral("\r\n{The game is too long")));

    // A recipient no link can hold: the name goes first, then the address.
    const QString longText(MailLinkLimit, u'n');
    const struct {
        QString address;
        QString name;
        QString to;
    } recipients[] = {
        {QStringLiteral("a@b.c"), longText, QStringLiteral("a@b.c")},
        {longText + QStringLiteral("@b.c"), QStringLiteral("A"), QString()},
    };
    for (const auto& row : recipients) {
        const QString link = MailLink({row.address, row.name, longText, body});
        EXPECT_LE(link.size(), MailLinkLimit);
        EXPECT_EQ(ReadLink(link).to, row.to);
    }
}

TEST(MailSender, GameGoesToTheSideToMove)
{
    TInfoRec info;
    info.White = QStringLiteral("?");
    info.WhiteEmail = QStringLiteral("w@example.org");
    info.Black = QStringLiteral("Jones");
    info.BlackEmail = QStringLiteral("b@example.org");
    const TMailMessage toWhite = GameMailMessage(info, true, QStringLiteral("pgn"));
    EXPECT_EQ(toWhite.address, info.WhiteEmail);
    EXPECT_EQ(toWhite.name, QString());
    EXPECT_EQ(toWhite.subject, EmailGameSubject);
    EXPECT_EQ(toWhite.body, QStringLiteral("pgn"));
    const TMailMessage toBlack = GameMailMessage(info, false, QStringLiteral("pgn"));
    EXPECT_EQ(toBlack.address, info.BlackEmail);
    EXPECT_EQ(toBlack.name, info.Black);
}

TEST(MailSender, MissingMailProgramIsReportedNotLaunched)
{
    const QString before = SetMailProgram(QStringLiteral("quarvel-no-such-mail-program"));
    QString error;
    EXPECT_FALSE(SendMail(Message("a@b.c", "A"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("quarvel-no-such-mail-program"))) << error.toStdString();
    EXPECT_FALSE(SendMail(Message("a@b.c", "A"), nullptr));
    SetMailProgram(before);
}

} // namespace
