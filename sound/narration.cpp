#include "sound/narration.h"

#include "record/history.h"
#include "settings/options.h"
#include "sound/sound_system.h"

namespace {

QString Word(const char* text)
{
    return QString::fromLatin1(text);
}

QString ColourWord(engine::Colour colour)
{
    return Word(engine::ColourNames[colour & 1]);
}

QString PieceWord(int kind)
{
    return kind >= engine::King && kind <= engine::Pawn ? Word(engine::PieceNames[kind]) : QString();
}

void Say(TSoundSystem& sound, const char* phrase)
{
    sound.QueuePhrase(Word(phrase));
}

void SayPiece(TSoundSystem& sound, int kind)
{
    const QString word = PieceWord(kind);
    if (!word.isEmpty()) {
        sound.QueuePhrase(word);
    }
}

bool Full(int level)
{
    return level >= 3;
}

// Castling says one thing and nothing else: the single recording when the
// voice has one, else the words.
void NarrateCastling(TSoundSystem& sound, int level, const engine::MoveRecord& move, engine::Colour mover)
{
    if (level == 1) {
        sound.QueueSound(Options.CastleSound);
        return;
    }
    // Queen side is the king moving toward the a-file.
    const bool queenSide = move.Destination.File < move.Origin.File;
    if (Full(level)) {
        sound.QueuePhrase(ColourWord(mover));
    }
    if (sound.QueuePhraseIfExists(Word(queenSide ? "CastleQ" : "CastleK"))) {
        return;
    }
    Say(sound, "Castles");
    if (Full(level)) {
        Say(sound, "On");
        Say(sound, queenSide ? "Queen" : "King");
        Say(sound, "Side");
    }
}

void NarrateEnPassant(TSoundSystem& sound, int level, const engine::MoveRecord& move)
{
    if (Full(level)) {
        Say(sound, "Takes");
        Say(sound, "Pawn");
        Say(sound, "On");
        // The captured pawn stands beside the origin, on the destination's file.
        SaySquare(sound, {move.Destination.File, move.Origin.Rank});
    }
    if (level >= 2) {
        Say(sound, "EnPassa");
    } else {
        sound.QueueSound(Options.EnPassantSound);
    }
}

void NarratePromotion(TSoundSystem& sound, int level, const engine::MoveRecord& move)
{
    if (level == 1) {
        sound.QueueSound(Options.PromoteSound);
        return;
    }
    Say(sound, "Promote");
    // A queen is what everyone expects, so the short level leaves it unsaid.
    if (level > 2 || move.Piece != engine::Queen) {
        Say(sound, "To");
        SayPiece(sound, move.Piece);
    }
}

bool IsNarratedMove(const engine::MoveRecord& move)
{
    return move.Piece != engine::Empty && move.Status != engine::StatusResigns
        && move.Status != StatusDrawByAgreement;
}

} // namespace

void SayColourPiece(TSoundSystem& sound, engine::Colour colour, int pieceKind)
{
    const QString piece = PieceWord(pieceKind);
    if (piece.isEmpty()) {
        return;
    }
    if (!sound.QueuePhraseIfExists(ColourWord(colour) + piece)) {
        sound.QueuePhrase(ColourWord(colour));
        sound.QueuePhrase(piece);
    }
}

void SaySquare(TSoundSystem& sound, engine::SquarePair square)
{
    if (!engine::OnBoard(square)) {
        return;
    }
    sound.QueuePhrase(QString(QChar(u'a' + square.File - 1)));
    sound.QueuePhrase(QString(QChar(u'1' + square.Rank - 1)));
}

void NarrateMove(TSoundSystem& sound, int level, const engine::MoveRecord& move, engine::Colour mover)
{
    if (level < 1 || !IsNarratedMove(move)) {
        return;
    }
    if (move.SpecialKind == engine::SpecialCastling) {
        NarrateCastling(sound, level, move, mover);
        return;
    }
    const bool enPassant = move.SpecialKind == engine::SpecialEnPassant;
    const bool promotion = move.SpecialKind == engine::SpecialPromotion;
    if (Full(level)) {
        SayColourPiece(sound, mover, promotion ? int(engine::Pawn) : int(move.Piece));
        Say(sound, "On");
        SaySquare(sound, move.Origin);
    }
    if (move.Captures && !enPassant) {
        if (Full(level)) {
            Say(sound, "Takes");
            SayPiece(sound, move.CapturedKind);
            Say(sound, "On");
        } else {
            sound.QueueSound(Options.TakeSound);
        }
    } else if (Full(level)) {
        Say(sound, "To");
    }
    if (Full(level)) {
        SaySquare(sound, move.Destination);
    }
    if (enPassant) {
        NarrateEnPassant(sound, level, move);
    }
    if (promotion) {
        NarratePromotion(sound, level, move);
    }
}

void NarrateLastMove(TSoundSystem& sound, int level, const TGameRecord& record)
{
    sound.ClearSoundQueue();
    const int ply = record.CurrentPly;
    if (ply < record.StartPly || ply >= record.StartPly + record.EntryCount()) {
        return;
    }
    const engine::Colour mover = ply % 2 == 0 ? engine::White : engine::Black;
    sound.SetVoice(mover);
    NarrateMove(sound, level, record.MoveAt(ply), mover);
}

namespace {

struct TStatusSound {
    const char* Phrase; // nullptr: nothing is spoken
    QString TOptionsRec::*Effect;
    bool VoiceOfMover; // else the voice of the side to move
};

// The sound of each status; nothing for the others (none, mate announced).
const TStatusSound* StatusSound(int status)
{
    static const TStatusSound check {"check", &TOptionsRec::CheckSound, true};
    // The mover is the winner of a mate.
    static const TStatusSound mate {"mate", &TOptionsRec::CheckmateSound, true};
    static const TStatusSound stale {"stale", &TOptionsRec::StalemateSound, false};
    static const TStatusSound resign {"resign", &TOptionsRec::ResignSound, true};
    static const TStatusSound draw {"draw", &TOptionsRec::DrawSound, false};
    static const TStatusSound flag {nullptr, &TOptionsRec::OutOfTimeSound, false};
    switch (status) {
    case engine::StatusCheck:
        return &check;
    case engine::StatusCheckmate:
        return &mate;
    case engine::StatusStalemate:
        return &stale;
    case engine::StatusResigns:
        return &resign;
    case engine::StatusFiftyMoveDraw:
    case engine::StatusRepetitionDraw:
    case engine::StatusNoMatingMaterial:
    case StatusDrawByAgreement:
        return &draw;
    case StatusFlagFallen:
        return &flag;
    default:
        return nullptr;
    }
}

} // namespace

void NarrateStatus(TSoundSystem& sound, int level, int status, engine::Colour sideToMove)
{
    const TStatusSound* entry = StatusSound(status);
    if (level < 1 || !entry) {
        return;
    }
    sound.SetVoice(entry->VoiceOfMover ? engine::Other(sideToMove) : sideToMove);
    // A fallen flag has no phrase: its sound plays at every level.
    if (level >= 2 && entry->Phrase) {
        Say(sound, entry->Phrase);
    } else {
        sound.QueueSound(Options.*(entry->Effect));
    }
}

void NarrateNewState(TSoundSystem& sound, int request, const TGameRecord& record, int status)
{
    const int level = Options.AudioType;
    if (request <= 1 || level <= 0) {
        return;
    }
    if (request == 3) {
        NarrateLastMove(sound, level, record);
    }
    NarrateStatus(sound, level, status, engine::Colour(record.SideToMove()));
}
