#include "tests/sound/sound_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include "sound/wave_image.h"

namespace {

void Append32(QByteArray& bytes, quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

void Append16(QByteArray& bytes, quint16 value)
{
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}

constexpr int waveHeaderSize = 44;

} // namespace

void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}

QByteArray MakeWave(const QByteArray& marker, int rate)
{
    QByteArray wav("RIFF");
    Append32(wav, quint32(36 + marker.size()));
    wav.append("WAVEfmt ");
    Append32(wav, 16);
    Append16(wav, 1); // PCM
    Append16(wav, 1); // mono
    Append32(wav, quint32(rate));
    Append32(wav, quint32(rate)); // bytes per second at one byte a frame
    Append16(wav, 1);
    Append16(wav, 8);
    wav.append("data");
    Append32(wav, quint32(marker.size()));
    return wav + marker;
}

QByteArray MarkerOf(const QByteArray& wav)
{
    return wav.mid(waveHeaderSize);
}

bool TRecordingSink::Play(const QByteArray& wav)
{
    TWaveSamples wave;
    if (!DecodeWave(wav, wave)) {
        return false;
    }
    std::lock_guard guard(lock_);
    played_.append(QString::fromUtf8(MarkerOf(wav)));
    return true;
}

QStringList TRecordingSink::Played() const
{
    std::lock_guard guard(lock_);
    return played_;
}

SoundTest::SoundTest()
    : saved_(Options)
{
    data = dir.path() + u'/';
    SetAudioDefaults(Options);
    Options.WhiteVoice = QStringLiteral("Test Female");
    Options.BlackVoice = QStringLiteral("Test Male");
    Options.TakeSound = QStringLiteral("Chomp.wav");
    Options.CastleSound = QStringLiteral("Castling.wav");
    Options.EnPassantSound = QStringLiteral("Passing.wav");
    Options.PromoteSound = QStringLiteral("Crown.wav");
    Options.ResignSound = QStringLiteral("Resigned.wav");
    Options.DrawSound = QStringLiteral("Tie.wav");
    QDir().mkpath(VoicePath(0));
    QDir().mkpath(VoicePath(1));
    auto recorder = std::make_unique<TRecordingSink>();
    sink = recorder.get();
    sound = std::make_unique<TSoundSystem>(std::move(recorder), data);
}

SoundTest::~SoundTest()
{
    Options = saved_;
}

QString SoundTest::VoicePath(int side) const
{
    return data + QStringLiteral("voices/") + (side == 0 ? Options.WhiteVoice : Options.BlackVoice) + u'/';
}

void SoundTest::WriteFile(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(MakeWave(QFileInfo(path).fileName().toUtf8()));
}

void SoundTest::WritePhrase(int side, const QString& phrase)
{
    WriteFile(VoicePath(side) + phrase + QStringLiteral(".wav"));
}

QStringList SoundTest::Words() const
{
    QStringList words;
    for (const QString& item : sound->Queue().Items()) {
        const QFileInfo info(item);
        if (info.path() + u'/' == data) {
            words.append(QStringLiteral("fx:") + info.completeBaseName());
        } else if (item.endsWith(u".wav")) {
            words.append(info.completeBaseName());
        } else {
            words.append(item);
        }
    }
    return words;
}
