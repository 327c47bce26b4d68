#include "sound/sound_thread.h"

#include "sound/sound_system.h"

TSoundThread::TSoundThread(TSoundSystem& sound)
    : sound_(sound)
{ }

TSoundThread::~TSoundThread()
{
    Terminate();
}

void TSoundThread::StartWorker()
{
    // Set before the thread runs, so no wait in between plays an item itself.
    sound_.setWorkerRunning(true);
    start(QThread::HighPriority);
}

void TSoundThread::Terminate()
{
    sound_.Queue().Stop();
    wait();
}

bool TSoundThread::ProcessOne()
{
    return sound_.PlayItemFromQueue();
}

void TSoundThread::run()
{
    // Errors while playing are the sink's to absorb; the loop goes on.
    while (const std::optional<QString> item = sound_.Queue().WaitAndTakeFirst()) {
        sound_.PlayTakenItem(*item);
    }
    sound_.setWorkerRunning(false);
}
