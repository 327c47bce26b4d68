#pragma once

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QVector>

// The shapes of the clock faces, in the control's pixel coordinates, kept
// apart from painting so they can be checked exactly.
//
// Rectangles are given by their corners (left, top)-(right, bottom), the
// right and bottom edges excluded, as the face was drawn on its first
// platform; ClockRect turns them into QRects.
namespace clock_geometry {

struct Corners {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Corners&, const Corners&) = default;
};

QRect ClockRect(const Corners& corners);

// The round face's bounding box.
Corners FaceBox(int width, int height);

// The four hour marks (12, 3, 6, 9 o'clock) followed by the eight small
// squares (1, 2, 4, 5, 7, 8, 10, 11 o'clock).
QVector<Corners> FaceMarks(int width, int height);

// A hand: k is 4 for the hour hand, 2 for the minute hand and 1 for the
// second hand (a line from the tip through the centre to a short tail);
// the others are kites. Angles are degrees clockwise from 12 o'clock.
QPolygon HandShape(int width, int height, int k, int angle);

// The digital face's text for an elapsed time in milliseconds.
QString DigitalText(qint64 elapsed, bool showHours, bool showSeconds, bool showHunds);

} // namespace clock_geometry
