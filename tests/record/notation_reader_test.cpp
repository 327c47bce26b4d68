#include "tests/record/record_fixture.h"

using namespace engine;
using namespace record_testing;

namespace {

using NotationReaderTest = RecordTest;

struct ReadCase {
    const char* text;
    const char* move; // as coordinates with the promotion piece; "" when rejected
};

class ReaderTable : public RecordTest {
protected:
    void Expect(const char* fen, std::initializer_list<ReadCase> cases)
    {
        StartAt(fen);
        for (const ReadCase& c : cases) {
            SCOPED_TRACE(std::string(fen) + "  \"" + c.text + "\"");
            record.DescriptiveInput = false;
            EXPECT_EQ(Read(QString::fromUtf8(c.text)), c.move);
        }
    }
};

TEST_F(ReaderTable, PromotionsInEverySpelling)
{
    Expect("3r4/4P3/8/8/8/8/k7/3QK3 w - - 0 1",
        {{"e8=Q", "e7e8q"}, {"e8Q", "e7e8q"}, {"e8(Q)", "e7e8q"}, {"e7e8q", "e7e8q"}, {"e7-e8=Q", "e7e8q"},
            {"e8", "e7e8q"}, {"e8=N", "e7e8n"}, {"e8=kt", "e7e8n"}, {"e8=R+", "e7e8r"}, {"exd8=B", "e7d8b"},
            {"exd8", "e7d8q"}, {"e7xd8N", "e7d8n"}, {"5751", "e7e8q"}, {"5754", "e7e8n"}, {"5741", "e7d8q"},
            {"P-K8=Q", "e7e8q"}, {"Qd1-d8=N", ""}, {"e8=K", ""}, {"e8=P", ""}, {"e8=X", ""}, {"e8=", "e7e8q"},
            {"Ke2=Q", ""}});
}

TEST_F(ReaderTable, PiecesAreFoundByWhatTheTextNames)
{
    Expect("rnbqkbnr/pppppppp/8/4N3/8/8/PPPPPPP1/RNBQKBNR w KQkq - 0 1",
        {{"Nf3", ""}, {"Ngf3", "g1f3"}, {"N1f3", "g1f3"}, {"Ng1f3", "g1f3"}, {"Ng1-f3", "g1f3"},
            {"Nef3", "e5f3"}, {"N5f3", "e5f3"}, {"Nxf7", "e5f7"}, {"Ktxf7", "e5f7"}, {"Nexf7+", "e5f7"},
            {"g1f3", "g1f3"}, {"g1-f3", "g1f3"}, {"Nc3", "b1c3"}, {"nc3", "b1c3"}, {"N-QB3", "b1c3"},
            {"Nb1-c3", "b1c3"}, {"e4", "e2e4"}, {"Pe4", "e2e4"}, {"e2e4", "e2e4"}, {"5254", "e2e4"},
            {"N9f3", ""}, {"Nz1f3", ""}});
    Expect("rnbqkb1r/ppp1pppp/5n2/3p4/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1",
        {{"Nbd7", "b8d7"}, {"Nfd7", "f6d7"}, {"N8d7", "b8d7"}, {"Nd7", ""}, {"QN-Q2", "b8d7"},
            {"KN-Q2", "f6d7"}, {"N-Q2", ""}, {"P-K4", "e7e5"}, {"O-O", "e8g8"}});
}

TEST_F(ReaderTable, AFileLetterPrefersThePawnThenAnyPieceThenTheBishop)
{
    Expect("4k3/8/8/8/8/2n5/1P1B4/1N2K3 w - - 0 1", {{"bxc3", "b2c3"}, {"Bxc3", "d2c3"}, {"Nxc3", "b1c3"}});
    Expect("4k3/8/8/8/8/2n5/3B4/1N2K3 w - - 0 1", {{"bxc3", "b1c3"}, {"Bxc3", "d2c3"}});
    Expect("4k3/8/8/8/8/2n5/3B4/4K3 w - - 0 1", {{"bxc3", "d2c3"}});
    Expect("4k3/8/8/8/8/8/1N6/4K3 w - - 0 1", {{"Bc4", "b2c4"}});
}

TEST_F(ReaderTable, DescriptivePawnCapturesNameTheirSide)
{
    Expect("4k3/8/8/3p4/2P1P3/8/8/4K3 w - - 0 1",
        {{"PxP", ""}, {"BPxP", "c4d5"}, {"KPxP", "e4d5"}, {"QBPxP", ""}, {"KBP", ""}, {"P-QB5", "c4c5"},
            {"P-K5", "e4e5"}, {"exd5", "e4d5"}, {"cxd5", "c4d5"}, {"KBPxP", ""}});
}

TEST_F(ReaderTable, SuffixesAreIgnored)
{
    Expect("4k3/8/8/3pP3/8/8/8/3QK3 w - d6 0 1",
        {{"Qh5ch", "d1h5"}, {"Qh5 ch", "d1h5"}, {"Qh5+", "d1h5"}, {"Qh5!?", "d1h5"}, {"Qh5#", "d1h5"},
            {"exd6 e.p.", "e5d6"}, {"exd6+ e.p.", "e5d6"}, {"Qh5+ ch", "d1h5"}, {"exd6ep", "e5d6"},
            {"exd6e.p.", "e5d6"}, {"exd6 EP", "e5d6"}, {"ed6", "e5d6"}, {"Q-R5", "d1h5"}, {"Q-KR5", "d1h5"},
            {"Q-QR4", "d1a4"}, {"(Qh5)", ""}});
}

TEST_F(ReaderTable, CastlingSpellingsGiveTheKingsMove)
{
    Expect(StartFen,
        {{"O-O", "e1g1"}, {"O-O+", "e1g1"}, {"0-0", "e1g1"}, {"o-o", "e1g1"}, {"0-0-0", "e1c1"},
            {"O-O-O", "e1c1"}, {"o-o-o", "e1c1"}, {"O-O-O#", "e1c1"}, {"OO", ""}, {"0-0-0-0", ""}});
}

TEST_F(ReaderTable, TextNoRuleReadsIsRejected)
{
    Expect(StartFen,
        {{"", ""}, {"   ", ""}, {"x", ""}, {"-", ""}, {"=", ""}, {"(", ""}, {"e9", ""}, {"i4", ""},
            {"Kxx", ""}, {"e4e4e4e4e4", ""},
            {"\xc3\xa9"
             "4",
                ""},
            {"1-0", ""}, {"9999", ""}, {"12", ""}, {"e", ""}, {"/", ""}, {"///", ""}, {"KT", ""}, {"P-", ""},
            {"-e4", "e2e4"}});
    for (const QString& text : {QString(10000, u'e'), QString(5000, u'=') + u'Q',
             QString(QChar(0)) + QStringLiteral("e4"), QString(QChar(0xD800)),
             QString::fromUtf8("\xf0\x9f\x98\x80"
                               "e4")}) {
        EXPECT_EQ(Read(text), "");
    }
}

TEST_F(NotationReaderTest, DescriptiveInputStaysOnUntilAlgebraicTextComesAgain)
{
    EXPECT_FALSE(record.DescriptiveInput);
    Play("P-K4");
    EXPECT_TRUE(record.DescriptiveInput);
    EXPECT_EQ(record.MoveAt(0).Destination, (SquarePair {5, 4}));
    Play("P-K4");
    EXPECT_EQ(record.MoveAt(1).Destination, (SquarePair {5, 5}));
    EXPECT_TRUE(record.DescriptiveInput);
    Play("Nf3");
    EXPECT_FALSE(record.DescriptiveInput);
    EXPECT_EQ(record.MoveAt(2).Destination, (SquarePair {6, 3}));
    // A text rejected in both notations leaves the flag as it was.
    record.DescriptiveInput = true;
    EXPECT_EQ(Read(QStringLiteral("Qz9")), "");
    EXPECT_TRUE(record.DescriptiveInput);
}

TEST_F(NotationReaderTest, AKingMoveInDescriptiveNeverMeansCastling)
{
    StartAt("4k3/8/8/8/8/8/8/4K2R w K - 0 1");
    record.DescriptiveInput = true;
    EXPECT_EQ(Read(QStringLiteral("K-KN1")), "");
    EXPECT_EQ(Read(QStringLiteral("K-KB1")), "e1f1");
    EXPECT_EQ(Read(QStringLiteral("O-O")), "e1g1");
}

} // namespace
