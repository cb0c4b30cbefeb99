// CDrawView: shows a drawing document as a page: maps seconds and temperatures into the plot
// rectangle, draws background, scale grid and the document's objects, keeps the selection and
// builds the axis labels as text objects of the document (which it deletes again).
#pragma once
#include "app/ZoomView.h"
#include "station/record/DrawViewBase.h"

class CDrawDoc;
class CDrawObject;

class CDrawView : public CZoomView, public CDrawViewBase
{
    DECLARE_DYNCREATE(CDrawView)

  public:
    // Update hints.
    enum
    {
        HintUpdateWindow = 0,
        HintUpdateObject = 1,
        HintUpdateSelection = 2,
        HintDeleteSelection = 3
    };

    // Construction
    CDrawView();
    ~CDrawView() override;

    // Attributes
    CDrawDoc* GetDocument() const;
    CObList& GetSelection()
    {
        return m_selection;
    }
    BOOL IsActive() const
    {
        return m_bActive;
    }
    // The scale values drawn with: the document's, clamped to the layout page's ranges (a file or
    // the registry may hold 0, which would divide by zero and step the grid for ever).
    int GetTimeBase() const;
    int GetTimeInterval() const;
    int GetTempBase() const;
    int GetTempInterval() const;

    // CDrawViewBase
    CView* GetView() override
    {
        return this;
    }
    CDrawDoc* GetDrawDoc() override
    {
        return GetDocument();
    }
    CRect GetPlotRect() override;
    int TimeToX(int seconds) override;
    int XToTime(int x) override;
    int TempToY(int value) override;
    int GetTimePages() override
    {
        return m_nTimePages;
    }
    int GetTimeSpan() override;
    int FitTimeAxis(int seconds) override;
    BOOL GetPrintSlice(int& from, int& to) override;
    BOOL IsTimeLabel(CDrawObject* pObject) override;
    BOOL IsSelected(CDrawObject* pObject) override;
    void Deselect(CDrawObject* pObject) override;
    BOOL IsSelectionShown() override
    {
        return m_bActive;
    }
    void SetSettingsChanged(BOOL) override
    {
    }
    void InvalidateObject(CDrawObject* pObject) override;
    void DocToClient(POINT& point) override;
    void ClientToDoc(RECT& rect) override;
    void SetPageSize(int cx, int cy) override;
    void CreateScaleLabels() override;
    void ShowQuickSaveProgress(CString) override
    {
    }

    // Operations
    void ClientToDoc(POINT& point);
    void DocToClient(RECT& rect);

    // Overrides
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;

    // Implementation
    CObList m_selection;
    BOOL m_bActive;
    CRect m_rectPlot;
    CRect m_rectPrint; // set while printing
    int m_nTimePages;
    int m_nPrintSliceStart;
    int m_nPrintSliceEnd;

    // The page size in pixels.
    CSize PagePixels();
    void DrawGrid(CDC* pDC);
    // Takes the axis labels out of the document and deletes them.
    void RemoveScaleLabels();

    afx_msg void OnDestroy();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);

  protected:
    DECLARE_MESSAGE_MAP()
};
