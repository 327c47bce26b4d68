#include "sound/wave_image.h"

#include <algorithm>
#include <cstring>
#include <sndfile.h>

namespace {

// libsndfile reads the image through these callbacks, so the place sound
// and the queued files decode the same way without touching the disk.
struct TMemoryFile {
    const QByteArray* Bytes;
    sf_count_t Position;
};

sf_count_t Length(void* data)
{
    return static_cast<TMemoryFile*>(data)->Bytes->size();
}

sf_count_t Seek(sf_count_t offset, int whence, void* data)
{
    auto* file = static_cast<TMemoryFile*>(data);
    const sf_count_t size = file->Bytes->size();
    sf_count_t base = 0;
    if (whence == SEEK_CUR) {
        base = file->Position;
    } else if (whence == SEEK_END) {
        base = size;
    }
    file->Position = std::clamp<sf_count_t>(base + offset, 0, size);
    return file->Position;
}

sf_count_t Read(void* target, sf_count_t count, void* data)
{
    auto* file = static_cast<TMemoryFile*>(data);
    const sf_count_t left = file->Bytes->size() - file->Position;
    const sf_count_t taken = std::clamp<sf_count_t>(count, 0, left);
    std::memcpy(target, file->Bytes->constData() + file->Position, static_cast<std::size_t>(taken));
    file->Position += taken;
    return taken;
}

sf_count_t Write(const void*, sf_count_t, void*)
{
    return 0;
}

sf_count_t Tell(void* data)
{
    return static_cast<TMemoryFile*>(data)->Position;
}

// A header may claim any length; sounds longer than this are cut, so a
// damaged or hostile file cannot ask for gigabytes of samples.
constexpr sf_count_t maxSeconds = 300;
constexpr int maxChannels = 32;

} // namespace

std::chrono::microseconds TWaveSamples::Duration() const
{
    if (Rate <= 0) {
        return {};
    }
    return std::chrono::microseconds(Frames() * 1'000'000 / Rate);
}

bool DecodeWave(const QByteArray& image, TWaveSamples& wave)
{
    wave = {};
    SF_VIRTUAL_IO io {Length, Seek, Read, Write, Tell};
    TMemoryFile file {&image, 0};
    SF_INFO info {};
    SNDFILE* sound = sf_open_virtual(&io, SFM_READ, &info, &file);
    if (!sound) {
        return false;
    }
    bool ok = info.samplerate > 0 && info.channels > 0 && info.channels <= maxChannels && info.frames > 0;
    if (ok) {
        const sf_count_t frames = std::min<sf_count_t>(info.frames, maxSeconds * info.samplerate);
        wave.Rate = info.samplerate;
        wave.Channels = info.channels;
        wave.Samples.resize(static_cast<std::size_t>(frames * info.channels));
        const sf_count_t read = sf_readf_short(sound, wave.Samples.data(), frames);
        wave.Samples.resize(static_cast<std::size_t>(std::max<sf_count_t>(read, 0) * info.channels));
        ok = read > 0;
    }
    sf_close(sound);
    if (!ok) {
        wave = {};
    }
    return ok;
}
