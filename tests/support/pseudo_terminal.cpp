#include "support/pseudo_terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

std::int64_t millisecondsNow() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

PseudoTerminal::PseudoTerminal(const std::string& program, int columns, int rows,
                               const std::vector<std::string>& environment,
                               const std::vector<std::string>& arguments) {
    winsize ws{};
    ws.ws_col = static_cast<unsigned short>(columns);
    ws.ws_row = static_cast<unsigned short>(rows);
    child = ::forkpty(&master, nullptr, nullptr, &ws);
    if (child < 0) throw std::runtime_error(std::string("cannot open a pseudo-terminal: ") + std::strerror(errno));
    if (child == 0) {
        ::setenv("TERM", "xterm-256color", 1);
        for (const std::string& entry : environment) ::putenv(::strdup(entry.c_str()));
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
}

PseudoTerminal::~PseudoTerminal() {
    if (status < 0 && child > 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    ::close(master);
}

void PseudoTerminal::type(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master, bytes.data() + done, bytes.size() - done);
        if (n > 0) done += static_cast<std::size_t>(n);
        else if (n < 0 && errno != EINTR && errno != EAGAIN) return;
    }
}

void PseudoTerminal::readSome(int timeoutMs) {
    pollfd p{master, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0) return;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n > 0) {
            seen.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        // The program closed the terminal: poll would answer at once from
        // now on, so the wait sleeps instead.
        if (n < 0 && errno == EIO) ::poll(nullptr, 0, timeoutMs);
        return;
    }
}

bool PseudoTerminal::waitFor(const std::string& text, int timeoutMs) {
    const std::int64_t end = millisecondsNow() + timeoutMs;
    for (;;) {
        const auto at = seen.find(text, searchFrom);
        if (at != std::string::npos) {
            searchFrom = at + text.size();
            return true;
        }
        const std::int64_t left = end - millisecondsNow();
        if (left <= 0) return false;
        readSome(static_cast<int>(left < 20 ? left : 20));
    }
}

void PseudoTerminal::drain(int ms) {
    const std::int64_t end = millisecondsNow() + ms;
    for (std::int64_t left = ms; left > 0; left = end - millisecondsNow()) readSome(static_cast<int>(left));
}

void PseudoTerminal::signal(int sig) { ::kill(child, sig); }

void PseudoTerminal::hangUp() {
    ::close(master);
    master = -1;  // poll skips it: waits sleep their time
}

int PseudoTerminal::waitForExit(int timeoutMs) {
    const std::int64_t end = millisecondsNow() + timeoutMs;
    while (status < 0) {
        int raw = 0;
        const pid_t done = ::waitpid(child, &raw, WNOHANG);
        if (done == child) {
            status = WIFSIGNALED(raw) ? 128 + WTERMSIG(raw) : WEXITSTATUS(raw);
            break;
        }
        if (millisecondsNow() >= end) return -1;
        readSome(10);
    }
    readSome(0);
    return status;
}
