// Message maps: each handler signature receives the decoded arguments of a real message sent to a
// real window; notifications reach the parent, reflected ones the control itself.
#include "TestApp.h"
#include "TestSupport.h"
#include <cstdio>

using namespace testing_support;

namespace
{
std::string g_last;

void Record(const char* fmt, ...)
{
    char buf[256];
    va_list args;
    va_start(args, fmt);
    vsnprintf(buf, sizeof buf, fmt, args);
    va_end(args);
    g_last = buf;
}

const UINT kRegistered = ::RegisterWindowMessage(_T("HelvonTestRegistered"));
const UINT kNotifyChild = 4711;
const UINT kButton = 4712;

// A child that handles its own notifications (reflected by the parent).
class CReflectingChild : public CWnd
{
  public:
    void OnReflectedNotify(NMHDR* pNMHDR, LRESULT* pResult)
    {
        Record("reflect code=%d id=%u", (int)pNMHDR->code, (UINT)pNMHDR->idFrom);
        *pResult = 77;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingChild, CWnd)
ON_NOTIFY_REFLECT(NM_DBLCLK, OnReflectedNotify)
END_MESSAGE_MAP()

class CDispatchWnd : public CWnd
{
  public:
    void OnSize(UINT nType, int cx, int cy)
    {
        Record("size %u %d %d", nType, cx, cy);
    }
    void OnLButtonDown(UINT nFlags, CPoint point)
    {
        Record("lbuttondown %u %d %d", nFlags, point.x, point.y);
    }
    void OnMouseMove(UINT nFlags, CPoint point)
    {
        Record("mousemove %u %d %d", nFlags, point.x, point.y);
    }
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        Record("wheel %u %d %d %d", nFlags, zDelta, pt.x, pt.y);
        return TRUE;
    }
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        Record("keydown %u %u %u", nChar, nRepCnt, nFlags);
    }
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        Record("char %u %u %u", nChar, nRepCnt, nFlags);
    }
    void OnDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        Record("deadchar %u %u %u", nChar, nRepCnt, nFlags);
    }
    void OnSysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        Record("sysdeadchar %u %u %u", nChar, nRepCnt, nFlags);
    }
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    {
        Record("hscroll %u %u %s", nSBCode, nPos, pScrollBar == NULL ? "null" : "bar");
    }
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    {
        Record("vscroll %u %u %s", nSBCode, nPos, pScrollBar == NULL ? "null" : "bar");
    }
    void OnTimer(UINT_PTR nIDEvent)
    {
        Record("timer %u", (UINT)nIDEvent);
    }
    void OnContextMenu(CWnd* pWnd, CPoint pos)
    {
        Record("contextmenu %s %d %d", pWnd == this ? "self" : "other", pos.x, pos.y);
    }
    void OnNcRButtonUp(UINT nHitTest, CPoint point)
    {
        Record("ncrbuttonup %u %d %d", nHitTest, point.x, point.y);
    }
    void OnNcRButtonDblClk(UINT nHitTest, CPoint point)
    {
        Record("ncrbuttondblclk %u %d %d", nHitTest, point.x, point.y);
    }
    void OnNcMButtonDown(UINT nHitTest, CPoint point)
    {
        Record("ncmbuttondown %u %d %d", nHitTest, point.x, point.y);
    }
    void OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
    {
        Record("settingchange %u %s", uFlags, lpszSection == NULL ? "null" : lpszSection);
    }
    LRESULT OnUserMessage(WPARAM wParam, LPARAM lParam)
    {
        Record("user %u %ld", (UINT)wParam, (long)lParam);
        return 42;
    }
    LRESULT OnRegistered(WPARAM wParam, LPARAM lParam)
    {
        Record("registered %u %ld", (UINT)wParam, (long)lParam);
        return 43;
    }
    void OnRange(UINT nID)
    {
        Record("range %u", nID);
    }
    BOOL OnCommandEx(UINT nID)
    {
        Record("commandex %u", nID);
        return TRUE;
    }
    void OnButtonClicked()
    {
        Record("clicked");
    }
    void OnChildNotify(NMHDR* pNMHDR, LRESULT* pResult)
    {
        Record("notify code=%d id=%u", (int)pNMHDR->code, (UINT)pNMHDR->idFrom);
        *pResult = 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDispatchWnd, CWnd)
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_MOUSEWHEEL()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_DEADCHAR()
ON_WM_SYSDEADCHAR()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_TIMER()
ON_WM_CONTEXTMENU()
ON_WM_NCRBUTTONUP()
ON_WM_NCRBUTTONDBLCLK()
ON_WM_NCMBUTTONDOWN()
ON_WM_SETTINGCHANGE()
ON_MESSAGE(WM_APP + 1, OnUserMessage)
ON_REGISTERED_MESSAGE(kRegistered, OnRegistered)
ON_COMMAND_RANGE(ID_TEST_RANGE_FIRST, ID_TEST_RANGE_LAST, OnRange)
ON_COMMAND_EX(ID_TEST_APPCMD, OnCommandEx)
ON_BN_CLICKED(kButton, OnButtonClicked)
ON_NOTIFY(NM_CLICK, kNotifyChild, OnChildNotify)
END_MESSAGE_MAP()

