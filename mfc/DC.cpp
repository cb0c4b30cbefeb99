// Device contexts: output/attribute handles, mapping and drawing helpers.
#include "DC.h"
#include "AfxState.h"
#include "Wnd.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

static CDC* AfxNewTempDC()
{
    return new CDC;
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return AfxGetThreadState()->m_dcMap.FromHandle(hDC, &AfxNewTempDC);
}
void PASCAL CDC::DeleteTempMap()
{
    AfxGetThreadState()->m_dcMap.DeleteTemp();
}

LONG CDC::s_nLive = 0;

CDC::~CDC()
{
    if (m_hDC != NULL)
        ::DeleteDC(Detach());
    ::InterlockedDecrement(&s_nLive);
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == NULL)
        return FALSE;
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    pState->m_dcMap.RemoveHandle(hDC);
    pState->m_dcMap.SetPermanent(hDC, this);
    m_hDC = hDC;
    SetAttribDC(m_hDC);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != NULL && AfxGetThreadState()->m_dcMap.LookupPermanent(hDC) == this)
        AfxGetThreadState()->m_dcMap.RemoveHandle(hDC);
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateDC(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODE*)lpInitData));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateIC(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODE*)lpInitData));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC->GetSafeHdc()));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == NULL)
        return FALSE;
    return ::DeleteDC(Detach());
}

CWnd* CDC::GetWindow() const
{
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

int CDC::SaveDC()
{
    int nRetVal = 0;
    if (m_hAttribDC != NULL)
        nRetVal = ::SaveDC(m_hAttribDC);
    if (m_hDC != m_hAttribDC && ::SaveDC(m_hDC) != 0)
        nRetVal = -1; // the output DC's state is reached by -1 only
    return nRetVal;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL bRetVal = TRUE;
    if (m_hDC != m_hAttribDC)
        bRetVal = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC != NULL)
        bRetVal = bRetVal && ::RestoreDC(m_hAttribDC, nSavedDC);
    return bRetVal;
}

CGdiObject* PASCAL CDC::SelectGdiObject(HDC hDC, HGDIOBJ h)
{
    return CGdiObject::FromHandle(::SelectObject(hDC, h));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    HGDIOBJ hOld = NULL;
    if (m_hDC != m_hAttribDC)
        hOld = ::SelectObject(m_hDC, hObject);
    if (m_hAttribDC != NULL)
        hOld = ::SelectObject(m_hAttribDC, hObject);
    return hOld;
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(SelectObject(::GetStockObject(nIndex)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    return CPalette::FromHandle(
        ::SelectPalette(m_hDC, (HPALETTE)pPalette->GetSafeHandle(), bForceBackground));
}

// Setters go to the output DC and, when different, to the attribute DC; the attribute DC's old
// value is returned.
#define AFX_SET_BOTH(call)                                                                                   \
    if (m_hDC != m_hAttribDC && m_hDC != NULL)                                                               \
        (void)::call(m_hDC, ARGS);                                                                           \
    return ::call(m_hAttribDC != NULL ? m_hAttribDC : m_hDC, ARGS)

COLORREF CDC::SetBkColor(COLORREF crColor)
{
#define ARGS crColor
    AFX_SET_BOTH(SetBkColor);
#undef ARGS
}
int CDC::SetBkMode(int nBkMode)
{
#define ARGS nBkMode
    AFX_SET_BOTH(SetBkMode);
#undef ARGS
}
COLORREF CDC::SetTextColor(COLORREF crColor)
{
#define ARGS crColor
    AFX_SET_BOTH(SetTextColor);
#undef ARGS
}
int CDC::SetROP2(int nDrawMode)
{
#define ARGS nDrawMode
    AFX_SET_BOTH(SetROP2);
#undef ARGS
}
int CDC::SetPolyFillMode(int nPolyFillMode)
{
#define ARGS nPolyFillMode
    AFX_SET_BOTH(SetPolyFillMode);
#undef ARGS
}
int CDC::SetStretchBltMode(int nStretchMode)
{
#define ARGS nStretchMode
    AFX_SET_BOTH(SetStretchBltMode);
#undef ARGS
}
UINT CDC::SetTextAlign(UINT nFlags)
{
#define ARGS nFlags
    AFX_SET_BOTH(SetTextAlign);
#undef ARGS
}
int CDC::SetTextCharacterExtra(int nCharExtra)
{
#define ARGS nCharExtra
    AFX_SET_BOTH(SetTextCharacterExtra);
#undef ARGS
}
int CDC::SetMapMode(int nMapMode)
{
#define ARGS nMapMode
    AFX_SET_BOTH(SetMapMode);
#undef ARGS
}

CPoint CDC::GetViewportOrg() const
{
    POINT point;
    ::GetViewportOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT point = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::SetViewportOrgEx(m_hDC, x, y, &point);
    if (m_hAttribDC != NULL)
        ::SetViewportOrgEx(m_hAttribDC, x, y, &point);
    return point;
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT point = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &point);
    if (m_hAttribDC != NULL)
        ::OffsetViewportOrgEx(m_hAttribDC, nWidth, nHeight, &point);
    return point;
}

CSize CDC::GetViewportExt() const
{
    SIZE size;
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE size = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::SetViewportExtEx(m_hDC, cx, cy, &size);
    if (m_hAttribDC != NULL)
        ::SetViewportExtEx(m_hAttribDC, cx, cy, &size);
    return size;
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::ScaleViewportExtEx(m_hDC, xNum, xDenom, yNum, yDenom, &size);
    if (m_hAttribDC != NULL)
        ::ScaleViewportExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &size);
    return size;
}

