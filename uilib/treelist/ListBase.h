// SECListBase: the owner-drawn list over its host base, a plain child window (SECListBaseC, over
// CWnd) or a view (SECListBaseV, over CView); the concrete classes (SECListCtrl, SECListView) add
// the run-time class and the message map. The list itself is SECListEngine, the same for every
// host; this template hands it the host window, maps the messages to it and passes them on to the
// host's handlers.
#pragma once
#include "ListEngine.h"
#include "View.h"
#include <type_traits>

template <class TBase> class SECListBase : public TBase, public virtual SECListEngine
{
  public:
    // The two behaviours that differ between the hosts follow from this: the view wants every
    // state flag of GetNextItem on a row, the plain window any of them; the view's tree reports a
    // caret moved by the program as moved by keyboard.
    static constexpr bool s_bViewHosted = std::is_base_of<CView, TBase>::value;

    // Run-time class of each instance (defined with the explicit instantiation).
    static CRuntimeClass classTemplateInstance;
    CRuntimeClass* GetRuntimeClass() const override
    {
        return &classTemplateInstance;
    }

    SECListBase()
    {
        AttachHost(this, s_bViewHosted);
    }
    // The list lets go of its rows and companion windows before its host window goes.
    ~SECListBase() override
    {
        ReleaseAll();
    }

    // The host window's operations the list replaces
    BOOL Create(LPCTSTR, LPCTSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                CCreateContext* pContext = NULL) override
    {
        return CreateEx(dwStyle, 0, rect, pParentWnd, nID, pContext);
    }
    CScrollBar* GetScrollBarCtrl(int nBar) const override
    {
        return SECListEngine::GetScrollBarCtrl(nBar);
    }
    // The view's drawing operation is the list's.
    void OnDraw(CDC* pDC) override
    {
        SECListEngine::OnDraw(pDC);
    }
    using SECListEngine::Create;
    using SECListEngine::CreateEx;
    using SECListEngine::GetClientRect;
    using SECListEngine::IsSelected;

    // Message handlers (mapped by the concrete classes)
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (TBase::OnCreate(lpCreateStruct) == -1)
            return -1;
        return SECListEngine::OnCreate(lpCreateStruct);
    }
    afx_msg void OnDestroy()
    {
        SECListEngine::OnDestroy();
        TBase::OnDestroy();
    }
    afx_msg void OnSysColorChange()
    {
        SECListEngine::OnSysColorChange();
        TBase::OnSysColorChange();
    }
    afx_msg void OnPaint()
    {
        SECListEngine::OnPaint();
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC)
    {
        return SECListEngine::OnEraseBkgnd(pDC);
    }
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        SECListEngine::OnSize(nType, cx, cy);
        TBase::OnSize(nType, cx, cy);
    }
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    {
        SECListEngine::OnHScroll(nSBCode, nPos, pScrollBar);
    }
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    {
        SECListEngine::OnVScroll(nSBCode, nPos, pScrollBar);
    }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    {
        if (SECListEngine::OnSetCursor(pWnd, nHitTest, message))
            return TRUE;
        return TBase::OnSetCursor(pWnd, nHitTest, message);
    }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point)
    {
        SECListEngine::OnMouseMove(nFlags, point);
    }
    afx_msg void OnCancelMode()
    {
        SECListEngine::OnCancelMode();
        TBase::OnCancelMode();
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        SECListEngine::OnLButtonDown(nFlags, point);
    }
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point)
    {
        SECListEngine::OnLButtonUp(nFlags, point);
    }
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point)
    {
        SECListEngine::OnLButtonDblClk(nFlags, point);
    }
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point)
    {
        SECListEngine::OnRButtonDown(nFlags, point);
    }
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point)
    {
        SECListEngine::OnRButtonUp(nFlags, point);
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (!SECListEngine::OnTimer(nIDEvent))
            TBase::OnTimer(nIDEvent);
    }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        SECListEngine::OnKeyDown(nChar, nRepCnt, nFlags);
    }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        if (!SECListEngine::OnChar(nChar, nRepCnt, nFlags))
            TBase::OnChar(nChar, nRepCnt, nFlags);
    }
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        SECListEngine::OnSysKeyDown(nChar, nRepCnt, nFlags);
    }
    afx_msg void OnEnable(BOOL bEnable)
    {
        SECListEngine::OnEnable(bEnable);
        TBase::OnEnable(bEnable);
    }
    afx_msg UINT OnGetDlgCode()
    {
        return SECListEngine::OnGetDlgCode();
    }
    afx_msg void OnSetFocus(CWnd* pOldWnd)
    {
        TBase::OnSetFocus(pOldWnd);
        OnFocusChanged(NM_SETFOCUS);
    }
    afx_msg void OnKillFocus(CWnd* pNewWnd)
    {
        if (!SECListEngine::OnKillFocus(pNewWnd))
            return;
        TBase::OnKillFocus(pNewWnd);
        OnFocusChanged(NM_KILLFOCUS);
    }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        return SECListEngine::OnMouseWheel(nFlags, zDelta, pt);
    }
    afx_msg void OnEditKillFocus()
    {
        SECListEngine::OnEditKillFocus();
    }
    afx_msg void OnEditUpdate()
    {
        SECListEngine::OnEditUpdate();
    }
};

