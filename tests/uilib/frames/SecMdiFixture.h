// The MDI tests' main frame with one SECMultiDocTemplate: a document, a view and helpers that
// find frames, press caption buttons and read filter states.
#pragma once
#include "DragInput.h"
#include "FramesTestIds.h"
#include "TestSupport.h"
#include "afxwin.h"
#include "uilib/frames/docking/DockableFrame.h"
#include "uilib/frames/mdi/MDIChildWnd.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"
#include "uilib/frames/mdi/MultiDocTemplate.h"

class CSecTestDoc : public CDocument
{
    DECLARE_DYNCREATE(CSecTestDoc)
};

class CSecTestView : public CView
{
    DECLARE_DYNCREATE(CSecTestView)

  public:
    void OnDraw(CDC*) override
    {
    }
};

class CSecTestMainFrame : public SECMDIFrameWnd
{
    DECLARE_DYNCREATE(CSecTestMainFrame)
};

// The template of the tests, added to the application once.
SECMultiDocTemplate* SecTestTemplate();

struct CSecMdiFixture
{
    CSecTestMainFrame* m_pFrame = NULL;

    CSecMdiFixture();
    ~CSecMdiFixture();

    // A new document in an MDI child (or docked), its first view's frame.
    CDocument* OpenDocument(BOOL bDocked = FALSE);
    static CView* ViewOf(CDocument* pDoc);
    static CFrameWnd* FrameOf(CDocument* pDoc);
    // The extra caption button of a frame (filter 258), its rectangle on the screen.
    static CRect ButtonRectOnScreen(CFrameWnd* pFrame);
    // Sends the extended command the way the program's producers do.
    static LRESULT SendCommand(CFrameWnd* pFrame, UINT nCommand, int nTarget, DWORD dwFlags = 0, int x = 0,
                               int y = 0, int cx = 0, int cy = 0);
    void Layout();
};