CPoint CDC::GetWindowOrg() const
{
    POINT point;
    ::GetWindowOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT point = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::SetWindowOrgEx(m_hDC, x, y, &point);
    if (m_hAttribDC != NULL)
        ::SetWindowOrgEx(m_hAttribDC, x, y, &point);
    return point;
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    POINT point = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::OffsetWindowOrgEx(m_hDC, nWidth, nHeight, &point);
    if (m_hAttribDC != NULL)
        ::OffsetWindowOrgEx(m_hAttribDC, nWidth, nHeight, &point);
    return point;
}

CSize CDC::GetWindowExt() const
{
    SIZE size;
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE size = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::SetWindowExtEx(m_hDC, cx, cy, &size);
    if (m_hAttribDC != NULL)
        ::SetWindowExtEx(m_hAttribDC, cx, cy, &size);
    return size;
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::ScaleWindowExtEx(m_hDC, xNum, xDenom, yNum, yDenom, &size);
    if (m_hAttribDC != NULL)
        ::ScaleWindowExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &size);
    return size;
}

// Sizes convert through the scale of the mapping only, not its origins.
void CDC::DPtoLP(LPSIZE lpSize) const
{
    CSize sizeWinExt = GetWindowExt();
    CSize sizeVpExt = GetViewportExt();
    lpSize->cx = ::MulDiv(lpSize->cx, abs(sizeWinExt.cx), abs(sizeVpExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs(sizeWinExt.cy), abs(sizeVpExt.cy));
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    CSize sizeWinExt = GetWindowExt();
    CSize sizeVpExt = GetViewportExt();
    lpSize->cx = ::MulDiv(lpSize->cx, abs(sizeVpExt.cx), abs(sizeWinExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs(sizeVpExt.cy), abs(sizeWinExt.cy));
}

#define HIMETRIC_INCH 2540

void CDC::DPtoHIMETRIC(LPSIZE lpSize) const
{
    int cxPerInch = GetDeviceCaps(LOGPIXELSX);
    int cyPerInch = GetDeviceCaps(LOGPIXELSY);
    lpSize->cx = ::MulDiv(lpSize->cx, HIMETRIC_INCH, cxPerInch);
    lpSize->cy = ::MulDiv(lpSize->cy, HIMETRIC_INCH, cyPerInch);
}

void CDC::HIMETRICtoDP(LPSIZE lpSize) const
{
    int cxPerInch = GetDeviceCaps(LOGPIXELSX);
    int cyPerInch = GetDeviceCaps(LOGPIXELSY);
    lpSize->cx = ::MulDiv(lpSize->cx, cxPerInch, HIMETRIC_INCH);
    lpSize->cy = ::MulDiv(lpSize->cy, cyPerInch, HIMETRIC_INCH);
}

void CDC::LPtoHIMETRIC(LPSIZE lpSize) const
{
    LPtoDP(lpSize);
    DPtoHIMETRIC(lpSize);
}

void CDC::HIMETRICtoLP(LPSIZE lpSize) const
{
    HIMETRICtoDP(lpSize);
    DPtoLP(lpSize);
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::SelectClipRgn(m_hDC, (HRGN)pRgn->GetSafeHandle());
    if (m_hAttribDC != NULL)
        nRetVal = ::SelectClipRgn(m_hAttribDC, (HRGN)pRgn->GetSafeHandle());
    return nRetVal;
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::ExtSelectClipRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), nMode);
    if (m_hAttribDC != NULL)
        nRetVal = ::ExtSelectClipRgn(m_hAttribDC, (HRGN)pRgn->GetSafeHandle(), nMode);
    return nRetVal;
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::ExcludeClipRect(m_hDC, x1, y1, x2, y2);
    if (m_hAttribDC != NULL)
        nRetVal = ::ExcludeClipRect(m_hAttribDC, x1, y1, x2, y2);
    return nRetVal;
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
    if (m_hAttribDC != NULL)
        nRetVal = ::IntersectClipRect(m_hAttribDC, x1, y1, x2, y2);
    return nRetVal;
}

