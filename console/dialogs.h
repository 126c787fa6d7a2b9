#pragma once
// The small dialogs every screen shares: option lists written as literals,
// the two confirmations and a message that waits for Enter.

#include <functional>
#include <initializer_list>

#include "console/array.h"
#include "console/text.h"

// A menu's options from a list literal: options({" Yes ", " No  "}).
Array<String> options(std::initializer_list<const char*> texts);

// The " Yes " / " No  " menu under title at the cursor; true for yes.
bool confirmed(const String& title = "Confirmation");

// The shops' " Yes  " / " Back " menu under "Confirmation"; true for yes.
bool confirmedPurchase();

// An option of a menu the player comes back to, and what choosing it does.
struct MenuChoice {
    const char* label;
    std::function<void()> act;
};

// Clears the screen and shows the choices under title, the option leave last,
// until the player chooses leave; each other choice acts, then the menu shows again.
void menuUntilLeft(const String& title, std::initializer_list<MenuChoice> choices, const char* leave);

// Writes text at the cursor, waits for Enter, then lets the key settle.
void tell(const String& text);
