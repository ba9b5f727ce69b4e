#pragma once
// Stands in for Windows refusing the monitor rights on other processes. Wine grants every
// process every right; on Windows a service's process, at system integrity, may refuse
// the elevated monitor the query and read rights and still grant the limited query right,
// and a protected process may refuse it that too. While this object lives, OpenProcess
// opens with the rights that such a system grants for each request (`full` for the query
// and read rights, `limited` for the limited query right), or refuses with
// ERROR_ACCESS_DENIED where those are 0. The requests are recorded.
#include <windows.h>
#include <vector>
#include "ProcessAccess.h"

class RefusedRights {
public:
    RefusedRights(DWORD full, DWORD limited) {
        SetOpenProcessForTests([this, full, limited](DWORD access, DWORD processId) -> HANDLE {
            requests.push_back(access);
            DWORD granted = access == PROCESS_QUERY_LIMITED_INFORMATION ? limited : full;
            if (granted == 0) {
                SetLastError(ERROR_ACCESS_DENIED);
                return nullptr;
            }
            return OpenProcess(granted, FALSE, processId);
        });
    }
    ~RefusedRights() { SetOpenProcessForTests(nullptr); }
    RefusedRights(const RefusedRights&) = delete;
    RefusedRights& operator=(const RefusedRights&) = delete;

    std::vector<DWORD> requests;  // the access asked for, in order
};

// The rights that OpenProcess is asked for.
constexpr DWORD kQueryAndRead = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;
constexpr DWORD kLimitedQuery = PROCESS_QUERY_LIMITED_INFORMATION;
