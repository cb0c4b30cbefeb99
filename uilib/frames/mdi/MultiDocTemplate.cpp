// SECMultiDocTemplate: MDI children and docked document frames, and moving views between them.
#include "uilib/frames/mdi/MultiDocTemplate.h"
#include "mfc/OleClientItem.h"
#include "mfc/OleDocument.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/frames/docking/DockableFrame.h"
#include "uilib/frames/docking/FrameBar.h"
#include "uilib/frames/mdi/MDIChildWnd.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"

IMPLEMENT_DYNAMIC(SECMultiDocTemplate, CMultiDocTemplate)

BOOL SECMultiDocTemplate::s_bRemoveFrameClientEdge = FALSE;

namespace
{
// Style of the bar that hosts a docked frame, by dock bar.
DWORD BarStyleForEdge(UINT nDockBarID)
{
    return SECDockPlacement::AlignmentOf(nDockBarID) | WS_CHILD | WS_VISIBLE | CBRS_SIZE_DYNAMIC;
}

const DWORD kDockableFrameStyle = WS_CHILD | WS_CAPTION | WS_SYSMENU | FWS_ADDTOTITLE;
const DWORD kFrameBarExStyle = BAR_EX_FILL_CHILD;
const UINT kFirstFrameBarID = 256;

SECMDIFrameWnd* MainFrame()
{
    return DYNAMIC_DOWNCAST(SECMDIFrameWnd, AfxGetMainWnd());
}

// Sets a value for the life of the object.
template <class T> class CTemporaryValue
{
  public:
    CTemporaryValue(T& ref, T value) : m_ref(ref), m_old(ref)
    {
        m_ref = value;
    }
    ~CTemporaryValue()
    {
        m_ref = m_old;
    }
    CTemporaryValue(const CTemporaryValue&) = delete;
    CTemporaryValue& operator=(const CTemporaryValue&) = delete;

  private:
    T& m_ref;
    T m_old;
};
} // namespace

SECMultiDocTemplate::SECMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                         CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass,
                                         UINT nIDDockableResource, CRuntimeClass* pDockableFrameClass,
                                         CRuntimeClass* pFrameBarClass, DWORD dwCaptionStyle)
    : CMultiDocTemplate(nIDResource, pDocClass,
                        pFrameClass != NULL ? pFrameClass : RUNTIME_CLASS(SECMDIChildWnd), pViewClass),
      m_pDockableFrameClass(pDockableFrameClass != NULL ? pDockableFrameClass
                                                        : RUNTIME_CLASS(SECDockableFrame)),
      m_pFrameBarClass(pFrameBarClass != NULL ? pFrameBarClass : RUNTIME_CLASS(SECFrameBar)),
      m_bOpenDocked(FALSE),
      m_nIDDockableResource(nIDDockableResource != 0 ? nIDDockableResource : nIDResource),
      m_pPendingOleItem(NULL),
      m_dwMDICaptionStyle(dwCaptionStyle == (DWORD)-1 ? (DWORD)captionDefault : dwCaptionStyle),
      m_dwDockableCaptionStyle(dwCaptionStyle == (DWORD)-1 ? (DWORD)captionDefault : dwCaptionStyle),
      m_nRequestedID(0), m_bKeepHiddenFrames(FALSE), m_hMenuDockable(NULL), m_hAccelDockable(NULL)
{
}

SECMultiDocTemplate::~SECMultiDocTemplate()
{
    if (m_hMenuDockable != NULL)
        ::DestroyMenu(m_hMenuDockable);
    POSITION pos = m_listKeptFrames.GetHeadPosition();
    while (pos != NULL)
    {
        HWND hWnd = m_listKeptFrames.GetNext(pos);
        if (::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
    }
    m_listKeptFrames.RemoveAll();
}

void SECMultiDocTemplate::LoadTemplate()
{
    CMultiDocTemplate::LoadTemplate();
    if (m_nIDDockableResource != 0 && m_hMenuDockable == NULL)
    {
        HINSTANCE hInst = AfxGetResourceHandle();
        m_hMenuDockable = ::LoadMenu(hInst, MAKEINTRESOURCE(m_nIDDockableResource));
        m_hAccelDockable = ::LoadAccelerators(hInst, MAKEINTRESOURCE(m_nIDDockableResource));
    }
}

CFrameWnd* SECMultiDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    return CreateNewFrameEx(pDoc, pOther, m_bOpenDocked, m_nRequestedID);
}

