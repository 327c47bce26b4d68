#pragma once

#include <QString>

#include <span>

// The piece sets the build draws from free fonts, by name. The program
// draws the same pieces again at the screen's resolution when one of these
// is the current set.
struct TGeneratedPieceSet {
    const char* name;
    int font; // 0 serif, 1 sans, 2 sans bold
    int frameSize;
};

std::span<const TGeneratedPieceSet> GeneratedPieceSets();

// The entry of that name (case ignored), or none.
const TGeneratedPieceSet* FindGeneratedPieceSet(const QString& name);

// The font file the build drew the sets from; empty when unknown.
QString GeneratedSetFontFile(int font);
