// Exceptions thrown by our code while Win32 called it (window, dialog and hook procedures, thread
// procedures) stop at that entry: they are reported, the call answers its failure value and the
// program goes on.
#include "TestApp.h"
#include "TestSupport.h"
#include <afxdlgs.h>
#include <stdexcept>

using namespace testing_support;

namespace
{
const char kInternalFailure[] = "Interner Fehler der Anwendung.";
const char kNotSupported[] = "Die angeforderte Operation wird nicht unterst"; // the rest is not UTF-8

enum class Throw
{
    nothing,
    stdException, // not one of the framework's
    integer,
    notSupported, // a CException with a text of its own
    user,         // reported by whoever threw it: no box
};

void ThrowNow(Throw what)
{
    switch (what)
    {
    case Throw::nothing:
        return;
    case Throw::stdException:
        throw std::runtime_error("handler failed");
    case Throw::integer:
        throw 42;
    case Throw::notSupported:
        AfxThrowNotSupportedException();
    case Throw::user:
        AfxThrowUserException();
    }
}

const UINT WM_TEST_THROW = WM_APP + 40;

// Throws from a handler, from WM_CREATE or from PreSubclassWindow as told.
class CThrowingWnd : public CWnd
{
  public:
    Throw m_onCreate = Throw::nothing;
    Throw m_onSubclass = Throw::nothing;
    Throw m_onMessage = Throw::nothing;

  protected:
    void PreSubclassWindow() override
    {
        ThrowNow(m_onSubclass);
    }
    afx_msg int OnCreate(LPCREATESTRUCT)
    {
        ThrowNow(m_onCreate);
        return 0;
    }
    afx_msg LRESULT OnTestThrow(WPARAM, LPARAM)
    {
        ThrowNow(m_onMessage);
        return 7;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
ON_WM_CREATE()
ON_MESSAGE(WM_TEST_THROW, OnTestThrow)
END_MESSAGE_MAP()

struct ExceptionCase
{
    const char* name;
    Throw what;
    const char* boxText; // NULL: no box
};

const ExceptionCase kCases[] = {
    {"std exception", Throw::stdException, kInternalFailure},
    {"int", Throw::integer, kInternalFailure},
    {"CNotSupportedException", Throw::notSupported, kNotSupported},
    {"CUserException", Throw::user, NULL},
};

bool CreateThrowing(CThrowingWnd& wnd)
{
    return wnd.CreateEx(0, AfxRegisterWndClass(0), _T("throwing"), WS_POPUP | WS_VISIBLE,
                        CRect(0, 0, 100, 80), NULL, 0) != FALSE;
}

TEST(CallbackException, FromAMessageHandlerIsReportedAndAnswersZero)
{
    for (const ExceptionCase& c : kCases)
    {
        SCOPED_TRACE(c.name);
        MessageBoxes boxes;
        if (c.boxText != NULL)
            boxes.Expect(IDOK, c.boxText);
        CThrowingWnd wnd;
        ASSERT_TRUE(CreateThrowing(wnd));
        EXPECT_EQ(7, wnd.SendMessage(WM_TEST_THROW));
        wnd.m_onMessage = c.what;
        EXPECT_EQ(0, wnd.SendMessage(WM_TEST_THROW));
        EXPECT_EQ(c.boxText != NULL ? 1u : 0u, boxes.Shown().size());
        // The window still works after it.
        wnd.m_onMessage = Throw::nothing;
        EXPECT_EQ(7, wnd.SendMessage(WM_TEST_THROW));
        wnd.DestroyWindow();
    }
}

TEST(CallbackException, DuringCreationFailsTheCreation)
{
    for (bool bInHook : {false, true})
    {
        for (const ExceptionCase& c : kCases)
        {
            SCOPED_TRACE(std::string(c.name) + (bInHook ? " in PreSubclassWindow" : " in OnCreate"));
            // A framework exception in WM_CREATE just fails the creation, as ProcessWndProcException says.
            const char* boxText = !bInHook && c.what == Throw::notSupported ? NULL : c.boxText;
            MessageBoxes boxes;
            if (boxText != NULL)
                boxes.Expect(IDOK, boxText);
            CThrowingWnd wnd;
            (bInHook ? wnd.m_onSubclass : wnd.m_onCreate) = c.what;
            EXPECT_FALSE(CreateThrowing(wnd));
            EXPECT_EQ(nullptr, wnd.m_hWnd);
            EXPECT_EQ(boxText != NULL ? 1u : 0u, boxes.Shown().size());
        }
    }
    // Creation works again afterwards: the hook is not left behind.
    CThrowingWnd wnd;
    ASSERT_TRUE(CreateThrowing(wnd));
    EXPECT_EQ(wnd.m_hWnd, CWnd::FromHandlePermanent(wnd.m_hWnd)->m_hWnd);
    wnd.DestroyWindow();
}

class CThrowingDialog : public CDialog
{
  public:
    Throw m_onInit = Throw::nothing;
    bool m_bInitDone = false;

  protected:
    BOOL OnInitDialog() override
    {
        ThrowNow(m_onInit);
        m_bInitDone = true;
        return TRUE;
    }
};

// An empty dialog template in memory: no menu, class or title.
struct EmptyTemplate
{
    DLGTEMPLATE dlg;
    WORD wMenu = 0;
    WORD wClass = 0;
    WORD wTitle = 0;
};

TEST(CallbackException, FromOnInitDialogLeavesTheDialogStanding)
{
    EmptyTemplate tmpl{};
    tmpl.dlg.style = WS_POPUP | WS_CAPTION;
    tmpl.dlg.cx = 100;
    tmpl.dlg.cy = 60;
    for (const ExceptionCase& c : kCases)
    {
        SCOPED_TRACE(c.name);
        MessageBoxes boxes;
        if (c.boxText != NULL)
            boxes.Expect(IDOK, c.boxText);
        CThrowingDialog dlg;
        dlg.m_onInit = c.what;
        EXPECT_TRUE(dlg.CreateIndirect(&tmpl.dlg, TheApp().m_pMainWnd));
        EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
        EXPECT_FALSE(dlg.m_bInitDone);
        EXPECT_EQ(c.boxText != NULL ? 1u : 0u, boxes.Shown().size());
        dlg.DestroyWindow();
    }
}

UINT AFX_CDECL ThrowingWorker(LPVOID pParam)
{
    ThrowNow(*(Throw*)pParam);
    return 5;
}

TEST(CallbackException, FromAThreadProcedureEndsTheThreadWithMinusOne)
{
    const struct
    {
        Throw what;
        DWORD dwExitCode;
        size_t nBoxes;
    } cases[] = {
        {Throw::nothing, 5, 0},
        {Throw::stdException, (DWORD)-1, 1},
        {Throw::integer, (DWORD)-1, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE((int)c.what);
        MessageBoxes boxes;
        if (c.nBoxes != 0)
            boxes.Expect(IDOK, kInternalFailure);
        Throw what = c.what;
        CWinThread* pThread =
            AfxBeginThread(ThrowingWorker, &what, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
        ASSERT_NE(nullptr, pThread);
        pThread->m_bAutoDelete = FALSE;
        pThread->ResumeThread();
        ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pThread->m_hThread, 5000));
        DWORD dwExit = 0;
        ::GetExitCodeThread(pThread->m_hThread, &dwExit);
        EXPECT_EQ(c.dwExitCode, dwExit);
        EXPECT_EQ(c.nBoxes, boxes.Shown().size());
        delete pThread;
    }
}
} // namespace