CFrameWnd* SECMultiDocTemplate::CreateNewFrameEx(CDocument* pDoc, CFrameWnd* pOther, BOOL bDocked,
                                                 UINT nDockBarID)
{
    m_bOpenDocked = bDocked;
    if (SECDockPlacement::IsStandardDockBarID(m_nRequestedID))
        m_nRequestedID = 0; // an edge, not a bar id
    CFrameWnd* pFrame = NULL;
    if (bDocked)
    {
        UINT nEdge = 0;
        SECDockBarPosition pos = {0, 0, 0};
        SECDockSizeRecord size = SECDockPlacement::DefaultSize();
        SECMDIFrameWnd* pMain = MainFrame();
        if (pMain != NULL)
            pMain->GetNextDockPosition(&nEdge, &pos, &size);
        if (SECDockPlacement::IsStandardDockBarID(nDockBarID))
            nEdge = nDockBarID;
        pFrame = CreateDockedFrame(pDoc, pOther, nEdge, &pos, &size);
    }
    else
    {
        pFrame = CDocTemplate::CreateNewFrame(pDoc, pOther);
        if (pFrame != NULL)
            ApplyCaptionStyle(pFrame, m_dwMDICaptionStyle);
    }
    m_bOpenDocked = FALSE;
    m_nRequestedID = 0;
    return pFrame;
}

CDocument* SECMultiDocTemplate::OpenDocumentFileEx(LPCTSTR lpszPathName, BOOL bMakeVisible, BOOL bDocked,
                                                   UINT nID)
{
    m_bOpenDocked = bDocked;
    if (bDocked)
        m_nRequestedID = nID;
    CDocument* pDoc = CMultiDocTemplate::OpenDocumentFile(lpszPathName, bMakeVisible);
    if (pDoc != NULL && bDocked)
    {
        POSITION pos = pDoc->GetFirstViewPosition();
        CView* pView = pos != NULL ? pDoc->GetNextView(pos) : NULL;
        if (pView != NULL)
            ActivateNewFrame(pView->GetParentFrame());
    }
    m_bOpenDocked = FALSE;
    m_nRequestedID = 0;
    return pDoc;
}

CFrameWnd* SECMultiDocTemplate::CreateDockedFrame(CDocument* pDoc, CFrameWnd* pOther, UINT nDockBarID,
                                                  const SECDockBarPosition* pPos,
                                                  const SECDockSizeRecord* pSize)
{
    SECMDIFrameWnd* pMain = MainFrame();
    if (pMain == NULL)
        return NULL;
    CTemporaryValue<UINT> resource(m_nIDResource, m_nIDDockableResource);
    CCreateContext context;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pCurrentDoc = pDoc;
    context.m_pCurrentFrame = pOther;
    context.m_pNewDocTemplate = this;

    CRuntimeClass* pBarClass = m_pFrameBarClass != NULL ? m_pFrameBarClass : RUNTIME_CLASS(SECControlBar);
    SECControlBar* pBar = DYNAMIC_DOWNCAST(SECControlBar, pBarClass->CreateObject());
    if (pBar == NULL)
        return NULL;
    pBar->m_bAutoDelete = TRUE;

    UINT nEdge = nDockBarID;
    SECDockBarPosition pos = pPos != NULL ? *pPos : SECDockBarPosition{0, 0, 0};
    SECDockSizeRecord size = pSize != NULL ? *pSize : SECDockPlacement::DefaultSize();
    if (nEdge == 0 || pPos == NULL || pSize == NULL)
    {
        UINT nNextEdge = 0;
        SECDockBarPosition nextPos = {0, 0, 0};
        SECDockSizeRecord nextSize = SECDockPlacement::DefaultSize();
        pMain->GetNextDockPosition(&nNextEdge, &nextPos, &nextSize);
        if (nEdge == 0)
            nEdge = nNextEdge;
        if (pPos == NULL)
            pos = nextPos;
        if (pSize == NULL)
            size = nextSize;
    }

    UINT nBarID = m_nRequestedID;
    if (nBarID < 1 || !SECControlBar::IsBarIDUnused(pMain, nBarID))
        nBarID = SECControlBar::FindUnusedBarID(pMain, kFirstFrameBarID);
    m_nRequestedID = 0;
    CString strTitle = pDoc != NULL ? pDoc->GetTitle() : CString();
    if (!pBar->Create(pMain, strTitle, BarStyleForEdge(nEdge), kFrameBarExStyle, nBarID))
    {
        delete pBar;
        return NULL;
    }
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    pMain->DockControlBarEx(pBar, pos, nEdge, size);

    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, m_pDockableFrameClass->CreateObject());
    if (pFrame == NULL || !pFrame->LoadFrame(m_nIDResource, kDockableFrameStyle, pBar, &context))
    {
        // No frame: the empty bar goes too (it deletes itself).
        if (pFrame != NULL && pFrame->m_hWnd == NULL)
            delete pFrame;
        pBar->DestroyWindow();
        pMain->RecalcLayout();
        return NULL;
    }
    ApplyCaptionStyle(pFrame, m_dwDockableCaptionStyle);
    // Laid out now, so the frame has its place before it is activated; the bar sizes it.
    pMain->RecalcLayout();
    CRect rect;
    pBar->GetClientRect(&rect);
    pFrame->SetWindowPos(NULL, 0, 0, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    for (CWnd* pChild = pMain->GetWindow(GW_CHILD); pChild != NULL; pChild = pChild->GetWindow(GW_HWNDNEXT))
    {
        SECDockBar* pDockBar = DYNAMIC_DOWNCAST(SECDockBar, CWnd::FromHandlePermanent(pChild->m_hWnd));
        if (pDockBar != NULL)
            pDockBar->RedrawDockBar();
    }
    return pFrame;
}

