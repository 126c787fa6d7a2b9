#include "platform/terminal.h"

#include <fcntl.h>
#include <langinfo.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <stdexcept>

#include "console/interruption.h"
#include "platform/signal_handler.h"

namespace {

// Everything the signal handlers need, kept in plain static storage: a
// handler may only call async-signal-safe functions (write, tcsetattr,
// sigaction, raise ...), so the bytes it writes are prepared in advance.
struct Bytes {
    char data[96];
    std::size_t size = 0;
    void set(const char* text) {
        size = std::strlen(text);
        std::memcpy(data, text, size);
    }
};

struct SessionState {
    volatile sig_atomic_t active = 0;  // the terminal is in the game's mode now
    volatile sig_atomic_t exists = 0;  // a session is open (even while stopped)
    volatile sig_atomic_t resized = 0;
    volatile sig_atomic_t resumed = 0;
    termios saved{};  // the settings found at the start
    termios raw{};
    int wakeRead = -1;  // the self-pipe
    int wakeWrite = -1;
    Bytes enter;  // into the game's mode (alternate screen, hidden cursor, keyboard flags)
    Bytes leave;  // back out of it, in reverse order
};

SessionState session;
std::terminate_handler previousTerminate = nullptr;

constexpr int terminalIn = STDIN_FILENO;
constexpr int terminalOut = STDOUT_FILENO;

// Focus reports (?1004) tell when held keys are released in another window.
const char enterScreen[] = "\x1b[?1049h\x1b[?25l\x1b[?1004h";
const char resetAndClearBytes[] = "\x1b[0m\x1b[2J";
// The Linux console has no alternate screen: the game's picture is cleared
// before leaving so that it never stays behind under the shell.
const char leaveScreen[] = "\x1b[?1004l\x1b[0m\x1b[2J\x1b[H\x1b[?25h\x1b[?1049l";
const char popKeyboard[] = "\x1b[<u";
// Terminals that do not know the mode ignore it, as any unknown private mode.
const char win32InputOn[] = "\x1b[?9001h";
const char win32InputOff[] = "\x1b[?9001l";

void writeRaw(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(terminalOut, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN) {
                pollfd p{terminalOut, POLLOUT, 0};
                ::poll(&p, 1, 100);
                continue;
            }
            return;  // the terminal is gone; nothing more can be shown
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

// Async-signal-safe: leaves the game's mode if it is on.
void restoreTerminal() {
    if (!session.active) return;
    session.active = 0;
    writeRaw(session.leave.data, session.leave.size);
    ::tcsetattr(terminalIn, TCSAFLUSH, &session.saved);
}

// Async-signal-safe: enters the game's mode again.
void reenterTerminal() {
    if (!session.exists || session.active) return;
    ::tcsetattr(terminalIn, TCSAFLUSH, &session.raw);
    writeRaw(session.enter.data, session.enter.size);
    writeRaw(resetAndClearBytes, sizeof resetAndClearBytes - 1);
    session.active = 1;
}

void wake() {
    const int savedErrno = errno;
    const char byte = 1;
    if (session.wakeWrite >= 0) (void)!::write(session.wakeWrite, &byte, 1);
    errno = savedErrno;
}

// SIGINT, SIGTERM, SIGHUP, SIGQUIT and the crash signals: restore, then let
// the signal do what it would have done (the handler is reset on entry).
void onFatalSignal(int sig) {
    restoreTerminal();
    ::raise(sig);
}

void onSuspend(int) {
    const int savedErrno = errno;
    restoreTerminal();
    setSignalHandler(SIGTSTP, SIG_DFL, 0);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTSTP);
    ::sigprocmask(SIG_UNBLOCK, &set, nullptr);
    ::raise(SIGTSTP);  // stops here until SIGCONT
    setSignalHandler(SIGTSTP, onSuspend, SA_RESTART);
    // SIGCONT's handler has entered the game's mode again. Where the stop was
    // not carried out (an orphaned process group may not stop), no SIGCONT
    // comes, and the game must not go on with the terminal restored.
    if (!session.active) {
        reenterTerminal();
        session.resumed = 1;
        wake();
    }
    errno = savedErrno;
}

void onContinue(int) {
    const int savedErrno = errno;
    if (session.exists) {
        // Stopped by us: enter again. Stopped by SIGSTOP: the shell may have
        // changed the settings meanwhile, so set them again all the same.
        if (session.active) {
            ::tcsetattr(terminalIn, TCSAFLUSH, &session.raw);
            writeRaw(enterScreen, sizeof enterScreen - 1);
        } else {
            reenterTerminal();
        }
        session.resumed = 1;
        wake();
    }
    errno = savedErrno;
}

void onResize(int) {
    session.resized = 1;
    wake();
}

void onTerminate() {
    restoreTerminal();
    if (previousTerminate) previousTerminate();
    std::abort();
}

const int fatalSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

void installHandlers() {
    for (int sig : fatalSignals) setSignalHandler(sig, onFatalSignal, SA_RESETHAND | SA_NODEFER);
    setSignalHandler(SIGTSTP, onSuspend, SA_RESTART);
    setSignalHandler(SIGCONT, onContinue, SA_RESTART);
    setSignalHandler(SIGWINCH, onResize, SA_RESTART);
    static bool atexitDone = false;
    if (!atexitDone) {
        std::atexit(restoreTerminal);
        atexitDone = true;
    }
    previousTerminate = std::set_terminate(onTerminate);
}

void removeHandlers() {
    for (int sig : fatalSignals) setSignalHandler(sig, SIG_DFL, 0);
    setSignalHandler(SIGTSTP, SIG_DFL, 0);
    setSignalHandler(SIGCONT, SIG_DFL, 0);
    setSignalHandler(SIGWINCH, SIG_DFL, 0);
    std::set_terminate(previousTerminate);
}

// Changes the prepared bytes with the signals held back, so that no handler
// sees them half written.
template <typename F>
void withSignalsBlocked(F change) {
    sigset_t all, old;
    sigfillset(&all);
    ::sigprocmask(SIG_BLOCK, &all, &old);
    change();
    ::sigprocmask(SIG_SETMASK, &old, nullptr);
}

std::string errorText(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

// Terminals that cannot place the cursor, so the game cannot draw on them.
const char* const cursorlessTerminals[] = {"", "dumb", "unknown", "glasstty", "lpr"};

// Refuses, before anything is sent, a terminal the game cannot draw on.
void requireCursorAddressing() {
    const char* term = std::getenv("TERM");
    const std::string name = term ? term : "";
    for (const char* cursorless : cursorlessTerminals)
        if (name == cursorless)
            throw std::runtime_error("it needs a terminal that can place the cursor; TERM is " +
                                     (term ? "\"" + name + "\"" : std::string("not set")));
}

// A terminal that hung up (its window closed, its pseudo-terminal's other
// side gone) keeps reporting input that reads as nothing; a game that took
// that for "no key yet" would poll it forever at full speed.
bool hungUp() {
    pollfd p{terminalIn, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL));
}

// Closed without a hang-up signal (the program kept no controlling terminal):
// the game in play is kept all the same.
[[noreturn]] void terminalClosed() {
    keepGameInPlay();
    throw std::runtime_error("the terminal was closed");
}

}  // namespace

