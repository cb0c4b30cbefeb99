// The docking manager: containers per root, node constraints, node memory managers, the
// container under a screen point, offsets, subtree containers and dock events; with the records
// it keeps (node constraints, the record of a drag).
#include "TestSupport.h"
#include "uilib/frames/dockengine/DockInProgressInfo.h"
#include "uilib/frames/dockengine/DockingMgr.h"
#include "uilib/frames/dockengine/DynGridLineTarget.h"
#include "uilib/frames/dockengine/NodeSearch.h"
#include "uilib/frames/layout/DockInterfaces.h"
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
int g_nContainersDeleted = 0;
int g_nNodesDeleted = 0;
int g_nConstraintsDeleted = 0;

class CCountedContainer : public SECLNHwndContainer
{
  public:
    explicit CCountedContainer(HWND hWnd) : SECLNHwndContainer(hWnd)
    {
    }
    ~CCountedContainer() override
    {
        ++g_nContainersDeleted;
    }
};

class CCountedNode : public SECLayoutNode
{
  public:
    ~CCountedNode() override
    {
        ++g_nNodesDeleted;
    }
};

class CCountedConstraints : public SECDockingNodeConstraints
{
  public:
    ~CCountedConstraints() override
    {
        ++g_nConstraintsDeleted;
    }
};

// Records the events it sees under its name; answers as told.
class CReceiverNode : public SECLayoutNode, public ISECDockEventReceiver
{
  public:
    CReceiverNode(std::vector<std::string>& log, const char* name, BOOL bPass)
        : m_log(log), m_name(name), m_bPass(bPass)
    {
    }
    BOOL OnDockEvent(SECLayoutNode* pNode, SECLayoutNode* pOldParent, SECLayoutNode* pNewParent,
                     SECLayoutNode*, CPtrList*) override
    {
        m_log.push_back(m_name);
        m_pNode = pNode;
        m_pOldParent = pOldParent;
        m_pNewParent = pNewParent;
        return m_bPass;
    }
    std::vector<std::string>& m_log;
    std::string m_name;
    BOOL m_bPass;
    SECLayoutNode* m_pNode = NULL;
    SECLayoutNode* m_pOldParent = NULL;
    SECLayoutNode* m_pNewParent = NULL;
};

class CHostWnd : public CWnd
{
  public:
    BOOL CreateAt(int x, int y, int cx, int cy)
    {
        LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
        return CreateEx(WS_EX_TOPMOST, lpszClass, _T("Andocken"), WS_POPUP | WS_VISIBLE, x, y, cx, cy, NULL,
                        NULL);
    }
};

TEST(DockingMgrTest, OneContainerPerRootOwnedByTheManager)
{
    g_nContainersDeleted = 0;
    {
        SECLNDockingMgr mgr;
        SECLayoutNode root, child, grandchild, other;
        root.AddLayoutChild(&child);
        child.AddLayoutChild(&grandchild);
        CCountedContainer* pFirst = new CCountedContainer(::GetDesktopWindow());
        EXPECT_FALSE(mgr.RegisterContainer(NULL, pFirst));
        EXPECT_FALSE(mgr.RegisterContainer(&root, NULL));
        EXPECT_TRUE(mgr.RegisterContainer(&root, pFirst));
        EXPECT_TRUE(mgr.RegisterContainer(&root, pFirst)); // the same again: kept, nothing deleted
        EXPECT_EQ(g_nContainersDeleted, 0);
        EXPECT_EQ(mgr.LookupContainer(&root), pFirst);
        EXPECT_EQ(mgr.LookupContainer(&grandchild), nullptr);
        EXPECT_EQ(mgr.FindContainer(&grandchild), pFirst); // through the floating root
        EXPECT_EQ(mgr.FindContainer(&other), nullptr);
        EXPECT_TRUE(mgr.IsNodeUnderRegisteredRoot(&grandchild));
        EXPECT_TRUE(mgr.IsNodeUnderRegisteredRoot(&root));
        EXPECT_FALSE(mgr.IsNodeUnderRegisteredRoot(&other));
        EXPECT_FALSE(mgr.IsNodeUnderRegisteredRoot(NULL));

        // Another container replaces the first, which goes.
        CCountedContainer* pSecond = new CCountedContainer(::GetDesktopWindow());
        EXPECT_TRUE(mgr.RegisterContainer(&root, pSecond));
        EXPECT_EQ(g_nContainersDeleted, 1);
        EXPECT_EQ(mgr.LookupContainer(&root), pSecond);
        EXPECT_TRUE(mgr.RegisterContainer(&other, new CCountedContainer(::GetDesktopWindow())));
        CPtrList roots, containers;
        mgr.CollectRegisteredNodes(roots);
        ASSERT_EQ(roots.GetCount(), 2);
        EXPECT_EQ(roots.GetHead(), &root);
        EXPECT_EQ(roots.GetTail(), &other);
        mgr.CollectWindowContainers(containers);
        EXPECT_EQ(containers.GetCount(), 2);
        EXPECT_EQ(mgr.FindContainerByWindow(::GetDesktopWindow(), containers), pSecond);
        EXPECT_EQ(mgr.FindContainerByWindow(NULL, containers), nullptr);

        EXPECT_TRUE(mgr.UnregisterContainer(&other));
        EXPECT_FALSE(mgr.UnregisterContainer(&other));
        EXPECT_EQ(g_nContainersDeleted, 2);
    }
    EXPECT_EQ(g_nContainersDeleted, 3); // the one still registered goes with the manager
}

