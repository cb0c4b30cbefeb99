// SECLNDockHitTester: finds, at a screen point, the node that may start a drag (initiator tester)
// or the node that would take the dragged node (target tester), over the layout trees the docking
// manager knows. SECLNOffNodeIFaceHitTest_T finds targets that take points outside their own
// rectangle. Made on the stack for each question.
#pragma once
#include "uilib/frames/dockengine/DockRoleInterfaces.h"
#include "uilib/frames/dockengine/DockingMgr.h"
#include "uilib/frames/dockengine/NodeSearch.h"

template <class I> class SECLNDockHitTester
{
  public:
    // Construction
    explicit SECLNDockHitTester(ISECLNContainer* pExcluded = NULL) : m_pExcluded(pExcluded)
    {
    }
    virtual ~SECLNDockHitTester()
    {
    }

    // Overridables
    virtual I* HitTestRoot(SECLayoutNode* pRoot, SECLNDockingMgr* pMgr, const POINT* pt, BOOL bStrict)
    {
        return HitTestInContainer(pRoot, pt, pMgr->LookupContainer(pRoot), bStrict);
    }
    // The one answer under the point; NULL for none or more than one.
    virtual I* HitTest(SECLNDockingMgr* pMgr, const POINT* pt, BOOL bStrict)
    {
        if (pMgr == NULL || pt == NULL)
            return NULL;
        CPtrList candidates(10), results(10);
        if (CollectCandidates(pMgr, pt, candidates) == 0)
            return NULL;
        FilterCandidates(pMgr, pt, candidates);
        HitTestCandidates(candidates, results, pMgr, pt, bStrict);
        return results.GetCount() == 1 ? (I*)results.GetHead() : NULL;
    }
    virtual void HitTestCandidates(CPtrList& candidates, CPtrList& results, SECLNDockingMgr* pMgr,
                                   const POINT* pt, BOOL bStrict)
    {
        for (POSITION pos = candidates.GetHeadPosition(); pos != NULL;)
        {
            if (I* pFound = HitTestRoot((SECLayoutNode*)candidates.GetNext(pos), pMgr, pt, bStrict))
                results.AddTail(pFound);
        }
    }
    virtual DWORD HookHitTest(ISECLNContainer*, const POINT*, SECLayoutNode*)
    {
        return 0;
    }
    virtual int CollectCandidates(SECLNDockingMgr* pMgr, const POINT* pt, CPtrList& list)
    {
        CPtrList roots(10);
        pMgr->CollectRegisteredNodes(roots);
        for (POSITION pos = roots.GetHeadPosition(); pos != NULL;)
        {
            SECLayoutNode* pRoot = (SECLayoutNode*)roots.GetNext(pos);
            if (IsPointInNode(pRoot, pt, pMgr->LookupContainer(pRoot)))
                list.AddTail(pRoot);
        }
        return (int)list.GetCount();
    }
    virtual BOOL IsPointInNode(SECLayoutNode* pNode, const POINT* pt, ISECLNContainer* pContainer)
    {
        if (pNode == NULL || pt == NULL || pContainer == NULL)
            return FALSE;
        POINT ptContainer = *pt;
        if (!pContainer->ScreenToNode(&ptContainer))
            return FALSE;
        RECT rc;
        pNode->GetAppliedRect(rc);
        return ::PtInRect(&rc, ptContainer);
    }
    // Only candidates in the container under the point remain, never in the excluded one, whose
    // window (the frame being dropped) does not hide what lies below it.
    virtual void FilterCandidates(SECLNDockingMgr* pMgr, const POINT* pt, CPtrList& list)
    {
        ISECLNContainer* pUnder = pMgr->ContainerFromPoint(*pt, m_pExcluded);
        for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        {
            POSITION posThis = pos;
            ISECLNContainer* pContainer = pMgr->FindContainer((SECLayoutNode*)list.GetNext(pos));
            if (pContainer == m_pExcluded || pContainer != pUnder)
                list.RemoveAt(posThis);
        }
    }
    virtual I* HitTestInContainer(SECLayoutNode* pNode, const POINT* pt, ISECLNContainer* pContainer,
                                  BOOL bStrict)
    {
        if (pNode == NULL || pContainer == NULL || !IsPointInNode(pNode, pt, pContainer))
            return NULL;
        return HitTestNode(pNode, pt, pContainer, bStrict);
    }
    // The deepest node under the point that offers I; with bStrict a node whose child covers the
    // point never answers for it.
    virtual I* HitTestNode(SECLayoutNode* pNode, const POINT* pt, ISECLNContainer* pContainer, BOOL bStrict)
    {
        I* pThis = SECNodeInterface<I>(pNode);
        if (pThis != NULL)
        {
            const DWORD dwHook = HookHitTest(pContainer, pt, pNode);
            if (dwHook & SEC_HOOKHIT_NONE)
                return NULL;
            if (dwHook & SEC_HOOKHIT_THIS)
                return pThis;
        }
        SECLayoutNode* pChild = FindChildAtPoint(pNode, pt, pContainer);
        if (pChild == NULL)
            return pThis;
        I* pAnswer = HitTestNode(pChild, pt, pContainer, bStrict);
        if (pAnswer == NULL && !bStrict)
            return pThis;
        return pAnswer;
    }
    virtual SECLayoutNode* FindChildAtPoint(SECLayoutNode* pNode, const POINT* pt,
                                            ISECLNContainer* pContainer)
    {
        for (POSITION pos = pNode->GetFirstChildPosition(); pos != NULL;
             pos = pNode->GetNextChildPosition(pos))
        {
            SECLayoutNode* pChild = pNode->GetChildAt(pos);
            if (IsPointInNode(pChild, pt, pContainer))
                return pChild;
        }
        return NULL;
    }

  protected:
    ISECLNContainer* m_pExcluded;
};

