#pragma once
// Money is kept in signed 32-bit whole dollars. Sums are worked out wide and
// checked here, so no payment, reward or transfer ever wraps a balance.

#include <climits>
#include <cstdint>

// True when the amount can be held as money.
inline bool fitsMoney(std::int64_t amount) { return amount >= INT_MIN && amount <= INT_MAX; }

// A sum paid in (a reward, a sale): it stops at the most money can hold.
inline int cappedMoney(std::int64_t amount) { return amount > INT_MAX ? INT_MAX : static_cast<int>(amount); }
