// Entry point of every test executable: boxes fail tests instead of waiting for a user.
#include "TestSupport.h"
#include <gmock/gmock.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleMock(&argc, argv);
    testing_support::InstallFailingSink();
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    return RUN_ALL_TESTS();
}
