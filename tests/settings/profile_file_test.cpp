#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "settings/profile_file.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

ProfileFile parsed(const char* text)
{
    ProfileFile file;
    file.parse(QByteArray(text));
    return file;
}

// A file as people and older programs write them: odd spacing and case,
// quotes, comments, a stray line and sections the program does not know.
const char* const untidyFile = "; written by hand\n"
                               "stray=before any section\n"
                               "  [Board]  \r\n"
                               "  SquareSize =  48  \r\n"
                               "PieceSet=\"  Modern  \"\r\n"
                               "garbage line without equals\n"
                               "=no key\n"
                               "Texture=(none)\n"
                               "\n"
                               "[Plugins]\n"
                               "Extra=kept as it is\n"
                               "[broken header\n"
                               "Orphan=1\n"
                               "[board]\n"
                               "BorderSize=3\n";

TEST(ProfileFile, ReadsUntidyFilesByTheProfileRules)
{
    const ProfileFile file = parsed(untidyFile);
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"Board", "SquareSize", "48"},
        {"BOARD", "squaresize", "48"},
        {"Board", "PieceSet", "  Modern  "},
        {"Board", "Texture", "(none)"},
        {"board", "BorderSize", "3"},
        {"Plugins", "Extra", "kept as it is"},
        {"Board", "garbage line without equals", "missing"},
        {"Board", "stray", "missing"},
        {"Plugins", "Orphan", "missing"},
        {"Broken Header", "Orphan", "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(
            file.value(QString::fromUtf8(c.section), QString::fromUtf8(c.key), QStringLiteral("missing")),
            QString::fromUtf8(c.value));
    }
    EXPECT_EQ(file.sections(), QStringList({"Board", "Plugins", "broken header"}));
    EXPECT_EQ(
        file.keys(QStringLiteral("board")), QStringList({"SquareSize", "PieceSet", "Texture", "BorderSize"}));
}

TEST(ProfileFile, WritesBackUnknownSectionsAndKeysInOrder)
{
    ProfileFile file = parsed(untidyFile);
    EXPECT_EQ(parsed(file.text().constData()).text(), file.text());
    EXPECT_TRUE(file.setValue(QStringLiteral("board"), QStringLiteral("squaresize"), QStringLiteral("52")));
    EXPECT_TRUE(
        file.setValue(QStringLiteral("Board"), QStringLiteral("MarkerColor"), QStringLiteral("clFuchsia")));
    EXPECT_TRUE(file.setValue(QStringLiteral("Tips"), QStringLiteral("ShowTips"), QStringLiteral("1")));
    EXPECT_TRUE(file.removeKey(QStringLiteral("BOARD"), QStringLiteral("texture")));
    EXPECT_FALSE(file.removeKey(QStringLiteral("Board"), QStringLiteral("Texture")));

    EXPECT_EQ(file.text(),
        "; written by hand\n"
        "stray=before any section\n"
        "[Board]\n"
        "SquareSize=52\n"
        "PieceSet=\"  Modern  \"\n"
        "garbage line without equals\n"
        "=no key\n"
        "MarkerColor=clFuchsia\n"
        "\n"
        "[Plugins]\n"
        "Extra=kept as it is\n"
        "\n"
        "[broken header]\n"
        "Orphan=1\n"
        "\n"
        "[board]\n"
        "BorderSize=3\n"
        "\n"
        "[Tips]\n"
        "ShowTips=1\n"
        "\n");
}

