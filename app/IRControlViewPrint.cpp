// Printing a recording: one printed page per time-axis page, the chart's slice on the left, the
// profile and analysis texts beside it, a title above, a footer and the print logos.
#include "app/IRControlView.h"
#include "AppIds.h"
#include "StationIds.h"
#include "PrintInfo.h"
#include "station/record/ApplicationValues.h"
#include "station/record/DrawLine.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureCurve.h"
#include "ResourceText.h"
#include "uilib/common/Dib.h"

namespace
{
const int kBold = 700;
const int kNormal = 500;

// The printed page: the text block's place in the 960 x 590 page.
const int kTextsLeft = 10, kTextsTop = 60;
const double kTextsRight = 0.79, kTextsBottom = 1.04;

// The viewport origin of the chart and the texts: the printer's unprintable margin.
CPoint MarginOrigin(CDC* pDC, int nPages)
{
    return CPoint(-(pDC->GetDeviceCaps(PHYSICALOFFSETX) / pDC->GetDeviceCaps(LOGPIXELSX)),
                  -(pDC->GetDeviceCaps(PHYSICALOFFSETY) / (pDC->GetDeviceCaps(LOGPIXELSY) * nPages)));
}

void DrawRule(CDC* pDC, int x1, int x2, int y)
{
    CPen pen(PS_SOLID, 2, RGB(0, 0, 0));
    CPen* pOld = pDC->SelectObject(&pen);
    pDC->MoveTo(x1, y);
    pDC->LineTo(x2, y);
    pDC->SelectObject(pOld);
}
} // namespace

BOOL CIRControlView::OnPreparePrinting(CPrintInfo* pInfo)
{
    CIRControlDoc* pDoc = GetDocument();
    if (pDoc == NULL)
        return FALSE;
    pInfo->SetMinPage(1);
    pInfo->SetMaxPage(FitTimeAxis(pDoc->GetRecordingTime()));
    const CSize page = CDrawDoc::GetDefaultPageSize();
    SetPageSize(page.cx, page.cy);
    if (CDrawView::OnPreparePrinting(pInfo))
        return TRUE;
    // Nothing printed: the screen keeps its page.
    SetPageSize(pDoc->GetPageSize().cx, pDoc->GetPageSize().cy);
    return FALSE;
}

void CIRControlView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    CIRControlDoc* pDoc = GetDocument();
    if (pDoc == NULL)
        return;
    const int nPages = FitTimeAxis(pDoc->GetRecordingTime());
    const int nPage = (int)pInfo->m_nCurPage;
    const int from = (nPage - 1) * GetTimeBase(), to = nPage * GetTimeBase();
    m_nPrintSliceStart = TimeToX(from);
    m_nPrintSliceEnd = TimeToX(to);
    pDoc->ShowPointLinesInRange(this, from, to);
    CDrawLine* pCursor = pDoc->GetCursorLine();
    const BOOL bCursorShown = pCursor != NULL && pCursor->IsShown();
    pDoc->ShowLine(pCursor, FALSE);

    // The chart, shrunk to leave room for the texts on the right and the footer below.
    const CSize ext = pDC->GetWindowExt();
    m_rectPrint.SetRect(0, -20, ext.cx + 60, ext.cy);
    pDC->SetWindowOrg(-20, 0);
    pDC->SetWindowExt(ext.cx * 100 / 73, ext.cy * 10 / 9);
    pDC->SetViewportOrg(MarginOrigin(pDC, nPages));
    pDC->OffsetWindowOrg(0, -90);
    CDrawView::OnPrint(pDC, pInfo);

    const CSize page = CDrawDoc::GetDefaultPageSize();
    const CRect texts(kTextsLeft, kTextsTop, (int)(kTextsRight * page.cx), (int)(kTextsBottom * page.cy));
    m_rectPrint = texts;
    pDC->SetWindowExt(page);
    pDC->SetWindowOrg(0, 0);
    pDC->SetViewportOrg(MarginOrigin(pDC, nPages));
    PrintTitle(pDC, texts);
    PrintTextBlock(pDC, texts);
    PrintFooter(pDC, texts, nPage, nPages);
    PrintLogos(pDC);

    pDoc->ShowLine(pCursor, bCursorShown);
}

void CIRControlView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    if (CIRControlDoc* pDoc = GetDocument())
    {
        pDoc->ShowPointLinesInRange(this, 0, GetTimeSpan());
        SetPageSize(pDoc->GetPageSize().cx, pDoc->GetPageSize().cy);
    }
    CDrawView::OnEndPrinting(pDC, pInfo);
}

