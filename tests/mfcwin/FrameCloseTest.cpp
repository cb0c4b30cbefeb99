// The frame close sequence: the close procedure and the documents may veto; closing the main
// window saves (or asks about) every modified document first; the last frame of a document
// closes the document. Also LoadFrame's steps and the postponed layout flags.
#include "TestApp.h"
#include "TestSupport.h"

using namespace testing_support;

namespace
{
BOOL s_bCloseProcAllows = TRUE;
int s_nCloseProcCalls = 0;

BOOL PASCAL TestCloseProc(CFrameWnd*)
{
    s_nCloseProcCalls++;
    return s_bCloseProcAllows;
}

// Two modified documents of the text template and a stand-in main
// window, so that closing "the application" does not take the test program's frame with it.
class MainClose : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_pRealMain = TheApp().m_pMainWnd;
        for (int i = 0; i < 2; i++)
        {
            CTextDoc* pDoc = (CTextDoc*)TheApp().m_pTextTemplate->OpenDocumentFile(NULL);
            ASSERT_NE(nullptr, pDoc);
            pDoc->SetModifiedFlag(TRUE);
        }
        m_pStandIn = new CPlainFrame; // deletes itself when destroyed
        ASSERT_TRUE(m_pStandIn->Create(NULL, _T("Ersatz")));
        m_hStandIn = m_pStandIn->m_hWnd;
        TheApp().m_pMainWnd = m_pStandIn;
        s_nCloseProcCalls = 0;
    }
    void TearDown() override
    {
        if (::IsWindow(m_hStandIn))
            ::DestroyWindow(m_hStandIn);
        MSG msg;
        while (::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE))
            ; // the stand-in's end asked the loop to quit
        TheApp().m_pMainWnd = m_pRealMain;
        m_pRealMain->ShowWindow(SW_SHOWNORMAL);
        for (CDocument* pDoc : OpenDocuments())
            pDoc->SetModifiedFlag(FALSE);
        TheApp().CloseAllDocuments(FALSE);
    }
    static std::vector<CDocument*> OpenDocuments()
    {
        std::vector<CDocument*> docs;
        POSITION pos = TheApp().m_pTextTemplate->GetFirstDocPosition();
        while (pos != NULL)
            docs.push_back(TheApp().m_pTextTemplate->GetNextDoc(pos));
        return docs;
    }
    CWnd* m_pRealMain = NULL;
    CPlainFrame* m_pStandIn = NULL;
    HWND m_hStandIn = NULL;
};

TEST_F(MainClose, AnswersDecideWhetherTheApplicationCloses)
{
    const struct
    {
        const char* name;
        BOOL bCloseProcAllows;
        std::vector<int> answers; // to the save prompts, in order
        bool bClosed;
    } cases[] = {
        {"cancel at the first prompt", TRUE, {IDCANCEL}, false},
        {"cancel at the second prompt", TRUE, {IDNO, IDCANCEL}, false},
        {"close procedure refuses", FALSE, {}, false},
        {"both discarded", TRUE, {IDNO, IDNO}, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        for (CDocument* pDoc : OpenDocuments())
            pDoc->SetModifiedFlag(TRUE);
        MessageBoxes boxes;
        for (int nAnswer : c.answers)
            boxes.Expect(nAnswer, "Sollen die \xC4nderungen an");
        s_bCloseProcAllows = c.bCloseProcAllows;
        m_pStandIn->m_lpfnCloseProc = TestCloseProc;
        int nCalls = s_nCloseProcCalls;
        ::SendMessage(m_hStandIn, WM_CLOSE, 0, 0);
        EXPECT_EQ(nCalls + 1, s_nCloseProcCalls);
        EXPECT_EQ(0u, boxes.Pending());
        EXPECT_EQ(c.answers.size(), boxes.Shown().size());
        EXPECT_EQ(c.bClosed, !::IsWindow(m_hStandIn));
        EXPECT_EQ(c.bClosed ? 0 : 2, TheApp().GetOpenDocumentCount());
        if (c.bClosed)
        {
            EXPECT_EQ(nullptr, TheApp().m_pMainWnd);
            MSG msg;
            EXPECT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_NOREMOVE)); // the loop ends
        }
    }
}

TEST(ChildClose, TheLastFrameOfADocumentClosesItAfterAsking)
{
    const struct
    {
        int nAnswer;
        bool bClosed;
    } cases[] = {{IDCANCEL, false}, {IDNO, true}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nAnswer);
        MessageBoxes boxes;
        CDocument* pDoc = TheApp().m_pTextTemplate->OpenDocumentFile(NULL);
        ASSERT_NE(nullptr, pDoc);
        pDoc->SetModifiedFlag(TRUE);
        POSITION pos = pDoc->GetFirstViewPosition();
        CFrameWnd* pFrame = pDoc->GetNextView(pos)->GetParentFrame();
        HWND hFrame = pFrame->m_hWnd;
        boxes.Expect(c.nAnswer, "Sollen die \xC4nderungen an");
        ::SendMessage(hFrame, WM_CLOSE, 0, 0);
        EXPECT_EQ(0u, boxes.Pending());
        EXPECT_EQ(c.bClosed, !::IsWindow(hFrame));
        EXPECT_EQ(c.bClosed ? 0 : 1, TheApp().GetOpenDocumentCount());
        if (!c.bClosed)
        {
            pDoc->SetModifiedFlag(FALSE);
            TheApp().CloseAllDocuments(FALSE);
        }
    }
}

TEST(LoadFrame, TakesTitleHelpIdMenuAndAcceleratorsFromOneResourceId)
{
    const struct
    {
        UINT nID;
        const char* title;
        bool bMenu;
        bool bAccel;
    } cases[] = {
        // clang-format off
        {IDR_MAINFRAME, "Pr\xFC" "fstand", true, true},
        {ID_TEST_VIEWCMD, "Befehl der Ansicht", false, false}, // only a string: no menu, no failure
        // clang-format on
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.title);
        CPlainFrame* pFrame = new CPlainFrame;
        ASSERT_TRUE(pFrame->LoadFrame(c.nID, WS_OVERLAPPEDWINDOW));
        EXPECT_EQ(c.nID, pFrame->m_nIDHelp);
        EXPECT_EQ(CString(c.title), pFrame->GetTitle());
        CString text;
        pFrame->GetWindowText(text);
        EXPECT_EQ(CString(c.title), text);
        EXPECT_EQ(c.bMenu, pFrame->m_hMenuDefault != NULL);
        EXPECT_EQ(::GetMenu(pFrame->m_hWnd), pFrame->m_hMenuDefault);
        EXPECT_EQ(c.bAccel, pFrame->m_hAccelTable != NULL);
        EXPECT_EQ(-1, pFrame->m_nWindow);
        pFrame->DestroyWindow();
    }
}

TEST(LoadFrame, LayoutNowClearsAPostponedLayout)
{
    CPlainFrame* pFrame = new CPlainFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
    pFrame->DelayRecalcLayout(TRUE);
    pFrame->DelayUpdateFrameTitle();
    EXPECT_EQ((UINT)(idleLayout | idleNotify | idleTitle), pFrame->m_nIdleFlags);
    pFrame->RecalcLayout(FALSE);
    EXPECT_EQ((UINT)idleTitle, pFrame->m_nIdleFlags); // the title is still due
    EXPECT_FALSE(pFrame->m_bInRecalcLayout);
    pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(0u, pFrame->m_nIdleFlags);
    pFrame->DestroyWindow();
}
} // namespace
