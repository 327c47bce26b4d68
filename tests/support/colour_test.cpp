#include "support/colour.h"

#include <gtest/gtest.h>

namespace {

TEST(Colours, ParseColourReadsEveryForm)
{
    const struct {
        const char* text;
        TColour colour;
    } cases[] = {
        {"255, 128,0", RgbColour(255, 128, 0)},
        {"300,0,0", RgbColour(44, 0, 0)},
        {"-1,x,7", RgbColour(255, 0, 7)},
        {"1,2", RgbColour(1, 2, 0)},
        {"clMaroon", clMaroon},
        {" CLRED ", clRed},
        {"$00FF0000", clBlue},
        {"255", clRed},
        {"0x00FF00", clLime},
        {"nonsense", clBlack},
        {"", clBlack},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseColour(QString::fromUtf8(c.text)), c.colour);
    }
    EXPECT_FALSE(ReadColour(QStringLiteral("nonsense")).has_value());
}

TEST(Colours, NamesRoundTripAndUnnamedColoursHaveNone)
{
    for (TColour colour : {clBlack, clMaroon, clMedGray, clSkyBlue, clCream, clWhite}) {
        const QString name = ColourToName(colour);
        ASSERT_FALSE(name.isEmpty());
        EXPECT_EQ(ColourFromName(name), colour);
    }
    EXPECT_EQ(ColourToName(clRed), u"clRed");
    EXPECT_TRUE(ColourToName(RgbColour(1, 2, 3)).isEmpty());
    EXPECT_EQ(RedOf(clRed), 255);
    EXPECT_EQ(BlueOf(clBlue), 255);
    EXPECT_EQ(GreenOf(clLime), 255);
}

} // namespace
