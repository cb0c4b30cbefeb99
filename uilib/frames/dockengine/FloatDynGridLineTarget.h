// SECFloatDynGridLineTarget: the dock target inside a floating frame. It takes dropped nodes as a
// side's grid does, so a floating frame can hold several nodes; the floating node hands out its
// first one when the content docks elsewhere. Made by the docking factory, which owns it.
#pragma once
#include "uilib/frames/dockengine/DynGridLineTarget.h"

class SECFloatDynGridLineTarget : public SECDynGridLineTarget
{
  public:
    // Construction
    SECFloatDynGridLineTarget();
};
