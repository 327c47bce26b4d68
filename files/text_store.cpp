#include "files/text_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "support/eight_bit_text.h"
#include "support/text_lines.h"

#include <algorithm>
#include <utility>

TTextStore TextStore;

namespace {

const QString lineEnd = QStringLiteral("\r\n");

} // namespace

QStringList SplitTextLines(const QString& text)
{
    QStringList result;
    ForEachLine(
        text.size(), [&text](qsizetype i) { return text[i].unicode(); },
        [&](qsizetype start, qsizetype length) { result.append(text.mid(start, length)); });
    return result;
}

QStringList DecodeFileLines(const QByteArray& bytes)
{
    QByteArrayView body(bytes);
    if (body.startsWith("\xEF\xBB\xBF")) {
        body = body.sliced(3);
    }
    QStringList result;
    ForEachLine(
        body.size(), [body](qsizetype i) { return body[i]; },
        [&](qsizetype start, qsizetype length) {
            result.append(DecodeUtf8OrEightBit(body.sliced(start, length)));
        });
    return result;
}

void TTextStore::StoreBegin(const QString& newTarget)
{
    lines.clear();
    pending.clear();
    target = newTarget;
    readPosition = 0;
}

bool TTextStore::StoreOpen(const QString& source)
{
    if (!source.isEmpty() && source == target) {
        pending.clear();
        readPosition = 0;
        return true;
    }
    StoreBegin(source);
    if (source.isEmpty()) {
        return LoadClipboard();
    }
    if (source == MailTarget) {
        // Mail is only ever sent, never read back.
        StoreEnd();
        return false;
    }
    if (QFileInfo(source).size() > FileSizeLimit) {
        StoreEnd();
        ErrorMessage(msg::FileTooLarge, source);
        return false;
    }
    if (!LoadFile(source)) {
        StoreEnd();
        ErrorMessage(msg::FileUnreadable, source);
        return false;
    }
    return true;
}

bool TTextStore::LoadFile(const QString& path)
{
    // Only regular files: a pipe or device could block or never end.
    if (!QFileInfo(path).isFile()) {
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > FileSizeLimit) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return false;
    }
    lines = DecodeFileLines(bytes);
    return true;
}

bool TTextStore::LoadClipboard()
{
    const QString text = clipboardSource ? clipboardSource() : QString();
    if (text.isEmpty()) {
        return false;
    }
    lines = SplitTextLines(text.left(ClipboardLimit));
    return true;
}

QString TTextStore::StoreReadLine()
{
    if (StoreAtEnd()) {
        return {};
    }
    return lines[readPosition++];
}

void TTextStore::StoreSeek(int index)
{
    readPosition = std::clamp<qsizetype>(index, 0, lines.size());
}

void TTextStore::StoreFlushLine()
{
    if (!pending.isEmpty()) {
        lines.append(pending);
        pending.clear();
    }
}

int TTextStore::StoreRoom() const
{
    return pending.isEmpty() ? LineWidth : LineWidth - 1 - static_cast<int>(pending.size());
}

void TTextStore::StoreWriteLine(const QString& line)
{
    StoreFlushLine();
    lines.append(line);
}

void TTextStore::StoreWriteWord(const QString& word)
{
    if (word.size() > StoreRoom()) {
        StoreFlushLine();
        pending = word;
        return;
    }
    if (!pending.isEmpty()) {
        pending += u' ';
    }
    pending += word;
}

bool TTextStore::StoreCommit()
{
    StoreFlushLine();
    bool delivered = false;
    if (target.isEmpty() || target == MailTarget) {
        const TextSink& sink = target.isEmpty() ? clipboardSink : mailSink;
        if (sink) {
            sink(JoinedText());
            delivered = true;
        }
    } else {
        delivered = WriteFile();
    }
    StoreEnd();
    return delivered;
}

bool TTextStore::WriteFile() const
{
    // The old file is replaced only once the new one is completely written,
    // so a failure (a full disk, say) leaves the games it held intact.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    for (const QString& line : lines) {
        file.write(line.toUtf8());
        file.write(lineEnd.toLatin1());
    }
    return file.commit();
}

QString TTextStore::JoinedText() const
{
    return lines.join(lineEnd);
}

void TTextStore::StoreEnd()
{
    lines.clear();
    pending.clear();
    target.clear();
    readPosition = 0;
}

TextSink TTextStore::setClipboardSink(TextSink sink)
{
    return std::exchange(clipboardSink, std::move(sink));
}

TextSink TTextStore::setMailSink(TextSink sink)
{
    return std::exchange(mailSink, std::move(sink));
}

TextSource TTextStore::setClipboardSource(TextSource source)
{
    return std::exchange(clipboardSource, std::move(source));
}
