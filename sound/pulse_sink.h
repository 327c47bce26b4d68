#pragma once

#include <QString>

#include "sound/audio_sink.h"

#include <chrono>
#include <functional>

// Plays through the sound server with a blocking write, which returns when
// the sound has been handed over, then drains it, so one sound follows the
// other. Without a server or a device the sink writes one line to the error
// log and from then on stays silent, waiting as long as each sound would
// have lasted: the narration keeps its order and its pace, and nothing hangs.
class TPulseAudioSink : public TAudioSink {
public:
    using Wait = std::function<void(std::chrono::microseconds)>;

    // wait stands in for the sound while there is no device; tests record it
    // instead of sleeping.
    explicit TPulseAudioSink(Wait wait = {});

    bool Play(const QByteArray& wav) override;

    // Whether the device failed and the sink has fallen silent.
    bool Silent() const { return silent_; }

private:
    void FallSilent(const QString& reason);

    Wait wait_;
    bool silent_ = false;
};
