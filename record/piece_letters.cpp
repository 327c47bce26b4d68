#include "record/piece_letters.h"

#include "engine/types.h"
#include "settings/letters.h"
#include "settings/options.h"

TLetters TLetters::Current()
{
    TLetters letters {};
    for (int kind = 0; kind <= 6; ++kind) {
        letters.Piece[kind] = PieceLetter(kind);
    }
    return letters;
}

TLetters TLetters::Standard()
{
    TLetters letters {};
    for (int kind = 0; kind <= 6; ++kind) {
        letters.Piece[kind] = standardPieceLetters[kind];
    }
    return letters;
}

int TLetters::KindOf(QChar typed) const
{
    const QChar upper = typed.toUpper();
    for (int kind = 1; kind <= 6; ++kind) {
        if (upper == QChar::fromLatin1(Piece[kind]).toUpper()) {
            return kind;
        }
    }
    return 0;
}

int TLetters::KindNamedBy(QStringView word) const
{
    if (word.size() == 2 && word.compare(u"KT", Qt::CaseInsensitive) == 0) {
        return engine::Knight;
    }
    return word.size() == 1 ? KindOf(word[0]) : 0;
}
