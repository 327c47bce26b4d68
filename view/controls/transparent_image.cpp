#include "view/controls/transparent_image.h"

#include <QMouseEvent>

#include "support/colour.h"

namespace {

constexpr std::int32_t HighestColour = 0x0FFFFFFF;

QRgb ToRgb(TTransparentImage::TColor colour)
{
    const auto value = static_cast<TColour>(colour);
    return qRgb(RedOf(value), GreenOf(value), BlueOf(value));
}

QPainter::CompositionMode ModeOf(std::uint32_t rop)
{
    using I = TTransparentImage;
    switch (rop) {
    case I::SRCPAINT:
        return QPainter::RasterOp_SourceOrDestination;
    case I::SRCAND:
        return QPainter::RasterOp_SourceAndDestination;
    case I::SRCINVERT:
        return QPainter::RasterOp_SourceXorDestination;
    case I::SRCERASE:
        return QPainter::RasterOp_SourceAndNotDestination;
    case I::NOTSRCCOPY:
        return QPainter::RasterOp_NotSource;
    case I::NOTSRCERASE:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case I::MERGEPAINT:
        return QPainter::RasterOp_NotSourceOrDestination;
    case I::DSTINVERT:
        return QPainter::RasterOp_NotDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

bool HasPixels(const QImage& picture)
{
    return picture.width() >= 1 && picture.height() >= 1;
}

} // namespace

TTransparentImage::TTransparentImage(QWidget* parent)
    : QWidget(parent)
{
    resize(105, 105);
    setMouseTracking(true);
}

void TTransparentImage::SetBitmain(const QImage& picture)
{
    bitmain = picture.convertToFormat(QImage::Format_RGB32);
    ExtractFrame();
}

void TTransparentImage::SetFrames(int value)
{
    if (value != frames) {
        frames = value;
        ExtractFrame();
    }
}

void TTransparentImage::SetFilmstrips(int value)
{
    if (value != filmstrips) {
        filmstrips = value;
        ExtractFrame();
    }
}

// The cell shown changes only at the next extraction, so a caller picks the
// cell before it hands over the picture.
void TTransparentImage::SetShowFrame(int value)
{
    if (value != showFrame) {
        showFrame = value;
        update();
    }
}

void TTransparentImage::SetShowFilmstrip(int value)
{
    if (value != showFilmstrip) {
        showFilmstrip = value;
        update();
    }
}

void TTransparentImage::SetTransparent(bool value)
{
    if (value != transparent) {
        transparent = value;
        BuildMask();
        update();
    }
}

void TTransparentImage::SetTransparentColor(TColor value)
{
    if (value != transparentColor) {
        transparentColor = value;
        BuildMask();
        update();
    }
}

void TTransparentImage::SetCopyMode(std::uint32_t value)
{
    if (value != copyMode) {
        copyMode = value;
        transparent = false;
        update();
    }
}

void TTransparentImage::ClearLayoutFlagsBut(bool* keep)
{
    for (bool* flag : {&autoResize, &center, &stretch, &tile}) {
        if (flag != keep) {
            *flag = false;
        }
    }
}

void TTransparentImage::SetAutoResize(bool value)
{
    if (value == autoResize) {
        return;
    }
    autoResize = value;
    if (value) {
        ClearLayoutFlagsBut(&autoResize);
        ResizeToBitmap();
    }
    update();
}

void TTransparentImage::SetCenter(bool value)
{
    if (value != center) {
        center = value;
        if (value) {
            ClearLayoutFlagsBut(&center);
        }
        update();
    }
}

void TTransparentImage::SetStretch(bool value)
{
    if (value != stretch) {
        stretch = value;
        if (value) {
            ClearLayoutFlagsBut(&stretch);
        }
        update();
    }
}

void TTransparentImage::SetTile(bool value)
{
    if (value != tile) {
        tile = value;
        if (value) {
            ClearLayoutFlagsBut(&tile);
        }
        update();
    }
}

void TTransparentImage::SpriteMove(int x, int y)
{
    if (x != this->x() || y != this->y()) {
        move(x, y);
    }
}

void TTransparentImage::ExtractFrame()
{
    if (HasPixels(bitmain)) {
        if (frames > 1 || filmstrips > 1) {
            const int w = bitmain.width() / std::max(frames, 1);
            const int h = bitmain.height() / std::max(filmstrips, 1);
            bitmap = bitmain.copy(w * showFrame, h * showFilmstrip, w, h);
        } else {
            bitmap = bitmain;
        }
        BuildMask();
        if (autoResize) {
            ResizeToBitmap();
        }
    }
    update();
}

void TTransparentImage::ResizeToBitmap()
{
    if (HasPixels(bitmap)) {
        resize(bitmap.size());
    }
}

bool TTransparentImage::HasMaskColour() const
{
    return transparentColor >= 0 && transparentColor <= HighestColour && HasPixels(bitmap);
}

void TTransparentImage::BuildMask()
{
    if (!transparent || !HasMaskColour()) {
        return;
    }
    const QRgb key = ToRgb(transparentColor);
    bitmask = QImage(bitmap.size(), QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(bitmap.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(bitmask.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x) {
            out[x] = (in[x] & RGB_MASK) == (key & RGB_MASK) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        }
    }
    BuildCutout();
}

void TTransparentImage::BuildCutout()
{
    if (!HasMaskColour()) {
        return;
    }
    const QRgb key = ToRgb(transparentColor);
    cutout = bitmap;
    sprite = QImage(bitmap.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < bitmap.height(); ++y) {
        auto* cut = reinterpret_cast<QRgb*>(cutout.scanLine(y));
        auto* see = reinterpret_cast<QRgb*>(sprite.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x) {
            const bool clear = (cut[x] & RGB_MASK) == (key & RGB_MASK);
            see[x] = clear ? 0 : (cut[x] | 0xFF000000);
            if (clear) {
                cut[x] = qRgb(0, 0, 0);
            }
        }
    }
}

void TTransparentImage::DrawImageAt(QPainter& painter, int x, int y)
{
    const bool seeThrough = transparent && bitmask.width() > 0;
    const QImage& picture = seeThrough ? sprite : bitmap;
    painter.setCompositionMode(seeThrough ? QPainter::CompositionMode_SourceOver : ModeOf(copyMode));
    if (stretch) {
        painter.drawImage(QRect(x, y, width() - x, height() - y), picture);
    } else {
        painter.drawImage(x, y, picture);
    }
}

void TTransparentImage::SetDisplayPicture(const QImage& picture)
{
    display = picture;
    update();
}

void TTransparentImage::paintEvent(QPaintEvent*)
{
    if (HasPixels(display)) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), display);
        return;
    }
    if (!HasPixels(bitmap)) {
        return;
    }
    QPainter painter(this);
    const int bw = bitmap.width();
    const int bh = bitmap.height();
    if (tile) {
        for (int i = 0; i <= width() / bw; ++i) {
            for (int j = 0; j <= height() / bh; ++j) {
                DrawImageAt(painter, i * bw, j * bh);
            }
        }
    } else if (center) {
        DrawImageAt(painter, (width() - bw) / 2, (height() - bh) / 2);
    } else {
        DrawImageAt(painter, 0, 0);
    }
}