class SECDockInitiatorHitTester : public SECLNDockHitTester<ISECDockInitiator>
{
  public:
    // Initiators are always searched strictly.
    ISECDockInitiator* HitTestRoot(SECLayoutNode* pRoot, SECLNDockingMgr* pMgr, const POINT* pt,
                                   BOOL) override
    {
        return SECLNDockHitTester<ISECDockInitiator>::HitTestRoot(pRoot, pMgr, pt, TRUE);
    }
    ISECDockInitiator* HitTest(SECLNDockingMgr* pMgr, const POINT* pt, BOOL) override
    {
        return SECLNDockHitTester<ISECDockInitiator>::HitTest(pMgr, pt, TRUE);
    }
    DWORD HookHitTest(ISECLNContainer* pContainer, const POINT* pt, SECLayoutNode* pNode) override
    {
        ISECHookDockSourceHitTester* pHook = SECNodeInterface<ISECHookDockSourceHitTester>(pNode);
        if (pHook == NULL || pContainer == NULL)
            return 0;
        POINT ptContainer = *pt;
        pContainer->ScreenToNode(&ptContainer);
        return pHook->HookSourceHitTest(&ptContainer, FindChildNodeAtPoint(pNode, &ptContainer, FALSE));
    }
};

class SECLNTargetDockHitTester : public SECLNDockHitTester<ISECDockTarget>
{
  public:
    explicit SECLNTargetDockHitTester(ISECLNContainer* pExcluded = NULL)
        : SECLNDockHitTester<ISECDockTarget>(pExcluded)
    {
    }
    DWORD HookHitTest(ISECLNContainer* pContainer, const POINT* pt, SECLayoutNode* pNode) override
    {
        ISECHookDockTargetHitTester* pHook = SECNodeInterface<ISECHookDockTargetHitTester>(pNode);
        if (pHook == NULL || pContainer == NULL)
            return 0;
        POINT ptContainer = *pt;
        pContainer->ScreenToNode(&ptContainer);
        return pHook->HookTargetHitTest(&ptContainer, FindChildNodeAtPoint(pNode, &ptContainer, FALSE));
    }
};

// Targets that take points outside their own rectangle (the outer zones of a dock area).
template <class I> class SECLNOffNodeIFaceHitTest_T
{
  public:
    virtual ~SECLNOffNodeIFaceHitTest_T()
    {
    }
    // pt in the node's container coordinates.
    virtual I* HitTestOffNode(SECLayoutNode* pNode, const POINT* pt)
    {
        if (I* pThis = HitTestThis(pNode, pt))
            return pThis;
        return HitTestOffNodeChildren(pNode, pt);
    }
    virtual I* HitTestOffNodeChildren(SECLayoutNode* pNode, const POINT* pt)
    {
        for (POSITION pos = pNode->GetFirstChildPosition(); pos != NULL;
             pos = pNode->GetNextChildPosition(pos))
        {
            if (I* pFound = HitTestThis(pNode->GetChildAt(pos), pt))
                return pFound;
        }
        for (POSITION pos = pNode->GetFirstChildPosition(); pos != NULL;
             pos = pNode->GetNextChildPosition(pos))
        {
            if (I* pFound = HitTestOffNodeChildren(pNode->GetChildAt(pos), pt))
                return pFound;
        }
        return NULL;
    }
    virtual I* HitTestThis(SECLayoutNode* pNode, const POINT* pt)
    {
        ISECOffNodeHitTest* pOffNode = SECNodeInterface<ISECOffNodeHitTest>(pNode);
        I* pThis = SECNodeInterface<I>(pNode);
        if (pOffNode == NULL || pThis == NULL || !pOffNode->HitTestOffNode(pt))
            return NULL;
        return pThis;
    }
};

template <class I> class SECLNOffNodeDockIFaceHitTest_T : public SECLNOffNodeIFaceHitTest_T<I>
{
  public:
    // Over every registered root but those in pExcluded; pt in screen coordinates.
    virtual I* HitTestAllRoots(SECLNDockingMgr* pMgr, const POINT* pt, ISECLNContainer* pExcluded = NULL)
    {
        if (pMgr == NULL || pt == NULL)
            return NULL;
        CPtrList roots(10);
        pMgr->CollectRegisteredNodes(roots);
        for (POSITION pos = roots.GetHeadPosition(); pos != NULL;)
        {
            SECLayoutNode* pRoot = (SECLayoutNode*)roots.GetNext(pos);
            ISECLNContainer* pContainer = pMgr->LookupContainer(pRoot);
            if (pContainer == NULL || pContainer == pExcluded)
                continue;
            POINT ptContainer = *pt;
            pContainer->ScreenToNode(&ptContainer);
            if (I* pFound = this->HitTestOffNode(pRoot, &ptContainer))
                return pFound;
        }
        return NULL;
    }
};
