// The window form of the record browser: a window that hands its messages to the browser grid
// and handles the record navigation commands. Windows registered as self-deleting are deleted
// with their window; others belong to their owner.
#pragma once
#include "grid/core/BrowserGrid.h"
#include "afxwin.h"

class CGXBrowserWnd : public CWnd, public CGXBrowserGrid
{
    DECLARE_DYNCREATE(CGXBrowserWnd)

  public:
    CGXBrowserWnd();
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    static void RegisterSelfDeleting(CGXBrowserWnd* pWnd);

    // Overridables
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  protected:
    void PostNcDestroy() override;
    afx_msg void OnPaint();
    afx_msg void OnRecordFirst();
    afx_msg void OnRecordLast();
    afx_msg void OnRecordNext();
    afx_msg void OnRecordPrev();
    afx_msg void OnUpdateRecordFirstPrev(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRecordNextLast(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
