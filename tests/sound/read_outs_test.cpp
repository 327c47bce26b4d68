#include "record/history.h"
#include "sound/read_outs.h"
#include "tests/sound/sound_fixture.h"

using namespace engine;

namespace {

QStringList Split(const char* words)
{
    return QString::fromLatin1(words).split(u' ', Qt::SkipEmptyParts);
}

// White: rook a1, king e1, pawn e4. Black: king h8, pawn g7, bishop b2.
// White made the last move, so Black is to move.
class ReadOutTest : public SoundTest {
protected:
    ReadOutTest()
    {
        Put(1, 1, White, Rook);
        Put(5, 1, White, King);
        Put(5, 4, White, Pawn);
        Put(8, 8, Black, King);
        Put(7, 7, Black, Pawn);
        Put(2, 2, Black, Bishop);
        record.EntryFor(0).Move.Piece = Pawn;
        record.CurrentPly = 0;
    }

    void Put(int file, int rank, Colour colour, PieceKind kind)
    {
        record.Board.At(file, rank) = {kind, colour, 0};
    }

    bool AllInVoice(int side) const
    {
        for (const QString& item : sound->Queue().Items()) {
            if (!item.startsWith(VoicePath(side)) && !item.endsWith(u"pause.wav")) {
                return false;
            }
        }
        return true;
    }

    TGameRecord record;
};

} // namespace

TEST_F(ReadOutTest, RanksFilesAndSidesReadEverySquareInOrder)
{
    SpeakRank(*sound, record, 1);
    EXPECT_EQ(Words(),
        Split("1 fx:pause White Rook fx:pause b fx:pause c fx:pause d fx:pause White King "
              "fx:pause f fx:pause g fx:pause h"));
    EXPECT_TRUE(AllInVoice(White));

    sound->ClearSoundQueue();
    SpeakFile(*sound, record, 5);
    EXPECT_EQ(Words(),
        Split("e fx:pause White King fx:pause 2 fx:pause 3 fx:pause White Pawn "
              "fx:pause 5 fx:pause 6 fx:pause 7 fx:pause 8"));

    sound->ClearSoundQueue();
    SpeakSide(*sound, record, White);
    EXPECT_EQ(Words(), Split("White fx:pause a 1 Rook fx:pause e 1 King fx:pause e 4 Pawn"));

    // Black reads from h8 down to a1, each rank from the h-file.
    sound->ClearSoundQueue();
    SpeakSide(*sound, record, Black);
    EXPECT_EQ(Words(), Split("Black fx:pause h 8 King fx:pause g 7 Pawn fx:pause b 2 Bishop"));
    EXPECT_TRUE(AllInVoice(Black));
}

TEST_F(ReadOutTest, LinesOffTheBoardSayNothing)
{
    for (int line : {0, 9, -1}) {
        SpeakRank(*sound, record, line);
        SpeakFile(*sound, record, line);
    }
    EXPECT_TRUE(Words().isEmpty());
}

TEST_F(ReadOutTest, StatusNamesTheSideToMoveAndAnEnPassantChance)
{
    SpeakStatus(*sound, record);
    EXPECT_EQ(Words(), Split("Black"));

    MoveRecord& passing = record.LegalMoves.Moves[0];
    passing = {};
    passing.Piece = Pawn;
    passing.Origin = {4, 4};
    passing.Destination = {5, 3};
    passing.SpecialKind = SpecialEnPassant;
    record.LegalMoves.Count = 1;
    sound->ClearSoundQueue();
    SpeakStatus(*sound, record);
    EXPECT_EQ(Words(), Split("EnPassa On e 3 Black"));
    EXPECT_TRUE(AllInVoice(White));
}

TEST_F(ReadOutTest, SquareUnderTheCursorReplacesWhatWasQueued)
{
    Options.AudioType = 2;
    sound->QueuePhrase(QStringLiteral("stale"));
    SpeakSquare(*sound, record, {5, 1});
    EXPECT_EQ(Words(), Split("fx:pause White King On e 1"));

    SpeakSquare(*sound, record, {4, 4});
    EXPECT_EQ(Words(), Split("fx:pause d 4"));

    // Below spoken status the cursor stays silent.
    sound->ClearSoundQueue();
    Options.AudioType = 1;
    SpeakSquare(*sound, record, {5, 1});
    EXPECT_TRUE(Words().isEmpty());
}

TEST_F(ReadOutTest, SpeakMoveTellsMoveAndStatusFullyWhateverTheAudioType)
{
    Options.AudioType = 0;
    MoveRecord& move = record.EntryFor(0).Move;
    move.Piece = Queen;
    move.Origin = {4, 1};
    move.Destination = {8, 5};
    move.Status = StatusCheck;
    SpeakMove(*sound, record, StatusCheck);
    EXPECT_EQ(Words(), Split("White Queen On d 1 To h 5 check"));
}
