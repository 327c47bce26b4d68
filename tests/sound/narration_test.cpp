#include "record/history.h"
#include "sound/narration.h"
#include "tests/sound/sound_fixture.h"

#include <vector>

using namespace engine;

namespace {

MoveRecord Move(int piece, SquarePair from, SquarePair to, int captured = Empty, int special = SpecialNone)
{
    MoveRecord move {};
    move.Piece = std::uint8_t(piece);
    move.Origin = from;
    move.Destination = to;
    move.Captures = captured != Empty || special == SpecialEnPassant;
    move.CapturedKind = std::uint8_t(special == SpecialEnPassant ? int(Pawn) : captured);
    move.SpecialKind = std::uint8_t(special);
    return move;
}

QStringList Split(const char* words)
{
    return QString::fromLatin1(words).split(u' ', Qt::SkipEmptyParts);
}

struct MoveCase {
    const char* Name;
    MoveRecord Move;
    Colour Mover;
    int Status;
    // What a move made on the board queues, move and status, at AudioType 1, 2 and 3.
    const char* Level[3];
};

const std::vector<MoveCase> moveCases = {
    {"quiet knight move", Move(Knight, {7, 1}, {6, 3}), White, StatusNothing,
        {"", "", "White Knight On g 1 To f 3"}},
    {"pawn takes bishop", Move(Pawn, {4, 6}, {5, 5}, Bishop), Black, StatusNothing,
        {"fx:Chomp", "fx:Chomp", "Black Pawn On d 6 Takes Bishop On e 5"}},
    {"king-side castling", Move(King, {5, 1}, {7, 1}, Empty, SpecialCastling), White, StatusNothing,
        {"fx:Castling", "Castles", "White Castles On King Side"}},
    {"queen-side castling", Move(King, {5, 8}, {3, 8}, Empty, SpecialCastling), Black, StatusNothing,
        {"fx:Castling", "Castles", "Black Castles On Queen Side"}},
    {"en passant", Move(Pawn, {5, 5}, {4, 6}, Empty, SpecialEnPassant), White, StatusNothing,
        {"fx:Passing", "EnPassa", "White Pawn On e 5 To d 6 Takes Pawn On d 5 EnPassa"}},
    {"promotion to a queen", Move(Queen, {5, 7}, {5, 8}, Empty, SpecialPromotion), White, StatusNothing,
        {"fx:Crown", "Promote", "White Pawn On e 7 To e 8 Promote To Queen"}},
    {"capturing under-promotion", Move(Knight, {5, 2}, {4, 1}, Rook, SpecialPromotion), Black, StatusNothing,
        {"fx:Chomp fx:Crown", "fx:Chomp Promote To Knight",
            "Black Pawn On e 2 Takes Rook On d 1 Promote To Knight"}},
    {"check", Move(Queen, {4, 1}, {8, 5}), White, StatusCheck,
        {"+", "check", "White Queen On d 1 To h 5 check"}},
    {"capture with mate", Move(Queen, {8, 5}, {6, 7}, Pawn), White, StatusCheckmate,
        {"fx:Chomp fx:Applause", "fx:Chomp mate", "White Queen On h 5 Takes Pawn On f 7 mate"}},
};

} // namespace

TEST_F(SoundTest, EachKindOfMoveIsNarratedAtEachAudioType)
{
    for (const MoveCase& c : moveCases) {
        for (int level = 0; level <= 3; ++level) {
            SCOPED_TRACE(testing::Message() << c.Name << " at level " << level);
            sound->ClearSoundQueue();
            NarrateMove(*sound, level, c.Move, c.Mover);
            NarrateStatus(*sound, level, c.Status, Other(c.Mover));
            EXPECT_EQ(Words(), level == 0 ? QStringList() : Split(c.Level[level - 1]));
        }
    }
}

TEST_F(SoundTest, SingleRecordingsReplaceWordsOnlyWhereTheVoiceHasThem)
{
    WritePhrase(White, QStringLiteral("WhiteKnight"));
    WritePhrase(Black, QStringLiteral("CastleQ"));
    sound->SetVoice(White);
    NarrateMove(*sound, 3, Move(Knight, {7, 1}, {6, 3}), White);
    EXPECT_EQ(Words(), Split("WhiteKnight On g 1 To f 3"));

    // The black voice lacks BlackKnight: the two words stand in for it.
    sound->ClearSoundQueue();
    sound->SetVoice(Black);
    NarrateMove(*sound, 3, Move(Knight, {7, 8}, {6, 6}), Black);
    EXPECT_EQ(Words(), Split("Black Knight On g 8 To f 6"));

    for (const auto& [level, words] : {std::pair {2, "CastleQ"}, std::pair {3, "Black CastleQ"}}) {
        sound->ClearSoundQueue();
        NarrateMove(*sound, level, Move(King, {5, 8}, {3, 8}, Empty, SpecialCastling), Black);
        EXPECT_EQ(Words(), Split(words)) << "level " << level;
    }
}