BOOL SECMultiDocTemplate::IsDockableFrame(CWnd* pWnd)
{
    return pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(SECDockableFrame));
}

int SECMultiDocTemplate::GetDockingState(CFrameWnd* pFrame)
{
    if (!IsDockableFrame(pFrame) || pFrame->GetParent() == NULL)
        return stateNone;
    // The dock bar the hosting bar lies in.
    static const struct
    {
        UINT nDockBarID;
        int nState;
    } kStates[] = {{AFX_IDW_DOCKBAR_TOP, stateTop},
                   {AFX_IDW_DOCKBAR_LEFT, stateLeft},
                   {AFX_IDW_DOCKBAR_RIGHT, stateRight},
                   {AFX_IDW_DOCKBAR_BOTTOM, stateBottom}};
    CWnd* pDockBar = pFrame->GetParent()->GetParent();
    const UINT nID = pDockBar != NULL ? (UINT)pDockBar->GetDlgCtrlID() : 0;
    for (const auto& state : kStates)
    {
        if (state.nDockBarID == nID)
            return state.nState;
    }
    return ((SECDockableFrame*)pFrame)->IsInFloatingBar() ? stateFloating : stateNone;
}

CFrameWnd* SECMultiDocTemplate::ToggleDocking(CFrameWnd* pFrame)
{
    return IsDockableFrame(pFrame) ? FloatFrameAsMDIChild(pFrame) : DockFrame(pFrame);
}

CFrameWnd* SECMultiDocTemplate::DockFrame(CFrameWnd* pFrame)
{
    return DockFrameEx(pFrame, 0, NULL, NULL);
}

CFrameWnd* SECMultiDocTemplate::DockFrameEx(CFrameWnd* pFrame, UINT nDockBarID,
                                            const SECDockBarPosition* pPos, const SECDockSizeRecord* pSize)
{
    if (pFrame == NULL || IsDockableFrame(pFrame))
        return NULL;
    return ConvertFrame(pFrame, TRUE, nDockBarID, pPos, pSize);
}

CFrameWnd* SECMultiDocTemplate::FloatFrameAsMDIChild(CFrameWnd* pFrame)
{
    if (!IsDockableFrame(pFrame))
        return NULL;
    CFrameWnd* pNew = ConvertFrame(pFrame, FALSE, 0, NULL, NULL);
    if (pNew != NULL)
    {
        CRect rect;
        pNew->GetClientRect(&rect);
        pNew->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rect.Width(), rect.Height()));
    }
    return pNew;
}

