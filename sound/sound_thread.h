#pragma once

#include <QThread>

class TSoundSystem;

// The worker that plays the queue: it takes one item at a time and plays it
// to its end, so a phrase never cuts into the one before, and sleeps while
// the queue is empty. It runs above normal priority so speech does not
// stutter while the engine thinks.
class TSoundThread : public QThread {
public:
    explicit TSoundThread(TSoundSystem& sound);
    ~TSoundThread() override;

    // Starts the worker, asleep until something is queued.
    void StartWorker();
    // Ends the worker after the sound playing now; waits for it.
    void Terminate();

    // One step of the worker on the calling thread, for tests that drive
    // the queue without a second thread; false when there was nothing.
    bool ProcessOne();

protected:
    void run() override;

private:
    TSoundSystem& sound_;
};
