#include "view/controls/clock_face_geometry.h"

#include "view/controls/clock_time.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace clock_geometry {

QRect ClockRect(const Corners& c)
{
    return QRect(QPoint(c.left, c.top), QPoint(c.right - 1, c.bottom - 1));
}

Corners FaceBox(int width, int height)
{
    const int d = std::min(width, height);
    return {(width - d) / 2, (height - d) / 2, (width + d) / 2 - 1, (height + d) / 2 - 1};
}

namespace {

// A square of side a with one corner at p, reaching toward the vertical
// centre line and away from the horizontal one.
Corners SmallSquare(QPoint p, int cx, int cy, int a)
{
    const int x2 = p.x() > cx ? p.x() - a : p.x() + a;
    const int y2 = p.y() < cy ? p.y() - a : p.y() + a;
    return {std::min(p.x(), x2), std::min(p.y(), y2), std::max(p.x(), x2), std::max(p.y(), y2)};
}

} // namespace

QVector<Corners> FaceMarks(int w, int h)
{
    const int d = std::min(w, h) - 6;
    const int cx = w / 2;
    const int cy = h / 2;
    const int v = d / 2;
    const int f = 433 * d / 1000;
    const int a = d / 80 + 1;

    QVector<Corners> marks = {
        {cx - d / 40, (h - d) / 2, cx + d / 32, (h - d) / 2 + d / 16},
        {(w + d) / 2 - d / 16, cy - d / 40, (w + d) / 2, cy + d / 32},
        {cx - d / 40, (h + d) / 2 - d / 16, cx + d / 32, (h + d) / 2},
        {(w - d) / 2, cy - d / 40, (w - d) / 2 + d / 16, cy + d / 32},
    };
    const QPoint corners[] = {
        {(w + v) / 2, cy - f},
        {cx + f, (h - v) / 2},
        {cx + f, (h + v) / 2},
        {(w + v) / 2, cy + f},
        {(w - v) / 2, cy + f},
        {cx - f, (h + v) / 2},
        {cx - f, (h - v) / 2},
        {(w - v) / 2, cy - f},
    };
    for (const QPoint& p : corners) {
        marks.push_back(SmallSquare(p, cx, cy, a));
    }
    return marks;
}

QPolygon HandShape(int w, int h, int k, int angle)
{
    const double theta = angle * std::numbers::pi / 180.0;
    const int cx = w / 2;
    const int cy = h / 2;
    const int r = std::min(w / 2, h / 2) - 3;
    const double length = (50 - k * k) * r / 50.0;
    const QPoint tip(cx + static_cast<int>(std::trunc(std::sin(theta) * length)),
        cy - static_cast<int>(std::trunc(std::cos(theta) * length)));
    // Integer division truncating toward zero, as the face was first drawn.
    const int ox = k * 3 * (tip.x() - cx) / (r + 50);
    const int oy = k * 3 * (tip.y() - cy) / (r + 50);
    if (k == 1) {
        return QPolygon({tip, QPoint(cx - ox, cy - oy)});
    }
    return QPolygon({tip, QPoint(cx - oy, cy + ox), QPoint(cx - ox, cy - oy), QPoint(cx + oy, cy - ox)});
}

QString DigitalText(qint64 elapsed, bool showHours, bool showSeconds, bool showHunds)
{
    const clock_time::TimeOfDay t = clock_time::DecodeTime(elapsed);
    auto field = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    QString text = showHours ? field(t.hours) + QLatin1Char(':') + field(t.minutes) : field(t.minutes);
    if (showSeconds) {
        text += QLatin1Char(':') + field(t.seconds);
        if (showHunds) {
            text += QLatin1Char('.') + field(t.milliseconds / 10);
        }
    }
    return text;
}

} // namespace clock_geometry
