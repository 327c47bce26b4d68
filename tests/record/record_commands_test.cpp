#include "record/notation_writer.h"
#include "record/ply_text.h"
#include "record/position_reader.h"
#include "settings/options.h"
#include "tests/record/record_fixture.h"

using namespace engine;
using namespace record_testing;

namespace {

using GameRecordTest = RecordTest;

TEST_F(GameRecordTest, BeforeTheFirstMoveTheRecordIsEmptyAndCommentsGoToTheStart)
{
    EXPECT_EQ(record.StartPly, 0);
    EXPECT_EQ(record.EndPly, 0);
    EXPECT_EQ(record.CurrentPly, -1);
    EXPECT_EQ(record.MoveAt(0).Piece, 0);
    EXPECT_EQ(record.MoveAt(0).Status, 0);
    EXPECT_EQ(record.BoardAt(5).At(1, 1).Kind, Empty);
    EXPECT_FALSE(record.IsBookmarked(0));
    EXPECT_EQ(record.SideToMove(), White);
    EXPECT_TRUE(record.StartsFromInitial);
    EXPECT_FALSE(record.Modified);

    host.comment = QStringLiteral("Before the game");
    commands.StoreComment(true);
    EXPECT_EQ(record.PreGameComment, QStringLiteral("Before the game"));
    EXPECT_TRUE(host.comment.isEmpty());
    EXPECT_EQ(record.EntryCount(), 0);
}

TEST_F(GameRecordTest, MovesAreRecordedWithTheBoardAfterThem)
{
    Play("e4 e5 Nf3");
    EXPECT_EQ(record.EndPly, 3);
    EXPECT_EQ(record.CurrentPly, 2);
    EXPECT_EQ(record.SideToMove(), Black);
    EXPECT_TRUE(record.Modified);
    const MoveRecord knight = record.MoveAt(2);
    EXPECT_EQ(knight.Piece, Knight);
    EXPECT_EQ(knight.Origin, (SquarePair {7, 1}));
    EXPECT_EQ(knight.Disambiguation, 1);
    EXPECT_EQ(record.BoardAt(0).At(5, 4).Kind, Pawn);
    EXPECT_EQ(record.BoardAt(0).At(5, 5).Kind, Empty);
    EXPECT_EQ(record.BoardAt(1).At(5, 5).Kind, Pawn);
    // The live board stands for the current ply, even with an entry there.
    record.Board.At(1, 1).Mark = 7;
    EXPECT_EQ(record.BoardAt(record.CurrentPly).At(1, 1).Mark, 7);
    EXPECT_EQ(record.BoardAt(3).At(6, 3).Kind, Knight); // one past the end: the last board
    EXPECT_EQ(record.BoardAt(4).At(6, 3).Kind, Empty);
}

TEST_F(GameRecordTest, ReplayingTheRecordedMoveKeepsTheRestAndAnotherMoveCutsIt)
{
    Play("e4 e5 Nf3 Nc6 Bb5");
    host.comment = QStringLiteral("the Spanish");
    commands.StoreComment(false);
    commands.FlipBookmark();
    ASSERT_TRUE(commands.UndoMove());
    ASSERT_TRUE(commands.UndoMove());
    ASSERT_TRUE(commands.UndoMove());
    EXPECT_EQ(record.CurrentPly, 1);
    EXPECT_EQ(record.EndPly, 5);

    Play("Nf3");
    EXPECT_EQ(record.EndPly, 5);
    commands.GotoMove(5);
    EXPECT_EQ(record.CurrentPly, 4);
    EXPECT_EQ(record.CommentAt(4), QStringLiteral("the Spanish"));
    EXPECT_EQ(host.comment, QStringLiteral("the Spanish"));

    commands.GotoMove(4);
    commands.GotoMove(3);
    EXPECT_EQ(record.CurrentPly, 2);
    Play("Bc5");
    EXPECT_EQ(record.EndPly, 4);
    EXPECT_EQ(record.EntryCount(), 4);
    EXPECT_EQ(record.MoveAt(3).Piece, Bishop);
    EXPECT_FALSE(commands.RedoMove());

    // A replaced move does not keep the comment and bookmark of the old one.
    host.comment = QStringLiteral("old line");
    commands.FlipBookmark();
    ASSERT_TRUE(commands.UndoMove());
    EXPECT_EQ(record.CommentAt(3), QStringLiteral("old line"));
    Play("Nf6");
    EXPECT_TRUE(record.CommentAt(3).isEmpty());
    EXPECT_FALSE(record.IsBookmarked(3));
}

TEST_F(GameRecordTest, UndoAndRedoWalkTheCommentsWithTheBoard)
{
    host.comment = QStringLiteral("start");
    Play("d4");
    host.comment = QStringLiteral("first");
    Play("d5");
    EXPECT_EQ(record.PreGameComment, QStringLiteral("start"));
    EXPECT_EQ(record.CommentAt(0), QStringLiteral("first"));
    ASSERT_TRUE(commands.UndoMove());
    EXPECT_EQ(host.comment, QStringLiteral("first"));
    ASSERT_TRUE(commands.UndoMove());
    EXPECT_EQ(host.comment, QStringLiteral("start"));
    EXPECT_FALSE(commands.UndoMove());
    commands.GotoMove(2);
    EXPECT_EQ(record.CurrentPly, 1);
    EXPECT_EQ(record.Board.At(4, 5).Kind, Pawn);

    commands.AddToComment(QStringLiteral("more"));
    commands.AddToComment(QStringLiteral("text"));
    EXPECT_EQ(host.comment, QStringLiteral("more text"));
}

TEST_F(GameRecordTest, ResignationAndDrawAreEntriesOfTheirOwn)
{
    Play("e4 Resign");
    EXPECT_EQ(record.EndPly, 2);
    EXPECT_EQ(record.MoveAt(1).Piece, 0);
    EXPECT_EQ(record.MoveAt(1).Status, StatusResigns);
    EXPECT_EQ(record.GameStatus(), StatusResigns);
    EXPECT_EQ(record.OutputEntryCount(), 2);
    EXPECT_EQ(PlyText(record, StandardAlgebraic, 1), QStringLiteral("1-0"));
    // Undone and redone without the engine.
    ASSERT_TRUE(commands.UndoMove());
    EXPECT_EQ(record.CurrentPly, 0);
    ASSERT_TRUE(commands.RedoMove());
    EXPECT_EQ(record.CurrentPly, 1);

    struct Case {
        const char* moves;
        const char* last;
        int ply;
        int status;
    } const cases[] = {
        {"e4", "1-0", 1, StatusResigns}, // Black to move gives up
        {"", "0-1", 0, StatusResigns},
        {"e4", "resigns", 1, StatusResigns},
        {"e4", "DRAW", 1, StatusDrawByAgreement},
        {"", "1/2-1/2", 0, StatusDrawByAgreement},
        {"e4", "1/2", 1, StatusDrawByAgreement},
        {"", ".5-.5", 0, StatusDrawByAgreement},
        {"e4", ".5", 1, StatusDrawByAgreement},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.moves) + " " + c.last);
        StartAt(StartFen);
        Play(c.moves);
        EXPECT_TRUE(commands.EnterMove(QString::fromLatin1(c.last)));
        EXPECT_EQ(record.MoveAt(c.ply).Status, c.status);
        EXPECT_EQ(record.CurrentPly, c.ply);
    }
}

