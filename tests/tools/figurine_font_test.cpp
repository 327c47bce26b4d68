#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QRawFont>

#include <gtest/gtest.h>

namespace {

// How much of a 100-pixel cell the character inks.
int Ink(const QFont& font, QChar c)
{
    QImage cell(100, 100, QImage::Format_Grayscale8);
    cell.fill(Qt::white);
    QPainter painter(&cell);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, 100, 100), Qt::AlignCenter, QString(c));
    painter.end();
    int ink = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            ink += qGray(cell.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    return ink;
}

} // namespace

TEST(FigurineFont, DrawsEveryMappedSquare)
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(QUARVEL_FIGURINE_FONT));
    ASSERT_GE(id, 0);
    ASSERT_EQ(QFontDatabase::applicationFontFamilies(id).value(0), "Chess");
    QFont font(QStringLiteral("Chess"));
    font.setPixelSize(80);

    EXPECT_EQ(Ink(font, '='), 0); // an empty light square
    const int darkSquare = Ink(font, '+');
    EXPECT_GT(darkSquare, 1000);
    // White pieces, then Black, as light-square letters; the upper case is
    // the same piece on a hatched dark square.
    for (QChar piece : QStringLiteral("kqrbhplwtnjo")) {
        SCOPED_TRACE(piece.toLatin1());
        const int light = Ink(font, piece);
        const int dark = Ink(font, piece.toUpper());
        EXPECT_GT(light, 200);
        EXPECT_GT(dark, light);
        EXPECT_LT(dark, light + darkSquare); // the hatching stops short of the piece
    }
    // Solid Black pieces ink more than the outlined White ones.
    EXPECT_GT(Ink(font, 'l'), Ink(font, 'k'));
    EXPECT_GT(Ink(font, 'o'), Ink(font, 'p'));
}

// The font is drawn from another font's outlines, so it names that font, its
// Debian package and its licence; text in the name table is stored both as
// plain bytes and as big-endian UTF-16.
TEST(FigurineFont, NamesItsSourceAndLicence)
{
    const QRawFont font(QStringLiteral(QUARVEL_FIGURINE_FONT), 12);
    ASSERT_TRUE(font.isValid());
    const QByteArray names = font.fontTable("name");
    const auto holds = [&names](const char* text) {
        QByteArray wide;
        for (const char* c = text; *c != 0; ++c) {
            wide.append('\0').append(*c);
        }
        return names.contains(text) || names.contains(wide);
    };
    for (const char* text :
        {"FreeSerif.ttf", "fonts-freefont-ttf", "GNU General Public License", "font exception"}) {
        EXPECT_TRUE(holds(text)) << text;
    }
}
