#include "screens/macro_max.h"

// The store's screens are being built.
void visitMacroMax(Possessions&, Array<Enemy>&, Character&, Array<String>&, Array<Map>&, int&) {}
void macroMax(Possessions&, Array<Enemy>&, Character&, Array<String>&, Array<Map>&, int&) {}