TEST_F(GameRecordTest, AResultForTheWrongSideIsReadAsAMoveAndRejected)
{
    EXPECT_FALSE(commands.EnterMove(QStringLiteral("1-0")));
    Play("e4");
    EXPECT_FALSE(commands.EnterMove(QStringLiteral("0-1")));
    EXPECT_EQ(messages, QStringList({QStringLiteral("M1014 1-0"), QStringLiteral("M1014 0-1")}));
    EXPECT_EQ(record.EndPly, 1);
}

TEST_F(GameRecordTest, UnreadableAndRefusedMovesGiveTheirMessages)
{
    EXPECT_TRUE(commands.EnterMove(QStringLiteral("   ")));
    EXPECT_FALSE(commands.EnterMove(QStringLiteral("Nf6")));
    EXPECT_FALSE(commands.EnterMove(QStringLiteral(" O-O ")));
    EXPECT_EQ(messages, QStringList({QStringLiteral("M1014 Nf6"), QStringLiteral("M1013 O-O")}));
    EXPECT_EQ(record.EndPly, 0);
}

TEST_F(GameRecordTest, MateCountsAResultLineAndGivesTheResultToken)
{
    Play("f3 e5 g4 Qh4");
    EXPECT_EQ(record.GameStatus(), StatusCheckmate);
    EXPECT_EQ(record.EntryCount(), 4);
    EXPECT_EQ(record.OutputEntryCount(), 5);
    record.Winner = Black;
    EXPECT_EQ(PlyText(record, StandardAlgebraic, 3), QStringLiteral("Qh4#"));
    EXPECT_EQ(PlyText(record, StandardAlgebraic, 4), QStringLiteral("0-1"));
    EXPECT_EQ(PlyText(record, StandardAlgebraic, 5), QString());
    EXPECT_EQ(PlyText(record, StandardAlgebraic, -1), QString());
    EXPECT_TRUE(host.GameOver());
    // The clock rule never hides a result the board gives.
    EXPECT_EQ(record.GameStatus(true), StatusCheckmate);
}

