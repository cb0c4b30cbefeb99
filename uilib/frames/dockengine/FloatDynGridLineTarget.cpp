// SECFloatDynGridLineTarget: a floating frame's grid.
#include "uilib/frames/dockengine/FloatDynGridLineTarget.h"

SECFloatDynGridLineTarget::SECFloatDynGridLineTarget()
{
    // Lines across, grown to what they hold: the frame takes the content's size.
    SetGrowToFit(TRUE);
}
