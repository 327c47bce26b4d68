#include "sound/sound_system.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include "settings/options.h"
#include "settings/voices.h"
#include "sound/sound_files.h"

namespace {

// Phrases and effects are short; an option pointing at something huge is a
// mistake, and reading it whole would stall the program.
constexpr qint64 maxSoundFileBytes = qint64(64) << 20;

QByteArray ReadSoundFile(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > maxSoundFileBytes) {
        return {};
    }
    return file.readAll();
}

// Keeps the window answering while a wait lasts, and sleeps on the queue
// rather than spinning.
constexpr std::chrono::milliseconds pumpSlice {10};

} // namespace

TSoundSystem::TSoundSystem(std::unique_ptr<TAudioSink> sink, QString dataFolder)
    : sink_(std::move(sink))
    , dataFolder_(std::move(dataFolder))
    , context_(std::make_unique<QObject>())
{
    pump_ = [this] {
        if (QCoreApplication::instance()) {
            QCoreApplication::processEvents();
        }
        if (workerRunning_) {
            queue_.WaitUntilIdle(pumpSlice);
        } else {
            PlayItemFromQueue();
        }
    };
}

void TSoundSystem::SetVoice(int side)
{
    CurrentVoiceFolder = VoiceFolder(side, dataFolder_);
}

void TSoundSystem::QueuePhrase(const QString& phrase)
{
    queue_.Append(CurrentVoiceFolder + phrase + QStringLiteral(".wav"));
    ShowIndicator();
}

bool TSoundSystem::QueuePhraseIfExists(const QString& phrase)
{
    if (!QFileInfo::exists(CurrentVoiceFolder + phrase + QStringLiteral(".wav"))) {
        return false;
    }
    QueuePhrase(phrase);
    return true;
}

void TSoundSystem::QueueSound(const QString& optionValue)
{
    queue_.Append(ResolveSoundFile(optionValue, dataFolder_));
    ShowIndicator();
}

void TSoundSystem::QueuePause()
{
    queue_.Append(dataFolder_ + QString::fromLatin1(PauseFile));
    ShowIndicator();
}

void TSoundSystem::ClearSoundQueue()
{
    queue_.Clear();
    // A worker that was not playing finds nothing on waking and would go
    // back to sleep with the indicator still shown.
    if (!Busy()) {
        NotifyIdle();
    }
}

void TSoundSystem::PlaySoundItem(const QString& item)
{
    const QString code = AlertSoundFile(item);
    const QString path = code.isEmpty() ? item : dataFolder_ + code;
    std::lock_guard guard(device_);
    if (!PlayFile(path)) {
        PlayFile(dataFolder_ + DefaultAlertFile());
    }
}

bool TSoundSystem::PlayFile(const QString& path)
{
    const QByteArray image = ReadSoundFile(path);
    return !image.isEmpty() && sink_->Play(image);
}

bool TSoundSystem::PlayItemFromQueue()
{
    const std::optional<QString> item = queue_.TakeFirst();
    if (!item) {
        return false;
    }
    PlayTakenItem(*item);
    return true;
}

void TSoundSystem::PlayTakenItem(const QString& item)
{
    PlaySoundItem(item);
    queue_.FinishItem();
    if (!queue_.Busy()) {
        NotifyIdle();
    }
}

void TSoundSystem::LoadPlaceSound()
{
    placeImage_ = ReadSoundFile(ResolveSoundFile(Options.PlaceSound, dataFolder_));
}

void TSoundSystem::PlayPlaceSound(int level)
{
    if (level < 1 || placeImage_.isEmpty()) {
        return;
    }
    while (!device_.try_lock()) {
        pump_();
    }
    std::lock_guard guard(device_, std::adopt_lock);
    sink_->Play(placeImage_);
}

void TSoundSystem::PlayClickSound(int level)
{
    if (level >= 1) {
        QueueSound(Options.ClickSound);
    }
}

void TSoundSystem::WaitForSpeech()
{
    if (!Busy()) {
        return;
    }
    if (waitCursor_) {
        waitCursor_(true);
    }
    while (Busy()) {
        pump_();
    }
    if (waitCursor_) {
        waitCursor_(false);
    }
}

void TSoundSystem::setEventPump(EventPump pump)
{
    if (pump) {
        pump_ = std::move(pump);
    }
}

void TSoundSystem::setIndicatorHook(IndicatorHook hook)
{
    indicator_ = std::move(hook);
}

void TSoundSystem::setWaitCursorHook(WaitCursorHook hook)
{
    waitCursor_ = std::move(hook);
}

void TSoundSystem::NotifyIdle()
{
    if (!indicator_) {
        return;
    }
    if (QThread::currentThread() == context_->thread()) {
        indicator_(false);
        return;
    }
    // Only the window's own thread may touch the indicator; a queued call
    // that finds new work by then leaves it shown.
    QMetaObject::invokeMethod(
        context_.get(),
        [this] {
            if (!Busy()) {
                indicator_(false);
            }
        },
        Qt::QueuedConnection);
}

void TSoundSystem::ShowIndicator()
{
    if (indicator_) {
        indicator_(true);
    }
}
