#include "files/game_info.h"
#include "files/pgn_writer.h"
#include "files/text_store.h"
#include "record/position_writer.h"
#include "settings/options.h"
#include "tests/record/record_fixture.h"

#include <functional>

using namespace record_testing;

namespace {

class PgnWriterTest : public RecordTest {
protected:
    QStringList Written(const TInfoRec& info, const QString& timeControl = {}, const QString& startFen = {})
    {
        TTextStore store;
        store.StoreBegin(QStringLiteral("game.pgn"));
        WritePgnGame(store, record, info, timeControl, startFen);
        return store.Lines();
    }
};

QStringList DefaultTags(const char* result)
{
    return {QStringLiteral("[Event \"?\"]"), QStringLiteral("[Site \"?\"]"),
        QStringLiteral("[Date \"????.??.??\"]"), QStringLiteral("[Round \"-\"]"),
        QStringLiteral("[White \"?\"]"), QStringLiteral("[Black \"?\"]"),
        QStringLiteral("[Result \"%1\"]").arg(QLatin1String(result))};
}

// "Word word word ..." of the given length, words of five letters.
QString Words(int length)
{
    QString text;
    while (text.size() < length) {
        text += text.isEmpty() ? QStringLiteral("abcde") : QStringLiteral(" abcde");
    }
    return text.left(length);
}

// No line is longer than the store's width unless it is a single word.
void ExpectFlowed(const QStringList& lines)
{
    for (const QString& line : lines) {
        EXPECT_TRUE(line.size() <= TTextStore::LineWidth || !line.contains(u' ')) << line.toStdString();
    }
}

struct TGameCase {
    const char* name;
    const char* fen;
    const char* moves;
    std::function<void(TGameRecord&)> annotate;
    QStringList movetext;
    const char* result;
};

TEST_F(PgnWriterTest, GamesAreWrittenAsTagsMovesCommentsAndResult)
{
    const TGameCase cases[] = {
        {"no moves", StartFen, "", nullptr, {QStringLiteral("*")}, "*"},
        {"comments on a White and a Black ply", StartFen, "e4 e5 Nf3 Nc6 Bb5",
            [](TGameRecord& r) {
                r.PreGameComment = QStringLiteral("  A quiet game.  ");
                r.EntryFor(0).Comment = QStringLiteral("King's pawn");
                r.EntryFor(3).Comment = QStringLiteral("Black defends");
            },
            {QStringLiteral("{A quiet game.}"),
                QStringLiteral("1. e4 {King's pawn} 1... e5 2. Nf3 Nc6 {Black defends} 3. Bb5 *")},
            "*"},
        {"a blank comment is no comment", StartFen, "d4 d5",
            [](TGameRecord& r) {
                r.PreGameComment = QStringLiteral("   ");
                r.EntryFor(0).Comment = QStringLiteral("  ");
            },
            {QStringLiteral("1. d4 d5 *")}, "*"},
        {"checkmate", StartFen, "f3 e5 g4 Qh4#", [](TGameRecord& r) { r.Winner = engine::Black; },
            {QStringLiteral("1. f3 e5 2. g4 Qh4# 0-1")}, "0-1"},
        {"resignation written in place of a move", StartFen, "e4 e5 Qh5 1-0",
            [](TGameRecord& r) {
                r.Winner = engine::White;
                r.EntryFor(2).Comment = QStringLiteral("threat");
            },
            {QStringLiteral("1. e4 e5 2. Qh5 {threat} 1-0")}, "1-0"},
        {"White resigns at a White ply", StartFen, "e4 e5 0-1",
            [](TGameRecord& r) { r.Winner = engine::Black; }, {QStringLiteral("1. e4 e5 0-1")}, "0-1"},
        {"draw agreed", StartFen, "e4 e5 1/2-1/2", nullptr, {QStringLiteral("1. e4 e5 1/2-1/2")}, "1/2-1/2"},
        {"mated in the set-up position", "7k/6Q1/6K1/8/8/8/8/8 b - - 0 1", "", nullptr,
            {QStringLiteral("1-0")}, "1-0"},
    };
    for (const TGameCase& c : cases) {
        SCOPED_TRACE(c.name);
        StartAt(c.fen);
        // As a new game does; the winner is reported by the game flow.
        record.PreGameComment.clear();
        record.Winner = engine::White;
        Play(c.moves);
        if (c.annotate) {
            c.annotate(record);
        }
        const QStringList expected
            = DefaultTags(c.result) + QStringList {QString()} + c.movetext + QStringList {QString()};
        EXPECT_EQ(Written(TInfoRec {}), expected);
    }
}

TEST_F(PgnWriterTest, TagsTakeTheGameInformationInTheirOrderWithValuesEscaped)
{
    Play("Nf3 Nf6");
    // The user's own letters never reach a PGN text.
    Options.TextType = 1;
    Options.KnightChar = 'S';
    TInfoRec info;
    info.Event = QStringLiteral("Club \"Open\"");
    info.White = QStringLiteral("C:\\Games\\Ann");
    info.Black = QStringLiteral("Bob");
    info.Date = QStringLiteral("2026.12.10");
    info.ECO = QStringLiteral("A05");
    info.WhiteELO = QStringLiteral("1500");
    info.WhiteTcpip = QStringLiteral("ann.example.net");
    info.BlackEmail = QStringLiteral("bob@example.org");
    info.BlackTcpip = QStringLiteral("bob.example.net");
    info.Annotator = QStringLiteral("Cal");
    const QStringList expected = {
        QStringLiteral("[Event \"Club \\\"Open\\\"\"]"),
        QStringLiteral("[Site \"?\"]"),
        QStringLiteral("[Date \"2026.12.10\"]"),
        QStringLiteral("[Round \"-\"]"),
        QStringLiteral("[White \"C:\\\\Games\\\\Ann\"]"),
        QStringLiteral("[Black \"Bob\"]"),
        QStringLiteral("[Result \"*\"]"),
        QStringLiteral("[ECO \"A05\"]"),
        QStringLiteral("[WhiteELO \"1500\"]"),
        QStringLiteral("[WhiteNA \"ann.example.net\"]"),
        QStringLiteral("[BlackNA \"bob@example.org\"]"),
        QStringLiteral("[Annotator \"Cal\"]"),
        QStringLiteral("[TimeControl \"40/7200\"]"),
        QString(),
        QStringLiteral("1. Nf3 Nf6 *"),
        QString(),
    };
    EXPECT_EQ(Written(info, QStringLiteral("40/7200")), expected);
}

TEST_F(PgnWriterTest, ASetUpStartAddsSetUpAndFenAndNumbersBlacksFirstMove)
{
    StartAt("4k3/8/8/8/8/8/4P3/4K3 b - - 0 1");
    Play("Kd7 e4");
    const QString fen = BoardStartFEN(record);
    EXPECT_EQ(fen, QStringLiteral("4k3/8/8/8/8/8/4P3/4K3 b - - 0 1"));
    const QStringList expected = DefaultTags("*")
        + QStringList {QStringLiteral("[SetUp \"1\"]"), QStringLiteral("[FEN \"%1\"]").arg(fen), QString(),
            QStringLiteral("1... Kd7 2. e4 *"), QString()};
    EXPECT_EQ(Written(TInfoRec {}, {}, fen), expected);
}

TEST_F(PgnWriterTest, LongCommentsAreCutAtBlanksToFitTheLines)
{
    struct TCommentCase {
        const char* name;
        QString comment;
        QStringList movetext;
    };
    const QString longWord(90, u'x');
    const TCommentCase cases[] = {
        // Whole, the comment and its braces would make a line of 80.
        {"one short of the line", Words(71) + QStringLiteral(" abcdef"),
            {u'{' + Words(71), QStringLiteral("abcdef}"), QStringLiteral("1. e4 *")}},
        {"over several lines", Words(200),
            {u'{' + Words(77), Words(77), Words(44) + u'}', QStringLiteral("1. e4 *")}},
        {"a word longer than a line stays whole", longWord + QStringLiteral(" tail"),
            {u'{' + longWord, QStringLiteral("tail}"), QStringLiteral("1. e4 *")}},
    };
    for (const TCommentCase& c : cases) {
        SCOPED_TRACE(c.name);
        StartAt(StartFen);
        Play("e4");
        record.PreGameComment = c.comment;
        const QStringList lines = Written(TInfoRec {});
        EXPECT_EQ(lines.mid(8, lines.size() - 9), c.movetext);
        ExpectFlowed(lines);
    }

    // After a move the first piece fills the rest of the line.
    StartAt(StartFen);
    Play("e4 e5");
    record.PreGameComment.clear();
    record.EntryFor(0).Comment = Words(100);
    const QStringList lines = Written(TInfoRec {});
    const QStringList expected
        = {QStringLiteral("1. e4 {") + Words(71), Words(28) + QStringLiteral("} 1... e5 *")};
    EXPECT_EQ(lines.mid(8, lines.size() - 9), expected);
    ExpectFlowed(lines);
}

// A "}" would end the comment early and a line break could start a line
// that reads as a tag; either would lose the moves after it.
TEST_F(PgnWriterTest, CommentsKeepTheirBracesAndLineBreaksFromBreakingTheFile)
{
    Play("e4 e5");
    record.PreGameComment = QStringLiteral("Line one\n\n[Event \"x\"]\r\n%escape");
    record.EntryFor(0).Comment = QStringLiteral("see {diagram} }");
    const QStringList lines = Written(TInfoRec {});
    const QStringList expected = {QStringLiteral("{Line one [Event \"x\"] %escape}"),
        QStringLiteral("1. e4 {see (diagram) )} 1... e5 *")};
    EXPECT_EQ(lines.mid(8, lines.size() - 9), expected);
}

TEST_F(PgnWriterTest, OnlyPliesOfTheRecordTakeMoveNumbers)
{
    Play("e4 e5");
    EXPECT_FALSE(NeedsMoveNumber(record, -1));
    EXPECT_TRUE(NeedsMoveNumber(record, 0));
    EXPECT_FALSE(NeedsMoveNumber(record, 1));
    EXPECT_FALSE(NeedsMoveNumber(record, 2));
}

} // namespace