CFrameWnd* SECMultiDocTemplate::ConvertFrame(CFrameWnd* pFrame, BOOL bToDocked, UINT nDockBarID,
                                             const SECDockBarPosition* pPos, const SECDockSizeRecord* pSize)
{
    CDocument* pDoc = pFrame->GetActiveDocument();
    CView* pView = pFrame->GetActiveView();
    CFrameWnd* pNew = NULL;
    {
        // The new frame gets no view of its own: the old frame's views move over.
        CTemporaryValue<CRuntimeClass*> viewClass(m_pViewClass, NULL);
        if (bToDocked)
        {
            SECDockBarPosition pos = SECDockPlacement::DefaultPosition(nDockBarID);
            SECDockSizeRecord size = SECDockPlacement::DefaultSize();
            SECMDIFrameWnd* pMain = MainFrame();
            if (nDockBarID == 0 && pMain != NULL)
                pMain->GetNextDockPosition(&nDockBarID, &pos, &size);
            if (pPos != NULL)
                pos = *pPos;
            if (pSize != NULL)
                size = *pSize;
            pNew = CreateDockedFrame(pDoc, NULL, nDockBarID, &pos, &size);
        }
        else
            pNew = CreateNewFrame(pDoc, NULL);
    }
    // Without a new frame nothing moves: the document keeps its window.
    if (pNew == NULL)
        return NULL;
    ISECVwDockFeedBack* pFeedback = GetDockFeedback(pView);
    if (pFeedback != NULL)
    {
        if (bToDocked)
            pFeedback->OnBeforeDock(pFrame, pNew);
        else
            pFeedback->OnBeforeFloat(pFrame, pNew);
    }
    else if (pView != NULL)
    {
        COleDocument* pOleDoc = DYNAMIC_DOWNCAST(COleDocument, pDoc);
        COleClientItem* pItem = pOleDoc != NULL ? pOleDoc->GetInPlaceActiveItem(pView) : NULL;
        if (pItem != NULL)
        {
            pItem->Deactivate();
            m_pPendingOleItem = pItem;
        }
    }
    MoveViews(pFrame, pNew);
    // The old frame must not take the document with it.
    pFrame->SetActiveView(NULL, FALSE);
    DestroyOldFrame(pFrame);
    if (pNew->GetActiveView() == NULL)
    {
        for (CWnd* pChild = pNew->GetWindow(GW_CHILD); pChild != NULL;
             pChild = pChild->GetWindow(GW_HWNDNEXT))
        {
            CView* pChildView = DYNAMIC_DOWNCAST(CView, CWnd::FromHandlePermanent(pChild->m_hWnd));
            if (pChildView != NULL)
            {
                pNew->SetActiveView(pChildView, FALSE);
                break;
            }
        }
    }
    pNew->RecalcLayout();
    ActivateNewFrame(pNew);
    if (pFeedback != NULL)
    {
        if (bToDocked)
            pFeedback->OnAfterDock(pNew);
        else
            pFeedback->OnAfterFloat(pNew);
    }
    else if (m_pPendingOleItem != NULL)
    {
        m_pPendingOleItem->Activate(OLEIVERB_SHOW, pView);
        m_pPendingOleItem = NULL;
    }
    return pNew;
}

