// SECLNDynamicGrid2d: a dock area's grid, a line whose nodes are lines. The lines run across the
// grid's own axis and are stacked along it; a node goes into an existing line or gets a line of
// its own. The grid deletes a line that lost its last node; lines belong to the grid's memory
// manager when it has one, else to the grid.
#pragma once
#include "uilib/frames/dockengine/DynamicGridLine.h"
#include "uilib/frames/layout/DockInterfaces.h"

class SECLNDynamicGrid2d : public SECLNDynamicGridLine, public ISECPreferredNodeRectSet
{
  public:
    // Construction
    SECLNDynamicGrid2d();
    ~SECLNDynamicGrid2d() override;

    // Overridables (layout node)
    int RemoveLayoutChild(SECLayoutNode* pNode) override;
    void CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce) override;

    // Overridables (line)
    void EnableSplitters(BOOL bEnable) override;
    // bHorizontal is the direction of the lines; the grid stacks them the other way.
    void Initialize(HWND hWndHost, BOOL bHorizontal) override;
    int InsertNode(SECLayoutNode* pNode, SECDynGridInsertConstraints* pConstraints) override;
    SECLayoutNode* FindNodeAt(POINT pt, BOOL* pbAfter, SECLNDynamicGridLine** ppLine) override;
    int GetNodeCount() const override;
    SECLayoutNode* GetFirstNode() const override;
    void CollectNodes(CPtrList& list) const override;
    BOOL GetNodeConstraints(SECLayoutNode* pNode, SECDynGridInsertConstraints* pConstraints) override;

    // Preferred rectangle from the present layout
    void UpdatePreferredRect() override;

    // Operations
    int GetLineCount() const
    {
        return SECLNDynamicGridLine::GetNodeCount();
    }
    SECLNDynamicGridLine* GetLineAt(int nIndex) const;
    // The line holding pNode, NULL when none does.
    SECLNDynamicGridLine* FindLineOf(SECLayoutNode* pNode) const;
    BOOL HasChanged() const
    {
        return m_bChanged;
    }

  protected:
    BOOL OrientsInsertedNode(const SECDynGridInsertConstraints* pConstraints) const override;
    virtual SECLNDynamicGridLine* NewLine();
    void DeleteLine(SECLNDynamicGridLine* pLine);

    BOOL m_bChanged;
};
