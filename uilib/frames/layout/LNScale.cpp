// SECLNScale: proportional layout.
#include "uilib/frames/layout/LNScale.h"

SECLNScale::~SECLNScale()
{
}

void SECLNScale::ScaleChildRect(RECT& rcOut, const RECT& rcFrom, const RECT& rcTo, const RECT& rcChild)
{
    // The horizontal factor is kept in single precision, the vertical one in double.
    float fx = 1.0f;
    if (rcFrom.right - rcFrom.left > 0)
        fx = (float)(rcTo.right - rcTo.left) / (float)(rcFrom.right - rcFrom.left);
    double fy = 1.0;
    if (rcFrom.bottom - rcFrom.top > 0)
        fy = (double)(rcTo.bottom - rcTo.top) / (double)(rcFrom.bottom - rcFrom.top);
    // Truncation toward zero after adding 0.5: -3.1 becomes -2.
    rcOut.left = (LONG)(rcChild.left * fx + 0.5);
    rcOut.right = (LONG)(rcChild.right * fx + 0.5);
    rcOut.top = (LONG)(rcChild.top * fy + 0.5);
    rcOut.bottom = (LONG)(rcChild.bottom * fy + 0.5);
}

void SECLNScale::CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce)
{
    RECT rcFrom = m_rcCurrent;
    for (POSITION pos = GetFirstChildPosition(); pos != NULL; pos = GetNextChildPosition(pos))
    {
        SECLayoutNode* pChild = GetChildAt(pos);
        RECT rcChild, rcScaled, rcResult;
        pChild->GetCurrentRect(rcChild);
        ScaleChildRect(rcScaled, rcFrom, rc, rcChild);
        pChild->RecalcNode(rcResult, rcScaled, bConstrain, bForce);
        if (bConstrain && !SECRectsEqual(rcResult, rcScaled))
            pChild->RecalcNode(rcResult, rcResult, FALSE, bForce);
    }
    SetAppliedRect(rc);
    rcOut = rc;
}
