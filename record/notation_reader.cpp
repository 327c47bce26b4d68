#include "record/notation_reader.h"

#include "record/descriptive.h"
#include "record/move_matching.h"
#include "record/piece_letters.h"

#include <algorithm>

using namespace engine;

namespace {

bool IsAsciiLetterOrDigit(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

bool IsRankDigit(QChar c)
{
    return c >= u'1' && c <= u'8';
}

int FileOfLetter(QChar c)
{
    const char16_t lower = c.toLower().unicode();
    return lower >= u'a' && lower <= u'h' ? lower - u'a' + 1 : 0;
}

bool StartsWithLowerFile(QStringView text)
{
    return !text.isEmpty() && text[0] >= u'a' && text[0] <= u'h';
}

void DropSuffix(QStringView& text, QStringView suffix)
{
    if (text.endsWith(suffix, Qt::CaseInsensitive)) {
        text.chop(suffix.size());
        text = text.trimmed();
    }
}

void DropSigns(QStringView& text)
{
    while (!text.isEmpty() && !IsAsciiLetterOrDigit(text.back())) {
        text.chop(1);
    }
}

// Takes off check and mate signs, annotation signs, closing brackets and
// dots, then the "ch", "ep" and "e.p" suffixes, then the signs written
// before a suffix (exd6+ e.p., as the FIDE style writes it).
QStringView StripSuffixes(QStringView text)
{
    text = text.trimmed();
    DropSigns(text);
    DropSuffix(text, u"CH");
    DropSuffix(text, u"EP");
    DropSuffix(text, u"E.P");
    DropSigns(text);
    return text;
}

bool ReadCastling(QStringView text, int sideToMove, MovePattern& pattern)
{
    const std::uint8_t rank = sideToMove == White ? 1 : 8;
    if (text.compare(u"O-O-O", Qt::CaseInsensitive) == 0 || text == u"0-0-0") {
        pattern = {King, 5, rank, 3, rank};
        return true;
    }
    if (text.compare(u"O-O", Qt::CaseInsensitive) == 0 || text == u"0-0") {
        pattern = {King, 5, rank, 7, rank};
        return true;
    }
    return false;
}

// Four digits: origin file and rank, target file, then the target rank or,
// for a promotion, the piece (1 queen, 2 rook, 3 bishop, 4 knight).
bool ReadInternational(QStringView text, const TMoveList& legal, MovePattern& pattern)
{
    if (text.size() != 4 || !std::all_of(text.begin(), text.end(), IsRankDigit)) {
        return false;
    }
    auto digit = [&](int i) { return static_cast<std::uint8_t>(text[i].unicode() - u'0'); };
    MovePattern promotion {0, digit(0), digit(1), digit(2), 0};
    if (FindLegalMove(legal, promotion, 0, SpecialPromotion) >= 1) {
        static constexpr std::uint8_t pieces[5] = {Queen, Queen, Rook, Bishop, Knight};
        const std::uint8_t piece = digit(3) <= 4 ? pieces[digit(3)] : std::uint8_t {Queen};
        pattern = {piece, digit(0), digit(1), digit(2), static_cast<std::uint8_t>(digit(1) < 5 ? 1 : 8)};
    } else {
        pattern = {0, digit(0), digit(1), digit(2), digit(3)};
    }
    return true;
}

bool IsPromotionPiece(int kind)
{
    return kind >= Queen && kind <= Knight;
}

// Splits a promotion piece off the text (e8=Q, e8(Q), e8Q, e7e8q). False
// when a "=" or "(" is not followed by a piece that a pawn can become.
bool SplitPromotion(QStringView& text, const TLetters& letters, int& promotion)
{
    promotion = 0;
    qsizetype mark = text.lastIndexOf(u'=');
    if (mark < 0) {
        mark = text.lastIndexOf(u'(');
    }
    if (mark >= 0) {
        promotion = letters.KindNamedBy(text.mid(mark + 1).trimmed());
        text = text.left(mark).trimmed();
        return IsPromotionPiece(promotion);
    }
    const qsizetype n = text.size();
    if (n >= 3 && (text[n - 2] == u'1' || text[n - 2] == u'8')
        && IsPromotionPiece(letters.KindOf(text[n - 1]))) {
        promotion = letters.KindOf(text[n - 1]);
        text.chop(1);
    }
    return true;
}

void SplitOriginAndTarget(QStringView text, QStringView& origin, QStringView& target)
{
    qsizetype separator = text.indexOf(u'-');
    if (separator < 0) {
        separator = text.indexOf(u'x');
    }
    if (separator < 0) {
        separator = text.indexOf(u'X');
    }
    if (separator >= 0) {
        origin = text.left(separator).trimmed();
        target = text.mid(separator + 1).trimmed();
    } else if (text.size() < 3) {
        origin = {};
        target = text;
    } else {
        origin = text.left(text.size() - 2);
        target = text.right(2);
    }
}

// One reading of the text in algebraic or descriptive notation.
class TNotationReading {
public:
    TNotationReading(const TMoveInput& input, const TLetters& letters)
        : input(input)
        , letters(letters)
    { }

    bool Read(bool descriptive, QStringView origin, QStringView target, MovePattern& pattern)
    {
        if (!(descriptive ? ReadDescriptiveTarget(target) : ReadAlgebraicTarget(target))) {
            return false;
        }
        if (!(descriptive ? ReadDescriptiveOrigin(origin) : ReadAlgebraicOrigin(origin))) {
            return false;
        }
        pattern = found;
        return true;
    }

private:
    bool ReadAlgebraicTarget(QStringView target)
    {
        if (target.size() != 2 || FileOfLetter(target[0]) == 0 || !IsRankDigit(target[1])) {
            return false;
        }
        targetFile = static_cast<std::uint8_t>(FileOfLetter(target[0]));
        targetRank = static_cast<std::uint8_t>(target[1].unicode() - u'0');
        captured = 0;
        targetSide = ExactFile;
        return true;
    }

    bool ReadDescriptiveTarget(QStringView target)
    {
        TDescriptiveSquare square;
        if (!ReadDescriptiveSquare(target, input.SideToMove, letters, square)
            || (square.Piece == 0 && !square.NamesSquare())) {
            return false;
        }
        targetFile = static_cast<std::uint8_t>(square.File);
        targetRank = static_cast<std::uint8_t>(square.Rank);
        captured = square.Piece;
        targetSide = square.SideMode;
        return true;
    }

    // Exactly one legal move must fit.
    bool Try(int piece, int file, int rank, int special, int originSide = ExactFile)
    {
        MovePattern pattern {static_cast<std::uint8_t>(piece), static_cast<std::uint8_t>(file),
            static_cast<std::uint8_t>(rank), targetFile, targetRank};
        if (FindLegalMove(input.LegalMoves, pattern, captured, special, targetSide, originSide) != 1) {
            return false;
        }
        found = pattern;
        return true;
    }

    // An origin square, file or rank given without a piece.
    bool TrySquare(int piece, QStringView square)
    {
        if (square.isEmpty()) {
            return Try(piece, 0, 0, AnySpecial);
        }
        if (square.size() == 1) {
            if (IsRankDigit(square[0])) {
                return Try(piece, 0, square[0].unicode() - u'0', AnySpecial);
            }
            const int file = FileOfLetter(square[0]);
            return file != 0 && Try(piece, file, 0, AnySpecial);
        }
        const int file = FileOfLetter(square[0]);
        return square.size() == 2 && file != 0 && IsRankDigit(square[1])
            && Try(piece, file, square[1].unicode() - u'0', AnySpecial);
    }

    bool TryPieceAndRest(QStringView origin)
    {
        int piece = 0;
        qsizetype nameLength = 1;
        if (origin.size() >= 2 && origin.left(2).compare(u"KT", Qt::CaseInsensitive) == 0) {
            piece = Knight;
            nameLength = 2;
        } else if (!origin.isEmpty()) {
            piece = letters.KindOf(origin[0]);
        }
        return piece != 0 && TrySquare(piece, origin.mid(nameLength));
    }

    bool ReadAlgebraicOrigin(QStringView origin)
    {
        if (origin.isEmpty()) {
            return TrySquare(Pawn, {}) || TrySquare(0, {});
        }
        if (!StartsWithLowerFile(origin)) {
            // Bxc3 may still be a capture by a b-file pawn when no bishop can take.
            const char16_t upper = origin[0].toUpper().unicode();
            return TryPieceAndRest(origin) || (upper >= u'A' && upper <= u'H' && TrySquare(0, origin));
        }
        // bxc3 prefers the pawn, then any piece on the b-file, then the bishop.
        return TrySquare(Pawn, origin) || TrySquare(0, origin) || TryPieceAndRest(origin);
    }

    bool TryDescriptive(QStringView origin)
    {
        TDescriptiveSquare square;
        if (origin.isEmpty() || !ReadDescriptiveSquare(origin, input.SideToMove, letters, square)) {
            return false;
        }
        // An officer's move never means castling (K-KN1) or a promotion.
        const bool officer = square.Piece >= King && square.Piece <= Knight;
        return Try(
            square.Piece, square.File, square.Rank, officer ? SpecialNone : AnySpecial, square.SideMode);
    }

    bool ReadDescriptiveOrigin(QStringView origin)
    {
        const QString pawn(QChar::fromLatin1(letters.Piece[Pawn]));
        if (origin.isEmpty()) {
            return TryDescriptive(pawn);
        }
        if (StartsWithLowerFile(origin)) {
            return TryDescriptive(QString(pawn).append(origin)) || TryDescriptive(origin);
        }
        return TryDescriptive(origin);
    }

    const TMoveInput& input;
    const TLetters& letters;
    std::uint8_t targetFile = 0;
    std::uint8_t targetRank = 0;
    int captured = 0;
    int targetSide = ExactFile;
    MovePattern found {};
};

} // namespace

bool ParseMoveText(const QString& text, const TMoveInput& input, MovePattern& pattern)
{
    const TLetters letters = TLetters::Choose(input.StandardLetters);
    QStringView move = StripSuffixes(text);
    if (move.isEmpty()) {
        return false;
    }
    if (ReadCastling(move, input.SideToMove, pattern) || ReadInternational(move, input.LegalMoves, pattern)) {
        return true;
    }
    int promotion = 0;
    if (!SplitPromotion(move, letters, promotion)) {
        return false;
    }
    QStringView origin;
    QStringView target;
    SplitOriginAndTarget(move, origin, target);

    TNotationReading reading(input, letters);
    MovePattern found {};
    const bool wasDescriptive = input.DescriptiveInput;
    if (!reading.Read(wasDescriptive, origin, target, found)) {
        if (!reading.Read(!wasDescriptive, origin, target, found)) {
            return false;
        }
        input.DescriptiveInput = !wasDescriptive;
    }
    if (promotion != 0) {
        // A promotion is matched as the queen one; the piece named must be
        // one the same pawn move can make (not a queen's move to the last rank).
        MovePattern promoted = found;
        promoted.Piece = static_cast<std::uint8_t>(promotion);
        if (found.Piece != Queen || FindLegalMove(input.LegalMoves, promoted, 0, SpecialPromotion) != 1) {
            input.DescriptiveInput = wasDescriptive;
            return false;
        }
        found = promoted;
    }
    pattern = found;
    return true;
}
