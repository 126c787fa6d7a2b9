#include "program/program.h"

#include <exception>
#include <iostream>
#include <string>

#include "console/errors.h"
#include "console/printable.h"
#include "console/host.h"
#include "console/interruption.h"
#include "console/quit.h"
#include "platform/console_window.h"
#include "platform/interruption.h"

namespace {

// The one line that tells the player why the game stopped. It may quote a
// damaged file or the environment, so its control bytes are escaped. A
// window that would close with the program stays until it was read.
void report(const std::string& what) {
    std::cerr << "DRIFTER stopped: " << printable(what) << std::endl;
    if (!consoleClosesWithProgram()) return;
    std::cerr << "Press Enter to close this window." << std::flush;
    std::string line;
    std::getline(std::cin, line);
}

// The game was kept (or not, and the player hears why), the terminal is
// restored: the program ends as the interruption would have ended it.
[[noreturn]] void endInterrupted(const PlayInterrupted& why) {
    if (!why.failure.empty())
        std::cerr << "DRIFTER: the game in play could not be kept: " << printable(why.failure) << std::endl;
    endAsInterrupted(why.cause);
}

}  // namespace

int exitStatusOf(int (*body)()) {
    try {
        return body();
    } catch (const QuitGame&) {
        return 0;
    } catch (const PlayInterrupted& why) {
        endInterrupted(why);
    } catch (const errorBounds& e) {
        if (e.max == 4294967295u) report("index " + std::to_string(e.index) + " was used on an empty list");
        else
            report("index " + std::to_string(e.index) + " is out of range (the largest valid index is " +
                   std::to_string(e.max) + ")");
    } catch (const errorOverflow&) {
        report("out of memory (a text or list could not grow)");
    } catch (const std::exception& e) {
        report(e.what());
    } catch (...) {
        report("an unexpected internal error");
    }
    return 1;
}
