#pragma once
// The debug privilege, which an administrator's token holds disabled. Enabled, it lets
// the monitor open the processes of services (the gateway's among them) with the rights
// it reads their memory with, as process tools do.

// True when the privilege is enabled now; false, and nothing else, where the token does
// not hold it or may not be adjusted.
bool EnableDebugPrivilege();
