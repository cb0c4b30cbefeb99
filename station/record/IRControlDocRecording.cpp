// CIRControlDoc: the operations the recording view drives: making and laying out the drawing
// objects, the print logo, clearing, profile values and their texts, analysis points.
#include "station/record/IRControlDoc.h"
#include "station/record/ApplicationValues.h"
#include "station/record/DrawLine.h"
#include "station/record/DrawSettings.h"
#include "station/record/DrawText.h"
#include "station/record/DrawViewBase.h"
#include "station/record/MeasureCurve.h"
#include "station/record/ProcessStateCurve.h"
#include "station/record/ReferenceLine.h"
#include "uilib/common/Dib.h"
#include "StationIds.h"
#include <utility>
#include "ResourceText.h"

using tessaron::foundation::SECDib;

namespace
{
// The curves in the order they are laid out and offered in the settings.
const int kLayoutOrder[] = {CIRControlDoc::TESolder, CIRControlDoc::IRSolder, CIRControlDoc::TopHeater};

const CRect kNewObjectRect(0, 0, 1, -1);

// An object's settings into the sheet's values (a missing object shows with no key) or back.
template <class T>
void ExchangeSettings(T* pObject, BOOL bFill, CObjectSettingsPage::SSettings& settings, bool bToSettings)
{
    if (pObject == NULL)
        return;
    if (bToSettings)
    {
        settings.key = pObject->GetRegistryKey();
        settings.bVisible = pObject->IsVisible();
        settings.color = bFill ? pObject->GetFillColor() : pObject->GetLineColor();
        settings.nWeight = bFill ? 0 : pObject->GetLineWeight();
        return;
    }
    pObject->SetVisible(settings.bVisible);
    if (bFill)
        pObject->SetFillColor(settings.color);
    else
    {
        pObject->SetLineColor(settings.color);
        pObject->SetLineWeight(settings.nWeight);
    }
}

} // namespace

// ---------------------------------------------------------------- layout

void CIRControlDoc::CreateDrawObjects(CDrawViewBase* pView)
{
    BOOL bFresh = FALSE;
    for (int nSlot = 0; nSlot < CurveCount; nSlot++)
    {
        if (nSlot == IRSurface || m_pCurves[nSlot] != NULL)
            continue;
        const SObjectInfo& info = GetCurveInfo(nSlot);
        CMeasureCurve* pCurve = new CMeasureCurve(kNewObjectRect, info.nTitleId, info.registryName,
                                                  info.color, info.nWidth, info.bVisible, info.bScale);
        pCurve->CreateLegend(kNewObjectRect);
        m_pCurves[nSlot] = pCurve;
        if (nSlot == TopHeater)
        {
            bFresh = TRUE;
            if (!CApplicationValues::IsExpertMode())
                pCurve->SetVisible(FALSE);
        }
    }
    const int values[LineCount] = {m_nT1, m_nT2, m_nT3};
    for (int n = 0; n < LineCount; n++)
    {
        if (m_pLines[n] != NULL)
            continue;
        const SObjectInfo& info = GetLineInfo(n);
        m_pLines[n] = new CReferenceLine(kNewObjectRect, info.nTitleId, info.registryName, info.color,
                                         info.nWidth, info.bVisible);
        m_pLines[n]->SetValue(values[n], pView);
    }
    for (int n = 0; n < BarCount; n++)
    {
        if (m_pBars[n] != NULL)
            continue;
        const SObjectInfo& info = GetBarInfo(n);
        m_pBars[n] = new CProcessStateCurve(kNewObjectRect, info.nTitleId, info.registryName, info.color,
                                            info.nWidth, info.bVisible);
        m_pBars[n]->CreateLegend(kNewObjectRect);
    }
    if (m_pCursor == NULL && pView != NULL)
    {
        CRect plot = pView->GetPlotRect();
        m_pCursor = new CDrawLine(CRect(plot.left, plot.top, plot.left + 2, plot.bottom));
        m_pCursor->SetDragRange(plot);
        m_pCursor->SetMaximum(GetTimeBase());
        m_pCursor->SetMinimum(0);
        m_pCursor->SetPosition(pView->XToTime(plot.left));
    }
    if (bFresh)
    {
        LayoutCurves(pView);
        LayoutProcessBars(pView);
        LayoutReferenceLines(pView);
    }
}

