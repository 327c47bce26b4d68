#include <QLocale>

#include "engine/engine_interface.h"
#include "files/native_file.h"
#include "files/text_store.h"
#include "record/notation_writer.h"
#include "record/ply_text.h"
#include "record/position_reader.h"
#include "settings/game_settings.h"
#include "settings/options.h"
#include "tests/record/record_fixture.h"

using namespace engine;
using namespace record_testing;

namespace {

class NativeFileTest : public RecordTest {
protected:
    // The file of the game being played, as the window saves it.
    TNativeSave SaveOfGame(int style = StandardAlgebraic)
    {
        TNativeSave save;
        save.record = &record;
        save.notationStyle = style;
        save.standardStart = record.StartsFromInitial;
        GetStartImage(save.startBoard);
        GetSetupState(save.startState);
        return save;
    }

    static QStringList Written(const TNativeSave& save)
    {
        TTextStore store;
        store.StoreBegin(QStringLiteral("game.zrb"));
        WriteNativeGame(store, save);
        return store.Lines();
    }

    // Opens the lines as the window does: the first pass, a new game from
    // what it found, the moves entered in load mode, and the comment left in
    // the box after the last move stored with that move.
    TNativeGame Load(const QStringList& lines)
    {
        const TNativeGame game = ReadNativeGame(lines);
        commands.RestartGame(game.startPly);
        record.StartFromPosition(
            game.boardGiven ? &game.board : nullptr, game.boardGiven ? &game.state : nullptr);
        host.mode = TGameMode::Loading;
        fed = FeedNativeMoves(lines, commands, host);
        commands.StoreComment(true);
        return game;
    }

    // Each ply as its move and comment, the comment before the game first.
    QStringList Moves() const
    {
        QStringList plies {QString::number(record.StartPly) + u' ' + record.PreGameComment};
        for (int ply = record.StartPly; ply < record.EndPly; ++ply) {
            plies << PlyText(record, StandardAlgebraic, ply) + u'|' + record.CommentAt(ply);
        }
        return plies;
    }

    int Shown(int number) const
    {
        const QString key = QString::number(number);
        return static_cast<int>(messages.filter(key).size());
    }

