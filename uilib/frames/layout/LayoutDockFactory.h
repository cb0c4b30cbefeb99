// SECLayoutDockFactory: the layout factory of the docking layout. It wraps nodes and windows in
// grippers and gives a window a layout of its own; like its base it owns all it made.
#pragma once
#include "uilib/frames/layout/LNScale.h"
#include "uilib/frames/layout/LayoutFactory.h"
#include "uilib/frames/layout/LayoutNodeGripperEx.h"
#include "uilib/frames/dockengine/FloatableDockingNode.h"
#include "uilib/frames/dockengine/FloatDynGridLineTarget.h"
#include "uilib/frames/dockengine/FloatingTargetGripper.h"

class SECLayoutDockFactory : public SECLayoutFactory
{
  public:
    // Overridables
    // The class factory of the grippers put around docked nodes and windows.
    virtual tessaron::foundation::SECClassFactory<SECLayoutNodeDCBase>& GetGripperFactory()
    {
        return m_gripperFactory;
    }

    // Operations (the trailing argument is passed down and not used here)
    SECLayoutNodeDCBase* CreateWrapperNode(CWnd* pHost,
                                           tessaron::foundation::SECClassFactory<SECLayoutNodeDCBase>& cf,
                                           SECLayoutNode* pChild, LPCTSTR lpszName, DWORD_PTR x = 0);
    SECLayoutNodeDCBase* CreateGripperNode(CWnd* pHost, SECLayoutNode* pChild, LPCTSTR lpszName,
                                           DWORD_PTR x = 0);
    SECLayoutNodeDCBase* InsertGripperNode(SECLayoutNode* pParent, CWnd* pHost,
                                           tessaron::foundation::SECClassFactory<SECLayoutNode>& cf,
                                           LPCTSTR lpszName, SECLayoutNode** ppChild, DWORD_PTR x = 0);
    SECLayoutNodeDCBase* CreateGrippedNode(CWnd* pHost,
                                           tessaron::foundation::SECClassFactory<SECLayoutNode>& cf,
                                           LPCTSTR lpszName, SECLayoutNode** ppChild, DWORD_PTR x = 0);
    SECLayoutNodeDCBase* CreateGrippedHostedNode(
        CWnd* pHost, tessaron::foundation::SECClassFactory<SECLayoutNodeDCBase>& cf, LPCTSTR lpszName,
        SECLayoutNode** ppNode, DWORD_PTR x = 0);
    SECLayoutNodeDCBase* CreateGrippedDrawingNode(CWnd* pHost, LPCTSTR lpszName, SECLayoutNode** ppNode,
                                                  DWORD_PTR x = 0);
    SECLayoutNodeDCBase* CreateGrippedWindowNode(CWnd* pWnd, CWnd* pParentWnd,
                                                 tessaron::foundation::SECClassFactory<SECLayoutNodeWnd>& cf,
                                                 LPCTSTR lpszName, BOOL bLayoutInside, SECLayoutNode** ppNode,
                                                 DWORD_PTR x = 0);
    SECLayoutNodeDCBase* CreateGrippedWindowNode(CWnd* pWnd, CWnd* pParentWnd, LPCTSTR lpszName,
                                                 BOOL bLayoutInside, SECLayoutNode** ppNode, DWORD_PTR x = 0);
    SECLayoutNodeDCBase* CreateGrippedWindowNodeById(
        UINT nId, CWnd* pParentWnd, tessaron::foundation::SECClassFactory<SECLayoutNodeWnd>& cf,
        LPCTSTR lpszName, BOOL bLayoutInside, SECLayoutNode** ppNode, DWORD_PTR x = 0);
    SECLayoutNodeDCBase* CreateGrippedWindowNodeById(UINT nId, CWnd* pParentWnd, LPCTSTR lpszName,
                                                     BOOL bLayoutInside, SECLayoutNode** ppNode,
                                                     DWORD_PTR x = 0);
    // A scaling root over the window's children, driven by a listener on the window. FALSE,
    // with nothing left made, when the root or the listener cannot be made or attached.
    BOOL AttachLayoutToWindow(CWnd* pWnd);

    // Attributes
    tessaron::foundation::SECClassFactory_T<SECLNScale, SECLayoutNode> m_scaleFactory;
    tessaron::foundation::SECClassFactory_T<SECLayoutNodeDC, SECLayoutNodeDCBase> m_drawingFactory;
    tessaron::foundation::SECClassFactory_T<SECFloatableDockingNode_T<SECReparentableGripperEx>,
                                            SECLayoutNodeDCBase>
        m_gripperFactory;
    // The grid inside a floating frame and the gripper around it.
    tessaron::foundation::SECClassFactory_T<SECFloatDynGridLineTarget, SECLayoutNode> m_floatTargetFactory;
    tessaron::foundation::SECClassFactory_T<SECFloatingTargetGripper, SECLayoutNodeDCBase>
        m_floatTargetGripperFactory;
};
