// The interior of a cell in two words: style, hatch, pattern index and two colour values
// (system colours stay system colours until the brush is drawn).
#pragma once
#include "grid/core/GridTypes.h"

class CGXCellBrush
{
  public:
    // Construction
    // Solid, black background, white foreground, pattern index 63.
    CGXCellBrush();
    CGXCellBrush(UINT nStyle, COLORREF crBack, UINT nHatch = 0);
    explicit CGXCellBrush(COLORREF crBack);

    // Operations
    // Style (0 solid, 1 hollow, 2 hatched, 3 pattern), background and hatch; resets the
    // foreground to white and the pattern index to 63.
    CGXCellBrush& Set(UINT nStyle, COLORREF crBack, UINT nHatch = 0);
    // Pattern index 0..63 of the library's pattern table; the brush becomes a pattern brush.
    CGXCellBrush& SetPattern(UINT nPattern);
    CGXCellBrush& SetBackColor(COLORREF cr);
    CGXCellBrush& SetColor(COLORREF cr);

    UINT GetStyle() const
    {
        return m_dw1 >> 30;
    }
    UINT GetHatch() const
    {
        return m_dw0 & 7;
    }
    UINT GetPattern() const
    {
        return (m_dw1 >> 24) & 63;
    }
    COLORREF GetBackColor() const;
    COLORREF GetColor() const;
    COLORREF GetBackColorValue() const;
    COLORREF GetColorValue() const;
    // The Windows brush description, in a shared record that the next call overwrites.
    const LOGBRUSH& GetLogBrush() const;

    BOOL operator==(const CGXCellBrush& o) const
    {
        return m_dw0 == o.m_dw0 && m_dw1 == o.m_dw1;
    }
    BOOL operator!=(const CGXCellBrush& o) const
    {
        return !(*this == o);
    }

    // Implementation
    // Word 0: bits 0-2 hatch, 4-5 background kind, 6-7 foreground kind, 8-31 background colour.
    // Word 1: bits 0-23 foreground colour, 24-29 pattern index, 30-31 style.
    DWORD m_dw0;
    DWORD m_dw1;
};