CRect CIRControlDoc::NextCurveLegendRect(CDrawViewBase* pView, BOOL bFirst)
{
    if (bFirst && pView != NULL)
    {
        CRect plot = pView->GetPlotRect();
        m_curveLegendPlace.SetRect(plot.left, plot.top, plot.left + 100, plot.top + 16);
    }
    else if (!bFirst)
        m_curveLegendPlace.OffsetRect(0, 16);
    return m_curveLegendPlace;
}

CRect CIRControlDoc::NextProcessLegendRect(CDrawViewBase* pView, BOOL bFirst)
{
    if (bFirst && pView != NULL)
    {
        CRect plot = pView->GetPlotRect();
        m_processLegendPlace.SetRect(plot.left, plot.bottom + 18, plot.left + 1, plot.bottom + 32);
    }
    else if (!bFirst)
        m_processLegendPlace.OffsetRect(0, 14);
    return m_processLegendPlace;
}

void CIRControlDoc::LayoutCurves(CDrawViewBase* pView)
{
    BOOL bFirst = TRUE;
    for (int nSlot : kLayoutOrder)
    {
        CMeasureCurve* pCurve = m_pCurves[nSlot];
        if (pCurve == NULL || !pCurve->IsVisible())
            continue;
        AddObject(pCurve);
        CDrawText* pLegend = pCurve->CreateLegend(kNewObjectRect);
        pCurve->UpdateLegendColor();
        pLegend->MoveTo(NextCurveLegendRect(pView, bFirst));
        bFirst = FALSE;
        AddObject(pLegend);
    }
}

void CIRControlDoc::DetachCurves(CDrawViewBase* pView)
{
    for (int nSlot : kLayoutOrder)
    {
        CMeasureCurve* pCurve = m_pCurves[nSlot];
        if (pCurve == NULL)
            continue;
        RemoveObject(pCurve);
        pCurve->RebuildPoints(pView);
        if (pCurve->GetLegend() != NULL)
            RemoveObject(pCurve->GetLegend());
    }
}

void CIRControlDoc::LayoutProcessBars(CDrawViewBase* pView)
{
    BOOL bFirst = TRUE;
    for (CProcessStateCurve* pBar : m_pBars)
    {
        if (pBar == NULL || !pBar->IsVisible())
            continue;
        AddObject(pBar);
        CDrawText* pLegend = pBar->CreateLegend(kNewObjectRect);
        pBar->UpdateLegendColor();
        CRect rect = NextProcessLegendRect(pView, bFirst);
        bFirst = FALSE;
        pBar->SetBoundsRect(rect.left, rect.top, rect.right, rect.bottom);
        pLegend->MoveTo(CRect(0, rect.top - 4, rect.right, rect.bottom - 4));
        AddObject(pLegend);
    }
}

void CIRControlDoc::DetachProcessBars(CDrawViewBase* pView)
{
    for (CProcessStateCurve* pBar : m_pBars)
    {
        if (pBar == NULL)
            continue;
        RemoveObject(pBar);
        pBar->RebuildPoints(pView);
        if (pBar->GetLegend() != NULL)
            RemoveObject(pBar->GetLegend());
    }
}

void CIRControlDoc::RebuildPoints(CDrawViewBase* pView)
{
    for (int nSlot : kLayoutOrder)
        if (m_pCurves[nSlot] != NULL)
            m_pCurves[nSlot]->RebuildPoints(pView);
    for (CProcessStateCurve* pBar : m_pBars)
        if (pBar != NULL)
            pBar->RebuildPoints(pView);
}

