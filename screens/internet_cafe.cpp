#include "screens/internet_cafe.h"

#include "console/console.h"
#include "console/dialogs.h"
#include "console/menu.h"
#include "screens/ibay.h"
#include "screens/mail.h"
#include "screens/online_banking.h"
#include "screens/save_screens.h"

void visitInternetCafe(Possessions& possessions, Character& player, int& currentMap, const Array<Map>& maps) {
    clearScreen();
    internetCafe(possessions, player, currentMap, maps);
    clearScreen();
}

void internetCafe(Possessions& possessions, Character& player, int& currentMap, const Array<Map>& maps) {
    for (;;) {
        clearScreen();
        const int choice = menu("Internet Cafe",
                                options({" iBay           ", " Send\\Receive  ", " Online Banking ",
                                         " Save Game      ", " Load Game      ", " Exit           "}),
                                false);
        switch (choice) {
        case 0: iBayMenu(possessions); break;
        case 1: checkMail(possessions); break;
        case 2: onlineBanking(possessions); break;
        case 3: saveGameScreen(possessions, player, currentMap); break;
        case 4: loadGameScreen(possessions, player, currentMap, maps); break;
        default: return;
        }
    }
}
