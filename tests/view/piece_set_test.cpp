#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "settings/data_folder.h"
#include "settings/figure_map.h"
#include "settings/options.h"
#include "view/piece_pictures.h"

#include <gtest/gtest.h>

namespace {

class PieceSetLoading : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        savedDataDir = DataDir;
        DataDir = root.path() + u'/';
        QDir().mkpath(DataDir + QStringLiteral("pieces"));
    }
    void TearDown() override { DataDir = savedDataDir; }

    // A set whose every frame is filled with its own grey, on blue corners.
    void WriteSet(const QString& name, int frame)
    {
        QImage picture(6 * frame, 2 * frame, QImage::Format_RGB32);
        picture.fill(qRgb(0, 0, 255));
        for (int i = 0; i < 12; ++i) {
            for (int y = 2; y < frame - 2; ++y) {
                for (int x = 2; x < frame - 2; ++x) {
                    picture.setPixel((i % 6) * frame + x, (i / 6) * frame + y, qRgb(i * 20, i * 20, i * 20));
                }
            }
        }
        ASSERT_TRUE(picture.save(PieceSetPath(name), "BMP"));
    }

    QTemporaryDir root;
    QString savedDataDir;
};

TEST_F(PieceSetLoading, LegacyNumberLoadsTheNamedSet)
{
    WriteSet(QStringLiteral("Std Xtra large"), 60);
    QString name = QStringLiteral("9");
    QImage picture;
    ASSERT_TRUE(LoadPieceSetPicture(name, picture, nullptr));
    EXPECT_EQ(name, QStringLiteral("Std Xtra large"));
    EXPECT_EQ(picture.size(), QSize(360, 120));
    // The black knight is the frame at (60, 60).
    EXPECT_EQ(PieceFrameRect(picture, 1, 5), QRect(60, 60, 60, 60));
    EXPECT_EQ(picture.pixel(90, 90), qRgb(140, 140, 140));
}

TEST_F(PieceSetLoading, MissingOrBrokenSetIsReportedByFileName)
{
    QString name = QStringLiteral("Nowhere");
    QImage picture;
    QString fileName;
    EXPECT_FALSE(LoadPieceSetPicture(name, picture, &fileName));
    EXPECT_EQ(fileName, QStringLiteral("Nowhere.bmp"));
    EXPECT_TRUE(picture.isNull());
    QFile broken(PieceSetPath(QStringLiteral("Broken")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM not a picture");
    broken.close();
    name = QStringLiteral("Broken");
    EXPECT_FALSE(LoadPieceSetPicture(name, picture, &fileName));
    EXPECT_EQ(fileName, QStringLiteral("Broken.bmp"));
}

TEST_F(PieceSetLoading, FramesAreDrawnAtTheScreensResolution)
{
    WriteSet(QStringLiteral("Own"), 40);
    QString name = QStringLiteral("Own");
    QImage picture;
    ASSERT_TRUE(LoadPieceSetPicture(name, picture, nullptr));
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        // A user's own set is scaled smoothly; its blue stays see-through.
        const QImage own = RenderPieceForScreen(name, picture, 0, 6, {32, 32}, ratio);
        EXPECT_EQ(own.size(), QSize(32, 32) * ratio);
        EXPECT_EQ(own.devicePixelRatio(), ratio);
        EXPECT_EQ(qAlpha(own.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(own.pixel(own.width() / 2, own.height() / 2)), 255);
    }
    // A generated set, whether from a font or from outlines drawn here, is
    // drawn again rather than scaled from the picture it was given (whose
    // Black queen frame is plain grey 200): at twice the size it has smooth
    // edges of its own.
    for (const QString& generated : {QStringLiteral("Modern"), QStringLiteral("Rounded 4")}) {
        SCOPED_TRACE(qPrintable(generated));
        const QImage piece = RenderPieceForScreen(generated, picture, 1, 2, {44, 44}, 2.0);
        ASSERT_EQ(piece.size(), QSize(88, 88));
        int partial = 0;
        int givenGrey = 0;
        for (int y = 0; y < piece.height(); ++y) {
            for (int x = 0; x < piece.width(); ++x) {
                const int alpha = qAlpha(piece.pixel(x, y));
                partial += alpha > 0 && alpha < 255;
                givenGrey += piece.pixel(x, y) == qRgb(200, 200, 200);
            }
        }
        EXPECT_GT(partial, 50);
        EXPECT_EQ(givenGrey, 0);
    }
}

// Older settings and game files name sets by number; every number must load
// a picture the build made, or the program would stop with message 1016.
TEST(BuiltPieceSets, EveryLegacyNumberLoadsAPicture)
{
    const QString savedDataDir = DataDir;
    DataDir = QStringLiteral(QUARVEL_DATA_DIR);
    const char* const names[] = {"Modern", "Classic", "Staunton 8", "Staunton 24", "Oriental 4", "Oriental 8",
        "Std Small", "Std Medium", "Std Large", "Std Xtra large", "Rounded 4", "Rounded 8"};
    for (int number = 0; number < 12; ++number) {
        SCOPED_TRACE(number);
        for (const QString& stored : {QString::number(number), QString::fromLatin1(names[number])}) {
            QString name = stored;
            QImage picture;
            QString missing;
            EXPECT_TRUE(LoadPieceSetPicture(name, picture, &missing)) << qPrintable(missing);
            EXPECT_EQ(name, QLatin1String(names[number]));
            // Six square frames across, two down.
            EXPECT_EQ(picture.width() % 6, 0);
            EXPECT_EQ(picture.width() / 6, picture.height() / 2);
        }
    }
    DataDir = savedDataDir;
}

TEST(FigurineGlyph, MapPositionsAndCase)
{
    const QString map = QStringLiteral("kqrbnplwtvmo*+12345789");
    struct Case {
        bool dark;
        int colour;
        int kind;
        QChar glyph;
    };
    const Case cases[] = {
        {true, 0, 5, u'N'}, // White knight, dark square
        {false, 1, 2, u'w'}, // Black queen, light square
        {true, 0, 0, u'+'}, // empty dark square
        {false, 0, 0, u'*'}, // empty light square
        {false, 0, 1, u'k'},
        {true, 1, 6, u'O'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FigurineGlyph(map, c.dark, c.colour, c.kind), c.glyph) << c.colour << c.kind << c.dark;
    }
    EXPECT_EQ(FigurineGlyph(QStringLiteral("kqr"), false, 1, 6), u' ');
    ResetOptions(Options);
    Options.FigureFont = QStringLiteral("Chess Merida");
    EXPECT_EQ(FigurineGlyph(true, 0, 5), u'N');
    ResetOptions(Options);
}

} // namespace