TEST_F(GameRecordTest, ARunOutClockTurnsAnOpenGameIntoATimeForfeit)
{
    Play("e4");
    int mateIn = -1;
    EXPECT_EQ(record.GameStatus(true), StatusFlagFallen);
    EXPECT_EQ(record.CurrentStatus(mateIn, true), StatusFlagFallen);
    EXPECT_EQ(record.CurrentStatus(mateIn), 0);
    EXPECT_EQ(mateIn, 0);
}

TEST_F(GameRecordTest, BookmarksToggleOnMovesOnly)
{
    commands.FlipBookmark();
    EXPECT_EQ(record.EntryCount(), 0);
    EXPECT_EQ(host.repaints, 1);
    Play("e4");
    commands.FlipBookmark();
    EXPECT_TRUE(record.IsBookmarked(0));
    commands.FlipBookmark();
    EXPECT_FALSE(record.IsBookmarked(0));
    EXPECT_EQ(host.repaints, 3);
}

TEST_F(GameRecordTest, RefusedUndoAndRedoShowTheMoveAndDisableTheCommand)
{
    Play("e4 e5 Nf3");
    // A record that is not the engine's last move cannot be taken back.
    record.MoveHistory[2].Move.Origin = {2, 1};
    EXPECT_FALSE(commands.UndoMove());
    EXPECT_FALSE(host.undoEnabled);
    EXPECT_EQ(record.CurrentPly, 2);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QStringLiteral("M1011 Nb1-f3"));

    record.MoveHistory[2].Move.Origin = {7, 1};
    commands.GotoMove(1);
    EXPECT_EQ(record.CurrentPly, 0);
    // A recorded move the position no longer allows: going to the end stops there.
    record.MoveHistory[1].Move.Destination = {5, 4};
    commands.GotoMove(3);
    EXPECT_EQ(record.CurrentPly, 0);
    EXPECT_FALSE(host.redoEnabled);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1], QStringLiteral("M1015 e7-e4"));
}

TEST_F(GameRecordTest, RestartBeginsAnEmptyRecord)
{
    Play("e4 e5");
    host.comment = QStringLiteral("note");
    host.playKind = TPlayKind::AutoPlay;
    host.mode = TGameMode::Playing;
    record.DescriptiveInput = true;
    commands.RestartGame(7);
    EXPECT_EQ(record.StartPly, 7);
    EXPECT_EQ(record.EndPly, 7);
    EXPECT_EQ(record.CurrentPly, 6);
    EXPECT_EQ(record.EntryCount(), 0);
    EXPECT_TRUE(record.PreGameComment.isEmpty());
    EXPECT_TRUE(host.comment.isEmpty());
    EXPECT_FALSE(record.Modified);
    EXPECT_FALSE(record.DescriptiveInput);
    EXPECT_EQ(host.playKind, TPlayKind::TwoPlayer);
    EXPECT_EQ(host.mode, TGameMode::Stopped);
}

