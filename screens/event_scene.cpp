#include "screens/event_scene.h"

#include "console/console.h"

bool finish() {
    clearScreen();
    return true;
}
