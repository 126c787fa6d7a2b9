#include "screens/event_scene.h"

#include "console/console.h"

EventOutcome finish() {
    clearScreen();
    return EventOutcome::ScreenCleared;
}
