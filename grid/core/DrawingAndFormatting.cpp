// Text drawing like a multi-line edit control, static cell content and frames.
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/AppData.h"
#include "grid/core/Control.h"
#include "grid/core/DIBPool.h"
#include "grid/core/GridCore.h"
#include "grid/core/PatternTable.h"
#include "grid/core/SysColorTable.h"
#include "Edit.h"
#include "MetaFileDC.h"
#include "GridIds.h"
#include <mbstring.h>
#include <algorithm>
#include <stdlib.h>
#include <vector>

CGXDrawingAndFormatting* AFXAPI GXGetDrawingAndFormatting()
{
    static CGXDrawingAndFormatting s_drawing;
    return &s_drawing;
}

CGXDrawingAndFormatting::~CGXDrawingAndFormatting()
{
}

CBitmap* CGXDrawingAndFormatting::GetPatternBitmap(int n)
{
    HBITMAP hbm = GXGetPatternBitmap(n);
    return hbm != NULL ? CBitmap::FromHandle(hbm) : NULL;
}

static int LineHeightOf(const TEXTMETRIC& tm)
{
    int n = tm.tmHeight + tm.tmExternalLeading;
    return n >= 20 ? n - 1 : n;
}

int CGXDrawingAndFormatting::GetLineHeight(CDC* pDC)
{
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    return LineHeightOf(tm);
}

// -- Line breaking ------------------------------------------------------------------------------

int CGXDrawingAndFormatting::BreakLines(CDC* pDC, LPCTSTR lpszString, int nCount, LPRECT rect, UINT nFormat,
                                        int* anStarts, int* anLengths, int nMaxLines)
{
    if (lpszString == NULL)
        return 0;
    if (nCount < 0)
        nCount = lstrlenA(lpszString);
    if (nCount == 0)
        return 0;
    int nLineHeight = std::max(1, GetLineHeight(pDC));
    int nHeight = rect->bottom - rect->top;
    int nAllowed = 1 + (nHeight - nLineHeight / 3 > nLineHeight ? nHeight / nLineHeight : 0);
    nMaxLines = std::min(nMaxLines, (int)maxLines);
    int nLimit = rect->right - rect->left + 1;
    BOOL bWrap = (nFormat & DT_WORDBREAK) != 0 && !(nFormat & DT_SINGLELINE);
    const unsigned char* s = (const unsigned char*)lpszString;
    auto charLen = [&](int i) { return (i + 1 < nCount && _ismbblead(s[i])) ? 2 : 1; };
    auto width = [&](int from, int len) {
        return len > 0 ? pDC->GetTextExtent(lpszString + from, len).cx : 0;
    };

    int nLines = 0, i = 0;
    while (nLines < nAllowed && nLines < nMaxLines)
    {
        if (nLines > 0)
            while (i < nCount && s[i] == ' ')
                i++;
        int nStart = i, nEnd = i, nWords = 0;
        BOOL bBreak = FALSE, bOverflow = FALSE;
        while (i < nCount)
        {
            if (s[i] == '\r' || s[i] == '\n')
            {
                bBreak = TRUE;
                break;
            }
            // A word: up to the next space or line break, with its trailing spaces.
            int j = i;
            while (j < nCount && s[j] != ' ' && s[j] != '\r' && s[j] != '\n')
                j += charLen(j);
            while (j < nCount && s[j] == ' ')
                j++;
            if (width(nStart, j - nStart) > nLimit)
            {
                bOverflow = TRUE;
                if (bWrap && nWords >= 1)
                    break; // the line ends before the overflowing word
                // A word too long (or no wrap): cut at the last character that fits.
                int k = i;
                while (k < j && width(nStart, k + charLen(k) - nStart) <= nLimit)
                    k += charLen(k);
                if (k == nStart)
                    k += charLen(k); // at least one character
                i = k;
                nEnd = k;
                break;
            }
            i = j;
            nEnd = j;
            nWords++;
        }
        anStarts[nLines] = nStart;
        anLengths[nLines] = nEnd - nStart;
        nLines++;
        if (bBreak)
        {
            i += (s[i] == '\r' && i + 1 < nCount && s[i + 1] == '\n') ? 2 : 1;
            if (i >= nCount && nLines < nAllowed && nLines < nMaxLines)
            {
                // A text that ends right after a break has one more, empty line.
                anStarts[nLines] = i;
                anLengths[nLines] = 0;
                nLines++;
                break;
            }
        }
        if (i >= nCount || (!bWrap && !bBreak) || (!bWrap && bOverflow))
            break;
        if (!bWrap && bBreak && (nFormat & DT_SINGLELINE))
            break;
    }

    // Vertical alignment of what was laid out.
    int nUsed = nLines * nLineHeight;
    int nFree = nHeight - nUsed;
    if (nFree > 0)
    {
        if (nFormat & DT_VCENTER)
        {
            TEXTMETRIC tm;
            pDC->GetTextMetrics(&tm);
            rect->top += nFree / 2 + tm.tmExternalLeading / 2;
        }
        else if (nFormat & DT_BOTTOM)
            rect->top += nFree;
    }
    return nLines;
}