// A command target whose map chains to nothing.
class CNoBaseTarget : public CCmdTarget
{
  public:
    void OnCmd()
    {
        Record("nobase");
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP_NOBASE(CNoBaseTarget)
ON_COMMAND(ID_TEST_APPCMD, OnCmd)
END_MESSAGE_MAP_NOBASE()

class MessageMap : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, AfxRegisterWndClass(0), _T("dispatch"), WS_POPUP | WS_VISIBLE,
                                   CRect(10, 10, 410, 310), NULL, 0));
        ASSERT_TRUE(m_child.Create(NULL, _T("child"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &m_wnd,
                                   kNotifyChild));
        g_last.clear();
    }
    void TearDown() override
    {
        m_child.DestroyWindow();
        m_wnd.DestroyWindow();
    }
    CDispatchWnd m_wnd;
    CReflectingChild m_child;
};

struct DispatchCase
{
    const char* name;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    const char* expected;
    LRESULT result; // -1: not checked
};

const DispatchCase kCases[] = {
    {"size", WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200), "size 0 300 200", -1},
    {"lbuttondown with negative x", WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 17),
     "lbuttondown 5 -5 17", -1},
    {"mousemove", WM_MOUSEMOVE, MK_CONTROL, MAKELPARAM(33, 44), "mousemove 8 33 44", -1},
    {"wheel", WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, (WORD)(short)-120), MAKELPARAM(100, 200),
     "wheel 8 -120 100 200", -1},
    {"keydown", WM_KEYDOWN, VK_F5, 0x003F0003, "keydown 116 3 63", -1},
    {"char", WM_CHAR, 'a', 0x001E0001, "char 97 1 30", -1},
    {"dead char", WM_DEADCHAR, '^', 0x00290001, "deadchar 94 1 41", -1},
    {"system dead char", WM_SYSDEADCHAR, '`', 0x20290002, "sysdeadchar 96 2 8233", -1},
    {"hscroll thumb", WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 1234), 0, "hscroll 5 1234 null", -1},
    {"vscroll line", WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0, "vscroll 1 0 null", -1},
    {"timer", WM_TIMER, 17, 0, "timer 17", -1},
    {"nc right button up", WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(-20, 30), "ncrbuttonup 2 -20 30", -1},
    {"nc right double click", WM_NCRBUTTONDBLCLK, HTSYSMENU, MAKELPARAM(40, 5), "ncrbuttondblclk 3 40 5", -1},
    {"nc middle button down", WM_NCMBUTTONDOWN, HTBORDER, MAKELPARAM(7, 8), "ncmbuttondown 18 7 8", -1},
    {"setting change", WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, (LPARAM) "WindowMetrics",
     "settingchange 42 WindowMetrics", -1},
    {"setting change without section", WM_SETTINGCHANGE, 0, 0, "settingchange 0 null", -1},
    {"user message", WM_APP + 1, 7, -9, "user 7 -9", 42},
    {"registered message", kRegistered, 8, 10, "registered 8 10", 43},
    {"command range", WM_COMMAND, MAKEWPARAM(ID_TEST_RANGE_FIRST + 3, 0), 0, "range 32013", -1},
    {"command ex", WM_COMMAND, MAKEWPARAM(ID_TEST_APPCMD, 0), 0, "commandex 32003", -1},
};

