// The roles a layout node takes in docking: a node where a drag may start (initiator), the node
// that moves (dockable), a node that takes dropped nodes (target), and the hooks the hit tests
// ask. Nodes offer them by deriving from them; they are asked through SECNodeInterface.
#pragma once
#include "afxwin.h"

class SECLayoutNode;
class SECLNDockingMgr;
class SECDockInProgressInfo;
class SECDockingNodeConstraints;
class SECDockInsertionConstraints;
class ISECDockTarget;
class ISECDockableNode;

class ISECDockInitiator
{
  public:
    virtual ~ISECDockInitiator()
    {
    }
    // The layout node the drag moves.
    virtual SECLayoutNode* GetInitiatorNode() = 0;
    // Takes the node out of its parent; the former parent (or the node when it had none), NULL
    // when the drag may not begin.
    virtual SECLayoutNode* BeginDockDrag(SECLNDockingMgr* pMgr, BOOL bFirst,
                                         SECDockInProgressInfo* pInfo) = 0;
    virtual ISECDockableNode* GetDropHandler(ISECDockTarget* pTarget, const POINT* pt, SECLNDockingMgr* pMgr,
                                             CPtrList* pAffected) = 0;
    virtual void OnAfterDrop(ISECDockTarget* pTarget, const POINT* pt, SECLNDockingMgr* pMgr,
                             CPtrList* pAffected) = 0;
    virtual void OnDocked(ISECDockableNode* pHandler, SECLNDockingMgr* pMgr) = 0;
    // Puts the node back where the drag took it from.
    virtual void CancelDockDrag() = 0;
    virtual void EndDockDrag() = 0;
    virtual BOOL IsFloatingInitiator() = 0;
    virtual ISECDockInitiator* GetFloatingInitiator() = 0;
    // Floats the node without a drag, at the screen rectangle or where it floated last.
    virtual BOOL FloatNode(SECLNDockingMgr* pMgr, const RECT* pRect) = 0;
    // Docks the node without a drag where the constraints (or its last place) say.
    virtual BOOL RedockNode(SECLNDockingMgr* pMgr, SECDockInsertionConstraints* pConstraints) = 0;
    virtual BOOL OnDoubleClick(SECLNDockingMgr* pMgr) = 0;
    virtual ISECDockTarget* GetLastDockTarget(SECLNDockingMgr* pMgr, SECDockingNodeConstraints* pRecord,
                                              SECDockInsertionConstraints* pConstraints) = 0;
};

class ISECDockableNode
{
  public:
    virtual ~ISECDockableNode()
    {
    }
    virtual SECLayoutNode* GetDockableNode() = 0;
    // The outline at the screen point when no target takes the node; FALSE for none.
    virtual BOOL GetFeedbackRect(const POINT* pt, RECT* pRect, SECLNDockingMgr* pMgr,
                                 SECDockInProgressInfo* pInfo) = 0;
    // Draws the outline (screen coordinates), erasing the previous one in the same step.
    virtual BOOL DrawFeedback(HDC hdc, const RECT* pRect, ISECDockTarget* pTarget) = 0;
    virtual BOOL EraseFeedback(HDC hdc) = 0;
    virtual BOOL FloatAt(const POINT* pt, SECLNDockingMgr* pMgr, SECDockInProgressInfo* pInfo) = 0;
    virtual void OnAfterDock(SECLNDockingMgr* pMgr, CPtrList* pAffected) = 0;
    virtual ISECDockInitiator* GetDockInitiator() = 0;
    virtual void GetOutlineStyle(BOOL bNoTarget, SIZE* pSize, RECT* pRect, int* pnPrevBrush) = 0;
    virtual CBrush* GetOutlineBrush(int nKind) = 0;
};

class ISECDockTarget
{
  public:
    virtual ~ISECDockTarget()
    {
    }
    virtual SECLayoutNode* GetTargetNode() = 0;
    // Where the dragged node would go for the screen point, in screen coordinates.
    virtual BOOL GetFeedbackRect(const POINT* pt, RECT* pRect, SECLNDockingMgr* pMgr,
                                 SECDockInProgressInfo* pInfo) = 0;
    virtual BOOL AcceptDrop(ISECDockableNode* pDockable, const POINT* pt, SECLNDockingMgr* pMgr,
                            SECDockInProgressInfo* pInfo) = 0;
    virtual SECLayoutNode* CreateInsertionNode() = 0;
    // ptContainer in the target's container coordinates.
    virtual BOOL TrackOverTarget(SECLayoutNode* pNode, POINT ptContainer, POINT ptScreen, BOOL bDrop,
                                 SECLNDockingMgr* pMgr, SECDockInProgressInfo* pInfo) = 0;
    virtual BOOL LeaveTarget(SECLayoutNode* pNode) = 0;
};

// A parent that wants to know the nodes a drag affects while one of its children is out.
class ISECDragEventGarbageCollector
{
  public:
    virtual ~ISECDragEventGarbageCollector()
    {
    }
    virtual void SetAffectedList(CPtrList* pList) = 0;
};

// Hit-test hooks: a node answers for its direct children. Bit 1: nothing here; bit 2: this node.
#define SEC_HOOKHIT_NONE 0x0001
#define SEC_HOOKHIT_THIS 0x0002

class ISECHookDockSourceHitTester
{
  public:
    virtual ~ISECHookDockSourceHitTester()
    {
    }
    virtual DWORD HookSourceHitTest(const POINT* ptContainer, SECLayoutNode* pChild) = 0;
};

class ISECHookDockTargetHitTester
{
  public:
    virtual ~ISECHookDockTargetHitTester()
    {
    }
    virtual DWORD HookTargetHitTest(const POINT* ptContainer, SECLayoutNode* pChild) = 0;
};

// A node that takes points outside its own rectangle (container coordinates).
class ISECOffNodeHitTest
{
  public:
    virtual ~ISECOffNodeHitTest()
    {
    }
    virtual BOOL HitTestOffNode(const POINT* ptContainer) = 0;
};
