#pragma once
// Money is kept in signed 32-bit whole dollars. Sums are worked out wide and
// checked here, so no payment, reward or transfer ever wraps a balance.

#include <climits>
#include <cstdint>

// True when the amount can be held as money.
inline bool fitsMoney(std::int64_t amount) { return amount >= INT_MIN && amount <= INT_MAX; }

// A balance after a sum is paid in (a reward, a sale, loot): it stops at the
// most money can hold.
inline int paidIn(int balance, int amount) {
    const std::int64_t sum = static_cast<std::int64_t>(balance) + amount;
    return sum > INT_MAX ? INT_MAX : static_cast<int>(sum);
}
