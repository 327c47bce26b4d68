#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstdint>

// A picture taken from one cell of a grid picture (a "filmstrip"), drawn
// opaque or with one colour see-through, at its own size, centred,
// stretched or tiled, with a pixel-exact test of whether the pointer is over
// a visible part. Every piece on the board is one: six frames across, one
// filmstrip per colour.
class TTransparentImage : public QWidget {
    Q_OBJECT

public:
    // Raster operations for drawing an opaque picture, by their codes.
    static constexpr std::uint32_t SRCCOPY = 0x00CC0020;
    static constexpr std::uint32_t SRCPAINT = 0x00EE0086;
    static constexpr std::uint32_t SRCAND = 0x008800C6;
    static constexpr std::uint32_t SRCINVERT = 0x00660046;
    static constexpr std::uint32_t SRCERASE = 0x00440328;
    static constexpr std::uint32_t NOTSRCCOPY = 0x00330008;
    static constexpr std::uint32_t NOTSRCERASE = 0x001100A6;
    static constexpr std::uint32_t MERGEPAINT = 0x00BB0226;
    static constexpr std::uint32_t DSTINVERT = 0x00550009;

    // A colour with red in the low byte (0x00BBGGRR); -1 means none.
    using TColor = std::int32_t;

    explicit TTransparentImage(QWidget* parent = nullptr);

    const QImage& Bitmain() const { return bitmain; }
    void SetBitmain(const QImage& picture);
    const QImage& Bitmap() const { return bitmap; }
    const QImage& Bitmask() const { return bitmask; }
    const QImage& Cutout() const { return cutout; }

    bool AutoResize() const { return autoResize; }
    void SetAutoResize(bool value);
    bool Center() const { return center; }
    void SetCenter(bool value);
    bool Stretch() const { return stretch; }
    void SetStretch(bool value);
    bool Tile() const { return tile; }
    void SetTile(bool value);
    std::uint32_t CopyMode() const { return copyMode; }
    void SetCopyMode(std::uint32_t value);
    int Frames() const { return frames; }
    void SetFrames(int value);
    int Filmstrips() const { return filmstrips; }
    void SetFilmstrips(int value);
    int ShowFrame() const { return showFrame; }
    void SetShowFrame(int value);
    int ShowFilmstrip() const { return showFilmstrip; }
    void SetShowFilmstrip(int value);
    bool Transparent() const { return transparent; }
    void SetTransparent(bool value);
    TColor TransparentColor() const { return transparentColor; }
    void SetTransparentColor(TColor value);

    // A picture drawn over the whole control in place of the cell, e.g. the
    // cell drawn again at the screen's resolution (its devicePixelRatio
    // set). Its see-through pixels decide the hit test while it is set; an
    // empty picture goes back to the cell.
    void SetDisplayPicture(const QImage& picture);
    const QImage& DisplayPicture() const { return display; }

    bool MouseOnImage() const { return mouseOnImage; }
    // Moves the control's top-left corner to (x, y).
    void SpriteMove(int x, int y);
    // Whether the control point lies over a visible pixel of the picture.
    bool HitTest(QPoint point) const;

    QSize sizeHint() const override { return {105, 105}; }

signals:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ExtractFrame();
    void BuildMask();
    void BuildCutout();
    void ResizeToBitmap();
    void ClearLayoutFlagsBut(bool* keep);
    void DrawImageAt(QPainter& painter, int x, int y);
    bool HasMaskColour() const;

    QImage bitmain;
    QImage bitmap;
    QImage bitmask;
    QImage cutout;
    // The picture with see-through pixels, made with the mask, so a paint
    // is a single transfer.
    QImage sprite;
    QImage display;
    bool autoResize = false;
    bool center = false;
    bool stretch = false;
    bool tile = false;
    std::uint32_t copyMode = SRCCOPY;
    int frames = 1;
    int filmstrips = 1;
    int showFrame = 0;
    int showFilmstrip = 0;
    bool transparent = false;
    TColor transparentColor = -1;
    bool mouseOnImage = false;
};
