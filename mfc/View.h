// CView: a child window of a frame that shows a document. It joins the document when created
// from a CCreateContext and leaves it when destroyed; commands it does not handle go on to the
// document.
//
// Differences from MFC:
// - Print preview shows pages in a window of its own (CPreviewView), not in place of the
//   frame's view.
// - Drag and drop reaches the view only through a COleDropTarget the view registers itself.
#pragma once
#include "Wnd.h"
#include "CreateContext.h"

class CDocument;
class CDC;
class CPrintInfo;
class COleDataObject;
class CPreviewView;

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)

  public:
    // Construction
    CView();
    ~CView() override;

    // Attributes
    CDocument* GetDocument() const
    {
        return m_pDocument;
    }

    // Overridables
    virtual BOOL IsSelected(const CObject* pDocItem) const;
    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL);
    virtual void OnDraw(CDC* pDC) = 0;

    // Printing (ViewPrint.cpp)
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    afx_msg void OnFilePrint();
    // Opens the preview window; it runs modeless until closed.
    afx_msg void OnFilePrintPreview();
    // Called by the preview as it closes: ends printing and destroys the preview window.
    virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);

    // Drag and drop through a registered COleDropTarget (points in client coordinates)
    virtual DWORD OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DWORD OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave();
    virtual BOOL OnDrop(COleDataObject* pDataObject, DWORD dropEffect, CPoint point);
    // -1 lets OnDrop handle the drop.
    virtual DWORD OnDropEx(COleDataObject* pDataObject, DWORD dropDefault, DWORD dropList, CPoint point);
    virtual DWORD OnDragScroll(DWORD dwKeyState, CPoint point);

    // Overrides
    // In a splitter, the bar the splitter shares with the pane's row or column, unless the view
    // has a bar of its own.
    CScrollBar* GetScrollBarCtrl(int nBar) const override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Implementation
    CDocument* m_pDocument;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);

  protected:
    DECLARE_MESSAGE_MAP()
};
