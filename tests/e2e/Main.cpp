// Entry point of PWE2E.exe: wide arguments, so gtest filters may hold any text.
#include <gtest/gtest.h>

#include <cstdio>

#include "Harness.h"

int wmain(int argc, wchar_t** argv) {
    // A crash in the driver must end the run, not wait on an error box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    std::wprintf(L"program under test: %ls\n", e2e::programPath().c_str());
    std::fflush(stdout);
    return RUN_ALL_TESTS();
}