    TFeedResult fed;
};

// A comment whose lines in the file begin with the given texts: every piece
// but the last is filled to 70 characters, so the next word never fits after
// it and the cut falls where the piece ends.
QString CommentOfPieces(const QStringList& starts)
{
    QStringList pieces;
    for (qsizetype i = 0; i < starts.size(); ++i) {
        QString piece = starts[i];
        while (i + 1 < starts.size() && piece.size() < 70) {
            piece += QStringLiteral(" abcde");
        }
        if (i + 1 < starts.size()) {
            piece.truncate(70);
            if (piece.back() == u' ') {
                piece.back() = u'z';
            }
        }
        pieces << piece;
    }
    return pieces.join(u' ');
}

QStringList Lines(std::initializer_list<const char*> texts)
{
    QStringList lines;
    for (const char* text : texts) {
        lines << QString::fromLatin1(text);
    }
    return lines;
}

TEST_F(NativeFileTest, GameIsWrittenInSectionsWithMovesInColumns)
{
    Play("e4 e5 Nf3 Nc6");
    record.PreGameComment = QStringLiteral("Before the game.");
    record.EntryFor(0).Comment = CommentOfPieces({QStringLiteral("Open"), QStringLiteral("1... e5 next")});
    TNativeSave save = SaveOfGame();
    save.info.Event = QStringLiteral("Club night");
    save.info.White = QStringLiteral("Ann");
    save.info.Black = QStringLiteral("Bob");
    save.whiteDays = 0.5;
    save.blackDays = 1.0 / 96;
    save.rotated = true;
    save.playKind = 2;

    const QString first = QStringLiteral("Open") + QStringLiteral(" abcde").repeated(11);
    EXPECT_EQ(Written(save),
        Lines({"[Zorbel Game]", "Event: Club night", "White: Ann", "Black: Bob", "WhiteTime: 0.5",
            "BlackTime: 0.0104166666666667", "Rotated: Y", "GamePlay: 2", "[Moves]",
            "COMMENT Before the game.", "1.       e4", qPrintable("COMMENT " + first.left(70)),
            "        1... e5 next", "1...              e5", "2.      Nf3      Nc6", "[EndGame]"}));
}

TEST_F(NativeFileTest, StandardGameWithoutMovesOrSettingsHasNoBoardOrMovesSection)
{
    TNativeSave save = SaveOfGame();
    save.playKind = -1;
    EXPECT_EQ(
        Written(save), Lines({"[Zorbel Game]", "WhiteTime: 0", "BlackTime: 0", "Rotated: N", "[EndGame]"}));
}

TEST_F(NativeFileTest, GameWithCommentsReadsBackMoveForMove)
{
    Play("e4 e5 Nf3 Nc6 Bb5 a6 Ba4 Nf6 O-O Be7 Re1 b5 Bb3 d6 c3 O-O h3 Nb8 d4 Nbd7 c4 c6 cxb5");
    record.PreGameComment
        = CommentOfPieces({QStringLiteral("Game notes"), QStringLiteral("White: Mallory is not a player")});
    // After White's first move the pair is split; its further lines begin
    // with the number due, the word COMMENT and a bracket.
    record.EntryFor(0).Comment
        = CommentOfPieces({QStringLiteral("The king's pawn"), QStringLiteral("1... e5 is the usual answer"),
            QStringLiteral("COMMENT stays a word"), QStringLiteral("[EndGame] is not the end")});
    ASSERT_GE(record.EntryFor(0).Comment.size(), 150);
    record.EntryFor(21).Comment
        = CommentOfPieces({QStringLiteral("Black prepares"), QStringLiteral("12. cxb5 follows at once")});
    record.EntryFor(22).Comment = QStringLiteral("The end.");
    const QStringList before = Moves();
    TNativeSave save = SaveOfGame();
    save.info.White = QStringLiteral("Ann");
    const QStringList lines = Written(save);
    ASSERT_TRUE(lines.contains(QStringLiteral("        12. cxb5 follows at once")));
    ASSERT_TRUE(lines.contains(QStringLiteral("        [EndGame] is not the end")));

    const TNativeGame game = Load(lines);

    EXPECT_EQ(Moves(), before);
    EXPECT_EQ(game.info.White, QStringLiteral("Ann"));
    EXPECT_EQ(fed.plies, 23);
    EXPECT_FALSE(fed.stoppedEarly);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
}

TEST_F(NativeFileTest, LineBreaksInACommentAreWrittenAsBlanks)
{
    Play("d4");
    record.EntryFor(0).Comment = QStringLiteral("Two\nlines\r\n  and more");
    const QStringList lines = Written(SaveOfGame());
    EXPECT_TRUE(lines.contains(QStringLiteral("COMMENT Two lines and more")));
    Load(lines);
    EXPECT_EQ(record.CommentAt(0), QStringLiteral("Two lines and more"));
}

TEST_F(NativeFileTest, SetUpStartWithBlackToMoveAtMove23)
{
    StartAt("4k3/8/8/8/8/8/4P3/4K3 b - - 7 23");
    Play("Kd7 e4 Kc6");
    const QStringList before = Moves();
    const QStringList lines = Written(SaveOfGame());
    const qsizetype board = lines.indexOf(QStringLiteral("[Board]"));
    ASSERT_GE(board, 0);
    EXPECT_EQ(lines.mid(board, 8),
        Lines({"[Board]", "FirstMove: 23", "Player: Black", "Castling:", "FiftyMove: 7", "WK e1", "WP e2",
            "BK e8"}));
    EXPECT_TRUE(lines.contains(QStringLiteral("23...") + QString(12, u' ') + QStringLiteral("Kd7")));

    const TNativeGame game = Load(lines);

    EXPECT_EQ(game.startPly, 45);
    const TPositionText start = ReadFEN(QStringLiteral("4k3/8/8/8/8/8/4P3/4K3 b - - 7 23"));
    EXPECT_TRUE(ImagesEqual(game.board, start.Board));
    EXPECT_TRUE(StatesEqual(game.state, start.State));
    EXPECT_EQ(Moves(), before);
}

TEST_F(NativeFileTest, CastlingRightsOfTheStartPosition)
{
    const struct {
        const char* rights;
        const char* line; // nullptr: no line
    } cases[] = {
        {"KQkq", nullptr},
        {"K", "Castling: WK"},
        {"Qk", "Castling: WQ BK"},
        {"KQq", "Castling: WK WQ BQ"},
        {"-", "Castling:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rights);
        const QString fen = QStringLiteral("r3k2r/8/8/8/8/8/8/R3K2R w %1 - 0 1").arg(QLatin1String(c.rights));
        const TPositionText position = ReadFEN(fen);
        TNativeSave save;
        save.standardStart = false;
        save.startBoard = position.Board;
        save.startState = position.State;
        const QStringList lines = Written(save);
        const QStringList castling = lines.filter(QStringLiteral("Castling"));
        EXPECT_EQ(castling, c.line ? QStringList {QString::fromLatin1(c.line)} : QStringList {});
        EXPECT_FALSE(lines.contains(QStringLiteral("FirstMove: 1")));
        const TNativeGame game = ReadNativeGame(lines);
        EXPECT_EQ(game.state.WhiteCastling, position.State.WhiteCastling);
        EXPECT_EQ(game.state.BlackCastling, position.State.BlackCastling);
        EXPECT_EQ(game.startPly, 0);
    }
}

// The short style marks an en-passant capture with a word of its own.
TEST_F(NativeFileTest, EnPassantSquareAndCapturesInEveryStyle)
{
    const char* fen = "4k3/2p5/8/3P4/5p2/8/4P3/4K3 b - - 0 1";
    for (const int style : {StandardAlgebraic, LongAlgebraic, Computer, FideAlgebraic}) {
        SCOPED_TRACE(style);
        StartAt(fen);
        Play("c5 dxc6 Kf7 e4 fxe3");
        const QStringList before = Moves();
        const QStringList lines = Written(SaveOfGame(style));
        if (style == FideAlgebraic) {
            EXPECT_TRUE(lines.contains(QStringLiteral("2.   dxc6 e.p.     Kf7")));
            EXPECT_TRUE(lines.contains(QStringLiteral("3.       e4   fxe3 e.p.")));
        }
        Load(lines);
        EXPECT_EQ(Moves(), before);
        EXPECT_FALSE(fed.stoppedEarly);
        EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    }

    const QStringList lines = Lines({"[Zorbel Game]", "[Board]", "Castling:", "EnPassant: D6", "FiftyMove: 3",
        "WK e1", "BK e8", "WP e5", "BP d5", "[Moves]", "1.  exd6 E.P. Kf7", "[EndGame]"});
    const TNativeGame game = Load(lines);
    EXPECT_EQ(game.state.EnPassant, (SquarePair {4, 6}));
    EXPECT_EQ(game.state.HalfMoves, 3);
    EXPECT_EQ(fed.plies, 2);
}

// The long style names these entries with words of the language file, and
// the short one writes an agreed draw as "=".
TEST_F(NativeFileTest, ResignationAndAgreedDrawReadBackInEveryStyle)
{
    const struct {
        const char* moves;
        int style;
    } cases[] = {
        {"e4 resign", LongAlgebraic},
        {"e4 e5 resign", LongAlgebraic},
        {"e4 e5 draw", LongAlgebraic},
        {"e4 draw", FideAlgebraic},
        {"e4 e5 resign", StandardAlgebraic},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.moves);
        StartAt(StartFen);
        Play(c.moves);
        const std::uint8_t status = record.MoveAt(record.EndPly - 1).Status;
        const QStringList lines = Written(SaveOfGame(c.style));
        Load(lines);
        EXPECT_EQ(record.EndPly, record.StartPly + QString::fromLatin1(c.moves).count(u' ') + 1);
        EXPECT_EQ(record.MoveAt(record.EndPly - 1).Status, status);
        EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    }
}

TEST_F(NativeFileTest, ClocksRotationAndPlayKindReadBack)
{
    TNativeSave save = SaveOfGame();
    save.whiteDays = 1.25;
    save.blackDays = 0.003;
    save.rotated = true;
    save.playKind = 3;
    QLocale::setDefault(QLocale(QLocale::German));
    const QStringList lines = Written(save);
    QLocale::setDefault(QLocale::c());
    EXPECT_TRUE(lines.contains(QStringLiteral("WhiteTime: 1.25")));
    const TNativeGame game = ReadNativeGame(lines);
    EXPECT_TRUE(game.whiteTimeGiven && game.blackTimeGiven && game.rotatedGiven);
    EXPECT_DOUBLE_EQ(game.whiteDays, 1.25);
    EXPECT_DOUBLE_EQ(game.blackDays, 0.003);
    EXPECT_TRUE(game.rotated);
    EXPECT_EQ(game.playKind, 3);
    EXPECT_FALSE(game.boardGiven);
    EXPECT_FALSE(game.settingsGiven);
}

TEST_F(NativeFileTest, HeaderValuesAreReadForgivingly)
{
    const struct {
        const char* line;
        double whiteDays;
        int playKind;
    } cases[] = {
        {"WhiteTime: 0,75", 0.75, 0},
        {"whitetime: 2.5", 2.5, 0},
        {"WhiteTime: soon", 0, 0},
        {"WhiteTime: -3", 0, 0},
        {"GamePlay: 4", 0, 4},
        {"GamePlay: 9", 0, 0},
        {"GamePlay: -1", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const TNativeGame game
            = ReadNativeGame({QStringLiteral("[Zorbel Game]"), QString::fromLatin1(c.line)});
        EXPECT_DOUBLE_EQ(game.whiteDays, c.whiteDays);
        EXPECT_EQ(game.playKind, c.playKind);
    }
    EXPECT_FALSE(ReadNativeGame({QStringLiteral("[Zorbel Game]")}).whiteTimeGiven);
}

TEST_F(NativeFileTest, SettingsBlockTravelsWithTheGame)
{
    TOptionsRec stored = Options;
    stored.StoreText = true;
    stored.Notation = Computer;
    TNativeSave save = SaveOfGame();
    save.settingsBlock = WriteGameSettings(stored);
    ASSERT_FALSE(save.settingsBlock.isEmpty());
    const QStringList lines = Written(save);
    ASSERT_EQ(lines.indexOf(QStringLiteral("[Settings]")), lines.indexOf(QStringLiteral("Rotated: N")) + 1);
    ASSERT_NE(Options.Notation, Computer);

    const TNativeGame game = ReadNativeGame(lines);

    EXPECT_TRUE(game.settingsGiven);
    EXPECT_EQ(Options.Notation, Computer);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(NativeFileTest, BadBoardLinesAreReportedAndTheRestIsKept)
{
    const QStringList lines = Lines(
        {"[Zorbel Game]", "White: Ann", "[Board]", "Castling:", "FirstMove: many", "WK e1", "WX e2", "WK i9",
            "Nonsense here", "", "BK E8", "bq d8", "[Moves]", "COMMENT WK e3", "1. Kf2", "[EndGame]"});
    const TNativeGame game = Load(lines);
    EXPECT_EQ(game.badLines, 4);
    EXPECT_EQ(Shown(1006), 4);
    EXPECT_EQ(game.info.White, QStringLiteral("Ann"));
    EXPECT_EQ(game.startPly, 0);
    EXPECT_EQ(game.board.At(5, 1).Kind, King);
    EXPECT_EQ(game.board.At(5, 8).Colour, Black);
    EXPECT_EQ(game.board.At(4, 8).Kind, Queen);
    EXPECT_EQ(game.board.At(4, 8).Colour, Black);
    EXPECT_EQ(game.board.At(5, 3).Kind, Empty);
    EXPECT_EQ(fed.plies, 1);
}

TEST_F(NativeFileTest, StartPlyFromOldSideLinesAndFirstMove)
{
    const struct {
        std::initializer_list<const char*> lines;
        int startPly;
    } cases[] = {
        {{"[BLACK TO PLAY]"}, 1},
        {{"[black to play]", "[WHITE TO PLAY]"}, 0},
        {{"[Board]", "FirstMove: 0"}, 0},
        {{"[Board]", "FirstMove: 3", "Player: b"}, 5},
        {{"[Board]", "FirstMove: 99999999"}, 2 * MaxMoveNumber - 2},
        {{"[Board]", "FirstMove: 10000", "FirstMove: 10000", "Player: Black"}, 2 * MaxMoveNumber - 1},
    };
    for (const auto& c : cases) {
        QStringList lines {QStringLiteral("[Zorbel Game]")};
        lines << Lines(c.lines);
        SCOPED_TRACE(lines.join(u'|').toStdString());
        EXPECT_EQ(ReadNativeGame(lines).startPly, c.startPly);
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(NativeFileTest, OlderHeaderLinesReadTheSame)
{
    Play("e4 e5");
    record.EntryFor(1).Comment = QStringLiteral("Even.");
    const QStringList before = Moves();
    QStringList lines = Written(SaveOfGame());
    for (const char* header : {"[ZOR-BEL GAME]", "[ZORBEL GAME]", "[zorbel game]"}) {
        SCOPED_TRACE(header);
        lines[0] = QString::fromLatin1(header);
        Load(lines);
        EXPECT_EQ(Moves(), before);
    }
}

TEST_F(NativeFileTest, AMoveThatCannotBeEnteredEndsTheReading)
{
    const QStringList lines
        = Lines({"[Zorbel Game]", "[Moves]", "1.  e4  e5", "2.  Nf3  Ke3", "3.  Bc4", "[EndGame]"});
    Load(lines);
    EXPECT_TRUE(fed.stoppedEarly);
    EXPECT_EQ(fed.plies, 3);
    EXPECT_EQ(record.EndPly, 3);
    EXPECT_EQ(Shown(1014), 1);
}

TEST_F(NativeFileTest, DemonstrationPausesAfterEachMove)
{
    struct TPausingHost : TTestHost {
        using TTestHost::TTestHost;
        void MoveDelayPause() override { ++pauses; }
        bool Terminating() const override { return pauses >= stopAfter; }
        int pauses = 0;
        int stopAfter = 1000;
    };
    struct TDemo {
        explicit TDemo(TGameRecord& record)
            : host(record, commands)
            , commands(record, host)
        { }
        TPausingHost host;
        TRecordCommands commands;
    };
    const QStringList lines
        = Lines({"[Zorbel Game]", "[DEMO]", "[Moves]", "1. e4 e5", "2. Nf3 Nc6", "[EndGame]"});
    for (const int stopAfter : {1000, 3}) {
        SCOPED_TRACE(stopAfter);
        StartAt(StartFen);
        TDemo demo(record);
        demo.host.stopAfter = stopAfter;
        const TFeedResult result = FeedNativeMoves(lines, demo.commands, demo.host);
        EXPECT_EQ(demo.host.mode, TGameMode::Demonstration);
        EXPECT_EQ(result.plies, std::min(4, stopAfter));
        EXPECT_EQ(demo.host.pauses, result.plies);
    }
}

TEST_F(NativeFileTest, CustomLettersWriteTheBoardAndMustMatchWhenRead)
{
    Options.TextType = 1;
    Options.WhiteChar = 'A';
    Options.BlackChar = 'Z';
    Options.KingChar = 'X';
    Options.QueenChar = 'D';
    Options.RookChar = 'T';
    Options.BishopChar = 'L';
    Options.KnightChar = 'S';
    Options.PawnChar = 'O';
    StartAt("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
    const QStringList lines = Written(SaveOfGame());
    EXPECT_TRUE(lines.contains(QStringLiteral("AX e1")));
    EXPECT_TRUE(lines.contains(QStringLiteral("ZX e8")));
    TNativeGame game = ReadNativeGame(lines);
    EXPECT_EQ(game.badLines, 0);
    EXPECT_EQ(game.board.At(5, 8).Colour, Black);

    Options.TextType = 0;
    game = ReadNativeGame(lines);
    EXPECT_EQ(game.badLines, 2);
    EXPECT_EQ(Shown(1006), 2);
}

} // namespace
