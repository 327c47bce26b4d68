#include "files/mail_sender.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "files/game_info.h"

#include <utility>

namespace {

QString mailProgram = QStringLiteral("xdg-email");

const QString cutNote = QStringLiteral("\r\n{The game is too long for an e-mail and is cut off here. Save it "
                                       "as a file and send that instead.}\r\n");

QString Encoded(const QString& text, const QByteArray& keep = {})
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text, keep));
}

// A display name may not open or close the quotes or the address part.
QString CleanName(QString name)
{
    for (const QChar c : {u'"', u'\\', u'<', u'>', u'\r', u'\n'}) {
        name.remove(c);
    }
    return name.trimmed();
}

QString Recipient(const TMailMessage& message)
{
    const QString address = message.address.trimmed();
    const QString name = CleanName(message.name);
    if (address.isEmpty() || name.isEmpty()) {
        return address;
    }
    return QStringLiteral("\"%1\" <%2>").arg(name, address);
}

// The body percent-encoded; when that exceeds room characters, only the
// whole lines that fit, then the note that the game is cut.
QString EncodedBodyWithin(const QString& body, qsizetype room)
{
    const QString whole = Encoded(body);
    if (whole.size() <= room) {
        return whole;
    }
    const QString note = Encoded(cutNote);
    QString kept;
    qsizetype start = 0;
    while (start < body.size()) {
        qsizetype end = body.indexOf(u'\n', start);
        end = end < 0 ? body.size() : end + 1;
        const QString line = Encoded(body.mid(start, end - start));
        if (kept.size() + line.size() + note.size() > room) {
            break;
        }
        kept += line;
        start = end;
    }
    return kept + note;
}

} // namespace

TMailMessage GameMailMessage(const TInfoRec& info, bool whiteReceives, const QString& pgnText)
{
    const QString& name = whiteReceives ? info.White : info.Black;
    TMailMessage message;
    message.address = whiteReceives ? info.WhiteEmail : info.BlackEmail;
    message.name = name == u"?" ? QString() : name;
    message.subject = EmailGameSubject;
    message.body = pgnText;
    return message;
}

QString MailLink(const TMailMessage& message)
{
    // A recipient too long for any link is left for the user to enter in
    // the compose window: first the name goes, then the address.
    const QString address = message.address.trimmed();
    const QString recipients[] = {Recipient(message), address, QString()};
    const QString fields = QStringLiteral("?subject=") + Encoded(message.subject.left(MailSubjectLimit))
        + QStringLiteral("&body=");
    const qsizetype noteSize = Encoded(cutNote).size();
    QString head;
    for (const QString& recipient : recipients) {
        head = QStringLiteral("mailto:") + Encoded(recipient, "@") + fields;
        if (head.size() + noteSize <= MailLinkLimit) {
            break;
        }
    }
    return head + EncodedBodyWithin(message.body, MailLinkLimit - head.size());
}

QStringList MailArguments(const TMailMessage& message)
{
    return {QStringLiteral("--utf8"), MailLink(message)};
}

bool SendMail(const TMailMessage& message, QString* error)
{
    const auto fail = [error](const QString& reason) {
        if (error != nullptr) {
            *error = reason;
        }
        return false;
    };
    const QString path = mailProgram.contains(u'/') ? QFileInfo(mailProgram).absoluteFilePath()
                                                    : QStandardPaths::findExecutable(mailProgram);
    if (path.isEmpty() || !QFileInfo(path).isExecutable()) {
        return fail(QStringLiteral("the program %1, which hands messages to the mail program, is not "
                                   "installed (it comes with the package xdg-utils).")
                        .arg(mailProgram));
    }
    if (!QProcess::startDetached(path, MailArguments(message))) {
        return fail(
            QStringLiteral("the program %1 could not be started.").arg(path));
    }
    return true;
}

QString SetMailProgram(const QString& program)
{
    return std::exchange(mailProgram, program);
}