TerminalSession::TerminalSession() {
    if (session.exists) throw std::logic_error("a terminal session is already open");
    if (!::isatty(terminalIn) || !::isatty(terminalOut))
        throw std::runtime_error(
            "DRIFTER must be run in a terminal: its standard input and output are not a terminal");
    requireCursorAddressing();
    std::setlocale(LC_CTYPE, "");
    const char* codeset = ::nl_langinfo(CODESET);
    utf8Locale = codeset && (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);

    if (::tcgetattr(terminalIn, &session.saved) != 0)
        throw std::runtime_error(errorText("cannot read the terminal's settings"));
    // Raw input, except that Ctrl+C, Ctrl+Z and Ctrl+\ keep their signals.
    termios raw = session.saved;
    raw.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
    raw.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    raw.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | IEXTEN);
    raw.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB);
    raw.c_cflag |= CS8;
    raw.c_cc[VMIN] = 0;  // reads never block: poll() does the waiting
    raw.c_cc[VTIME] = 0;
    session.raw = raw;

    int fds[2];
    if (::pipe(fds) != 0) throw std::runtime_error(errorText("cannot create a pipe"));
    for (int fd : fds) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    session.wakeRead = fds[0];
    session.wakeWrite = fds[1];
    session.resized = session.resumed = 0;
    session.enter.set(enterScreen);
    session.leave.set(leaveScreen);

    installHandlers();
    withSignalsBlocked([] {
        session.exists = 1;
        if (::tcsetattr(terminalIn, TCSAFLUSH, &session.raw) == 0) session.active = 1;
    });
    if (!session.active) {
        const std::string message = errorText("cannot put the terminal into raw mode");
        session.exists = 0;
        removeHandlers();
        throw std::runtime_error(message);
    }
    writeRaw(enterScreen, sizeof enterScreen - 1);
    writeRaw(resetAndClearBytes, sizeof resetAndClearBytes - 1);
}

