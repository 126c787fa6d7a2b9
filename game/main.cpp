// DRIFTER's entry point. For now a small program that shows the console layer:
// a colour test card and a menu, ended by choosing Quit.

#include <iostream>

#include "console/console.h"
#include "console/host.h"
#include "console/menu.h"

int main() {
    setColor(0, 15);
    clearScreen();
    gotoXY(30, 10);
    Array<String> options;
    options.append(" Quit ");
    menu("%C0EDRIFTER", options, false);
    return 0;
}
