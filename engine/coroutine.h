// A cooperative task with its own stack. Control passes only through
// Resume (caller to task) and Yield (task to caller), each handing over a
// 16-bit message, so exactly one side runs at any time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <ucontext.h>

namespace engine {

class Coroutine {
public:
    // Deep enough for a search of 23 plies with extensions, even with the
    // larger frames of a sanitizer build.
    static constexpr std::size_t StackSize = 512 * 1024;

    // Creates the task and runs `body` until its first Yield; returns that message.
    std::uint16_t Start(void (*body)());
    std::uint16_t Resume(std::uint16_t message);
    std::uint16_t Yield(std::uint16_t message);
    // Frees the stack. Only call when the task has returned or will never run again.
    void Release();

    bool Created() const { return stack_ != nullptr; }
    bool Inside() const { return inside_; }
    bool Finished() const { return finished_; }
    // The most stack the task has used so far, in bytes.
    std::size_t StackHighWater() const;

private:
    static void Entry();
    void SwitchToTask();
    void SwitchToCaller(bool finishing);

    std::unique_ptr<unsigned char[]> stack_;
    ucontext_t caller_ {};
    ucontext_t task_ {};
    void (*body_)() = nullptr;
    std::uint16_t message_ = 0;
    bool inside_ = false;
    bool finished_ = false;
    // Sanitizer bookkeeping for the two stacks; unused in other builds.
    [[maybe_unused]] void* callerFakeStack_ = nullptr;
    [[maybe_unused]] void* taskFakeStack_ = nullptr;
    [[maybe_unused]] const void* callerBottom_ = nullptr;
    [[maybe_unused]] std::size_t callerSize_ = 0;
};

} // namespace engine
