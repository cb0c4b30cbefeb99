// SECLayoutFactory: creating and owning layout nodes and listeners.
#include "uilib/frames/layout/LayoutFactory.h"

SECLayoutFactory::SECLayoutFactory()
    : m_bApplySizeLimits(FALSE), m_bApplyPreferredRect(FALSE), m_bApplyInitialRect(FALSE),
      m_sizeDefaultMin{0, 0}, m_sizeDefaultMax{0, 0}, m_rcDefaultPreferred{}, m_rcDefaultInitial{},
      m_dwDefaultMinMaxFlags(0)
{
}

SECLayoutFactory::~SECLayoutFactory()
{
    // Listeners first: they still point at the nodes.
    m_listenerManager.DestroyAll();
    m_nodeManager.DestroyAll();
}

BOOL SECLayoutFactory::GetChildWindows(CPtrList& list, CWnd* pParent, CRuntimeClass* pFilter)
{
    list.RemoveAll();
    if (pParent == NULL || pParent->GetSafeHwnd() == NULL)
        return FALSE;
    for (HWND hChild = ::GetWindow(pParent->GetSafeHwnd(), GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CWnd* pChild = CWnd::FromHandle(hChild);
        if (pFilter == NULL || pChild->IsKindOf(pFilter))
            list.AddTail(pChild);
    }
    return TRUE;
}

BOOL SECLayoutFactory::CreateChildWindowNodes(SECLayoutNode* pParent, CWnd* pWnd, CRuntimeClass* pFilter)
{
    CPtrList children;
    if (pParent == NULL || !GetChildWindows(children, pWnd, pFilter))
        return FALSE;
    for (POSITION pos = children.GetHeadPosition(); pos != NULL;)
    {
        SECLayoutNodeWnd* pNode =
            CreateWindowNode((CWnd*)children.GetNext(pos), pWnd, NULL, m_wndNodeFactory, NULL);
        if (pNode != NULL)
            pParent->AddLayoutChild(pNode);
    }
    return TRUE;
}

void SECLayoutFactory::DestroyNode(SECLayoutNode* pNode)
{
    if (pNode == NULL)
        return;
    m_nodeManager.Untrack(pNode);
    pNode->SetMemoryManager(NULL, FALSE);
    delete pNode;
}

int SECLayoutFactory::DestroyAllNodes()
{
    return m_nodeManager.DestroyAll();
}

void SECLayoutFactory::DestroyLayoutWndListener(SECLayoutWndListener* pListener)
{
    if (pListener == NULL)
        return;
    m_listenerManager.Untrack(pListener);
    delete pListener;
}

int SECLayoutFactory::DestroyAllLayoutWndListeners()
{
    return m_listenerManager.DestroyAll();
}

BOOL SECLayoutFactory::ApplyNodeDefaults(SECLayoutNode* pNode)
{
    if (m_bApplySizeLimits)
        pNode->SetMinMaxSize(m_sizeDefaultMin, m_sizeDefaultMax, m_dwDefaultMinMaxFlags);
    if (m_bApplyPreferredRect)
        pNode->SetPreferredRect(m_rcDefaultPreferred);
    if (m_bApplyInitialRect)
        pNode->SetInitialRect(m_rcDefaultInitial);
    return TRUE;
}

void SECLayoutFactory::AdoptNode(SECLayoutNode* pNode, LPCTSTR lpszName)
{
    pNode->SetNodeName(lpszName);
    pNode->OnNodeCreated();
    m_nodeManager.Track(pNode);
    pNode->SetMemoryManager(&m_nodeManager, FALSE);
}

SECLayoutNode* SECLayoutFactory::CreateNode(
    tessaron::foundation::SECClassFactory<SECLayoutNode>& classFactory, LPCTSTR lpszName)
{
    SECLayoutNode* pNode = classFactory.CreateObject();
    if (pNode == NULL)
        return NULL;
    if (!ApplyNodeDefaults(pNode))
    {
        DestroyNode(pNode);
        return NULL;
    }
    AdoptNode(pNode, lpszName);
    return pNode;
}

SECLayoutWndListener* SECLayoutFactory::CreateLayoutWndListener()
{
    return CreateLayoutWndListener(m_listenerFactory);
}

SECLayoutWndListener* SECLayoutFactory::CreateLayoutWndListener(
    tessaron::foundation::SECClassFactory<SECLayoutWndListener>& classFactory)
{
    SECLayoutWndListener* pListener = classFactory.CreateObject();
    if (pListener != NULL)
        m_listenerManager.Track(pListener);
    return pListener;
}

SECLayoutNodeWnd* SECLayoutFactory::CreateWindowNode(
    CWnd* pWnd, CWnd* pParentWnd, SECLayoutNode* pParentNode,
    tessaron::foundation::SECClassFactory<SECLayoutNodeWnd>& classFactory, LPCTSTR lpszName)
{
    SECLayoutNodeWnd* pNode = classFactory.CreateObject();
    if (pNode == NULL)
        return NULL;
    if (!ApplyNodeDefaults(pNode) || !pNode->BindWindow(pWnd, pParentWnd) ||
        (pParentNode != NULL && pParentNode->AddLayoutChild(pNode) == -1))
    {
        DestroyNode(pNode);
        return NULL;
    }
    AdoptNode(pNode, lpszName);
    return pNode;
}

SECLayoutNodeWnd* SECLayoutFactory::CreateWindowNode(CWnd* pWnd, CWnd* pParentWnd, SECLayoutNode* pParentNode,
                                                     LPCTSTR lpszName)
{
    return CreateWindowNode(pWnd, pParentWnd, pParentNode, m_wndNodeFactory, lpszName);
}

SECLayoutNodeDCBase* SECLayoutFactory::CreateHostedNode(
    CWnd* pHost, SECLayoutNode* pParentNode,
    tessaron::foundation::SECClassFactory<SECLayoutNodeDCBase>& classFactory, LPCTSTR lpszName)
{
    SECLayoutNodeDCBase* pNode = classFactory.CreateObject();
    if (pNode == NULL)
        return NULL;
    if (!ApplyNodeDefaults(pNode))
    {
        DestroyNode(pNode);
        return NULL;
    }
    pNode->SetHostWindow(pHost != NULL ? pHost->GetSafeHwnd() : NULL);
    if (pParentNode != NULL && pParentNode->AddLayoutChild(pNode) == -1)
    {
        DestroyNode(pNode);
        return NULL;
    }
    AdoptNode(pNode, lpszName);
    return pNode;
}
