#include "engine/coroutine.h"

#include <cstring>

// GCC announces AddressSanitizer with a macro, clang through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define QUARVEL_ASAN_FIBERS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUARVEL_ASAN_FIBERS 1
#endif
#endif
#if defined(QUARVEL_ASAN_FIBERS)
#include <sanitizer/common_interface_defs.h>
#endif

namespace engine {

namespace {

constexpr unsigned char StackPaint = 0xA5;
Coroutine* Starting = nullptr; // makecontext passes no pointer portably

} // namespace

std::uint16_t Coroutine::Start(void (*body)())
{
    stack_ = std::make_unique_for_overwrite<unsigned char[]>(StackSize);
    std::memset(stack_.get(), StackPaint, StackSize);
    body_ = body;
    finished_ = false;
    getcontext(&task_);
    task_.uc_stack.ss_sp = stack_.get();
    task_.uc_stack.ss_size = StackSize;
    task_.uc_link = nullptr;
    makecontext(&task_, &Coroutine::Entry, 0);
    Starting = this;
    SwitchToTask();
    return message_;
}

void Coroutine::Entry()
{
    Coroutine* self = Starting;
#if QUARVEL_ASAN_FIBERS
    __sanitizer_finish_switch_fiber(nullptr, &self->callerBottom_, &self->callerSize_);
#endif
    self->body_();
    self->finished_ = true;
    self->SwitchToCaller(true);
}

std::uint16_t Coroutine::Resume(std::uint16_t message)
{
    if (!Created() || finished_ || inside_) {
        return 0;
    }
    message_ = message;
    SwitchToTask();
    return message_;
}

std::uint16_t Coroutine::Yield(std::uint16_t message)
{
    message_ = message;
    SwitchToCaller(false);
    return message_;
}

void Coroutine::SwitchToTask()
{
    inside_ = true;
#if QUARVEL_ASAN_FIBERS
    __sanitizer_start_switch_fiber(&callerFakeStack_, stack_.get(), StackSize);
#endif
    swapcontext(&caller_, &task_);
#if QUARVEL_ASAN_FIBERS
    __sanitizer_finish_switch_fiber(callerFakeStack_, nullptr, nullptr);
#endif
    inside_ = false;
}

void Coroutine::SwitchToCaller(bool finishing)
{
#if QUARVEL_ASAN_FIBERS
    // A finishing task hands over no fake stack: its frames are gone for good.
    __sanitizer_start_switch_fiber(finishing ? nullptr : &taskFakeStack_, callerBottom_, callerSize_);
#else
    (void)finishing;
#endif
    swapcontext(&task_, &caller_);
#if QUARVEL_ASAN_FIBERS
    __sanitizer_finish_switch_fiber(taskFakeStack_, &callerBottom_, &callerSize_);
#endif
}

void Coroutine::Release()
{
    stack_.reset();
    finished_ = false;
    inside_ = false;
}

#if QUARVEL_ASAN_FIBERS
__attribute__((no_sanitize_address))
#endif
std::size_t
Coroutine::StackHighWater() const
{
    if (!Created()) {
        return 0;
    }
    // The stack grows down from the top; the lowest overwritten byte marks the deepest point.
    const unsigned char* bytes = stack_.get();
    std::size_t untouched = 0;
    while (untouched < StackSize && bytes[untouched] == StackPaint) {
        ++untouched;
    }
    return StackSize - untouched;
}

} // namespace engine
