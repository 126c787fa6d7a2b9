#pragma once
// Where the game puts the player in each city (1 Vancouver ... 6 Washington
// D.C.): the way out of the airport to the streets, the jail after an arrest
// and the hospital after a death.

struct CityPlace {
    const char* mapName;
    int x;
    int y;
    int cityAfter;  // the city the player is in afterwards (0: unchanged)
};

// Where a new game puts the player: this map is loaded at index 1.
inline constexpr CityPlace newGameStart = {"Vancouver 1", 20, 10, 0};
constexpr int newGameMapIndex = 1;
// Where the airport's arrival hall puts a traveller, and the main hall the
// ticket counter, baggage claim and gates open onto.
inline constexpr CityPlace airportHall = {"map airport", 31, 9, 0};

// "Vancouver", "Cape Kennedy", "Silicon Valley", "Roswell", "Redmond",
// "Washington"; "" for a number outside 1 to 6.
const char* cityName(int city);

// Where a "city" link leads.
const CityPlace& cityEntry(int city);
// Where an arrest takes the player.
const CityPlace& arrestPlace(int city);
// Where a death wakes the player up.
const CityPlace& deathPlace(int city);