int CDC::OffsetClipRgn(int x, int y)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::OffsetClipRgn(m_hDC, x, y);
    if (m_hAttribDC != NULL)
        nRetVal = ::OffsetClipRgn(m_hAttribDC, x, y);
    return nRetVal;
}

CPoint CDC::GetCurrentPosition() const
{
    POINT point;
    ::GetCurrentPositionEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT point = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::MoveToEx(m_hDC, x, y, &point);
    if (m_hAttribDC != NULL)
        ::MoveToEx(m_hAttribDC, x, y, &point);
    return point;
}

BOOL CDC::LineTo(int x, int y)
{
    if (m_hAttribDC != NULL && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, NULL);
    return ::LineTo(m_hDC, x, y);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

CBrush* PASCAL CDC::GetHalftoneBrush()
{
    // One brush per thread: GDI objects are shared, but the wrapper lives in a thread's map.
    static thread_local CBrush* pBrush = NULL;
    if (pBrush == NULL)
    {
        WORD grayPattern[8];
        for (int i = 0; i < 8; i++)
            grayPattern[i] = (WORD)(0x5555 << (i & 1));
        HBITMAP grayBitmap = ::CreateBitmap(8, 8, 1, 1, grayPattern);
        if (grayBitmap != NULL)
        {
            static thread_local CBrush brush;
            brush.Attach(::CreatePatternBrush(grayBitmap));
            ::DeleteObject(grayBitmap);
            pBrush = &brush;
        }
    }
    return pBrush;
}

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush,
                       CBrush* pBrushLast)
{
    // The frame of the new rectangle, and of the old one to erase, as XOR regions.
    CRgn rgnNew, rgnOutside, rgnInside;
    rgnOutside.CreateRectRgnIndirect(lpRect);
    CRect rect = *lpRect;
    rect.InflateRect(-size.cx, -size.cy);
    rect.IntersectRect(rect, lpRect);
    rgnInside.CreateRectRgnIndirect(rect);
    rgnNew.CreateRectRgn(0, 0, 0, 0);
    rgnNew.CombineRgn(&rgnOutside, &rgnInside, RGN_XOR);

    if (pBrush == NULL)
        pBrush = GetHalftoneBrush();
    if (pBrushLast == NULL)
        pBrushLast = pBrush;

    CRgn rgnLast, rgnUpdate;
    if (lpRectLast != NULL)
    {
        rgnOutside.SetRectRgn(lpRectLast);
        rect = *lpRectLast;
        rect.InflateRect(-sizeLast.cx, -sizeLast.cy);
        rect.IntersectRect(rect, lpRectLast);
        rgnInside.SetRectRgn(rect);
        rgnLast.CreateRectRgn(0, 0, 0, 0);
        rgnLast.CombineRgn(&rgnOutside, &rgnInside, RGN_XOR);
        if (pBrush->m_hObject == pBrushLast->m_hObject)
        {
            rgnUpdate.CreateRectRgn(0, 0, 0, 0);
            rgnUpdate.CombineRgn(&rgnLast, &rgnNew, RGN_XOR);
        }
    }
    if (pBrush->m_hObject != pBrushLast->m_hObject && lpRectLast != NULL)
    {
        SelectClipRgn(&rgnLast);
        GetClipBox(&rect);
        CBrush* pBrushOld = SelectObject(pBrushLast);
        PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
        SelectObject(pBrushOld);
    }
    SelectClipRgn(rgnUpdate.m_hObject != NULL ? &rgnUpdate : &rgnNew);
    GetClipBox(&rect);
    CBrush* pBrushOld = SelectObject(pBrush);
    PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    SelectObject(pBrushOld);
    SelectClipRgn(NULL);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32(m_hDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetTabbedTextExtent(LPCTSTR lpszString, int nCount, int nTabPositions,
                               LPINT lpnTabStopPositions) const
{
    DWORD dw = ::GetTabbedTextExtent(m_hAttribDC, lpszString, nCount, nTabPositions, lpnTabStopPositions);
    return CSize((int)LOWORD(dw), (int)HIWORD(dw));
}

int CDC::StartDoc(LPCTSTR lpszDocName)
{
    DOCINFO di = {};
    di.cbSize = sizeof(DOCINFO);
    di.lpszDocName = lpszDocName;
    return StartDoc(&di);
}

BOOL CDC::ResetDC(const DEVMODE* lpDevMode)
{
    ASSERT(m_hAttribDC != NULL);
    HDC hDC = ::ResetDC(m_hAttribDC, lpDevMode);
    if (hDC == NULL)
        return FALSE;
    if (m_hDC != m_hAttribDC && m_hDC != NULL)
        ::ResetDC(m_hDC, lpDevMode);
    return TRUE;
}
