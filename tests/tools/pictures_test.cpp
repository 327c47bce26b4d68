#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "tools/piece_set_renderer.h"
#include "tools/piece_set_table.h"
#include "tools/texture_renderer.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A pixel the board would draw as part of a piece, yet which is nearly the
// transparent blue: it would show as a blue fringe.
bool IsFringe(QRgb pixel)
{
    return pixel != TransparentBlue && qRed(pixel) < 40 && qGreen(pixel) < 40 && qBlue(pixel) > 200;
}

} // namespace

TEST(PieceSetPictures, SixFramesByTwoOnTransparentBlueWithoutFringes)
{
    for (const TGeneratedPieceSet& set : GeneratedPieceSets()) {
        SCOPED_TRACE(set.name);
        const QImage picture = RenderPieceSet(StyleOf(set, 40));
        ASSERT_EQ(picture.size(), QSize(240, 80));
        for (int row = 0; row < 2; ++row) {
            for (int frame = 0; frame < 6; ++frame) {
                SCOPED_TRACE(row * 6 + frame);
                const QRect cell(frame * 40, row * 40, 40, 40);
                EXPECT_EQ(picture.pixel(cell.topLeft()), TransparentBlue);
                int white = 0;
                int black = 0;
                for (int y = cell.top(); y <= cell.bottom(); ++y) {
                    for (int x = cell.left(); x <= cell.right(); ++x) {
                        const QRgb pixel = picture.pixel(x, y);
                        EXPECT_FALSE(IsFringe(pixel)) << x << "," << y;
                        white += qGray(pixel) > 200 ? 1 : 0;
                        black += qGray(pixel) < 60 && pixel != TransparentBlue ? 1 : 0;
                    }
                }
                // White pieces are filled white inside a black outline, which
                // keeps them visible on light squares; Black pieces are mostly
                // black (some designs draw light inner lines, some none).
                if (row == 0) {
                    EXPECT_GT(white, 60);
                    EXPECT_GT(black, 10);
                } else {
                    EXPECT_GT(black, 100);
                    EXPECT_GT(black, white);
                }
            }
        }
    }
}

namespace {

// The built picture of a set.
QImage BuiltSet(const QString& name)
{
    return QImage(QStringLiteral(QUARVEL_PIECES_DIR "/%1.bmp").arg(name));
}

// Which pixels of a set's twelve frames, each brought to a common size, are
// dark lines or dark fill: the outlines and the inner drawing of its pieces.
std::vector<bool> DarkInk(const QImage& set)
{
    constexpr int Size = 48;
    std::vector<bool> ink;
    const int w = set.width() / 6;
    const int h = set.height() / 2;
    for (int row = 0; row < 2; ++row) {
        for (int frame = 0; frame < 6; ++frame) {
            const QImage cell = set.copy(frame * w, row * h, w, h).scaled(Size, Size);
            for (int y = 0; y < Size; ++y) {
                for (int x = 0; x < Size; ++x) {
                    const QRgb pixel = cell.pixel(x, y);
                    ink.push_back(pixel != TransparentBlue && qGray(pixel) < 128);
                }
            }
        }
    }
    return ink;
}

// Of the pixels either set inks, the share that only one of them inks.
double Difference(const std::vector<bool>& a, const std::vector<bool>& b)
{
    int either = 0;
    int one = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        either += a[i] || b[i];
        one += a[i] != b[i];
    }
    return either == 0 ? 0.0 : static_cast<double>(one) / either;
}

// The family of a set is the first word of its name: "Std Small" and "Std
// Large" are one design in two sizes, "Std" and "Rounded" two designs.
QString Family(const char* name)
{
    return QString::fromLatin1(name).section(u' ', 0, 0);
}

} // namespace

// Sets of different families must not be one drawing under two names, nor
// one font at two sizes or weights: compared at one size, a good share of
// their inked pixels differs.
TEST(PieceSetPictures, FamiliesHaveTheirOwnOutlines)
{
    const auto sets = GeneratedPieceSets();
    std::vector<std::vector<bool>> inks;
    for (const TGeneratedPieceSet& set : sets) {
        const QImage picture = BuiltSet(QLatin1String(set.name));
        ASSERT_FALSE(picture.isNull()) << set.name;
        inks.push_back(DarkInk(picture));
    }
    QStringList families;
    for (std::size_t i = 0; i < sets.size(); ++i) {
        if (!families.contains(Family(sets[i].name))) {
            families.append(Family(sets[i].name));
        }
        for (std::size_t j = i + 1; j < sets.size(); ++j) {
            if (Family(sets[i].name) != Family(sets[j].name)) {
                EXPECT_GT(Difference(inks[i], inks[j]), 0.4) << sets[i].name << " and " << sets[j].name;
            }
        }
    }
    EXPECT_GE(families.size(), 5);
}

// Each built set is named in the note beside the pictures with the file and
// licence of the font it comes from, or as drawn here.
TEST(PieceSetPictures, SourcesNoteNamesEverySetsOrigin)
{
    QFile note(QStringLiteral(QUARVEL_PIECES_DIR "/SOURCES.txt"));
    ASSERT_TRUE(note.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(note.readAll()).split(u'\n');
    for (const TGeneratedPieceSet& set : GeneratedPieceSets()) {
        SCOPED_TRACE(set.name);
        const QString prefix = QLatin1String(set.name) + QStringLiteral(".bmp: ");
        const auto line = std::find_if(
            lines.begin(), lines.end(), [&prefix](const QString& text) { return text.startsWith(prefix); });
        ASSERT_NE(line, lines.end());
        const TPieceDesign& design = DesignOf(set);
        if (design.fontFile != nullptr) {
            EXPECT_TRUE(line->contains(QFileInfo(QString::fromLatin1(design.fontFile)).fileName()));
            EXPECT_TRUE(line->contains(QStringLiteral("Debian package fonts-")));
        } else {
            EXPECT_TRUE(line->contains(QStringLiteral("own code")));
        }
        EXPECT_TRUE(line->contains(QStringLiteral("licence")) || line->contains(QStringLiteral("terms")));
    }
}

TEST(BoardTextures, TileSeamlesslyAndStayLight)
{
    for (TextureKind kind : {TextureKind::Wood, TextureKind::Marble, TextureKind::Linen}) {
        const QImage picture = RenderTexture(kind, 64);
        ASSERT_EQ(picture.size(), QSize(64, 64));
        int darkest = 255;
        int seam = 0;
        for (int i = 0; i < 64; ++i) {
            for (int j = 0; j < 64; ++j) {
                darkest = std::min(darkest, qGray(picture.pixel(i, j)));
            }
            // Across the wrap the picture changes no more than between neighbours.
            seam = std::max(seam, std::abs(qGray(picture.pixel(63, i)) - qGray(picture.pixel(0, i))));
            seam = std::max(seam, std::abs(qGray(picture.pixel(i, 63)) - qGray(picture.pixel(i, 0))));
        }
        EXPECT_GT(darkest, 120);
        EXPECT_LT(seam, 40);
        EXPECT_EQ(picture, RenderTexture(kind, 64)); // the same every build
    }
}
