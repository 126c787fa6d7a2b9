#include "screens/internet_cafe.h"

#include "console/console.h"
#include "console/dialogs.h"
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
    menuUntilLeft("Internet Cafe",
                  {{" iBay           ", [&] { iBayMenu(possessions); }},
                   {" Send\\Receive  ", [&] { checkMail(possessions); }},
                   {" Online Banking ", [&] { onlineBanking(possessions); }},
                   {" Save Game      ", [&] { saveGameScreen(possessions, player, currentMap); }},
                   {" Load Game      ", [&] { loadGameScreen(possessions, player, currentMap, maps); }}},
                  " Exit           ");
}
