#include "program/program.h"

#include <exception>
#include <iostream>
#include <string>

#include "console/errors.h"
#include "console/printable.h"
#include "console/host.h"
#include "console/quit.h"

namespace {

// The one line that tells the player why the game stopped. It may quote a
// damaged file or the environment, so its control bytes are escaped.
void report(const std::string& what) { std::cerr << "DRIFTER stopped: " << printable(what) << std::endl; }

}  // namespace

int exitStatusOf(int (*body)()) {
    try {
        return body();
    } catch (const QuitGame&) {
        return 0;
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
