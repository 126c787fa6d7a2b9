#include "console/dialogs.h"

#include <iostream>

#include "console/console.h"
#include "console/menu.h"

Array<String> options(std::initializer_list<const char*> texts) {
    Array<String> list;
    for (const char* text : texts) list.append(text);
    return list;
}

bool confirmed(const String& title) { return menu(title, options({" Yes ", " No  "}), false) == 0; }

bool confirmedPurchase() { return menu("Confirmation", options({" Yes  ", " Back "}), false) == 0; }

void menuUntilLeft(const String& title, std::initializer_list<MenuChoice> choices, const char* leave) {
    Array<String> labels;
    for (const MenuChoice& choice : choices) labels.append(choice.label);
    labels.append(leave);
    for (;;) {
        clearScreen();
        const auto chosen = static_cast<std::size_t>(menu(title, labels, false));
        if (chosen >= choices.size()) return;
        choices.begin()[chosen].act();
    }
}

void tell(const String& text) {
    std::cout << text << std::flush;
    waitForEnter();
    delayMs(200);
}
