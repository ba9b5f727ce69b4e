#pragma once
// Registration of this program as the gateway service, for trying the monitor by hand.
#include <string>

// Registers "RAX40 Gateway", demand start, running this program with the given arguments.
bool Install(const std::string& behaviour);
// Asks a running "RAX40 Gateway" to stop and removes its registration.
bool Uninstall();
