// Entry point of every test executable: boxes fail tests instead of waiting for a user.
#include "TestShard.h"
#include "TestSupport.h"
#include <gmock/gmock.h>
#include <cstdlib>

int main(int argc, char** argv)
{
    // Tells tools/wine-run.sh that Wine got as far as our code (see there).
    if (const char* marker = ::getenv("HELVON_STARTED_MARKER"))
    {
        HANDLE h = ::CreateFileA(marker, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
        if (h != INVALID_HANDLE_VALUE)
            ::CloseHandle(h);
    }
    ::testing::InitGoogleMock(&argc, argv);
    testing_support::SelectShard();
    testing_support::InstallFailingSink();
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    return RUN_ALL_TESTS();
}
