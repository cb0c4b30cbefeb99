// Listener chains on real windows and dialogs: who sees a message and what it returns, how the
// chain subclasses and restores, what destroying the host does, and listeners that leave or die
// while their chain dispatches.
#include "FramesTestIds.h"
#include "TestSupport.h"
#include "AfxState.h"
#include "uilib/frames/plugins/WndListener.h"
#include <functional>
#include <string>
#include <vector>

using namespace tessaron::foundation;
using namespace testing_support;

namespace
{
const UINT WM_TESTMSG = WM_APP + 1;
const LRESULT HOST_RESULT = 7;

std::vector<std::string> g_seen;
std::function<void(HWND, UINT)> g_onHost; // runs inside the host's own procedure

std::string Seen()
{
    std::string s;
    for (const std::string& name : g_seen)
        s += (s.empty() ? "" : " ") + name;
    return s;
}

LRESULT CALLBACK HostWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TESTMSG || message == WM_NCDESTROY)
    {
        if (message == WM_TESTMSG)
            g_seen.push_back("W");
        if (g_onHost)
        {
            auto onHost = g_onHost;
            onHost(hWnd, message);
        }
        if (message == WM_TESTMSG)
            return HOST_RESULT;
    }
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

INT_PTR CALLBACK PlainDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_TESTMSG)
        return FALSE;
    g_seen.push_back("W");
    ::SetWindowLongPtr(hWnd, DWLP_MSGRESULT, HOST_RESULT);
    return TRUE;
}

LRESULT CALLBACK ForeignProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC g_pfnBeforeForeign = NULL;

LRESULT CALLBACK ForeignProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TESTMSG)
        g_seen.push_back("F");
    return ::CallWindowProc(g_pfnBeforeForeign, hWnd, message, wParam, lParam);
}

void RegisterHostClass(LPCTSTR lpszName, int cbExtra)
{
    WNDCLASS wc = {};
    if (::GetClassInfo(::GetModuleHandle(NULL), lpszName, &wc))
        return;
    wc.lpfnWndProc = HostWndProc;
    wc.hInstance = ::GetModuleHandle(NULL);
    wc.lpszClassName = lpszName;
    wc.cbWndExtra = cbExtra;
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    ::RegisterClass(&wc);
}

enum HostKind
{
    HOST_WINDOW,
    HOST_DIALOG
};

HWND MakeHost(HostKind kind)
{
    if (kind == HOST_DIALOG)
        return ::CreateDialogParam(::GetModuleHandle(NULL), MAKEINTRESOURCE(IDD_PLAIN), NULL, PlainDlgProc,
                                   0);
    RegisterHostClass(_T("HelvonChainHost"), 0);
    return ::CreateWindow(_T("HelvonChainHost"), _T("Host"), WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, NULL, NULL,
                          ::GetModuleHandle(NULL), NULL);
}

class CTestListener : public SECWndListener
{
  public:
    explicit CTestListener(const char* pszName) : m_name(pszName)
    {
    }

    std::string m_name;
    UINT m_nFlags = 0;
    bool m_bSetResult = false;
    LRESULT m_lResultToSet = 0;
    std::function<void(CTestListener*)> m_onMessage; // may delete the listener
    MSG m_current = {};
    LRESULT m_lDefault = -1;

  protected:
    LRESULT OnTestMessage(WPARAM, LPARAM)
    {
        g_seen.push_back(m_name);
        m_current = *GetCurrentMessage();
        m_lDefault = Default();
        if (m_nFlags != 0)
            SetChainFlags(m_nFlags);
        if (m_bSetResult)
            SetResult(m_lResultToSet);
        if (m_onMessage)
        {
            auto onMessage = m_onMessage;
            onMessage(this);
        }
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestListener, SECWndListener)
ON_MESSAGE(WM_TESTMSG, OnTestMessage)
END_MESSAGE_MAP()

class ChainTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        g_seen.clear();
        g_onHost = nullptr;
    }
    void TearDown() override
    {
        g_onHost = nullptr;
        for (HWND hWnd : m_hosts)
            if (::IsWindow(hWnd))
                ::DestroyWindow(hWnd);
    }
    HWND Host(HostKind kind)
    {
        HWND hWnd = MakeHost(kind);
        m_hosts.push_back(hWnd);
        return hWnd;
    }
    std::vector<HWND> m_hosts;
};

