#pragma once

#include "view/command_ids.h"

#include <ostream>

// Test messages name a command by its number, as the menus know it.
inline std::ostream& operator<<(std::ostream& out, CommandId id) {
    return out << static_cast<int>(id);
}