int CGXDrawingAndFormatting::CountLines(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top,
                                        int right, int bottom, UINT nFormat)
{
    int anStarts[maxLines], anLengths[maxLines];
    CRect rect(left, top, right, bottom);
    return BreakLines(pDC, lpszString, nCount, &rect, nFormat, anStarts, anLengths, maxLines);
}

// Draws one laid-out line aligned in the rectangle; a line wider than the rectangle is clipped.
static void DrawLine(CDC* pDC, LPCTSTR psz, int nLen, int y, const CRect& rect, UINT nFormat)
{
    int nWidth = nLen > 0 ? pDC->GetTextExtent(psz, nLen).cx : 0;
    int x = rect.left;
    if (nFormat & DT_RIGHT)
        x = rect.right - nWidth;
    else if (nFormat & DT_CENTER)
        x = rect.left + (rect.Width() - nWidth) / 2;
    if (x < rect.left)
        x = rect.left;
    // Clipped also when the extent fits: glyphs may reach past their advance, and what spills into
    // a neighbour would stay there or not depending on which cell is painted last.
    pDC->ExtTextOut(x, y, ETO_CLIPPED, &rect, psz, (UINT)nLen, NULL);
}

int CGXDrawingAndFormatting::DrawTextLikeMultiLineEdit(CDC* pDC, LPCTSTR lpszString, int nCount, int left,
                                                       int top, int right, int bottom, UINT nFormat, LPRECT)
{
    return DrawTextWithEllipsis(pDC, lpszString, nCount, left, top, right, bottom, nFormat, NULL,
                                gxNoEllipse);
}

