#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The picture of a piece set: six frames across (pawn, knight, bishop, rook,
// queen, king), White's row above Black's, pure blue see-through.

// The file of a set below the data folder: DataDir + "pieces/" + name + ".bmp".
QString PieceSetPath(const QString& setName);

// Loads the set, replacing a legacy number ("9") by its name first. False,
// with the file's name without folder, when the picture is missing or
// unreadable.
bool LoadPieceSetPicture(QString& setName, QImage& picture, QString* fileName);

// Frame of the piece kind (1 king .. 6 pawn) in the row of its colour.
QRect PieceFrameRect(const QImage& set, int colour, int kind);

// The piece drawn for the screen: size pieceSize in the window's pixels,
// ratio times as many device pixels, smooth see-through edges. A set the
// build drew from a font is drawn again from that font at this size; any
// other set has its frame scaled smoothly.
QImage RenderPieceForScreen(
    const QString& setName, const QImage& set, int colour, int kind, QSize pieceSize, qreal ratio);

// The board texture of that name, or a null picture for "(none)" or a
// missing file.
QImage LoadTexture(const QString& textureName);
