#include "tools/piece_set_renderer.h"
#include "tools/texture_renderer.h"

#include <gtest/gtest.h>

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
    for (const char* font : {QUARVEL_SERIF_FONT, QUARVEL_SANS_FONT}) {
        SCOPED_TRACE(font);
        const QImage picture = RenderPieceSet({QString::fromLatin1(font), 40});
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
                // White pieces are mostly white inside a black outline; Black
                // pieces mostly black, with light inner lines but for the pawn.
                EXPECT_GT(row == 0 ? white : black, 100);
                if (row == 0 || frame > 0) {
                    EXPECT_GT(row == 0 ? black : white, 10);
                }
            }
        }
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
