// SECDynGridInsertConstraints: insertion records of the docking grid.
#include "uilib/frames/dockengine/DynGridInsertConstraints.h"

void SECDynGridInsertConstraints::CopyFrom(const SECDynGridInsertConstraints& other)
{
    pRefNode = other.pRefNode;
    bAfter = other.bAfter;
    bNewLine = other.bNewLine;
    bResizable = other.bResizable;
    nLength = other.nLength;
    nCrossLength = other.nCrossLength;
    bHasPoint = other.bHasPoint;
    ptDrop = other.ptDrop;
    nIndex = other.nIndex;
    bUseIndex = other.bUseIndex;
    nLineIndex = other.nLineIndex;
}

void SECDynGridInsertConstraints::Reset()
{
    pRefNode = NULL;
    bAfter = TRUE;
    bNewLine = FALSE;
    bResizable = TRUE;
    nLength = -1;
    nCrossLength = -1;
    bHasPoint = FALSE;
    ptDrop.x = ptDrop.y = 0;
    nIndex = 0;
    bUseIndex = FALSE;
    nLineIndex = 0;
}

void SECDockInsertionConstraints::CopyFrom(const SECDynGridInsertConstraints& other)
{
    SECDynGridInsertConstraints::CopyFrom(other);
    if (const SECDockInsertionConstraints* pDock = dynamic_cast<const SECDockInsertionConstraints*>(&other))
        nDockPosition = pDock->nDockPosition;
}

void SECDockInsertionConstraints::Reset()
{
    SECDynGridInsertConstraints::Reset();
    nDockPosition = 0;
}
