#include "view/piece_pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include "settings/data_folder.h"
#include "settings/piece_set_names.h"
#include "tools/piece_set_renderer.h"
#include "tools/piece_set_table.h"

#include <cmath>
#include <exception>

namespace {

bool ValidPiece(int colour, int kind)
{
    return (colour == 0 || colour == 1) && kind >= 1 && kind <= 6;
}

// Pure blue becomes see-through, everything else opaque.
QImage WithAlpha(const QImage& frame)
{
    QImage out = frame.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & RGB_MASK) == (TransparentBlue & RGB_MASK)) {
                line[x] = 0;
            }
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Rendering a whole set from a font takes tens of milliseconds, so each
// size is drawn once.
const QImage& RenderedSet(const TGeneratedPieceSet& set, int frameSize)
{
    static QHash<QString, QImage> cache;
    const QString key = QStringLiteral("%1/%2").arg(QLatin1String(set.name)).arg(frameSize);
    auto found = cache.find(key);
    if (found != cache.end()) {
        return *found;
    }
    QImage picture;
    const PieceSetStyle style = StyleOf(set, frameSize);
    // Without its font (a copy moved to another machine) the set's own
    // picture is scaled instead.
    if (style.fontFile.isEmpty() || QFileInfo::exists(style.fontFile)) {
        try {
            picture = RenderPieceSetSmooth(style);
        } catch (const std::exception&) {
            picture = QImage();
        }
    }
    return *cache.insert(key, picture);
}

} // namespace

QString PieceSetPath(const QString& setName)
{
    return DataDir + QStringLiteral("pieces/") + setName + QStringLiteral(".bmp");
}

bool LoadPieceSetPicture(QString& setName, QImage& picture, QString* fileName)
{
    setName = PieceSetName(setName);
    const QString path = PieceSetPath(setName);
    QImage loaded;
    // A picture too small for six frames across and two down is no set.
    if (!QFile::exists(path) || !loaded.load(path) || loaded.width() < 6 || loaded.height() < 2) {
        if (fileName != nullptr) {
            *fileName = setName + QStringLiteral(".bmp");
        }
        return false;
    }
    picture = loaded.convertToFormat(QImage::Format_RGB32);
    return true;
}

QRect PieceFrameRect(const QImage& set, int colour, int kind)
{
    const int w = set.width() / 6;
    const int h = set.height() / 2;
    return {w * (6 - kind), h * colour, w, h};
}

QImage RenderPieceForScreen(
    const QString& setName, const QImage& set, int colour, int kind, QSize pieceSize, qreal ratio)
{
    if (!ValidPiece(colour, kind) || pieceSize.isEmpty() || set.isNull()) {
        return {};
    }
    const QSize device(static_cast<int>(std::lround(pieceSize.width() * ratio)),
        static_cast<int>(std::lround(pieceSize.height() * ratio)));
    QImage frame;
    const TGeneratedPieceSet* generated = FindGeneratedPieceSet(setName);
    if (generated != nullptr && device.width() == device.height()) {
        const QImage& drawn = RenderedSet(*generated, device.width());
        if (!drawn.isNull()) {
            frame = drawn.copy(
                device.width() * (6 - kind), device.height() * colour, device.width(), device.height());
        }
    }
    if (frame.isNull()) {
        const QImage cell = WithAlpha(set.copy(PieceFrameRect(set, colour, kind)));
        frame = cell.size() == device ? cell
                                      : cell.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    frame.setDevicePixelRatio(ratio);
    return frame;
}

QImage LoadTexture(const QString& textureName)
{
    if (textureName.isEmpty() || textureName == QStringLiteral("(none)")) {
        return {};
    }
    QImage picture;
    const QString path = DataDir + QStringLiteral("texture/") + textureName + QStringLiteral(".bmp");
    if (!QFile::exists(path) || !picture.load(path)) {
        return {};
    }
    return picture;
}
