#include "screens/ibay.h"

// The iBay's screens are being built.
void iBayMenu(Possessions&) {}
