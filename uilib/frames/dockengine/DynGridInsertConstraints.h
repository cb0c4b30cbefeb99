// SECDynGridInsertConstraints: where a node goes when it is put into a docking grid (which line,
// a line of its own, next to which node or at which index, how long). SECDockInsertionConstraints
// adds the side of the frame. Plain value records, copied field by field.
#pragma once
#include "afxwin.h"

class SECLayoutNode;

class SECDynGridInsertConstraints
{
  public:
    // Construction
    SECDynGridInsertConstraints()
    {
        Reset();
    }
    virtual ~SECDynGridInsertConstraints()
    {
    }

    // Overridables
    virtual void CopyFrom(const SECDynGridInsertConstraints& other);
    virtual void Reset();

    // Operations
    void SetIndex(int nNewIndex, BOOL bNewAfter, BOOL bNewUseIndex)
    {
        nIndex = nNewIndex;
        bAfter = bNewAfter;
        bUseIndex = bNewUseIndex;
    }
    BOOL GetIndex(int* pnIndex) const
    {
        if (pnIndex != NULL)
            *pnIndex = nIndex;
        return bUseIndex;
    }
    void SetPoint(POINT pt, BOOL bNewHasPoint)
    {
        ptDrop = pt;
        bHasPoint = bNewHasPoint;
    }

    // Attributes
    SECLayoutNode* pRefNode;
    BOOL bAfter;
    BOOL bNewLine;
    BOOL bResizable;
    int nLength;
    int nCrossLength;
    BOOL bHasPoint;
    POINT ptDrop;
    int nIndex;
    BOOL bUseIndex;
    int nLineIndex;
};

class SECDockInsertionConstraints : public SECDynGridInsertConstraints
{
  public:
    // Construction
    SECDockInsertionConstraints() : nDockPosition(0)
    {
    }

    // Overridables
    void CopyFrom(const SECDynGridInsertConstraints& other) override;
    void Reset() override;

    // Attributes
    int nDockPosition; // 0 top, 1 bottom, 2 left, 3 right
};