void CIRControlDoc::LayoutReferenceLines(CDrawViewBase* pView)
{
    const int values[LineCount] = {m_nT1, m_nT2, m_nT3};
    for (int n = 0; n < LineCount; n++)
    {
        CReferenceLine* pLine = m_pLines[n];
        if (pLine == NULL || !pLine->IsVisible())
            continue;
        pLine->SetValue(values[n], pView);
        AddObject(pLine);
        if (pLine->GetLegend() != NULL)
            AddObject(pLine->GetLegend());
    }
}

void CIRControlDoc::DetachReferenceLines()
{
    for (CReferenceLine* pLine : m_pLines)
    {
        if (pLine == NULL)
            continue;
        RemoveObject(pLine);
        if (pLine->GetLegend() != NULL)
            RemoveObject(pLine->GetLegend());
    }
}

// ---------------------------------------------------------------- print logo

BOOL CIRControlDoc::SetPrintLogo(CString path, BOOL bLeftLogo, BOOL bRightLogo)
{
    if (m_bLoadedFromFile)
        return FALSE; // the logo stored with the recording stays
    if (path.IsEmpty())
    {
        delete m_pPrintLogo;
        m_pPrintLogo = NULL;
        return FALSE;
    }
    if (m_pPrintLogo == NULL)
        m_pPrintLogo = new SECDib;
    m_bLeftLogo = bLeftLogo;
    m_bRightLogo = bRightLogo;
    try
    {
        m_pPrintLogo->LoadFromFile(path);
    }
    catch (CException* e)
    {
        e->Delete();
        delete m_pPrintLogo;
        m_pPrintLogo = NULL;
        return FALSE;
    }
    return TRUE;
}

// ---------------------------------------------------------------- recording

BOOL CIRControlDoc::ClearRecording(CDrawViewBase* pView)
{
    m_bSamplesPending = FALSE;
    m_nSampleCount = 0;
    m_nRecordingTime = 0;
    DeleteAllAnalysePoints();
    for (int nSlot : kLayoutOrder)
        if (m_pCurves[nSlot] != NULL)
            m_pCurves[nSlot]->ClearValues(pView);
    for (CProcessStateCurve* pBar : m_pBars)
        if (pBar != NULL)
            pBar->ClearValues(pView);
    UpdateMeasureValues(FALSE);
    int nPages = pView != NULL ? pView->FitTimeAxis(0) : 1;
    return UpdatePageSize(FALSE, nPages, FALSE);
}

void CIRControlDoc::ExchangeObjectSettings(SDrawSettings& settings, bool bToSettings)
{
    for (int i = 0; i < SDrawSettings::CurveCount; i++)
        ExchangeSettings(m_pCurves[kLayoutOrder[i]], FALSE, settings.curves[i], bToSettings);
    for (int i = 0; i < SDrawSettings::LineCount; i++)
        ExchangeSettings(m_pLines[i], FALSE, settings.lines[i], bToSettings);
    for (int i = 0; i < SDrawSettings::BarCount; i++)
        ExchangeSettings(m_pBars[i], TRUE, settings.bars[i], bToSettings);
}

