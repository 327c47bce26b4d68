#pragma once

#include <QImage>
#include <QString>

// Board textures: light, seamlessly tiling pictures. The board combines them
// with the square colours by a bitwise AND, so they are kept bright; the
// same name always gives the same picture.
enum class TextureKind { Wood, Marble, Linen };

QImage RenderTexture(TextureKind kind, int size);
