// The grid as a view of a document, also as a pane of a splitter window. Window messages go to
// the engine first, view notifications are forwarded to it; the view default runs where the
// engine declines.
#pragma once
#include "grid/core/GXView.h"
#include "grid/core/GridCore.h"

class CGXGridView : public CGXView, public CGXGridCore
{
    DECLARE_DYNCREATE(CGXGridView)

  public:
    // Construction
    CGXGridView();
    ~CGXGridView() override;

    // Overridables
    void OnInitialUpdate() override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnDraw(CDC* pDC) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    CScrollBar* GetScrollBarCtrl(int nBar) const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Implementation
    // The dynamic splitter holding the view, found at the initial update (or null).
    CWnd* m_pSplitter = NULL;
    BOOL m_bFirstPaneRow = TRUE, m_bFirstPaneCol = TRUE;
    BOOL m_bActiveView = FALSE;

  protected:
    afx_msg void OnEditUndo();
    afx_msg void OnEditRedo();
    afx_msg void OnUpdateUndoItem(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRedoItem(CCmdUI* pCmdUI);
    afx_msg void OnEditFind();
    afx_msg void OnEditReplace();
    afx_msg void OnEditRepeat();
    DECLARE_MESSAGE_MAP()
};
