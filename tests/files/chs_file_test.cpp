#include "files/chs_file.h"
#include "settings/options.h"
#include "tests/record/record_fixture.h"

using namespace engine;
using namespace record_testing;

namespace {

using ChsFileTest = RecordTest;

QStringList Lines(std::initializer_list<const char*> texts)
{
    QStringList lines;
    for (const char* text : texts) {
        lines << QString::fromLatin1(text);
    }
    return lines;
}

TEST_F(ChsFileTest, ABlankLineBetweenPiecesIsReportedOnceAndEveryPieceLoads)
{
    const TChsPosition position
        = ReadChsPosition(Lines({"BLACK TO PLAY", "WK E1", "", "  bk e8  ", "WP e2", "bq D8"}));
    EXPECT_TRUE(position.blackToMove);
    EXPECT_EQ(position.badLines, 1);
    EXPECT_EQ(messages.size(), 1);
    const struct {
        int file, rank, kind, colour;
    } pieces[] = {{5, 1, King, White}, {5, 8, King, Black}, {5, 2, Pawn, White}, {4, 8, Queen, Black}};
    int count = 0;
    for (int file = 1; file <= 8; ++file) {
        for (int rank = 1; rank <= 8; ++rank) {
            count += position.board.At(file, rank).Kind != Empty;
        }
    }
    EXPECT_EQ(count, 4);
    for (const auto& p : pieces) {
        EXPECT_EQ(position.board.At(p.file, p.rank).Kind, p.kind);
        EXPECT_EQ(position.board.At(p.file, p.rank).Colour, p.colour);
    }
}

TEST_F(ChsFileTest, SideLinesAndBadLines)
{
    const struct {
        const char* line;
        bool bad;
        bool blackToMove;
    } cases[] = {
        {"WHITE TO PLAY", false, false},
        {"black to play", false, true},
        {"BLACK TO PLAY NOW", false, false},
        {"WHITE", false, false},
        {"WK I1", true, false},
        {"WK E9", true, false},
        {"WKE1", true, false},
        {"WX E1", true, false},
        {"WKK E1", true, false},
        {"WK E1 E2", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const TChsPosition position = ReadChsPosition({QString::fromLatin1(c.line)});
        EXPECT_EQ(position.badLines, c.bad ? 1 : 0);
        EXPECT_EQ(position.blackToMove, c.blackToMove);
    }
}

TEST_F(ChsFileTest, PiecesUseTheCurrentLetters)
{
    Options.TextType = 1;
    Options.WhiteChar = 'A';
    Options.BlackChar = 'Z';
    Options.KingChar = 'X';
    const TChsPosition custom = ReadChsPosition(Lines({"AX E1", "ZX E8", "WK E2"}));
    EXPECT_EQ(custom.badLines, 1);
    EXPECT_EQ(custom.board.At(5, 8).Colour, Black);
    EXPECT_EQ(custom.board.At(5, 1).Kind, King);
}

} // namespace
