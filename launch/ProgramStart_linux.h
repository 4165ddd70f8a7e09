// What the POSIX program start offers beyond the portable contract.
#pragma once

#include <string>

namespace velk {

// A variable this process took out of its own environment (for its own
// libraries' sake) that the programs it starts still get, as the player set
// it.
void PassToPrograms(const std::string& name, const std::string& value);

}  // namespace velk
