// Checks the layout-node tests share: a rectangle against expected edges, a node's applied rectangle.
#pragma once
#include "TestSupport.h"
#include "uilib/frames/layout/LayoutNode.h"

namespace layout_checks
{
inline ::testing::AssertionResult RectIs(const RECT& rc, LONG l, LONG t, LONG r, LONG b)
{
    if (rc.left == l && rc.top == t && rc.right == r && rc.bottom == b)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "rect is " << rc.left << "," << rc.top << "," << rc.right << ","
                                         << rc.bottom << " not " << l << "," << t << "," << r << "," << b;
}

inline RECT Applied(SECLayoutNode& node)
{
    RECT rc;
    node.GetAppliedRect(rc);
    return rc;
}
} // namespace layout_checks