TEST(DockingMgrTest, NodeConstraintsAreMadeOnlyWhenAskedFor)
{
    g_nConstraintsDeleted = 0;
    {
        SECLNDockingMgr mgr;
        SECLayoutNode node;
        EXPECT_EQ(mgr.GetNodeConstraints(&node, FALSE), nullptr);
        EXPECT_EQ(mgr.GetNodeConstraints(&node, FALSE), nullptr); // nothing was registered
        EXPECT_EQ(mgr.GetNodeConstraints(NULL, TRUE), nullptr);
        SECDockingNodeConstraints* pMade = mgr.GetNodeConstraints(&node, TRUE);
        ASSERT_NE(pMade, nullptr);
        EXPECT_EQ(mgr.GetNodeConstraints(&node, FALSE), pMade);
        EXPECT_TRUE(pMade->bResizable);
        EXPECT_EQ(pMade->nOptionA, 1);
        EXPECT_EQ(pMade->nOptionB, 1);
        EXPECT_FALSE(pMade->GetFloatRect(NULL));
        EXPECT_FALSE(pMade->GetLastInsertion(NULL));
        EXPECT_EQ(pMade->pBorderTargetParent, nullptr);

        CCountedConstraints* pFirst = new CCountedConstraints;
        EXPECT_FALSE(mgr.SetNodeConstraints(&node, NULL));
        EXPECT_TRUE(mgr.SetNodeConstraints(&node, pFirst));
        EXPECT_EQ(mgr.GetNodeConstraints(&node, TRUE), pFirst);
        EXPECT_TRUE(mgr.SetNodeConstraints(&node, new CCountedConstraints));
        EXPECT_EQ(g_nConstraintsDeleted, 1);
        EXPECT_TRUE(mgr.RemoveNodeConstraints(&node));
        EXPECT_FALSE(mgr.RemoveNodeConstraints(&node));
        EXPECT_EQ(g_nConstraintsDeleted, 2);
        mgr.SetNodeConstraints(&node, new CCountedConstraints);
    }
    EXPECT_EQ(g_nConstraintsDeleted, 3);
}

TEST(DockingMgrTest, NodeMemoryManagersDeleteTheirNodes)
{
    g_nNodesDeleted = 0;
    {
        SECLNDockingMgr mgr;
        SECLayoutNodeMemoryManager* pFirst = mgr.CreateNodeMemoryManager();
        SECLayoutNodeMemoryManager* pSecond = mgr.CreateNodeMemoryManager();
        CCountedNode* pA = new CCountedNode;
        CCountedNode* pB = new CCountedNode;
        pA->SetMemoryManager(pFirst, FALSE);
        pB->SetMemoryManager(pSecond, FALSE);
        EXPECT_EQ(mgr.GetNodeMemoryManagers().FindOwner(pB), pSecond);
        EXPECT_EQ(mgr.GetNodeMemoryManagers().FindOwner(NULL), nullptr);
        EXPECT_EQ(mgr.GetNodeMemoryManagers().CountEmpty(), 0);
        mgr.CreateNodeMemoryManager();
        EXPECT_EQ(mgr.GetNodeMemoryManagers().CountEmpty(), 1);
        EXPECT_TRUE(mgr.DestroyNodeMemoryManager(pFirst));
        EXPECT_EQ(g_nNodesDeleted, 1);
        EXPECT_FALSE(mgr.DestroyNodeMemoryManager(NULL));
    }
    EXPECT_EQ(g_nNodesDeleted, 2);
}