TEST_F(GameRecordTest, AttackMarksShowWhatEachSideCanTake)
{
    Play("e4 d5");
    EXPECT_EQ(record.Board.At(4, 5).Mark, 1); // d5 can be taken by White, to move
    EXPECT_EQ(record.Board.At(5, 4).Mark, 2); // e4 can be taken by Black
    EXPECT_EQ(record.Board.At(5, 1).Mark, 0);
    // En passant marks the pawn taken, not the square moved to.
    StartAt("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
    EXPECT_EQ(record.Board.At(4, 5).Mark, 1);
    EXPECT_EQ(record.Board.At(4, 6).Mark, 0);
}

TEST_F(GameRecordTest, AListOfMovesStopsAtTheFirstOneNotTaken)
{
    host.playKind = TPlayKind::UserWhite;
    Options.FastRedo = true;
    commands.EnterMoveString(QStringLiteral("1. e4 e5 2. Nf3  Nc6 3.Bb5 3...a6 4.Ba4 Nf6 6.O-O Be7"));
    EXPECT_EQ(record.EndPly, 8);
    EXPECT_EQ(messages, QStringList({QStringLiteral("M1014 6.O-O")}));
    EXPECT_EQ(host.playKind, TPlayKind::UserWhite);
    EXPECT_EQ(host.mode, TGameMode::Playing);

    // Nothing is entered once the game is over.
    StartAt(StartFen);
    commands.EnterMoveString(QStringLiteral("f3 e5 g4 Qh4 a3"));
    EXPECT_EQ(record.EndPly, 4);
}

// A list typed after an undo is numbered from the position shown.
TEST_F(GameRecordTest, AListEnteredAfterAnUndoIsNumberedFromThePositionShown)
{
    Options.FastRedo = true;
    Play("e4 e5 Nf3 Nc6");
    ASSERT_TRUE(commands.UndoMove());
    commands.EnterMoveString(QStringLiteral("2...Nf6 3.Bc4"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(record.EndPly, 5);
    EXPECT_EQ(record.MoveAt(3).Destination, (SquarePair {6, 6}));
}

TEST_F(GameRecordTest, MoveNumbersDueNextAreRecognised)
{
    struct Case {
        const char* moves;
        const char* word;
        bool turn;
        int undone = 0;
    } const cases[] = {
        {"", "1", true},
        {"", "1.", true},
        {"", "1...", false},
        {"", "2.", false},
        {"e4", "1...", true},
        {"e4", "1", true},
        {"e4", "1.", false},
        {"e4 e5", "2.", true},
        {"e4 e5", "1.", false},
        // After an undo the move due follows the position shown, not the
        // end of the record.
        {"e4 e5", "1...", true, 1},
        {"e4 e5", "2.", false, 1},
        {"e4 e5 Nf3", "1.", true, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.moves) + " / " + c.word);
        StartAt(StartFen);
        Play(c.moves);
        for (int i = 0; i < c.undone; ++i) {
            ASSERT_TRUE(commands.UndoMove());
        }
        EXPECT_EQ(commands.TurnIsPly(QString::fromLatin1(c.word)), c.turn);
    }
}

TEST_F(GameRecordTest, TheCaptionNamesTheMoveAndWhatIsSpecialAboutIt)
{
    EXPECT_EQ(MoveCaption(record, LongAlgebraic), QString());
    Play("e4");
    EXPECT_EQ(MoveCaption(record, LongAlgebraic), QStringLiteral("1. e2-e4  "));
    Play("d5");
    EXPECT_EQ(MoveCaption(record, StandardAlgebraic), QStringLiteral("1... d5  "));

    StartAt("r3k3/6P1/8/8/8/8/8/4K2R w Kq - 0 1");
    Play("O-O");
    EXPECT_EQ(MoveCaption(record, StandardAlgebraic), QStringLiteral("1. O-O  M2012 "));
    Play("O-O-O");
    EXPECT_EQ(MoveCaption(record, StandardAlgebraic), QStringLiteral("1... O-O-O  M2013 "));
    Play("g8=N");
    EXPECT_EQ(MoveCaption(record, StandardAlgebraic), QStringLiteral("2. g8=N  M2014 M2008 "));

    StartAt("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
    Play("exd6");
    EXPECT_EQ(MoveCaption(record, LongAlgebraic), QStringLiteral("1. e5xd6  M2011 "));
}

TEST_F(GameRecordTest, APositionStartsAGameAtItsPly)
{
    StartAt("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    EXPECT_EQ(record.StartPly, 1);
    EXPECT_EQ(record.CurrentPly, 0);
    EXPECT_EQ(record.SideToMove(), Black);
    EXPECT_FALSE(record.StartsFromInitial);
    EXPECT_TRUE(record.Modified);
    Play("c5");
    EXPECT_EQ(record.MoveAt(1).Piece, Pawn);
    EXPECT_EQ(PlyText(record, StandardAlgebraic, 1), QStringLiteral("c5"));

    // The standard position entered as text is the standard start.
    StartAt(StartFen);
    EXPECT_TRUE(record.StartsFromInitial);
    EXPECT_FALSE(record.Modified);
    ASSERT_TRUE(commands.EnterFENPosition(QString()));
    EXPECT_TRUE(record.StartsFromInitial);
}

TEST_F(GameRecordTest, ARejectedPositionGivesItsMessageAndLeavesTheGame)
{
    Options.ValidateBoard = true;
    Play("e4 e5");
    host.comment = QStringLiteral("keep");
    struct Case {
        const char* fen;
        const char* message;
    } const cases[] = {
        {"8/8/8/8/8/8/8/8 w - - 0 1", "M1001"},
        {"4k3/8/8/8/8/8/8/4KK2 w - - 0 1", "M1001"},
        {"4k3/8/8/8/8/8/8/P3K3 w - - 0 1", "M1001"}, // pawn on the first rank
        {"4k2R/8/8/8/8/8/8/4K3 w - - 0 1", "M1001"}, // Black, not to move, in check
        {"", "M1001"},
        {"rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e3 0 1", "M1002"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq e3 0 1", "M1002"},
        {"4k3/8/8/8/8/8/8/4K3 w - - 5 1", "M1003"},
        {"garbage", "M1001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fen);
        messages.clear();
        EXPECT_FALSE(commands.EnterFENPosition(QString::fromLatin1(*c.fen ? c.fen : "  /")));
        EXPECT_EQ(messages, QStringList({QString::fromLatin1(c.message)}));
        EXPECT_EQ(record.EndPly, 2);
        EXPECT_EQ(record.CurrentPly, 1);
        EXPECT_EQ(host.comment, QStringLiteral("keep"));
    }
    // The engine still holds the game: it goes on.
    Play("Nf3");
    EXPECT_EQ(record.EndPly, 3);

    // Without board validation only positions the engine cannot hold are refused.
    Options.ValidateBoard = false;
    messages.clear();
    EXPECT_TRUE(commands.EnterFENPosition(QStringLiteral("4k3/8/8/8/8/8/8/P3K3 w - - 0 1")));
    EXPECT_FALSE(commands.EnterFENPosition(QStringLiteral("4k3/8/8/8/8/8/8/8 w - - 0 1")));
    EXPECT_FALSE(commands.EnterFENPosition(QStringLiteral("4k3/8/PPPPPPPP/PPPPPPPP/8/8/8/4K3 w - - 0 1")));
    EXPECT_EQ(messages, QStringList({QStringLiteral("M1001"), QStringLiteral("M1001")}));
}

TEST_F(GameRecordTest, AnEpdLineStartsAGameAndHandsBackItsOperations)
{
    TEpdExtras extras;
    ASSERT_TRUE(commands.EnterEPDPosition(
        QStringLiteral(
            "4k3/8/8/8/8/8/8/4K3 b - - hmvc 12; fmvn 30; c0 a comment; v0 Some Opening; eco E00; My Event"),
        extras));
    EXPECT_EQ(record.StartPly, 59);
    EXPECT_EQ(record.State.HalfMoves, 12);
    EXPECT_EQ(extras.Comment, QStringLiteral("a comment"));
    EXPECT_EQ(extras.Opening, QStringLiteral("Some Opening"));
    EXPECT_EQ(extras.ECO, QStringLiteral("E00"));
    EXPECT_EQ(extras.Event, QStringLiteral("My Event"));
}

TEST_F(GameRecordTest, CommentsAreShownAtTheEndOfAGameAndInDemonstrations)
{
    struct Case {
        const char* moves;
        TGameMode mode;
        bool cancel;
        int boxShown;
        const char* messageBox; // "" when none
        TGameMode modeAfter;
    } const cases[] = {
        {"", TGameMode::Playing, false, 0, "", TGameMode::Playing},
        {"", TGameMode::Demonstration, false, 1, "M2021|Look|cancel", TGameMode::Demonstration},
        {"", TGameMode::Demonstration, true, 1, "M2021|Look|cancel", TGameMode::QuickReplay},
        {"", TGameMode::QuickReplay, true, 0, "M2021|Look", TGameMode::QuickReplay},
        {"e4", TGameMode::QuickReplay, false, 0, "", TGameMode::QuickReplay},
        {"f3 e5 g4 Qh4", TGameMode::Stopped, true, 1, "M2021|Look", TGameMode::Stopped},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.moves) + " mode " + std::to_string(int(c.mode)));
        StartAt(StartFen);
        Play(c.moves);
        host.commentBoxShown = 0;
        host.commentBoxes.clear();
        host.mode = c.mode;
        host.cancelCommentBox = c.cancel;
        host.comment = QStringLiteral("Look");
        commands.ShowComment();
        EXPECT_EQ(host.commentBoxShown, c.boxShown);
        EXPECT_EQ(host.commentBoxes.join(u'/'), QString::fromLatin1(c.messageBox));
        EXPECT_EQ(host.mode, c.modeAfter);
    }
    host.comment.clear();
    host.mode = TGameMode::Demonstration;
    commands.ShowComment();
    EXPECT_EQ(host.commentBoxShown, 1);
}

TEST_F(GameRecordTest, MovesFromGameFilesCanBeReadWithTheStandardLetters)
{
    Options.TextType = 1;
    Options.KnightChar = 'S';
    EXPECT_FALSE(commands.EnterMove(QStringLiteral("Nf3")));
    EXPECT_TRUE(commands.EnterMove(QStringLiteral("Nf3"), true));
    EXPECT_TRUE(commands.EnterMove(QStringLiteral("Sf6")));
    EXPECT_EQ(record.EndPly, 2);
}

} // namespace
