#pragma once

#include <QByteArray>

// The audio device as the sound machinery sees it: one call that plays a
// wave image to its end. The sound server's sink is the real one; tests put
// a recorder in its place.
class TAudioSink {
public:
    virtual ~TAudioSink() = default;

    // Plays the image synchronously. False when the bytes are not a sound
    // that can be decoded; a missing or broken device is the sink's own
    // business and still counts as played, so the queue keeps its order.
    virtual bool Play(const QByteArray& wav) = 0;
};
