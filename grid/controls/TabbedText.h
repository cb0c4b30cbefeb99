// Lines of tab-separated fields shown as aligned columns: measuring the columns, drawing one
// line into them, and the height that bitmap fields need. A field naming a bitmap of the shared
// DIB pool is drawn as that bitmap.
#pragma once
#include "afxwin.h"
#include <vector>

struct CGXTabbedHeaderSettings;

// The fields of a line, each cut to 127 characters as the choice-list lookup reads them.
std::vector<CString> GXSplitTabbedLine(LPCTSTR pszLine);
// Raises anWidths[i] to the width of field i (at most nColCount fields).
void AFXAPI MeasureTabbedColumns(CDC* pDC, LPCTSTR pszLine, int nColCount, int* anWidths);
// Draws a line into rect: with more than one column (bSingleColumn clear) and nKeyCol > 0 the
// first field, a copy of the shown one, is left out; anColEdges holds the right edges of all
// columns but the last, relative to rect.left.
void AFXAPI DrawTabbedLine(CDC* pDC, const CRect& rect, LPCTSTR pszLine, BOOL bSingleColumn, int nKeyCol,
                           int nColCount, const int* anColEdges, COLORREF rgbSeparator, COLORREF rgbBack,
                           COLORREF rgbText);
// Raises nHeight to the height of every bitmap field the line shows.
void AFXAPI MaxTabbedBitmapHeight(LPCTSTR pszLine, int& nHeight, BOOL bSingleColumn, int nKeyCol,
                                  int nColCount);
// The pixel size of a DIB of the pool (0, 0 for none).
CSize GXGetDIBSize(HANDLE hDIB);
// Draws an item of an owner-drawn multi-column list: the line in the header's columns (only the
// first field in a combo's selection field), selected items in the highlight colours, and the
// focus rectangle.
void AFXAPI DrawTabbedListItem(const DRAWITEMSTRUCT* lpDIS, const CString& strLine,
                               const CGXTabbedHeaderSettings& cols, COLORREF rgbText, COLORREF rgbBack);
