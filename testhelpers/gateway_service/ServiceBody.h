#pragma once
#include "Options.h"

// Runs as the service under the control dispatcher until it has stopped. False when the
// program was not started by the Service Control Manager.
bool RunService(const Options& options);