void CIRControlView::PrintLine(CDC* pDC, int x, int& y, int nHeight, int nWeight, BOOL bUnderline,
                               LPCTSTR lpszText)
{
    CFont font;
    font.CreateFont(-nHeight, 0, 0, 0, nWeight, FALSE, bUnderline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, "Arial");
    CFont* pOld = pDC->SelectObject(&font);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(x, y, lpszText, lstrlen(lpszText));
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    y += tm.tmHeight + tm.tmExternalLeading;
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOld);
}

void CIRControlView::PrintTitle(CDC* pDC, const CRect& texts)
{
    DrawRule(pDC, texts.left, texts.left + (int)(1.25 * texts.Width()), texts.top - 10);
    int y = texts.top - 30;
    PrintLine(pDC, texts.left + (CApplicationValues::GetLeftLogo() ? 60 : 0), y, 18, kBold, FALSE,
              GetDocument()->GetHeaderLine());
}

void CIRControlView::PrintTextBlock(CDC* pDC, const CRect& texts)
{
    CIRControlDoc* pDoc = GetDocument();
    const int x = texts.right + 5;
    int y = texts.top;
    CString text;
    PrintLine(pDC, x, y, 16, kBold, TRUE, LoadText(IDS_PRINT_PROFILE));
    y += 10;
    text.Format(" %lu", (unsigned long)pDoc->GetSerialNumber());
    PrintLine(pDC, x, y, 12, kNormal, FALSE, LoadText(IDS_PRINT_DEVICE) + text);
    if (CApplicationValues::IsExpertMode())
    {
        text.Format(LoadText(IDS_PRINT_FIRMWARE), (double)GetMirroredVar(StationVar::FirmwareVersion));
        PrintLine(pDC, x, y, 12, kNormal, FALSE, text);
    }
    else
        y += 10;
    const struct
    {
        UINT nLabel;
        CString value;
        BOOL bSameLine;
    } details[] = {{IDS_PRINT_TEST_DATE, pDoc->GetTestDate(), TRUE},
                   {IDS_PRINT_PROCEDURE, pDoc->GetProfileType(), TRUE},
                   {IDS_PRINT_OPERATOR, pDoc->GetOperator(), FALSE},
                   {IDS_PRINT_BOARD, pDoc->GetBoardName(), FALSE},
                   {IDS_PRINT_COMPONENT, pDoc->GetComponent(), FALSE}};
    for (const auto& detail : details)
    {
        if (detail.bSameLine)
            PrintLine(pDC, x, y, 12, kNormal, FALSE, LoadText(detail.nLabel) + " " + detail.value);
        else
        {
            PrintLine(pDC, x, y, 12, kNormal, FALSE, LoadText(detail.nLabel));
            PrintLine(pDC, x, y, 12, kNormal, FALSE, detail.value);
        }
    }
    PrintLine(pDC, x, y, 14, kBold, TRUE, LoadText(IDS_PRINT_USER_VALUES));
    for (const CString& line : {pDoc->GetTinitText(FALSE), LoadText(IDS_PRINT_PIN1) + pDoc->GetPin1Position(),
                                LoadText(IDS_PRINT_APERTURE_X) + pDoc->GetApertureX(),
                                LoadText(IDS_PRINT_APERTURE_Y) + pDoc->GetApertureY()})
        PrintLine(pDC, x, y, 12, kNormal, FALSE, line);
    PrintLine(pDC, x, y, 14, kBold, TRUE, LoadText(IDS_PRINT_PROFILE_VALUES));
    for (const CString& line :
         {pDoc->GetT1Text(FALSE), pDoc->GetTimeText(FALSE), pDoc->GetT2Text(FALSE), pDoc->GetT3Text(FALSE),
          pDoc->GetTLText(FALSE), pDoc->GetEnergyText(FALSE), pDoc->GetSensorText(FALSE)})
        PrintLine(pDC, x, y, 12, kNormal, FALSE, line);
    PrintLine(pDC, x, y, 14, kBold, TRUE, LoadText(IDS_PRINT_ANALYSIS));
    PrintAnalysePoints(pDC, x, y);
}

