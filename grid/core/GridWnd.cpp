// The grid window form.
#include "grid/core/GridWnd.h"
#include "grid/core/DrawingAndFormatting.h"
#include "PaintDC.h"
#include "WindowDC.h"

IMPLEMENT_DYNCREATE(CGXGridWnd, CWnd)

BEGIN_MESSAGE_MAP(CGXGridWnd, CWnd)
ON_WM_PAINT()
ON_WM_NCPAINT()
END_MESSAGE_MAP()

// The objects the class window procedure made, deleted with their windows.
static CMapPtrToWord& ClassCreatedMap()
{
    static CMapPtrToWord s_map;
    return s_map;
}

CGXGridWnd::CGXGridWnd()
{
    m_pGridWnd = this;
    m_pGridDoc = NULL;
    m_bIsViewContext = FALSE;
}

CGXGridWnd::~CGXGridWnd()
{
}

BOOL CGXGridWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(NULL, NULL, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

void AFXAPI CGXGridWnd::RegisterWndClass(HINSTANCE hInstance)
{
    WNDCLASSA wc;
    if (::GetClassInfoA(hInstance, "CGXGridWnd", &wc))
        return;
    memset(&wc, 0, sizeof(wc));
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = ClassWndProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = "CGXGridWnd";
    if (!::RegisterClassA(&wc))
        AfxThrowResourceException();
}

void AFXAPI CGXGridWnd::UnregisterWndClass(HINSTANCE hInstance)
{
    ::UnregisterClassA("CGXGridWnd", hInstance);
}

LRESULT CALLBACK CGXGridWnd::ClassWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The first message of a window made by Windows (a dialog template, say): an object takes
    // the handle over and the framework's procedure runs from now on.
    CGXGridWnd* pWnd = new CGXGridWnd;
    pWnd->Attach(hWnd);
    ClassCreatedMap()[pWnd] = 1;
    pWnd->PreSubclassWindow();
    WNDPROC pfnFramework = AfxWndProc;
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)pfnFramework);
    return ::CallWindowProcA(pfnFramework, hWnd, message, wParam, lParam);
}

BOOL CGXGridWnd::IsClassCreated(const CGXGridWnd* pWnd)
{
    WORD w;
    return ClassCreatedMap().Lookup((void*)pWnd, w);
}

void CGXGridWnd::PostNcDestroy()
{
    if (IsClassCreated(this))
    {
        ClassCreatedMap().RemoveKey(this);
        delete this;
    }
}

LRESULT CGXGridWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DispatchGridMessage(message, wParam, lParam,
                               [&]() { return CWnd::WindowProc(message, wParam, lParam); });
}

BOOL CGXGridWnd::PreTranslateMessage(MSG* pMsg)
{
    return OnGridPreTranslateMessage(pMsg) || CWnd::PreTranslateMessage(pMsg);
}

BOOL CGXGridWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    return OnGridCommand(wParam, lParam) || CWnd::OnCommand(wParam, lParam);
}

void CGXGridWnd::OnPaint()
{
    // The paint DC first: its destructor validates the window even when painting throws, so an
    // uninitialised grid reports once instead of at every WM_PAINT.
    CPaintDC dc(this);
    if (!m_bInitDone)
        AfxThrowNotSupportedException();
    OnGridPrepareDC(&dc);
    OnGridDraw(&dc);
}

void CGXGridWnd::OnNcPaint()
{
    Default();
    if (m_bDraw3dFrame || (GetExStyle() & WS_EX_CLIENTEDGE))
        GXDrawFrameInParent(this);
}

void AFXAPI GXDrawFrameInParent(CWnd* pWnd)
{
    CWnd* pParent = pWnd->GetParent();
    if (pParent == NULL)
        return;
    CRect rect;
    pWnd->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    rect.InflateRect(2, 2, 3, 3);
    CClientDC dc(pParent);
    GXGetDrawingAndFormatting()->DrawEdgeFrame(&dc, rect, TRUE, FALSE);
}

void CGXGridWnd::BeginPrintJob(CDC* pDC, CPrintInfo* pInfo)
{
    OnGridBeginPrinting(pDC, pInfo);
}

void CGXGridWnd::EndPrintJob(CDC* pDC, CPrintInfo* pInfo)
{
    OnGridEndPrinting(pDC, pInfo);
}

void CGXGridWnd::PrintPageBody(CDC* pDC, CPrintInfo* pInfo)
{
    OnGridPrint(pDC, pInfo);
}
