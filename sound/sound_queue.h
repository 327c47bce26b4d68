#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

// The first-in first-out list of sounds to play: full paths of recordings
// and the one-character alert codes. The user-interface thread appends at
// the tail, the worker takes from the head, both under one lock. An item
// taken counts as playing until the worker reports it finished, so "busy"
// covers the sound being heard as well as those waiting.
class TSoundQueue {
public:
    // Appends and wakes the worker; a wake can never be lost, because the
    // worker checks for items under the same lock it sleeps on.
    void Append(const QString& item);
    // Drops every waiting item; the one playing goes on to its end.
    void Clear();
    QStringList Items() const;

    // The head item, now playing; nothing when the queue is empty.
    std::optional<QString> TakeFirst();
    // As TakeFirst, sleeping until there is an item; nothing once stopped.
    std::optional<QString> WaitAndTakeFirst();
    // The item taken last has been played.
    void FinishItem();

    // Items waiting or one playing.
    bool Busy() const;
    // Returns once the queue is idle or the time is up; whether it is idle.
    bool WaitUntilIdle(std::chrono::milliseconds most);

    // Tells a sleeping worker to end; items still queued are not played.
    void Stop();

private:
    mutable std::mutex lock_;
    std::condition_variable changed_;
    std::deque<QString> items_;
    bool playing_ = false;
    bool stopped_ = false;
};
