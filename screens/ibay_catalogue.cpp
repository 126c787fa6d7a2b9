#include "screens/ibay_catalogue.h"

const CatalogueEntry catalogue[catalogueSize] = {
    {" Baseball Bat     ", WeaponKind::Baseballbat, 20,
     "Are you sure you want to purchase the Baseball Bat for $20?"},
    {" Switchblade      ", WeaponKind::Switchblade, 35,
     "Are you sure you want to purchase the Switchblade for $35?"},
    {" Machete          ", WeaponKind::Machete, 100, "Are you sure you want to purchase the Machete for $100?"},
    {" Molotov Cocktail ", WeaponKind::MolotovCocktail, 75,
     "Are you sure you want to purchase the Molotov Cocktail for $75?"},
    {" Grenade          ", WeaponKind::Grenade, 100, "Are you sure you want to purchase the Grenade for $100?"},
    {" Beretta          ", WeaponKind::Beretta, 250, "Are you sure you want to purchase the Beretta for $250?"},
    {" Desert Eagle     ", WeaponKind::DesertEagle, 300,
     "Are you sure you want to purchase the Desert Eagle for $300?"},
    {" Dual Berettas    ", WeaponKind::DualBerettas, 450,
     "Are you sure you want to purchase Dual Berettas for $450?"},
    {" Shotgun          ", WeaponKind::Shotgun, 500, "Are you sure you want to purchase the Shot Gun for $500?"},
    {" Chainsaw         ", WeaponKind::Chainsaw, 600, "Are you sure you want to purchase the Chainsaw for $600?"},
    {" Uzi              ", WeaponKind::Uzi, 800, "Are you sure you want to purchase the Uzi for $800?"},
    {" M16              ", WeaponKind::M16, 850, "Are you sure you want to purchase the M16 for $850?"},
    {" AK-47            ", WeaponKind::AK47, 900, "Are you sure you want to purchase the AK-47 for $900?"},
    {" Rocket Launcher  ", WeaponKind::RocketLauncher, 1000,
     "Are you sure you want to purchase the Rocket Launcher for $1000?"},
    {" Flamethrower     ", WeaponKind::FlameThrower, 1200,
     "Are you sure you want to purchase the Flamethrower for $1200?"},
    {" C4               ", WeaponKind::C4, 1000, "Are you sure you want to purchase C4 for $1000?"},
};

// The Machete's and the Chainsaw's first lines run past the screen's edge and
// wrap between two words.
const char* const descriptions[catalogueSize] = {
    "This is a nondescript, heavy aluminum baseball bat.",
    "A simple knife designed for easy concealment and quick access.\n"
    "The four inch blade springs out of the handle at the push of a button.\n"
    "Fits in any pocket and never needs reloading.",
    "A short, strong cutting tool with a wide, single-edged blade.  Made for jungles and just as handy on a "
    "crowded street.",
    "This is a bottle containing an alcoholic beverage.\n"
    "Stuff a rag in the neck, light it and throw it.  Good for one use only.",
    "A standard fragmentation grenade, pull the pin and throw, three second fuse.\n"
    "The steel casing bursts into hundreds of fragments on detonation.\n"
    "Do not hold on to it once the pin is out.\n"
    "Good for one use only.",
    "A small black, lightweight, 9mm pistol with a clip capacity of 15 bullets,\n"
    "its hollow point ammunition provides excellent stopping power.",
    "This is a magnum-caliber semi-automatic, single action pistol.\n"
    "Heavy, loud and hard to handle, but nothing stops a man like it.",
    "You know the old saying: Two bullets are better than one.",
    "This is a 12-guage, double-barrel, pump action shotgun.\n"
    "At close range there is no need to aim very carefully.",
    "A typical, industrial sized gas powered chainsaw.  Its sixteen inch bar can cut through wood, metal and "
    "anything else that stands in the way.\n"
    "Loud, heavy and messy.",
    "An Israeli mini-uzi sub-machine gun.  Small, light and very fast firing.",
    "A military issue Armalite AR-15 (M16) Assualt rifle, clip of 30 cyclic rate of\n"
    "800rpm.  Not so concealable but powerful.",
    "This is a russin made assualt rifle with a clip capacity of 30.\n"
    "Cheap, simple and rugged, it keeps firing through dirt, sand and rain.",
    "A recoilless, personal light antitank weapon.",
    "A standard issue single piece flamethrower.  No introduction is necessary.\n"
    "Point, fire, and  barbecue.",
    "A block of C4 explosives.\n"
    "Set it, step back, and watch the wall come down.  Good for one use only.",
};
