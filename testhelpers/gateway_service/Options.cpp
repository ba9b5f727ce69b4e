#include "Options.h"
#include <stdexcept>

namespace {

std::string Quoted(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
    return "\"" + argument + "\"";
}

class ArgumentReader {
public:
    ArgumentReader(int argc, char** argv) : argc_(argc), argv_(argv) {}
    bool More() const { return next_ < argc_; }
    std::string Take() { return argv_[next_++]; }
    std::string TakeValue(const std::string& option) {
        if (!More()) throw std::invalid_argument(option + " needs a value");
        return Take();
    }
    DWORD TakeNumber(const std::string& option) {
        return static_cast<DWORD>(std::stoul(TakeValue(option)));
    }

private:
    int argc_;
    char** argv_;
    int next_ = 1;
};

// Everything but the mode switches, to become the arguments of a registered binary path.
std::string BehaviourArguments(int argc, char** argv) {
    std::string behaviour;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--install" || argument == "--uninstall") continue;
        if (!behaviour.empty()) behaviour += ' ';
        behaviour += Quoted(argument);
    }
    return behaviour;
}

}  // namespace

Options ParseOptions(int argc, char** argv) {
    Options options;
    ArgumentReader args(argc, argv);
    while (args.More()) {
        std::string option = args.Take();
        if (option == "--install") {
            options.mode = Mode::Install;
        } else if (option == "--uninstall") {
            options.mode = Mode::Uninstall;
        } else if (option == "--hold-mb") {
            options.holdMegabytes = args.TakeNumber(option);
        } else if (option == "--start-delay-ms") {
            options.startDelayMs = args.TakeNumber(option);
        } else if (option == "--stop-delay-ms") {
            options.stopDelayMs = args.TakeNumber(option);
        } else if (option == "--pause-delay-ms") {
            options.pauseDelayMs = args.TakeNumber(option);
        } else if (option == "--continue-delay-ms") {
            options.continueDelayMs = args.TakeNumber(option);
        } else if (option == "--pid-file") {
            options.pidFile = args.TakeValue(option);
        } else if (option == "--no-stop") {
            options.acceptStop = false;
        } else if (option == "--accept-pause") {
            options.acceptPause = true;
        } else {
            throw std::invalid_argument("unknown option " + option);
        }
    }
    options.behaviour = BehaviourArguments(argc, argv);
    return options;
}
