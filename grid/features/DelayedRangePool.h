// The ranges whose floats or merges are still to be evaluated (newest first). Owned by the
// parameter object.
#pragma once
#include "grid/features/DelayedRange.h"

class CGXDelayedRangePool : public CObject
{
    DECLARE_SERIAL(CGXDelayedRangePool)

  public:
    CGXDelayedRangePool() = default;
    ~CGXDelayedRangePool() override;

    // The count, then each range with its class record.
    void Serialize(CArchive& ar) override;
    virtual void CopyFrom(const CGXDelayedRangePool& src);

    void AddRange(const CGXCellRange& range);
    void ClampRows(ROWCOL nRows);
    void ClampCols(ROWCOL nCols);
    // For each row of range, the first and last column still to be evaluated there (first
    // 0xFFFFFFFF and last 0 for none); the rows handed out count as evaluated. FALSE when
    // nothing is pending inside range.
    BOOL GetPendingCells(const CGXCellRange& range, CDWordArray& awFirstCol, CDWordArray& awLastCol);
    void RemoveDone();
    void RemoveAll();
    INT_PTR GetCount() const
    {
        return m_ranges.GetSize();
    }
    CGXDelayedRange* GetAt(INT_PTR i) const
    {
        return (CGXDelayedRange*)m_ranges.GetAt(i);
    }

  private:
    CGXDelayedRangePool(const CGXDelayedRangePool&) = delete;
    CGXDelayedRangePool& operator=(const CGXDelayedRangePool&) = delete;
    // Splits a range crossing row nRow so that a range of its own starts there.
    void SplitAt(INT_PTR i, ROWCOL nRow);

    CObArray m_ranges; // owned CGXDelayedRange
};
