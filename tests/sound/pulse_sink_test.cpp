#include <QFile>
#include <QTemporaryDir>

#include "sound/pulse_sink.h"
#include "sound/wave_image.h"
#include "support/error_log.h"
#include "tests/sound/sound_fixture.h"

#include <cstdlib>

TEST(WaveImage, DecodesSoundsAndRefusesEverythingElse)
{
    TWaveSamples wave;
    ASSERT_TRUE(DecodeWave(MakeWave(QByteArray(800, '\x80'), 8000), wave));
    EXPECT_EQ(wave.Rate, 8000);
    EXPECT_EQ(wave.Channels, 1);
    EXPECT_EQ(wave.Frames(), 800);
    EXPECT_EQ(wave.Duration(), std::chrono::milliseconds(100));

    const QByteArray whole = MakeWave(QByteArray(800, '\x80'));
    const QByteArray bad[] = {
        QByteArray(),
        QByteArray("RIFF"),
        QByteArray("just some text that is not a sound"),
        whole.left(44), // a header with no samples
        MakeWave(QByteArray()),
    };
    for (const QByteArray& bytes : bad) {
        EXPECT_FALSE(DecodeWave(bytes, wave)) << bytes.size() << " bytes";
        EXPECT_EQ(wave.Frames(), 0);
    }
    // A file cut short plays what it has.
    ASSERT_TRUE(DecodeWave(whole.left(44 + 100), wave));
    EXPECT_LE(wave.Frames(), 100);
}

// Points the sound server address at a socket that does not exist, so the
// test sees what a machine without a sound server sees.
class NoSoundServer : public ::testing::Test {
protected:
    NoSoundServer()
    {
        const char* old = std::getenv("PULSE_SERVER");
        hadServer_ = old != nullptr;
        if (hadServer_) {
            oldServer_ = old;
        }
        setenv("PULSE_SERVER", qPrintable(dir_.path() + QStringLiteral("/no-such-socket")), 1);
        setenv("PULSE_CLIENTCONFIG", "/dev/null", 1); // no autospawn from the user's settings
        log_ = dir_.path() + QStringLiteral("/sound.err");
        setErrorLogPath(log_);
    }

    ~NoSoundServer() override
    {
        setErrorLogPath({});
        if (hadServer_) {
            setenv("PULSE_SERVER", oldServer_.c_str(), 1);
        } else {
            unsetenv("PULSE_SERVER");
        }
        unsetenv("PULSE_CLIENTCONFIG");
    }

    QString Log() const
    {
        QFile file(log_);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    QTemporaryDir dir_;
    QString log_;
    bool hadServer_ = false;
    std::string oldServer_;
};

TEST_F(NoSoundServer, SoundsPassInSilenceTakingTheirTimeWithOneLogEntry)
{
    std::vector<std::chrono::microseconds> waits;
    TPulseAudioSink sink([&waits](std::chrono::microseconds length) { waits.push_back(length); });

    EXPECT_TRUE(sink.Play(MakeWave(QByteArray(800, '\x80'), 8000)));
    EXPECT_TRUE(sink.Silent());
    EXPECT_TRUE(sink.Play(MakeWave(QByteArray(4000, '\x80'), 8000)));
    EXPECT_FALSE(sink.Play(QByteArray("no sound")));

    EXPECT_EQ(waits,
        (std::vector<std::chrono::microseconds> {
            std::chrono::milliseconds(100), std::chrono::milliseconds(500)}));
    EXPECT_EQ(Log().count(QStringLiteral("Sound is off")), 1) << Log().toStdString();
}
