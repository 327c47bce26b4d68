#include "record/notation_writer.h"

#include "record/history.h"
#include "record/move_matching.h"
#include "record/piece_letters.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"

using namespace engine;

namespace {

// Move texts are short; building them in a fixed buffer keeps the move
// list and the file writers from allocating per character.
class TMoveText {
public:
    void Add(char c)
    {
        if (length < sizeof(buffer)) {
            buffer[length++] = c;
        }
    }
    void Add(const char* text)
    {
        while (*text) {
            Add(*text++);
        }
    }
    void AddSquare(const SquarePair& square, int style)
    {
        if (style == International) {
            AddDigit(square.File);
            AddDigit(square.Rank);
        } else {
            AddFile(square.File);
            AddDigit(square.Rank);
        }
    }
    void AddFile(int file) { Add(static_cast<char>('a' + file - 1)); }
    void AddDigit(int digit) { Add(static_cast<char>('0' + digit)); }
    QString Text() const { return QString::fromLatin1(buffer, static_cast<qsizetype>(length)); }

private:
    char buffer[32];
    std::size_t length = 0;
};

bool ShortStyle(int style)
{
    return style == StandardAlgebraic || style == FideAlgebraic;
}

QString PseudoEntryText(int style, const MoveRecord& move, int colour)
{
    if (style == OpeningKey) {
        return {};
    }
    if (move.Status == StatusResigns) {
        if (style == LongAlgebraic) {
            return MessageText(msg::ResignsEntry);
        }
        // The entry stands on the ply of the side that resigned.
        return colour == Black ? QStringLiteral("1-0") : QStringLiteral("0-1");
    }
    if (style == LongAlgebraic) {
        return MessageText(msg::DrawAgreedEntry);
    }
    return style == FideAlgebraic ? QStringLiteral("=") : QStringLiteral("1/2-1/2");
}

void AddStatusSign(TMoveText& text, int style, int status)
{
    if (style == International || style == OpeningKey) {
        return;
    }
    if (status == StatusCheck) {
        text.Add('+');
    } else if (status == StatusCheckmate) {
        text.Add(style == StandardAlgebraic ? "#" : style == FideAlgebraic ? "++" : "*");
    }
}

void AddCastling(TMoveText& text, int style, const MoveRecord& move)
{
    if (style == International || style == OpeningKey) {
        text.AddSquare(move.Origin, style);
        text.AddSquare(move.Destination, style);
        return;
    }
    const bool queenSide = move.Destination.File < move.Origin.File;
    if (ShortStyle(style)) {
        text.Add(queenSide ? "O-O-O" : "O-O");
    } else {
        text.Add(queenSide ? "o-o-o" : "o-o");
    }
}

void AddShortOrigin(TMoveText& text, const MoveRecord& move)
{
    std::uint8_t shown = move.Disambiguation;
    // A pawn capture always names the file it came from, even in a record
    // whose disambiguation was never worked out.
    const bool pawnCapture = (move.Piece == Pawn || move.SpecialKind == SpecialPromotion) && move.Captures;
    if (shown <= ShowNoOrigin && pawnCapture) {
        shown = ShowOriginFile;
    }
    if (shown == ShowOriginFile || shown == ShowOriginSquare) {
        text.AddFile(move.Origin.File);
    }
    if (shown == ShowOriginRank || shown == ShowOriginSquare) {
        text.AddDigit(move.Origin.Rank);
    }
}

// Piece digits of the international notation.
char InternationalPieceDigit(int kind)
{
    switch (kind) {
    case Rook:
        return '2';
    case Bishop:
        return '3';
    case Knight:
        return '4';
    default:
        return '1';
    }
}

void AddPieceMove(TMoveText& text, int style, const MoveRecord& move, const TLetters& letters)
{
    const bool promotion = move.SpecialKind == SpecialPromotion;
    const bool letterStyle = ShortStyle(style) || style == LongAlgebraic;
    if (letterStyle && move.Piece != Pawn && !promotion) {
        text.Add(letters.Piece[move.Piece < 7 ? move.Piece : 0]);
    }
    if (ShortStyle(style)) {
        AddShortOrigin(text, move);
    } else {
        text.AddSquare(move.Origin, style);
    }
    if (letterStyle) {
        if (move.Captures) {
            text.Add('x');
        } else if (style == LongAlgebraic) {
            text.Add('-');
        }
    }
    if (style == International && promotion) {
        text.AddDigit(move.Destination.File);
        text.Add(InternationalPieceDigit(move.Piece));
        return;
    }
    text.AddSquare(move.Destination, style);
    if (promotion && style != OpeningKey) {
        if (style != FideAlgebraic) {
            text.Add('=');
        }
        text.Add(letters.Piece[move.Piece < 7 ? move.Piece : 0]);
    }
}

} // namespace