// ---- who sees a message, what it returns

struct FlagCase
{
    UINT nFlags;
    bool bSetResult;
    const char* pszSeen;
    LRESULT lExpected;
};

const FlagCase kFlagCases[] = {
    {0, false, "A B W", HOST_RESULT}, // everybody, the window's result
    {1, false, "A W", HOST_RESULT},   // later listeners skipped
    {2, false, "A B", 0},             // the window skipped: the listeners' result
    {255, false, "A", 0},
    {255, true, "A", 42},
    {0, true, "A B W", HOST_RESULT}, // a result set without flag 2 is not what returns
};

TEST_F(ChainTest, FlagsDecideWhoSeesTheMessageAndWhatReturns)
{
    for (HostKind kind : {HOST_WINDOW, HOST_DIALOG})
    {
        for (const FlagCase& c : kFlagCases)
        {
            SCOPED_TRACE(::testing::Message() << (kind == HOST_DIALOG ? "dialog" : "window") << " flags "
                                              << c.nFlags << " result " << c.bSetResult);
            HWND hWnd = Host(kind);
            WNDPROC pfnWnd = (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC);
            CTestListener a("A"), b("B");
            a.m_nFlags = c.nFlags;
            a.m_bSetResult = c.bSetResult;
            a.m_lResultToSet = 42;
            ASSERT_TRUE(a.PlugInTo(CWnd::FromHandle(hWnd)));
            ASSERT_TRUE(b.PlugInTo(CWnd::FromHandle(hWnd)));
            if (kind == HOST_DIALOG)
            {
                // A dialog is subclassed at its dialog procedure; its window procedure stays.
                EXPECT_EQ((WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC), pfnWnd);
                EXPECT_EQ((DLGPROC)::GetWindowLongPtr(hWnd, DWLP_DLGPROC), &SECWndListener::ChainDlgProc);
            }
            else
                EXPECT_EQ((WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC), &SECWndListener::ChainWndProc);

            g_seen.clear();
            EXPECT_EQ(::SendMessage(hWnd, WM_TESTMSG, 0, 0), c.lExpected);
            EXPECT_EQ(Seen(), c.pszSeen);
            // The flags are per message: the next one goes everywhere.
            a.m_nFlags = 0;
            g_seen.clear();
            EXPECT_EQ(::SendMessage(hWnd, WM_TESTMSG, 0, 0), HOST_RESULT);
            EXPECT_EQ(Seen(), "A B W");
        }
    }
}

