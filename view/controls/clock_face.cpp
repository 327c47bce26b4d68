#include "view/controls/clock_face.h"

#include <QMouseEvent>
#include <QPainter>

#include "view/controls/clock_face_geometry.h"
#include "view/controls/font_fit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace clock_geometry;

namespace {

constexpr int HundsInterval = 50;
constexpr int SecondsInterval = 200;
constexpr int MinutesInterval = 2000;

// The angle, in Qt's degrees (counter-clockwise from three o'clock), of the
// direction from the centre of the widget toward a point.
double DirectionAngle(QPointF centre, QPointF toward)
{
    return std::atan2(centre.y() - toward.y(), toward.x() - centre.x()) * 180.0 / std::numbers::pi;
}

} // namespace

TClockFace::TClockFace(QWidget* parent)
    : QWidget(parent)
{
    resize(64, 64);
    connect(&timer, &QTimer::timeout, this, &TClockFace::Tick);
}

void TClockFace::Reset()
{
    currentTime = startTime = markTime = clock_time::Now();
    running = false;
    update();
}

void TClockFace::Tick()
{
    if (running) {
        SetCurrentTime(clock_time::Now());
    }
}

void TClockFace::SetCurrentTime(Instant t)
{
    if (t != currentTime) {
        currentTime = t;
        RedrawTime();
    }
}

void TClockFace::SetStartTime(Instant t)
{
    if (t != startTime) {
        startTime = t;
        RedrawTime();
    }
}

void TClockFace::SetMarkTime(Instant t)
{
    if (t != markTime) {
        markTime = t;
        RedrawTime();
    }
}

void TClockFace::SetFullTime(Instant t)
{
    currentTime = clock_time::Now();
    markTime = currentTime;
    startTime = currentTime - t;
    RedrawTime();
}

bool TClockFace::SetCurrentTicks(quint32 ticks)
{
    const auto t = clock_time::TicksToTime(ticks);
    if (t) {
        SetCurrentTime(*t);
    }
    return t.has_value();
}

bool TClockFace::SetStartTicks(quint32 ticks)
{
    const auto t = clock_time::TicksToTime(ticks);
    if (t) {
        SetStartTime(*t);
    }
    return t.has_value();
}

bool TClockFace::SetMarkTicks(quint32 ticks)
{
    const auto t = clock_time::TicksToTime(ticks);
    if (t) {
        SetMarkTime(*t);
    }
    return t.has_value();
}

bool TClockFace::SetFullTicks(quint32 ticks)
{
    const auto t = clock_time::TicksToTime(ticks);
    if (t) {
        SetFullTime(*t);
    }
    return t.has_value();
}

void TClockFace::SetAutoSet(bool value)
{
    if (value == autoSet) {
        return;
    }
    autoSet = value;
    if (value) {
        running = true;
    }
    UpdateTimerInterval();
    update();
}

void TClockFace::SetRunning(bool value)
{
    if (value == running) {
        return;
    }
    running = value;
    const Instant now = clock_time::Now();
    if (value) {
        // The stopped interval is not counted, and the lap starts again.
        startTime = now + startTime - currentTime;
        markTime = now;
    } else {
        autoSet = false;
        timer.stop();
    }
    currentTime = now;
    RedrawTime();
}

void TClockFace::SetDigital(bool value)
{
    if (value != digital) {
        digital = value;
        update();
    }
}

void TClockFace::SetShowHours(bool value)
{
    if (value != showHours) {
        showHours = value;
        update();
    }
}

void TClockFace::SetShowSeconds(bool value)
{
    if (value == showSeconds) {
        return;
    }
    showSeconds = value;
    if (!value) {
        showHunds = false;
    }
    UpdateTimerInterval();
    update();
}

void TClockFace::SetShowHunds(bool value)
{
    if (value == showHunds) {
        return;
    }
    showHunds = value;
    if (value) {
        showSeconds = true;
    }
    UpdateTimerInterval();
    update();
}

void TClockFace::SetFaceColor(const QColor& value)
{
    if (value != faceColor) {
        faceColor = value;
        update();
    }
}

void TClockFace::SetHandsColor(const QColor& value)
{
    if (value != handsColor) {
        handsColor = value;
        update();
    }
}