int CGXDrawingAndFormatting::DrawTextWithEllipsis(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top,
                                                  int right, int bottom, UINT nFormat, LPRECT,
                                                  int nEllipseMode)
{
    if (lpszString == NULL)
        return 0;
    if (nCount < 0)
        nCount = lstrlenA(lpszString);
    int anStarts[maxLines], anLengths[maxLines];
    CRect rectText(left, top, right, bottom);
    CRect rect(left, top, right, bottom);
    int nLines = BreakLines(pDC, lpszString, nCount, &rectText, nFormat, anStarts, anLengths, maxLines);
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    int nLineHeight = LineHeightOf(tm);
    int y = rectText.top;
    for (int n = 0; n < nLines; n++, y += nLineHeight)
    {
        LPCTSTR psz = lpszString + anStarts[n];
        int nLen = anLengths[n];
        BOOL bLastFitting = y + nLineHeight + tm.tmAscent * 3 / 4 + nLineHeight > rect.bottom;
        BOOL bLastLine = n == nLines - 1;
        BOOL bMore = anStarts[n] + nLen < nCount;
        if (nEllipseMode == gxDotEllipse && (bLastFitting || bLastLine) && bMore && nLen >= 2)
        {
            // The line's characters and dots, one character less while too wide.
            CString strLine(psz, nLen);
            CString strDots = "...";
            while (strLine.GetLength() > 1 && pDC->GetTextExtent(strLine + strDots).cx > rect.Width())
                strLine = strLine.Left(strLine.GetLength() - 1);
            while (strLine.GetLength() == 1 && !strDots.IsEmpty() &&
                   pDC->GetTextExtent(strLine + strDots).cx > rect.Width())
                strDots = strDots.Left(strDots.GetLength() - 1);
            CString strOut = strLine + strDots;
            DrawLine(pDC, strOut, strOut.GetLength(), y, rect, nFormat);
            break;
        }
        if (nEllipseMode == gxPoundEllipse && (nFormat & DT_SINGLELINE) &&
            (bMore || pDC->GetTextExtent(psz, std::max(nLen, 1)).cx > rect.Width()))
        {
            int nPound = pDC->GetTextExtent("#", 1).cx;
            int nFit = nPound > 0 ? rect.Width() / nPound : 0;
            CString strPounds('#', nFit > 0 ? nFit : 1);
            DrawLine(pDC, strPounds, strPounds.GetLength(), y, rect, nFormat);
            break;
        }
        DrawLine(pDC, psz, nLen, y, rect, nFormat);
        if (bLastFitting && nEllipseMode != gxNoEllipse)
            break;
    }
    return nLines;
}

int CGXDrawingAndFormatting::DrawRotatedText(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top,
                                             int right, int bottom, UINT nFormat, LONG lfOrientation,
                                             LPRECT lpRect)
{
    CGXAbstractDrawRotatedTextImp* pImp = GXGetAppData()->m_pDrawRotatedTextImp;
    return pImp != NULL ? pImp->DrawRotatedText(pDC, lpszString, nCount, left, top, right, bottom, nFormat,
                                                lfOrientation, lpRect)
                        : 0;
}

int CGXDrawingAndFormatting::GetTextPosFromPoint(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top,
                                                 int right, int bottom, UINT nFormat, int x, int y)
{
    if (lpszString == NULL)
        return -1;
    if (nCount < 0)
        nCount = lstrlenA(lpszString);
    int anStarts[maxLines], anLengths[maxLines];
    CRect rect(left, top, right, bottom);
    int nLines = BreakLines(pDC, lpszString, nCount, &rect, nFormat, anStarts, anLengths, maxLines);
    int nLineHeight = std::max(1, GetLineHeight(pDC));
    if (y < rect.top)
        return -1;
    int n = (y - rect.top) / nLineHeight;
    if (n >= nLines)
        return -1;
    LPCTSTR psz = lpszString + anStarts[n];
    int nLen = anLengths[n];
    int nWidth = nLen > 0 ? pDC->GetTextExtent(psz, nLen).cx : 0;
    BOOL bRtl = (pDC->GetTextAlign() & TA_RTLREADING) != 0;
    int xStart = left;
    if (nFormat & DT_RIGHT)
        xStart = right - nWidth;
    else if (nFormat & DT_CENTER)
        xStart = left + (right - left - nWidth) / 2;
    int nPos = bRtl ? xStart + nWidth - x : x - xStart;
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    if (nPos < -tm.tmMaxCharWidth / 3 || nPos > nWidth + tm.tmMaxCharWidth / 3)
        return -1;
    const unsigned char* s = (const unsigned char*)psz;
    int i = 0;
    while (i < nLen)
    {
        int k = i + ((i + 1 < nLen && _ismbblead(s[i])) ? 2 : 1);
        if (pDC->GetTextExtent(psz, k).cx >= nPos)
            break;
        i = k;
    }
    return anStarts[n] + std::min(i, std::max(nLen - 1, 0));
}

// -- Values ------------------------------------------------------------------------------------