BOOL CIRControlDoc::DoSettingsSheet(UINT nStartPage, CDrawViewBase* pView)
{
    SDrawSettings settings;
    ExchangeObjectSettings(settings, true);
    settings.nPen = m_nPen;
    settings.bGrid = m_bGrid;
    settings.backColor = m_backColor;
    settings.gridColor = m_gridColor;
    settings.nTimeBase = m_nTimeBase;
    settings.nTimeInterval = m_nTimeInterval;
    settings.nTempBase = m_nTempBase;
    settings.nTempInterval = m_nTempInterval;
    settings.nSamplingSeconds = m_nSamplingInterval / 1000;
    settings.nAutoRecord = m_nAutoRecord;
    settings.bPipCal = m_bPipCal;
    settings.bSoftCal = m_bSoftCal;
    settings.nBuzzerMode = m_nBuzzerMode;
    if (CApplicationValues::RunDrawSettings(nStartPage, settings) != IDOK)
        return FALSE;

    SetLayout(settings.nPen, settings.bGrid, settings.backColor, settings.gridColor, settings.nTimeBase,
              settings.nTimeInterval, settings.nTempBase, settings.nTempInterval);
    m_nSamplingInterval = settings.nSamplingSeconds * 1000;
    if (pView != NULL)
    {
        UpdatePageSize(FALSE, pView->FitTimeAxis(m_nRecordingTime), FALSE);
        pView->CreateScaleLabels();
        pView->GetView()->Invalidate();
    }
    m_nAutoRecord = settings.nAutoRecord;
    m_bPipCal = settings.bPipCal;
    m_bSoftCal = settings.bSoftCal;
    m_nBuzzerMode = settings.nBuzzerMode;
    if (pView != NULL)
        pView->SetSettingsChanged(TRUE);
    ExchangeObjectSettings(settings, false);
    if (pView != NULL)
    {
        DetachCurves(pView);
        DetachProcessBars(pView);
        DetachReferenceLines();
        LayoutCurves(pView);
        LayoutProcessBars(pView);
        LayoutReferenceLines(pView);
    }
    if (settings.bCurvesOrBarsChanged)
        UpdateMeasureValues(FALSE);
    if (m_pCursor != NULL && pView != NULL)
    {
        // The time base may have changed: the line keeps its place, its time follows.
        m_pCursor->SetMaximum(pView->GetTimeSpan());
        m_pCursor->SetMinimum(0);
        m_pCursor->SetPosition(pView->XToTime(m_pCursor->GetRect().left));
        UpdateAnalyseCursor(pView);
    }
    UpdateAnalysePointLines(pView);
    SetModifiedFlag();
    return TRUE;
}

void CIRControlDoc::SetTestDate()
{
    CTime now = CTime::GetCurrentTime();
    m_strTestDate.Format("%d.%d.%d %2.2d:%2.2d", now.GetDay(), now.GetMonth(), now.GetYear(), now.GetHour(),
                         now.GetMinute());
    ShowTestDate();
}

void CIRControlDoc::SetProfileValues(int nProgram, int nT1, int nT2, int nT3, int nTime, int nTL, int nEnergy,
                                     CString sensorText, CString unitText, CDrawViewBase* pView)
{
    m_nProgram = nProgram;
    m_nT1 = nT1;
    m_nT2 = nT2;
    m_nT3 = nT3;
    m_nTime = nTime;
    m_nTL = nTL;
    m_nEnergy = nEnergy;
    m_strSensor = sensorText;
    m_strUnit = unitText;
    m_bFahrenheit = IsFahrenheitText(unitText);
    if (pView == NULL)
        return;
    const int values[LineCount] = {nT1, nT2, nT3};
    for (int n = 0; n < LineCount; n++)
        if (m_pLines[n] != NULL && m_pLines[n]->GetValue() != values[n])
            m_pLines[n]->SetValue(values[n], pView);
}

// ---------------------------------------------------------------- texts

int CIRControlDoc::CelsiusToFahrenheit(int celsius)
{
    return (int)(celsius * 1.8 + 32.5);
}

BOOL CIRControlDoc::IsFahrenheitText(const CString& text)
{
    return text == LoadText(IDS_STATION_UNIT_FAHRENHEIT);
}

BOOL CIRControlDoc::IsIRSensorText(const CString& text)
{
    return text == LoadText(IDS_STATION_SENSOR_IR);
}

CString CIRControlDoc::LabelText(UINT nLabelId, const CString& value, BOOL bBare) const
{
    return bBare ? value : LoadText(nLabelId) + value;
}

CString CIRControlDoc::TemperatureText(UINT nLabelId, int nValue, BOOL bBare) const
{
    CString value;
    value.Format("%d", m_bFahrenheit ? CelsiusToFahrenheit(nValue) : nValue);
    return LabelText(nLabelId, value + m_strUnit, bBare);
}

CString CIRControlDoc::GetProgramText() const
{
    CString value;
    value.Format("%d", m_nProgram);
    return LoadText(IDS_REC_PROGRAM) + value;
}

CString CIRControlDoc::GetT1Text(BOOL bBare) const
{
    return TemperatureText(IDS_REC_T1, m_nT1, bBare);
}

