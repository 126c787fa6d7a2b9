#include "screens/location_events.h"

// No events yet: the doors, counters and mission objects of the world are
// added event by event.
bool runLocationEvent(String&, Character&, Possessions&, Array<Enemy>&, Array<String>&, Array<Map>&, int&) {
    return false;
}
