// Default dock places of document frames and bars.
#include "uilib/frames/mdi/DockPlacement.h"

namespace
{
// The four dock bars of a frame with their alignments.
const struct
{
    UINT nID;
    DWORD dwAlign;
} kDockBars[] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT},
};
} // namespace

SECDockSizeRecord SECDockPlacement::DefaultSize()
{
    return SECDockSizeRecord{1.0f, 150, 0};
}

SECDockBarPosition SECDockPlacement::DefaultPosition(UINT nDockBarID)
{
    if (nDockBarID == AFX_IDW_DOCKBAR_TOP || nDockBarID == AFX_IDW_DOCKBAR_LEFT)
        return SECDockBarPosition{1, 0, SECDockBarPosition::rowsFromEnd | SECDockBarPosition::columnsFromEnd};
    return SECDockBarPosition{0, 0, SECDockBarPosition::newRow};
}

DWORD SECDockPlacement::AlignmentOf(UINT nDockBarID)
{
    for (const auto& bar : kDockBars)
    {
        if (bar.nID == nDockBarID)
            return bar.dwAlign;
    }
    return 0;
}

BOOL SECDockPlacement::IsStandardDockBarID(UINT nID)
{
    return AlignmentOf(nID) != 0;
}
