// Build step: writes the piece-set pictures into <out>/pieces, with a note
// of their sources and licences in <out>/pieces/SOURCES.txt, and the board
// textures into <out>/texture.
//
//   make_pictures <out>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

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

// A picture file has no room for text, so the sources go into a note beside
// the pictures.
bool SaveSources(const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(PieceSetSources().toUtf8()) < 0
        || !file.commit()) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <out>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("pieces")) || !out.mkpath(QStringLiteral("texture"))) {
        std::fprintf(stderr, "make_pictures: cannot create the folders in %s\n", argv[1]);
        return 1;
    }
    try {
        for (const TGeneratedPieceSet& set : GeneratedPieceSets()) {
            const QImage picture = RenderPieceSet(StyleOf(set, set.frameSize));
            if (!Save(picture, out.filePath(QStringLiteral("pieces/%1.bmp").arg(QLatin1String(set.name))))) {
                return 1;
            }
        }
        if (!SaveSources(out.filePath(QStringLiteral("pieces/SOURCES.txt")))) {
            return 1;
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
