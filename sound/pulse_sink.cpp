#include "sound/pulse_sink.h"

#include "sound/wave_image.h"
#include "support/error_log.h"

#include <pulse/error.h>
#include <pulse/simple.h>
#include <thread>

namespace {

// One stream per sound, opened in the sound's own rate and channels; the
// drain makes the call return only when the sound has been heard.
bool PlayOnServer(const TWaveSamples& wave, QString& failure)
{
    pa_sample_spec sample {};
    sample.format = PA_SAMPLE_S16NE;
    sample.rate = static_cast<std::uint32_t>(wave.Rate);
    sample.channels = static_cast<std::uint8_t>(wave.Channels);
    if (!pa_sample_spec_valid(&sample)) {
        return true; // a format the server cannot take: this sound alone is skipped
    }
    int error = 0;
    pa_simple* stream = pa_simple_new(
        nullptr, "Chess Quarvel", PA_STREAM_PLAYBACK, nullptr, "sound", &sample, nullptr, nullptr, &error);
    if (!stream) {
        failure = QString::fromUtf8(pa_strerror(error));
        return false;
    }
    const bool written
        = pa_simple_write(stream, wave.Samples.data(), wave.Samples.size() * sizeof(std::int16_t), &error)
            == 0
        && pa_simple_drain(stream, &error) == 0;
    pa_simple_free(stream);
    if (!written) {
        failure = QString::fromUtf8(pa_strerror(error));
    }
    return written;
}

} // namespace

TPulseAudioSink::TPulseAudioSink(Wait wait)
    : wait_(std::move(wait))
{
    if (!wait_) {
        wait_ = [](std::chrono::microseconds length) { std::this_thread::sleep_for(length); };
    }
}

bool TPulseAudioSink::Play(const QByteArray& wav)
{
    TWaveSamples wave;
    if (!DecodeWave(wav, wave)) {
        return false;
    }
    // A server that refused once (none running, no device) is not asked
    // again: asking costs time on every phrase and would fill the log.
    QString failure;
    if (!silent_ && PlayOnServer(wave, failure)) {
        return true;
    }
    if (!silent_) {
        FallSilent(failure);
    }
    wait_(wave.Duration());
    return true;
}

void TPulseAudioSink::FallSilent(const QString& reason)
{
    silent_ = true;
    WriteErrorLog(QStringLiteral("Sound is off: no sound server or device (%1)").arg(reason));
}
