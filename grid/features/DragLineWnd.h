// The thin child window that shows where dragged rows or columns would land (a line in the
// window's pen), and in band mode the starting edge of a row or column being resized (drawn by
// the grid's band operation).
#pragma once
#include "grid/core/CellPen.h"
#include <afxwin.h>

class CGXGridCore;

class CGXDragLineWnd : public CWnd
{
  public:
    explicit CGXDragLineWnd(CGXGridCore* pGrid);
    // A hidden 1 by 1 child at (0, 0) of the parent, of the library's auxiliary window class.
    BOOL CreateDragLineWnd(CWnd* pParent);

    CGXGridCore* m_pGrid;
    CGXCellPen m_pen;
    // Handed to the grid's band drawing; while the second value is 0 the window draws a line.
    int m_nBandKind = 0, m_nBandValue1 = 0, m_nBandValue2 = 0;

  protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
