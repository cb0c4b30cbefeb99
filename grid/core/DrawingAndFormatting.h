// The library-wide object that draws text into cells like a multi-line edit control (line
// breaking, alignment, clipping, ellipsis), draws static cell content (text or a bitmap named
// by the value), hands value formatting to the number-formatting component and draws frames.
// Created on first use by GXGetDrawingAndFormatting and kept for the process's life.
#pragma once
#include "grid/core/Style.h"
#include "afxwin.h"

class CGXControl;

// Ellipsis modes of the "Ellipsen Typ" user attribute.
enum
{
    gxNoEllipse = 0,
    gxDotEllipse = 1,
    gxPoundEllipse = 2
};

class CGXDrawingAndFormatting
{
  public:
    enum
    {
        maxLines = 32,
        patternCount = 41
    };

    // Construction
    CGXDrawingAndFormatting() = default;
    virtual ~CGXDrawingAndFormatting();
    CGXDrawingAndFormatting(const CGXDrawingAndFormatting&) = delete;
    CGXDrawingAndFormatting& operator=(const CGXDrawingAndFormatting&) = delete;

    // Overridables
    virtual CBitmap* GetPatternBitmap(int n);
    virtual int DrawTextWithEllipsis(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top, int right,
                                     int bottom, UINT nFormat, LPRECT lpRectClip, int nEllipseMode);
    virtual int DrawTextLikeMultiLineEdit(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top,
                                          int right, int bottom, UINT nFormat, LPRECT lpRectClip = NULL);
    virtual int DrawRotatedText(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top, int right,
                                int bottom, UINT nFormat, LONG lfOrientation, LPRECT lpRect);
    virtual int GetTextPosFromPoint(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top, int right,
                                    int bottom, UINT nFormat, int x, int y);
    virtual int CountLines(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top, int right, int bottom,
                           UINT nFormat);
    // Lays the text out in rect (its top moves for vertical alignment); fills the line starts and
    // lengths (byte offsets) and returns the number of lines.
    virtual int BreakLines(CDC* pDC, LPCTSTR lpszString, int nCount, LPRECT rect, UINT nFormat, int* anStarts,
                           int* anLengths, int nMaxLines);
    // A given value is taken to be of the style's value type.
    virtual BOOL FormatValueText(CString& strResult, const CGXStyle& style, LPCTSTR pszValue = NULL);
    virtual BOOL ParseValueText(LPCTSTR pszText, double& dValue, unsigned* pnFormat = NULL,
                                unsigned* pnPlaces = NULL);
    virtual void Draw3dFrame(CDC* pDC, int left, int top, int right, int bottom, int nThickness,
                             COLORREF rgbTopLeft, COLORREF rgbBottomRight);
    virtual void DrawEdgeFrame(CDC* pDC, const CRect& rect, BOOL bOuter, BOOL bInner);
    virtual void DrawFocusText(CDC* pDC, int left, int top, int right, int bottom, BOOL bFocus,
                               LPCTSTR pszText, UINT nFormat);
    virtual void DrawStaticCell(CGXControl* pControl, CDC* pDC, int left, int top, int right, int bottom,
                                ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                const CGXStyle* pStandardStyle);

    // Implementation
    // Line height of the selected font: tmHeight + tmExternalLeading, one less from 20 up.
    static int GetLineHeight(CDC* pDC);

  private:
    CBitmap* m_apPatterns[patternCount] = {};
};

CGXDrawingAndFormatting* AFXAPI GXGetDrawingAndFormatting();

// Free drawing functions.
void AFXAPI GXFillSolidRect(CDC* pDC, int x, int y, int cx, int cy, COLORREF cr);
void AFXAPI GXFillSolidRect(CDC* pDC, const CRect& rect, COLORREF cr);
void AFXAPI GXInvertClippedRect(CDC* pDC, const CRect& rect, const CRect& rectClip);
void AFXAPI GXDrawEdge(CDC* pDC, int left, int top, int right, int bottom, UINT nEdge, int nAdjust);
// The alignment flags of GXDrawDIB for a style's horizontal and vertical alignment.
UINT AFXAPI GXGetDIBAlignment(const CGXStyle& style);
// Whether drawing may clip: not on a metafile that is not printing, nor while printing when the
// library's no-print-clipping option is set.
BOOL AFXAPI GXCanClip(CDC* pDC);
void AFXAPI GXDrawTransparentBitmap(CDC* pDC, CBitmap* pBitmap, int x, int y, COLORREF crTransparent);
// Loads a bitmap resource with black, greys and white turned into the system's button colours
// (bitmaps of 8 bits or fewer; deeper ones load unchanged).
BOOL AFXAPI GXLoadSysColorBitmap(CBitmap& bitmap, LPCTSTR lpszResourceName);
HGLOBAL AFXAPI GXCopyBitmapResource(HINSTANCE hInst, LPCTSTR lpszResourceName);
int AFXAPI GXGetDibColorCount(const BITMAPINFOHEADER* pHeader);

// Choice lists: CR LF separated lines of tab-separated fields.
int AFXAPI GXTakeFirstLine(CString& strText, CString& strFirstLine);
void AFXAPI GXGetTabbedField(LPCTSTR pszLine, int nField, LPTSTR pszBuffer, int nSize);
int AFXAPI GXFindChoiceLine(LPCTSTR pszValue, int nField, CString* pstrLine, BOOL bSkipFirstLine,
                            LPCTSTR pszChoiceList, BOOL bExact);
CString AFXAPI GXSortChoiceList(LPCTSTR pszChoiceList, int nField, BOOL bKeepFirstLine);
