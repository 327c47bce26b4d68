#include "record/history.h"
#include "record/notation_writer.h"
#include "record/ply_text.h"
#include "settings/options.h"
#include "tests/record/record_fixture.h"

using namespace engine;
using namespace record_testing;

namespace {

SquarePair Square(const char* name)
{
    return {static_cast<std::uint8_t>(name[0] - 'a' + 1), static_cast<std::uint8_t>(name[1] - '0')};
}

struct TMoveSketch {
    int piece;
    const char* from;
    const char* to;
    int captured; // -1: en passant
    int special;
    int status;
    int disambiguation;
};

MoveRecord MakeMove(const TMoveSketch& given)
{
    MoveRecord move {};
    move.Piece = static_cast<std::uint8_t>(given.piece);
    move.Origin = Square(given.from);
    move.Destination = Square(given.to);
    move.Captures = given.captured != 0;
    move.CapturedKind = static_cast<std::uint8_t>(given.captured > 0 ? given.captured : 0);
    move.SpecialKind = static_cast<std::uint8_t>(given.special);
    move.Status = static_cast<std::uint8_t>(given.status);
    move.Disambiguation = static_cast<std::uint8_t>(given.disambiguation);
    if (given.special == SpecialCastling) {
        const bool kingSide = move.Destination.File > move.Origin.File;
        move.SpecialFrom = {static_cast<std::uint8_t>(kingSide ? 8 : 1), move.Origin.Rank};
    }
    return move;
}

TEST(NotationWriter, EachStyleWritesItsOwnForm)
{
    struct Case {
        TMoveSketch move;
        const char* texts[6]; // styles 0, 1, 2, 3, 4, 9
    } const cases[] = {
        {{Bishop, "c1", "e3", 0, 0, 0, 1}, {"Be3", "Bc1-e3", "c1e3", "3153", "Be3", "c1e3"}},
        {{Queen, "e7", "e8", 0, SpecialPromotion, StatusCheckmate, 1},
            {"e8=Q#", "e7-e8=Q*", "e7e8=Q*", "5751", "e8Q++", "e7e8"}},
        {{Knight, "d7", "e8", Rook, SpecialPromotion, StatusCheck, 2},
            {"dxe8=N+", "d7xe8=N+", "d7e8=N+", "4754", "dxe8N+", "d7e8"}},
        {{Rook, "b2", "b1", 0, SpecialPromotion, 0, 1}, {"b1=R", "b2-b1=R", "b2b1=R", "2222", "b1R", "b2b1"}},
        {{King, "e1", "g1", 0, SpecialCastling, StatusCheck, 1},
            {"O-O+", "o-o+", "o-o+", "5171", "O-O+", "e1g1"}},
        {{King, "e8", "c8", 0, SpecialCastling, StatusCheckmate, 1},
            {"O-O-O#", "o-o-o*", "o-o-o*", "5838", "O-O-O++", "e8c8"}},
        {{Pawn, "e5", "d6", -1, SpecialEnPassant, StatusCheck, 2},
            {"exd6+", "e5xd6+", "e5d6+", "5546", "exd6+ e.p.", "e5d6"}},
        {{Knight, "b1", "d2", Pawn, 0, 0, 2}, {"Nbxd2", "Nb1xd2", "b1d2", "2142", "Nbxd2", "b1d2"}},
        {{Rook, "a1", "a3", 0, 0, 0, 3}, {"R1a3", "Ra1-a3", "a1a3", "1113", "R1a3", "a1a3"}},
        {{Queen, "a1", "b2", 0, 0, 0, 4}, {"Qa1b2", "Qa1-b2", "a1b2", "1122", "Qa1b2", "a1b2"}},
        // A pawn capture names its file even when the disambiguation was never set.
        {{Pawn, "e4", "d5", Pawn, 0, 0, 0}, {"exd5", "e4xd5", "e4d5", "5445", "exd5", "e4d5"}},
        {{Pawn, "e2", "e4", 0, 0, StatusMateAnnounced, 1}, {"e4", "e2-e4", "e2e4", "5254", "e4", "e2e4"}},
    };
    static constexpr int styles[6] = {0, 1, 2, 3, 4, 9};
    for (const Case& c : cases) {
        for (int i = 0; i < 6; ++i) {
            SCOPED_TRACE(std::string(c.texts[0]) + " style " + std::to_string(styles[i]));
            EXPECT_EQ(FormatMove(styles[i], MakeMove(c.move), White), QString::fromLatin1(c.texts[i]));
        }
    }
}

using NotationTextTest = RecordTest;

TEST_F(NotationTextTest, ResignationAndDrawEntriesReadAsResults)
{
    struct Case {
        MoveRecord entry;
        int colour;
        const char* texts[6]; // styles 0, 1, 2, 3, 4, 9
    } const cases[] = {
        {MakeResignationEntry(), Black, {"1-0", "M2018", "1-0", "1-0", "1-0", ""}},
        {MakeResignationEntry(), White, {"0-1", "M2018", "0-1", "0-1", "0-1", ""}},
        {MakeDrawAgreedEntry(), White, {"1/2-1/2", "M2019", "1/2-1/2", "1/2-1/2", "=", ""}},
        {MoveRecord {}, White, {"", "", "", "", "", ""}},
    };
    static constexpr int styles[6] = {0, 1, 2, 3, 4, 9};
    for (const Case& c : cases) {
        for (int i = 0; i < 6; ++i) {
            SCOPED_TRACE(std::string(c.texts[0]) + " style " + std::to_string(styles[i]));
            EXPECT_EQ(FormatMove(styles[i], c.entry, c.colour), QString::fromLatin1(c.texts[i]));
        }
    }
}

TEST(NotationWriter, PaddedFormLinesMovesUpInColumns)
{
    struct Case {
        MoveRecord move;
        int colour;
        const char* padded;
    } const cases[] = {
        {MakeMove({Pawn, "e2", "e4", 0, 0, 0, 1}), White, "    e4   "},
        {MakeMove({Queen, "d3", "h7", Pawn, 0, StatusCheckmate, 1}), White, "  Qxh7#  "},
        {MakeMove({Queen, "e7", "e8", 0, SpecialPromotion, StatusCheck, 1}), White, "    e8=Q+"},
        {MakeMove({Knight, "b1", "d2", 0, 0, 0, 4}), White, " Nb1d2   "},
        {MakeResignationEntry(), Black, "   1-0   "},
        {MoveRecord {}, White, "         "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatMovePadded(StandardAlgebraic, c.move, c.colour), QString::fromLatin1(c.padded));
    }
}

TEST(NotationWriter, StatusLineShowsShortStylesLong)
{
    const MoveRecord move = MakeMove({Bishop, "c1", "e3", 0, 0, 0, 1});
    EXPECT_EQ(StatusLineMove(StandardAlgebraic, move, White), QStringLiteral("Bc1-e3"));
    EXPECT_EQ(StatusLineMove(FideAlgebraic, move, White), QStringLiteral("Bc1-e3"));
    EXPECT_EQ(StatusLineMove(International, move, White), QStringLiteral("3153"));
}

TEST(NotationWriter, ResultTokensDependOnWhereTheyStand)
{
    struct Case {
        int status;
        int winner;
        const char* tokens[3]; // after a list, PGN tag, after PGN movetext
    } const cases[] = {
        {StatusCheckmate, White, {"1-0", "1-0", "1-0"}},
        {StatusCheckmate, Black, {"0-1", "0-1", "0-1"}},
        {StatusFlagFallen, Black, {"0-1", "0-1", "0-1"}},
        {StatusResigns, White, {"", "1-0", ""}},
        {StatusResigns, Black, {"", "0-1", ""}},
        {StatusStalemate, White, {"1/2-1/2", "1/2-1/2", "1/2-1/2"}},
        {StatusFiftyMoveDraw, White, {"1/2-1/2", "1/2-1/2", "1/2-1/2"}},
        {StatusRepetitionDraw, White, {"1/2-1/2", "1/2-1/2", "1/2-1/2"}},
        {StatusNoMatingMaterial, White, {"1/2-1/2", "1/2-1/2", "1/2-1/2"}},
        {StatusDrawByAgreement, White, {"", "1/2-1/2", ""}},
        {StatusCheck, White, {"", "*", "*"}},
        {0, White, {"", "*", "*"}},
    };
    for (const Case& c : cases) {
        for (int mode = 0; mode < 3; ++mode) {
            SCOPED_TRACE("status " + std::to_string(c.status) + " mode " + std::to_string(mode));
            EXPECT_EQ(ResultToken(c.status, mode, c.winner), QString::fromLatin1(c.tokens[mode]));
        }
    }
}

using DisambiguationTest = RecordTest;

// The text of the move from the origin to the target in the current
// position, written after its disambiguation is set.
QString WrittenMove(const TGameRecord& record, const char* from, const char* to)
{
    for (MoveRecord move : record.LegalMoves.View()) {
        if (move.Origin == Square(from) && move.Destination == Square(to)) {
            SetDisambiguation(move, record.LegalMoves);
            return FormatMove(StandardAlgebraic, move, record.SideToMove());
        }
    }
    return QStringLiteral("no such move");
}

TEST_F(DisambiguationTest, TheOriginIsShownByFileByRankOrAsASquare)
{
    struct Case {
        const char* fen;
        const char* from;
        const char* to;
        const char* text;
    } const cases[] = {
        {"4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1", "b1", "d2", "Nbd2"},
        {"4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1", "f3", "d2", "Nfd2"},
        {"4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1", "f3", "e5", "Ne5"},
        {"4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "a1", "a3", "R1a3"},
        {"4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "a5", "a3", "R5a3"},
        {"4k3/8/8/8/8/Q7/8/Q1Q1K3 w - - 0 1", "a1", "b2", "Qa1b2"},
        {"4k3/8/8/8/8/Q7/8/Q1Q1K3 w - - 0 1", "c1", "b2", "Qcb2"},
        {"4k3/8/8/8/8/Q7/8/Q1Q1K3 w - - 0 1", "a3", "b2", "Q3b2"},
        // Pawn captures always show their file; a promotion the square alone.
        {"3r3k/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7", "d8", "exd8=Q"},
        {"4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1", "e4", "d5", "exd5"},
        {"4k3/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1", "g1", "O-O"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        StartAt(c.fen);
        EXPECT_EQ(WrittenMove(record, c.from, c.to), QString::fromLatin1(c.text));
    }
    StartAt("3r3k/4P3/8/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(
        WrittenMove(record, "e7", "e8").left(3), QStringLiteral("e8=")); // no origin for the four promotions
}

TEST_F(NotationTextTest, CustomLettersAreUsedUnlessStandardOnesAreAskedFor)
{
    Options.TextType = 1;
    Options.KnightChar = 'S';
    Options.BishopChar = 'L';
    const MoveRecord move = MakeMove({Knight, "g1", "f3", 0, 0, 0, 1});
    EXPECT_EQ(FormatMove(StandardAlgebraic, move, White), QStringLiteral("Sf3"));
    EXPECT_EQ(FormatMove(StandardAlgebraic, move, White, true), QStringLiteral("Nf3"));
    EXPECT_EQ(Read(QStringLiteral("Sf3")), "g1f3");
    EXPECT_EQ(Read(QStringLiteral("Nf3"), true), "g1f3");
    EXPECT_EQ(Read(QStringLiteral("Nf3")), "");
    EXPECT_EQ(Options.TextType, 1);
}

TEST_F(NotationTextTest, AGameReadFromItsScoreIsWrittenBackTheSame)
{
    const QString score = QStringLiteral(
        "1.e4 e5 2.Nf3 d6 3.d4 Bg4 4.dxe5 Bxf3 5.Qxf3 dxe5 6.Bc4 Nf6 7.Qb3 Qe7 8.Nc3 c6 9.Bg5 b5 "
        "10.Nxb5 cxb5 11.Bxb5+ Nbd7 12.O-O-O Rd8 13.Rxd7 Rxd7 14.Rd1 Qe6 15.Bxd7+ Nxd7 16.Qb8+ Nxb8 17.Rd8#");
    Options.FastRedo = true;
    commands.EnterMoveString(score);
    ASSERT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    QStringList written;
    for (int ply = record.StartPly; ply < record.EndPly; ++ply) {
        written.append((ply % 2 == 0 ? QString::number(ply / 2 + 1) + u'.' : QString())
            + PlyText(record, StandardAlgebraic, ply));
    }
    EXPECT_EQ(written.join(u' '), score);
    EXPECT_EQ(record.GameStatus(), StatusCheckmate);
}

} // namespace
