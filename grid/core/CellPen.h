// One side of a cell's border: Windows pen style (7 = side not set), width and colour value.
#pragma once
#include "grid/core/CellBrush.h"

class CGXCellPen
{
  public:
    enum
    {
        styleNotSet = 7
    };

    // Construction
    // Not set, width 1, black.
    CGXCellPen();
    CGXCellPen(UINT nStyle, UINT nWidth = 1, COLORREF cr = RGB(0, 0, 0));

    // Operations
    CGXCellPen& SetStyle(UINT nStyle);
    CGXCellPen& SetWidth(UINT nWidth);
    // Stores the colour and marks the side set (a solid pen when it was not set).
    CGXCellPen& SetColor(COLORREF cr);
    CGXCellPen& SetInclude(BOOL b);

    BOOL GetInclude() const
    {
        return GetStyle() != styleNotSet;
    }
    UINT GetStyle() const
    {
        return m_dw0 & 7;
    }
    UINT GetWidth() const
    {
        return (m_dw0 >> 3) & 0xFFFF;
    }
    COLORREF GetColor() const;
    COLORREF GetColorValue() const;
    // The Windows pen description, in a shared record that the next call overwrites.
    const LOGPEN& GetLogPen() const;
    // Dashed and dotted borders are drawn as brushes over the cell's interior: the brush for
    // this pen on a horizontal or vertical side. FALSE for pens drawn as pens.
    BOOL GetBorderBrush(const CGXCellBrush& interior, BOOL bHorizontal, BOOL bBlackWhite,
                        CGXCellBrush& brush) const;

    BOOL operator==(const CGXCellPen& o) const
    {
        return m_dw0 == o.m_dw0 && m_dw1 == o.m_dw1;
    }
    BOOL operator!=(const CGXCellPen& o) const
    {
        return !(*this == o);
    }

    // Implementation
    // Word 0: bits 0-2 style, 3-18 width, 19-20 colour kind. Word 1: bits 0-23 colour.
    DWORD m_dw0;
    DWORD m_dw1;

  private:
    void StoreColor(COLORREF cr);
};