void SECMultiDocTemplate::MoveViews(CWnd* pFrom, CWnd* pTo)
{
    // Collect first: re-parenting changes the child list being walked.
    CArray<HWND, HWND> children;
    for (HWND hChild = ::GetWindow(pFrom->m_hWnd, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        children.Add(hChild);
    BOOL bViewWithEdge = FALSE;
    for (int i = 0; i < children.GetSize(); ++i)
    {
        ::SetParent(children[i], pTo->m_hWnd);
        if ((::GetWindowLong(children[i], GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0 &&
            DYNAMIC_DOWNCAST(CView, CWnd::FromHandlePermanent(children[i])) != NULL)
            bViewWithEdge = TRUE;
    }
    if (s_bRemoveFrameClientEdge && bViewWithEdge)
        pTo->ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
}

BOOL SECMultiDocTemplate::ActivateNewFrame(CFrameWnd* pFrame)
{
    if (pFrame == NULL)
        return FALSE;
    pFrame->SendMessage(WM_ACTIVATE, WA_ACTIVE);
    int nCmdShow = -1;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->m_pMainWnd == pFrame)
    {
        nCmdShow = pApp->m_nCmdShow;
        pApp->m_nCmdShow = -1;
    }
    pFrame->ActivateFrame(nCmdShow);
    pFrame->OnUpdateFrameTitle(TRUE);
    return TRUE;
}

void SECMultiDocTemplate::ApplyCaptionStyle(CFrameWnd* pFrame, DWORD dwStyle)
{
    if (SECDockableFrame* pDockable = DYNAMIC_DOWNCAST(SECDockableFrame, pFrame))
        pDockable->SetCaptionStyle(dwStyle);
    else if (SECMDIChildWnd* pChild = DYNAMIC_DOWNCAST(SECMDIChildWnd, pFrame))
        pChild->SetCaptionStyle(dwStyle);
}

void SECMultiDocTemplate::ModifyCaptionStyle(DWORD dwRemove, DWORD dwAdd, BOOL bApply)
{
    m_dwMDICaptionStyle = (m_dwMDICaptionStyle & ~dwRemove) | dwAdd;
    m_dwDockableCaptionStyle = (m_dwDockableCaptionStyle & ~dwRemove) | dwAdd;
    if ((dwRemove != 0 || dwAdd != 0) && bApply)
        ReapplyCaptionStyles();
}

void SECMultiDocTemplate::EnableCaptionButtons(BOOL bEnable, BOOL bApply)
{
    if (bEnable && !HasCaptionButtons())
        ModifyCaptionStyle(captionNoButtons, captionSysCommandEx, bApply);
    else if (!bEnable && HasCaptionButtons())
        ModifyCaptionStyle(0, captionNoButtons, bApply);
}

void SECMultiDocTemplate::EnableCaptionRDblClk(BOOL bEnable, BOOL bApply)
{
    if (bEnable)
        ModifyCaptionStyle(captionNoRDblClk, captionSysCommandEx | captionNoContextMenu, bApply);
    else
        ModifyCaptionStyle(0, captionNoRDblClk, bApply);
}

void SECMultiDocTemplate::EnableCaptionContextMenu(BOOL bEnable, BOOL bApply)
{
    if (bEnable)
        ModifyCaptionStyle(captionNoContextMenu, captionSysCommandEx | captionNoRDblClk, bApply);
    else
        ModifyCaptionStyle(0, captionNoContextMenu, bApply);
}

BOOL SECMultiDocTemplate::HasCaptionButtons() const
{
    return !(m_dwMDICaptionStyle & captionNoButtons);
}

BOOL SECMultiDocTemplate::HasCaptionRDblClk() const
{
    return !(m_dwMDICaptionStyle & captionNoRDblClk);
}

BOOL SECMultiDocTemplate::HasCaptionContextMenu() const
{
    return !(m_dwMDICaptionStyle & captionNoContextMenu);
}

void SECMultiDocTemplate::ReapplyCaptionStyles()
{
    BOOL bMaximized = FALSE;
    CFrameWnd* pLast = NULL;
    POSITION posDoc = GetFirstDocPosition();
    while (posDoc != NULL)
    {
        CDocument* pDoc = GetNextDoc(posDoc);
        POSITION posView = pDoc->GetFirstViewPosition();
        while (posView != NULL)
        {
            CFrameWnd* pFrame = pDoc->GetNextView(posView)->GetParentFrame();
            if (pFrame == NULL || pFrame == pLast)
                continue;
            pLast = pFrame;
            ApplyCaptionStyle(pFrame,
                              IsDockableFrame(pFrame) ? m_dwDockableCaptionStyle : m_dwMDICaptionStyle);
            pFrame->SetWindowPos(NULL, 0, 0, 0, 0,
                                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            bMaximized |= pFrame->IsZoomed();
        }
    }
    CWnd* pMain = AfxGetMainWnd();
    if (bMaximized && pMain != NULL)
        pMain->DrawMenuBar();
}

ISECVwDockFeedBack* SECMultiDocTemplate::GetDockFeedback(CView* pView)
{
    return dynamic_cast<ISECVwDockFeedBack*>(pView);
}

void SECMultiDocTemplate::DestroyOldFrame(CFrameWnd* pFrame)
{
    if (m_bKeepHiddenFrames && m_listKeptFrames.Find(pFrame->m_hWnd) != NULL)
    {
        pFrame->ShowWindow(SW_HIDE);
        pFrame->SetActiveView(NULL, FALSE);
        return;
    }
    pFrame->DestroyWindow();
}
