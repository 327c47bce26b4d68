#pragma once

#include <QString>

#include "tools/piece_set_renderer.h"

#include <span>

// A look of the pieces: the chess symbols of a free font that Debian
// packages, or outlines drawn here.
struct TPieceDesign {
    const char* title;
    const char* fontFile; // absolute path of the font; null for drawn outlines
    DrawnDesign drawn; // the outlines when there is no font
    const char* source; // family, file, Debian package and licence, one line
};

// The piece sets the build draws, by name. The program draws the same
// pieces again at the screen's resolution when one of these is the current
// set. Sets of one design differ only in size.
struct TGeneratedPieceSet {
    const char* name;
    int design; // index into PieceDesigns()
    int frameSize;
};

std::span<const TPieceDesign> PieceDesigns();
std::span<const TGeneratedPieceSet> GeneratedPieceSets();

const TPieceDesign& DesignOf(const TGeneratedPieceSet& set);

// The entry of that name (case ignored), or none.
const TGeneratedPieceSet* FindGeneratedPieceSet(const QString& name);

// How to draw the set at that frame size.
PieceSetStyle StyleOf(const TGeneratedPieceSet& set, int frameSize);

// The text of the note written beside the pictures: which design each set
// has and where that design's outlines come from, with their licence.
QString PieceSetSources();
