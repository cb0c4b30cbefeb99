// SECLNBorder_T: wraps exactly one child node in four border widths. The child gets the node's
// rectangle minus the borders; the node's limits are the child's plus the borders. Base is
// SECLayoutNode, or SECLayoutNodeDCBase for nodes that paint in their border.
#pragma once
#include "uilib/frames/layout/LayoutNode.h"
#include "uilib/frames/layout/HideableNode.h"
#include <algorithm>

template <class Base> class SECLNBorder_T : public Base
{
  public:
    // Construction
    SECLNBorder_T()
        : m_nLeftBorder(0), m_nRightBorder(0), m_nTopBorder(0), m_nBottomBorder(0), m_nPendingTop(0),
          m_nPendingBottom(0), m_nPendingLeft(0), m_nPendingRight(0)
    {
    }

    // Overridables
    // One child only: a second is not added (the count is returned).
    int AddLayoutChild(SECLayoutNode* pChild) override
    {
        if (HasWrappedNode())
            return std::max(this->GetChildCount(FALSE), 1);
        return Base::AddLayoutChild(pChild);
    }
    int RemoveLayoutChild(SECLayoutNode* pChild) override
    {
        return Base::RemoveLayoutChild(pChild);
    }
    void GetPreferredRect(RECT& rc) override
    {
        SECLayoutNode* pWrapped = GetWrappedNode();
        if (pWrapped == NULL)
        {
            this->GetAppliedRect(rc);
            return;
        }
        pWrapped->GetPreferredRect(rc);
        rc.left -= m_nLeftBorder;
        rc.top -= m_nTopBorder;
        rc.right += m_nRightBorder;
        rc.bottom += m_nBottomBorder;
    }
    void SetPreferredRect(const RECT& rc) override
    {
        Base::SetPreferredRect(rc);
        if (SECLayoutNode* pWrapped = GetWrappedNode())
        {
            RECT rcInner = {rc.left + m_nLeftBorder, rc.top + m_nTopBorder, rc.right - m_nRightBorder,
                            rc.bottom - m_nBottomBorder};
            pWrapped->SetPreferredRect(rcInner);
        }
    }
    void CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL) override
    {
        RECT r = rc;
        if (bConstrain)
        {
            ApplyPendingEdges(r);
            GrowToChildLimits(r);
        }
        if (r.right <= r.left)
            r.right = r.left;
        if (r.bottom <= r.top)
            r.bottom = r.top;
        this->SetAppliedRect(r);
        if (SECLayoutNode* pWrapped = GetWrappedNode())
        {
            // Borders wider than the rectangle leave the child empty, never inverted.
            RECT inner = {r.left + m_nLeftBorder, r.top + m_nTopBorder, r.right - m_nRightBorder,
                          r.bottom - m_nBottomBorder};
            inner.left = std::min(std::max(inner.left, r.left), r.right);
            inner.top = std::min(std::max(inner.top, r.top), r.bottom);
            inner.right = std::max(std::min(inner.right, r.right), inner.left);
            inner.bottom = std::max(std::min(inner.bottom, r.bottom), inner.top);
            UpdateMinMaxFromChild();
            RecalcWrappedNode(pWrapped, inner);
        }
        rcOut = r;
    }

    // Appended operations
    virtual SECLayoutNode* GetWrappedNode()
    {
        return HasWrappedNode() ? this->GetChildAt(this->GetFirstChildPosition()) : NULL;
    }
    virtual int HasWrappedNode()
    {
        return this->GetChildCount(FALSE);
    }
    virtual void RecalcWrappedNode(SECLayoutNode* pNode, const RECT& rc)
    {
        RECT rcIgnored;
        pNode->RecalcNode(rcIgnored, rc, FALSE, TRUE);
    }
    virtual void UpdateMinMaxFromChild()
    {
        SECLayoutNode* pWrapped = GetWrappedNode();
        if (pWrapped == NULL)
            return;
        ISECHideableNode* pHideable = SECNodeInterface<ISECHideableNode>(pWrapped);
        if (pHideable != NULL && !pHideable->IsVisible())
        {
            SIZE sizeZero = {0, 0};
            this->SetMinMaxSize(sizeZero, sizeZero, 0);
            return;
        }
        SIZE sizeMin, sizeMax;
        DWORD dwFlags;
        pWrapped->GetMinMaxSize(sizeMin, sizeMax, dwFlags);
        int cx = m_nLeftBorder + m_nRightBorder, cy = m_nTopBorder + m_nBottomBorder;
        sizeMin.cx += cx;
        sizeMax.cx += cx;
        sizeMin.cy += cy;
        sizeMax.cy += cy;
        this->SetMinMaxSize(sizeMin, sizeMax, dwFlags);
    }
    virtual int ApplyPendingEdges(RECT& rc)
    {
        rc.top += m_nPendingTop;
        rc.bottom += m_nPendingBottom;
        rc.left += m_nPendingLeft;
        rc.right += m_nPendingRight;
        m_nPendingTop = m_nPendingBottom = m_nPendingLeft = m_nPendingRight = 0;
        return 0;
    }
    virtual void GrowToChildLimits(RECT& rc)
    {
        SECLayoutNode* pWrapped = GetWrappedNode();
        if (pWrapped == NULL)
            return;
        RECT rcCur, rcRes;
        pWrapped->GetAppliedRect(rcCur);
        pWrapped->RecalcNode(rcRes, rcCur, TRUE, TRUE);
        rc.right += (rcRes.right - rcRes.left) - (rcCur.right - rcCur.left);
        rc.bottom += (rcRes.bottom - rcRes.top) - (rcCur.bottom - rcCur.top);
    }

    // Operations
    void SetBorders(int nLeft, int nTop, int nRight, int nBottom)
    {
        m_nLeftBorder = nLeft;
        m_nTopBorder = nTop;
        m_nRightBorder = nRight;
        m_nBottomBorder = nBottom;
    }
    void GetBorders(int& nLeft, int& nTop, int& nRight, int& nBottom) const
    {
        nLeft = m_nLeftBorder;
        nTop = m_nTopBorder;
        nRight = m_nRightBorder;
        nBottom = m_nBottomBorder;
    }
    void AddPendingEdges(int nTop, int nBottom, int nLeft, int nRight)
    {
        m_nPendingTop += nTop;
        m_nPendingBottom += nBottom;
        m_nPendingLeft += nLeft;
        m_nPendingRight += nRight;
    }

  protected:
    int m_nLeftBorder;
    int m_nRightBorder;
    int m_nTopBorder;
    int m_nBottomBorder;
    int m_nPendingTop;
    int m_nPendingBottom;
    int m_nPendingLeft;
    int m_nPendingRight;
};
