#include <QImage>

#include "view/controls/transparent_image.h"

#include <gtest/gtest.h>

namespace {

constexpr TTransparentImage::TColor PureBlue = 0x00FF0000;

// A 6 x 2 grid of 60-pixel cells, each filled with a colour that names it.
QImage GridPicture()
{
    QImage picture(360, 120, QImage::Format_RGB32);
    for (int row = 0; row < 2; ++row) {
        for (int frame = 0; frame < 6; ++frame) {
            for (int y = 0; y < 60; ++y) {
                for (int x = 0; x < 60; ++x) {
                    picture.setPixel(frame * 60 + x, row * 60 + y, qRgb(frame * 40, row * 200, 7));
                }
            }
        }
    }
    return picture;
}

// A 32 x 32 picture: pure blue but for a red square in its middle.
QImage Sprite()
{
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));
    for (int y = 8; y < 24; ++y) {
        for (int x = 8; x < 24; ++x) {
            picture.setPixel(x, y, qRgb(255, 0, 0));
        }
    }
    return picture;
}

} // namespace

TEST(SpriteImage, ShowsTheCellChosenBeforeThePictureArrives)
{
    TTransparentImage image;
    image.SetFrames(6);
    image.SetFilmstrips(2);
    image.SetShowFrame(4);
    image.SetShowFilmstrip(1);
    image.SetBitmain(GridPicture());
    ASSERT_EQ(image.Bitmap().size(), QSize(60, 60));
    EXPECT_EQ(image.Bitmap().pixel(0, 0), qRgb(160, 200, 7));

    // Choosing another cell takes effect only when the cells are cut again.
    image.SetShowFrame(0);
    EXPECT_EQ(image.Bitmap().pixel(0, 0), qRgb(160, 200, 7));
    image.SetFrames(3);
    image.SetFrames(6);
    EXPECT_EQ(image.Bitmap().pixel(0, 0), qRgb(0, 200, 7));

    // An empty picture is ignored.
    image.SetBitmain(QImage());
    EXPECT_EQ(image.Bitmap().size(), QSize(60, 60));
}

TEST(SpriteImage, LayoutFlagsExcludeEachOtherAndCopyModeClearsTransparency)
{
    TTransparentImage image;
    image.SetTile(true);
    image.SetStretch(true);
    EXPECT_FALSE(image.Tile());
    EXPECT_TRUE(image.Stretch());
    image.SetCenter(true);
    EXPECT_FALSE(image.Stretch());

    image.SetBitmain(Sprite());
    image.SetAutoResize(true);
    EXPECT_FALSE(image.Center());
    EXPECT_EQ(image.size(), QSize(32, 32));

    image.SetTransparentColor(PureBlue);
    image.SetTransparent(true);
    image.SetCopyMode(TTransparentImage::SRCAND);
    EXPECT_FALSE(image.Transparent());
}

TEST(SpriteImage, MaskAndCutoutFromTheTransparentColour)
{
    TTransparentImage image;
    image.SetBitmain(Sprite());
    image.SetTransparentColor(PureBlue);
    EXPECT_TRUE(image.Bitmask().isNull()); // no mask until transparency is on
    image.SetTransparent(true);
    ASSERT_EQ(image.Bitmask().size(), QSize(32, 32));
    EXPECT_EQ(image.Bitmask().pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.Bitmask().pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(image.Cutout().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.Cutout().pixel(10, 10), qRgb(255, 0, 0));

    // "None" and system colours build no mask; the older one stays in use.
    image.SetTransparentColor(-1);
    EXPECT_EQ(image.Bitmask().pixel(0, 0), qRgb(255, 255, 255));
}

TEST(SpriteImage, HitTestIsPixelExact)
{
    TTransparentImage image;
    image.resize(105, 105);
    image.SetBitmain(Sprite());
    image.SetTransparentColor(PureBlue);
    image.SetTransparent(true);
    image.SetCenter(true);
    // With the picture centred, control point (36, 36) is picture point (0, 0).
    EXPECT_FALSE(image.HitTest({36, 36}));
    EXPECT_TRUE(image.HitTest({36 + 10, 36 + 10}));
    EXPECT_FALSE(image.HitTest({10, 10})); // off the picture

    image.SetTransparent(false);
    EXPECT_TRUE(image.HitTest({36, 36}));

    image.SetTile(true);
    image.SetTransparent(true);
    EXPECT_TRUE(image.HitTest({32 + 10, 64 + 10}));
    EXPECT_FALSE(image.HitTest({32 + 1, 64 + 1}));

    image.SetStretch(true);
    image.resize(0, 50);
    EXPECT_FALSE(image.HitTest({0, 10})); // a control with no width
}

TEST(SpriteImage, PaintsSeeThroughTiledAndStretched)
{
    TTransparentImage image;
    image.resize(70, 70);
    image.SetBitmain(Sprite());
    image.SetTransparentColor(PureBlue);
    image.SetTransparent(true);
    image.SetTile(true);
    QImage canvas(70, 70, QImage::Format_RGB32);
    canvas.fill(Qt::green);
    image.render(&canvas, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(canvas.pixel(2, 2), qRgb(0, 255, 0)); // the background shows through
    EXPECT_EQ(canvas.pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(64 + 5, 64 + 5), qRgb(0, 255, 0)); // the third tile starts at 64
    EXPECT_EQ(canvas.pixel(32 + 10, 32 + 10), qRgb(255, 0, 0));

    image.SetStretch(true);
    image.SetTransparent(false);
    canvas.fill(Qt::green);
    image.render(&canvas, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(canvas.pixel(2, 2), qRgb(0, 0, 255)); // opaque: the key colour is drawn
    EXPECT_EQ(canvas.pixel(35, 35), qRgb(255, 0, 0)); // the middle, stretched
}
