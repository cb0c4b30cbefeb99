// SECLayoutWndListener: binds a layout tree to an existing window. Plugged into the window, it
// lays the tree out again when the window is resized, limits the window's tracking size to what
// the tree allows, and lets the nodes paint after the window's own painting. The tree is not
// owned; the layout factory owns both.
#pragma once
#include "uilib/frames/plugins/WndListener.h"

class SECLayoutNode;

class SECLayoutWndListener : public tessaron::foundation::SECWndListener
{
  public:
    // Construction
    SECLayoutWndListener();
    ~SECLayoutWndListener() override;

    // Overridables
    virtual BOOL SetRootNode(SECLayoutNode* pRoot);
    virtual SECLayoutNode* GetRootNode() const
    {
        return m_pLayoutRoot;
    }
    virtual BOOL SetAutoRecalc(BOOL bAutoRecalc);
    virtual BOOL AttachLayout(SECLayoutNode* pRoot, CWnd* pWnd, RECT* pRect, DWORD_PTR dwExtra,
                              BOOL bRecalcNow);
    virtual BOOL AttachToWindow(SECLayoutNode* pRoot, CWnd* pWnd, DWORD_PTR dwExtra, BOOL bRecalcNow,
                                BOOL bUseWindowRect);

    // Attributes
    SECLayoutNode* m_pLayoutRoot;
    BOOL m_bUseWindowRect; // the layout covers the window rectangle at origin 0, 0
    BOOL m_bAutoRecalc;

  protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);

    DECLARE_MESSAGE_MAP()
};
