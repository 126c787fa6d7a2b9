#pragma once
// The host for play in a browser page, where the game runs compiled to
// WebAssembly: a grid of cells on the page shows the screen model, the page's
// clock gives the time, and the page's key-down and key-up events give exact
// key state (a held key sends repeats, and every key reports its release).
//
// Every wait presents the model first and then sleeps on a page timer that a
// key event cuts short; the program is suspended meanwhile (Asyncify), so the
// page stays responsive and a waiting game uses no CPU. Key polls take in
// waiting events and present before they answer. The page itself (keys,
// drawing, saves in IndexedDB) lives in tools/web/.

#include <cstdint>

#include "console/host.h"
#include "platform/key_state.h"
#include "platform/windows_cells.h"

class WebHost : public Host {
public:
    WebHost();

    std::int64_t now() override;
    void waitUntil(std::int64_t deadline) override;
    bool keyHeld(int virtualKey) override;
    bool keyDown(int virtualKey) override;
    void waitForRelease(int virtualKey) override;
    void screenCleared() override;

    // The page reports every release.
    bool exactKeys() const { return true; }

private:
    // Takes in the key events the page has collected.
    void pump();
    void present();
    void sleepUntil(std::int64_t deadline);

    KeyState keys;
    // The page's cells take the same glyphs and attributes as the Windows
    // console's, and the same changed rectangle.
    WindowsCells cells;
    double start;
};

// Tells the page that the game is over: a plain screen after quitting, the
// reason (already written to the error stream) otherwise. Returns status.
int showGameEnded(int status);