TEST_F(ChainTest, TwoListenersSubclassOnceAndTheLastRestores)
{
    for (HostKind kind : {HOST_WINDOW, HOST_DIALOG})
    {
        for (bool bFirstLeavesFirst : {true, false})
        {
            SCOPED_TRACE(::testing::Message() << (kind == HOST_DIALOG ? "dialog" : "window")
                                              << " first leaves first " << bFirstLeavesFirst);
            HWND hWnd = Host(kind);
            LONG_PTR pfnWnd = ::GetWindowLongPtr(hWnd, GWLP_WNDPROC);
            LONG_PTR pfnDlg = kind == HOST_DIALOG ? ::GetWindowLongPtr(hWnd, DWLP_DLGPROC) : 0;
            CTestListener a("A"), b("B");
            ASSERT_TRUE(a.PlugInTo(CWnd::FromHandle(hWnd)));
            SECWndListener_MsgProcInfo_tag* pInfo = SECWndListener::LookupChain(hWnd);
            ASSERT_NE(pInfo, nullptr);
            EXPECT_EQ(pInfo->cbSize, sizeof(SECWndListener_MsgProcInfo_tag));
            EXPECT_TRUE((pInfo->pfnOldWndProc != NULL) != (pInfo->pfnOldDlgProc != NULL));
            ASSERT_TRUE(b.PlugInTo(CWnd::FromHandle(hWnd)));
            EXPECT_EQ(SECWndListener::LookupChain(hWnd), pInfo);
            EXPECT_EQ(pInfo->pListeners->GetCount(), 2);
            if (kind == HOST_DIALOG)
                EXPECT_EQ((WNDPROC)pInfo->pfnOldDlgProc, (WNDPROC)pfnDlg);
            else
                EXPECT_EQ(pInfo->pfnOldWndProc, (WNDPROC)pfnWnd);

            CTestListener& first = bFirstLeavesFirst ? a : b;
            CTestListener& second = bFirstLeavesFirst ? b : a;
            first.UnPlug();
            EXPECT_FALSE(first.IsPlugged());
            EXPECT_EQ(first.GetHostWnd(), (HWND)NULL);
            ASSERT_EQ(SECWndListener::LookupChain(hWnd), pInfo);
            g_seen.clear();
            ::SendMessage(hWnd, WM_TESTMSG, 0, 0);
            EXPECT_EQ(Seen(), second.m_name + " W");

            second.UnPlug();
            EXPECT_EQ(SECWndListener::LookupChain(hWnd), nullptr);
            EXPECT_EQ(::GetWindowLongPtr(hWnd, GWLP_WNDPROC), pfnWnd);
            if (kind == HOST_DIALOG)
            {
                EXPECT_EQ(::GetWindowLongPtr(hWnd, DWLP_DLGPROC), pfnDlg);
            }
            g_seen.clear();
            EXPECT_EQ(::SendMessage(hWnd, WM_TESTMSG, 0, 0), HOST_RESULT);
            EXPECT_EQ(Seen(), "W");
        }
    }
}

// The dialog-procedure offset of other windows is the class's own data: the chain must not
// write there.
TEST_F(ChainTest, WindowsWithExtraBytesKeepThem)
{
    RegisterHostClass(_T("HelvonExtra32"), 32);
    HWND hWnd = ::CreateWindow(_T("HelvonExtra32"), _T("Extra"), WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, NULL,
                               NULL, ::GetModuleHandle(NULL), NULL);
    m_hosts.push_back(hWnd);
    for (int i = 0; i < 4; ++i)
        ::SetWindowLongPtr(hWnd, i * 8, (LONG_PTR)0x1111111111111111LL * (i + 1));

    HWND hFrame = Host(HOST_WINDOW);
    CLIENTCREATESTRUCT ccs = {NULL, 0xFF00};
    HWND hClient = ::CreateWindow(_T("MDICLIENT"), NULL, WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, hFrame, NULL,
                                  ::GetModuleHandle(NULL), &ccs);
    ASSERT_NE(hClient, (HWND)NULL);
    LONG_PTR clientData = ::GetWindowLongPtr(hClient, DWLP_DLGPROC);

    CTestListener a("A"), c("C");
    ASSERT_TRUE(a.PlugInTo(CWnd::FromHandle(hWnd)));
    ASSERT_TRUE(c.PlugInTo(CWnd::FromHandle(hClient)));
    EXPECT_EQ((WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC), &SECWndListener::ChainWndProc);
    EXPECT_EQ((WNDPROC)::GetWindowLongPtr(hClient, GWLP_WNDPROC), &SECWndListener::ChainWndProc);
    g_seen.clear();
    EXPECT_EQ(::SendMessage(hWnd, WM_TESTMSG, 0, 0), HOST_RESULT);
    ::SendMessage(hClient, WM_TESTMSG, 0, 0);
    EXPECT_EQ(Seen(), "A W C");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(::GetWindowLongPtr(hWnd, i * 8), (LONG_PTR)0x1111111111111111LL * (i + 1))
            << "offset " << i * 8;
    EXPECT_EQ(::GetWindowLongPtr(hClient, DWLP_DLGPROC), clientData);
    a.UnPlug();
    c.UnPlug();
    EXPECT_EQ(::GetWindowLongPtr(hClient, DWLP_DLGPROC), clientData);
}