// A column per visible analysed curve: its name, then its gradient at each point.
void CIRControlView::PrintAnalysePoints(CDC* pDC, int x, int& y)
{
    CIRControlDoc* pDoc = GetDocument();
    CMeasureCurve* pCurves[2] = {pDoc->GetCurve(CIRControlDoc::TESolder),
                                 pDoc->GetCurve(CIRControlDoc::IRSolder)};
    int yHeading = y;
    PrintLine(pDC, x, y, 10, kNormal, TRUE, LoadText(IDS_PRINT_MOMENT));
    for (int c = 0; c < 2; c++)
        if (pCurves[c] != NULL && pCurves[c]->IsVisible())
        {
            int yColumn = yHeading;
            PrintLine(pDC, x + 65 * (c + 1), yColumn, 10, kNormal, TRUE, pCurves[c]->GetName());
        }
    y += 5;
    pDoc->SortAnalysePoints();
    const CString strSeconds = LoadText(IDS_REC_SECONDS), strSlope = LoadText(IDS_REC_SLOPE_UNIT);
    for (int i = 0; i < pDoc->GetAnalysePointCount(); i++)
    {
        double position[2], value[2], slope[2];
        pDoc->GetAnalysePoint(i, position[0], value[0], slope[0]);
        pDoc->GetAnalysePoint2(i, position[1], value[1], slope[1]);
        const int yLine = y;
        CString text;
        text.Format("%#.1f", position[0]);
        PrintLine(pDC, x, y, 10, kNormal, FALSE, text + strSeconds);
        for (int c = 0; c < 2; c++)
            if (pCurves[c] != NULL && pCurves[c]->IsVisible())
            {
                int yColumn = yLine;
                text.Format("%#.2f", slope[c]);
                PrintLine(pDC, x + 65 * (c + 1), yColumn, 10, kNormal, FALSE, text + strSlope);
            }
    }
}

void CIRControlView::PrintFooter(CDC* pDC, const CRect& texts, int nPage, int nPages)
{
    const int xEnd = texts.left + (int)(1.25 * texts.Width());
    const int yLine = texts.bottom + 20;
    DrawRule(pDC, texts.left, xEnd, yLine);
    int y = yLine;
    PrintLine(pDC, xEnd - 300, y, 10, kBold, FALSE, LoadText(IDS_PRINT_RECORDED) + "     ");
    CString text;
    text.Format(LoadText(IDS_PRINT_PAGE), nPage, nPages);
    y = yLine;
    PrintLine(pDC, xEnd - 90, y, 10, kBold, FALSE, text);
    const CTime now = CTime::GetCurrentTime();
    CString strDate;
    strDate.Format("%2.2d.%2.2d.%2.2d  %2.2d:%2.2d", now.GetDay(), now.GetMonth(), now.GetYear(),
                   now.GetHour(), now.GetMinute());
    text.Format(LoadText(IDS_PRINT_FILE), (LPCTSTR)GetDocument()->GetTitle(),
                (LPCTSTR)(LoadText(IDS_PRINT_DATE) + strDate));
    y = yLine;
    PrintLine(pDC, texts.left, y, 10, kBold, FALSE, text);
}

// The logos go in device units, in the page's top corners.
void CIRControlView::PrintLogos(CDC* pDC)
{
    CIRControlDoc* pDoc = GetDocument();
    tessaron::foundation::SECDib* pLogo = pDoc->GetPrintLogo();
    if (pLogo == NULL || pLogo->IsEmpty() || (!pDoc->GetLeftLogo() && !pDoc->GetRightLogo()))
        return;
    pDC->SetMapMode(MM_TEXT);
    pDC->SetWindowOrg(0, 0);
    pDC->SetViewportOrg(-(pDC->GetDeviceCaps(PHYSICALOFFSETX) / pDC->GetDeviceCaps(LOGPIXELSX)),
                        -(pDC->GetDeviceCaps(PHYSICALOFFSETY) / pDC->GetDeviceCaps(LOGPIXELSY)));
    CPalette* pOldPalette = NULL;
    if (pLogo->GetPalette() != NULL)
        pOldPalette = pDC->SelectPalette(pLogo->GetPalette(), TRUE);
    const int cxPage = pDC->GetDeviceCaps(PHYSICALWIDTH), cyPage = pDC->GetDeviceCaps(PHYSICALHEIGHT);
    const int nSide = (int)(0.045 * cxPage), y = (int)(0.004 * cyPage);
    const struct
    {
        BOOL bWanted;
        double xAt;
    } corners[] = {{pDoc->GetLeftLogo(), 0.01}, {pDoc->GetRightLogo(), 0.88}};
    for (const auto& corner : corners)
        if (corner.bWanted)
            pLogo->StretchDIBits(pDC, (int)(corner.xAt * cxPage), y, nSide, nSide, 0, 0, pLogo->GetWidth(),
                                 pLogo->GetHeight(), pLogo->GetBits(), pLogo->GetBitmapInfo(), DIB_RGB_COLORS,
                                 SRCCOPY);
    if (pOldPalette != NULL)
        pDC->SelectPalette(pOldPalette, TRUE);
}
