#include "settings/language_file.h"
#include "sound/position_narration.h"
#include "tests/record/record_fixture.h"

namespace {

using record_testing::RecordTest;

// The narration read with the English texts, so the numbers in it show.
class PositionNarrationTest : public RecordTest {
protected:
    void SetUp() override
    {
        RecordTest::SetUp();
        OpenLanguageFile(QStringLiteral(QUARVEL_SOURCE_DIR "/data/English.lng"));
    }

    QString Text(const QString& opening = {}, bool gameOver = false) const
    {
        return PositionNarration(record, opening, gameOver).join(u'\n');
    }
};

TEST_F(PositionNarrationTest, TheStartingPositionIsIntroducedAlone)
{
    StartAt(record_testing::StartFen);
    EXPECT_EQ(PositionNarration(record, QStringLiteral("Ignored"), false).size(), 1);
    EXPECT_TRUE(Text().startsWith(u"The pieces stand on their starting squares."));
}

TEST_F(PositionNarrationTest, EachAssessmentComparesTheTwoSides)
{
    StartAt(record_testing::StartFen);
    Play("e4 e5 Nf3 Nc6 Bb5");
    const QString text = Text(QStringLiteral("Ruy Lopez"));
    EXPECT_TRUE(text.startsWith(u"Ruy Lopez.\n\nMaterial is level: each side has 39 points")) << text.toStdString();
    EXPECT_TRUE(text.contains(u"White may still castle on either side.\nBlack may still castle on either side."))
        << text.toStdString();
    const TNarrationCounts counts = CountNarration(record);
    EXPECT_EQ(counts.moves[engine::Black], record.LegalMoves.Count);
    EXPECT_EQ(counts.moves[engine::White], record.OpponentMoves.Count);
}

TEST_F(PositionNarrationTest, MaterialAheadEnPassantAndTheEndOfTheGame)
{
    const struct {
        const char* fen;
        const char* expected;
    } cases[] = {
        {"4k3/pppp4/8/8/8/8/PPPP4/1N2K3 w - - 0 1", "White is three points ahead of Black"},
        {"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", "White can capture en passant on d6."},
        {"4k3/8/8/8/8/8/8/R3K3 b Q - 0 1", "White may still castle on the queen side only."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fen);
        StartAt(c.fen);
        EXPECT_TRUE(Text().contains(QString::fromLatin1(c.expected))) << Text().toStdString();
    }
    EXPECT_EQ(Text(QStringLiteral("Sicilian"), true), u"Sicilian.\n\nThe game is over.");
    EXPECT_EQ(NumberWord(3), u"three");
    EXPECT_EQ(NumberWord(39), u"thirty-nine");
    EXPECT_EQ(NumberWord(40), u"forty or more");
}

} // namespace
