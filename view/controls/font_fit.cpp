#include "view/controls/font_fit.h"

#include <QFontMetrics>

#include <algorithm>

QFont FontToFit(const QFont& font, const QString& text, int width)
{
    QFont fitted = font;
    const int room = std::max(1, width);
    // Shrinking by the ratio of widths can still leave a pixel or two over,
    // as glyph widths round; a few more steps settle it.
    for (int step = 0; step < 8; ++step) {
        const int needed = QFontMetrics(fitted).horizontalAdvance(text);
        if (needed <= room) {
            break;
        }
        if (fitted.pointSizeF() > 0) {
            fitted.setPointSizeF(std::max(1.0, fitted.pointSizeF() * room / needed - 0.25));
        } else {
            fitted.setPixelSize(std::max(1, fitted.pixelSize() * room / needed - 1));
        }
    }
    return fitted;
}
