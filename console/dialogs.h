#pragma once
// The small dialogs every screen shares: option lists written as literals,
// the two confirmations and a message that waits for Enter.

#include <initializer_list>

#include "console/array.h"
#include "console/text.h"

// A menu's options from a list literal: options({" Yes ", " No  "}).
Array<String> options(std::initializer_list<const char*> texts);

// The " Yes " / " No  " menu under title at the cursor; true for yes.
bool confirmed(const String& title = "Confirmation");

// The shops' " Yes  " / " Back " menu under "Confirmation"; true for yes.
bool confirmedPurchase();

// Writes text at the cursor, waits for Enter, then lets the key settle.
void tell(const String& text);
