// Runs a program with pipes to its standard input and output, for tests
// that talk to the real engine executable.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>

namespace engine_program::testing {

class ChildProcess {
public:
    explicit ChildProcess(const std::string& program);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    void Send(const std::string& line);
    void CloseInput();
    // The next output line; nothing when the output ends or `timeout` passes.
    std::optional<std::string> ReadLine(std::chrono::milliseconds timeout = std::chrono::seconds(30));
    // Waits for the program to end: its exit status, or -1 when it had to
    // be killed after `timeout`.
    int Wait(std::chrono::milliseconds timeout = std::chrono::seconds(30));

private:
    pid_t Pid = -1;
    int ToChild = -1;
    int FromChild = -1;
    std::string Buffer;
};

} // namespace engine_program::testing
