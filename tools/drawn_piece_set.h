#pragma once

#include <QPainter>

#include "tools/piece_outlines.h"

// Paints the twelve pieces of a drawn design into frames of size pixels,
// pawn to king across, White's row above Black's, on whatever is below.
void DrawDrawnSet(QPainter& painter, DrawnDesign design, int size);
