// The docking test frame: a frame with a view and layout-node docking, three list boxes wrapped in
// grippers and docked, two in one line of the left area and one at the top. The frame records
// the close commands it gets instead of closing.
#pragma once
#include "TestSupport.h"
#include "ListBox.h"
#include "uilib/frames/dockengine/FrameDockingFeature.h"
#include "uilib/frames/layout/LayoutDockFactory.h"
#include "DragInput.h"

namespace docking_frame
{
using namespace testing_support;

inline RECT Applied(SECLayoutNode* pNode)
{
    RECT rc;
    pNode->GetAppliedRect(rc);
    return rc;
}

inline RECT ChildRect(CWnd& parent, CWnd& child)
{
    RECT rc;
    child.GetWindowRect(&rc);
    parent.ScreenToClient(&rc);
    return rc;
}

// A frame that counts the close commands it gets and stays open.
class CClosingFrame : public CFrameWnd
{
  public:
    int m_nCloseCommands = 0;

  protected:
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam)
    {
        if ((nID & 0xFFF0) == SC_CLOSE)
        {
            ++m_nCloseCommands;
            return;
        }
        CFrameWnd::OnSysCommand(nID, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

struct DockingFrame
{
    explicit DockingFrame(BOOL bTopList = TRUE)
    {
        m_pFrame = new CClosingFrame;
        m_bOk = m_pFrame->Create(NULL, _T("Andockrahmen"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CRect(50, 50, 650, 500));
        // The main window: the frame a finished drag lays out again.
        m_pOldMain = AfxGetApp()->m_pMainWnd;
        AfxGetApp()->m_pMainWnd = m_pFrame;
        m_bOk = m_bOk && m_view.Create(_T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10),
                                       m_pFrame, AFX_IDW_PANE_FIRST);
        m_bOk = m_bOk && m_feature.Initialize(m_pFrame, CBRS_ALIGN_ANY, TRUE, NULL);
        for (int i = 0; i < 3; ++i)
        {
            m_bOk = m_bOk &&
                    m_lists[i].Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                      CRect(0, 0, 50, 50), m_pFrame, 100 + i);
            for (int j = 0; j < 3; ++j)
                m_lists[i].AddString(_T("Eintrag"));
            m_pGrippers[i] =
                m_factory.CreateGrippedWindowNode(&m_lists[i], m_pFrame, _T("Liste"), FALSE, &m_pNodes[i]);
            m_bOk = m_bOk && m_pGrippers[i] != NULL;
        }
        if (!m_bOk)
            return;
        m_bDocked[0] = m_feature.DockNodeEx(m_pGrippers[0], CBRS_ALIGN_LEFT, 120, TRUE);
        m_bDocked[1] = m_feature.DockNodeEx(m_pGrippers[1], CBRS_ALIGN_LEFT, 90, FALSE);
        m_bDocked[2] = bTopList && m_feature.DockNodeEx(m_pGrippers[2], CBRS_ALIGN_TOP, 60, TRUE);
        m_pFrame->RecalcLayout();
        m_pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ::SetForegroundWindow(m_pFrame->m_hWnd);
        PumpMessages(50);
    }
    ~DockingFrame()
    {
        AfxGetApp()->m_pMainWnd = m_pOldMain;
        m_pFrame->DestroyWindow();
    }
    SECDynGridLineTarget* Target(int nPosition)
    {
        return m_feature.GetDockTarget(nPosition);
    }
    // A screen point on gripper i's strip, beside its list box.
    POINT GripperPoint(int i)
    {
        const RECT rcGripper = Applied(m_pGrippers[i]), rcNode = Applied(m_pNodes[i]);
        POINT pt = {rcGripper.left + 2, (rcGripper.top + rcGripper.bottom) / 2};
        if (rcNode.left - rcGripper.left < rcNode.top - rcGripper.top)
            pt = POINT{(rcGripper.left + rcGripper.right) / 2, rcGripper.top + 2};
        m_pFrame->ClientToScreen(&pt);
        return pt;
    }
    POINT Screen(int x, int y)
    {
        POINT pt = {x, y};
        m_pFrame->ClientToScreen(&pt);
        return pt;
    }
    // A real drag with the mouse between two screen points, Ctrl held when asked.
    void DragScreen(POINT ptFrom, POINT ptTo, bool bCtrl = false)
    {
        using namespace drag_input;
        ::SetCursorPos(ptFrom.x, ptFrom.y);
        PumpMessages(20);
        if (bCtrl)
            SendKey(VK_CONTROL, false);
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        POINT ptMid = {(ptFrom.x + ptTo.x) / 2, (ptFrom.y + ptTo.y) / 2};
        SendMouse(0, &ptMid);
        SendMouse(0, &ptTo);
        SendMouse(MOUSEEVENTF_LEFTUP);
        if (bCtrl)
            SendKey(VK_CONTROL, true);
        PumpMessages(250);
    }
    // From gripper i to a client point of the frame.
    void Drag(int i, POINT ptClientTo, bool bCtrl = false)
    {
        DragScreen(GripperPoint(i), Screen(ptClientTo.x, ptClientTo.y), bCtrl);
    }
    // Drags a splitter bar from its middle by (dx, dy).
    void DragBar(SECLayoutNode* pBar, int dx, int dy)
    {
        const RECT rc = Applied(pBar);
        const POINT ptFrom = Screen((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        DragScreen(ptFrom, POINT{ptFrom.x + dx, ptFrom.y + dy});
    }
    int Thickness(int nPosition)
    {
        RECT rc = Applied(m_feature.GetDockEdge(nPosition));
        return nPosition < 2 ? rc.bottom - rc.top : rc.right - rc.left;
    }

    BOOL m_bOk = FALSE;
    CClosingFrame* m_pFrame = NULL;
    CWnd* m_pOldMain = NULL;
    CWnd m_view;
    CListBox m_lists[3];
    SECLayoutDockFactory m_factory;
    SECFrameDockingFeature m_feature;
    SECLayoutNodeDCBase* m_pGrippers[3] = {};
    SECLayoutNode* m_pNodes[3] = {};
    BOOL m_bDocked[3] = {};
};
} // namespace docking_frame
