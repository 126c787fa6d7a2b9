#include "console/host.h"

#include <iostream>

#include "console/headless.h"
#include "console/screen.h"
#include "console/screen_stream.h"

namespace {

ScreenModel& model() {
    static ScreenModel theScreen;
    return theScreen;
}

// std::cout is bound to the screen model before main runs, so that no write
// of the game can reach the terminal behind the presenter's back.
struct CoutBinding {
    CoutBinding() : buf(model()) { std::cout.rdbuf(&buf); }
    ScreenStreamBuf buf;
};
CoutBinding coutBinding;

Host* installed = nullptr;

}  // namespace

ScreenModel& screen() { return model(); }

Host& host() {
    if (!installed) {
        static HeadlessHost fallback;
        return fallback;
    }
    return *installed;
}

void setHost(Host* h) { installed = h; }
