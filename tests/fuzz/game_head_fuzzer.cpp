// Any bytes as the head of a file or the clipboard must be recognised as
// exactly one kind without reading past the head, a file never as a move
// list; and any text as the body and address of an e-mail must give a link
// within the size limit that reads back to one recipient field.
#include <QUrl>

#include "files/file_kinds.h"
#include "files/mail_sender.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto type = static_cast<TFileType>(size > 0 ? data[0] % 11 : 10);
    Check(RecogniseGame(bytes, type, false) != TLoadKind::MoveList);
    const TLoadKind pasted = RecogniseGame(bytes, TFileType::Other, true);
    Check(pasted != TLoadKind::Unknown && pasted != TLoadKind::Settings);

    const QString text = QString::fromUtf8(bytes);
    const qsizetype split = text.size() / 3;
    const TMailMessage message {text.left(split), text.mid(split, split), EmailGameSubject, text};
    const QString link = MailLink(message);
    Check(link.size() <= MailLinkLimit);
    Check(QUrl(link, QUrl::StrictMode).isValid());
    return 0;
}
