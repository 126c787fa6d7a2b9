#include "screens/internet_cafe.h"

// The cafe's screens are being built; until then its door leads nowhere.
void internetCafe(Possessions&, Character&, int&) {}
void visitInternetCafe(Possessions&, Character&, int&) {}
