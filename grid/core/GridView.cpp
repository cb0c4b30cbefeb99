// The grid view form.
#include "grid/core/GridView.h"
#include "FrameworkIds.h"
#include "SplitterWnd.h"
#include "PrintDialog.h"
#include "PrintInfo.h"

IMPLEMENT_DYNCREATE(CGXGridView, CGXView)

// The dynamic splitter holding a view, or null.
static CWnd* GXFindDynamicSplitter(CWnd* pView)
{
    CWnd* pSplitter = GXGetParentOfKind(pView, RUNTIME_CLASS(CSplitterWnd), TRUE);
    return pSplitter != NULL && (pSplitter->GetStyle() & SPLS_DYNAMIC_SPLIT) ? pSplitter : NULL;
}

// A pane split off another takes over where the first-row (first-column) pane stands.
static void GXInitSplitterPane(CGXGridView* pView, CWnd* pWnd)
{
    CSplitterWnd* pSplitter = (CSplitterWnd*)pWnd;
    int nRow = 0, nCol = 0;
    if (!pSplitter->IsChildPane(pView, &nRow, &nCol) || (nRow == 0 && nCol == 0))
        return;
    CWnd* pFirst = pSplitter->GetPane(0, 0);
    if (pFirst == NULL || !pFirst->IsKindOf(RUNTIME_CLASS(CGXGridView)))
        return;
    if (nRow > 0)
    {
        CGXGridView* pAbove = (CGXGridView*)pSplitter->GetPane(0, nCol);
        if (pAbove != NULL && pAbove->IsKindOf(RUNTIME_CLASS(CGXGridView)))
        {
            pView->SetLeftCol(pAbove->GetLeftCol(), GX_NOREDRAW, FALSE);
            pView->SetTopRow(pAbove->GetTopRow(), GX_NOREDRAW, FALSE);
        }
        pView->m_bFirstPaneRow = FALSE;
    }
    if (nCol > 0)
    {
        CGXGridView* pLeft = (CGXGridView*)pSplitter->GetPane(nRow, 0);
        if (pLeft != NULL && pLeft->IsKindOf(RUNTIME_CLASS(CGXGridView)))
        {
            pView->SetTopRow(pLeft->GetTopRow(), GX_NOREDRAW, FALSE);
            if (nRow == 0)
                pView->SetLeftCol(pLeft->GetLeftCol(), GX_NOREDRAW, FALSE);
        }
        pView->m_bFirstPaneCol = FALSE;
    }
}

BEGIN_MESSAGE_MAP(CGXGridView, CGXView)
ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
ON_COMMAND(ID_EDIT_REDO, OnEditRedo)
ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateUndoItem)
ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateRedoItem)
ON_COMMAND(ID_EDIT_FIND, OnEditFind)
ON_COMMAND(ID_EDIT_REPLACE, OnEditReplace)
ON_COMMAND(ID_EDIT_REPEAT, OnEditRepeat)
ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

CGXGridView::CGXGridView()
{
    m_pGridWnd = this;
    m_pGridDoc = NULL;
    m_bIsViewContext = FALSE;
    m_bUpdateDoc = TRUE; // views of one document keep each other in step
}

CGXGridView::~CGXGridView()
{
}

