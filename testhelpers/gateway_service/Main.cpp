// testgateway.exe: a service that stands in for the gateway in the tests.
//   testgateway.exe [behaviour]              run as the service (started by the SCM)
//   testgateway.exe --install [behaviour]    register it as "RAX40 Gateway", demand start
//   testgateway.exe --uninstall              stop and remove "RAX40 Gateway"
// behaviour: --hold-mb N  --start-delay-ms N  --stop-delay-ms N  --pause-delay-ms N
//            --continue-delay-ms N  --no-stop  --accept-pause  --pid-file PATH
#include "Options.h"
#include "Registration.h"
#include "ServiceBody.h"
#include <cstdio>
#include <stdexcept>

int main(int argc, char** argv) {
    try {
        Options options = ParseOptions(argc, argv);
        switch (options.mode) {
        case Mode::Install:
            return Install(options.behaviour) ? 0 : 1;
        case Mode::Uninstall:
            return Uninstall() ? 0 : 1;
        case Mode::Serve:
            break;
        }
        if (RunService(options)) return 0;
        std::fprintf(stderr, "testgateway: runs as a service; use --install to register it\n");
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "testgateway: %s\n", e.what());
        return 2;
    }
}