// Whatever a person or another program put in the file comes back from a
// save: only line ends and the gap between sections are tidied.
TEST(ProfileFile, LinesTheReaderSkipsSurviveASave)
{
    const struct {
        const char* name;
        const char* file;
        const char* written; // after File1 is set to "new"
    } cases[] = {
        {"header without its bracket", "[Games\nFile1=a\nFile2=b\n", "[Games]\nFile1=new\nFile2=b\n\n"},
        {"comments in place", "; top\n[Games]\n; recent\nFile1=a\n;end\n",
            "; top\n[Games]\n; recent\nFile1=new\n;end\n\n"},
        {"lines without a key", "[Games]\nnotes here\n=x\nFile1=a\n",
            "[Games]\nnotes here\n=x\nFile1=new\n\n"},
        {"blank lines inside a section", "[Games]\nFile1=a\n\n\nFile2=b\n\n\n\n[X]\n",
            "[Games]\nFile1=new\n\n\nFile2=b\n\n[X]\n\n"},
        {"repeated keys", "[Games]\nFile1=a\nfile1=b\n", "[Games]\nFile1=new\nfile1=b\n\n"},
        {"section named twice", "[Games]\nFile2=b\n[games]\nFile1=a\n",
            "[Games]\nFile2=b\n\n[games]\nFile1=new\n\n"},
        {"header naming nothing", "[]\nFile1=lost?\n[Games]\n", "[]\nFile1=lost?\n\n[Games]\nFile1=new\n\n"},
        {"no section at all", "; only a note\n\nkey=value",
            "; only a note\n\nkey=value\n[Games]\nFile1=new\n\n"},
        {"byte-order mark", "\xEF\xBB\xBF[Games]\r\nFile1=a\r\n", "\xEF\xBB\xBF[Games]\nFile1=new\n\n"},
        // Blanks before the mark are trimmed away with the line's own, so the
        // mark starts what is written and must have been read as the mark.
        {"blank before the byte-order mark", "\x0B\xEF\xBB\xBF[Games\nFile1=a\n",
            "\xEF\xBB\xBF[Games]\nFile1=new\n\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileFile file = parsed(c.file);
        ASSERT_TRUE(file.setValue(QStringLiteral("Games"), QStringLiteral("File1"), QStringLiteral("new")));
        EXPECT_EQ(file.text(), QByteArray(c.written));
        // What is written reads back as the same file.
        EXPECT_EQ(parsed(file.text().constData()).text(), file.text());
    }
}

TEST(ProfileFile, ValuesRoundTripThroughTheFile)
{
    const QString values[] = {
        QStringLiteral("plain"),
        QStringLiteral("  outer blanks  "),
        QStringLiteral("\"quoted\""),
        QStringLiteral("a=b=c"),
        QStringLiteral("; not a comment"),
        QStringLiteral("Größe ♞"),
        QString(),
    };
    ProfileFile written;
    for (int i = 0; i < std::ssize(values); ++i) {
        ASSERT_TRUE(written.setValue(QStringLiteral("Text"), QStringLiteral("Key%1").arg(i), values[i]));
    }
    ProfileFile read;
    read.parse(written.text());
    for (int i = 0; i < std::ssize(values); ++i) {
        SCOPED_TRACE(values[i].toStdString());
        EXPECT_EQ(
            read.value(QStringLiteral("Text"), QStringLiteral("Key%1").arg(i), QStringLiteral("missing")),
            values[i]);
    }
}

TEST(ProfileFile, RefusesWhatCannotBeOneLine)
{
    ProfileFile file;
    EXPECT_FALSE(file.setValue(QStringLiteral("Text"), QStringLiteral("Key"), QStringLiteral("two\nlines")));
    EXPECT_FALSE(file.setValue(QStringLiteral("Text"), QStringLiteral("a=b"), QStringLiteral("x")));
    EXPECT_FALSE(file.setValue(QStringLiteral("Text"), QStringLiteral("[Key"), QStringLiteral("x")));
    EXPECT_FALSE(file.setValue(QStringLiteral("Te]xt"), QStringLiteral("Key"), QStringLiteral("x")));
    EXPECT_FALSE(file.setValue(QString(), QStringLiteral("Key"), QStringLiteral("x")));
    EXPECT_TRUE(file.sections().isEmpty());
}

TEST(ProfileFile, LongValuesReadCappedButAreKeptWhole)
{
    const QString longValue(3000, u'x');
    ProfileFile file;
    file.setValue(QStringLiteral("Messages"), QStringLiteral("1"), longValue);
    EXPECT_EQ(
        file.value(QStringLiteral("Messages"), QStringLiteral("1")).size(), ProfileFile::maxValueLength);
    EXPECT_TRUE(file.text().contains(longValue.toUtf8()));
}

TEST(ProfileFile, DecodesUtf8AndFallsBackToLatin1)
{
    EXPECT_EQ(parsed("\xEF\xBB\xBF[Messages]\n2004=K\xC3\xB6nig\n")
                  .value(QStringLiteral("Messages"), QStringLiteral("2004")),
        u"König");
    EXPECT_EQ(parsed("[Messages]\n2004=K\xF6nig\n").value(QStringLiteral("Messages"), QStringLiteral("2004")),
        u"König");
}

// A file an older version wrote in the 8-bit code page, to which a newer one
// added UTF-8 paths: each value reads in its own encoding, and a save
// rewrites only what changed.
TEST(ProfileFile, EachValueKeepsItsOwnEncoding)
{
    const QByteArray file = "[Games]\n"
                            "File1=/home/j\xC3\xBCrgen/partie.pgn\n"
                            "File2=C:\\Partien\\K\xF6nig.pgn\n"
                            "File3=/tmp/\x80uro \x93quoted\x94.pgn\n"
                            "File4=C:\\\xC4rger.pgn\n"
                            "\n"
                            "[Sch\xE4"
                            "ch]\n"
                            "Z\xFCge=12\n\n";
    ProfileFile image = parsed(file.constData());
    const struct {
        const char* section;
        const char* key;
        const char16_t* value;
    } cases[] = {
        {"Games", "File1", u"/home/jürgen/partie.pgn"},
        {"Games", "File2", u"C:\\Partien\\König.pgn"},
        {"Games", "File3", u"/tmp/€uro “quoted”.pgn"},
        {"Schäch", "Züge", u"12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        const QString section = QString::fromUtf8(c.section);
        const QString key = QString::fromUtf8(c.key);
        EXPECT_EQ(image.value(section, key), QString::fromUtf16(c.value));
        // Written back as read: the bytes stay as they were.
        EXPECT_TRUE(image.setValue(section, key, image.value(section, key)));
    }
    EXPECT_EQ(image.text(), file);

    // A changed value is written in UTF-8; its line's key keeps its bytes.
    image.setValue(QStringLiteral("Games"), QStringLiteral("File4"), QStringLiteral("C:\\Ärger2.pgn"));
    image.setValue(QStringLiteral("Schäch"), QStringLiteral("Züge"), QStringLiteral("ß"));
    image.setValue(QStringLiteral("Games"), QStringLiteral("File5"), QStringLiteral("/tmp/é.pgn"));
    const QByteArray written = image.text();
    EXPECT_TRUE(written.contains("File2=C:\\Partien\\K\xF6nig.pgn\n"));
    EXPECT_TRUE(written.contains("File4=C:\\\xC3\x84rger2.pgn\n"));
    EXPECT_TRUE(written.contains("[Sch\xE4"
                                 "ch]\nZ\xFCge=\xC3\x9F\n"));
    EXPECT_TRUE(written.contains("File5=/tmp/\xC3\xA9.pgn\n"));
    const ProfileFile again = parsed(written.constData());
    EXPECT_EQ(again.value(QStringLiteral("Games"), QStringLiteral("File4")), u"C:\\Ärger2.pgn");
    EXPECT_EQ(again.value(QStringLiteral("Schäch"), QStringLiteral("Züge")), u"ß");
    EXPECT_EQ(again.value(QStringLiteral("Games"), QStringLiteral("File1")), u"/home/jürgen/partie.pgn");
}

class ProfileFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }

    static QByteArray contents(const QString& fileName)
    {
        QFile file(fileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void write(const QString& fileName, const QByteArray& bytes)
    {
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
};

TEST_F(ProfileFileOnDisk, AMissingFileReadsAsEmptyAndTheFirstSaveCreatesIt)
{
    ProfileFile file(path("Default.ini"));
    file.parse("\xEF\xBB\xBF; left from before\n[Old]\nKey=1\n");
    EXPECT_TRUE(file.load());
    EXPECT_TRUE(file.sections().isEmpty());
    EXPECT_TRUE(file.text().isEmpty());
    file.setValue(QStringLiteral("Settings"), QStringLiteral("Version"), QStringLiteral("40"));
    EXPECT_TRUE(file.save());
    EXPECT_EQ(contents(path("Default.ini")), "[Settings]\nVersion=40\n\n");

    ProfileFile again(path("Default.ini"));
    EXPECT_TRUE(again.load());
    EXPECT_EQ(again.value(QStringLiteral("settings"), QStringLiteral("version")), u"40");
}

TEST_F(ProfileFileOnDisk, AFailedSaveReportsWhyAndKeepsTheOldFile)
{
    // A folder that is really a file cannot hold the new file, even for root.
    write(path("blocker"), "not a folder");
    ProfileFile blocked(path("blocker/Default.ini"));
    blocked.setValue(QStringLiteral("Settings"), QStringLiteral("Version"), QStringLiteral("40"));
    const ProfileFile::SaveResult result = blocked.save();
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.isEmpty());

    // A target that is a folder: the new image cannot replace it.
    const QString target = path("Default.ini");
    ASSERT_TRUE(QDir().mkdir(target));
    ProfileFile onFolder(target);
    onFolder.setValue(QStringLiteral("Settings"), QStringLiteral("Version"), QStringLiteral("40"));
    EXPECT_FALSE(onFolder.save());
    EXPECT_TRUE(QFileInfo(target).isDir());
}

TEST_F(ProfileFileOnDisk, AWriteThatFailsHalfwayKeepsTheOldFile)
{
    const QByteArray old = "[Settings]\nVersion=40\n\n";
    write(path("Default.ini"), old);
    ProfileFile file(path("Default.ini"));
    ASSERT_TRUE(file.load());
    file.setValue(QStringLiteral("Games"), QStringLiteral("File1"), QString(100000, u'x'));

    // A file-size limit makes the disk "full" after a few bytes, for root too.
    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const ProfileFile::SaveResult result = file.save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedSignal);

    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(contents(path("Default.ini")), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"Default.ini"}));
}

TEST_F(ProfileFileOnDisk, SaveReplacesTheWholeFile)
{
    write(path("Default.ini"), "[Old]\nKey=old value that is rather long\n");
    ProfileFile file(path("Default.ini"));
    ASSERT_TRUE(file.load());
    file.setValue(QStringLiteral("Old"), QStringLiteral("Key"), QStringLiteral("new"));
    ASSERT_TRUE(file.save());
    EXPECT_EQ(contents(path("Default.ini")), "[Old]\nKey=new\n\n");
}

} // namespace
