#include <QBuffer>

#include "engine/engine_interface.h"
#include "files/binary_game.h"
#include "record/notation_writer.h"
#include "record/ply_text.h"
#include "tests/record/record_fixture.h"

using namespace engine;
using namespace record_testing;

namespace {

struct TFormCase {
    TBinaryForm form;
    QByteArray header;
    int headerSize;
    int recordSize;
};

const TFormCase formCases[] = {
    {TBinaryForm::A, "Borland Pascal Chess saved game", 42, 12},
    {TBinaryForm::B, "Zor-Bel!", 145, 13},
};

// e2-e4, e7-e5, Ng1-f3 with the origin rank left open, Nb8-c6.
const std::array<MovePattern, 4> opening {
    {{Pawn, 5, 2, 5, 4}, {Pawn, 5, 7, 5, 5}, {Knight, 7, 0, 6, 3}, {Knight, 2, 8, 3, 6}}};

// A file of the form: the signature padded to the header's size, then one
// record per pattern with filler after its five bytes, then the tail.
QByteArray FileOf(const TFormCase& form, const std::vector<MovePattern>& moves, const QByteArray& tail = {})
{
    QByteArray bytes = form.header;
    bytes.append(form.headerSize - bytes.size(), '\x1a');
    for (const MovePattern& move : moves) {
        bytes.append(reinterpret_cast<const char*>(&move), sizeof move);
        bytes.append(form.recordSize - 5, '\x7f');
    }
    return bytes + tail;
}

QList<MovePattern> ReadAll(const QByteArray& bytes, TBinaryForm form)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadBinaryGameMoves(buffer, form);
}

bool SamePattern(const MovePattern& a, const MovePattern& b)
{
    return a.Piece == b.Piece && a.OriginFile == b.OriginFile && a.OriginRank == b.OriginRank
        && a.DestFile == b.DestFile && a.DestRank == b.DestRank;
}

class BinaryGameTest : public RecordTest {
protected:
    TFeedResult Feed(const QList<MovePattern>& moves)
    {
        host.mode = TGameMode::Loading;
        return FeedBinaryMoves(moves, commands, host);
    }

    QString Played() const
    {
        QStringList plies;
        for (int ply = record.StartPly; ply < record.EndPly; ++ply) {
            plies << PlyText(record, StandardAlgebraic, ply);
        }
        return plies.join(u' ');
    }
};

TEST_F(BinaryGameTest, BothFormsReadTheirRecordsUpToAShortLastOne)
{
    for (const TFormCase& form : formCases) {
        SCOPED_TRACE(form.header.toStdString());
        StartAt(StartFen);
        const std::vector<MovePattern> moves(opening.begin(), opening.end());
        const QList<MovePattern> read = ReadAll(FileOf(form, moves, "\x06\x04\x02\x04"), form.form);
        ASSERT_EQ(read.size(), 4);
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(SamePattern(read[i], opening[static_cast<std::size_t>(i)])) << i;
        }
        const TFeedResult fed = Feed(read);
        EXPECT_EQ(fed.plies, 4);
        EXPECT_FALSE(fed.stoppedEarly);
        EXPECT_EQ(Played(), QStringLiteral("e4 e5 Nf3 Nc6"));
        EXPECT_TRUE(messages.isEmpty());
    }
}

TEST_F(BinaryGameTest, TheFirstRefusedRecordEndsTheGameWithOneMessage)
{
    const struct {
        const char* name;
        MovePattern bad;
    } cases[] = {
        {"an illegal move", {Pawn, 4, 7, 4, 4}},
        {"bytes off the board", {Pawn, 5, 2, 5, 20}},
        {"no such piece", {200, 7, 1, 6, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StartAt(StartFen);
        messages.clear();
        const std::vector<MovePattern> moves {opening[0], opening[1], c.bad, opening[2], opening[3]};
        const TFeedResult fed = Feed(ReadAll(FileOf(formCases[0], moves), TBinaryForm::A));
        EXPECT_TRUE(fed.stoppedEarly);
        EXPECT_EQ(fed.plies, 2);
        EXPECT_EQ(Played(), QStringLiteral("e4 e5"));
        EXPECT_EQ(messages.size(), 1);
    }
}

TEST_F(BinaryGameTest, RandomBytesGiveOneMessageAndNothingMore)
{
    QByteArray noise(13 * 500, '\0');
    for (qsizetype i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>((i * 151 + 7) % 251);
    }
    const QList<MovePattern> read = ReadAll(FileOf(formCases[1], {}, noise), TBinaryForm::B);
    EXPECT_EQ(read.size(), 500);
    Feed(read);
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(BinaryGameTest, ReadingStopsAtASaneNumberOfRecordsAndAtTheEnd)
{
    const QByteArray huge = FileOf(formCases[0], {}, QByteArray(12 * 100000, '\0'));
    const QList<MovePattern> read = ReadAll(huge, TBinaryForm::A);
    EXPECT_GT(read.size(), 5000);
    EXPECT_LT(read.size(), 100000);
    EXPECT_TRUE(ReadAll(formCases[0].header, TBinaryForm::A).isEmpty());
    EXPECT_TRUE(ReadAll(FileOf(formCases[1], {}, "\x06\x05\x02"), TBinaryForm::B).isEmpty());
}

TEST_F(BinaryGameTest, FeedingStopsWhenTheGameIsOver)
{
    // Fool's mate, then a record that would be refused if it were read.
    const std::vector<MovePattern> moves {
        {Pawn, 6, 2, 6, 3}, {Pawn, 5, 7, 5, 5}, {Pawn, 7, 2, 7, 4}, {Queen, 4, 8, 8, 4}, {Pawn, 1, 2, 1, 3}};
    const TFeedResult fed = Feed(ReadAll(FileOf(formCases[0], moves), TBinaryForm::A));
    EXPECT_EQ(fed.plies, 4);
    EXPECT_FALSE(fed.stoppedEarly);
    EXPECT_TRUE(messages.isEmpty());
}

} // namespace
