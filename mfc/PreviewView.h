// CPreviewView: the print preview of a view. A window of its own over the main window, with a
// bar (print, next/previous page, one/two pages, zoom, close) and the pages drawn through the
// printing view's OnPrepareDC/OnPrint into a CPreviewDC. Owns the print info and the DC; ends
// itself through the printing view's OnEndPrintPreview.
//
// Differences from MFC:
// - Not a CScrollView put in place of the frame's view: a popup window owned by the main
//   window. Zoomed pages are clipped to the window, without scroll bars.
#pragma once
#include "Wnd.h"

class CView;
class CPrintInfo;
class CPreviewDC;
class CDialog;

class CPreviewView : public CWnd
{
    DECLARE_DYNAMIC(CPreviewView)

  public:
    enum
    {
        ZOOM_OUT = 0,
        ZOOM_MIDDLE = 1,
        ZOOM_IN = 2
    };

    // Construction
    CPreviewView();
    ~CPreviewView() override;

    // Shows the preview of pPrintView, taking pInfo over. On failure the preview deletes itself
    // (and pInfo) before returning FALSE.
    BOOL Create(CView* pPrintView, CPrintInfo* pInfo);

    // Attributes
    UINT GetCurrentPage() const
    {
        return m_nCurrentPage;
    }
    UINT GetPages() const
    {
        return m_nPages;
    }
    UINT GetZoomState() const
    {
        return m_nZoomState;
    }
    CPrintInfo* GetPrintInfo() const
    {
        return m_pPreviewInfo;
    }
    // The preview open now (one per thread at a time), else NULL.
    static CPreviewView* PASCAL GetActivePreview()
    {
        return s_pActive;
    }
    // Where page i (0 or 1) of the shown pages lies in the client area; empty when not shown.
    CRect GetPageRect(int i) const
    {
        return m_rectPage[i];
    }

    // Operations
    void SetCurrentPage(UINT nPage);
    void Close();

    // Implementation
    CView* m_pPrintView;
    CDialog* m_pToolBar;

  protected:
    void PostNcDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPreviewClose();
    afx_msg void OnPreviewPrint();
    afx_msg void OnNextPage();
    afx_msg void OnPrevPage();
    afx_msg void OnNumPageChange();
    afx_msg void OnZoomIn();
    afx_msg void OnZoomOut();
    DECLARE_MESSAGE_MAP()

  private:
    void PositionPages();
    void UpdateBar();
    UINT LastPage() const;

    CPrintInfo* m_pPreviewInfo;
    CPreviewDC* m_pPreviewDC;
    UINT m_nCurrentPage;
    UINT m_nPages;     // 1 or 2 shown side by side
    UINT m_nZoomState; // ZOOM_OUT fits the page(s) into the window
    int m_nScaleNum;   // screen pixels per m_nScaleDen printer pixels
    int m_nScaleDen;
    CRect m_rectPage[2];
    static CPreviewView* s_pActive;
};
