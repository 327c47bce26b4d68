#include <QFontMetrics>
#include <QImage>

#include "view/controls/clock_face.h"
#include "view/controls/clock_face_geometry.h"
#include "view/controls/clock_time.h"
#include "view/controls/font_fit.h"

#include <cstdlib>
#include <gtest/gtest.h>

using clock_time::Instant;

namespace {

constexpr Instant Second = 1000;
constexpr Instant Day = clock_time::MillisecondsPerDay;

Instant fakeNow = 0;
Instant FakeNow()
{
    return fakeNow;
}

// Drives the clocks from a hand-set "now".
class ClockFaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fakeNow = 10 * Day + 12 * 3600 * Second;
        clock_time::SetNowSource(&FakeNow);
    }
    void TearDown() override { clock_time::SetNowSource(nullptr); }
};

// Antialiased edges may shift a channel by a few steps.
bool Near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) < 16 && std::abs(a.green() - b.green()) < 16
        && std::abs(a.blue() - b.blue()) < 16;
}

Instant At(int h, int m, int s, int ms)
{
    return clock_time::EncodeTime({h, m, s, ms});
}

} // namespace

TEST(ClockTicks, ConvertBothWaysKeepingWholeTicks)
{
    struct Case {
        Instant time;
        quint32 ticks;
        Instant back;
    };
    const Case cases[] = {
        {At(18, 0, 5, 788), 1179465, At(18, 0, 5, 769)},
        {At(0, 0, 0, 0), 0, At(0, 0, 0, 0)},
        {At(0, 1, 0, 0), 1092, At(0, 1, 0, 0)},
        {At(1, 0, 0, 0), 65520, At(1, 0, 0, 0)},
        {At(23, 59, 59, 999), 23 * 65520 + 59 * 1092 + 1073 + 18, At(23, 59, 59, 934)},
        // Only the time of day counts: a day and five seconds reads as five seconds.
        {Day + 5 * Second, 91, 5 * Second},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.time);
        EXPECT_EQ(clock_time::TimeToTicks(c.time), c.ticks);
        EXPECT_EQ(clock_time::TicksToTime(c.ticks), c.back % Day);
    }
    EXPECT_FALSE(clock_time::TicksToTime(1572480).has_value());
    EXPECT_TRUE(clock_time::TicksToTime(1572479).has_value());
}

TEST(ClockGeometry, DigitalTextFollowsTheFieldsShown)
{
    const Instant ninetySeconds = 90 * Second + 456;
    EXPECT_EQ(clock_geometry::DigitalText(ninetySeconds, true, true, false), "00:01:30");
    EXPECT_EQ(clock_geometry::DigitalText(ninetySeconds, false, true, false), "01:30");
    EXPECT_EQ(clock_geometry::DigitalText(ninetySeconds, true, true, true), "00:01:30.45");
    EXPECT_EQ(clock_geometry::DigitalText(ninetySeconds, true, false, false), "00:01");
    EXPECT_EQ(clock_geometry::DigitalText(At(13, 5, 9, 0), false, false, false), "05");
}

TEST(ClockGeometry, AnalogueFaceOf64Pixels)
{
    using clock_geometry::Corners;
    EXPECT_EQ(clock_geometry::FaceBox(64, 64), (Corners {0, 0, 63, 63}));
    EXPECT_EQ(clock_geometry::FaceBox(100, 64), (Corners {18, 0, 81, 63}));

    const QVector<Corners> marks = clock_geometry::FaceMarks(64, 64);
    ASSERT_EQ(marks.size(), 12);
    EXPECT_EQ(marks[0], (Corners {31, 3, 33, 6}));
    for (int i = 4; i < 12; ++i) {
        EXPECT_EQ(marks[i].right - marks[i].left, 1);
        EXPECT_EQ(marks[i].bottom - marks[i].top, 1);
    }

    const QPolygon second = clock_geometry::HandShape(64, 64, 1, 0);
    ASSERT_EQ(second.size(), 2);
    EXPECT_EQ(second.point(0), QPoint(32, 4)); // 28 pixels above the centre

    const QPolygon hour = clock_geometry::HandShape(64, 64, 4, 0);
    ASSERT_EQ(hour.size(), 4);
    EXPECT_EQ(hour.point(1), QPoint(34, 32));
    EXPECT_EQ(hour.point(3), QPoint(30, 32));
    EXPECT_EQ(hour.point(2), QPoint(32, 34));

    const QPolygon minuteAtThree = clock_geometry::HandShape(64, 64, 2, 90);
    EXPECT_EQ(minuteAtThree.point(0), QPoint(32 + 26, 32));
}

