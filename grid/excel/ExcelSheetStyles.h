// The stored styles of one sheet in the order the workbook writer gives them XF records (cells,
// row styles, column styles), and the completion every one of them gets before its FONT and XF
// records are built. Shared by the font and XF tables so both see the same styles.
#pragma once
#include "grid/core/Style.h"
#include <functional>

class CGXGridParam;
class CGXStylesMap;

struct GXExSheetStyle
{
    enum
    {
        kindRow = 0,
        kindCol = 1,
        kindCell = 2
    };
    int nKind;
    ROWCOL nRow;               // 0 for a column style
    ROWCOL nCol;               // 0 for a row style
    const CGXStyle* pStyle;    // as stored
    const CGXStyle* pRowStyle; // of a cell's row and column, NULL when none
    const CGXStyle* pColStyle;
    BOOL bFormulaSheet; // the cell lives in a formula sheet
};

// Visits the non-empty stored styles of the sheet: cells first (rows from 1, columns from 1),
// then row styles and column styles; with bStylesFirst row and column styles come first.
void GXExWalkSheetStyles(CGXGridParam* pParam, BOOL bStylesFirst,
                         const std::function<void(const GXExSheetStyle&)>& visit);

// Visits the base styles of a styles map in its order: id, name (the string resource's text
// for a style registered by resource) and style.
void GXExForEachBaseStyle(
    const CGXStylesMap* pStylesMap,
    const std::function<void(WORD nID, const CString& strName, const CGXStyle& style)>& visit);

// The Standard style of a styles map, or NULL.
const CGXStyle* GXExStandardStyle(const CGXStylesMap* pStylesMap);

// A copy (the caller deletes it) completed with the cell's row and column style, its base
// styles and the Standard style, each only where the copy leaves an attribute open.
CGXStyle* GXExCompleteStyle(const CGXStyle& style, const CGXStyle* pRowStyle, const CGXStyle* pColStyle,
                            const CGXStylesMap* pStylesMap);