// Run-time classes of template instances and of classes derived from them: the instance's
// record is named classTemplateInstance.
#define IMPLEMENT_TEMPLATE_INSTANCE_CLASS(instance, name, base_record)                                       \
    template <>                                                                                              \
    CRuntimeClass instance::classTemplateInstance = {name, (int)sizeof(instance), 0xFFFF,                    \
                                                     NULL, base_record,           NULL};

#define IMPLEMENT_DYNCREATE_ON_TEMPLATE(class_name, base_instance)                                           \
    CObject* PASCAL class_name::CreateObject()                                                               \
    {                                                                                                        \
        return new class_name;                                                                               \
    }                                                                                                        \
    CRuntimeClass class_name::class##class_name = {#class_name,                                              \
                                                   (int)sizeof(class class_name),                            \
                                                   0xFFFF,                                                   \
                                                   class_name::CreateObject,                                 \
                                                   &base_instance::classTemplateInstance,                    \
                                                   NULL};                                                    \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));                                \
    CRuntimeClass* class_name::GetRuntimeClass() const                                                       \
    {                                                                                                        \
        return RUNTIME_CLASS(class_name);                                                                    \
    }

// Message-map entries of the list engine, shared by every concrete list and tree class.
#define SEC_LIST_MESSAGE_ENTRIES()                                                                           \
    ON_WM_CREATE()                                                                                           \
    ON_WM_DESTROY()                                                                                          \
    ON_WM_SYSCOLORCHANGE()                                                                                   \
    ON_WM_PAINT()                                                                                            \
    ON_WM_ERASEBKGND()                                                                                       \
    ON_WM_SIZE()                                                                                             \
    ON_WM_HSCROLL()                                                                                          \
    ON_WM_VSCROLL()                                                                                          \
    ON_WM_SETCURSOR()                                                                                        \
    ON_WM_MOUSEMOVE()                                                                                        \
    ON_WM_CANCELMODE()                                                                                       \
    ON_WM_LBUTTONDOWN()                                                                                      \
    ON_WM_LBUTTONUP()                                                                                        \
    ON_WM_LBUTTONDBLCLK()                                                                                    \
    ON_WM_RBUTTONDOWN()                                                                                      \
    ON_WM_RBUTTONUP()                                                                                        \
    ON_WM_TIMER()                                                                                            \
    ON_WM_KEYDOWN()                                                                                          \
    ON_WM_CHAR()                                                                                             \
    ON_WM_SYSKEYDOWN()                                                                                       \
    ON_WM_ENABLE()                                                                                           \
    ON_WM_GETDLGCODE()                                                                                       \
    ON_WM_SETFOCUS()                                                                                         \
    ON_WM_KILLFOCUS()                                                                                        \
    ON_WM_MOUSEWHEEL()                                                                                       \
    ON_EN_KILLFOCUS(1, OnEditKillFocus)                                                                      \
    ON_EN_UPDATE(1, OnEditUpdate)