TEST_F(ClockFaceTest, StoppedIntervalIsNotCountedAndLapRestarts)
{
    TClockFace clock;
    clock.Reset();
    EXPECT_FALSE(clock.Running());
    clock.SetRunning(true);
    fakeNow += 30 * Second;
    clock.Tick();
    EXPECT_EQ(clock.FullTime(), 30 * Second);

    clock.SetRunning(false);
    fakeNow += 10 * Second;
    clock.Tick(); // a stopped clock takes no reading
    EXPECT_EQ(clock.FullTime(), 30 * Second);
    clock.SetRunning(true);
    EXPECT_EQ(clock.FullTime(), 30 * Second);
    EXPECT_EQ(clock.LapTime(), 0);

    fakeNow += 5 * Second;
    clock.Tick();
    EXPECT_EQ(clock.FullTime(), 35 * Second);
    EXPECT_EQ(clock.LapTicks(), 91u);
}

TEST_F(ClockFaceTest, ElapsedTimeRunsOnAcrossMidnight)
{
    fakeNow = 10 * Day + At(23, 59, 50, 0);
    TClockFace clock;
    clock.Reset();
    clock.SetRunning(true);
    fakeNow = 11 * Day + At(0, 0, 10, 0);
    clock.Tick();
    EXPECT_EQ(clock.FullTime(), 20 * Second);
    EXPECT_EQ(clock.FullTicks(), 364u);
}

TEST_F(ClockFaceTest, FullTimeAndTickSetters)
{
    TClockFace clock;
    clock.SetFullTime(90 * Second);
    EXPECT_EQ(clock.FullTime(), 90 * Second);
    EXPECT_EQ(clock.LapTime(), 0);

    EXPECT_TRUE(clock.SetFullTicks(1092));
    EXPECT_EQ(clock.FullTime(), 60 * Second);
    EXPECT_FALSE(clock.SetFullTicks(1572480));
    EXPECT_EQ(clock.FullTime(), 60 * Second);
    EXPECT_FALSE(clock.SetStartTicks(2000000));
}

TEST_F(ClockFaceTest, SecondsAndHundredthsAndTheTimer)
{
    TClockFace clock;
    clock.SetShowSeconds(false);
    clock.SetShowHunds(true);
    EXPECT_TRUE(clock.ShowSeconds());
    clock.SetShowSeconds(false);
    EXPECT_FALSE(clock.ShowHunds());

    EXPECT_EQ(clock.TimerInterval(), 0);
    clock.SetAutoSet(true);
    EXPECT_TRUE(clock.Running());
    EXPECT_EQ(clock.TimerInterval(), 2000);
    clock.SetShowSeconds(true);
    EXPECT_EQ(clock.TimerInterval(), 200);
    clock.SetShowHunds(true);
    EXPECT_EQ(clock.TimerInterval(), 50);

    clock.SetRunning(false);
    EXPECT_FALSE(clock.AutoSet());
    EXPECT_EQ(clock.TimerInterval(), 0);
}

TEST_F(ClockFaceTest, PaintsDigitalTextAndAnalogueFace)
{
    TClockFace clock;
    clock.resize(120, 40);
    clock.SetDigital(true);
    clock.SetBevel(TClockFace::TBevel::Lowered);
    clock.SetFullTime(90 * Second);
    const QImage digital = clock.grab().toImage();
    EXPECT_EQ(clock.Caption(), "00:01:30");
    EXPECT_EQ(digital.pixelColor(60, 2), QColor(0, 255, 255)); // the face colour fills the box

    clock.resize(64, 64);
    clock.SetDigital(false);
    clock.SetFullTime(15 * 60 * Second);
    const QImage analogue = clock.grab().toImage();
    EXPECT_TRUE(Near(analogue.pixelColor(32, 5), Qt::red)); // the second hand points to 12
    EXPECT_TRUE(Near(analogue.pixelColor(45, 32), Qt::black)); // the minute hand to 3
    EXPECT_TRUE(Near(analogue.pixelColor(20, 32), QColor(0, 255, 255))); // nothing points to 9
}

TEST(FontToFit, ALargeFontShrinksToTheBox)
{
    const QString text = QStringLiteral("00:01:30.45");
    struct Case {
        double points;
        int width;
        bool shrinks;
    } const cases[] = {{9, 200, false}, {18, 86, true}, {36, 40, true}, {9, 2, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        QFont font;
        font.setPointSizeF(c.points);
        const QFont fitted = FontToFit(font, text, c.width);
        EXPECT_EQ(fitted.pointSizeF() < c.points, c.shrinks);
        if (c.width > 20) {
            EXPECT_LE(QFontMetrics(fitted).horizontalAdvance(text), c.width);
        }
    }
}
