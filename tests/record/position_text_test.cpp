#include "record/position_reader.h"
#include "record/position_writer.h"
#include "settings/options.h"
#include "tests/record/record_fixture.h"

using namespace engine;
using namespace record_testing;

namespace {

// The board as a Forsyth field, so a table row can state it in one word.
std::string Placement(const TPositionText& position)
{
    return BoardForsyth(position.Board).toStdString();
}

TEST(PositionReader, TheFourFieldsInTheirUsualAndUnusualSpellings)
{
    struct Case {
        const char* text;
        const char* board;
        int startPly;
        int white, black; // castling bits
        const char* enPassant;
    } const cases[] = {
        {"rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1",
            "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR", 1, 3, 3, "e3"},
        {"8/8/3k/8/8/8/8/4K3 w - -", "8/8/3k4/8/8/8/8/4K3", 0, 0, 0, "-"},
        {"rnbqkbnrpppppppp8888PPPPPPPPRNBQKBNR w", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", 0, 0, 0,
            "-"},
        {"k0K9Xq w", "k1K2q2/8/8/8/8/8/8/8", 0, 0, 0, "-"},
        {"8/8/8/8/8/8/8/8/KKKK w", "8/8/8/8/8/8/8/8", 0, 0, 0, "-"},
        {"4k3/8/8/8/8/8/8/4K3 B", "4k3/8/8/8/8/8/8/4K3", 1, 0, 0, "-"},
        {"4k3/8/8/8/8/8/8/4K3 W KQkq-", "4k3/8/8/8/8/8/8/4K3", 0, 3, 3, "-"},
        {"4k3/8/8/8/8/8/8/4K3 x qkQK", "4k3/8/8/8/8/8/8/4K3", 0, 3, 3, "-"},
        {"4k3/8/8/8/8/8/8/4K3 b Kq E6", "4k3/8/8/8/8/8/8/4K3", 1, 2, 1, "e6"},
        {"4k3/8/8/8/8/8/8/4K3 w x e9", "4k3/8/8/8/8/8/8/4K3", 0, 0, 0, "-"},
        {"4k3/8/8/8/8/8/8/4K3 w - e33", "4k3/8/8/8/8/8/8/4K3", 0, 0, 0, "-"},
        {"   4k3/8/8/8/8/8/8/4K3 \t b \t k  ", "4k3/8/8/8/8/8/8/4K3", 1, 0, 2, "-"},
        {"", "8/8/8/8/8/8/8/8", 0, 0, 0, "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TPositionText position;
        QString text = QString::fromLatin1(c.text);
        ReadFEN4(text, position);
        EXPECT_EQ(Placement(position), c.board);
        EXPECT_EQ(position.StartPly, c.startPly);
        EXPECT_EQ(position.State.WhiteCastling, c.white);
        EXPECT_EQ(position.State.BlackCastling, c.black);
        EXPECT_EQ(BoardFEN4(position.Board, position.State, 0).section(u' ', 3).toStdString(), c.enPassant);
    }
}

TEST(PositionReader, TheFourFieldsAreTakenOffTheText)
{
    QString text = QStringLiteral("8/8/8/8/8/8/8/K6k w - - 7 31 more");
    TPositionText position;
    ReadFEN4(text, position);
    EXPECT_EQ(text.trimmed(), QStringLiteral("7 31 more"));
}

TEST(PositionReader, CountersOfAFullFen)
{
    struct Case {
        const char* counters;
        int halfMoves;
        int startPly; // with Black to move
    } const cases[] = {
        {"0 12", 0, 23},
        {"7 1", 7, 1},
        {"", 0, 1},
        {"x y", 0, 1},
        {"-3 -5", 0, 1}, // a move number below 1 is taken as 1
        {"3 0", 3, 1},
        {"2 99999999999", 2, 1},
        {"2 20000", 2, 2 * MaxMoveNumber - 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.counters);
        const TPositionText position = ReadFEN(QStringLiteral("4k3/8/8/8/8/8/8/4K3 b - - ") + c.counters);
        EXPECT_EQ(position.State.HalfMoves, c.halfMoves);
        EXPECT_EQ(position.StartPly, c.startPly);
    }
}

TEST(PositionReader, EpdOperations)
{
    struct Case {
        const char* text;
        int startPly;
        int halfMoves;
        const char* comment;
        const char* opening; // "~" when not given
        const char* eco;
        const char* event;
    } const cases[] = {
        {"4k3/8/8/8/8/8/8/4K3 w - - hmvc 12; fmvn 30;", 58, 12, "", "~", "~", ""},
        {"4k3/8/8/8/8/8/8/4K3 b - - hmvc 12; fmvn 30;", 59, 12, "", "~", "~", ""},
        {"4k3/8/8/8/8/8/8/4K3 w - - HMVC 3 ; FmVn 2; C0 \"quoted\"; id \"x\"; Event name ", 2, 3,
            "\"quoted\"", "~", "~", "Event name"},
        {"4k3/8/8/8/8/8/8/4K3 w - - v0 Ruy Lopez; eco C60;", 0, 0, "", "Ruy Lopez", "C60", ""},
        {"4k3/8/8/8/8/8/8/4K3 w - - fmvn 0; hmvc x;", 0, 0, "", "~", "~", ""},
        {"4k3/8/8/8/8/8/8/4K3 w - - ;;; ; bm e4", 0, 0, "", "~", "~", "bm e4"},
        {"4k3/8/8/8/8/8/8/4K3 w - -", 0, 0, "", "~", "~", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TEpdExtras extras;
        const TPositionText position = ReadEPD(QString::fromLatin1(c.text), extras);
        EXPECT_EQ(position.StartPly, c.startPly);
        EXPECT_EQ(position.State.HalfMoves, c.halfMoves);
        EXPECT_EQ(extras.Comment.toStdString(), c.comment);
        EXPECT_EQ(extras.Opening.value_or(QStringLiteral("~")).toStdString(), c.opening);
        EXPECT_EQ(extras.ECO.value_or(QStringLiteral("~")).toStdString(), c.eco);
        EXPECT_EQ(extras.Event.toStdString(), c.event);
    }
}

using PositionWriterTest = RecordTest;

TEST_F(PositionWriterTest, CurrentAndStartPositionsAsFen)
{
    EXPECT_EQ(BoardCurrentFEN(record), QString::fromLatin1(StartFen));
    EXPECT_EQ(BoardStartFEN(record), QString::fromLatin1(StartFen));
    Play("e4");
    EXPECT_EQ(BoardCurrentFEN(record),
        QStringLiteral("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1"));
    Play("Nf6 Nc3");
    EXPECT_EQ(BoardCurrentFEN(record),
        QStringLiteral("rnbqkb1r/pppppppp/5n2/8/4P3/2N5/PPPP1PPP/R1BQKBNR b KQkq - 2 2"));
    EXPECT_EQ(BoardStartFEN(record), QString::fromLatin1(StartFen));
    EXPECT_EQ(
        BoardForsyth(record.Board), QStringLiteral("rnbqkb1r/pppppppp/5n2/8/4P3/2N5/PPPP1PPP/R1BQKBNR"));

    StartAt("4k3/8/8/8/8/8/8/4K2R b K - 3 20");
    Play("Kd7 Kf2");
    EXPECT_EQ(BoardStartFEN(record), QStringLiteral("4k3/8/8/8/8/8/8/4K2R b K - 3 20"));
    EXPECT_EQ(BoardCurrentFEN(record), QStringLiteral("8/3k4/8/8/8/8/5K2/7R b - - 5 21"));
}

TEST_F(PositionWriterTest, EpdLineWithItsOperations)
{
    Play("e4 e5 Nf3");
    TEpdFields fields;
    fields.Comment = QStringLiteral("hi");
    fields.ECO = QStringLiteral("C40");
    fields.Opening = QStringLiteral("King's Knight");
    fields.Event = QStringLiteral("Club night");
    fields.Resigned = true;
    EXPECT_EQ(BoardEPD(record, fields),
        QStringLiteral("rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - c0 hi; eco C40; fmvn 2; "
                       "hmvc 1; resign; v0 King's Knight; Club night"));

    StartAt(StartFen);
    EXPECT_EQ(BoardEPD(record, {}), QStringLiteral("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -"));
}

TEST_F(PositionWriterTest, EpdLineReadsBackWithItsTexts)
{
    Play("d4 d5 c4");
    TEpdFields fields;
    fields.Comment = QStringLiteral("The Queen's Gambit;\r\n  an offer\nof a pawn that Black may take, "
                                    "though it rarely keeps it for long");
    fields.ECO = QStringLiteral("D06");
    fields.Opening = QStringLiteral("Queen's Gambit");
    fields.Event = QStringLiteral("Lesson 3; openings");
    const QString line = BoardEPD(record, fields);
    EXPECT_FALSE(line.contains(u'\n'));

    TEpdExtras extras;
    const TPositionText position = ReadEPD(line, extras);
    EXPECT_EQ(extras.Comment,
        QStringLiteral("The Queen's Gambit, an offer of a pawn that Black may take, though it rarely kee"));
    EXPECT_EQ(extras.Comment.size(), EpdCommentLength);
    EXPECT_EQ(extras.ECO, QStringLiteral("D06"));
    EXPECT_EQ(extras.Opening, QStringLiteral("Queen's Gambit"));
    EXPECT_EQ(extras.Event, QStringLiteral("Lesson 3, openings"));
    EXPECT_EQ(position.StartPly, record.CurrentPly + 1);
    EXPECT_EQ(BoardForsyth(position.Board), BoardForsyth(record.Board));
}

TEST_F(PositionWriterTest, PositionStringsKeepStandardLettersWithCustomOnes)
{
    Options.TextType = 1;
    Options.KingChar = 'R';
    Options.QueenChar = 'D';
    Options.RookChar = 'T';
    Options.BishopChar = 'L';
    Options.KnightChar = 'S';
    Options.PawnChar = 'B';
    StartAt(StartFen);
    EXPECT_EQ(BoardCurrentFEN(record), QString::fromLatin1(StartFen));
    EXPECT_TRUE(record.StartsFromInitial);
    EXPECT_EQ(Options.TextType, 1);
}

} // namespace