TEST(DockingMgrTest, ARefusingReceiverKeepsTheEventFromItsChildrenOnly)
{
    std::vector<std::string> log;
    CReceiverNode root(log, "root", TRUE), refuser(log, "refuser", FALSE), below(log, "below", TRUE),
        sibling(log, "sibling", TRUE);
    SECLayoutNode plain;
    CReceiverNode underPlain(log, "underPlain", TRUE);
    root.AddLayoutChild(&refuser);
    refuser.AddLayoutChild(&below);
    root.AddLayoutChild(&plain);
    plain.AddLayoutChild(&underPlain);
    root.AddLayoutChild(&sibling);
    SECLNDockingMgr mgr;
    EXPECT_TRUE(mgr.SendDockEvent(&below, NULL, NULL, NULL));
    // Started at the node itself, then at its root.
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[0], "below");
    EXPECT_EQ(log[1], "root");
    EXPECT_EQ(log[2], "refuser");
    EXPECT_EQ(log[3], "underPlain");
    EXPECT_EQ(log[4], "sibling");
    EXPECT_EQ(sibling.m_pNode, &below);
    EXPECT_EQ(sibling.m_pNewParent, &refuser);
    EXPECT_EQ(sibling.m_pOldParent, nullptr);

    // After a drop: from the old parent's root and from the node's new root.
    log.clear();
    CReceiverNode oldRoot(log, "oldRoot", TRUE);
    EXPECT_TRUE(mgr.SendDockEvent(&below, &oldRoot, &refuser, NULL));
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[0], "oldRoot");
    EXPECT_EQ(log[1], "root");
    EXPECT_EQ(root.m_pOldParent, &oldRoot);
    EXPECT_FALSE(mgr.SendDockEvent(NULL, NULL, NULL, NULL));
    EXPECT_FALSE(mgr.DispatchDockEvent(NULL, &below, NULL, NULL, NULL, NULL));
}

TEST(DockingMgrTest, ContainerUnderAScreenPointOffsetsAndSubtreeContainers)
{
    CHostWnd host, stranger;
    ASSERT_TRUE(host.CreateAt(100, 100, 300, 200));
    ASSERT_TRUE(stranger.CreateAt(500, 100, 100, 100));
    CWnd child;
    ASSERT_TRUE(child.Create(_T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 60), &host, 1));
    PumpMessages(50);
    SECLNDockingMgr mgr;
    SECLNDynamicGridLine root; // reparentable: it takes its container's window as host
    SECLayoutNode node;
    root.Initialize(NULL, TRUE);
    root.SetInitialRect(RECT{0, 0, 300, 200});
    root.InsertNode(&node, NULL);
    node.SetAppliedRect(RECT{20, 30, 60, 50});
    SECLNHwndContainer* pContainer = new SECLNHwndContainer(host.m_hWnd);
    ASSERT_TRUE(mgr.RegisterContainer(&root, pContainer));

    POINT ptOrigin = {0, 0};
    host.ClientToScreen(&ptOrigin);
    POINT ptChild = {ptOrigin.x + 20, ptOrigin.y + 20};
    POINT ptHost = {ptOrigin.x + 200, ptOrigin.y + 150};
    POINT ptStranger = {520, 120};
    EXPECT_EQ(mgr.ContainerFromPoint(ptChild), pContainer); // up from the child window
    EXPECT_EQ(mgr.ContainerFromPoint(ptHost), pContainer);
    EXPECT_EQ(mgr.ContainerFromPoint(ptStranger), nullptr);

    POINT ptOffset = {};
    EXPECT_TRUE(mgr.GetOffsetInContainer(POINT{ptOrigin.x + 25, ptOrigin.y + 33}, &node, &ptOffset));
    EXPECT_EQ(ptOffset.x, 5);
    EXPECT_EQ(ptOffset.y, 3);
    EXPECT_FALSE(mgr.GetOffsetInContainer(ptHost, NULL, &ptOffset));
    SECLayoutNode loose;
    EXPECT_FALSE(mgr.GetOffsetInContainer(ptHost, &loose, &ptOffset));

    EXPECT_EQ(root.GetHostWindow(), (HWND)NULL);
    EXPECT_TRUE(mgr.UpdateSubtreeContainer(&root));
    EXPECT_EQ(root.GetHostWindow(), host.m_hWnd);
    EXPECT_EQ(root.GetContainer(), pContainer);
    EXPECT_FALSE(mgr.UpdateSubtreeContainer(&loose));
    root.RemoveLayoutChild(&node);
    host.DestroyWindow();
    stranger.DestroyWindow();
}

