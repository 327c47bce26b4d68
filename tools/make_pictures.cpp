// Build step: writes the piece-set pictures into <out>/pieces and the board
// textures into <out>/texture.
//
//   make_pictures <out> <serif font> <sans font> <sans bold font>
#include <QDir>
#include <QGuiApplication>

#include "tools/piece_set_renderer.h"
#include "tools/piece_set_table.h"
#include "tools/texture_renderer.h"

#include <cstdio>
#include <exception>

namespace {

struct NamedTexture {
    const char* name;
    TextureKind kind;
};

constexpr NamedTexture Textures[] = {
    {"Wood", TextureKind::Wood},
    {"Marble", TextureKind::Marble},
    {"Linen", TextureKind::Linen},
};

constexpr int TextureSize = 256;

bool Save(const QImage& picture, const QString& path)
{
    if (!picture.save(path, "BMP")) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: make_pictures <out> <serif font> <sans font> <sans bold font>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString fonts[]
        = {QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4])};
    if (!out.mkpath(QStringLiteral("pieces")) || !out.mkpath(QStringLiteral("texture"))) {
        std::fprintf(stderr, "make_pictures: cannot create the folders in %s\n", argv[1]);
        return 1;
    }
    try {
        for (const TGeneratedPieceSet& set : GeneratedPieceSets()) {
            const QImage picture = RenderPieceSet({fonts[set.font], set.frameSize});
            if (!Save(picture, out.filePath(QStringLiteral("pieces/%1.bmp").arg(QLatin1String(set.name))))) {
                return 1;
            }
        }
        for (const NamedTexture& texture : Textures) {
            const QImage picture = RenderTexture(texture.kind, TextureSize);
            if (!Save(picture,
                    out.filePath(QStringLiteral("texture/%1.bmp").arg(QLatin1String(texture.name))))) {
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_pictures: %s\n", error.what());
        return 1;
    }
    return 0;
}
