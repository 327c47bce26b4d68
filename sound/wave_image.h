#pragma once

#include <QByteArray>

#include <chrono>
#include <cstdint>
#include <vector>

// A sound decoded from a file image: interleaved 16-bit samples.
struct TWaveSamples {
    int Rate = 0;
    int Channels = 0;
    std::vector<std::int16_t> Samples;

    std::int64_t Frames() const { return Channels > 0 ? std::int64_t(Samples.size()) / Channels : 0; }
    // How long the sound lasts when played at its rate.
    std::chrono::microseconds Duration() const;
};

// Decodes any format libsndfile reads (WAV above all) from memory. False for
// bytes that are no sound, and for a sound without frames or rate.
bool DecodeWave(const QByteArray& image, TWaveSamples& wave);