BOOL CGXDrawingAndFormatting::FormatValueText(CString& strResult, const CGXStyle& style, LPCTSTR pszValue)
{
    CGXAbstractNumberFormattingImp* pImp = GXGetAppData()->m_pNumberFormattingImp;
    if (pImp != NULL)
        strResult = pImp->FormatValue(style, pszValue, style.GetValueType());
    // Without the number-formatting component the value is shown as it is.
    else if (pszValue != NULL)
        strResult = pszValue;
    else if (style.GetInclude(CGXStyle::ibValue))
        strResult = style.GetValue();
    else
        strResult.Empty();
    return TRUE;
}

BOOL CGXDrawingAndFormatting::ParseValueText(LPCTSTR pszText, double& dValue, unsigned* pnFormat,
                                             unsigned* pnPlaces)
{
    CGXAbstractNumberFormattingImp* pImp = GXGetAppData()->m_pNumberFormattingImp;
    return pImp != NULL ? pImp->ParseValue(pszText, dValue, pnFormat, pnPlaces) : FALSE;
}

// -- Frames ------------------------------------------------------------------------------------

void CGXDrawingAndFormatting::Draw3dFrame(CDC* pDC, int left, int top, int right, int bottom, int nThickness,
                                          COLORREF rgbTopLeft, COLORREF rgbBottomRight)
{
    COLORREF crOld = pDC->GetBkColor();
    for (int i = 0; i < nThickness; i++)
    {
        int l = left + i, t = top + i, r = right - i, b = bottom - i;
        GXFillSolidRect(pDC, l, t, r - l - 1, 1, rgbTopLeft);
        GXFillSolidRect(pDC, l, t, 1, b - t - 1, rgbTopLeft);
        GXFillSolidRect(pDC, r - 1, t, 1, b - t, rgbBottomRight);
        GXFillSolidRect(pDC, l, b - 1, r - l, 1, rgbBottomRight);
    }
    pDC->SetBkColor(crOld);
}