bool TTransparentImage::HitTest(QPoint point) const
{
    if (HasPixels(display)) {
        if (!rect().contains(point)) {
            return false;
        }
        const int a = point.x() * display.width() / width();
        const int b = point.y() * display.height() / height();
        return qAlpha(display.pixel(a, b)) >= 128;
    }
    const int bw = bitmap.width();
    const int bh = bitmap.height();
    if (bw < 1 || bh < 1) {
        return false;
    }
    int a = point.x();
    int b = point.y();
    if (center) {
        a -= (width() - bw) / 2;
        b -= (height() - bh) / 2;
    } else if (stretch) {
        // A control with no area shows nothing to be over.
        if (width() < 1 || height() < 1) {
            return false;
        }
        a = a * bw / width();
        b = b * bh / height();
    } else if (tile) {
        a = ((a % bw) + bw) % bw;
        b = ((b % bh) + bh) % bh;
    }
    if (a < 0 || a >= bw || b < 0 || b >= bh) {
        return false;
    }
    if (!transparent || bitmask.width() == 0) {
        return true;
    }
    return a < bitmask.width() && b < bitmask.height() && qRed(bitmask.pixel(a, b)) == 0;
}

void TTransparentImage::mouseMoveEvent(QMouseEvent* event)
{
    mouseOnImage = HitTest(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void TTransparentImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QWidget::mouseReleaseEvent(event);
}

void TTransparentImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
    }
    QWidget::mouseDoubleClickEvent(event);
}
