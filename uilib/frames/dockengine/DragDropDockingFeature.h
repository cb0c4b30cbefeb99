// SECDragDropDockingFeature: takes every step of a docking drag from a docking listener's drag
// task. It finds the dock initiator under the press, asks the target under the cursor where the
// node would go, draws that outline on the screen, and at the drop lets the target (or the node
// itself, to float) carry out the move. Each docking listener owns one.
#pragma once
#include "uilib/frames/dockengine/DockInProgressInfo.h"
#include "uilib/frames/dockengine/DockRoleInterfaces.h"
#include "uilib/frames/layout/LNContainer.h"

class SECLNDockingMgr;

// The steps of a drag as a drag task hands them on. Key flags are MK_* bits; points are screen
// coordinates.
class ISECDragDropFeature
{
  public:
    virtual BOOL QueryStartDrag(DWORD dwKeys, const POINT* pt) = 0;
    virtual BOOL BeginDrag(DWORD dwKeys, const POINT* pt) = 0;
    // FALSE ends an OLE drag.
    virtual BOOL DragMove(DWORD dwKeys, const POINT* pt) = 0;
    virtual BOOL EndDrag(DWORD dwKeys, const POINT* pt, BOOL bDropped) = 0;
    virtual BOOL DoubleClick(DWORD dwKeys, const POINT* pt) = 0;
    virtual ~ISECDragDropFeature()
    {
    }
};

class SECDragDropDockingFeature : public ISECDragDropFeature
{
  public:
    // Construction
    SECDragDropDockingFeature();
    ~SECDragDropDockingFeature() override;
    SECDragDropDockingFeature(const SECDragDropDockingFeature&) = delete;
    SECDragDropDockingFeature& operator=(const SECDragDropDockingFeature&) = delete;

    // Drag steps
    BOOL QueryStartDrag(DWORD dwKeys, const POINT* pt) override;
    BOOL BeginDrag(DWORD dwKeys, const POINT* pt) override;
    BOOL DragMove(DWORD dwKeys, const POINT* pt) override;
    BOOL EndDrag(DWORD dwKeys, const POINT* pt, BOOL bDropped) override;
    BOOL DoubleClick(DWORD dwKeys, const POINT* pt) override;

    // Overridables
    virtual BOOL StartDockDrag(DWORD dwKeys, const POINT* pt, BOOL bFirst);
    virtual BOOL TrackDockDrag(DWORD dwKeys, const POINT* pt, BOOL bShow);
    virtual BOOL FinishDockDrag(DWORD dwKeys, const POINT* pt, BOOL bDrop, BOOL bFinal);
    virtual HDC GetFeedbackDC();
    virtual void ReleaseFeedbackDC(HDC hdc);
    virtual ISECDockInitiator* HitTestInitiator(SECLNDockingMgr* pMgr, const POINT* pt, BOOL bFirst);
    virtual BOOL CarryOutDrop(const POINT* pt, ISECDockableNode* pHandler, ISECDockTarget* pTarget,
                              SECLNDockingMgr* pMgr);
    virtual ISECDockTarget* HitTestTarget(const POINT* pt, SECLNDockingMgr* pMgr, ISECLNContainer* pExcluded);
    ISECLNContainer* DraggedFrameContainer(SECLNDockingMgr* pMgr);
    // Ctrl held: no target, the node floats.
    virtual BOOL IsDockingSuppressed(const POINT* pt, DWORD dwKeys, ISECDockTarget** ppTarget);
    virtual ISECDockableNode* GetDropHandler(const POINT* pt, ISECDockTarget* pTarget, SECLNDockingMgr* pMgr);
    virtual void MarkDragNode(SECLayoutNode* pNode, BOOL bOn, SECLNDockingMgr* pMgr, BOOL bFinal,
                              BOOL bNoTarget);

    // Attributes
    void SetDockingMgr(SECLNDockingMgr* pMgr)
    {
        m_pDockingMgr = pMgr;
    }
    // The manager in use: the given one or the process-wide one.
    SECLNDockingMgr* GetDockingMgr() const;
    SECDockInProgressInfo* GetDockInfo() const
    {
        return m_pDockInfo;
    }
    BOOL IsDragging() const
    {
        return m_pDragNode != NULL;
    }

    // Process-wide drag state (one drag at a time)
    static ISECDockInitiator* PASCAL GetCurrentDragInitiator();
    static void PASCAL SetCurrentDragInitiator(ISECDockInitiator* pInitiator);
    // The node of the last drag that started; cleared when a drag ends for good.
    static SECLayoutNode* PASCAL GetLastDragNode();

  protected:
    // Takes back what a start did before it was refused.
    void UndoRefusedStart(SECLayoutNode* pMarked);

    SECLNDockingMgr* m_pDockingMgr;
    HDC m_hFeedbackDC;
    CPtrList* m_pAffectedNodes;
    ISECDockableNode* m_pLastDropHandler;
    SECLayoutNode* m_pDragContext;
    SECDockInProgressInfo* m_pDockInfo;
    BOOL m_bInDragMove;
    POINT m_ptLast;
    ISECDockInitiator* m_pUndockedInitiator;
    SECLayoutNode* m_pDragNode;
    SECLayoutNode* m_pDragRoot;
    ISECLNContainer* m_pDragContainer;
    RECT m_rcDragNode;
};
