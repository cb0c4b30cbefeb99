// SECControlBarInfoEx: the empty base of the managers' extension records.
#include "uilib/frames/docking/ControlBarInfoEx.h"

IMPLEMENT_DYNCREATE(SECControlBarInfoEx, CObject)

void SECControlBarInfoEx::Serialize(CArchive&, SECDockState*)
{
}

void SECControlBarInfoEx::LoadStateFromProfile(LPCTSTR, SECDockState*)
{
}

void SECControlBarInfoEx::SaveStateToProfile(LPCTSTR)
{
}