TerminalSession::~TerminalSession() {
    withSignalsBlocked([] {
        restoreTerminal();
        session.exists = 0;
    });
    removeHandlers();
    ::close(session.wakeRead);
    ::close(session.wakeWrite);
    session.wakeRead = session.wakeWrite = -1;
}

namespace {
TerminalOutputCopy outputCopy = nullptr;
}  // namespace

void copyTerminalOutput(TerminalOutputCopy copy) { outputCopy = copy; }

void TerminalSession::write(std::string_view bytes) {
    writeRaw(bytes.data(), bytes.size());
    if (outputCopy) outputCopy(bytes);
}

std::string TerminalSession::readAvailable() {
    std::string input;
    char buffer[4096];
    while (input.size() < 65536) {
        const ssize_t n = ::read(terminalIn, buffer, sizeof buffer);
        if (n > 0) {
            input.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) {
            const std::string reason = errorText("the terminal cannot be read any more");
            keepGameInPlay();
            throw std::runtime_error(reason);
        }
        // Raw reads return nothing both when no key waits and at the end of
        // a closed terminal; only the latter is hung up.
        if (n == 0 && input.empty() && hungUp()) terminalClosed();
        break;  // nothing more waiting
    }
    return input;
}

void TerminalSession::waitForInput(int timeoutMs) {
    pollfd fds[2] = {{terminalIn, POLLIN, 0}, {session.wakeRead, POLLIN, 0}};
    const int n = ::poll(fds, 2, timeoutMs < 0 ? -1 : timeoutMs);
    if (n <= 0) return;  // time is up, or a signal came (it wrote to the pipe too)
    if (fds[1].revents & POLLIN) {
        char drain[64];
        while (::read(session.wakeRead, drain, sizeof drain) > 0) {}
    }
    // A terminal that hung up would wake every poll at once; a game that
    // waited on it would spin instead of sleeping.
    if ((fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) && !(fds[0].revents & POLLIN)) terminalClosed();
}

void TerminalSession::wakeFromSignal() { wake(); }

bool TerminalSession::size(int& columns, int& rows) const {
    winsize ws{};
    if (::ioctl(terminalOut, TIOCGWINSZ, &ws) != 0 || ws.ws_col == 0 || ws.ws_row == 0) return false;
    columns = ws.ws_col;
    rows = ws.ws_row;
    return true;
}

TerminalSession::Events TerminalSession::takeEvents() {
    Events e;
    withSignalsBlocked([&e] {
        e.resized = session.resized != 0;
        e.resumed = session.resumed != 0;
        session.resized = session.resumed = 0;
    });
    return e;
}

void TerminalSession::pushKeyboardFlags(int flags) {
    const std::string push = "\x1b[>" + std::to_string(flags) + "u";
    withSignalsBlocked([&push] {
        // After a stop the flags are pushed again on the alternate screen's
        // own stack; leaving pops them before the main screen comes back.
        session.enter.set((std::string(enterScreen) + push).c_str());
        session.leave.set((std::string(popKeyboard) + leaveScreen).c_str());
    });
    write(push);
}

void TerminalSession::enableWin32Input() {
    withSignalsBlocked([] {
        session.enter.set((std::string(enterScreen) + win32InputOn).c_str());
        session.leave.set((std::string(win32InputOff) + leaveScreen).c_str());
    });
    write(win32InputOn);
}
