#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/file_kinds.h"

#include <gtest/gtest.h>

namespace {

TEST(FileKinds, TypeByExtensionIgnoringCase)
{
    const struct {
        const char* name;
        TFileType type;
    } cases[] = {
        {"board.bmp", TFileType::Bmp},
        {"pos.EPD", TFileType::Epd},
        {"pos.Fen", TFileType::Fen},
        {"a.gif", TFileType::Gif},
        {"page.htm", TFileType::Html},
        {"page.HTML", TFileType::Html},
        {"Default.ini", TFileType::Ini},
        {"p.jpg", TFileType::Jpeg},
        {"p.jpeg", TFileType::Jpeg},
        {"game.zrb", TFileType::Native},
        {"/games/LIB.PGN", TFileType::Pgn},
        {"b.png", TFileType::Png},
        {"game.txt", TFileType::Other},
        {"README", TFileType::Other},
        {"game.", TFileType::Other},
        {"/a.pgn/plain", TFileType::Other}, // a dot in a folder is no extension
        {"game.pgn.bak", TFileType::Other},
        {"", TFileType::Other},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FileTypeOf(QString::fromUtf8(row.name)), row.type);
    }
    EXPECT_TRUE(IsPictureFile(TFileType::Bmp));
    EXPECT_TRUE(IsPictureFile(TFileType::Gif));
    EXPECT_TRUE(IsPictureFile(TFileType::Jpeg));
    EXPECT_TRUE(IsPictureFile(TFileType::Png));
    EXPECT_FALSE(IsPictureFile(TFileType::Html));
    EXPECT_FALSE(IsPictureFile(TFileType::Other));
}

struct TRecogniseCase {
    const char* what;
    QByteArray head;
    TFileType type;
    bool clipboard;
    TLoadKind kind;
};

TEST(FileKinds, RecognisesByHeadAndKindInRuleOrder)
{
    const QByteArray fen = "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1";
    const QByteArray fourFields = "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3";
    const TFileType other = TFileType::Other;
    const TRecogniseCase cases[] = {
        {"settings by kind", "[Event \"x\"]", TFileType::Ini, false, TLoadKind::Settings},
        {"settings by text", "[Settings]\r\nMoveDelay=3", other, false, TLoadKind::Settings},
        {"settings exact case only", "[SETTINGS]\r\n", other, false, TLoadKind::Unknown},
        {"pasted settings are no file", "[Settings]", other, true, TLoadKind::MoveList},
        {"binary A", "Borland Pascal Chess saved game\x1a\x00\x01", other, false, TLoadKind::BinaryA},
        {"binary A exact case", "borland pascal chess saved game", other, false, TLoadKind::Unknown},
        {"binary A needs a file", "Borland Pascal Chess saved game", other, true, TLoadKind::MoveList},
        {"binary B", "Zor-Bel!\x03\x00", TFileType::Pgn, false, TLoadKind::BinaryB},
        {"binary B needs a file", "Zor-Bel!", other, true, TLoadKind::MoveList},
        {"native by kind", "", TFileType::Native, false, TLoadKind::Native},
        {"native any case", "[zorbel game]\r\n", other, false, TLoadKind::Native},
        {"native older name", "[Zor-Bel Game]", other, false, TLoadKind::Native},
        {"native after blank lines", "\r\n\r\n  \t[Zorbel Game]\r\nEvent: x", other, false,
            TLoadKind::Native},
        {"native beats a .pgn name", "[Zorbel Game]", TFileType::Pgn, false, TLoadKind::Native},
        {"native pasted", "[Zorbel Game]", other, true, TLoadKind::Native},
        {"chs white", "White to play\r\nWK E1", other, false, TLoadKind::Chs},
        {"chs black", "BLACK TO PLAY", TFileType::Fen, false, TLoadKind::Chs},
        {"pgn by kind", "1. e4 e5", TFileType::Pgn, false, TLoadKind::Pgn},
        {"pgn in game.txt", "[Event \"Casual Game\"]", other, false, TLoadKind::Pgn},
        {"pgn any case", "[EVENT \"x\"]", other, false, TLoadKind::Pgn},
        {"pgn tag needs its quote", "[Event x]", other, false, TLoadKind::Unknown},
        {"pgn marker", "----<pgn format>----", other, true, TLoadKind::Pgn},
        {"pgn kind beats fen text", fen, TFileType::Pgn, false, TLoadKind::Pgn},
        {"fen by kind", "anything", TFileType::Fen, false, TLoadKind::Fen},
        {"epd by kind", "anything", TFileType::Epd, false, TLoadKind::Epd},
        {"full fen pasted", fen, other, true, TLoadKind::Fen},
        {"fen with one operation", fourFields + " bm e5;", other, true, TLoadKind::Fen},
        {"epd with two operations", fourFields + " bm e5; id x;", other, true, TLoadKind::Epd},
        {"epd with three blanks", "8/8/8/8/8/8/8/8 w - -", other, true, TLoadKind::Epd},
        {"two blanks are moves", "8/8/8/8/8/8/8/8 w -", other, true, TLoadKind::MoveList},
        {"fen counts only its first line", fen + "\nmore words on / the / next line", other, true,
            TLoadKind::Fen},
        {"fen text in a file is unknown", fen, other, false, TLoadKind::Unknown},
        {"moves pasted", "e4 e5 Nf3", other, true, TLoadKind::MoveList},
        {"empty clipboard", "", other, true, TLoadKind::MoveList},
        {"empty file", "", other, false, TLoadKind::Unknown},
        {"picture by contents", "\x89PNG\r\n\x1a\n", TFileType::Png, false, TLoadKind::Unknown},
        {"html by contents", "[Event \"x\"]", TFileType::Html, false, TLoadKind::Pgn},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(RecogniseGame(row.head, row.type, row.clipboard), row.kind);
    }
}

