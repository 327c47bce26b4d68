#include <QFile>

#include "sound/sound_thread.h"
#include "tests/sound/sound_fixture.h"

#include <future>
#include <thread>

namespace {

class SoundSystemTest : public SoundTest {
protected:
    SoundSystemTest()
    {
        for (const char* alert :
            {"Hand.wav", "Default.wav", "Chomp.wav", "Click.wav", "Place.wav", "pause.wav"}) {
            WriteFile(data + QString::fromLatin1(alert));
        }
        for (const char* phrase : {"White", "Knight", "On"}) {
            WritePhrase(0, QString::fromLatin1(phrase));
        }
        sound->setIndicatorHook([this](bool visible) { indicator.append(visible); });
    }

    void PlayAll()
    {
        while (worker.ProcessOne()) { }
    }

    TSoundThread worker {*sound};
    QList<bool> indicator;
};

} // namespace

TEST_F(SoundSystemTest, TheWorkerPlaysItemsOneAtATimeInQueueOrder)
{
    sound->SetVoice(0);
    sound->QueuePhrase(QStringLiteral("White"));
    sound->QueuePhrase(QStringLiteral("Knight"));
    sound->QueuePause();
    sound->QueueSound(Options.TakeSound);
    EXPECT_TRUE(sound->Busy());

    PlayAll();
    EXPECT_EQ(sink->Played(),
        QStringList({QStringLiteral("White.wav"), QStringLiteral("Knight.wav"), QStringLiteral("pause.wav"),
            QStringLiteral("Chomp.wav")}));
    EXPECT_FALSE(sound->Busy());
    // Shown with each item queued, hidden once when the queue ran dry.
    EXPECT_EQ(indicator, QList<bool>({true, true, true, true, false}));
}

