// The application's stand-ins for the recording tests: an application object, and a drawing view
// of our own on a real CView in a frame that is the main window, with the plot rectangle and the
// conversions the drawing view has.
#pragma once
#include "afxwin.h"
#include "CreateContext.h"
#include "station/record/DrawViewBase.h"
#include <string>
#include <vector>

class CRecordTestApp : public CWinApp
{
  public:
    CRecordTestApp() : CWinApp(_T("HelvonRecordTest"))
    {
    }
};

class CTestDrawView : public CView, public CDrawViewBase
{
  public:
    CTestDrawView() = default;

    // CDrawViewBase
    CView* GetView() override
    {
        return this;
    }
    CDrawDoc* GetDrawDoc() override;
    CRect GetPlotRect() override;
    int TimeToX(int seconds) override;
    int XToTime(int x) override;
    int TempToY(int value) override;
    int GetTimePages() override
    {
        return m_nPages;
    }
    int GetTimeSpan() override;
    int FitTimeAxis(int seconds) override;
    BOOL GetPrintSlice(int& from, int& to) override;
    BOOL IsTimeLabel(CDrawObject* pObject) override;
    BOOL IsSelected(CDrawObject* pObject) override;
    void Deselect(CDrawObject* pObject) override;
    BOOL IsSelectionShown() override
    {
        return m_bShowSelection;
    }
    void SetSettingsChanged(BOOL bChanged) override
    {
        m_bSettingsChanged = bChanged;
    }
    void InvalidateObject(CDrawObject* pObject) override;
    void DocToClient(POINT& point) override;
    void ClientToDoc(RECT& rect) override;
    void SetPageSize(int cx, int cy) override;
    void CreateScaleLabels() override
    {
    }
    void ShowQuickSaveProgress(CString path) override
    {
        m_quickSavePaths.push_back(std::string(path));
    }

    void OnDraw(CDC* pDC) override;

    int m_nPages = 1;
    BOOL m_bPrintSlice = FALSE;
    int m_nPrintFrom = 0;
    int m_nPrintTo = 0;
    BOOL m_bShowSelection = FALSE;
    BOOL m_bSettingsChanged = FALSE;
    CObList m_selection;
    int m_nInvalidated = 0;
    CSize m_pageSize{0, 0};
    std::vector<std::string> m_quickSavePaths;
};

// A frame that is the main window, showing a test view of the document; gone with the object.
class CViewOfDocument
{
  public:
    explicit CViewOfDocument(CDocument* pDoc);
    ~CViewOfDocument();
    CViewOfDocument(const CViewOfDocument&) = delete;
    CViewOfDocument& operator=(const CViewOfDocument&) = delete;
    CTestDrawView* View() const
    {
        return m_pView;
    }

  private:
    CFrameWnd* m_pFrame;
    CTestDrawView* m_pView;
};
