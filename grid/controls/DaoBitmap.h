// A cell showing the bitmap whose file bytes a VARIANT byte array in user attribute 52794 holds
// (anything before the "BM" signature, such as an OLE object header, is skipped). Without the
// attribute the cell is static text.
#pragma once
#include "grid/core/Static.h"

class CGXDaoBitmap : public CGXStatic
{
    GX_DECLARE_CONTROL(CGXDaoBitmap)

  public:
    explicit CGXDaoBitmap(CGXGridCore* pGrid);

    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;

    // Draws the variant's bitmap (or hDIB when given) into rect; frees the DIB with bFree.
    // Returns the DIB, NULL when there is none to draw.
    static HANDLE DrawVariantBitmap(CDC* pDC, const VARIANT* pVar, const CRect& rect, int nMode, UINT nAlign,
                                    BOOL bFlag, HANDLE hDIB, BOOL bFree);
    // A packed DIB (the file header left off unless bKeepHeader) from the bytes of a byte-array
    // variant from its "BM" on; NULL for another type, no signature, or a bitmap whose headers
    // do not fit the bytes that follow.
    static HGLOBAL DibFromVariant(const VARIANT* pVar, BOOL bKeepHeader = FALSE);
    // Whether a packed DIB of nSize bytes holds its header, colour table and pixel rows.
    static BOOL IsCompleteDib(const BYTE* pDib, DWORD nSize);
};