QString FormatMove(int style, const MoveRecord& move, int colour, bool standardLetters)
{
    if (IsPseudoEntry(move)) {
        return PseudoEntryText(style, move, colour);
    }
    if (move.Piece == Empty) {
        return {};
    }
    TMoveText text;
    if (move.SpecialKind == SpecialCastling) {
        AddCastling(text, style, move);
    } else {
        AddPieceMove(text, style, move, TLetters::Choose(standardLetters));
    }
    AddStatusSign(text, style, move.Status);
    if (style == FideAlgebraic && move.SpecialKind == SpecialEnPassant) {
        text.Add(" e.p.");
    }
    return text.Text();
}

QString FormatMovePadded(int style, const MoveRecord& move, int colour, bool standardLetters)
{
    QString text = FormatMove(style, move, colour, standardLetters);
    if (!text.isEmpty() && text.back() >= u'0') {
        text += u' ';
    }
    if (!text.contains(u'=')) {
        text += QStringLiteral("  ");
    }
    if (text.size() < 9) {
        text.prepend(QString(9 - text.size(), u' '));
    }
    return text;
}

QString StatusLineMove(int style, const MoveRecord& move, int colour)
{
    return FormatMove(ShortStyle(style) ? LongAlgebraic : style, move, colour);
}

QString ResultToken(int status, int mode, int winner)
{
    switch (status) {
    case StatusCheckmate:
    case StatusFlagFallen:
        return winner == White ? QStringLiteral("1-0") : QStringLiteral("0-1");
    case StatusResigns:
        if (mode == ResultTag) {
            return winner == White ? QStringLiteral("1-0") : QStringLiteral("0-1");
        }
        return {};
    case StatusStalemate:
    case StatusFiftyMoveDraw:
    case StatusRepetitionDraw:
    case StatusNoMatingMaterial:
        return QStringLiteral("1/2-1/2");
    case StatusDrawByAgreement:
        return mode == ResultTag ? QStringLiteral("1/2-1/2") : QString();
    default:
        return mode == ResultAfterList ? QString() : QStringLiteral("*");
    }
}

void SetDisambiguation(MoveRecord& move, const TMoveList& legalMoves)
{
    const MovePattern target {move.Piece, 0, 0, move.Destination.File, move.Destination.Rank};
    const bool pawnCapture = (move.Piece == Pawn || move.SpecialKind == SpecialPromotion) && move.Captures;
    MovePattern pattern = target;
    if (!pawnCapture && FindLegalMove(legalMoves, pattern, 0, move.SpecialKind) == 1) {
        move.Disambiguation = ShowNoOrigin;
        return;
    }
    pattern = target;
    pattern.OriginFile = move.Origin.File;
    if (FindLegalMove(legalMoves, pattern, 0, move.SpecialKind) == 1) {
        move.Disambiguation = ShowOriginFile;
        return;
    }
    pattern = target;
    pattern.OriginRank = move.Origin.Rank;
    move.Disambiguation
        = FindLegalMove(legalMoves, pattern, 0, move.SpecialKind) == 1 ? ShowOriginRank : ShowOriginSquare;
}