TEST_F(MessageMap, EachSignatureGetsDecodedArguments)
{
    for (const DispatchCase& c : kCases)
    {
        SCOPED_TRACE(c.name);
        g_last.clear();
        LRESULT lResult = m_wnd.SendMessage(c.msg, c.wParam, c.lParam);
        EXPECT_EQ(c.expected, g_last);
        if (c.result != -1)
        {
            EXPECT_EQ(c.result, lResult);
        }
    }
}

TEST_F(MessageMap, ContextMenuNamesTheWindowAndScreenPoint)
{
    m_wnd.SendMessage(WM_CONTEXTMENU, (WPARAM)m_wnd.m_hWnd, MAKELPARAM(120, 130));
    EXPECT_EQ("contextmenu self 120 130", g_last);
}

TEST_F(MessageMap, ButtonClickReachesParentMap)
{
    CWnd button;
    ASSERT_TRUE(button.CreateEx(0, _T("BUTTON"), _T("OK"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                CRect(60, 0, 120, 30), &m_wnd, kButton));
    button.SendMessage(BM_CLICK);
    EXPECT_EQ("clicked", g_last);
    button.DestroyWindow();
}

TEST_F(MessageMap, NotificationGoesToParentAndReflectedOneToChild)
{
    NMHDR nm = {m_child.m_hWnd, kNotifyChild, (UINT)NM_CLICK};
    EXPECT_EQ(5, m_wnd.SendMessage(WM_NOTIFY, kNotifyChild, (LPARAM)&nm));
    EXPECT_EQ("notify code=-2 id=4711", g_last);

    // The parent has no handler for a double click: the child handles it as its own.
    nm.code = (UINT)NM_DBLCLK;
    EXPECT_EQ(77, m_wnd.SendMessage(WM_NOTIFY, kNotifyChild, (LPARAM)&nm));
    EXPECT_EQ("reflect code=-3 id=4711", g_last);
}

TEST(MessageMapNoBase, MapWithoutBaseDispatchesItsOwnEntries)
{
    CNoBaseTarget target;
    g_last.clear();
    EXPECT_TRUE(target.OnCmdMsg(ID_TEST_APPCMD, CN_COMMAND, NULL, NULL));
    EXPECT_EQ("nobase", g_last);
    EXPECT_FALSE(target.OnCmdMsg(ID_TEST_VIEWCMD, CN_COMMAND, NULL, NULL));
}

class CCreateSpy : public CWnd
{
  public:
    BOOL OnNcCreate(LPCREATESTRUCT lpcs)
    {
        sawNcCreate = m_hWnd != NULL;
        return CWnd::OnNcCreate(lpcs);
    }
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        sawCreate = lstrcmp(lpcs->lpszName, _T("spy")) == 0;
        return CWnd::OnCreate(lpcs);
    }
    bool sawNcCreate = false;
    bool sawCreate = false;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCreateSpy, CWnd)
ON_WM_NCCREATE()
ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(WindowHooks, WindowSeesItsOwnCreateMessages)
{
    CCreateSpy spy;
    ASSERT_TRUE(spy.CreateEx(0, AfxRegisterWndClass(0), _T("spy"), WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
    EXPECT_TRUE(spy.sawNcCreate);
    EXPECT_TRUE(spy.sawCreate);
    EXPECT_EQ(&spy, CWnd::FromHandlePermanent(spy.m_hWnd));
    spy.DestroyWindow();
    EXPECT_EQ(NULL, spy.m_hWnd);
}
} // namespace
