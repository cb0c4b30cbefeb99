// SECLNScale: the layout node that stretches its children with itself. Every child is scaled
// from its initial rectangle, so repeated resizing never accumulates rounding errors. The root
// of every dialog layout.
#pragma once
#include "uilib/frames/layout/LayoutNode.h"

class SECLNScale : public SECLayoutNode
{
  public:
    ~SECLNScale() override;

    // Overridables
    void CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce) override;
    // child's coordinates (relative to the host's client origin) scaled by to's size over from's.
    virtual void ScaleChildRect(RECT& rcOut, const RECT& rcFrom, const RECT& rcTo, const RECT& rcChild);
};
