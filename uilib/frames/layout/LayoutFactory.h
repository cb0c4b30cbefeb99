// SECLayoutFactory: makes layout nodes and layout window listeners through class factories,
// gives them defaults and names, and owns them through its memory managers: everything it made
// dies with it, listeners before nodes. A dialog holds one as a member.
#pragma once
#include "uilib/frames/layout/ClassFactory.h"
#include "uilib/frames/layout/LayoutNode.h"
#include "uilib/frames/layout/LayoutNodeDC.h"
#include "uilib/frames/layout/LayoutNodeWnd.h"
#include "uilib/frames/plugins/LayoutWndListener.h"

class SECLayoutFactory
{
  public:
    // Construction
    SECLayoutFactory();
    virtual ~SECLayoutFactory();
    SECLayoutFactory(const SECLayoutFactory&) = delete;
    SECLayoutFactory& operator=(const SECLayoutFactory&) = delete;

    // Overridables
    // The parent's child windows in Z order, of class pFilter when given.
    virtual BOOL GetChildWindows(CPtrList& list, CWnd* pParent, CRuntimeClass* pFilter);
    // One window node per child window of pWnd under pParent.
    virtual BOOL CreateChildWindowNodes(SECLayoutNode* pParent, CWnd* pWnd, CRuntimeClass* pFilter);
    virtual void DestroyNode(SECLayoutNode* pNode);
    virtual int DestroyAllNodes();
    virtual void DestroyLayoutWndListener(SECLayoutWndListener* pListener);
    virtual int DestroyAllLayoutWndListeners();
    // FALSE refuses the node.
    virtual BOOL ApplyNodeDefaults(SECLayoutNode* pNode);

    // Operations
    SECLayoutNode* CreateNode(tessaron::foundation::SECClassFactory<SECLayoutNode>& classFactory,
                              LPCTSTR lpszName = NULL);
    SECLayoutNode* CreateNode(LPCTSTR lpszName = NULL)
    {
        return CreateNode(m_nodeFactory, lpszName);
    }
    SECLayoutWndListener* CreateLayoutWndListener();
    SECLayoutWndListener* CreateLayoutWndListener(
        tessaron::foundation::SECClassFactory<SECLayoutWndListener>& classFactory);
    SECLayoutNodeWnd* CreateWindowNode(CWnd* pWnd, CWnd* pParentWnd, SECLayoutNode* pParentNode,
                                       tessaron::foundation::SECClassFactory<SECLayoutNodeWnd>& classFactory,
                                       LPCTSTR lpszName = NULL);
    SECLayoutNodeWnd* CreateWindowNode(CWnd* pWnd, CWnd* pParentWnd, SECLayoutNode* pParentNode = NULL,
                                       LPCTSTR lpszName = NULL);
    SECLayoutNodeDCBase* CreateHostedNode(
        CWnd* pHost, SECLayoutNode* pParentNode,
        tessaron::foundation::SECClassFactory<SECLayoutNodeDCBase>& classFactory, LPCTSTR lpszName = NULL);

    // Attributes
    tessaron::foundation::SECClassFactory_T<SECLayoutNode, SECLayoutNode> m_nodeFactory;
    tessaron::foundation::SECClassFactory_T<SECLayoutNodeWnd, SECLayoutNodeWnd> m_wndNodeFactory;
    tessaron::foundation::SECClassFactory_T<SECLayoutWndListener, SECLayoutWndListener> m_listenerFactory;
    SECLayoutNodeMemoryManager m_nodeManager;
    tessaron::foundation::SECObjectMemoryManager_T<SECLayoutWndListener> m_listenerManager;
    BOOL m_bApplySizeLimits;
    BOOL m_bApplyPreferredRect;
    BOOL m_bApplyInitialRect;
    SIZE m_sizeDefaultMin;
    SIZE m_sizeDefaultMax;
    RECT m_rcDefaultPreferred;
    RECT m_rcDefaultInitial;
    DWORD m_dwDefaultMinMaxFlags;

  protected:
    // Names the node, tells it it was made and hands it to the node manager.
    void AdoptNode(SECLayoutNode* pNode, LPCTSTR lpszName);
};
