// The number of blocks allocated with operator new and not yet deleted, in this test program:
// a load that leaves objects behind raises it.
#pragma once

namespace testing_support
{
long LiveAllocations();
}
