// COScopeCtrl: layout, the scale layer, appending segments to the curve layer and combining the
// two layers off screen.
#include "app/OScopeCtrl.h"
#include <algorithm>
#include <math.h>

BEGIN_MESSAGE_MAP(COScopeCtrl, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace
{
const int kCharWidth = 6;    // pixels per character of the scale's left margin
const int kTextGap = 4;      // between the scale texts and the frame
const int kDotSpacing = 4;   // of the dotted grid lines
const int kPlotPenWidth = 2; // once a plot colour is set
const int kFontHeight = 14;
const int kFontWeight = 300;
const int kVertical = 900; // tenths of a degree: the y-axis text reads upwards

// The digits a limit puts before the decimal point, less one; 0 adds none.
int IntegerDigits(double dLimit)
{
    const double dAbs = fabs(dLimit);
    return dAbs > 0 ? (int)log10(dAbs) : 0;
}

void MakeScaleFont(CFont& font, int nEscapement)
{
    font.CreateFont(kFontHeight, 0, nEscapement, 0, kFontWeight, FALSE, FALSE, 0, ANSI_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                    _T("Arial"));
}

void TextAt(CDC& dc, int x, int y, UINT nAlign, const CString& text)
{
    dc.SetTextAlign(nAlign);
    dc.TextOut(x, y, text);
}

CString IntText(int n)
{
    CString text;
    text.Format(_T("%d"), n);
    return text;
}
} // namespace

COScopeCtrl::COScopeCtrl()
    : m_nShiftPixels(1), m_nDecimalPlaces(3), m_strXUnits(_T("Samples")), m_strYUnits(_T("Y units")),
      m_crBackColor(RGB(0, 0, 0)), m_crGridColor(RGB(0, 255, 255)), m_crPlotColor(RGB(255, 255, 255)),
      m_dCurrentValue(0), m_dPreviousValue(0), m_nEndOffset(0), m_nStartOffset(1), m_nClientHeight(0),
      m_nClientWidth(0), m_nPlotHeight(0), m_nPlotWidth(0), m_dLowerLimit(-10.0), m_dUpperLimit(10.0),
      m_dRange(20.0), m_dVerticalFactor(0), m_dXStart(0), m_dXEnd(300), m_bSampleAxis(TRUE),
      m_rectClient(0, 0, 0, 0), m_rectPlot(0, 0, 0, 0), m_hOldBitmapGrid(NULL), m_hOldBitmapPlot(NULL)
{
    m_penPlot.CreatePen(PS_SOLID, 0, m_crPlotColor);
    m_brushBack.CreateSolidBrush(m_crBackColor);
}

COScopeCtrl::~COScopeCtrl()
{
    if (GetSafeHwnd() != NULL)
        DestroyWindow();
    ReleaseLayer(m_dcGrid, m_bitmapGrid, m_hOldBitmapGrid);
    ReleaseLayer(m_dcPlot, m_bitmapPlot, m_hOldBitmapPlot);
}

BOOL COScopeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    static const CString s_strClass =
        AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW));
    if (!CreateEx(WS_EX_STATICEDGE | WS_EX_CLIENTEDGE, s_strClass, NULL, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    RecalcLayout();
    InvalidateCtrl();
    return TRUE;
}

// -- Settings ----------------------------------------------------------------------------------

void COScopeCtrl::SetRange(double dLower, double dUpper, int nDecimalPlaces)
{
    if (GetSafeHwnd() == NULL)
        return;
    m_dLowerLimit = dLower;
    m_dUpperLimit = dUpper;
    m_nDecimalPlaces = nDecimalPlaces;
    m_dRange = m_dUpperLimit - m_dLowerLimit;
    m_dVerticalFactor = m_dRange != 0 ? m_nPlotHeight / m_dRange : 0;
    InvalidateCtrl();
}

void COScopeCtrl::SetXRange(double dStart, double dEnd, BOOL bSampleAxis)
{
    if (GetSafeHwnd() == NULL)
        return;
    m_dXStart = dStart;
    m_dXEnd = dEnd;
    m_bSampleAxis = bSampleAxis;
    InvalidateCtrl();
}

void COScopeCtrl::SetXUnits(LPCTSTR pszText)
{
    if (GetSafeHwnd() == NULL)
        return;
    m_strXUnits = pszText;
    InvalidateCtrl();
}

void COScopeCtrl::SetYUnits(LPCTSTR pszText)
{
    if (GetSafeHwnd() == NULL)
        return;
    m_strYUnits = pszText;
    InvalidateCtrl();
}

void COScopeCtrl::SetGridColor(COLORREF colour)
{
    if (GetSafeHwnd() == NULL)
        return;
    m_crGridColor = colour;
    InvalidateCtrl();
}

void COScopeCtrl::SetBackgroundColor(COLORREF colour)
{
    if (GetSafeHwnd() == NULL)
        return;
    m_crBackColor = colour;
    m_brushBack.DeleteObject();
    m_brushBack.CreateSolidBrush(m_crBackColor);
    InvalidateCtrl();
}

void COScopeCtrl::SetPlotColor(COLORREF colour)
{
    if (GetSafeHwnd() == NULL)
        return;
    m_crPlotColor = colour;
    m_penPlot.DeleteObject();
    m_penPlot.CreatePen(PS_SOLID, kPlotPenWidth, m_crPlotColor);
}

BOOL COScopeCtrl::GetPlotWidth(int& nWidth) const
{
    nWidth = m_nPlotWidth;
    return nWidth > 0;
}

// -- Layout and the scale layer ----------------------------------------------------------------

void COScopeCtrl::RecalcLayout()
{
    GetClientRect(&m_rectClient);
    m_nClientHeight = m_rectClient.Height();
    m_nClientWidth = m_rectClient.Width();
    m_rectPlot.SetRect(20, 10, m_nClientWidth - 10, m_nClientHeight - 20);
    m_rectPlot.NormalizeRect();
    m_nPlotHeight = m_rectPlot.Height();
    m_nPlotWidth = m_rectPlot.Width();
    m_dVerticalFactor = m_dRange != 0 ? m_nPlotHeight / m_dRange : 0;
}

void COScopeCtrl::PrepareLayer(CDC& dc, CBitmap& bitmap, HGDIOBJ& hOldBitmap, BOOL bNewSize)
{
    if (dc.GetSafeHdc() != NULL && bitmap.GetSafeHandle() != NULL && !bNewSize)
        return;
    CClientDC dcWindow(this);
    if (dc.GetSafeHdc() == NULL)
        dc.CreateCompatibleDC(&dcWindow);
    if (bitmap.GetSafeHandle() != NULL)
    {
        dc.SelectObject(hOldBitmap);
        bitmap.DeleteObject();
    }
    // A bitmap needs at least one pixel each way.
    bitmap.CreateCompatibleBitmap(&dcWindow, std::max(m_nClientWidth, 1), std::max(m_nClientHeight, 1));
    hOldBitmap = dc.SelectObject(bitmap.GetSafeHandle());
}

void COScopeCtrl::ReleaseLayer(CDC& dc, CBitmap& bitmap, HGDIOBJ& hOldBitmap)
{
    if (dc.GetSafeHdc() != NULL && hOldBitmap != NULL)
        dc.SelectObject(hOldBitmap);
    hOldBitmap = NULL;
    bitmap.DeleteObject();
    dc.DeleteDC();
}

void COScopeCtrl::InvalidateCtrl()
{
    if (GetSafeHwnd() == NULL)
        return;
    PrepareLayer(m_dcGrid, m_bitmapGrid, m_hOldBitmapGrid, FALSE);
    CDC& dc = m_dcGrid;
    dc.FillRect(&m_rectClient, &m_brushBack);

    // The margin holds the longer limit with its places.
    const int nDigits = std::max(IntegerDigits(m_dUpperLimit), IntegerDigits(m_dLowerLimit));
    m_rectPlot.left = m_rectClient.left + kCharWidth * (nDigits + m_nDecimalPlaces + 4);
    m_nPlotWidth = m_rectPlot.Width();

    const CRect& plot = m_rectPlot;
    CPen penGrid(PS_SOLID, 0, m_crGridColor);
    CPen* pOldPen = dc.SelectObject(&penGrid);
    dc.MoveTo(plot.left, plot.top);
    dc.LineTo(plot.right + 1, plot.top);
    dc.LineTo(plot.right + 1, plot.bottom + 1);
    dc.LineTo(plot.left, plot.bottom + 1);
    dc.LineTo(plot.left, plot.top);
    dc.SelectObject(pOldPen);

    const int nMiddle = plot.top + m_nPlotHeight / 2;
    const int nQuarter = m_nPlotHeight / 4;
    for (int x = plot.left; x < plot.right; x += kDotSpacing)
    {
        dc.SetPixel(x, nMiddle - nQuarter, m_crGridColor);
        dc.SetPixel(x, nMiddle, m_crGridColor);
        dc.SetPixel(x, nMiddle + nQuarter, m_crGridColor);
    }

    CFont font;
    MakeScaleFont(font, 0);
    CFont* pOldFont = dc.SelectObject(&font);
    dc.SetTextColor(m_crGridColor);
    dc.SetBkMode(TRANSPARENT);
    CString text;
    text.Format(_T("%.*lf"), m_nDecimalPlaces, m_dUpperLimit);
    TextAt(dc, plot.left - kTextGap, plot.top, TA_RIGHT | TA_TOP, text);
    text.Format(_T("%.*lf"), m_nDecimalPlaces, m_dLowerLimit);
    TextAt(dc, plot.left - kTextGap, plot.bottom, TA_RIGHT | TA_BASELINE, text);
    const int nAxisY = plot.bottom + kTextGap;
    if (m_bSampleAxis)
    {
        TextAt(dc, plot.left, nAxisY, TA_LEFT | TA_TOP, _T("0"));
        TextAt(dc, plot.right, nAxisY, TA_RIGHT | TA_TOP, IntText(m_nPlotWidth / m_nShiftPixels));
    }
    else
    {
        TextAt(dc, plot.left, nAxisY, TA_LEFT | TA_TOP, IntText((int)m_dXStart));
        TextAt(dc, plot.right, nAxisY, TA_RIGHT | TA_TOP, IntText((int)m_dXEnd));
    }
    TextAt(dc, (plot.left + plot.right) / 2, nAxisY, TA_CENTER | TA_TOP, m_strXUnits);

    CFont fontVertical;
    MakeScaleFont(fontVertical, kVertical);
    dc.SelectObject(&fontVertical);
    TextAt(dc, (m_rectClient.left + plot.left) / 2, (plot.top + plot.bottom) / 2, TA_CENTER | TA_BASELINE,
           m_strYUnits);
    dc.SelectObject(pOldFont);

    PrepareLayer(m_dcPlot, m_bitmapPlot, m_hOldBitmapPlot, FALSE);
    m_dcPlot.FillRect(&m_rectClient, &m_brushBack);
    Invalidate(FALSE);
}

// -- The curve ---------------------------------------------------------------------------------

double COScopeCtrl::AppendPoint(double dValue)
{
    if (GetSafeHwnd() == NULL)
        return 0;
    const double dPrevious = m_dCurrentValue;
    m_dPreviousValue = m_dCurrentValue;
    m_dCurrentValue = dValue;
    DrawPoint();
    Invalidate(FALSE);
    return dPrevious;
}

int COScopeCtrl::ValueToY(double dValue) const
{
    // Far-off values are held a little outside the window: GDI coordinates are bounded.
    const double dLimit = 4.0 * (m_nClientHeight + 1);
    double dOffset = (dValue - m_dLowerLimit) * m_dVerticalFactor;
    dOffset = dOffset > dLimit ? dLimit : dOffset < -dLimit ? -dLimit : dOffset;
    return m_rectPlot.bottom - (int)floor(dOffset + 0.5);
}

void COScopeCtrl::DrawPoint()
{
    if (m_dcPlot.GetSafeHdc() == NULL)
        return;
    CDC& dc = m_dcPlot;
    const CRect& plot = m_rectPlot;
    // Inside the frame: columns left + 1 to right, rows top + 1 to bottom.
    if (m_nPlotWidth > m_nShiftPixels)
        dc.BitBlt(plot.left + 1, plot.top + 1, m_nPlotWidth - m_nShiftPixels, m_nPlotHeight, &dc,
                  plot.left + 1 + m_nShiftPixels, plot.top + 1, SRCCOPY);
    CRect strip(std::max(plot.right - m_nShiftPixels + 1, plot.left + 1), plot.top + 1, plot.right + 1,
                plot.bottom + 1);
    dc.FillRect(&strip, &m_brushBack);

    const CPoint start(plot.right - m_nStartOffset, ValueToY(m_dPreviousValue));
    const CPoint end(plot.right - m_nEndOffset, ValueToY(m_dCurrentValue));
    CPen* pOldPen = dc.SelectObject(&m_penPlot);
    dc.MoveTo(start);
    dc.LineTo(end);
    dc.SelectObject(pOldPen);

    // What the pen drew beyond the frame goes again, so the curve never reaches the texts. The
    // wide pen reaches a pixel past its line's ends.
    const int nReach = kPlotPenWidth / 2;
    const int nLeft = std::min(start.x, end.x) - kPlotPenWidth;
    const int nRight = std::max(start.x, end.x) + kPlotPenWidth;
    if (std::min(start.y, end.y) - nReach <= plot.top)
    {
        CRect above(nLeft, m_rectClient.top, nRight, plot.top + 1);
        dc.FillRect(&above, &m_brushBack);
    }
    if (std::max(start.y, end.y) + nReach >= plot.bottom)
    {
        CRect below(nLeft, plot.bottom + 1, nRight, m_rectClient.bottom);
        dc.FillRect(&below, &m_brushBack);
    }
    m_dPreviousValue = m_dCurrentValue;
}

// -- Messages ----------------------------------------------------------------------------------

void COScopeCtrl::OnPaint()
{
    CPaintDC dc(this);
    CDC dcMem;
    CBitmap bitmap;
    if (!dcMem.CreateCompatibleDC(&dc) ||
        !bitmap.CreateCompatibleBitmap(&dc, std::max(m_nClientWidth, 1), std::max(m_nClientHeight, 1)))
        return;
    HGDIOBJ hOld = dcMem.SelectObject(bitmap.GetSafeHandle());
    dcMem.PatBlt(0, 0, m_nClientWidth, m_nClientHeight, BLACKNESS);
    // The layers show through each other on black.
    if (m_dcGrid.GetSafeHdc() != NULL)
        dcMem.BitBlt(0, 0, m_nClientWidth, m_nClientHeight, &m_dcGrid, 0, 0, SRCPAINT);
    if (m_dcPlot.GetSafeHdc() != NULL)
        dcMem.BitBlt(0, 0, m_nClientWidth, m_nClientHeight, &m_dcPlot, 0, 0, SRCPAINT);
    dc.BitBlt(0, 0, m_nClientWidth, m_nClientHeight, &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(hOld);
}

void COScopeCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
    PrepareLayer(m_dcGrid, m_bitmapGrid, m_hOldBitmapGrid, TRUE);
    PrepareLayer(m_dcPlot, m_bitmapPlot, m_hOldBitmapPlot, TRUE);
    InvalidateCtrl();
}
