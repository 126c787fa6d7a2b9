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

Host* installedHost = nullptr;

}  // namespace

ScreenModel& screen() { return model(); }

void bindCoutToScreen() {
    // Never destroyed: std::cout is flushed at exit, after every static is gone.
    static ScreenStreamBuf* const toScreen = new ScreenStreamBuf(model());
    std::cout.rdbuf(toScreen);
}

Host& host() {
    if (!installedHost) {
        static HeadlessHost fallback;
        return fallback;
    }
    return *installedHost;
}

void setHost(Host* h) { installedHost = h; }
