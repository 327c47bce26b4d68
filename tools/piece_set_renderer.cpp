#include "tools/piece_set_renderer.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

#include "tools/drawn_piece_set.h"

#include <algorithm>
#include <stdexcept>

namespace {

// Frames from left to right, as chess symbols: White's outlined glyph and
// Black's solid one.
constexpr char16_t WhiteGlyphs[6] = {u'\u2659', u'\u2658', u'\u2657', u'\u2656', u'\u2655', u'\u2654'};
constexpr char16_t BlackGlyphs[6] = {u'\u265F', u'\u265E', u'\u265D', u'\u265C', u'\u265B', u'\u265A'};

// Drawn this many times larger, then reduced, for smooth outlines.
constexpr int Oversample = 4;

QString LoadFontFamily(const QString& file)
{
    const int id = QFontDatabase::addApplicationFont(file);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        throw std::runtime_error("cannot load font " + file.toStdString());
    }
    return families.first();
}

QPainterPath GlyphPath(const QFont& font, char16_t glyph)
{
    QPainterPath path;
    path.addText(0, 0, font, QString(QChar(glyph)));
    return path;
}

// The glyph's outer shape with every hole filled: the area a piece covers.
QPainterPath Silhouette(const QPainterPath& glyph)
{
    QPainterPath solid;
    solid.setFillRule(Qt::WindingFill);
    for (const QPolygonF& contour : glyph.toSubpathPolygons()) {
        QPainterPath part;
        part.addPolygon(contour);
        solid = solid.united(part);
    }
    return solid;
}

// Draws one piece into a frame of the oversampled picture. A White piece is
// its silhouette in white under the outlined glyph in black; a Black piece
// is its silhouette in white under the solid glyph in black, so its inner
// lines show light whatever the square below.
void DrawPiece(QPainter& painter, const QFont& font, int frame, bool black, const QRectF& cell, double scale,
    const QRectF& tallest)
{
    const QPainterPath outline = GlyphPath(font, WhiteGlyphs[frame]);
    const QPainterPath solid = GlyphPath(font, BlackGlyphs[frame]);
    const QRectF bounds = outline.boundingRect().united(solid.boundingRect());

    QTransform place;
    // Centred across, standing on a common base line near the bottom.
    const double base = cell.bottom() - (cell.height() - tallest.height() * scale) / 2;
    place.translate(cell.center().x() - bounds.center().x() * scale, base - tallest.bottom() * scale);
    place.scale(scale, scale);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(place.map(Silhouette(solid)));
    painter.setBrush(Qt::black);
    painter.drawPath(place.map(black ? solid : outline));
}

void DrawGlyphSet(QPainter& painter, const PieceSetStyle& style, int big)
{
    QFont font(LoadFontFamily(style.fontFile));
    font.setPixelSize(1000);
    font.setHintingPreference(QFont::PreferNoHinting);

    QRectF tallest;
    for (int frame = 0; frame < 6; ++frame) {
        tallest = tallest.united(GlyphPath(font, BlackGlyphs[frame]).boundingRect());
        tallest = tallest.united(GlyphPath(font, WhiteGlyphs[frame]).boundingRect());
    }
    const double scale = big * style.fill / std::max(tallest.height(), tallest.width());
    for (int row = 0; row < 2; ++row) {
        for (int frame = 0; frame < 6; ++frame) {
            const QRectF cell(frame * big, row * big, big, big);
            DrawPiece(painter, font, frame, row == 1, cell, scale, tallest);
        }
    }
}

// Anti-aliased edges against the transparent colour would leave blue
// fringes on the board: each pixel is either the piece, at full strength,
// or transparent.
QImage FlattenOnBlue(const QImage& picture)
{
    QImage flat(picture.size(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int alpha = qAlpha(in[x]);
            if (alpha < 128) {
                out[x] = TransparentBlue;
                continue;
            }
            // Undo premultiplication; keep away from pure blue itself.
            const int r = qRed(in[x]) * 255 / alpha;
            const int g = qGreen(in[x]) * 255 / alpha;
            const int b = qBlue(in[x]) * 255 / alpha;
            out[x] = (r == 0 && g == 0 && b == 255) ? qRgb(0, 0, 254) : qRgb(r, g, b);
        }
    }
    return flat;
}

} // namespace

QImage RenderPieceSetSmooth(const PieceSetStyle& style)
{
    const int big = style.frameSize * Oversample;
    QImage picture(6 * big, 2 * big, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        if (style.fontFile.isEmpty()) {
            DrawDrawnSet(painter, style.drawn, big);
        } else {
            DrawGlyphSet(painter, style, big);
        }
    }
    return picture.scaled(
        6 * style.frameSize, 2 * style.frameSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage RenderPieceSet(const PieceSetStyle& style)
{
    return FlattenOnBlue(RenderPieceSetSmooth(style));
}
