#include "sound/read_outs.h"

#include "record/history.h"
#include "settings/options.h"
#include "sound/narration.h"
#include "sound/sound_system.h"

namespace {

constexpr int fullLevel = 3;

engine::Colour LastMover(const TGameRecord& record)
{
    return engine::Other(engine::Colour(record.SideToMove()));
}

void UseLastMoversVoice(TSoundSystem& sound, const TGameRecord& record)
{
    sound.SetVoice(LastMover(record));
}

QString FileLetter(int file)
{
    return QString(QChar(u'a' + file - 1));
}

QString RankDigit(int rank)
{
    return QString(QChar(u'1' + rank - 1));
}

bool ValidLine(int line)
{
    return line >= 1 && line <= 8;
}

// Pause, then the piece on the square or, when empty, the given word.
void SayCell(TSoundSystem& sound, const engine::ImageCell& cell, const QString& emptyWord)
{
    sound.QueuePause();
    if (cell.Kind == engine::Empty) {
        sound.QueuePhrase(emptyWord);
    } else {
        SayColourPiece(sound, engine::Colour(cell.Colour & 1), cell.Kind);
    }
}

} // namespace

void SpeakMove(TSoundSystem& sound, const TGameRecord& record, int status)
{
    NarrateLastMove(sound, fullLevel, record);
    NarrateStatus(sound, fullLevel, status, engine::Colour(record.SideToMove()));
}

void SpeakRank(TSoundSystem& sound, const TGameRecord& record, int rank)
{
    if (!ValidLine(rank)) {
        return;
    }
    UseLastMoversVoice(sound, record);
    sound.QueuePhrase(RankDigit(rank));
    for (int file = 1; file <= 8; ++file) {
        SayCell(sound, record.Board.At(file, rank), FileLetter(file));
    }
}

void SpeakFile(TSoundSystem& sound, const TGameRecord& record, int file)
{
    if (!ValidLine(file)) {
        return;
    }
    UseLastMoversVoice(sound, record);
    sound.QueuePhrase(FileLetter(file));
    for (int rank = 1; rank <= 8; ++rank) {
        SayCell(sound, record.Board.At(file, rank), RankDigit(rank));
    }
}

void SpeakSide(TSoundSystem& sound, const TGameRecord& record, engine::Colour colour)
{
    sound.SetVoice(colour);
    sound.QueuePhrase(QString::fromLatin1(engine::ColourNames[colour & 1]));
    // Each side reads its army from its own back rank, left to right as
    // that side sees the board.
    const bool white = colour == engine::White;
    for (int step = 0; step < 64; ++step) {
        const int rank = white ? 1 + step / 8 : 8 - step / 8;
        const int file = white ? 1 + step % 8 : 8 - step % 8;
        const engine::ImageCell& cell = record.Board.At(file, rank);
        if (cell.Kind == engine::Empty || cell.Kind > engine::Pawn || (cell.Colour & 1) != colour) {
            continue;
        }
        sound.QueuePause();
        sound.QueuePhrase(FileLetter(file));
        sound.QueuePhrase(RankDigit(rank));
        sound.QueuePhrase(QString::fromLatin1(engine::PieceNames[cell.Kind]));
    }
}

void SpeakStatus(TSoundSystem& sound, const TGameRecord& record)
{
    UseLastMoversVoice(sound, record);
    for (const engine::MoveRecord& move : record.LegalMoves.View()) {
        if (move.SpecialKind == engine::SpecialEnPassant) {
            sound.QueuePhrase(QStringLiteral("EnPassa"));
            sound.QueuePhrase(QStringLiteral("On"));
            SaySquare(sound, move.Destination);
            break;
        }
    }
    sound.QueuePhrase(QString::fromLatin1(engine::ColourNames[record.SideToMove() & 1]));
}

void SpeakSquare(TSoundSystem& sound, const TGameRecord& record, engine::SquarePair square)
{
    if (Options.AudioType < 2 || !engine::OnBoard(square)) {
        return;
    }
    sound.ClearSoundQueue();
    UseLastMoversVoice(sound, record);
    sound.QueuePause();
    const engine::ImageCell& cell = record.Board.At(square.File, square.Rank);
    if (cell.Kind != engine::Empty) {
        SayColourPiece(sound, engine::Colour(cell.Colour & 1), cell.Kind);
        sound.QueuePhrase(QStringLiteral("On"));
    }
    SaySquare(sound, square);
}