void CGXGridView::OnInitialUpdate()
{
    // 1. The view is the engine's window; its document the grid's.
    m_pGridWnd = this;
    m_bIsViewContext = TRUE;
    m_pGridDoc = GetDocument();

    // 2. - 3. Inside a dynamic splitter or a container the bars are shared (range and
    // position only); otherwise shown when needed. No empty space after the last row.
    m_pSplitter = GXFindDynamicSplitter(this);
    DWORD dwMode = (m_pSplitter != NULL || GetContainerWnd() != NULL) ? (gxnShared | gxnEnhanced)
                                                                      : (gxnAutomatic | gxnEnhanced);
    SetScrollBarMode(SB_BOTH, dwMode, FALSE);

    // 4.
    OnGridInitialUpdate();
    CGXView::OnInitialUpdate();

    // 5. The print device of the parameter object (made for it when it has none), borrowed.
    // Its class belongs to the feature library and is created by name.
    if (GetPrintDevice() == NULL && GetParam() != NULL)
    {
        CRuntimeClass* pDeviceClass = CRuntimeClass::FromName("CGXPrintDevice");
        if (GetParam()->GetPrintDevice() == NULL && pDeviceClass != NULL)
            GetParam()->SetPrintDeviceObject(pDeviceClass->CreateObject(), TRUE);
        SetPrintDevice(GetParam()->GetPrintDevice(), FALSE);
    }

    // 6. A pane split off another starts where that one stands.
    if (m_pSplitter != NULL)
        GXInitSplitterPane(this, m_pSplitter);
    UpdateScrollbars(TRUE, FALSE);
}

void CGXGridView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    if (bActivate != m_bActiveView && !GXIsPopupActive())
    {
        m_bActiveView = bActivate;
        OnGridActivateView(bActivate, pActivateView, pDeactiveView);
    }
    CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CGXGridView::OnDraw(CDC* pDC)
{
    if (!m_bInitDone)
        AfxThrowNotSupportedException();
    OnGridDraw(pDC);
}

void CGXGridView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    OnGridPrepareDC(pDC, pInfo);
}

void CGXGridView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    OnGridUpdate(pSender, lHint, pHint);
}

BOOL CGXGridView::OnPreparePrinting(CPrintInfo* pInfo)
{
    pInfo->SetMaxPage(65535);
    pInfo->m_pPD->m_pd.Flags &= ~PD_NOSELECTION;
    pInfo->m_pPD->m_pd.hInstance = AfxGetInstanceHandle();
    return DoPrepareGridPrinting(pInfo);
}

void CGXGridView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    OnGridBeginPrinting(pDC, pInfo);
}

void CGXGridView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    OnGridPrint(pDC, pInfo);
}

void CGXGridView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    OnGridEndPrinting(pDC, pInfo);
}

CScrollBar* CGXGridView::GetScrollBarCtrl(int nBar) const
{
    CScrollBar* pBar = CGXGridCore::GetScrollBarCtrl(nBar);
    return pBar != NULL ? pBar : CGXView::GetScrollBarCtrl(nBar);
}

BOOL CGXGridView::PreTranslateMessage(MSG* pMsg)
{
    return OnGridPreTranslateMessage(pMsg) || CGXView::PreTranslateMessage(pMsg);
}

BOOL CGXGridView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    return OnGridCommand(wParam, lParam) || CGXView::OnCommand(wParam, lParam);
}

LRESULT CGXGridView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{

    if (message == WM_KILLFOCUS)
    {
        // The view marks itself while the engine loses the focus.
        BOOL bOld = m_bLockedKillFocus;
        m_bLockedKillFocus = TRUE;
        LRESULT l = DispatchGridMessage(message, wParam, lParam,
                                        [&]() { return CGXView::WindowProc(message, wParam, lParam); });
        m_bLockedKillFocus = bOld;
        return l;
    }
    return DispatchGridMessage(message, wParam, lParam,
                               [&]() { return CGXView::WindowProc(message, wParam, lParam); });
}

void CGXGridView::OnEditUndo()
{
    Undo();
}

void CGXGridView::OnEditRedo()
{
    Redo();
}

void CGXGridView::OnUpdateUndoItem(CCmdUI* pCmdUI)
{
    CGXGridCore::OnUpdateEditUndo(pCmdUI);
}

void CGXGridView::OnUpdateRedoItem(CCmdUI* pCmdUI)
{
    CGXGridCore::OnUpdateEditRedo(pCmdUI);
}

void CGXGridView::OnEditFind()
{
    ShowFindDialog(TRUE);
}

void CGXGridView::OnEditReplace()
{
    ShowFindDialog(FALSE);
}

void CGXGridView::OnEditRepeat()
{
    if (!SearchNext(TRUE))
        ::MessageBeep(0);
}
