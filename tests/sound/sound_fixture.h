#pragma once

#include <QStringList>
#include <QTemporaryDir>

#include "settings/options.h"
#include "sound/audio_sink.h"
#include "sound/sound_system.h"

#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <ostream>

// Failures show lists of words, not their bytes.
void PrintTo(const QStringList& list, std::ostream* out);

// A tiny 8-bit mono WAV whose samples are the marker's bytes, so a played
// image tells which file it came from.
QByteArray MakeWave(const QByteArray& marker, int rate = 8000);
QByteArray MarkerOf(const QByteArray& wav);

// Stands in for the audio device: keeps the marker of every image played,
// and refuses, as the real sink does, bytes that are no sound.
class TRecordingSink : public TAudioSink {
public:
    bool Play(const QByteArray& wav) override;
    QStringList Played() const;

private:
    mutable std::mutex lock_;
    QStringList played_;
};

// A data folder with two voice folders ("Test Female" for White, "Test Male"
// for Black), both empty until a test writes recordings into them, and the
// event sounds set to names that are easy to tell apart.
class SoundTest : public ::testing::Test {
protected:
    SoundTest();
    ~SoundTest() override;

    QString VoicePath(int side) const;
    // Writes a recording whose marker is its own file name.
    void WriteFile(const QString& path);
    void WritePhrase(int side, const QString& phrase);

    // The queue as words: "fx:" + the base name of a file in the data folder
    // itself, a phrase's name, and any other item (alert codes) as it stands.
    QStringList Words() const;

    QTemporaryDir dir;
    QString data;
    TRecordingSink* sink;
    std::unique_ptr<TSoundSystem> sound;

private:
    TOptionsRec saved_;
};
