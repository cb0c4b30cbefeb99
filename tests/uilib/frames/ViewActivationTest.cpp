// The library MDI frame's activation and command routing: activating the frame tells its view
// once, a view that takes the foreground while being told gives it back, and the active child
// frame sees a menu command before the main frame.
#include "SecMdiFixture.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
int s_nActivated = 0;     // OnActivateView(TRUE) calls
HWND s_hWndSteal = NULL;  // taken to the foreground by the next activated view
std::vector<UINT> s_seen; // commands the child frame saw in OnCommand

class CCountingView : public CView
{
    DECLARE_DYNCREATE(CCountingView)

  protected:
    void OnDraw(CDC*) override
    {
    }
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override
    {
        CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
        if (!bActivate)
            return;
        s_nActivated++;
        if (s_hWndSteal != NULL)
        {
            const HWND hWnd = s_hWndSteal;
            s_hWndSteal = NULL;
            ::SetForegroundWindow(hWnd);
        }
    }
};
IMPLEMENT_DYNCREATE(CCountingView, CView)

class CRecordingChild : public SECMDIChildWnd
{
    DECLARE_DYNCREATE(CRecordingChild)

  protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        s_seen.push_back(LOWORD(wParam));
        return SECMDIChildWnd::OnCommand(wParam, lParam);
    }
};
IMPLEMENT_DYNCREATE(CRecordingChild, SECMDIChildWnd)

SECMultiDocTemplate* ActivationTemplate()
{
    static SECMultiDocTemplate* pTemplate = [] {
        SECMultiDocTemplate* p =
            new SECMultiDocTemplate(IDR_FS_DOC, RUNTIME_CLASS(CSecTestDoc), RUNTIME_CLASS(CRecordingChild),
                                    RUNTIME_CLASS(CCountingView));
        p->LoadTemplate();
        return p;
    }();
    return pTemplate;
}

struct ViewActivationTest : public ::testing::Test, public CSecMdiFixture
{
    void SetUp() override
    {
        m_pDoc = ActivationTemplate()->OpenDocumentFile(NULL);
        ASSERT_TRUE(m_pDoc != NULL);
        PumpMessages(50);
        ASSERT_TRUE(m_other.CreateEx(0, AfxRegisterWndClass(0), _T("Anderes"),
                                     WS_POPUP | WS_VISIBLE | WS_CAPTION, CRect(700, 600, 900, 700), NULL, 0));
    }
    void TearDown() override
    {
        s_hWndSteal = NULL;
        ActivationTemplate()->CloseAllDocuments(FALSE);
        m_other.DestroyWindow();
        PumpMessages(20);
    }
    // The frame activated from another window, as a user's click would.
    void ActivateFrame()
    {
        m_other.SetForegroundWindow();
        PumpMessages(50);
        s_nActivated = 0;
        m_pFrame->SetForegroundWindow();
        PumpMessages(80);
    }
    CDocument* m_pDoc = NULL;
    CWnd m_other;
};

TEST_F(ViewActivationTest, ActivatingTheFrameTellsItsViewOnce)
{
    ActivateFrame();
    EXPECT_EQ(m_pFrame->m_hWnd, ::GetForegroundWindow());
    EXPECT_EQ(1, s_nActivated);
}

TEST_F(ViewActivationTest, AViewTakingTheForegroundGivesItBack)
{
    // A third window the view brings forward while it is told.
    CWnd thief;
    ASSERT_TRUE(thief.CreateEx(0, AfxRegisterWndClass(0), _T("Dieb"), WS_POPUP | WS_VISIBLE | WS_CAPTION,
                               CRect(650, 50, 850, 150), NULL, 0));
    m_other.SetForegroundWindow();
    PumpMessages(50);
    s_hWndSteal = thief.m_hWnd;
    m_pFrame->SetForegroundWindow();
    PumpMessages(100);
    EXPECT_EQ(NULL, s_hWndSteal) << "the view was told";
    EXPECT_EQ(m_pFrame->m_hWnd, ::GetForegroundWindow());
    thief.DestroyWindow();
}

TEST_F(ViewActivationTest, TheActiveChildFrameSeesAMenuCommandFirst)
{
    s_seen.clear();
    const UINT nCommand = 32199; // nobody's command
    m_pFrame->SendMessage(WM_COMMAND, nCommand, 0);
    EXPECT_EQ(std::vector<UINT>{nCommand}, s_seen);
}
} // namespace
