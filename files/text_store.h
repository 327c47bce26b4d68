#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The in-memory list of lines through which every text game file, the
// clipboard copy and the e-mail are read and written. Readers load a whole
// text and take its lines one by one (and may go back); writers add lines,
// or words flowed into lines of at most 79 characters, and then deliver the
// text to its target.
//
// A target is a file path, the empty string for the clipboard, or "@" for
// e-mail. The store knows no widgets: the window installs the clipboard and
// e-mail ends as functions.

// Receives the finished text (lines joined by CR LF).
using TextSink = std::function<void(const QString& text)>;
// Gives the clipboard's text; empty when it holds none.
using TextSource = std::function<QString()>;

class TTextStore {
public:
    // The longest line StoreWriteWord makes, unless a single word is longer.
    static constexpr int LineWidth = 79;
    // How much of the clipboard's text is read.
    static constexpr qsizetype ClipboardLimit = 32766;
    // Files larger than this are refused rather than read into memory.
    static constexpr qint64 FileSizeLimit = qint64(1) << 30;

    static inline const QString MailTarget = QStringLiteral("@");

    // Empties the lines and the pending line, sets the target and reads from
    // the first line.
    void StoreBegin(const QString& target);

    // Loads the source: a file path, or "" for the clipboard. When the source
    // is the current (non-empty) target the lines already loaded stay and
    // only the reading starts again, which keeps a game library in memory.
    // An unreadable file shows message 1025 and empties the store; a
    // clipboard without text fails silently. Returns whether there is text.
    bool StoreOpen(const QString& source);

    // The next line; empty past the end.
    QString StoreReadLine();
    bool StoreAtEnd() const { return readPosition >= lines.size(); }
    int StoreLineIndex() const { return static_cast<int>(readPosition); }
    // Clamped to the lines there are.
    void StoreSeek(int index);

    void StoreFlushLine();
    // Room left on the pending line for one more word with its blank.
    int StoreRoom() const;
    void StoreWriteLine(const QString& line);
    // Flows the word onto the pending line, starting a new one when it would
    // not fit.
    void StoreWriteWord(const QString& word);

    // Delivers the text to the target and ends the store. A file is replaced
    // as a whole or not at all; returns false when it could not be written
    // or when no clipboard or e-mail end is installed.
    bool StoreCommit();
    // Empties the lines and forgets the target.
    void StoreEnd();

    const QStringList& Lines() const { return lines; }
    const QString& Target() const { return target; }

    // Each returns the function it replaces.
    TextSink setClipboardSink(TextSink sink);
    TextSink setMailSink(TextSink sink);
    TextSource setClipboardSource(TextSource source);

private:
    bool LoadFile(const QString& path);
    bool LoadClipboard();
    bool WriteFile() const;
    QString JoinedText() const;

    QStringList lines;
    QString pending;
    QString target;
    qsizetype readPosition = 0;
    TextSink clipboardSink;
    TextSink mailSink;
    TextSource clipboardSource;
};

// The one store of the program.
extern TTextStore TextStore;

// Splits text into lines at CR, LF or CR LF; a last line without an end
// counts, an empty text has no lines.
QStringList SplitTextLines(const QString& text);

// A file's bytes as lines: a leading byte-order mark is dropped and each
// line is read as UTF-8 when it is valid UTF-8, otherwise as 8-bit text.
QStringList DecodeFileLines(const QByteArray& bytes);
