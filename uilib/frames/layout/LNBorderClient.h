// SECLNBorderClient: divides its rectangle into four borders and a client area, each held by one
// child node: docked bars at the edges, the client window in the middle. Borders take their
// preferred sizes (shrunk when the two of an axis do not fit); the client takes the rest, moved
// into its own limits at the borders' expense.
#pragma once
#include "uilib/frames/layout/LayoutNode.h"

// Positions of the border client's nodes (also the docking engine's sides).
enum
{
    SEC_LN_POS_TOP = 0,
    SEC_LN_POS_BOTTOM = 1,
    SEC_LN_POS_LEFT = 2,
    SEC_LN_POS_RIGHT = 3,
    SEC_LN_POS_CLIENT = 4,
    SEC_LN_POS_COUNT = 5
};

// Told when the client area of a border client changes.
class ISECLNBorderClientEventRcvr
{
  public:
    virtual ~ISECLNBorderClientEventRcvr()
    {
    }
    virtual void OnClientRectChanged(const RECT& rcClient) = 0;
};

class SECLNBorderClient : public SECLayoutNode
{
  public:
    // Construction
    SECLNBorderClient();
    ~SECLNBorderClient() override;

    // Overridables
    int AddLayoutChild(SECLayoutNode* pChild) override;
    int RemoveLayoutChild(SECLayoutNode* pChild) override;
    void CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce) override;
    virtual BOOL GetNodePosition(SECLayoutNode* pNode, int& nPos);
    virtual SECLayoutNode* GetPositionNode(int nPos);
    virtual int AddPositionNode(SECLayoutNode* pNode, int nPos);
    virtual void SplitPositions(RECT& rcClient, const RECT& rc, RECT& rcTop, RECT& rcBottom, RECT& rcLeft,
                                RECT& rcRight);
    virtual BOOL GetNextFreePosition(int& nPos);
    virtual BOOL SetPositionNode(SECLayoutNode* pNode, int nPos);
    virtual BOOL ClearNodePosition(SECLayoutNode* pNode);
    virtual void SplitTopBottomFirst(RECT& rcClient, const RECT& rc, RECT& rcTop, RECT& rcBottom,
                                     RECT& rcLeft, RECT& rcRight);
    virtual void SplitLeftRightFirst(RECT& rcClient, const RECT& rc, RECT& rcTop, RECT& rcBottom,
                                     RECT& rcLeft, RECT& rcRight);
    virtual BOOL FitClientToLimits(const RECT& rc, RECT& rcClient, RECT& rcTop, RECT& rcBottom, RECT& rcLeft,
                                   RECT& rcRight);
    virtual void ShiftClientEdges(SECLayoutNode* pBefore, SECLayoutNode* pAfter, const RECT& rcBounds,
                                  RECT& rcClient, int nDelta, BOOL bHorizontal);
    virtual void ClipClientRect(RECT& rcClient, const RECT& rc);
    virtual void JoinBordersToClient(const RECT& rcClient, RECT& rcTop, RECT& rcBottom, RECT& rcLeft,
                                     RECT& rcRight);
    virtual BOOL ArrangePositions(const RECT& rc, RECT& rcTop, RECT& rcBottom, RECT& rcLeft, RECT& rcRight);
    virtual BOOL ConstrainBordersTopBottomFirst(const RECT& rc, RECT& rcTop, RECT& rcBottom, RECT& rcLeft,
                                                RECT& rcRight);
    virtual BOOL ConstrainBordersLeftRightFirst(const RECT& rc, RECT& rcTop, RECT& rcBottom, RECT& rcLeft,
                                                RECT& rcRight);
    virtual void RecalcPositionNodes(const RECT& rcClient, const RECT& rcTop, const RECT& rcBottom,
                                     const RECT& rcLeft, const RECT& rcRight);
    virtual double CalcShrinkFactor(int nAvailable, int a, int b);
    virtual RECT ClientFromBorders(const RECT& rcTop, const RECT& rcBottom, const RECT& rcLeft,
                                   const RECT& rcRight);
    virtual void GetBorderSizes(RECT& rcTop, RECT& rcBottom, RECT& rcLeft, RECT& rcRight);
    virtual void GetBorderSize(SECLayoutNode* pNode, RECT& rc);

    // Attributes
    // 0: top and bottom borders run the full width; otherwise the left and right ones run the
    // full height.
    void SetArrangementMode(int nMode)
    {
        m_nArrangeMode = nMode;
    }
    int GetArrangementMode() const
    {
        return m_nArrangeMode;
    }
    void SetEventReceiver(ISECLNBorderClientEventRcvr* pRcvr)
    {
        m_pEventRcvr = pRcvr;
    }
    ISECLNBorderClientEventRcvr* GetEventReceiver() const
    {
        return m_pEventRcvr;
    }

  protected:
    SECLayoutNode* m_pPosNodes[SEC_LN_POS_COUNT];
    int m_nArrangeMode;
    ISECLNBorderClientEventRcvr* m_pEventRcvr;

  private:
    // Sizes one border edge to its node's constrained result; TRUE when the size changed.
    BOOL ConstrainBorder(int nPos, RECT& rcBorder, const RECT& rc, RECT& rcBefore);
    // Both orders: the first pair is sized and bounds the other pair, which is sized after it.
    BOOL ConstrainBordersInOrder(BOOL bTopBottomFirst, const RECT& rc, RECT& rcTop, RECT& rcBottom,
                                 RECT& rcLeft, RECT& rcRight);
};