TEST_F(ChainTest, DestroyingTheHostUnplugsAllBeforeItsProcedureSeesNcDestroy)
{
    for (HostKind kind : {HOST_WINDOW, HOST_DIALOG})
    {
        HWND hWnd = Host(kind);
        CTestListener a("A"), b("B");
        ASSERT_TRUE(a.PlugInTo(CWnd::FromHandle(hWnd)));
        ASSERT_TRUE(b.PlugInTo(CWnd::FromHandle(hWnd)));
        int nPluggedAtNcDestroy = -1;
        g_onHost = [&](HWND, UINT message) {
            if (message == WM_NCDESTROY)
                nPluggedAtNcDestroy = a.IsPlugged() + b.IsPlugged();
        };
        ::DestroyWindow(hWnd);
        if (kind == HOST_WINDOW)
        {
            EXPECT_EQ(nPluggedAtNcDestroy, 0);
        }
        EXPECT_FALSE(a.IsPlugged());
        EXPECT_FALSE(b.IsPlugged());
        EXPECT_EQ(a.GetHostWnd(), (HWND)NULL);
        EXPECT_EQ(b.GetHostWnd(), (HWND)NULL);
        EXPECT_EQ(SECWndListener::LookupChain(hWnd), nullptr);
        g_onHost = nullptr;
    }
}

TEST_F(ChainTest, HandlersSeeTheChainsMessageAndTheStateIsRestored)
{
    HWND hWnd = Host(HOST_WINDOW);
    CTestListener a("A");
    ASSERT_TRUE(a.PlugInTo(CWnd::FromHandle(hWnd)));
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    pState->m_lastSentMsg.hwnd = (HWND)(INT_PTR)0x1234;
    pState->m_lastSentMsg.message = 0x5678;
    ::SendMessage(hWnd, WM_TESTMSG, 11, 22);
    EXPECT_EQ(a.m_current.hwnd, hWnd);
    EXPECT_EQ(a.m_current.message, WM_TESTMSG);
    EXPECT_EQ(a.m_current.wParam, (WPARAM)11);
    EXPECT_EQ(a.m_current.lParam, (LPARAM)22);
    // Default inside a listener runs nothing: the window gets the message after the chain.
    EXPECT_EQ(a.m_lDefault, 0);
    EXPECT_EQ(pState->m_lastSentMsg.hwnd, (HWND)(INT_PTR)0x1234);
    EXPECT_EQ(pState->m_lastSentMsg.message, 0x5678u);
}

class CCommandPlugIn : public SECWndPlugIn
{
  public:
    int m_nCommands = 0;
    int m_nMessages = 0;

