// The layout the docking drag tests share: a topmost window whose layout has a grid target on top
// and a client node below with one draggable node, registered with a private docking manager.
#pragma once
#include "LayoutChecks.h"
#include "TestSupport.h"
#include "uilib/frames/dockengine/ClientWndNode.h"
#include "uilib/frames/dockengine/DefDockNodeBase.h"
#include "uilib/frames/dockengine/DefDockNodeInitiatorBase.h"
#include "uilib/frames/dockengine/DockingMgr.h"
#include "uilib/frames/dockengine/DragDropDockingFeature.h"
#include "uilib/frames/dockengine/DynGridLineTarget.h"
#include "uilib/frames/layout/LNBorderClient.h"

namespace dock_layout
{
using namespace testing_support;

using layout_checks::Applied;

// A node that may be dragged and moves itself.
class CDragNode : public SECLayoutNode, public SECDefDockNodeInitiatorBase, public SECDefDockNodeBase
{
};

// A target that refuses every node.
class CRefusingTarget : public SECDynGridLineTarget
{
  public:
    int InsertNode(SECLayoutNode*, SECDynGridInsertConstraints*) override
    {
        return -1;
    }
};

// Hands out one target for every side.
class CBorderParent : public ISECBorderTargetParent
{
  public:
    ISECDockTarget* m_pTarget = NULL;
    ISECDockTarget* GetDockTargetAt(int) override
    {
        return m_pTarget;
    }
};

// A topmost window holding: a grid target on top (lines across, stacked downwards, growing to
// fit) with a and b on one line, and the client node below it with the draggable node between
// two plain ones.
struct CDockLayout
{
    explicit CDockLayout(CWnd* pHost = NULL) : m_host(pHost != NULL ? *pHost : m_ownHost)
    {
        LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
        m_bOk = m_host.CreateEx(WS_EX_TOPMOST, lpszClass, _T("Docken"), WS_POPUP | WS_VISIBLE, 100, 100, 300,
                                220, NULL, NULL);
        m_host.UpdateWindow();
        m_root.SetInitialRect(RECT{0, 0, 300, 220});
        m_root.AddPositionNode(&m_target, SEC_LN_POS_TOP);
        m_root.AddPositionNode(&m_client, SEC_LN_POS_CLIENT);
        m_target.Initialize(m_host.m_hWnd, TRUE);
        m_target.SetGrowToFit(TRUE);
        RECT rcOut;
        m_target.RecalcNode(rcOut, RECT{0, 0, 300, 0}, FALSE, TRUE);
        m_client.SetInitialRect(RECT{0, 40, 300, 220});
        m_client.AddLayoutChild(&m_other);
        m_client.AddLayoutChild(&m_node);
        m_client.AddLayoutChild(&m_last);
        m_node.SetInitialRect(RECT{10, 130, 100, 170});
        SECDynGridInsertConstraints rec;
        rec.bNewLine = TRUE;
        rec.nCrossLength = 40;
        m_bOk = m_bOk && m_target.InsertNode(&m_a, &rec) != -1;
        rec.Reset();
        rec.pRefNode = &m_a;
        rec.nLength = 150;
        m_bOk = m_bOk && m_target.InsertNode(&m_b, &rec) != -1;
        m_root.RecalcNode(rcOut, RECT{0, 0, 300, 220}, FALSE, TRUE);
        m_pContainer = new SECLNHwndContainer(m_host.m_hWnd);
        m_bOk = m_bOk && m_mgr.RegisterContainer(&m_root, m_pContainer);
        m_feature.SetDockingMgr(&m_mgr);
        PumpMessages(30);
    }
    ~CDockLayout()
    {
        m_host.DestroyWindow();
    }
    POINT Screen(int x, int y)
    {
        POINT pt = {x, y};
        m_host.ClientToScreen(&pt);
        return pt;
    }
    // Nothing of a drag may stay behind.
    void ExpectDragStateGone(const char* name = "")
    {
        EXPECT_FALSE(m_root.IsLayoutFrozen()) << name;
        EXPECT_FALSE(m_node.IsLayoutFrozen()) << name;
        EXPECT_FALSE(SECLNHwndContainer::IsRecalcSuppressed()) << name;
        EXPECT_EQ(SECDragDropDockingFeature::GetCurrentDragInitiator(), nullptr) << name;
        EXPECT_FALSE(m_feature.IsDragging()) << name;
        EXPECT_TRUE(::LockWindowUpdate(m_host.m_hWnd)) << name;
        ::LockWindowUpdate(NULL);
    }
    int ClientIndex(SECLayoutNode* pNode)
    {
        int i = 0;
        for (POSITION pos = m_client.GetFirstChildPosition(); pos != NULL;
             pos = m_client.GetNextChildPosition(pos), ++i)
        {
            if (m_client.GetChildAt(pos) == pNode)
                return i;
        }
        return -1;
    }

    BOOL m_bOk = FALSE;
    CWnd m_ownHost;
    CWnd& m_host; // the given window object, or one of the layout's own
    SECLNDockingMgr m_mgr;
    SECLNHwndContainer* m_pContainer = NULL;
    SECLNBorderClient m_root;
    SECDynGridLineTarget m_target;
    SECClientWndNode m_client;
    CDragNode m_node, m_a, m_b;
    SECLayoutNode m_other, m_last;
    SECDragDropDockingFeature m_feature;
};

} // namespace dock_layout
