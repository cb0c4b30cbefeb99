// The MDI tests' main frame and template.
#include "SecMdiFixture.h"
#include "uilib/frames/mdi/CaptionControlMsgFilter.h"
#include "uilib/frames/mdi/SysCommandEx.h"

using namespace testing_support;

IMPLEMENT_DYNCREATE(CSecTestDoc, CDocument)
IMPLEMENT_DYNCREATE(CSecTestView, CView)
IMPLEMENT_DYNCREATE(CSecTestMainFrame, SECMDIFrameWnd)

SECMultiDocTemplate* SecTestTemplate()
{
    static SECMultiDocTemplate* pTemplate = [] {
        SECMultiDocTemplate* p = new SECMultiDocTemplate(IDR_SECDOC_TYPE, RUNTIME_CLASS(CSecTestDoc), NULL,
                                                         RUNTIME_CLASS(CSecTestView));
        AfxGetApp()->AddDocTemplate(p);
        return p;
    }();
    return pTemplate;
}

CSecMdiFixture::CSecMdiFixture()
{
    SecTestTemplate();
    m_pFrame = new CSecTestMainFrame;
    m_pFrame->Create(NULL, _T("MDI"), WS_OVERLAPPEDWINDOW | WS_VISIBLE | FWS_ADDTOTITLE,
                     CRect(60, 60, 760, 620));
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    AfxGetApp()->m_pMainWnd = m_pFrame;
    m_pFrame->SetForegroundWindow();
    Layout();
}

CSecMdiFixture::~CSecMdiFixture()
{
    SecTestTemplate()->CloseAllDocuments(FALSE);
    PumpMessages(20);
    AfxGetApp()->m_pMainWnd = NULL;
    m_pFrame->DestroyWindow();
    PumpMessages(20);
}

void CSecMdiFixture::Layout()
{
    m_pFrame->RecalcLayout();
    PumpMessages(30);
}

CDocument* CSecMdiFixture::OpenDocument(BOOL bDocked)
{
    CDocument* pDoc = SecTestTemplate()->OpenDocumentFileEx(NULL, TRUE, bDocked, 0);
    Layout();
    return pDoc;
}

CView* CSecMdiFixture::ViewOf(CDocument* pDoc)
{
    POSITION pos = pDoc != NULL ? pDoc->GetFirstViewPosition() : NULL;
    return pos != NULL ? pDoc->GetNextView(pos) : NULL;
}

CFrameWnd* CSecMdiFixture::FrameOf(CDocument* pDoc)
{
    CView* pView = ViewOf(pDoc);
    return pView != NULL ? pView->GetParentFrame() : NULL;
}

CRect CSecMdiFixture::ButtonRectOnScreen(CFrameWnd* pFrame)
{
    SECMsgFilter* pRoot = NULL;
    if (SECMDIChildWnd* pChild = DYNAMIC_DOWNCAST(SECMDIChildWnd, pFrame))
        pRoot = pChild->GetMsgFilter();
    else if (SECDockableFrame* pDockable = DYNAMIC_DOWNCAST(SECDockableFrame, pFrame))
        pRoot = pDockable->GetMsgFilter();
    SECCaptionControlMsgFilter* pButton =
        pRoot != NULL ? DYNAMIC_DOWNCAST(SECCaptionControlMsgFilter, pRoot->FindOrCreateFilter(258, NULL, -1))
                      : NULL;
    if (pButton == NULL)
        return CRect(0, 0, 0, 0);
    // The list lays its buttons out when it sees a message.
    pFrame->SendMessage(WM_NCPAINT, 1);
    CRect rect = pButton->GetButtonRect();
    CRect rectWindow;
    pFrame->GetWindowRect(&rectWindow);
    rect.OffsetRect(rectWindow.TopLeft());
    return rect;
}

LRESULT CSecMdiFixture::SendCommand(CFrameWnd* pFrame, UINT nCommand, int nTarget, DWORD dwFlags, int x,
                                    int y, int cx, int cy)
{
    nsSysCommandEx::ScxCommandRecord record = {};
    record.hWnd = pFrame->GetSafeHwnd();
    record.nTarget = nTarget;
    record.dwFlags = dwFlags;
    record.x = x;
    record.y = y;
    record.cx = cx;
    record.cy = cy;
    return nsSysCommandEx::SendCommand(record.hWnd, nCommand, &record);
}
