// CDC: a device context with MFC's two handles: m_hDC receives output, m_hAttribDC answers
// queries (they differ for print preview and metafiles).
//
// Differences from MFC:
// - SetMapMode and the other mapping calls go to both handles (CPreviewDC maps them itself).
// - GetLiveCount tells how many CDC objects exist, since Wine's GetGuiResources is a stub.
#pragma once
#include "GdiObject.h"
#include "Pen.h"
#include "Brush.h"
#include "Font.h"
#include "Bitmap.h"
#include "Palette.h"
#include "Rgn.h"

class CWnd;

class CDC : public CObject
{
    DECLARE_DYNCREATE(CDC)

  public:
    // Construction
    CDC() : m_hDC(NULL), m_hAttribDC(NULL), m_bPrinting(FALSE)
    {
        ::InterlockedIncrement(&s_nLive);
    }
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    // The CDC objects (of any class) alive now, temporary ones included.
    static LONG PASCAL GetLiveCount()
    {
        return s_nLive;
    }
    BOOL CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData);
    BOOL CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData);
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();

    // Attributes
    HDC m_hDC;
    HDC m_hAttribDC;
    BOOL m_bPrinting;
    operator HDC() const
    {
        return GetSafeHdc();
    }
    HDC GetSafeHdc() const
    {
        const CDC* volatile self = this;
        return self == NULL ? NULL : self->m_hDC;
    }
    static CDC* PASCAL FromHandle(HDC hDC);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HDC hDC);
    HDC Detach();
    virtual void SetAttribDC(HDC hDC)
    {
        m_hAttribDC = hDC;
    }
    virtual void SetOutputDC(HDC hDC)
    {
        m_hDC = hDC;
    }
    virtual void ReleaseAttribDC()
    {
        m_hAttribDC = NULL;
    }
    virtual void ReleaseOutputDC()
    {
        m_hDC = NULL;
    }
    BOOL IsPrinting() const
    {
        return m_bPrinting;
    }
    CWnd* GetWindow() const;
    int GetDeviceCaps(int nIndex) const
    {
        return ::GetDeviceCaps(m_hAttribDC, nIndex);
    }

    // State
    virtual int SaveDC();
    virtual BOOL RestoreDC(int nSavedDC);

    // Drawing tools
    CPen* SelectObject(CPen* pPen)
    {
        return (CPen*)SelectGdiObject(m_hDC, pPen->GetSafeHandle());
    }
    CBrush* SelectObject(CBrush* pBrush)
    {
        return (CBrush*)SelectGdiObject(m_hDC, pBrush->GetSafeHandle());
    }
    virtual CFont* SelectObject(CFont* pFont)
    {
        return (CFont*)SelectGdiObject(m_hDC, pFont->GetSafeHandle());
    }
    CBitmap* SelectObject(CBitmap* pBitmap)
    {
        return (CBitmap*)SelectGdiObject(m_hDC, pBitmap->GetSafeHandle());
    }
    int SelectObject(CRgn* pRgn)
    {
        return (int)(INT_PTR)::SelectObject(m_hDC, pRgn->GetSafeHandle());
    }
    CGdiObject* SelectObject(CGdiObject* pObject)
    {
        return SelectGdiObject(m_hDC, pObject->GetSafeHandle());
    }
    HGDIOBJ SelectObject(HGDIOBJ hObject);
    virtual CGdiObject* SelectStockObject(int nIndex);
    CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
    UINT RealizePalette()
    {
        return ::RealizePalette(m_hDC);
    }
    CPen* GetCurrentPen() const
    {
        return CPen::FromHandle((HPEN)::GetCurrentObject(m_hDC, OBJ_PEN));
    }
    CBrush* GetCurrentBrush() const
    {
        return CBrush::FromHandle((HBRUSH)::GetCurrentObject(m_hDC, OBJ_BRUSH));
    }
    CFont* GetCurrentFont() const
    {
        return CFont::FromHandle((HFONT)::GetCurrentObject(m_hDC, OBJ_FONT));
    }
    CBitmap* GetCurrentBitmap() const
    {
        return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hDC, OBJ_BITMAP));
    }
    static CBrush* PASCAL GetHalftoneBrush();

    // Colours and modes
    COLORREF GetBkColor() const
    {
        return ::GetBkColor(m_hAttribDC);
    }
    virtual COLORREF SetBkColor(COLORREF crColor);
    int GetBkMode() const
    {
        return ::GetBkMode(m_hAttribDC);
    }
    int SetBkMode(int nBkMode);
    COLORREF GetTextColor() const
    {
        return ::GetTextColor(m_hAttribDC);
    }
    virtual COLORREF SetTextColor(COLORREF crColor);
    int GetROP2() const
    {
        return ::GetROP2(m_hAttribDC);
    }
    int SetROP2(int nDrawMode);
    int SetPolyFillMode(int nPolyFillMode);
    int SetStretchBltMode(int nStretchMode);
    UINT SetTextAlign(UINT nFlags);
    UINT GetTextAlign() const
    {
        return ::GetTextAlign(m_hAttribDC);
    }
    int SetTextCharacterExtra(int nCharExtra);

    // Mapping
    int GetMapMode() const
    {
        return ::GetMapMode(m_hAttribDC);
    }
    virtual int SetMapMode(int nMapMode);
    CPoint GetViewportOrg() const;
    virtual CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point)
    {
        return SetViewportOrg(point.x, point.y);
    }
    virtual CPoint OffsetViewportOrg(int nWidth, int nHeight);
    CSize GetViewportExt() const;
    virtual CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(SIZE size)
    {
        return SetViewportExt(size.cx, size.cy);
    }
    virtual CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom);
    CPoint GetWindowOrg() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point)
    {
        return SetWindowOrg(point.x, point.y);
    }
    CPoint OffsetWindowOrg(int nWidth, int nHeight);
    CSize GetWindowExt() const;
    virtual CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(SIZE size)
    {
        return SetWindowExt(size.cx, size.cy);
    }
    virtual CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom);

    // Coordinates
    void DPtoLP(LPPOINT lpPoints, int nCount = 1) const
    {
        ::DPtoLP(m_hAttribDC, lpPoints, nCount);
    }
    void DPtoLP(LPRECT lpRect) const
    {
        ::DPtoLP(m_hAttribDC, (LPPOINT)lpRect, 2);
    }
    void DPtoLP(LPSIZE lpSize) const;
    void LPtoDP(LPPOINT lpPoints, int nCount = 1) const
    {
        ::LPtoDP(m_hAttribDC, lpPoints, nCount);
    }
    void LPtoDP(LPRECT lpRect) const
    {
        ::LPtoDP(m_hAttribDC, (LPPOINT)lpRect, 2);
    }
    void LPtoDP(LPSIZE lpSize) const;
    void DPtoHIMETRIC(LPSIZE lpSize) const;
    void HIMETRICtoDP(LPSIZE lpSize) const;
    void LPtoHIMETRIC(LPSIZE lpSize) const;
    void HIMETRICtoLP(LPSIZE lpSize) const;

    // Clipping
    virtual int GetClipBox(LPRECT lpRect) const
    {
        return ::GetClipBox(m_hDC, lpRect);
    }
    CPoint SetBrushOrg(int x, int y)
    {
        POINT pt = {0, 0};
        ::SetBrushOrgEx(m_hDC, x, y, &pt);
        return CPoint(pt);
    }
    CPoint SetBrushOrg(POINT point)
    {
        return SetBrushOrg(point.x, point.y);
    }
    virtual BOOL PtVisible(int x, int y) const
    {
        return ::PtVisible(m_hDC, x, y);
    }
    BOOL PtVisible(POINT point) const
    {
        return PtVisible(point.x, point.y);
    }
    virtual BOOL RectVisible(LPCRECT lpRect) const
    {
        return ::RectVisible(m_hDC, lpRect);
    }
    int SelectClipRgn(CRgn* pRgn);
    int SelectClipRgn(CRgn* pRgn, int nMode);
    int ExcludeClipRect(int x1, int y1, int x2, int y2);
    int ExcludeClipRect(LPCRECT lpRect)
    {
        return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    int IntersectClipRect(int x1, int y1, int x2, int y2);
    int IntersectClipRect(LPCRECT lpRect)
    {
        return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    int OffsetClipRgn(int x, int y);

    // Lines and shapes
    CPoint GetCurrentPosition() const;
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point)
    {
        return MoveTo(point.x, point.y);
    }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point)
    {
        return LineTo(point.x, point.y);
    }
    BOOL Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
    {
        return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
    }
    BOOL Polyline(const POINT* lpPoints, int nCount)
    {
        return ::Polyline(m_hDC, lpPoints, nCount);
    }
    BOOL PolyBezier(const POINT* lpPoints, int nCount)
    {
        return ::PolyBezier(m_hDC, lpPoints, nCount);
    }
    BOOL PolyBezierTo(const POINT* lpPoints, int nCount)
    {
        return ::PolyBezierTo(m_hDC, lpPoints, nCount);
    }
    // Paths
    BOOL BeginPath()
    {
        return ::BeginPath(m_hDC);
    }
    BOOL EndPath()
    {
        return ::EndPath(m_hDC);
    }
    BOOL StrokeAndFillPath()
    {
        return ::StrokeAndFillPath(m_hDC);
    }
    BOOL Rectangle(int x1, int y1, int x2, int y2)
    {
        return ::Rectangle(m_hDC, x1, y1, x2, y2);
    }
    BOOL Rectangle(LPCRECT lpRect)
    {
        return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    BOOL Ellipse(int x1, int y1, int x2, int y2)
    {
        return ::Ellipse(m_hDC, x1, y1, x2, y2);
    }
    BOOL Ellipse(LPCRECT lpRect)
    {
        return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
    {
        return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
    }
    BOOL Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
    {
        return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
    }
    BOOL Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
    {
        return ::Chord(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
    }
    BOOL Polygon(const POINT* lpPoints, int nCount)
    {
        return ::Polygon(m_hDC, lpPoints, nCount);
    }
    void FillRect(LPCRECT lpRect, CBrush* pBrush)
    {
        ::FillRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
    }
    void FrameRect(LPCRECT lpRect, CBrush* pBrush)
    {
        ::FrameRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
    }
    void InvertRect(LPCRECT lpRect)
    {
        ::InvertRect(m_hDC, lpRect);
    }
    void DrawFocusRect(LPCRECT lpRect)
    {
        ::DrawFocusRect(m_hDC, lpRect);
    }
    BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
    {
        return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
    }
    BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
    {
        return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
    }
    BOOL DrawIcon(int x, int y, HICON hIcon)
    {
        return ::DrawIcon(m_hDC, x, y, hIcon);
    }
    BOOL DrawIcon(POINT point, HICON hIcon)
    {
        return ::DrawIcon(m_hDC, point.x, point.y, hIcon);
    }
    BOOL FillRgn(CRgn* pRgn, CBrush* pBrush)
    {
        return ::FillRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle());
    }
    BOOL FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
    {
        return ::FrameRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle(), nWidth,
                          nHeight);
    }
    BOOL InvertRgn(CRgn* pRgn)
    {
        return ::InvertRgn(m_hDC, (HRGN)pRgn->GetSafeHandle());
    }
    BOOL FloodFill(int x, int y, COLORREF crColor)
    {
        return ::FloodFill(m_hDC, x, y, crColor);
    }
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush = NULL,
                      CBrush* pBrushLast = NULL);

    // Pixels and bitmaps
    COLORREF GetPixel(int x, int y) const
    {
        return ::GetPixel(m_hDC, x, y);
    }
    COLORREF GetPixel(POINT point) const
    {
        return ::GetPixel(m_hDC, point.x, point.y);
    }
    COLORREF SetPixel(int x, int y, COLORREF crColor)
    {
        return ::SetPixel(m_hDC, x, y, crColor);
    }
    COLORREF SetPixel(POINT point, COLORREF crColor)
    {
        return ::SetPixel(m_hDC, point.x, point.y, crColor);
    }
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
    {
        return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
    }
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
    {
        return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
    }
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwRop)
    {
        return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth,
                            nSrcHeight, dwRop);
    }

    // Text
    virtual BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount)
    {
        return ::TextOut(m_hDC, x, y, lpszString, nCount);
    }
    BOOL TextOut(int x, int y, const CString& str)
    {
        return TextOut(x, y, (LPCTSTR)str, str.GetLength());
    }
    virtual BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                            LPINT lpDxWidths)
    {
        return ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
    }
    virtual int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
    {
        return ::DrawText(m_hDC, lpszString, nCount, lpRect, nFormat);
    }
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
    {
        return DrawText((LPCTSTR)str, str.GetLength(), lpRect, nFormat);
    }
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const
    {
        return GetTextExtent((LPCTSTR)str, str.GetLength());
    }
    CSize GetOutputTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetTabbedTextExtent(LPCTSTR lpszString, int nCount, int nTabPositions,
                              LPINT lpnTabStopPositions) const;
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const
    {
        return ::GetTextMetrics(m_hAttribDC, lpMetrics);
    }
    BOOL GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const
    {
        return ::GetTextMetrics(m_hDC, lpMetrics);
    }
    int GetTextFace(int nCount, LPTSTR lpszFacename) const
    {
        return ::GetTextFace(m_hAttribDC, nCount, lpszFacename);
    }

    // Printing
    int StartDoc(LPDOCINFO lpDocInfo)
    {
        return ::StartDoc(m_hDC, lpDocInfo);
    }
    int StartDoc(LPCTSTR lpszDocName);
    int StartPage()
    {
        return ::StartPage(m_hDC);
    }
    int EndPage()
    {
        return ::EndPage(m_hDC);
    }
    int EndDoc()
    {
        return ::EndDoc(m_hDC);
    }
    int AbortDoc()
    {
        return ::AbortDoc(m_hDC);
    }
    // Applies new device settings (orientation, paper) to the printer DC.
    BOOL ResetDC(const DEVMODE* lpDevMode);
    int SetAbortProc(ABORTPROC lpfn)
    {
        return ::SetAbortProc(m_hDC, lpfn);
    }

    // Implementation
    static CGdiObject* PASCAL SelectGdiObject(HDC hDC, HGDIOBJ h);
    void AttachTemporaryHandle(HDC h)
    {
        m_hDC = m_hAttribDC = h;
    }
    void DetachTemporaryHandle()
    {
        m_hDC = m_hAttribDC = NULL;
    }

  private:
    static LONG s_nLive;
};

// The DCs that own their handle live in their own files; callers of DC.h expect them here.
#include "PaintDC.h"
#include "ClientDC.h"
#include "WindowDC.h"
#include "MetaFileDC.h"
