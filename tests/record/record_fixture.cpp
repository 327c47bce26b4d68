#include "tests/record/record_fixture.h"

#include <QFile>

#include "settings/language_file.h"
#include "settings/options.h"

namespace record_testing {

namespace {

constexpr int messageNumbers[] = {1001, 1002, 1003, 1011, 1013, 1014, 1015, 2003, 2004, 2005, 2006, 2007,
    2008, 2009, 2011, 2012, 2013, 2014, 2018, 2019, 2021};

} // namespace

void RecordTest::SetUp()
{
    ResetOptions(Options);
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("Test.lng"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray text = "[Messages]\n";
    for (const int number : messageNumbers) {
        const bool takesText
            = number == 1011 || number == 1013 || number == 1014 || number == 1015 || number == 2014;
        text += QByteArray::number(number) + "=M" + QByteArray::number(number) + (takesText ? " %s" : "")
            + "\n";
    }
    file.write(text);
    file.close();
    OpenLanguageFile(path);
    savedPresenter = setMessageBoxPresenter([this](const TMessageBoxRequest& request) {
        messages.append(request.text);
        return TMsgButton::Ok;
    });
    StartAt(StartFen);
}

void RecordTest::TearDown()
{
    setMessageBoxPresenter(savedPresenter);
    CloseLanguageFile();
    ResetOptions(Options);
}

void RecordTest::StartAt(const char* fen)
{
    ASSERT_TRUE(commands.EnterFENPosition(QString::fromLatin1(fen))) << fen;
}

void RecordTest::Play(const char* moves)
{
    for (const QString& move : QString::fromLatin1(moves).split(u' ', Qt::SkipEmptyParts)) {
        ASSERT_TRUE(commands.EnterMove(move))
            << move.toStdString() << " " << messages.join(u'|').toStdString();
    }
}

std::string RecordTest::Read(const QString& text, bool standardLetters)
{
    engine::MovePattern pattern {};
    const TMoveInput input {record.LegalMoves, record.SideToMove(), record.DescriptiveInput, standardLetters};
    return ParseMoveText(text, input, pattern) ? Coordinates(pattern) : std::string();
}

std::string Coordinates(const engine::MovePattern& pattern)
{
    std::string text;
    auto square = [&text](int file, int rank) {
        text += file ? static_cast<char>('a' + file - 1) : '?';
        text += rank ? static_cast<char>('0' + rank) : '?';
    };
    square(pattern.OriginFile, pattern.OriginRank);
    square(pattern.DestFile, pattern.DestRank);
    if (pattern.Piece >= engine::Queen && pattern.Piece <= engine::Knight
        && ((pattern.OriginRank == 7 && pattern.DestRank == 8)
            || (pattern.OriginRank == 2 && pattern.DestRank == 1))) {
        text += "?qrbn"[pattern.Piece - 1];
    }
    return text;
}

} // namespace record_testing
