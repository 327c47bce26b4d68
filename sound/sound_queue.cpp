#include "sound/sound_queue.h"

void TSoundQueue::Append(const QString& item)
{
    {
        std::lock_guard guard(lock_);
        items_.push_back(item);
    }
    changed_.notify_all();
}

void TSoundQueue::Clear()
{
    {
        std::lock_guard guard(lock_);
        items_.clear();
    }
    changed_.notify_all();
}

QStringList TSoundQueue::Items() const
{
    std::lock_guard guard(lock_);
    return QStringList(items_.begin(), items_.end());
}

std::optional<QString> TSoundQueue::TakeFirst()
{
    std::lock_guard guard(lock_);
    if (items_.empty()) {
        return std::nullopt;
    }
    QString item = std::move(items_.front());
    items_.pop_front();
    playing_ = true;
    return item;
}

std::optional<QString> TSoundQueue::WaitAndTakeFirst()
{
    std::unique_lock guard(lock_);
    changed_.wait(guard, [this] { return stopped_ || !items_.empty(); });
    if (stopped_) {
        return std::nullopt;
    }
    QString item = std::move(items_.front());
    items_.pop_front();
    playing_ = true;
    return item;
}

void TSoundQueue::FinishItem()
{
    {
        std::lock_guard guard(lock_);
        playing_ = false;
    }
    changed_.notify_all();
}

bool TSoundQueue::Busy() const
{
    std::lock_guard guard(lock_);
    return playing_ || !items_.empty();
}

bool TSoundQueue::WaitUntilIdle(std::chrono::milliseconds most)
{
    std::unique_lock guard(lock_);
    return changed_.wait_for(guard, most, [this] { return !playing_ && items_.empty(); });
}

void TSoundQueue::Stop()
{
    {
        std::lock_guard guard(lock_);
        stopped_ = true;
    }
    changed_.notify_all();
}
