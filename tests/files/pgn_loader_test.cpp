#include "files/game_info.h"
#include "files/pgn_game_list.h"
#include "files/pgn_loader.h"
#include "files/pgn_writer.h"
#include "files/quiet_record_host.h"
#include "files/text_store.h"
#include "record/ply_text.h"
#include "record/position_writer.h"
#include "tests/record/record_fixture.h"

using namespace record_testing;

namespace {

// Lines from one literal; "\r" stays, as a CRLF text leaves it.
QStringList PgnLines(const char* text)
{
    return QString::fromUtf8(text).split(u'\n');
}

// The game as read: "{before the game} e4 {after e4} e5 ...".
std::string GameText(const TGameRecord& record)
{
    QStringList out;
    if (!record.PreGameComment.isEmpty()) {
        out << u'{' + record.PreGameComment + u'}';
    }
    for (int ply = record.StartPly; ply < record.EndPly; ++ply) {
        out << PlyText(record, 0, ply);
        if (!record.CommentAt(ply).isEmpty()) {
            out << u'{' + record.CommentAt(ply) + u'}';
        }
    }
    return out.join(u' ').toStdString();
}

class PgnLoaderTest : public RecordTest {
protected:
    TFeedResult Load(const QStringList& lines, int index = 0)
    {
        list = ListPgnGames(lines);
        return LoadPgnGameInto(lines, list, index, commands, host, tags);
    }
    TFeedResult Load(const char* pgn, int index = 0) { return Load(PgnLines(pgn), index); }

    std::string Game() const { return GameText(record); }