TEST(FileKinds, HeadsAreCutToWhatDecides)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("long.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(300, 'x'));
    file.close();
    const std::optional<QByteArray> head = ReadFileHead(path);
    ASSERT_TRUE(head.has_value());
    EXPECT_EQ(head->size(), RecogniseFileHead);
    EXPECT_FALSE(ReadFileHead(folder.filePath(QStringLiteral("missing.pgn"))).has_value());

    // Characters, not bytes: a long pasted text of accented letters keeps
    // its 127 characters whole.
    const QByteArray clip = ClipboardHead(QString(200, QChar(0xe9)));
    EXPECT_EQ(QString::fromUtf8(clip), QString(RecogniseClipboardHead, QChar(0xe9)));
}

TEST(FileKinds, DialogFilterPreselectedByExtension)
{
    const QStringList open = OpenDialogFilters();
    const QStringList save = SaveDialogFilters();
    ASSERT_EQ(open.size(), 6);
    ASSERT_EQ(save.size(), 10);
    const struct {
        const QStringList* filters;
        const char* extension;
        int index;
    } cases[] = {
        {&open, ".PGN", 4},
        {&open, ".pgn", 4},
        {&open, "PGN", 4},
        {&open, ".CHS", 0},
        {&open, ".ZRB", 3},
        {&open, ".TXT", 5},
        {&open, ".PNG", 5},
        {&open, ".PG", 5}, // only whole extensions count
        {&open, "", 5},
        {&save, ".PNG", 8},
        {&save, ".HTM", 4},
        {&save, ".CHS", 9},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.extension);
        EXPECT_EQ(FilterIndexFor(*row.filters, QString::fromLatin1(row.extension)), row.index);
    }
    const QStringList noAllFiles {QStringLiteral("A (*.AAA)"), QStringLiteral("B (*.BBB)")};
    EXPECT_EQ(FilterIndexFor(noAllFiles, QStringLiteral(".CCC")), 1);
    EXPECT_EQ(FilterIndexFor({}, QStringLiteral(".PGN")), 0);
}

TEST(FileKinds, SuffixOfTheChosenFilter)
{
    const struct {
        QString filter;
        const char* suffix;
    } cases[] = {
        {OpenDialogFilters()[4], "PGN"},
        {SaveDialogFilters()[5], "JPG"},
        {SaveDialogFilters()[9], ""},
        {QStringLiteral("All (*.*)"), ""},
        {QStringLiteral("Some (*.P?N)"), ""},
        {QStringLiteral("Odd (*.A;B)"), ""},
        {QStringLiteral("Plain (README)"), ""},
        {QStringLiteral("No pattern"), ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.filter.toStdString());
        EXPECT_EQ(FilterSuffix(row.filter), QString::fromLatin1(row.suffix));
    }
}

} // namespace
