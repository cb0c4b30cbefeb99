// A drawing view without a window for the recording benchmarks: the conversions of a plot of 900
// by 490 pixels over one whole day.
#pragma once
#include "station/record/DrawViewBase.h"

const int kBenchDaySeconds = 24 * 3600;

class CBenchDrawView : public CDrawViewBase
{
  public:
    explicit CBenchDrawView(CDrawDoc* pDoc) : m_pDoc(pDoc)
    {
    }
    CView* GetView() override
    {
        return NULL;
    }
    CDrawDoc* GetDrawDoc() override
    {
        return m_pDoc;
    }
    CRect GetPlotRect() override
    {
        return CRect(60, 0, 960, 490);
    }
    int TimeToX(int seconds) override
    {
        return 60 + (int)(900.0 * seconds / kBenchDaySeconds);
    }
    int XToTime(int x) override
    {
        return (int)((x - 60) * (double)kBenchDaySeconds / 900);
    }
    int TempToY(int value) override
    {
        return 490 - (int)(490.0 / 300 * value);
    }
    int GetTimePages() override
    {
        return 1;
    }
    int GetTimeSpan() override
    {
        return kBenchDaySeconds;
    }
    int FitTimeAxis(int) override
    {
        return 1;
    }
    BOOL GetPrintSlice(int&, int&) override
    {
        return FALSE;
    }
    BOOL IsTimeLabel(CDrawObject*) override
    {
        return FALSE;
    }
    BOOL IsSelected(CDrawObject*) override
    {
        return FALSE;
    }
    void Deselect(CDrawObject*) override
    {
    }
    BOOL IsSelectionShown() override
    {
        return FALSE;
    }
    void SetSettingsChanged(BOOL) override
    {
    }
    void InvalidateObject(CDrawObject*) override
    {
    }
    void DocToClient(POINT&) override
    {
    }
    void ClientToDoc(RECT&) override
    {
    }
    void SetPageSize(int, int) override
    {
    }
    void CreateScaleLabels() override
    {
    }
    void ShowQuickSaveProgress(CString) override
    {
    }

  private:
    CDrawDoc* m_pDoc;
};
