#pragma once

#include <QChar>
#include <QStringView>

// The piece letters one reading or writing of move text works with: the
// user's current letters, or the standard English ones while a PGN text is
// read or written. Taken once per call so the options are not consulted per
// character and never have to be switched and put back.
struct TLetters {
    char Piece[7]; // indexed by piece kind; kind 0 is a blank

    static TLetters Current();
    static TLetters Standard();
    static TLetters Choose(bool standard) { return standard ? Standard() : Current(); }

    // The kind (1 king to 6 pawn) whose letter the character is, either
    // case; 0 when none.
    int KindOf(QChar typed) const;

    // The kind a word names: "KT" (either case) for the knight or a single
    // piece letter; 0 otherwise.
    int KindNamedBy(QStringView word) const;
};
