#include "TestShard.h"
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace testing_support
{

namespace
{
void SetVariable(const char* name, const std::string& value)
{
    _putenv((std::string(name) + "=" + value).c_str());
    ::SetEnvironmentVariableA(name, value.empty() ? NULL : value.c_str());
}

// GoogleTest reads its shard variables when the run starts; once it has, they go, so the
// processes a test starts run all the tests they are asked to.
class ShardVariablesGo : public ::testing::EmptyTestEventListener
{
    void OnTestProgramStart(const ::testing::UnitTest&) override
    {
        SetVariable("GTEST_TOTAL_SHARDS", "");
        SetVariable("GTEST_SHARD_INDEX", "");
    }
};
} // namespace

void SelectShard()
{
    const char* value = getenv("HELVON_SHARD");
    if (value == NULL || *value == 0)
        return;
    int index = 0, count = 0;
    if (sscanf(value, "%d/%d", &index, &count) != 2 || count < 1 || index < 1 || index > count)
    {
        fprintf(stderr, "HELVON_SHARD=%s is not of the form i/n\n", value);
        exit(2);
    }
    SetVariable("HELVON_SHARD", "");
    SetVariable("GTEST_TOTAL_SHARDS", std::to_string(count));
    SetVariable("GTEST_SHARD_INDEX", std::to_string(index - 1));
    ::testing::UnitTest::GetInstance()->listeners().Append(new ShardVariablesGo);
}

} // namespace testing_support
