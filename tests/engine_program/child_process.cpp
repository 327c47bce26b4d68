#include "tests/engine_program/child_process.h"

#include <csignal>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace engine_program::testing {

ChildProcess::ChildProcess(const std::string& program)
{
    int input[2];
    int output[2];
    if (pipe(input) != 0 || pipe(output) != 0) {
        throw std::runtime_error("pipe");
    }
    Pid = fork();
    if (Pid == 0) {
        dup2(input[0], STDIN_FILENO);
        dup2(output[1], STDOUT_FILENO);
        close(input[0]);
        close(input[1]);
        close(output[0]);
        close(output[1]);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(input[0]);
    close(output[1]);
    ToChild = input[1];
    FromChild = output[0];
    // A child that ends early must not kill the test on the next write.
    std::signal(SIGPIPE, SIG_IGN);
}

ChildProcess::~ChildProcess()
{
    CloseInput();
    if (Pid > 0 && Wait(std::chrono::seconds(5)) == -1) {
        Pid = -1;
    }
    if (FromChild >= 0) {
        close(FromChild);
    }
}

void ChildProcess::Send(const std::string& line)
{
    const std::string text = line + "\n";
    std::size_t done = 0;
    while (ToChild >= 0 && done < text.size()) {
        const ssize_t n = write(ToChild, text.data() + done, text.size() - done);
        if (n <= 0) {
            return;
        }
        done += std::size_t(n);
    }
}

void ChildProcess::CloseInput()
{
    if (ToChild >= 0) {
        close(ToChild);
        ToChild = -1;
    }
}

std::optional<std::string> ChildProcess::ReadLine(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const std::size_t end = Buffer.find('\n');
        if (end != std::string::npos) {
            std::string line = Buffer.substr(0, end);
            Buffer.erase(0, end + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd poller {FromChild, POLLIN, 0};
        if (left.count() <= 0 || poll(&poller, 1, int(left.count())) <= 0) {
            return std::nullopt;
        }
        char chunk[4096];
        const ssize_t got = read(FromChild, chunk, sizeof chunk);
        if (got <= 0) {
            return std::nullopt;
        }
        Buffer.append(chunk, std::size_t(got));
    }
}

int ChildProcess::Wait(std::chrono::milliseconds timeout)
{
    if (Pid <= 0) {
        return -1;
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    while (waitpid(Pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(Pid, SIGKILL);
            waitpid(Pid, &status, 0);
            Pid = -1;
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    Pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace engine_program::testing
