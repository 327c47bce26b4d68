#include "record/descriptive.h"

#include "engine/types.h"
#include "record/move_matching.h"

using namespace engine;

namespace {

// The length of the piece name at the front of the word ("KT" or one
// letter) and its kind; 0 when the word does not begin with one.
int LeadingPieceName(QStringView word, const TLetters& letters, int& kind)
{
    if (word.size() >= 2 && word.left(2).compare(u"KT", Qt::CaseInsensitive) == 0) {
        kind = Knight;
        return 2;
    }
    kind = word.isEmpty() ? 0 : letters.KindOf(word[0]);
    return kind != 0 ? 1 : 0;
}

// The side a leading piece name gives a piece: the king's and queen's
// halves of the board, or the two files a rook, bishop or knight starts on.
bool SetSideOfPiece(int sideKind, TDescriptiveSquare& result)
{
    struct TSide {
        int file;
        int mode;
    };
    static constexpr TSide sides[7] = {{0, ExactFile}, {5, BoardHalf}, {1, BoardHalf}, {1, MirrorFile},
        {3, MirrorFile}, {2, MirrorFile}, {0, ExactFile}};
    if (sideKind < King || sideKind > Knight) {
        return false;
    }
    result.File = sides[sideKind].file;
    result.SideMode = sides[sideKind].mode;
    return true;
}

// The file of a piece that starts on the queen's side (a, b, c) or the
// king's side (h, g, f); 0 for the king and queen.
int HomeFile(int kind, bool kingSide)
{
    const int queenSideFile = kind == Rook ? 1 : kind == Knight ? 2 : kind == Bishop ? 3 : 0;
    return queenSideFile == 0 || !kingSide ? queenSideFile : 9 - queenSideFile;
}

// Reads the file part of a square word, e.g. "QB", "KKT", "R".
bool ReadFileName(QStringView rest, const TLetters& letters, int sideKind, TDescriptiveSquare& result)
{
    if (rest.isEmpty()) {
        return true;
    }
    int first = 0;
    const int firstLength = LeadingPieceName(rest, letters, first);
    if (firstLength == 0) {
        return false;
    }
    const QStringView second = rest.mid(firstLength);
    int secondKind = 0;
    if (!second.isEmpty() && LeadingPieceName(second, letters, secondKind) != second.size()) {
        return false;
    }
    if (first == King || first == Queen) {
        const bool kingSide = first == King;
        if (second.isEmpty()) {
            result.File = kingSide ? 5 : 4;
        } else {
            result.File = HomeFile(secondKind, kingSide);
        }
        result.SideMode = ExactFile;
        return result.File != 0;
    }
    if (!second.isEmpty() || HomeFile(first, false) == 0) {
        return false;
    }
    // A bare R, N or B: the side the piece word named, else either side.
    if (sideKind == King || sideKind == Queen) {
        result.File = HomeFile(first, sideKind == King);
        result.SideMode = ExactFile;
    } else {
        result.File = HomeFile(first, false);
        result.SideMode = MirrorFile;
    }
    return true;
}

bool ReadSquareWord(
    QStringView square, int sideToMove, const TLetters& letters, int sideKind, TDescriptiveSquare& result)
{
    if (!square.isEmpty() && square.back() >= u'1' && square.back() <= u'8') {
        const int digit = square.back().unicode() - u'0';
        result.Rank = sideToMove == Black ? 9 - digit : digit;
        square.chop(1);
    }
    return ReadFileName(square, letters, sideKind, result);
}

} // namespace

bool ReadDescriptiveSquare(
    QStringView word, int sideToMove, const TLetters& letters, TDescriptiveSquare& result)
{
    result = {};
    QStringView pieceWord = word;
    QStringView squareWord;
    if (const qsizetype slash = word.lastIndexOf(u'/'); slash >= 0) {
        pieceWord = word.left(slash);
        squareWord = word.mid(slash + 1);
    }
    int sideKind = 0;
    result.Piece = letters.KindNamedBy(pieceWord);
    if (result.Piece == 0) {
        const int leading = LeadingPieceName(pieceWord, letters, sideKind);
        const int piece = leading ? letters.KindNamedBy(pieceWord.mid(leading)) : 0;
        if (piece != 0 && SetSideOfPiece(sideKind, result)) {
            result.Piece = piece;
        } else if (squareWord.isEmpty()) {
            sideKind = 0;
            squareWord = pieceWord;
        } else if (!pieceWord.isEmpty()) {
            return false;
        }
    }
    return ReadSquareWord(squareWord, sideToMove, letters, sideKind, result);
}