CString CIRControlDoc::GetT2Text(BOOL bBare) const
{
    return TemperatureText(IDS_REC_T2, m_nT2, bBare);
}

CString CIRControlDoc::GetT3Text(BOOL bBare) const
{
    return TemperatureText(IDS_REC_T3, m_nT3, bBare);
}

CString CIRControlDoc::GetTLText(BOOL bBare) const
{
    return TemperatureText(IDS_REC_TL, m_nTL, bBare);
}

CString CIRControlDoc::GetTinitText(BOOL bBare) const
{
    CString value;
    value.Format("%d", m_nTinit); // the start temperature is never converted
    return LabelText(IDS_REC_TINIT, value + m_strUnit, bBare);
}

CString CIRControlDoc::GetEnergyText(BOOL bBare) const
{
    CString value;
    value.Format("%d", m_nEnergy);
    return LabelText(IDS_REC_ENERGY, value, bBare);
}

CString CIRControlDoc::GetTimeText(BOOL bBare) const
{
    CString value;
    value.Format("%d", m_nTime);
    return LabelText(IDS_REC_TIME, value + LoadText(IDS_REC_SECONDS), bBare);
}

CString CIRControlDoc::GetSensorText(BOOL bBare) const
{
    return LabelText(IDS_REC_SENSOR, m_strSensor, bBare);
}

// ---------------------------------------------------------------- analysis

void CIRControlDoc::GetAnalysePoint(int n, double& position, double& value, double& slope) const
{
    if (n < 0 || n >= kMaxAnalysePoints)
        return;
    position = m_analyse[n][0];
    value = m_analyse[n][1];
    slope = m_analyse[n][2];
}

void CIRControlDoc::GetAnalysePoint2(int n, double& position, double& value, double& slope) const
{
    if (n < 0 || n >= kMaxAnalysePoints)
        return;
    position = m_analyse2[n][0];
    value = m_analyse2[n][1];
    slope = m_analyse2[n][2];
}

void CIRControlDoc::ShowLine(CDrawLine* pLine, BOOL bShow)
{
    if (pLine == NULL || pLine->IsShown() == bShow)
        return;
    if (bShow)
        AddObject(pLine);
    else
        RemoveObject(pLine);
    pLine->SetShown(bShow);
}

BOOL CIRControlDoc::ShowAnalyseCursor(CDrawViewBase* pView, BOOL bShow)
{
    if (m_pCursor == NULL || m_pAnalyseDlg == NULL || m_pAnalyseDlg->m_hWnd == NULL)
        return FALSE;
    ShowLine(m_pCursor, bShow);
    if (bShow)
    {
        m_pAnalyseDlg->ShowWindow(SW_SHOW);
        UpdateAnalyseCursor(pView);
    }
    else
    {
        m_pAnalyseDlg->ShowWindow(SW_HIDE);
        m_pCursor->SetArmed(FALSE);
    }
    if (pView != NULL)
        pView->InvalidateObject(m_pCursor);
    return TRUE;
}