TEST(DockingMgrTest, DefaultManagerIsForgottenWhenDeleted)
{
    SECLNDockingMgr* pBefore = SECLNDockingMgr::GetDefaultDockingMgr();
    {
        SECLNDockingMgr mgr;
        SECLNDockingMgr::SetDefaultDockingMgr(&mgr);
        EXPECT_EQ(SECLNDockingMgr::GetDefaultDockingMgr(), &mgr);
    }
    EXPECT_EQ(SECLNDockingMgr::GetDefaultDockingMgr(), nullptr);
    SECLNDockingMgr::SetDefaultDockingMgr(pBefore);
}

TEST(DockingMgrTest, NodeRecordsKeepFloatRectsAndPlaces)
{
    SECDockingNodeConstraints record;
    RECT rc = {};
    record.SetFloatRect(RECT{1, 2, 3, 4});
    EXPECT_TRUE(record.GetFloatRect(&rc));
    EXPECT_EQ(rc.right, 3);
    SECDynGridInsertConstraints insertion;
    insertion.bResizable = FALSE;
    insertion.nLength = 77;
    record.CopyFrom(insertion);
    EXPECT_FALSE(record.bResizable);
    EXPECT_FALSE(record.bHasLastInsertion);
    record.SetLastInsertion(insertion);
    SECDynGridInsertConstraints out;
    EXPECT_TRUE(record.GetLastInsertion(&out));
    EXPECT_EQ(out.nLength, 77);

    // A docked node's place comes from the dock target holding it, with its side.
    SECDynGridLineTarget grid;
    grid.Initialize(NULL, TRUE);
    grid.SetDockPosition(2);
    SECLayoutNode a, b, loose;
    grid.InsertNode(&a, NULL);
    SECDynGridInsertConstraints next;
    next.pRefNode = &a;
    grid.InsertNode(&b, &next);
    SECDockingNodeConstraints place;
    EXPECT_FALSE(place.RecordCurrentPlace(&loose));
    EXPECT_FALSE(place.RecordCurrentPlace(NULL));
    EXPECT_FALSE(place.bHasLastInsertion);
    EXPECT_TRUE(place.RecordCurrentPlace(&b));
    EXPECT_TRUE(place.GetLastInsertion(&out));
    int nIndex = -1;
    EXPECT_TRUE(out.GetIndex(&nIndex));
    EXPECT_EQ(nIndex, 0);
    EXPECT_TRUE(out.bAfter);
    EXPECT_EQ(out.nLineIndex, 0);
    SECDockInsertionConstraints side;
    EXPECT_TRUE(place.GetLastInsertion(&side));
    EXPECT_EQ(side.nDockPosition, 2);
}

TEST(DockingMgrTest, DragRecordResetsEveryField)
{
    SECDockInProgressInfo info;
    EXPECT_FALSE(info.GetRect(NULL));
    info.ptGrabOffset = POINT{3, 4};
    info.rcStart = RECT{1, 1, 5, 5};
    info.bHorizontal = FALSE;
    info.SetRect(RECT{10, 20, 30, 40});
    RECT rc = {};
    EXPECT_TRUE(info.GetRect(&rc));
    EXPECT_EQ(rc.bottom, 40);
    info.Reset();
    EXPECT_EQ(info.ptGrabOffset.x, 0);
    EXPECT_TRUE(::IsRectEmpty(&info.rcStart));
    EXPECT_TRUE(info.bHorizontal);
    EXPECT_FALSE(info.GetRect(&rc));
}

TEST(NodeSearchTest, ChildAtPointAndDescendants)
{
    SECLayoutNode root, a, b, deep;
    root.AddLayoutChild(&a);
    root.AddLayoutChild(&b);
    b.AddLayoutChild(&deep);
    a.SetAppliedRect(RECT{0, 0, 10, 10});
    b.SetAppliedRect(RECT{10, 0, 50, 10});
    deep.SetAppliedRect(RECT{20, 0, 30, 10});
    POINT pt = {25, 5};
    EXPECT_EQ(FindChildNodeAtPoint(&root, &pt, FALSE), &b);
    EXPECT_EQ(FindChildNodeAtPoint(&root, &pt, TRUE), &b); // a parent before its children
    EXPECT_EQ(FindChildNodeAtPoint(&b, &pt, TRUE), &deep);
    POINT ptOut = {60, 5};
    EXPECT_EQ(FindChildNodeAtPoint(&root, &ptOut, TRUE), nullptr);
    EXPECT_TRUE(IsDescendantNode(&root, &deep));
    EXPECT_FALSE(IsDescendantNode(&deep, &root));
    EXPECT_FALSE(IsDescendantNode(&root, &root));
    EXPECT_FALSE(IsDescendantNode(NULL, &root));
}
} // namespace
