#pragma once
// The host for play in a browser page, where the game runs compiled to
// WebAssembly: a grid of cells on the page shows the screen model, the page's
// clock gives the time, and the page's key-down and key-up events give exact
// key state (a held key sends repeats, and every key reports its release).
//
// Waits sleep on a page timer that a key event cuts short; the program is
// suspended meanwhile (Asyncify), so the page stays responsive and a waiting
// game uses no CPU (the waits and key polls themselves are PollingHost's).
// The page itself (keys, drawing, saves in IndexedDB) lives in tools/web/.

#include <cstdint>

#include "platform/polling_host.h"
#include "platform/windows_cells.h"

class WebHost : public PollingHost {
public:
    // The page reports every release.
    WebHost();

    std::int64_t now() override;

private:
    // Takes in the key events the page has collected.
    void pump() override;
    void present() override;
    void sleepUntil(std::int64_t deadline) override;

    // The page's cells take the same glyphs and attributes as the Windows
    // console's, and the same changed rectangle.
    WindowsCells cells;
    double start;
};

// Tells the page that the game is over: a plain screen after quitting, the
// reason (already written to the error stream) otherwise. Returns status.
int showGameEnded(int status);