  protected:
    void OnCommandX()
    {
        ++m_nCommands;
    }
    LRESULT OnTestMessage(WPARAM, LPARAM)
    {
        ++m_nMessages;
        m_bMsgConsumed = TRUE;
        SetMsgHandled(5);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandPlugIn, SECWndPlugIn)
ON_COMMAND(4711, OnCommandX)
ON_MESSAGE(WM_TESTMSG, OnTestMessage)
END_MESSAGE_MAP()

TEST_F(ChainTest, PlugInRoutesOnlyWhilePluggedAndLeavesItsHost)
{
    HWND hWnd = Host(HOST_WINDOW);
    CCommandPlugIn* pPlugIn = new CCommandPlugIn;
    LRESULT lResult = 0;
    EXPECT_FALSE(pPlugIn->OnWndMsg(WM_TESTMSG, 0, 0, &lResult));
    EXPECT_FALSE(pPlugIn->OnCmdMsg(4711, CN_COMMAND, NULL, NULL));
    EXPECT_EQ(pPlugIn->DefWindowProc(WM_TESTMSG, 0, 0), 0);
    EXPECT_EQ(pPlugIn->m_nMessages + pPlugIn->m_nCommands, 0);
    EXPECT_FALSE(pPlugIn->PlugInTo(NULL));
    EXPECT_FALSE(pPlugIn->IsPlugged());

    ASSERT_TRUE(pPlugIn->PlugInTo(CWnd::FromHandle(hWnd)));
    EXPECT_EQ(pPlugIn->m_hWnd, hWnd);
    // What a host does: the handled result replaces the routing result.
    EXPECT_EQ(pPlugIn->OnWndMsg(WM_TESTMSG, 0, 0, &lResult), 5);
    EXPECT_TRUE(pPlugIn->m_bMsgConsumed);
    EXPECT_FALSE(pPlugIn->m_bMsgHandled);
    EXPECT_TRUE(pPlugIn->OnCmdMsg(4711, CN_COMMAND, NULL, NULL));
    EXPECT_EQ(pPlugIn->m_nCommands, 1);
    // CWnd's own handlers never run on the borrowed window.
    EXPECT_FALSE(pPlugIn->OnWndMsg(WM_SIZE, 0, MAKELPARAM(10, 10), &lResult));
    EXPECT_EQ(pPlugIn->DefWindowProc(WM_TESTMSG, 0, 0), 0);

    delete pPlugIn;
    EXPECT_TRUE(::IsWindow(hWnd));
    EXPECT_EQ(::SendMessage(hWnd, WM_TESTMSG, 0, 0), HOST_RESULT);
}

TEST_F(ChainTest, ForeignSubclassMadeAfterTheChainWorksAfterItLeaves)
{
    HWND hWnd = Host(HOST_WINDOW);
    CTestListener* pA = new CTestListener("A");
    ASSERT_TRUE(pA->PlugInTo(CWnd::FromHandle(hWnd)));
    g_pfnBeforeForeign = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)ForeignProc);
    EXPECT_EQ(g_pfnBeforeForeign, &SECWndListener::ChainWndProc);
    g_seen.clear();
    ::SendMessage(hWnd, WM_TESTMSG, 0, 0);
    EXPECT_EQ(Seen(), "F A W");

    delete pA;
    // Ours is no longer on top: the foreign procedure stays and the chain forwards.
    EXPECT_EQ((WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC), ForeignProc);
    g_seen.clear();
    EXPECT_EQ(::SendMessage(hWnd, WM_TESTMSG, 0, 0), HOST_RESULT);
    EXPECT_EQ(Seen(), "F W");

    // A new listener takes the forwarding chain up again instead of stacking a second one.
    CTestListener b("B");
    ASSERT_TRUE(b.PlugInTo(CWnd::FromHandle(hWnd)));
    EXPECT_EQ((WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC), ForeignProc);
    g_seen.clear();
    EXPECT_EQ(::SendMessage(hWnd, WM_TESTMSG, 0, 0), HOST_RESULT);
    EXPECT_EQ(Seen(), "F B W");
    b.UnPlug();
    g_seen.clear();
    ::SendMessage(hWnd, WM_TESTMSG, 0, 0);
    EXPECT_EQ(Seen(), "F W");
    ::DestroyWindow(hWnd);
}

// ---- leaving while the chain dispatches

struct LeaveCase
{
    const char* pszName;
    bool bOnlyA;
    std::function<void(CTestListener* [3], HWND)> setup;
    const char* pszSeen;
    bool bPlugged[3]; // after the message, for listeners still alive
    bool bAlive[3];
    const char* pszSeenNext; // a second message
};