void CGXDrawingAndFormatting::DrawEdgeFrame(CDC* pDC, const CRect& rect, BOOL bOuter, BOOL bInner)
{
    CRect r = rect;
    if (bOuter)
    {
        if (bInner)
            ::DrawEdge(pDC->GetSafeHdc(), &r, BDR_SUNKENINNER | BDR_RAISEDINNER,
                       BF_RECT | BF_ADJUST | BF_FLAT);
        else
            ::DrawEdge(pDC->GetSafeHdc(), &r, BDR_RAISEDOUTER | BDR_SUNKENOUTER,
                       BF_RECT | BF_ADJUST | BF_MONO);
    }
    if (bInner)
        ::DrawEdge(pDC->GetSafeHdc(), &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
}

void CGXDrawingAndFormatting::DrawFocusText(CDC* pDC, int left, int top, int right, int bottom, BOOL bFocus,
                                            LPCTSTR pszText, UINT nFormat)
{
    CString strMeasure = (pszText == NULL || *pszText == 0) ? CString("--") : CString(pszText);
    CRect rectText(0, 0, right - left, bottom - top);
    pDC->DrawText(strMeasure, &rectText, nFormat | DT_CALCRECT);
    rectText.InflateRect(3, 0);
    CRect rect(left, top, right, bottom);
    CRect box(0, 0, rectText.Width(), rectText.Height());
    box.OffsetRect(left + (rect.Width() - box.Width()) / 2, top + (rect.Height() - box.Height()) / 2);
    box.IntersectRect(box, rect);
    if (pszText != NULL)
        DrawTextLikeMultiLineEdit(pDC, pszText, -1, box.left, box.top, box.right, box.bottom,
                                  nFormat | DT_CENTER);
    if (bFocus)
    {
        COLORREF cr = GXGetSysColorTable()->GetColor(16);
        GXFillSolidRect(pDC, box.left + 2, box.top, box.Width() - 3, 1, cr);
        GXFillSolidRect(pDC, box.left + 2, box.bottom - 1, box.Width() - 3, 1, cr);
        GXFillSolidRect(pDC, box.left, box.top + 2, 1, box.Height() - 3, cr);
        GXFillSolidRect(pDC, box.right - 1, box.top + 2, 1, box.Height() - 3, cr);
    }
}

// -- Static cells ------------------------------------------------------------------------------

void CGXDrawingAndFormatting::DrawStaticCell(CGXControl* pControl, CDC* pDC, int left, int top, int right,
                                             int bottom, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                             const CGXStyle* pStandardStyle)
{
    CGXGridCore* pGrid = pControl->m_pGrid;
    CRect rect(left, top, right, bottom);
    // 1. The display text.
    CString strText;
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam != NULL && pParam->m_wDisplayFlags == 2)
        strText = pGrid->GetStoredValueText(nRow, nCol);
    else
        pControl->FormatValueText(strText, nRow, nCol, NULL, style);
    // 2. - 3.
    if (strText.IsEmpty())
    {
        pControl->CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    if (rect.Width() < 2 || rect.Height() < 2)
        return;

    // 4. A value naming a bitmap.
    CWnd* pWnd = pControl->GetWndPtr();
    if (pWnd == NULL || !pWnd->IsKindOf(RUNTIME_CLASS(CEdit)))
    {
        HANDLE hDIB = GXGetDIBPool()->GetDIB(strText);
        if (hDIB != NULL)
        {
            CRect inner = pControl->GetCellRect(nRow, nCol, &rect, &style);
            GXDrawDIB(pDC, hDIB, inner, 0, GXGetDIBAlignment(style), NULL);
            pControl->CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
            return;
        }
    }

    // 5. Font, rectangle, colours and format.
    CFont* pOldFont = pGrid->SelectCellFont(pDC, style, pStandardStyle);
    CRect rectText = pControl->GetCellRect(nRow, nCol, &rect, &style);
    CGXProperties* pProps = pParam != NULL ? pParam->GetProperties() : NULL;
    BOOL bBlackWhite = pGrid->IsPrinting() && pProps != NULL && pProps->GetBlackWhite();
    COLORREF crText = bBlackWhite ? RGB(0, 0, 0) : style.GetTextColor();
    COLORREF crBack = bBlackWhite ? RGB(255, 255, 255) : style.GetInterior().GetBackColor();
    COLORREF crOldText = pDC->SetTextColor(crText);
    COLORREF crOldBack = pDC->SetBkColor(crBack);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    UINT nFormat = style.GetHorizontalAlignment() | style.GetVerticalAlignment() | DT_NOPREFIX |
                   (style.GetWrapText() ? DT_WORDBREAK : DT_SINGLELINE);
    UINT nOldAlign = pDC->GetTextAlign();
    if (style.HasUserAttribute(GX_IDS_UA_RTLREADING) &&
        atof(style.GetUserAttribute(GX_IDS_UA_RTLREADING).GetValueText()) != 0.0)
        pDC->SetTextAlign(nOldAlign | TA_RTLREADING);

    // 6. Rotated, with ellipsis, or like a multi-line edit.
    const CGXFont* pFont = style.GetInclude(CGXStyle::ibFont) ? style.GetFontPtr() : NULL;
    if (pFont != NULL && pFont->GetIncludeOrientation() && pFont->GetOrientation() != 0)
        DrawRotatedText(pDC, strText, strText.GetLength(), rectText.left, rectText.top, rectText.right,
                        rectText.bottom, nFormat, pFont->GetOrientation(), &rectText);
    else if (style.HasUserAttribute(GX_IDS_UA_ELLIPSISTYPE))
        DrawTextWithEllipsis(pDC, strText, strText.GetLength(), rectText.left, rectText.top, rectText.right,
                             rectText.bottom, nFormat, NULL,
                             (int)style.GetUserAttribute(GX_IDS_UA_ELLIPSISTYPE).GetLongValue());
    else
        DrawTextLikeMultiLineEdit(pDC, strText, strText.GetLength(), rectText.left, rectText.top,
                                  rectText.right, rectText.bottom, nFormat);

    // 7.
    pDC->SetTextAlign(nOldAlign);
    pDC->SetBkMode(nOldMode);
    pDC->SetBkColor(crOldBack);
    pDC->SetTextColor(crOldText);
    pControl->CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
}

// -- Free drawing functions --------------------------------------------------------------------------

UINT AFXAPI GXGetDIBAlignment(const CGXStyle& style)
{
    DWORD dwHorz = style.GetHorizontalAlignment(), dwVert = style.GetVerticalAlignment();
    UINT nAlign = dwHorz == DT_CENTER ? 1 : dwHorz == DT_RIGHT ? 2 : 0;
    return nAlign | (dwVert == DT_VCENTER ? 4 : dwVert == DT_BOTTOM ? 8 : 0);
}

BOOL AFXAPI GXCanClip(CDC* pDC)
{
    if (pDC->IsPrinting())
        return !GXGetAppData()->m_bNoPrintClipping;
    return !pDC->IsKindOf(RUNTIME_CLASS(CMetaFileDC));
}

static COLORREF ResolveValue(COLORREF cr)
{
    BYTE h = (BYTE)(cr >> 24);
    if (h >= 65 && h <= 254)
        return GXGetSysColorTable()->GetColor(254 - h);
    return cr;
}

void AFXAPI GXFillSolidRect(CDC* pDC, int x, int y, int cx, int cy, COLORREF cr)
{
    CRect rect(x, y, x + cx, y + cy);
    GXFillSolidRect(pDC, rect, cr);
}

void AFXAPI GXFillSolidRect(CDC* pDC, const CRect& rect, COLORREF cr)
{
    COLORREF crOld = pDC->SetBkColor(ResolveValue(cr));
    pDC->ExtTextOut(0, 0, ETO_OPAQUE, &rect, NULL, 0, NULL);
    pDC->SetBkColor(crOld);
}

void AFXAPI GXInvertClippedRect(CDC* pDC, const CRect& rect, const CRect& rectClip)
{
    CRect r = rect;
    if (!rectClip.IsRectEmpty())
        r.IntersectRect(rect, rectClip);
    pDC->InvertRect(&r);
}

void AFXAPI GXDrawEdge(CDC* pDC, int left, int top, int right, int bottom, UINT nEdge, int nAdjust)
{
    CRect rect(left, top, right, bottom);
    ::DrawEdge(pDC->GetSafeHdc(), &rect, nEdge, nAdjust == 0 ? BF_RECT : BF_ADJUST);
}

void AFXAPI GXDrawTransparentBitmap(CDC* pDC, CBitmap* pBitmap, int x, int y, COLORREF crTransparent)
{
    BITMAP bm;
    pBitmap->GetObject(sizeof(bm), &bm);
    CDC dcImage, dcMask, dcDest;
    dcImage.CreateCompatibleDC(pDC);
    dcMask.CreateCompatibleDC(pDC);
    dcDest.CreateCompatibleDC(pDC);
    CBitmap* pOldImage = dcImage.SelectObject(pBitmap);
    dcImage.SetMapMode(pDC->GetMapMode());
    CPoint size(bm.bmWidth, bm.bmHeight);
    dcImage.DPtoLP(&size);
    // Mask: pixels of the transparent colour become 1.
    CBitmap mask;
    mask.CreateBitmap(bm.bmWidth, bm.bmHeight, 1, 1, NULL);
    CBitmap* pOldMask = dcMask.SelectObject(&mask);
    COLORREF crOldBack = dcImage.SetBkColor(crTransparent);
    dcMask.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcImage, 0, 0, SRCCOPY);
    dcImage.SetBkColor(crOldBack);
    // Image without the transparent pixels, destination without the opaque ones, ORed.
    CBitmap image, dest;
    image.CreateCompatibleBitmap(pDC, bm.bmWidth, bm.bmHeight);
    dest.CreateCompatibleBitmap(pDC, bm.bmWidth, bm.bmHeight);
    CDC dcCopy;
    dcCopy.CreateCompatibleDC(pDC);
    CBitmap* pOldCopy = dcCopy.SelectObject(&image);
    dcCopy.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcImage, 0, 0, SRCCOPY);
    dcCopy.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcMask, 0, 0, 0x00220326); // DSna: image AND NOT mask
    CBitmap* pOldDest = dcDest.SelectObject(&dest);
    dcDest.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, pDC, x, y, SRCCOPY);
    dcDest.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcMask, 0, 0, SRCAND);
    dcDest.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcCopy, 0, 0, SRCPAINT);
    pDC->BitBlt(x, y, size.x, size.y, &dcDest, 0, 0, SRCCOPY);
    dcDest.SelectObject(pOldDest);
    dcCopy.SelectObject(pOldCopy);
    dcMask.SelectObject(pOldMask);
    dcImage.SelectObject(pOldImage);
}

