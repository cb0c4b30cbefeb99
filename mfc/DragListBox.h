// CDragListBox: a single-selection list box whose items the user reorders by dragging, on the
// system's drag list (MakeDragList). The parent's drag-list notifications are reflected to it.
//
// Differences from MFC:
// - None beyond the system's drag list behaviour.
#pragma once
#include "ListBox.h"

class CDragListBox : public CListBox
{
    DECLARE_DYNAMIC(CDragListBox)

  public:
    // Construction
    CDragListBox();
    ~CDragListBox() override;

    // Attributes
    // The item under pt (screen coordinates), -1 when none; bAutoScroll scrolls near the edges.
    int ItemFromPt(CPoint pt, BOOL bAutoScroll = TRUE) const;

    // Operations
    // The insertion mark before nItem (-1 removes it).
    virtual void DrawInsert(int nItem);

    // Overridables (points in screen coordinates)
    virtual BOOL BeginDrag(CPoint pt);
    virtual void CancelDrag(CPoint pt);
    // DL_MOVECURSOR, DL_COPYCURSOR or DL_STOPCURSOR.
    virtual UINT Dragging(CPoint pt);
    // Moves item nSrcIndex before the item under pt.
    virtual void Dropped(int nSrcIndex, CPoint pt);

    // Overrides
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Implementation
  protected:
    void PreSubclassWindow() override;
    int m_nLast;       // where the insertion mark is
    int m_nDragSource; // the item being dragged
};
