#include <QDir>
#include <QFile>

#include "files/text_store.h"
#include "files_fixture.h"

namespace {

using TextStoreTest = FilesTest;

QStringList ReadAll(TTextStore& store)
{
    QStringList lines;
    while (!store.StoreAtEnd()) {
        lines.append(store.StoreReadLine());
    }
    return lines;
}

TEST_F(TextStoreTest, FilesAreReadAsLinesWhateverTheirEndsAndCodePage)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        QStringList lines;
    };
    const Case cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"LF", "a\nb\n", {"a", "b"}},
        {"CR", "a\rb\r", {"a", "b"}},
        {"mixed, last line without an end", "a\r\n\nb\rc", {"a", "", "b", "c"}},
        {"blank lines kept", "\r\n\r\n", {"", ""}},
        {"empty file", "", {}},
        {"byte-order mark dropped", "\xEF\xBB\xBFZ\r\n", {"Z"}},
        {"mark only at the start", "a\n\xEF\xBB\xBF", {"a", QString(QChar(0xFEFF))}},
        {"UTF-8", "caf\xC3\xA9", {QString::fromUtf8("caf\xC3\xA9")}},
        {"8-bit", "caf\xE9 \x80", {QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC")}},
        {"each line decoded alone", "\xC3\xA9\n\xE9",
            {QString::fromUtf8("\xC3\xA9"), QString::fromUtf8("\xC3\xA9")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TTextStore store;
        ASSERT_TRUE(store.StoreOpen(WriteBytes(QStringLiteral("game.pgn"), c.bytes)));
        EXPECT_EQ(ReadAll(store), c.lines);
        store.StoreEnd();
    }
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(TextStoreTest, AnUnreadableFileIsReportedAndEmptiesTheStore)
{
    const QString oversized = PathOf(QStringLiteral("huge.pgn"));
    {
        // Sparse: takes no room on the disk.
        QFile file(oversized);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(TTextStore::FileSizeLimit + 1));
    }
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder.pgn")));
    const struct {
        QString source;
        const char* message;
    } cases[] = {
        {PathOf(QStringLiteral("missing.pgn")), "The file %1 could not be read."},
        {PathOf(QStringLiteral("folder.pgn")), "The file %1 could not be read."},
        {oversized, "The file %1 is too large to open: game files of more than 1 GB are not read."},
    };
    const QString loaded = WriteBytes(QStringLiteral("loaded.pgn"), "x\n");
    for (const auto& [source, message] : cases) {
        SCOPED_TRACE(source.toStdString());
        shown.clear();
        TTextStore store;
        ASSERT_TRUE(store.StoreOpen(loaded));
        EXPECT_FALSE(store.StoreOpen(source));
        EXPECT_TRUE(store.Lines().isEmpty());
        EXPECT_TRUE(store.Target().isEmpty());
        EXPECT_EQ(shown, QStringList {QString::fromLatin1(message).arg(source)});
        // The failed source is not taken for a loaded library next time.
        EXPECT_FALSE(store.StoreOpen(source));
    }
}

TEST_F(TextStoreTest, OpeningTheLoadedFileAgainKeepsItsLines)
{
    const QString path = WriteBytes(QStringLiteral("library.pgn"), "one\ntwo\n");
    TTextStore store;
    ASSERT_TRUE(store.StoreOpen(path));
    store.StoreReadLine();
    store.StoreWriteWord(QStringLiteral("pending"));
    WriteBytes(QStringLiteral("library.pgn"), "changed\n");

    ASSERT_TRUE(store.StoreOpen(path));
    EXPECT_EQ(store.StoreLineIndex(), 0);
    store.StoreFlushLine(); // the pending word was dropped
    EXPECT_EQ(ReadAll(store), (QStringList {"one", "two"}));

    store.StoreEnd();
    ASSERT_TRUE(store.StoreOpen(path));
    EXPECT_EQ(ReadAll(store), QStringList {"changed"});
}

TEST_F(TextStoreTest, ReadingMovesWithinTheLinesOnly)
{
    TTextStore store;
    store.StoreBegin(QStringLiteral("x"));
    store.StoreWriteLine(QStringLiteral("a"));
    store.StoreWriteLine(QStringLiteral("b"));
    store.StoreSeek(-3);
    EXPECT_EQ(store.StoreLineIndex(), 0);
    EXPECT_EQ(store.StoreReadLine(), QStringLiteral("a"));
    store.StoreSeek(99);
    EXPECT_EQ(store.StoreLineIndex(), 2);
    EXPECT_TRUE(store.StoreAtEnd());
    EXPECT_EQ(store.StoreReadLine(), QString());
    EXPECT_EQ(store.StoreLineIndex(), 2);
    store.StoreSeek(1);
    EXPECT_EQ(store.StoreReadLine(), QStringLiteral("b"));
}

TEST_F(TextStoreTest, WordsFlowIntoLinesOfAtMost79Characters)
{
    struct Case {
        const char* name;
        QStringList words;
        QStringList lines;
    };
    const QString w40(40, u'a');
    const QString w38(38, u'b');
    const QString w39(39, u'c');
    const QString w37(37, u'e');
    const QString w100(100, u'd');
    const Case cases[] = {
        {"second 40 is longer than the room 38", {w40, w40}, {w40, w40}},
        {"38 fills the room exactly", {w40, w38}, {w40 + u' ' + w38}},
        {"a long word stands alone", {"1.", w100, "e4"}, {"1.", w100, "e4"}},
        {"a long word first", {w100, "e4"}, {w100, "e4"}},
        {"short words share", {"1.", "e4", "e5"}, {"1. e4 e5"}},
        {"79 then one more", {QString(79, u'x'), "y"}, {QString(79, u'x'), "y"}},
        {"room is 78 less the pending line", {w39, "a", w37, "z"}, {w39 + " a " + w37, "z"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TTextStore store;
        store.StoreBegin(QStringLiteral("x"));
        for (const QString& word : c.words) {
            store.StoreWriteWord(word);
        }
        store.StoreFlushLine();
        EXPECT_EQ(store.Lines(), c.lines);
    }
}

TEST_F(TextStoreTest, RoomAndLinesOfTheirOwn)
{
    TTextStore store;
    store.StoreBegin(QStringLiteral("x"));
    EXPECT_EQ(store.StoreRoom(), 79);
    store.StoreWriteWord(QStringLiteral("abc"));
    EXPECT_EQ(store.StoreRoom(), 75);
    store.StoreWriteLine(QString());
    store.StoreWriteLine(QStringLiteral("[Event \"x\"]"));
    EXPECT_EQ(store.StoreRoom(), 79);
    store.StoreFlushLine();
    EXPECT_EQ(store.Lines(), (QStringList {"abc", "", "[Event \"x\"]"}));
}

TEST_F(TextStoreTest, CommitWritesTheFileWithCrLfInUtf8AndEnds)
{
    struct Case {
        const char* name;
        QByteArray before; // empty: no file yet
        bool append;
        QByteArray after;
    };
    const Case cases[] = {
        {"new file", "", false, "[Event \"x\"]\r\n\r\n1. e4 caf\xC3\xA9\r\n"},
        {"replaces", "old\n", false, "[Event \"x\"]\r\n\r\n1. e4 caf\xC3\xA9\r\n"},
        {"appends, 8-bit lines become UTF-8", "old \xE9\r", true,
            "old \xC3\xA9\r\n[Event \"x\"]\r\n\r\n1. e4 caf\xC3\xA9\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = PathOf(QStringLiteral("out.pgn"));
        QFile::remove(path);
        if (!c.before.isEmpty()) {
            WriteBytes(QStringLiteral("out.pgn"), c.before);
        }
        TTextStore store;
        if (c.append) {
            ASSERT_TRUE(store.StoreOpen(path));
        } else {
            store.StoreBegin(path);
        }
        store.StoreWriteLine(QStringLiteral("[Event \"x\"]"));
        store.StoreWriteLine(QString());
        store.StoreWriteWord(QStringLiteral("1."));
        store.StoreWriteWord(QString::fromUtf8("e4 caf\xC3\xA9"));
        EXPECT_TRUE(store.StoreCommit());
        EXPECT_EQ(ReadBytes(path), c.after);
        EXPECT_TRUE(store.Lines().isEmpty());
        EXPECT_TRUE(store.Target().isEmpty());
    }
}

TEST_F(TextStoreTest, AFailedCommitSaysSoAndLeavesTheOldFileWhole)
{
    // The longest name a folder takes: the new text cannot be written beside
    // it under a temporary name, so the write fails after the old file was
    // read.
    const QString games = QStringLiteral("1. e4 e5\r\n");
    const QString longName = QString(255 - 4, u'g') + QStringLiteral(".pgn");
    const QString existing = WriteBytes(longName, games.toUtf8());
    const QString targets[] = {
        PathOf(QStringLiteral("no-such-folder/out.pgn")),
        folder.path(),
        existing,
    };
    for (const QString& target : targets) {
        SCOPED_TRACE(target.toStdString());
        TTextStore store;
        if (target == existing) {
            ASSERT_TRUE(store.StoreOpen(target));
        } else {
            store.StoreBegin(target);
        }
        store.StoreWriteLine(QStringLiteral("2. Nf3"));
        EXPECT_FALSE(store.StoreCommit());
        EXPECT_TRUE(store.Target().isEmpty());
    }
    EXPECT_EQ(ReadBytes(existing), games.toUtf8());
    EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("no-such-folder"))));
}

TEST_F(TextStoreTest, ClipboardAndMailGoThroughTheInstalledEnds)
{
    TTextStore store;
    QString clipboard;
    QString mail;
    store.StoreBegin(QString());
    store.StoreWriteLine(QStringLiteral("a"));
    EXPECT_FALSE(store.StoreCommit()) << "no clipboard installed";

    store.setClipboardSink([&clipboard](const QString& text) { clipboard = text; });
    store.setMailSink([&mail](const QString& text) { mail = text; });
    for (const QString& target : {QString(), TTextStore::MailTarget}) {
        store.StoreBegin(target);
        store.StoreWriteLine(QStringLiteral("[White \"?\"]"));
        store.StoreWriteWord(QStringLiteral("1."));
        store.StoreWriteWord(QStringLiteral("e4"));
        EXPECT_TRUE(store.StoreCommit());
    }
    EXPECT_EQ(clipboard, QStringLiteral("[White \"?\"]\r\n1. e4"));
    EXPECT_EQ(mail, clipboard);
    EXPECT_TRUE(store.Lines().isEmpty());
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(TextStoreTest, PastingReadsTheClipboardText)
{
    struct Case {
        const char* name;
        QString text;
        bool read;
        QStringList lines;
    };
    const QString longLine = QString(TTextStore::ClipboardLimit - 2, u'x');
    const Case cases[] = {
        {"lines", "[Event \"x\"]\r\n\n1. e4\r", true, {"[Event \"x\"]", "", "1. e4"}},
        {"no text", "", false, {}},
        {"cut at the limit", longLine + "\nabc", true, {longLine, "a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TTextStore store;
        store.setClipboardSource([&c] { return c.text; });
        EXPECT_EQ(store.StoreOpen(QString()), c.read);
        EXPECT_EQ(ReadAll(store), c.lines);
    }
    TTextStore without;
    EXPECT_FALSE(without.StoreOpen(QString()));
    EXPECT_FALSE(without.StoreOpen(TTextStore::MailTarget));
    EXPECT_TRUE(shown.isEmpty());
}

} // namespace
