// CDrawViewBase: what the recording core asks of the application's drawing view: the plot
// rectangle, time and temperature conversions, print slices, selection and invalidation, and the
// quick-save progress display. The application's CDrawView (a zoom view) derives from it; every
// caller tolerates the absence of a view.
#pragma once
#include "afxwin.h"

class CDrawObject;
class CDrawDoc;

class CDrawViewBase
{
  public:
    virtual ~CDrawViewBase() = default;

    // The window of the view.
    virtual CView* GetView() = 0;
    virtual CDrawDoc* GetDrawDoc() = 0;

    // Plot rectangle in device units: left 60, top 0, right the page width, bottom the page
    // height - 100; brought up to date by every coordinate operation.
    virtual CRect GetPlotRect() = 0;
    virtual int TimeToX(int seconds) = 0;
    virtual int XToTime(int x) = 0;
    virtual int TempToY(int value) = 0;
    virtual int GetTimePages() = 0;
    virtual int GetTimeSpan() = 0;
    virtual int FitTimeAxis(int seconds) = 0;
    // The x range printed on the current page; TRUE when there is more than one page.
    virtual BOOL GetPrintSlice(int& from, int& to) = 0;

    virtual BOOL IsTimeLabel(CDrawObject* pObject) = 0;
    virtual BOOL IsSelected(CDrawObject* pObject) = 0;
    virtual void Deselect(CDrawObject* pObject) = 0;
    virtual BOOL IsSelectionShown() = 0;
    virtual void SetSettingsChanged(BOOL bChanged) = 0;
    virtual void InvalidateObject(CDrawObject* pObject) = 0;
    virtual void DocToClient(POINT& point) = 0;
    virtual void ClientToDoc(RECT& rect) = 0;
    virtual void SetPageSize(int cx, int cy) = 0;
    virtual void CreateScaleLabels() = 0;

    // The recording view's quick-save progress display.
    virtual void ShowQuickSaveProgress(CString path) = 0;
};

// The active view of the active frame of the main window, when it is a drawing view; else NULL.
CDrawViewBase* GetActiveDrawView();
