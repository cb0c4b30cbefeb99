// CView: joining the document, painting through OnDraw, activation within the frame.
#include "View.h"
#include "SplitterWnd.h"
#include "PrintInfo.h"
#include <ole2.h>
#include "AfxState.h"
#include "Document.h"
#include "FrameWnd.h"
#include "PreviewView.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_MOUSEACTIVATE()
ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::CView() : m_pDocument(NULL)
{
}

CView::~CView()
{
    if (m_pDocument != NULL)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
    {
        if (!AfxDeferRegisterClass(AFX_WNDFRAMEORVIEW_REG))
            return FALSE;
        cs.lpszClass = _afxWndFrameOrView;
    }
    cs.style |= WS_CLIPSIBLINGS;
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    CCreateContext* pContext = (CCreateContext*)lpcs->lpCreateParams;
    if (pContext != NULL && pContext->m_pCurrentDoc != NULL)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    // A preview of this view cannot outlive it.
    CPreviewView* pPreview = CPreviewView::GetActivePreview();
    if (pPreview != NULL && pPreview->m_pPrintView == this)
        pPreview->Close();
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(NULL);
    CWnd::OnDestroy();
}

// Views are always on the heap; the window going takes the object with it.
void CView::PostNcDestroy()
{
    delete this;
}

void CView::OnPaint()
{
    PAINTSTRUCT ps;
    CDC* pDC = BeginPaint(&ps);
    OnPrepareDC(pDC);
    OnDraw(pDC);
    EndPaint(&ps);
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    CFrameWnd* pParentFrame = GetParentFrame();
    if (pParentFrame != NULL)
        pParentFrame->SetActiveView(this);
    return nResult;
}

CScrollBar* CView::GetScrollBarCtrl(int nBar) const
{
    if (nBar != SB_HORZ && nBar != SB_VERT)
        return NULL;
    if (GetStyle() & (nBar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL))
        return NULL;
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    if (pParent == NULL || !pParent->IsKindOf(RUNTIME_CLASS(CSplitterWnd)))
        return NULL;
    int row = 0, col = 0;
    if (!((CSplitterWnd*)pParent)->IsChildPane(const_cast<CView*>(this), &row, &col))
        return NULL;
    UINT nID = nBar == SB_HORZ ? AFX_IDW_HSCROLL_FIRST + col : AFX_IDW_VSCROLL_FIRST + row;
    CWnd* pBar = CWnd::FromHandlePermanent(::GetDlgItem(pParent->m_hWnd, nID));
    return pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CScrollBar)) ? (CScrollBar*)pBar : NULL;
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

BOOL CView::IsSelected(const CObject*) const
{
    return FALSE;
}

void CView::OnInitialUpdate()
{
    OnUpdate(NULL, 0, NULL);
}

void CView::OnUpdate(CView* pSender, LPARAM, CObject*)
{
    if (pSender != this)
        Invalidate(TRUE);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    if (bActivate && pActivateView == this)
    {
        CFrameWnd* pFrame = GetParentFrame();
        // Take the focus only when our frame holds it (or nothing does).
        if (pFrame != NULL && ::GetFocus() != m_hWnd &&
            (::GetFocus() == NULL || ::IsChild(pFrame->m_hWnd, ::GetFocus()) ||
             ::GetFocus() == pFrame->m_hWnd))
            SetFocus();
    }
}

void CView::OnActivateFrame(UINT, CFrameWnd*)
{
}

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo)
{
    // Without a known page count a view prints one page.
    if (pInfo != NULL)
        pInfo->m_bContinuePrinting = pInfo->GetMaxPage() != 0xffff || pInfo->m_nCurPage == 1;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument != NULL && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

DWORD CView::OnDragEnter(COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DWORD CView::OnDragOver(COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

void CView::OnDragLeave()
{
}

BOOL CView::OnDrop(COleDataObject*, DWORD, CPoint)
{
    return FALSE;
}

DWORD CView::OnDropEx(COleDataObject*, DWORD, DWORD, CPoint)
{
    return static_cast<DWORD>(-1);
}

DWORD CView::OnDragScroll(DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}
