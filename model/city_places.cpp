#include "model/city_places.h"

namespace {

const CityPlace entries[] = {
    {"Vancouver 3", 32, 11, 0}, {"Cape Kennedy 1", 8, 10, 0}, {"Silicon Valley 2", 19, 14, 0},
    {"Roswell 1", 8, 9, 0},     {"Redmond 1", 24, 13, 0},     {"DC 2", 19, 15, 0},
};

const CityPlace arrests[] = {
    {"Vancouver 1", 20, 10, 0}, {"Cape Kennedy 3", 18, 11, 0}, {"Silicon Valley 3", 18, 14, 0},
    {"Roswell 3", 33, 14, 0},   {"Redmond 3", 17, 14, 0},      {"Vancouver 1", 20, 10, 0},
};

// Redmond and Washington have no hospital of their own: the player wakes in Vancouver.
const CityPlace deaths[] = {
    {"Vancouver 2", 56, 9, 0}, {"Cape Kennedy 2", 12, 10, 0}, {"Silicon Valley 1", 6, 10, 0},
    {"Roswell 3", 15, 10, 0},  {"Vancouver 2", 56, 9, 1},     {"Vancouver 2", 56, 9, 1},
};

const char* const names[] = {"Vancouver", "Cape Kennedy", "Silicon Valley", "Roswell", "Redmond", "Washington"};

// A city outside 1 to 6 (only from a damaged state) is taken as Vancouver.
const CityPlace& rowOf(const CityPlace (&table)[6], int city) {
    return table[(city >= 1 && city <= 6) ? city - 1 : 0];
}

}  // namespace

const char* cityName(int city) { return (city >= 1 && city <= 6) ? names[city - 1] : ""; }

const CityPlace& cityEntry(int city) { return rowOf(entries, city); }
const CityPlace& arrestPlace(int city) { return rowOf(arrests, city); }
const CityPlace& deathPlace(int city) { return rowOf(deaths, city); }