int AFXAPI GXGetDibColorCount(const BITMAPINFOHEADER* pHeader)
{
    if (pHeader->biClrUsed != 0)
        return (int)pHeader->biClrUsed;
    switch (pHeader->biBitCount)
    {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

HGLOBAL AFXAPI GXCopyBitmapResource(HINSTANCE hInst, LPCTSTR lpszResourceName)
{
    HRSRC hRes = ::FindResourceA(hInst, lpszResourceName, (LPCSTR)RT_BITMAP);
    if (hRes == NULL)
        return NULL;
    HGLOBAL hData = ::LoadResource(hInst, hRes);
    DWORD nSize = ::SizeofResource(hInst, hRes);
    const void* pData = hData != NULL ? ::LockResource(hData) : NULL;
    if (pData == NULL || nSize == 0)
        return NULL;
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize);
    if (hCopy == NULL)
        return NULL;
    memcpy(::GlobalLock(hCopy), pData, nSize);
    ::GlobalUnlock(hCopy);
    return hCopy;
}

BOOL AFXAPI GXLoadSysColorBitmap(CBitmap& bitmap, LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HGLOBAL hCopy = GXCopyBitmapResource(hInst, lpszResourceName);
    if (hCopy == NULL)
        return FALSE;
    BITMAPINFOHEADER* pHeader = (BITMAPINFOHEADER*)::GlobalLock(hCopy);
    // Only bitmaps with a colour table (8 bits or fewer) are remapped; the table has
    // biClrUsed entries when set. Deeper bitmaps have no table and load unchanged.
    int nColors = pHeader->biBitCount <= 8 ? GXGetDibColorCount(pHeader) : 0;
    RGBQUAD* pColors = (RGBQUAD*)((BYTE*)pHeader + pHeader->biSize);
    static const struct
    {
        DWORD rgb;
        int nSysColor;
    } map[] = {{0x000000, COLOR_BTNTEXT},
               {0x808080, COLOR_BTNSHADOW},
               {0xC0C0C0, COLOR_BTNFACE},
               {0xFFFFFF, COLOR_BTNHIGHLIGHT}};
    for (int i = 0; i < nColors; i++)
    {
        DWORD rgb = RGB(pColors[i].rgbRed, pColors[i].rgbGreen, pColors[i].rgbBlue);
        for (const auto& m : map)
            if (rgb == m.rgb)
            {
                COLORREF cr = ::GetSysColor(m.nSysColor);
                pColors[i].rgbRed = GetRValue(cr);
                pColors[i].rgbGreen = GetGValue(cr);
                pColors[i].rgbBlue = GetBValue(cr);
            }
    }
    int nWidth = pHeader->biWidth, nHeight = abs(pHeader->biHeight);
    HDC hScreen = ::GetDC(NULL);
    HBITMAP hbm = ::CreateCompatibleBitmap(hScreen, nWidth, nHeight);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hbm);
    const BYTE* pBits = (const BYTE*)pColors + nColors * sizeof(RGBQUAD) +
                        (pHeader->biCompression == BI_BITFIELDS ? 3 * sizeof(DWORD) : 0);
    ::StretchDIBits(hMem, 0, 0, nWidth, nHeight, 0, 0, nWidth, nHeight, pBits, (BITMAPINFO*)pHeader,
                    DIB_RGB_COLORS, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::ReleaseDC(NULL, hScreen);
    ::GlobalUnlock(hCopy);
    ::GlobalFree(hCopy);
    bitmap.DeleteObject();
    return bitmap.Attach(hbm);
}

// -- Choice lists ------------------------------------------------------------------------------------

int AFXAPI GXTakeFirstLine(CString& strText, CString& strFirstLine)
{
    int i = strText.FindOneOf("\r\n");
    if (i < 0)
    {
        strFirstLine = strText;
        strText.Empty();
        return -1;
    }
    strFirstLine = strText.Left(i);
    int nSkip = (strText[i] == '\r' && i + 1 < strText.GetLength() && strText[i + 1] == '\n') ? 2 : 1;
    strText = strText.Mid(i + nSkip);
    return i;
}

void AFXAPI GXGetTabbedField(LPCTSTR pszLine, int nField, LPTSTR pszBuffer, int nSize)
{
    if (nSize <= 0)
        return;
    pszBuffer[0] = 0;
    const char* p = pszLine;
    for (int n = 0; n < nField && p != NULL; n++)
    {
        p = strchr(p, '\t');
        if (p != NULL)
            p++;
    }
    if (p == NULL)
        return;
    int i = 0;
    while (p[i] != 0 && p[i] != '\t' && i < nSize - 1)
    {
        pszBuffer[i] = p[i];
        i++;
    }
    pszBuffer[i] = 0;
}

int AFXAPI GXFindChoiceLine(LPCTSTR pszValue, int nField, CString* pstrLine, BOOL bSkipFirstLine,
                            LPCTSTR pszChoiceList, BOOL bExact)
{
    CString strList = pszChoiceList, strLine;
    int nValueLen = lstrlenA(pszValue);
    if (bSkipFirstLine)
        GXTakeFirstLine(strList, strLine);
    for (int n = 0; !strList.IsEmpty(); n++)
    {
        GXTakeFirstLine(strList, strLine);
        char szField[128];
        GXGetTabbedField(strLine, nField, szField, sizeof(szField));
        BOOL bMatch =
            bExact ? _mbscmp((const unsigned char*)szField, (const unsigned char*)pszValue) == 0
                   : _mbsnicmp((const unsigned char*)szField, (const unsigned char*)pszValue, nValueLen) == 0;
        if (bMatch)
        {
            if (pstrLine != NULL)
                *pstrLine = strLine;
            return n;
        }
    }
    return -1;
}

CString AFXAPI GXSortChoiceList(LPCTSTR pszChoiceList, int nField, BOOL bKeepFirstLine)
{
    CString strList = pszChoiceList, strLine, strResult;
    std::vector<CString> lines;
    if (bKeepFirstLine && !strList.IsEmpty())
    {
        GXTakeFirstLine(strList, strLine);
        strResult = strLine + "\r\n";
    }
    while (!strList.IsEmpty())
    {
        GXTakeFirstLine(strList, strLine);
        lines.push_back(strLine);
    }
    // By field n case-insensitively (the whole line for n <= 0), up to 127 characters.
    auto key = [nField](const CString& line) {
        char sz[128];
        if (nField <= 0)
            lstrcpynA(sz, line, sizeof(sz));
        else
            GXGetTabbedField(line, nField, sz, sizeof(sz));
        return CString(sz);
    };
    std::stable_sort(lines.begin(), lines.end(),
                     [&](const CString& a, const CString& b) { return _stricmp(key(a), key(b)) < 0; });
    for (const CString& line : lines)
        strResult += line + "\r\n";
    return strResult;
}
