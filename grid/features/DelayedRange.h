// A range whose floats or merges are still to be evaluated, with the row intervals evaluated so
// far (ascending, disjoint, joined when they touch).
#pragma once
#include "grid/core/CellRange.h"

class CGXDelayedRange : public CObject
{
    DECLARE_SERIAL(CGXDelayedRange)

  public:
    CGXDelayedRange() = default;

    // The range, then the interval starts, then the interval ends.
    void Serialize(CArchive& ar) override;
    virtual void CopyFrom(const CGXDelayedRange& src);

    // Records rows nFirst..nLast as evaluated; done once every row of the range is.
    void MarkEvaluated(ROWCOL nFirst, ROWCOL nLast);
    BOOL IsEvaluated(ROWCOL nRow) const;
    // The evaluated intervals that lie inside rows nFirst..nLast, cut to them.
    void CopyIntervals(const CGXDelayedRange& src, ROWCOL nFirst, ROWCOL nLast);

    CGXCellRange m_range;
    CDWordArray m_awStart, m_awEnd;
    BOOL m_bDone = FALSE;

  private:
    CGXDelayedRange(const CGXDelayedRange&) = delete;
    CGXDelayedRange& operator=(const CGXDelayedRange&) = delete;
};
