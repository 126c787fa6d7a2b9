#pragma once
// Puts the player on the current map beside the first tile of a link (west of
// it first, so on a gate's hall side) and returns the arrow that walks into it.

#include <stdexcept>
#include <string>

#include "console/keys.h"
#include "model/game_state.h"

inline int besideLink(GameState& state, const char* link) {
    static const struct {
        int dx, dy, key;
    } sides[] = {{-1, 0, VK::Right}, {1, 0, VK::Left}, {0, 1, VK::Up}, {0, -1, VK::Down}};
    const Map& m = state.maps.at(static_cast<std::uint32_t>(state.currentMap));
    for (int y = 0; y <= m.getHeight(); ++y)
        for (int x = 0; x <= m.getWidth(); ++x)
            for (const auto& side : sides)
                if (m.linkAt(x, y) == link && m.isWalkable(x + side.dx, y + side.dy)) {
                    state.player.setX(x + side.dx);
                    state.player.setY(y + side.dy);
                    return side.key;
                }
    throw std::logic_error(std::string("no way to the link ") + link);
}
