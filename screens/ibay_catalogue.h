#pragma once
// The iBay's catalogue: the weapons it sells with their prices and questions,
// their descriptions and their pictures, in three tables that share one index,
// the weapon's place in the catalogue menu.

#include "model/weapon.h"

constexpr int catalogueSize = 16;

struct CatalogueEntry {
    const char* option;  // the catalogue menu's text, blanks included
    WeaponKind kind;
    int price;
    const char* question;  // written as it stands, not built from the price
};

constexpr int maxPictureLines = 20;

// A picture is written line by line: every line starts at column, the first on
// row top and each further one on the row below. The lines are drawn with a
// legend: '#', '$', '%' and '&' stand for the full, dark, medium and light
// blocks, '^' and '~' for the upper and lower half blocks; every other
// character is itself. Unused lines are null.
struct WeaponPicture {
    int column;
    int top;
    const char* lines[maxPictureLines];
};

extern const CatalogueEntry catalogue[catalogueSize];
// Line breaks are part of a description; a line too long for the screen wraps.
extern const char* const descriptions[catalogueSize];
extern const WeaponPicture pictures[catalogueSize];

// Writes the picture at its place in code page 437.
void drawPicture(const WeaponPicture& picture);
