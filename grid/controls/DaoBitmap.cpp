// Variant bitmap cells.
#include "grid/controls/DaoBitmap.h"
#include "grid/controls/OleVarUserAttribute.h"
#include "grid/core/DIBPool.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"
#include <cstring>
#include <vector>

GX_IMPLEMENT_CONTROL(CGXDaoBitmap, CGXStatic)

namespace
{
const DWORD fileHeaderSize = 14;
} // namespace

CGXDaoBitmap::CGXDaoBitmap(CGXGridCore* pGrid) : CGXStatic(pGrid)
{
}

BOOL CGXDaoBitmap::IsCompleteDib(const BYTE* pDib, DWORD nSize)
{
    if (nSize < sizeof(BITMAPINFOHEADER))
        return FALSE;
    // The header may sit at any offset of the stored bytes: read it through a copy.
    BITMAPINFOHEADER header;
    memcpy(&header, pDib, sizeof(header));
    const BITMAPINFOHEADER* pHeader = &header;
    if (pHeader->biSize < sizeof(BITMAPINFOHEADER) || pHeader->biSize > nSize || pHeader->biPlanes != 1 ||
        pHeader->biWidth <= 0 || pHeader->biHeight == 0)
        return FALSE;
    WORD nBits = pHeader->biBitCount;
    if (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 16 && nBits != 24 && nBits != 32)
        return FALSE;
    unsigned long long nColors = pHeader->biClrUsed != 0 ? pHeader->biClrUsed
                                 : nBits <= 8            ? (1u << nBits)
                                                         : 0;
    if (nBits <= 8 && nColors > (1u << nBits))
        return FALSE;
    unsigned long long nMasks = pHeader->biCompression == BI_BITFIELDS ? 3 : 0;
    if (pHeader->biCompression != BI_RGB && pHeader->biCompression != BI_BITFIELDS)
        return FALSE;
    unsigned long long nStride = ((unsigned long long)pHeader->biWidth * nBits + 31) / 32 * 4;
    unsigned long long nHeight =
        pHeader->biHeight < 0 ? 0ull - (long long)pHeader->biHeight : pHeader->biHeight;
    unsigned long long nNeeded = pHeader->biSize + (nColors + nMasks) * 4 + nStride * nHeight;
    return nNeeded <= nSize;
}

HGLOBAL CGXDaoBitmap::DibFromVariant(const VARIANT* pVar, BOOL bKeepHeader)
{
    if (pVar == NULL || pVar->vt != (VT_ARRAY | VT_UI1) || pVar->parray == NULL || pVar->parray->cDims != 1)
        return NULL;
    DWORD n = pVar->parray->rgsabound[0].cElements;
    std::vector<BYTE> bytes(n);
    void* pData = NULL;
    if (n == 0 || FAILED(::SafeArrayAccessData(pVar->parray, &pData)))
        return NULL;
    memcpy(bytes.data(), pData, n);
    ::SafeArrayUnaccessData(pVar->parray);
    DWORD nStart = 0;
    while (nStart + 1 < n && !(bytes[nStart] == 'B' && bytes[nStart + 1] == 'M'))
        nStart++;
    if (nStart + 1 >= n || n - nStart < fileHeaderSize)
        return NULL;
    // The bitmap's own headers are checked against the bytes that follow: a short or lying
    // field would make the drawing read past them.
    if (!IsCompleteDib(bytes.data() + nStart + fileHeaderSize, n - nStart - fileHeaderSize))
        return NULL;
    DWORD nFrom = nStart + (bKeepHeader ? 0 : fileHeaderSize);
    HGLOBAL hDib = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, n - nFrom);
    if (hDib == NULL)
        return NULL;
    memcpy(::GlobalLock(hDib), bytes.data() + nFrom, n - nFrom);
    ::GlobalUnlock(hDib);
    return hDib;
}

HANDLE CGXDaoBitmap::DrawVariantBitmap(CDC* pDC, const VARIANT* pVar, const CRect& rect, int nMode,
                                       UINT nAlign, BOOL, HANDLE hDIB, BOOL bFree)
{
    if (hDIB == NULL)
        hDIB = DibFromVariant(pVar);
    if (hDIB == NULL)
        return NULL;
    GXDrawDIB(pDC, hDIB, rect, nMode, nAlign, NULL);
    if (bFree)
    {
        ::GlobalFree(hDIB);
        return NULL;
    }
    return hDIB;
}

void CGXDaoBitmap::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                        const CGXStyle* pStandardStyle)
{
    const CGXOleVarUserAttribute* pAttribute =
        style.HasUserAttribute(GX_IDS_UA_DAOBITMAP)
            ? dynamic_cast<const CGXOleVarUserAttribute*>(&style.GetUserAttribute(GX_IDS_UA_DAOBITMAP))
            : NULL;
    if (pAttribute == NULL || pAttribute->GetVariant() == NULL)
    {
        CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    DrawFrame(pDC, rect, style, m_pGrid->IsBackgroundPending());
    if (rect.Width() < 2 || rect.Height() < 2)
        return;
    CRect inner = GetCellRect(nRow, nCol, &rect, &style);
    UINT nAlign = 0;
    if (style.GetInclude(CGXStyle::ibHorzAlign))
        nAlign |= style.GetHorizontalAlignment() == DT_CENTER  ? 1
                  : style.GetHorizontalAlignment() == DT_RIGHT ? 2
                                                               : 0;
    if (style.GetInclude(CGXStyle::ibVertAlign))
        nAlign |= style.GetVerticalAlignment() == DT_VCENTER  ? 4
                  : style.GetVerticalAlignment() == DT_BOTTOM ? 8
                                                              : 0;
    // No grid here caches bitmaps: made from the variant, drawn and freed.
    DrawVariantBitmap(pDC, pAttribute->GetVariant(), inner, 0, nAlign, FALSE, NULL, TRUE);
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}
