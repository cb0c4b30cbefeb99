// The configuration objects the recording core reads while no application set its own: read-only
// stand-ins on the program's key, which read the registry as it is after a reset, also when the
// key was missing or was deleted and made again meanwhile.
#include "TestSupport.h"
#include "tests/station/config/ProgramKey.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"
#include "station/record/DrawConfig.h"

namespace
{
class StandInConfigs : public ProgramKeyTest
{
  protected:
    void SetUp() override
    {
        ProgramKeyTest::SetUp();
        CApplicationValues::Reset();
    }
    void TearDown() override
    {
        CApplicationValues::Reset();
        ProgramKeyTest::TearDown();
    }
};
} // namespace

TEST_F(StandInConfigs, ReadTheKeyAsItIsAfterAReset)
{
    const struct
    {
        const char* name;
        bool bKeyAtFirstRead;
    } cases[] = {{"missing at the first read", false}, {"deleted and made again", true}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        RemoveProgramKeys();
        CApplicationValues::Reset();
        if (c.bKeyAtFirstRead)
        {
            WriteRawDword(HKEY_LOCAL_MACHINE, HELVON_DRAWING_SECTION, "Pen", 4);
            WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "ControlRate", 4);
        }
        EXPECT_EQ(c.bKeyAtFirstRead ? 4 : 1, CApplicationValues::GetDrawConfig().GetPen());
        EXPECT_EQ(c.bKeyAtFirstRead ? 4u : 1u, CApplicationValues::GetProjektConfig().GetControlRate());

        RemoveProgramKeys();
        WriteRawDword(HKEY_LOCAL_MACHINE, HELVON_DRAWING_SECTION, "Pen", 3);
        WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "ControlRate", 5);
        CApplicationValues::Reset();
        EXPECT_EQ(3, CApplicationValues::GetDrawConfig().GetPen());
        EXPECT_EQ(5u, CApplicationValues::GetProjektConfig().GetControlRate());
    }
}
