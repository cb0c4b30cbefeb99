// SECDefDockNodeBase: the node that moves in a docking drag. It draws the drag outline on the
// screen (erasing the previous one in the same step) and, hidden, leaves its parent through the
// parent's undo object so that showing it again puts it back at its place.
#pragma once
#include "uilib/frames/dockengine/DockRoleInterfaces.h"
#include "uilib/frames/dockengine/UndoableNode.h"
#include "uilib/frames/layout/HideableNode.h"

class SECDefDockNodeBase : public ISECDockableNode, public SECDefHideableNode
{
  public:
    // Construction
    SECDefDockNodeBase();

    // Overridables (dockable)
    SECLayoutNode* GetDockableNode() override;
    BOOL GetFeedbackRect(const POINT*, RECT*, SECLNDockingMgr*, SECDockInProgressInfo*) override
    {
        return FALSE;
    }
    BOOL DrawFeedback(HDC hdc, const RECT* pRect, ISECDockTarget* pTarget) override;
    BOOL EraseFeedback(HDC hdc) override;
    BOOL FloatAt(const POINT*, SECLNDockingMgr*, SECDockInProgressInfo*) override
    {
        return FALSE;
    }
    void OnAfterDock(SECLNDockingMgr* pMgr, CPtrList* pAffected) override;
    ISECDockInitiator* GetDockInitiator() override;
    void GetOutlineStyle(BOOL bNoTarget, SIZE* pSize, RECT* pRect, int* pnPrevBrush) override;
    CBrush* GetOutlineBrush(int nKind) override;

    // Overridables (hideable)
    BOOL SetVisible(BOOL bVisible) override;

    // Attributes
    const RECT& GetLastOutline() const
    {
        return m_rcLast;
    }

  protected:
    RECT m_rcLast;
    SIZE m_sizeLast;
    int m_nLastBrush;
    ISECUndoableNode* m_pHiddenUndo;
};