void TClockFace::SetSecHandColor(const QColor& value)
{
    if (value != secHandColor) {
        secHandColor = value;
        showSeconds = true;
        update();
    }
}

void TClockFace::SetBevel(TBevel value)
{
    if (value != bevel) {
        bevel = value;
        update();
    }
}

void TClockFace::UpdateTimerInterval()
{
    if (!autoSet) {
        timer.stop();
        return;
    }
    timer.start(showHunds ? HundsInterval : showSeconds ? SecondsInterval : MinutesInterval);
}

void TClockFace::RedrawTime()
{
    // Hundredths change faster than queued repaints arrive.
    if (showHunds) {
        repaint();
    } else {
        update();
    }
}

void TClockFace::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setBrush(faceColor);
    painter.setPen(bevel != TBevel::None ? palette().color(QPalette::Dark) : faceColor);
    if (digital) {
        PaintDigital(painter);
    } else {
        PaintAnalogue(painter);
    }
}

void TClockFace::DrawBevelLines(QPainter& painter)
{
    const int w = width();
    const int h = height();
    painter.setPen(Qt::white);
    if (bevel == TBevel::Lowered) {
        painter.drawPolyline(QPolygon({{w - 1, 0}, {w - 1, h - 1}, {0, h - 1}}));
    } else if (bevel == TBevel::Raised) {
        painter.drawPolyline(QPolygon({{w - 1, 0}, {0, 0}, {0, h - 1}}));
    }
}

void TClockFace::PaintDigital(QPainter& painter)
{
    painter.drawRect(ClockRect({0, 0, width(), height()}).adjusted(0, 0, -1, -1));
    DrawBevelLines(painter);

    caption = DigitalText(FullTime(), showHours, showSeconds, showHunds);
    const QFont digits = FontToFit(font(), caption, width() - 4);
    painter.setFont(digits);
    const QFontMetrics metrics(digits);
    const QSize text(metrics.horizontalAdvance(caption), metrics.height());
    const QRect box(QPoint((width() - text.width()) / 2, (height() - text.height()) / 2), text);
    painter.fillRect(box, faceColor);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(box, Qt::AlignCenter, caption);
}

void TClockFace::PaintAnalogue(QPainter& painter)
{
    // Smooth curves on any screen; the half-pixel shift puts one-pixel
    // lines on pixel centres so straight hands stay sharp.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0.5, 0.5);
    const QRect face = ClockRect(FaceBox(width(), height()));
    painter.drawEllipse(face.adjusted(0, 0, -1, -1));
    if (bevel != TBevel::None) {
        const QPointF centre = QRectF(face).center();
        const double lowerLeft = DirectionAngle(centre, QPointF(0, height()));
        const double upperRight = DirectionAngle(centre, QPointF(width(), 0));
        const double start = bevel == TBevel::Lowered ? lowerLeft : upperRight;
        const double end = bevel == TBevel::Lowered ? upperRight : lowerLeft;
        double span = end - start;
        if (span <= 0) {
            span += 360;
        }
        painter.setPen(Qt::white);
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(face.adjusted(0, 0, -1, -1), qRound(start * 16), qRound(span * 16));
        painter.setBrush(faceColor);
    }

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(handsColor);
    for (const Corners& mark : FaceMarks(width(), height())) {
        painter.drawRect(ClockRect(mark).adjusted(0, 0, -1, -1));
    }

    painter.setRenderHint(QPainter::Antialiasing);
    const clock_time::TimeOfDay t = clock_time::DecodeTime(FullTime());
    auto drawHand = [this, &painter](int k, int angle, const QColor& colour) {
        const QPolygon shape = HandShape(width(), height(), k, angle);
        painter.setPen(colour);
        if (k == 1) {
            painter.drawLine(shape.point(0), shape.point(1));
        } else {
            painter.setBrush(colour);
            painter.drawPolygon(shape);
        }
    };
    if (showHours) {
        drawHand(4, (t.hours % 12) * 30 + t.minutes / 2, handsColor);
    }
    drawHand(2, t.minutes * 6 + t.seconds / 10, handsColor);
    if (showHunds) {
        drawHand(1, t.seconds * 6 + t.milliseconds / 167, secHandColor);
    } else if (showSeconds) {
        drawHand(1, t.seconds * 6, secHandColor);
    }
}

void TClockFace::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void TClockFace::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
    }
}
