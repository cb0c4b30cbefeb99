// SECTreeBase: the tree over its list, the plain window's (SECTreeBaseC, over SECListCtrl) or the
// view's (SECTreeBaseV, over SECListView); the concrete classes (SECTreeCtrl, SECTreeView) add the
// run-time class and the message map. The tree itself is SECTreeEngine, the same for every host;
// this template maps the tree's messages to it and passes them on to the list's handlers.
#pragma once
#include "ListBase.h"
#include "TreeEngine.h"

template <class TList> class SECTreeBase : public TList, public SECTreeEngine
{
  public:
    static CRuntimeClass classTemplateInstance;
    CRuntimeClass* GetRuntimeClass() const override
    {
        return &classTemplateInstance;
    }

    // The tree's operations where the list and its host window have the same names
    using SECTreeEngine::Create;
    using SECTreeEngine::CreateEx;
    using SECTreeEngine::DeleteItem;
    using SECTreeEngine::GetItem;
    using SECTreeEngine::GetItemData;
    using SECTreeEngine::GetItemText;
    using SECTreeEngine::GetNextItem;
    using SECTreeEngine::HitTest;
    using SECTreeEngine::InsertItem;
    using SECTreeEngine::SelectItem;
    using SECTreeEngine::SetItem;
    using SECTreeEngine::SetItemData;
    using SECTreeEngine::SetItemState;

    // Message handlers (mapped by the concrete classes)
    afx_msg void OnDestroy()
    {
        SECTreeEngine::OnDestroy();
        TList::OnDestroy();
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        SECTreeEngine::OnLButtonDown(nFlags, point);
    }
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point)
    {
        SECTreeEngine::OnLButtonDblClk(nFlags, point);
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (!OnAutoExpandTimer(nIDEvent))
            TList::OnTimer(nIDEvent);
    }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        if (!SwallowsChar(nChar))
            TList::OnChar(nChar, nRepCnt, nFlags);
    }
};