TEST_F(ChainTest, ListenersLeavingDuringDispatchAreNotTouchedAgain)
{
    const LeaveCase cases[] = {
        {"A unplugs itself",
         false,
         [](CTestListener* l[3], HWND) { l[0]->m_onMessage = [](CTestListener* p) { p->UnPlug(); }; },
         "A B C W",
         {false, true, true},
         {true, true, true},
         "B C W"},
        {"A unplugs a later one",
         false,
         [](CTestListener* l[3], HWND) {
             CTestListener* pC = l[2];
             l[0]->m_onMessage = [pC](CTestListener*) { pC->UnPlug(); };
         },
         "A B W",
         {true, true, false},
         {true, true, true},
         "A B W"},
        {"the last leaves",
         true,
         [](CTestListener* l[3], HWND) { l[0]->m_onMessage = [](CTestListener* p) { p->UnPlug(); }; },
         "A W",
         {false, false, false},
         {true, true, true},
         "W"},
        {"A is deleted in its handler",
         false,
         [](CTestListener* l[3], HWND) {
             CTestListener** ppA = &l[0];
             l[0]->m_onMessage = [ppA](CTestListener* p) {
                 delete p;
                 *ppA = nullptr;
             };
         },
         "A B C W",
         {false, true, true},
         {false, true, true},
         "B C W"},
        {"A eats the message and is deleted",
         false,
         [](CTestListener* l[3], HWND) {
             CTestListener** ppA = &l[0];
             l[0]->m_nFlags = 255;
             l[0]->m_onMessage = [ppA](CTestListener* p) {
                 delete p;
                 *ppA = nullptr;
             };
         },
         "A",
         {false, true, true},
         {false, true, true},
         "B C W"},
        {"A deletes a later one",
         false,
         [](CTestListener* l[3], HWND) {
             CTestListener** ppC = &l[2];
             l[0]->m_onMessage = [ppC](CTestListener*) {
                 delete *ppC;
                 *ppC = nullptr;
             };
         },
         "A B W",
         {true, true, false},
         {true, true, false},
         "A B W"},
        {"the last is deleted",
         true,
         [](CTestListener* l[3], HWND) {
             CTestListener** ppA = &l[0];
             l[0]->m_onMessage = [ppA](CTestListener* p) {
                 delete p;
                 *ppA = nullptr;
             };
         },
         "A W",
         {false, false, false},
         {false, true, true},
         "W"},
        {"the window deletes B",
         false,
         [](CTestListener* l[3], HWND) {
             CTestListener** ppB = &l[1];
             g_onHost = [ppB](HWND, UINT message) {
                 if (message == WM_TESTMSG && *ppB != nullptr)
                 {
                     delete *ppB;
                     *ppB = nullptr;
                 }
             };
         },
         "A B C W",
         {true, false, true},
         {true, false, true},
         "A C W"},
        {"A destroys the host",
         false,
         [](CTestListener* l[3], HWND hWnd) {
             l[0]->m_onMessage = [hWnd](CTestListener*) { ::DestroyWindow(hWnd); };
         },
         "A W",
         {false, false, false},
         {true, true, true},
         ""},
    };
    for (const LeaveCase& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        HWND hWnd = Host(HOST_WINDOW);
        WNDPROC pfnOriginal = (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC);
        CTestListener* l[3] = {new CTestListener("A"), new CTestListener("B"), new CTestListener("C")};
        for (int i = 0; i < (c.bOnlyA ? 1 : 3); ++i)
            ASSERT_TRUE(l[i]->PlugInTo(CWnd::FromHandle(hWnd)));
        c.setup(l, hWnd);
        g_seen.clear();
        ::SendMessage(hWnd, WM_TESTMSG, 0, 0);
        EXPECT_EQ(Seen(), c.pszSeen);
        g_onHost = nullptr;
        for (int i = 0; i < 3; ++i)
        {
            EXPECT_EQ(l[i] != nullptr, c.bAlive[i]) << "listener " << i;
            if (l[i] != nullptr)
            {
                EXPECT_EQ(l[i]->IsPlugged() != FALSE, c.bPlugged[i]) << "listener " << i;
                l[i]->m_onMessage = nullptr;
                l[i]->m_nFlags = 0;
            }
        }
        if (::IsWindow(hWnd))
        {
            g_seen.clear();
            ::SendMessage(hWnd, WM_TESTMSG, 0, 0);
            EXPECT_EQ(Seen(), c.pszSeenNext);
            if (std::string(c.pszSeenNext) == "W")
            {
                EXPECT_EQ((WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC), pfnOriginal);
            }
        }
        else
        {
            EXPECT_EQ(SECWndListener::LookupChain(hWnd), nullptr);
        }
        for (CTestListener* p : l)
            delete p;
    }
}

