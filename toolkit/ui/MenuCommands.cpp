#include "MenuCommands.h"
#include <map>

namespace {
std::map<UINT, std::function<void()>>& Commands() {
    // Never destroyed: menus of forms that outlive the program's end still release theirs.
    static auto* commands = new std::map<UINT, std::function<void()>>;
    return *commands;
}
}  // namespace

UINT AllocateCommand(std::function<void()> run) {
    static UINT next = 1000;
    Commands()[next] = std::move(run);
    return next++;
}

void ReleaseCommand(UINT id) { Commands().erase(id); }

bool RunCommand(UINT id) {
    auto it = Commands().find(id);
    if (it == Commands().end()) return false;
    auto run = it->second;  // the command may release itself
    run();
    return true;
}
