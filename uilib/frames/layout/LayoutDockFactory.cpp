// SECLayoutDockFactory: grippers around nodes and windows.
#include "uilib/frames/layout/LayoutDockFactory.h"

SECLayoutNodeDCBase* SECLayoutDockFactory::CreateWrapperNode(
    CWnd* pHost, tessaron::foundation::SECClassFactory<SECLayoutNodeDCBase>& cf, SECLayoutNode* pChild,
    LPCTSTR lpszName, DWORD_PTR)
{
    SECLayoutNodeDCBase* pNode = CreateHostedNode(pHost, NULL, cf, lpszName);
    if (pNode == NULL)
        return NULL;
    if (pChild != NULL && pNode->AddLayoutChild(pChild) == -1)
    {
        DestroyNode(pNode);
        return NULL;
    }
    if (ISECBorderWrapper* pWrapper = SECNodeInterface<ISECBorderWrapper>(pNode))
        pWrapper->ShowBorder(TRUE, FALSE);
    return pNode;
}

SECLayoutNodeDCBase* SECLayoutDockFactory::CreateGripperNode(CWnd* pHost, SECLayoutNode* pChild,
                                                             LPCTSTR lpszName, DWORD_PTR x)
{
    return CreateWrapperNode(pHost, GetGripperFactory(), pChild, lpszName, x);
}

SECLayoutNodeDCBase* SECLayoutDockFactory::InsertGripperNode(
    SECLayoutNode* pParent, CWnd* pHost, tessaron::foundation::SECClassFactory<SECLayoutNode>& cf,
    LPCTSTR lpszName, SECLayoutNode** ppChild, DWORD_PTR x)
{
    if (pParent == NULL)
        return NULL;
    SECLayoutNode* pChild = NULL;
    SECLayoutNodeDCBase* pGripper = CreateGrippedNode(pHost, cf, lpszName, &pChild, x);
    if (pGripper == NULL)
        return NULL;
    if (pParent->AddLayoutChild(pGripper) == -1)
    {
        pGripper->RemoveLayoutChild(pChild);
        DestroyNode(pChild);
        DestroyNode(pGripper);
        if (ppChild != NULL)
            *ppChild = NULL;
        return NULL;
    }
    if (ppChild != NULL)
        *ppChild = pChild;
    return pGripper;
}

SECLayoutNodeDCBase* SECLayoutDockFactory::CreateGrippedNode(
    CWnd* pHost, tessaron::foundation::SECClassFactory<SECLayoutNode>& cf, LPCTSTR lpszName,
    SECLayoutNode** ppChild, DWORD_PTR x)
{
    SECLayoutNode* pChild = CreateNode(cf, lpszName);
    if (pChild == NULL)
        return NULL;
    SECLayoutNodeDCBase* pGripper = CreateGripperNode(pHost, pChild, lpszName, x);
    if (pGripper == NULL)
    {
        DestroyNode(pChild);
        return NULL;
    }
    if (ppChild != NULL)
        *ppChild = pChild;
    return pGripper;
}

SECLayoutNodeDCBase* SECLayoutDockFactory::CreateGrippedHostedNode(
    CWnd* pHost, tessaron::foundation::SECClassFactory<SECLayoutNodeDCBase>& cf, LPCTSTR lpszName,
    SECLayoutNode** ppNode, DWORD_PTR x)
{
    SECLayoutNode* pChild = CreateHostedNode(pHost, NULL, cf, lpszName);
    if (pChild == NULL)
        return NULL;
    SECLayoutNodeDCBase* pGripper = CreateGripperNode(pHost, pChild, lpszName, x);
    if (pGripper == NULL)
    {
        DestroyNode(pChild);
        return NULL;
    }
    if (ppNode != NULL)
        *ppNode = pChild;
    return pGripper;
}

SECLayoutNodeDCBase* SECLayoutDockFactory::CreateGrippedDrawingNode(CWnd* pHost, LPCTSTR lpszName,
                                                                    SECLayoutNode** ppNode, DWORD_PTR x)
{
    return CreateGrippedHostedNode(pHost, m_drawingFactory, lpszName, ppNode, x);
}

SECLayoutNodeDCBase* SECLayoutDockFactory::CreateGrippedWindowNode(
    CWnd* pWnd, CWnd* pParentWnd, tessaron::foundation::SECClassFactory<SECLayoutNodeWnd>& cf,
    LPCTSTR lpszName, BOOL bLayoutInside, SECLayoutNode** ppNode, DWORD_PTR x)
{
    if (pWnd == NULL || pParentWnd == NULL)
        return NULL;
    SECLayoutNodeWnd* pNode = CreateWindowNode(pWnd, pParentWnd, NULL, cf, lpszName);
    if (pNode == NULL)
        return NULL;
    if (bLayoutInside)
        AttachLayoutToWindow(pWnd);
    SECLayoutNodeDCBase* pGripper = CreateGripperNode(pParentWnd, pNode, lpszName, x);
    if (pGripper == NULL)
    {
        DestroyNode(pNode);
        return NULL;
    }
    if (ppNode != NULL)
        *ppNode = pNode;
    return pGripper;
}

SECLayoutNodeDCBase* SECLayoutDockFactory::CreateGrippedWindowNode(CWnd* pWnd, CWnd* pParentWnd,
                                                                   LPCTSTR lpszName, BOOL bLayoutInside,
                                                                   SECLayoutNode** ppNode, DWORD_PTR x)
{
    return CreateGrippedWindowNode(pWnd, pParentWnd, m_wndNodeFactory, lpszName, bLayoutInside, ppNode, x);
}

SECLayoutNodeDCBase* SECLayoutDockFactory::CreateGrippedWindowNodeById(
    UINT nId, CWnd* pParentWnd, tessaron::foundation::SECClassFactory<SECLayoutNodeWnd>& cf, LPCTSTR lpszName,
    BOOL bLayoutInside, SECLayoutNode** ppNode, DWORD_PTR x)
{
    if (pParentWnd == NULL)
        return NULL;
    CWnd* pWnd = pParentWnd->GetDescendantWindow((int)nId, FALSE);
    return CreateGrippedWindowNode(pWnd, pParentWnd, cf, lpszName, bLayoutInside, ppNode, x);
}

SECLayoutNodeDCBase* SECLayoutDockFactory::CreateGrippedWindowNodeById(UINT nId, CWnd* pParentWnd,
                                                                       LPCTSTR lpszName, BOOL bLayoutInside,
                                                                       SECLayoutNode** ppNode, DWORD_PTR x)
{
    return CreateGrippedWindowNodeById(nId, pParentWnd, m_wndNodeFactory, lpszName, bLayoutInside, ppNode, x);
}

BOOL SECLayoutDockFactory::AttachLayoutToWindow(CWnd* pWnd)
{
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return FALSE;
    SECLayoutNode* pRoot = CreateNode(m_scaleFactory);
    SECLayoutWndListener* pListener = pRoot != NULL ? CreateLayoutWndListener() : NULL;
    if (pListener == NULL || !pListener->AttachToWindow(pRoot, pWnd, 0, TRUE, FALSE))
    {
        DestroyLayoutWndListener(pListener);
        DestroyNode(pRoot);
        return FALSE;
    }
    CreateChildWindowNodes(pRoot, pWnd, NULL);
    return TRUE;
}