// A listener leaving inside a nested message of its own dispatch: the outer dispatch still
// finishes on a live record.
TEST_F(ChainTest, NestedDispatchKeepsTheRecordUntilTheOuterReturns)
{
    HWND hWnd = Host(HOST_WINDOW);
    CTestListener a("A"), b("B");
    ASSERT_TRUE(a.PlugInTo(CWnd::FromHandle(hWnd)));
    ASSERT_TRUE(b.PlugInTo(CWnd::FromHandle(hWnd)));
    bool bNested = false;
    a.m_onMessage = [&](CTestListener*) {
        if (bNested)
            return;
        bNested = true;
        a.UnPlug();
        b.m_onMessage = [&](CTestListener*) { b.UnPlug(); };
        ::SendMessage(hWnd, WM_TESTMSG, 0, 0);
    };
    ::SendMessage(hWnd, WM_TESTMSG, 0, 0);
    // Outer: A; nested: B (leaves, the last); outer goes on without B, window last both times.
    EXPECT_EQ(Seen(), "A B W W");
    EXPECT_EQ(SECWndListener::LookupChain(hWnd), nullptr);
}
} // namespace

namespace
{
// An exception out of a handler stops at the chain: reported as the framework reports one from a
// window procedure, the later listeners skipped, the window still served.
TEST_F(ChainTest, ExceptionsStopAtTheChain)
{
    HWND hWnd = Host(HOST_WINDOW);
    CTestListener a("A"), b("B");
    ASSERT_TRUE(a.PlugInTo(CWnd::FromHandle(hWnd)));
    ASSERT_TRUE(b.PlugInTo(CWnd::FromHandle(hWnd)));
    a.m_onMessage = [](CTestListener*) { AfxThrowNotSupportedException(); };
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    pState->m_lastSentMsg.message = 0x5678;
    {
        MessageBoxes boxes;
        boxes.Expect(IDOK);
        EXPECT_EQ(::SendMessage(hWnd, WM_TESTMSG, 0, 0), HOST_RESULT);
        EXPECT_EQ(boxes.Shown().size(), 1u);
    }
    EXPECT_EQ(Seen(), "A W");
    EXPECT_EQ(pState->m_lastSentMsg.message, 0x5678u);
    a.m_onMessage = nullptr;
    g_seen.clear();
    ::SendMessage(hWnd, WM_TESTMSG, 0, 0);
    EXPECT_EQ(Seen(), "A B W");
}
} // namespace

namespace
{
// A listener plugging another one in from its handler: the newcomer hears the next message.
TEST_F(ChainTest, ListenerPluggedFromAHandlerHearsTheNextMessage)
{
    HWND hWnd = Host(HOST_WINDOW);
    CTestListener a("A"), d("D");
    ASSERT_TRUE(a.PlugInTo(CWnd::FromHandle(hWnd)));
    a.m_onMessage = [&d, hWnd](CTestListener* p) {
        d.PlugInTo(CWnd::FromHandle(hWnd));
        p->m_onMessage = nullptr;
    };
    ::SendMessage(hWnd, WM_TESTMSG, 0, 0);
    EXPECT_EQ(Seen(), "A W");
    EXPECT_TRUE(d.IsPlugged());
    g_seen.clear();
    ::SendMessage(hWnd, WM_TESTMSG, 0, 0);
    EXPECT_EQ(Seen(), "A D W");
}
} // namespace
