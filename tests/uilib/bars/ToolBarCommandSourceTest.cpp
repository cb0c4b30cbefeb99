// Where a toolbar command came from: while a button's command is being handled the manager tells
// where the button lies, and after it nothing; a handler that destroys the frame and deletes the
// manager leaves the sending toolbar nothing of theirs to touch.
#include "ToolBarFrame.h"
#include "TestSupport.h"
#include <cstring>
#include <functional>

using namespace testing_support;

namespace
{
// Receives the toolbar's commands in place of the frame and runs the test's handler on each.
class CCommandOwner : public CWnd
{
  public:
    CCommandOwner()
    {
        CreateEx(0, AfxRegisterWndClass(0), _T("Befehle"), WS_POPUP, CRect(0, 0, 10, 10), NULL, 0);
    }
    ~CCommandOwner() override
    {
        DestroyWindow();
    }
    std::function<void(UINT)> m_onCommand;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && m_onCommand)
        {
            m_onCommand(LOWORD(wParam));
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A manager whose memory is kept and filled with a mark when deleted, so that a write after the
// deletion shows.
class MarkedManager : public SECToolBarManager
{
  public:
    using SECToolBarManager::SECToolBarManager;
    static constexpr unsigned char kMark = 0xA5;
    static void* s_pFreed;
    static size_t s_nFreed;
    static void operator delete(void* p, size_t n)
    {
        std::memset(p, kMark, n);
        s_pFreed = p;
        s_nFreed = n;
    }
    static bool StillMarked()
    {
        const unsigned char* pByte = (const unsigned char*)s_pFreed;
        for (size_t i = 0; i < s_nFreed; i++)
            if (pByte[i] != kMark)
                return false;
        return true;
    }
};
const UINT kBarID = 0xE810;
void* MarkedManager::s_pFreed = NULL;
size_t MarkedManager::s_nFreed = 0;
} // namespace

TEST(ToolBarCommandSource, TheHandlerLearnsWhereTheButtonLiesAndAfterwardsNothing)
{
    ToolBarFrame frame;
    CCommandOwner owner;
    frame.m_pFirst->SetOwner(&owner);
    const int kGreen = 1;
    CRect button = frame.ButtonRect(frame.m_pFirst, kGreen);
    frame.m_pFirst->ClientToScreen(&button);
    std::vector<UINT> commands;
    BOOL bInCommand = FALSE;
    CRect source;
    owner.m_onCommand = [&](UINT nID) {
        commands.push_back(nID);
        bInCommand = frame.m_pManager->GetCommandSource(source);
    };
    ClickAt(button.CenterPoint());
    PumpMessages(30);
    ASSERT_EQ(std::vector<UINT>{ID_TB_GREEN}, commands);
    EXPECT_TRUE(bInCommand);
    EXPECT_EQ(button, source);
    CRect after(1, 1, 2, 2);
    EXPECT_FALSE(frame.m_pManager->GetCommandSource(after));
    EXPECT_TRUE(after.IsRectNull());
}

TEST(ToolBarCommandSource, AHandlerDestroyingTheFrameAndItsManagerLeavesNothingTouched)
{
    CToolTestFrame* pFrame = new CToolTestFrame;
    ASSERT_TRUE(
        pFrame->Create(NULL, _T("Symbolleisten"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 640, 440)));
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    SECToolBarManager* pManager = new MarkedManager(pFrame, pFrame);
    pFrame->SetControlBarManager(pManager);
    pManager->AddToolBarResource(IDR_TB_FIRST, IDR_TB_FIRST);
    int nCount = 0;
    UINT* pIDs = NULL;
    pManager->DefineDefaultToolBar(kBarID, _T("Leiste"), IDR_TB_FIRST, nCount, pIDs);
    delete[] pIDs;
    pManager->CreateDefaultToolBars();
    SECCustomToolBar* pBar = pManager->FindBar(kBarID);
    ASSERT_NE(nullptr, pBar);
    pFrame->RecalcLayout();
    pFrame->SetActiveWindow();
    PumpMessages(30);
    CCommandOwner owner;
    pBar->SetOwner(&owner);
    CRect button;
    pBar->GetItemRect(0, &button);
    pBar->ClientToScreen(&button);
    const HWND hWndBar = pBar->m_hWnd;
    std::vector<UINT> commands;
    owner.m_onCommand = [&](UINT nID) {
        commands.push_back(nID);
        pFrame->DestroyWindow();
        delete pManager;
    };
    ClickAt(button.CenterPoint());
    PumpMessages(30);
    ASSERT_EQ(std::vector<UINT>{ID_TB_RED}, commands);
    EXPECT_FALSE(::IsWindow(hWndBar));
    ASSERT_NE(nullptr, MarkedManager::s_pFreed);
    EXPECT_TRUE(MarkedManager::StillMarked()) << "the deleted manager was written to";
    ::operator delete(MarkedManager::s_pFreed);
}