TEST_F(SoundTest, StatusesSpeakOrSoundInTheVoiceTheyBelongTo)
{
    struct Case {
        int Status;
        const char* AtLevel1;
        const char* AtLevel2;
        Colour Voice; // Black is to move in every case
    };
    const Case cases[] = {
        {StatusCheck, "+", "check", White},
        {StatusCheckmate, "fx:Applause", "mate", White},
        {StatusStalemate, "$", "stale", Black},
        {StatusResigns, "fx:Resigned", "resign", White},
        {StatusFiftyMoveDraw, "fx:Tie", "draw", Black},
        {StatusRepetitionDraw, "fx:Tie", "draw", Black},
        {StatusNoMatingMaterial, "fx:Tie", "draw", Black},
        {StatusDrawByAgreement, "fx:Tie", "draw", Black},
        // A fallen flag is never spoken, only sounded.
        {StatusFlagFallen, "fx:Ding", "fx:Ding", Black},
        {StatusNothing, "", "", White},
        {StatusMateAnnounced, "", "", White},
    };
    for (const Case& c : cases) {
        for (int level = 1; level <= 3; ++level) {
            SCOPED_TRACE(testing::Message() << "status " << c.Status << " at level " << level);
            sound->ClearSoundQueue();
            NarrateStatus(*sound, level, c.Status, Black);
            EXPECT_EQ(Words(), Split(level == 1 ? c.AtLevel1 : c.AtLevel2));
            const QStringList items = sound->Queue().Items();
            const bool spoken = level >= 2 && !items.isEmpty() && !Words().front().startsWith(u"fx:");
            if (spoken) {
                EXPECT_TRUE(items.front().startsWith(VoicePath(c.Voice)));
            }
        }
        sound->ClearSoundQueue();
        NarrateStatus(*sound, 0, c.Status, Black);
        EXPECT_TRUE(Words().isEmpty());
    }
}

TEST_F(SoundTest, PseudoMovesAreNarratedOnlyByTheirStatus)
{
    for (const MoveRecord& entry : {MakeResignationEntry(), MakeDrawAgreedEntry()}) {
        sound->ClearSoundQueue();
        NarrateMove(*sound, 3, entry, White);
        NarrateStatus(*sound, 3, entry.Status, Black);
        EXPECT_EQ(Words().size(), 1) << Words().join(u' ').toStdString();
    }
}

TEST_F(SoundTest, TheLastMoveIsToldInTheMoversVoiceAfterClearingTheQueue)
{
    TGameRecord record;
    record.EntryFor(0).Move = Move(Pawn, {5, 2}, {5, 4});
    record.EntryFor(1).Move = Move(Pawn, {5, 7}, {5, 5});
    record.CurrentPly = 1;
    sound->QueuePhrase(QStringLiteral("stale"));

    NarrateLastMove(*sound, 3, record);
    EXPECT_EQ(Words(), Split("Black Pawn On e 7 To e 5"));
    EXPECT_TRUE(sound->Queue().Items().front().startsWith(VoicePath(Black)));

    // Before the first move there is nothing to tell, and the queue is still cleared.
    record.CurrentPly = -1;
    NarrateLastMove(*sound, 3, record);
    EXPECT_TRUE(Words().isEmpty());
}

TEST_F(SoundTest, ASideWithoutAVoiceQueuesBarePhraseNames)
{
    Options.WhiteVoice = QStringLiteral("(none)");
    sound->SetVoice(White);
    NarrateStatus(*sound, 2, StatusCheck, Black);
    EXPECT_EQ(sound->Queue().Items(), QStringList {QStringLiteral("check.wav")});
}

TEST_F(SoundTest, OnlyAMoveOnTheBoardOrANewSetUpIsNarrated)
{
    TGameRecord record;
    record.EntryFor(0).Move = Move(Queen, {4, 1}, {8, 5});
    record.CurrentPly = 0;
    struct Case {
        int AudioType;
        int Request;
        const char* Words;
    };
    const Case cases[] = {
        {3, 3, "White Queen On d 1 To h 5 check"},
        {2, 3, "check"},
        {3, 2, "check"},
        {1, 3, "+"},
        {3, 1, ""},
        {3, 0, ""},
        {0, 3, ""},
    };
    for (const Case& c : cases) {
        Options.AudioType = c.AudioType;
        sound->ClearSoundQueue();
        NarrateNewState(*sound, c.Request, record, StatusCheck);
        EXPECT_EQ(Words(), Split(c.Words)) << "AudioType " << c.AudioType << ", request " << c.Request;
    }
}