TEST_F(SoundSystemTest, ItemsThatNameNoPlayableSoundSoundTheDefaultAlert)
{
    WriteFile(data + QStringLiteral("Broken.wav"));
    QFile broken(data + QStringLiteral("Broken.wav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a sound at all");
    broken.close();

    struct Case {
        QString Item;
        const char* Heard;
    };
    const Case cases[] = {
        {QStringLiteral("$"), "Hand.wav"},
        {QStringLiteral("#"), "Default.wav"},
        {QStringLiteral("+"), "Default.wav"},
        {QString(), "Default.wav"},
        {data + QStringLiteral("Missing.wav"), "Default.wav"},
        {data + QStringLiteral("voices/No Such Voice/White.wav"), "Default.wav"},
        {data + QStringLiteral("Broken.wav"), "Default.wav"},
        {data + QStringLiteral("Chomp.wav"), "Chomp.wav"},
    };
    for (const Case& c : cases) {
        sound->PlaySoundItem(c.Item);
        EXPECT_EQ(sink->Played().last(), QString::fromLatin1(c.Heard)) << c.Item.toStdString();
    }
    EXPECT_EQ(sink->Played().size(), std::size(cases));

    // Without even the default alert an item passes in silence.
    QFile::remove(data + QStringLiteral("Default.wav"));
    sound->PlaySoundItem(QStringLiteral("+"));
    EXPECT_EQ(sink->Played().size(), std::size(cases));
}

TEST_F(SoundSystemTest, ClearingDropsWhatWaitsButNotWhatAlreadyPlayed)
{
    sound->SetVoice(0);
    for (const char* phrase : {"White", "Knight", "On"}) {
        sound->QueuePhrase(QString::fromLatin1(phrase));
    }
    ASSERT_TRUE(worker.ProcessOne());
    sound->ClearSoundQueue();
    EXPECT_FALSE(sound->Busy());
    EXPECT_FALSE(worker.ProcessOne());
    EXPECT_EQ(sink->Played(), QStringList {QStringLiteral("White.wav")});

    // Cleared before the worker took anything, the indicator still goes.
    sound->QueuePhrase(QStringLiteral("On"));
    indicator.clear();
    sound->ClearSoundQueue();
    EXPECT_EQ(indicator, QList<bool> {false});
}

TEST_F(SoundSystemTest, WaitForSpeechKeepsTheWindowLiveUntilTheQueueIsDone)
{
    QList<bool> cursor;
    int pumped = 0;
    sound->setWaitCursorHook([&cursor](bool waiting) { cursor.append(waiting); });
    sound->setEventPump([&] {
        ++pumped;
        worker.ProcessOne();
    });

    sound->WaitForSpeech();
    EXPECT_TRUE(cursor.isEmpty()) << "no hourglass when nothing is said";

    sound->QueueSound(Options.TakeSound);
    sound->QueueSound(Options.ClickSound);
    sound->WaitForSpeech();
    EXPECT_EQ(pumped, 2);
    EXPECT_EQ(cursor, QList<bool>({true, false}));
    EXPECT_EQ(sink->Played().size(), 2);
}

TEST_F(SoundSystemTest, WithoutARunningWorkerTheWaitPlaysTheQueueItself)
{
    sound->QueueSound(Options.TakeSound);
    sound->QueueSound(Options.ClickSound);
    sound->WaitForSpeech();
    EXPECT_EQ(sink->Played(), QStringList({QStringLiteral("Chomp.wav"), QStringLiteral("Click.wav")}));
    EXPECT_FALSE(sound->Busy());
}

TEST_F(SoundSystemTest, ThePlaceAndClickSoundsFollowTheLevel)
{
    sound->LoadPlaceSound();
    sound->PlayPlaceSound(0);
    sound->PlayClickSound(0);
    EXPECT_TRUE(sink->Played().isEmpty());
    EXPECT_FALSE(sound->Busy());

    sound->PlayPlaceSound(1);
    EXPECT_EQ(sink->Played(), QStringList {QStringLiteral("Place.wav")}) << "played at once, not queued";
    sound->PlayClickSound(1);
    EXPECT_EQ(sound->Queue().Items(), QStringList {data + QStringLiteral("Click.wav")});

    // The image is read once: the landing sound needs no file any more.
    QFile::remove(data + QStringLiteral("Place.wav"));
    sound->PlayPlaceSound(2);
    EXPECT_EQ(sink->Played().size(), 2);

    // A code or a missing file gives no image, and so no place sound.
    for (const char* value : {"#", "Gone.wav"}) {
        Options.PlaceSound = QString::fromLatin1(value);
        sound->LoadPlaceSound();
        sound->PlayPlaceSound(3);
    }
    EXPECT_EQ(sink->Played().size(), 2);
}

TEST_F(SoundSystemTest, TheRunningWorkerServesTheQueueUntilItIsTerminated)
{
    worker.StartWorker();
    sound->SetVoice(0);
    for (int round = 0; round < 20; ++round) {
        sound->QueuePhrase(QStringLiteral("White"));
        sound->QueuePhrase(QStringLiteral("On"));
    }
    // The default pump waits on the queue itself, so this returns when the
    // worker has played everything.
    sound->WaitForSpeech();
    worker.Terminate();

    const QStringList played = sink->Played();
    ASSERT_EQ(played.size(), 40);
    for (int i = 0; i < played.size(); ++i) {
        EXPECT_EQ(played[i], i % 2 == 0 ? u"White.wav" : u"On.wav") << i;
    }
    EXPECT_FALSE(worker.isRunning());
}

namespace {

// Holds the take sound in play until the test lets it end.
class TGatedSink : public TRecordingSink {
public:
    bool Play(const QByteArray& wav) override
    {
        if (MarkerOf(wav) == "Chomp.wav") {
            started.set_value();
            release.get_future().wait();
        }
        return TRecordingSink::Play(wav);
    }

    std::promise<void> started;
    std::promise<void> release;
};

} // namespace

TEST_F(SoundSystemTest, ThePlaceSoundWaitsForTheSoundPlayingWithTheWindowLive)
{
    auto gated = std::make_unique<TGatedSink>();
    TGatedSink& device = *gated;
    TSoundSystem system(std::move(gated), data);
    TSoundThread thread(system);
    thread.StartWorker();
    system.QueueSound(Options.TakeSound);
    device.started.get_future().wait();

    int pumped = 0;
    system.setEventPump([&] {
        if (pumped++ == 0) {
            device.release.set_value();
        }
        std::this_thread::yield();
    });
    system.LoadPlaceSound();
    system.PlayPlaceSound(1);
    thread.Terminate();

    EXPECT_GE(pumped, 1);
    EXPECT_EQ(device.Played(), QStringList({QStringLiteral("Chomp.wav"), QStringLiteral("Place.wav")}));
}
