// Entry point of PWE2E.exe: wide arguments, so gtest filters may hold any text.
#include <gtest/gtest.h>

#include "Harness.h"

int wmain(int argc, wchar_t** argv) {
    // A crash in the driver must end the run, not wait on an error box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
