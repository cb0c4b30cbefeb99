// The grid view in a frame: its initial update, scroll-bar modes, shared bars of a container,
// painting through the view and forwarded commands.
#include "GridTestApp.h"
#include "grid/core/GridView.h"
#include "CreateContext.h"
#include "Document.h"
#include "FrameWnd.h"
#include "FrameworkIds.h"
#include "ScrollBar.h"
#include "SplitterWnd.h"
#include "TestSupport.h"
#include <gtest/gtest.h>

namespace
{
// A frame holding one grid view of a plain document.
struct ViewFrame
{
    CFrameWnd* pFrame = new CFrameWnd;
    CDocument* pDoc = new CDocument;
    CGXGridView* pView = NULL;
    ViewFrame()
    {
        EnsureGridLibrary();
        pDoc->m_bAutoDelete = FALSE; // the test deletes it
        pFrame->Create(NULL, _T("Gitteransicht"), WS_OVERLAPPEDWINDOW, CRect(30, 30, 430, 330));
        CCreateContext ctx;
        ctx.m_pNewViewClass = RUNTIME_CLASS(CGXGridView);
        ctx.m_pCurrentDoc = pDoc;
        pView = (CGXGridView*)pFrame->CreateView(&ctx);
    }
    void Show()
    {
        pFrame->InitialUpdateFrame(pDoc, TRUE);
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
    }
    ~ViewFrame()
    {
        pFrame->DestroyWindow(); // the view and the frame delete themselves
        delete pDoc;
    }
};
} // namespace

TEST(GridView, InitialUpdateInAFrame)
{
    ViewFrame f;
    f.Show();
    CGXGridView& v = *f.pView;
    EXPECT_TRUE(v.IsInitialized());
    EXPECT_EQ(f.pDoc, v.m_pGridDoc);
    EXPECT_TRUE(v.m_bIsViewContext);
    EXPECT_EQ((DWORD)(gxnAutomatic | gxnEnhanced), v.GetScrollBarMode(SB_VERT));
    EXPECT_EQ((DWORD)(gxnAutomatic | gxnEnhanced), v.GetScrollBarMode(SB_HORZ));
    v.SetRowCount(200, GX_NOREDRAW);
    v.SetColCount(3, GX_NOREDRAW);
    v.Invalidate();
    v.UpdateWindow(); // the paint shows the needed bar and paints again
    v.UpdateWindow();
    EXPECT_TRUE(v.GetStyle() & WS_VSCROLL);
    EXPECT_FALSE(v.GetStyle() & WS_HSCROLL);
    Pixels px = CaptureClient(&v);
    CRect c = v.CalcCellRect(0, 1);
    EXPECT_EQ(ToRGB(::GetSysColor(COLOR_BTNFACE)), px.At(c.left + 2, c.top + 2));
    // A view with its own bar gets no shared one.
    EXPECT_EQ(nullptr, v.GetScrollBarCtrl(SB_VERT));
    // Without a find component the repeat command beeps and changes nothing.
    v.SendMessage(WM_COMMAND, ID_EDIT_REPEAT, 0);
    EXPECT_TRUE(v.IsInitialized());
}

TEST(GridView, ContainerSharesItsBars)
{
    ViewFrame f;
    // The frame acts as a container with the shared bars 59920 and 59904.
    CScrollBar vert, horz;
    vert.Create(WS_CHILD | SBS_VERT, CRect(0, 0, 16, 100), f.pFrame, 59920);
    horz.Create(WS_CHILD | SBS_HORZ, CRect(0, 0, 100, 16), f.pFrame, 59904);
    CGXAppData* pApp = GXGetAppData();
    pApp->RegisterContainerClass(RUNTIME_CLASS(CFrameWnd));
    pApp->RegisterContainerClass(RUNTIME_CLASS(CFrameWnd)); // once
    EXPECT_EQ(1, (int)pApp->m_containerClasses.GetCount());
    f.Show();
    CGXGridView& v = *f.pView;
    EXPECT_EQ((DWORD)(gxnShared | gxnEnhanced), v.GetScrollBarMode(SB_VERT));
    EXPECT_EQ(&vert, v.GetScrollBarCtrl(SB_VERT));
    EXPECT_EQ(&horz, v.GetScrollBarCtrl(SB_HORZ));
    EXPECT_EQ(f.pFrame, v.GetContainerWnd());
    pApp->m_containerClasses.RemoveAll();
    EXPECT_EQ(nullptr, v.GetContainerWnd());
}

namespace
{
// Panes of one document share its parameter object, as an application's grid views do.
CGXGridParam* s_pSharedParam = NULL;
class CSharedGridView : public CGXGridView
{
    DECLARE_DYNCREATE(CSharedGridView)

  public:
    void OnInitialUpdate() override
    {
        AttachParamObject(s_pSharedParam, FALSE);
        CGXGridView::OnInitialUpdate();
    }
};
IMPLEMENT_DYNCREATE(CSharedGridView, CGXGridView)
} // namespace

TEST(GridView, SplitPaneStartsAtFirstPaneRow)
{
    CGXGridParam param;
    s_pSharedParam = &param;
    EnsureGridLibrary();
    CFrameWnd* pFrame = new CFrameWnd;
    CDocument doc;
    doc.m_bAutoDelete = FALSE;
    pFrame->Create(NULL, _T("Geteilt"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(30, 30, 430, 430));
    CSplitterWnd* pSplitter = new CSplitterWnd;
    CCreateContext ctx;
    ctx.m_pNewViewClass = RUNTIME_CLASS(CSharedGridView);
    ctx.m_pCurrentDoc = &doc;
    ASSERT_TRUE(pSplitter->Create(pFrame, 2, 1, CSize(10, 10), &ctx));
    pFrame->InitialUpdateFrame(&doc, TRUE);
    CGXGridView* pFirst = (CGXGridView*)pSplitter->GetPane(0, 0);
    ASSERT_TRUE(pFirst->IsKindOf(RUNTIME_CLASS(CGXGridView)));
    EXPECT_EQ(pSplitter, pFirst->m_pSplitter);
    EXPECT_EQ((DWORD)(gxnShared | gxnEnhanced), pFirst->GetScrollBarMode(SB_VERT));
    EXPECT_NE(nullptr, pFirst->GetScrollBarCtrl(SB_VERT)); // the splitter's bar
    pFirst->SetRowCount(300, GX_NOREDRAW);
    pFirst->SetColCount(3, GX_NOREDRAW);
    pFirst->SetTopRow(50, GX_NOREDRAW);
    ASSERT_TRUE(pSplitter->SplitRow(150));
    CGXGridView* pSecond = (CGXGridView*)pSplitter->GetPane(1, 0);
    ASSERT_NE(nullptr, pSecond);
    ASSERT_TRUE(pSecond->IsKindOf(RUNTIME_CLASS(CGXGridView)));
    EXPECT_TRUE(pSecond->IsInitialized());
    EXPECT_EQ(50u, pSecond->GetTopRow());
    EXPECT_FALSE(pSecond->m_bFirstPaneRow);
    EXPECT_EQ(pFirst->GetParam(), pSecond->GetParam());
    EXPECT_NE(nullptr, pSecond->GetScrollBarCtrl(SB_VERT));
    pFrame->DestroyWindow();
    s_pSharedParam = NULL;
}
