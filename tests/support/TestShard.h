// One part of a test program that ctest runs in several processes side by side.
#pragma once

namespace testing_support
{

// With HELVON_SHARD="i/n" set, this process runs the i-th of n parts of the tests: GoogleTest
// deals the tests the filter selects out in turn, one to each part. The variables are gone once
// the tests run, so the processes a test starts run what they are asked to. Call after
// InitGoogleTest.
void SelectShard();

} // namespace testing_support