void CIRControlDoc::UpdateAnalyseCursor(CDrawViewBase* pView)
{
    if (m_pCursor == NULL || m_pAnalyseDlg == NULL || m_pAnalyseDlg->m_hWnd == NULL || pView == NULL)
        return;
    m_pCursor->SetMaximum(pView->GetTimeSpan());
    m_pCursor->SetMinimum(0);
    CView* pWnd = pView->GetView();
    POINT right = {m_pCursor->GetRect().right, 0};
    pView->DocToClient(right);
    pWnd->ClientToScreen(&right);
    POINT top = {0, 0};
    pWnd->ClientToScreen(&top);
    m_pAnalyseDlg->SetWindowPos(NULL, right.x + 5, top.y + 5, 0, 0,
                                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CApplicationValues::ShowAnalyseValues(m_pAnalyseDlg, GetObjects(), m_pCursor->GetPositionText(),
                                          m_pCursor->GetPosition());
}

void CIRControlDoc::AddAnalysePoint()
{
    if (m_pCursor != NULL && !m_pCursor->IsArmed())
        return;
    if (m_pCursor != NULL && m_pCurves[TESolder] != NULL && m_pCurves[IRSolder] != NULL &&
        m_nAnalysePoints < kMaxAnalysePoints)
    {
        int n = m_nAnalysePoints;
        int t = m_pCursor->GetPosition();
        double value = 0, slope = 0;
        m_pCurves[TESolder]->GetValueAt(t, value, slope);
        m_analyse[n][0] = t;
        m_analyse[n][1] = value;
        m_analyse[n][2] = slope;
        value = slope = 0;
        m_pCurves[IRSolder]->GetValueAt(t, value, slope);
        m_analyse2[n][0] = t;
        m_analyse2[n][1] = value;
        m_analyse2[n][2] = slope;
        if (m_pPointLines[n] == NULL)
        {
            m_pPointLines[n] = new CDrawLine(m_pCursor->GetRect());
            m_pPointLines[n]->SetLineColor(RGB(0, 0, 0));
            m_pPointLines[n]->SetLineWeight(1);
        }
        CDrawLine* pMarker = m_pPointLines[n];
        pMarker->MoveTo(m_pCursor->GetRect());
        pMarker->SetMaximum(m_pCursor->GetMaximum());
        pMarker->SetMinimum(m_pCursor->GetMinimum());
        pMarker->SetPosition(t);
        ShowLine(pMarker, TRUE);
        m_nAnalysePoints++;
    }
    SetModifiedFlag(TRUE);
}

void CIRControlDoc::UpdateAnalysePointLines(CDrawViewBase* pView)
{
    if (pView == NULL)
        return;
    for (int n = 0; n < kMaxAnalysePoints; n++)
    {
        CDrawLine* pLine = m_pPointLines[n];
        if (pLine == NULL)
            continue;
        int x = pView->TimeToX(pLine->GetPosition());
        CRect rect = pLine->GetRect();
        pLine->MoveTo(CRect(x - 1, rect.top, x + 1, rect.bottom));
        pLine->SetMaximum(GetTimeBase());
        pLine->SetMinimum(0);
        // Lines kept from deleted points stay hidden.
        ShowLine(pLine, n < m_nAnalysePoints && pLine->GetPosition() <= pView->GetTimeSpan());
    }
}

void CIRControlDoc::ShowPointLinesInRange(CDrawViewBase*, int from, int to)
{
    for (int n = 0; n < kMaxAnalysePoints; n++)
        if (CDrawLine* pLine = m_pPointLines[n])
            ShowLine(pLine,
                     n < m_nAnalysePoints && pLine->GetPosition() >= from && pLine->GetPosition() <= to);
}

void CIRControlDoc::DeleteLastAnalysePoint()
{
    if (m_nAnalysePoints > 0)
    {
        m_nAnalysePoints--;
        // The line object stays for the next point to take.
        ShowLine(m_pPointLines[m_nAnalysePoints], FALSE);
    }
    SetModifiedFlag(TRUE);
}

void CIRControlDoc::DeleteAllAnalysePoints()
{
    for (CDrawLine* pLine : m_pPointLines)
        ShowLine(pLine, FALSE);
    for (int i = 0; i < kMaxAnalysePoints; i++)
        for (int k = 0; k < 3; k++)
            m_analyse[i][k] = m_analyse2[i][k] = 0;
    m_nAnalysePoints = 0;
    SetModifiedFlag(TRUE);
}

void CIRControlDoc::SortAnalysePoints()
{
    if (m_nAnalysePoints < 2)
        return;
    for (int i = 0; i < m_nAnalysePoints; i++)
        for (int j = i + 1; j < m_nAnalysePoints; j++)
            if (m_analyse[i][0] > m_analyse[j][0])
            {
                for (int k = 0; k < 3; k++)
                {
                    std::swap(m_analyse[i][k], m_analyse[j][k]);
                    std::swap(m_analyse2[i][k], m_analyse2[j][k]);
                }
                // Each marker stays with its point.
                std::swap(m_pPointLines[i], m_pPointLines[j]);
            }
}
