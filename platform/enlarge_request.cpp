#include "platform/enlarge_request.h"

#include "console/screen.h"

std::vector<std::string> enlargeRequestLines(int columns, int rows) {
    return {
        "Please enlarge the window",
        "to at least " + std::to_string(ScreenModel::width) + " x " + std::to_string(ScreenModel::height) + ".",
        "It is now " + std::to_string(columns) + " x " + std::to_string(rows) + ".",
    };
}
