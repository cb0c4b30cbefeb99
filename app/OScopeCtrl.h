// COScopeCtrl: a small strip chart. A framed plot with a value scale on the left and an axis text
// below; every appended value scrolls the curve one step left and draws one segment at the right
// edge. Scale and texts live in one off-screen layer, the curve in another; painting ORs both.
#pragma once
#include "afxwin.h"

class COScopeCtrl : public CWnd
{
  public:
    // Construction
    COScopeCtrl();
    ~COScopeCtrl() override;
    COScopeCtrl(const COScopeCtrl&) = delete;
    COScopeCtrl& operator=(const COScopeCtrl&) = delete;
    // FALSE when the window cannot be made.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Operations: the setters act only while the window exists.
    void SetRange(double dLower, double dUpper, int nDecimalPlaces);
    // bSampleAxis: label the x axis with sample counts instead of the start and end values.
    void SetXRange(double dStart, double dEnd, BOOL bSampleAxis);
    void SetXUnits(LPCTSTR pszText);
    void SetYUnits(LPCTSTR pszText);
    void SetGridColor(COLORREF colour);
    void SetBackgroundColor(COLORREF colour);
    void SetPlotColor(COLORREF colour);
    // Returns the value appended before (0 without a window).
    double AppendPoint(double dValue);

    // Attributes
    // TRUE when the plot is wider than 0 pixels.
    BOOL GetPlotWidth(int& nWidth) const;
    double GetLowerLimit() const
    {
        return m_dLowerLimit;
    }
    double GetUpperLimit() const
    {
        return m_dUpperLimit;
    }

    // Implementation
  protected:
    void RecalcLayout();
    void InvalidateCtrl();
    void DrawPoint();
    // Gives the layer a bitmap of the client size (again after a resize).
    void PrepareLayer(CDC& dc, CBitmap& bitmap, HGDIOBJ& hOldBitmap, BOOL bNewSize);
    static void ReleaseLayer(CDC& dc, CBitmap& bitmap, HGDIOBJ& hOldBitmap);
    int ValueToY(double dValue) const;

    int m_nShiftPixels;
    int m_nDecimalPlaces;
    CString m_strXUnits;
    CString m_strYUnits;
    COLORREF m_crBackColor;
    COLORREF m_crGridColor;
    COLORREF m_crPlotColor;
    double m_dCurrentValue;
    double m_dPreviousValue;
    int m_nEndOffset;   // the newest segment's end, pixels left of the plot's right edge
    int m_nStartOffset; // its start
    int m_nClientHeight;
    int m_nClientWidth;
    int m_nPlotHeight;
    int m_nPlotWidth;
    double m_dLowerLimit;
    double m_dUpperLimit;
    double m_dRange;
    double m_dVerticalFactor; // pixels per value unit
    double m_dXStart;
    double m_dXEnd;
    BOOL m_bSampleAxis;
    CRect m_rectClient;
    CRect m_rectPlot;
    CPen m_penPlot;
    CBrush m_brushBack;
    CDC m_dcGrid;
    CBitmap m_bitmapGrid;
    HGDIOBJ m_hOldBitmapGrid;
    CDC m_dcPlot;
    CBitmap m_bitmapPlot;
    HGDIOBJ m_hOldBitmapPlot;

    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
