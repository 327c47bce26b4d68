#include <QImage>

#include "view/controls/line.h"

#include <gtest/gtest.h>

TEST(ArrowLine, HeadIsADartAtTheTip)
{
    struct Case {
        QPoint start, stop;
        int head;
        QPolygon expected;
    };
    const Case cases[] = {
        // ux = -10 and uy = -5 after rounding 11 * (-80 / 89.44) and 11 * (-40 / 89.44).
        {{85, 45}, {5, 5}, 11, QPolygon({{5, 5}, {40, 35}, {25, 15}, {50, 15}})},
        {{5, 5}, {45, 5}, 8, QPolygon({{45, 5}, {13, -3}, {29, 5}, {13, 13}})},
        {{5, 5}, {45, 45}, 0, QPolygon()},
        // A line of no length has no direction for a head.
        {{20, 20}, {20, 20}, 8, QPolygon()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.head);
        TLine line;
        line.SetStartX(c.start.x());
        line.SetStartY(c.start.y());
        line.SetStopX(c.stop.x());
        line.SetStopY(c.stop.y());
        line.SetArrowHead(c.head);
        EXPECT_EQ(line.HeadPolygon(), c.expected);
    }
}

TEST(ArrowLine, PaintsLineAndFilledHead)
{
    TLine line;
    line.resize(100, 60);
    line.SetStartX(5);
    line.SetStartY(30);
    line.SetStopX(95);
    line.SetStopY(30);
    line.SetArrowHead(10);
    line.SetPen(QPen(Qt::red, 2));
    line.SetBrush(QBrush(Qt::blue));
    QImage image(line.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    line.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(image.pixelColor(40, 30).red(), 255); // on the line
    EXPECT_EQ(image.pixelColor(84, 30), QColor(Qt::blue)); // inside the head
    EXPECT_EQ(image.pixelColor(40, 45), QColor(Qt::white)); // off it
}
