#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

#include "view/controls/clock_time.h"

// A stopwatch display, analogue (a round face with marks and hands) or
// digital (text). It shows the time elapsed since StartTime at the latest
// reading CurrentTime, and converts both ways between times and ticks of
// 1/18.2 second. The reading advances only through Tick or a setter; with
// AutoSet the control's own timer calls Tick.
class TClockFace : public QWidget {
    Q_OBJECT

public:
    using Instant = clock_time::Instant;
    enum class TBevel { None = 0, Lowered = 1, Raised = 2 };

    explicit TClockFace(QWidget* parent = nullptr);

    void Reset();
    void Tick();

    Instant CurrentTime() const { return currentTime; }
    Instant StartTime() const { return startTime; }
    Instant MarkTime() const { return markTime; }
    Instant FullTime() const { return currentTime - startTime; }
    Instant LapTime() const { return currentTime - markTime; }
    void SetCurrentTime(Instant t);
    void SetStartTime(Instant t);
    void SetMarkTime(Instant t);
    // Starts the elapsed time at t from now, and the lap at now.
    void SetFullTime(Instant t);

    quint32 CurrentTicks() const { return clock_time::TimeToTicks(currentTime); }
    quint32 StartTicks() const { return clock_time::TimeToTicks(startTime); }
    quint32 MarkTicks() const { return clock_time::TimeToTicks(markTime); }
    quint32 FullTicks() const { return clock_time::TimeToTicks(FullTime()); }
    quint32 LapTicks() const { return clock_time::TimeToTicks(LapTime()); }
    // Each returns false, changing nothing, for a day or more of ticks.
    bool SetCurrentTicks(quint32 ticks);
    bool SetStartTicks(quint32 ticks);
    bool SetMarkTicks(quint32 ticks);
    bool SetFullTicks(quint32 ticks);

    bool AutoSet() const { return autoSet; }
    void SetAutoSet(bool value);
    bool Running() const { return running; }
    void SetRunning(bool value);
    bool Digital() const { return digital; }
    void SetDigital(bool value);
    bool ShowHours() const { return showHours; }
    void SetShowHours(bool value);
    bool ShowSeconds() const { return showSeconds; }
    void SetShowSeconds(bool value);
    bool ShowHunds() const { return showHunds; }
    void SetShowHunds(bool value);
    QColor FaceColor() const { return faceColor; }
    void SetFaceColor(const QColor& value);
    QColor HandsColor() const { return handsColor; }
    void SetHandsColor(const QColor& value);
    QColor SecHandColor() const { return secHandColor; }
    void SetSecHandColor(const QColor& value);
    TBevel Bevel() const { return bevel; }
    void SetBevel(TBevel value);

    // The text of the last digital paint.
    QString Caption() const { return caption; }
    // The interval of the control's own timer; 0 when it is off.
    int TimerInterval() const { return timer.isActive() ? timer.interval() : 0; }

    QSize sizeHint() const override { return {64, 64}; }

signals:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void RedrawTime();
    void UpdateTimerInterval();
    void PaintDigital(QPainter& painter);
    void PaintAnalogue(QPainter& painter);
    void DrawBevelLines(QPainter& painter);

    QTimer timer;
    Instant currentTime = 0;
    Instant startTime = 0;
    Instant markTime = 0;
    bool autoSet = false;
    bool running = true;
    bool digital = false;
    bool showHours = true;
    bool showSeconds = true;
    bool showHunds = false;
    QColor faceColor = QColor(0, 255, 255);
    QColor handsColor = Qt::black;
    QColor secHandColor = Qt::red;
    TBevel bevel = TBevel::None;
    QString caption;
};