    TPgnGameList list;
    TPgnGameTags tags;
};

TEST_F(PgnLoaderTest, RealWorldOdditiesReadTheMovesCommentsAndTags)
{
    struct Case {
        const char* name;
        const char* pgn;
        const char* game;
        const char* white = "";
    };
    const Case cases[] = {
        {"moves on the line after the Event tag", "[Event \"E\"]\n1. e4 e5\n2. Nf3 *", "e4 e5 Nf3"},
        {"escaped quote and backslash in a tag value",
            "[Event \"E\"]\n[White \"Ann \\\"the Rook\\\" O\\\\Neil\"]\n\n1. d4 *", "d4",
            "Ann \"the Rook\" O\\Neil"},
        {"CRLF lines", "[Event \"E\"]\r\n[White \"W\"]\r\n\r\n1. e4 {good\r\nmove} e5\r\n*\r\n",
            "e4 {good move} e5", "W"},
        {"byte-order mark", "\xEF\xBB\xBF[Event \"E\"]\n[White \"W\"]\n1.d4 d5", "d4 d5", "W"},
        {"escape lines", "[Event \"E\"]\n%1. h4 is not read\n1. e4\n% nor this\ne5", "e4 e5"},
        {"tabs", "\t[Event\t\"E\"]\n[White\t\"W\"]\t\n1.\te4\t\te5\t2.Nf3", "e4 e5 Nf3", "W"},
        {"comment across lines with parentheses",
            "[Event \"E\"]\n1. e4 {a long\n  remark (not a variation)\n over lines} e5",
            "e4 {a long remark (not a variation) over lines} e5"},
        {"nested variations across lines",
            "[Event \"E\"]\n1. e4 (1. d4 d5 (1... Nf6\n2. c4) 2. c4 {a ) in braces}\n) e5 2. Nf3 (2. f4\n"
            "exf4 (2... d5)) Nc6",
            "e4 e5 Nf3 Nc6"},
        {"glyphs", "[Event \"E\"]\n1. e4! e5?! $1 2. Nf3 $14 Nc6!? 3. Bb5!! $2", "e4 e5 Nf3 Nc6 Bb5"},
        {"numbers glued to moves and to dots", "[Event \"E\"]\n1.e4 1...e5 2.Nf3 2...Nc6", "e4 e5 Nf3 Nc6"},
        {"no tags at all", "1. e4 e5\n2. Nf3 1/2-1/2", "e4 e5 Nf3 1/2-1/2"},
        {"comment to the end of the line and before the first move",
            "[Event \"E\"]\n{Opening lesson} 1. e4 ; best by test\ne5 {and} {again}",
            "{Opening lesson} e4 {best by test} e5 {and again}"},
        {"tag names in any case", "[event \"E\"]\n[WHITE \"W\"]\n1. c4", "c4", "W"},
        {"clock annotations in brackets", "[Event \"E\"]\n1. e4 [%clk 0:05:00] e5\n[%clk 0:04:58]\n2. Nf3",
            "e4 e5 Nf3"},
        {"en passant ending and check signs",
            "[Event \"E\"]\n1. e4 Nf6 2. e5 d5 3. exd6e.p. Qxd6 4. Bb5+ c6 5. Ba4 Qxh2ch",
            "e4 Nf6 e5 d5 exd6 Qxd6 Bb5+ c6 Ba4 Qxh2"},
        {"a move number that is not the one due",
            "[Event \"E\"]\n[FEN \"4k3/8/8/8/8/8/4P3/4K3 w - - 0 1\"]\n23. e4 Kd7 24. e5", "e4 Kd7 e5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        const TFeedResult result = Load(c.pgn);
        EXPECT_EQ(Game(), c.game);
        EXPECT_EQ(tags.info.White, QString::fromUtf8(c.white));
        EXPECT_FALSE(result.stoppedEarly);
        EXPECT_EQ(result.plies, record.EndPly - record.StartPly);
        EXPECT_EQ(messages, QStringList {});
    }
}

TEST_F(PgnLoaderTest, ChoosingTheSecondOfThreeGamesReadsOnlyItsTagsAndMoves)
{
    const QStringList lines = PgnLines("[Event \"First\"]\n[White \"A\"]\n[ECO \"C20\"]\n\n1. e4 e5 1-0\n\n"
                                       "[Event \"Second\"]\n[Site \"Here\"]\n[White \"B\"]\n\n"
                                       "1. d4 {queen's pawn} d5 2. c4 *\n\n"
                                       "[Event \"Third\"]\n[Black \"C\"]\n[TimeControl \"40/7200\"]\n\n"
                                       "1. Nf3 Nf6 0-1\n");
    const TFeedResult result = Load(lines, 1);
    EXPECT_EQ(list.games.size(), 3);
    EXPECT_EQ(Game(), "d4 {queen's pawn} d5 c4");
    EXPECT_EQ(result.plies, 3);
    TInfoRec expected;
    expected.Event = QStringLiteral("Second");
    expected.Site = QStringLiteral("Here");
    expected.White = QStringLiteral("B");
    EXPECT_EQ(tags.info, expected);
    EXPECT_EQ(tags.timeControl, QString());
    EXPECT_EQ(tags.movesLine, 7);
    EXPECT_EQ(tags.endLine, 12);
}

TEST_F(PgnLoaderTest, TagsFillTheGameInformationAndTheStartIgnoringCase)
{
    const QStringList lines = PgnLines("[Event \"E\"]\n[Site \"S\"]\n[Date \"2003.05.17\"]\n[Round \"2\"]\n"
                                       "[White \"W\"]\n[Black \"B\"]\n[Result \"1-0\"]\n[Time \"12:00:00\"]\n"
                                       "[Opening \"Open\"]\n[ECO \"C20\"]\n[WhiteTitle \"GM\"]\n"
                                       "[WhiteElo \"2100\"]\n[WhiteCountry \"NZ\"]\n[WhiteEmail \"w@x\"]\n"
                                       "[WhiteTcpip \"w.x\"]\n[BlackTitle \"IM\"]\n[BLACKELO \"2050\"]\n"
                                       "[BlackCountry \"AU\"]\n[BlackEmail \"b@x\"]\n[BlackTcpip \"b.x\"]\n"
                                       "[Annotator \"An\"]\n[EventDate \"2003.05.10\"]\n[PlyCount \"1\"]\n"
                                       "[WhiteNA \"na@x\"]\n[timecontrol \"40/7200:3600\"]\n\n1. e4");
    Load(lines);
    const TInfoRec expected {QStringLiteral("E"), QStringLiteral("S"), QStringLiteral("2"),
        QStringLiteral("2003.05.17"), QStringLiteral("12:00:00"), QStringLiteral("Open"),
        QStringLiteral("C20"), QStringLiteral("W"), QStringLiteral("GM"), QStringLiteral("2100"),
        QStringLiteral("NZ"), QStringLiteral("w@x"), QStringLiteral("w.x"), QStringLiteral("B"),
        QStringLiteral("IM"), QStringLiteral("2050"), QStringLiteral("AU"), QStringLiteral("b@x"),
        QStringLiteral("b.x"), QStringLiteral("An"), QStringLiteral("2003.05.10")};
    EXPECT_EQ(tags.info, expected);
    EXPECT_EQ(tags.timeControl, QStringLiteral("40/7200:3600"));
    EXPECT_FALSE(tags.setUp);
    EXPECT_TRUE(record.StartsFromInitial);
    EXPECT_EQ(Game(), "e4");
}

TEST_F(PgnLoaderTest, ABadMoveStopsWithItsMessageKeepingTheMovesBefore)
{
    struct Case {
        const char* movetext;
        const char* game;
        const char* message;
    };
    const Case cases[] = {
        {"1. e4 e5 2. Nf4 Nc6 3. Bc4", "e4 e5", "M1014 Nf4"},
        {"1. e4 {fine} e5 2. Zz9 Nc6", "e4 {fine} e5", "M1014 Zz9"},
        {"1. e4 e5 2. Ke2 Ke7 3. O-O", "e4 e5 Ke2 Ke7", "M1013 O-O"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.movetext);
        messages.clear();
        const QString pgn = QStringLiteral("[Event \"E\"]\n") + QString::fromLatin1(c.movetext);
        const TFeedResult result = Load(pgn.split(u'\n'));
        EXPECT_TRUE(result.stoppedEarly);
        EXPECT_EQ(Game(), c.game);
        EXPECT_EQ(result.plies, record.EndPly - record.StartPly);
        EXPECT_EQ(messages, QStringList {QString::fromLatin1(c.message)});
    }
}

TEST_F(PgnLoaderTest, ResultTokensResignOrAgreeADrawOnlyWhileTheGameGoesOn)
{
    struct Case {
        const char* name;
        const char* movetext;
        const char* game;
    };
    const Case cases[] = {
        {"Black to move resigns", "1. e4 1-0", "e4 1-0"},
        {"White to move resigns", "1. e4 e5 0-1", "e4 e5 0-1"},
        {"draw agreed", "1. e4 e5 1/2-1/2", "e4 e5 1/2-1/2"},
        {"unfinished", "1. e4 e5 *", "e4 e5"},
        // Black lost on its own move (time, forfeit): nothing to record,
        // and no complaint about the file.
        {"the winner to move", "1. e4 e5 {Black's flag fell} 1-0", "e4 e5 {Black's flag fell}"},
        {"after mate, the last comment stays", "1. f3 e5 2. g4 Qh4# {a fool's mate} 0-1",
            "f3 e5 g4 Qh4# {a fool's mate}"},
        {"nothing after a resignation", "1. e4 1-0 e5 2. Nf3", "e4 1-0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        const QString pgn = QStringLiteral("[Event \"E\"]\n") + QString::fromLatin1(c.movetext);
        const TFeedResult result = Load(pgn.split(u'\n'));
        EXPECT_EQ(Game(), c.game);
        EXPECT_FALSE(result.stoppedEarly);
        EXPECT_EQ(messages, QStringList {});
    }
}

TEST_F(PgnLoaderTest, ASetUpGameStartsFromItsFen)
{
    const char* pgn = "[Event \"E\"]\n[SetUp \"1\"]\n[FEN \"4k3/8/8/8/8/8/4P3/4K3 b - - 0 7\"]\n\n"
                      "7... Kd7 8. e4 Ke6";
    const TFeedResult result = Load(pgn);
    EXPECT_TRUE(tags.setUp);
    EXPECT_FALSE(record.StartsFromInitial);
    EXPECT_EQ(record.StartPly, 13);
    EXPECT_EQ(Game(), "Kd7 e4 Ke6");
    EXPECT_EQ(result.plies, 3);
    EXPECT_EQ(BoardStartFEN(record), QStringLiteral("4k3/8/8/8/8/8/4P3/4K3 b - - 0 7"));
}

TEST_F(PgnLoaderTest, AFenThatCannotStartAGameLeavesAnEmptyStandardGame)
{
    Play("d4");
    const TFeedResult result = Load("[Event \"E\"]\n[FEN \"8/8/8/8/8/8/8/8 w - - 0 1\"]\n1. e4");
    EXPECT_TRUE(result.stoppedEarly);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(Game(), "");
    EXPECT_TRUE(record.StartsFromInitial);
    EXPECT_EQ(record.CurrentPly, -1);
    EXPECT_TRUE(commands.EnterMove(QStringLiteral("e4")));
}

TEST_F(PgnLoaderTest, WrittenGamesReadBackTheSame)
{
    struct Case {
        const char* name;
        const char* fen;
        const char* moves;
        QString timeControl;
    };
    const Case cases[] = {
        {"comments everywhere", StartFen, "e4 e5 Nf3 Nc6 Bb5 a6", QStringLiteral("40/7200:3600")},
        {"set-up start, Black first", "4k3/8/8/8/8/8/4P3/4K3 b - - 3 12", "Kd7 e4 Ke6 e5", {}},
        {"ended by mate", StartFen, "f3 e5 g4 Qh4#", QStringLiteral("300+5")},
    };
    TInfoRec info;
    info.Event = QStringLiteral("Club \"Open\"");
    info.Site = QStringLiteral("C:\\Hall");
    info.Date = QStringLiteral("2026.12.10");
    info.Round = QStringLiteral("3");
    info.White = QStringLiteral("Ann");
    info.Black = QStringLiteral("Bob");
    info.ECO = QStringLiteral("C60");
    info.WhiteELO = QStringLiteral("1500");
    info.BlackTitle = QStringLiteral("FM");
    info.Annotator = QStringLiteral("Cal");
    info.EventDate = QStringLiteral("2026.12.01");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartAt(c.fen);
        Play(c.moves);
        record.PreGameComment = QStringLiteral("Before the first move, a remark long enough to be cut over "
                                               "two lines of the file when it is written out");
        for (int ply = record.StartPly; ply < record.EndPly; ply += 2) {
            record.EntryFor(ply).Comment = QStringLiteral("remark %1 {on}\r\nthe move").arg(ply);
        }
        // Braces and line breaks cannot stand inside a PGN comment.
        const std::string written = QString::fromStdString(Game())
                                        .replace(QStringLiteral(" {on}\r\n"), QStringLiteral(" (on) "))
                                        .toStdString();
        const QString fen = record.StartsFromInitial ? QString() : BoardStartFEN(record);
        TTextStore store;
        store.StoreBegin(QStringLiteral("game.pgn"));
        WritePgnGame(store, record, info, c.timeControl, fen);

        const TFeedResult result = Load(store.Lines());
        EXPECT_FALSE(result.stoppedEarly);
        EXPECT_EQ(Game(), written);
        EXPECT_EQ(tags.info, info);
        EXPECT_EQ(tags.timeControl, c.timeControl);
        EXPECT_EQ(tags.fen, fen);
    }
}

// A host that counts the pauses of a demonstration and has the program
// closing after a number of them.
class TDemoHost : public TTestHost {
public:
    using TTestHost::TTestHost;
    void MoveDelayPause() override { ++pauses; }
    bool Terminating() const override { return pauses >= closeAfter; }
    int pauses = 0;
    int closeAfter = 1000;
};

struct TDemo {
    TGameRecord record;
    TRecordCommands commands {record, host};
    TDemoHost host {record, commands};
    TPgnGameTags tags;

    TFeedResult Load(const char* pgn)
    {
        const QStringList lines = PgnLines(pgn);
        return LoadPgnGameInto(lines, ListPgnGames(lines), 0, commands, host, tags, TGameMode::Demonstration);
    }
};

TEST_F(PgnLoaderTest, ADemonstrationPausesShowsCommentsAndEndsWhenTheProgramCloses)
{
    const char* pgn = "[Event \"E\"]\n1. e4 {centre} e5 2. Nf3 {develops} Nc6 3. Bb5";
    TDemo whole;
    EXPECT_EQ(whole.Load(pgn).plies, 5);
    EXPECT_EQ(whole.host.pauses, 5);
    ASSERT_EQ(whole.host.commentBoxes.size(), 2);
    EXPECT_TRUE(whole.host.commentBoxes[0].endsWith(QStringLiteral("|centre|cancel")));
    EXPECT_TRUE(whole.host.commentBoxes[1].endsWith(QStringLiteral("|develops|cancel")));
    EXPECT_EQ(whole.record.CommentAt(2), QStringLiteral("develops"));

    TDemo closing;
    closing.host.closeAfter = 2;
    const TFeedResult result = closing.Load(pgn);
    EXPECT_EQ(result.plies, 2);
    EXPECT_FALSE(result.stoppedEarly);
    EXPECT_EQ(closing.record.EndPly, 2);
    EXPECT_EQ(closing.record.CommentAt(0), QStringLiteral("centre"));
}

// The host the benchmark and the fuzzer load through records the moves
// the same way.
TEST_F(PgnLoaderTest, AQuietHostLoadsAsTheWindowDoes)
{
    const QStringList lines
        = PgnLines("[Event \"E\"]\n{Start} 1. e4 {centre} e5 2. Nf3 Nc6 3. Bb5 a6 1/2-1/2");
    TQuietRecordHost quiet;
    const TPgnGameList games = ListPgnGames(lines);
    const TFeedResult result = LoadPgnGameInto(lines, games, 0, quiet.commands, quiet, tags);
    EXPECT_EQ(result.plies, 7);
    EXPECT_EQ(GameText(quiet.record), "{Start} e4 {centre} e5 Nf3 Nc6 Bb5 a6 1/2-1/2");
    EXPECT_TRUE(quiet.GameOver());
}

} // namespace
