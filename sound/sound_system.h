#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include "sound/audio_sink.h"
#include "sound/sound_queue.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

// The sound machinery the window uses: the queue and the voice the phrases
// are built with, direct playback of items and of the place sound, and the
// waits that keep the window answering while speech goes on. Everything here
// runs on the user-interface thread except PlayItemFromQueue, the worker's step.
class TSoundSystem {
public:
    // Handles pending window events and waits a little; the waits below call
    // it until their condition holds. Tests drive the worker from it.
    using EventPump = std::function<void()>;
    // Shows (true) or hides the audio indicator.
    using IndicatorHook = std::function<void(bool visible)>;
    // Puts the hourglass on the board (true) and takes it off again.
    using WaitCursorHook = std::function<void(bool waiting)>;

    TSoundSystem(std::unique_ptr<TAudioSink> sink, QString dataFolder);

    TSoundQueue& Queue() { return queue_; }
    const QString& DataFolder() const { return dataFolder_; }

    // The folder phrase paths are built with (trailing separator), empty
    // when the side's voice is "(none)".
    QString CurrentVoiceFolder;
    // Sets CurrentVoiceFolder to the voice of a side (0 White, 1 Black).
    void SetVoice(int side);

    // Queues CurrentVoiceFolder + phrase + ".wav".
    void QueuePhrase(const QString& phrase);
    // The same, only when the recording exists; whether it was queued.
    bool QueuePhraseIfExists(const QString& phrase);
    // Queues the sound an event option names (resolved against the data folder).
    void QueueSound(const QString& optionValue);
    // Queues the short silence between the parts of a read-out.
    void QueuePause();
    void ClearSoundQueue();
    // Whether the worker has work: drives the audio indicator.
    bool Busy() const { return queue_.Busy(); }

    // Plays one item to its end: an alert code through its alert sound,
    // anything else as a sound file; what cannot be played sounds the
    // default alert. Waits for a sound already playing.
    void PlaySoundItem(const QString& item);
    // The worker's step: plays the head of the queue; false when it was empty.
    bool PlayItemFromQueue();
    // Plays an item the worker has taken and reports it finished.
    void PlayTakenItem(const QString& item);

    // Reads the PlaceSound option's file into memory (empty when it has none).
    void LoadPlaceSound();
    const QByteArray& PlaceSoundImage() const { return placeImage_; }
    // At level 1 or more plays the place sound from memory at once, after
    // the sound playing now (never cutting into it), the window kept live.
    void PlayPlaceSound(int level);
    // At level 1 or more queues the ClickSound option's sound.
    void PlayClickSound(int level);
    // While the worker is busy: hourglass on, window events handled, until idle.
    void WaitForSpeech();

    void setEventPump(EventPump pump);
    void setIndicatorHook(IndicatorHook hook);
    void setWaitCursorHook(WaitCursorHook hook);
    // Called by the worker when it runs out of items; hides the indicator on
    // the user-interface thread.
    void NotifyIdle();
    // The worker says when it starts and ends serving the queue. Without a
    // running worker the waits play the queue themselves, so a wait can
    // never outlast the sounds it waits for.
    void setWorkerRunning(bool running) { workerRunning_ = running; }

private:
    bool PlayFile(const QString& path);
    void ShowIndicator();

    std::unique_ptr<TAudioSink> sink_;
    QString dataFolder_;
    TSoundQueue queue_;
    // Held while a sound plays: the sink serves one sound at a time.
    std::mutex device_;
    std::atomic<bool> workerRunning_ {false};
    QByteArray placeImage_;
    EventPump pump_;
    IndicatorHook indicator_;
    WaitCursorHook waitCursor_;
    // Lives on the thread that made the system (the window's); the worker's
    // idle report is delivered through it, and dropped once it is gone.
    std::unique_ptr<QObject> context_;
};
