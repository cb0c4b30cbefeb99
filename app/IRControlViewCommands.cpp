// The recording view's commands beyond polling: clearing the recording, the station's service
// switches and clock, the analysis cursor under the mouse, the context menu and the commands'
// update handlers.
#include "app/IRControlView.h"
#include "AppIds.h"
#include "Menu.h"
#include "app/MultipleProgressDlg.h"
#include "app/BusyTimeDlg.h"
#include "app/DrawSettingsSheet.h"
#include "app/IRPasswordDlg.h"
#include "app/LongLifeTestDlg.h"
#include "app/SerialNumberDlg.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"
#include "app/StationJobCodes.h"
#include "station/link/CommJob.h"
#include "station/record/DrawLine.h"
#include "station/record/IRControlDoc.h"
#include <algorithm>
#include <cmath>

BOOL CIRControlView::IsLive() const
{
    CIRControlDoc* pDoc = GetDocument();
    return pDoc != NULL && !pDoc->IsLoadedFromFile();
}

void CIRControlView::UpdateAnalyseDialog()
{
    CIRControlDoc* pDoc = GetDocument();
    if (m_bAnalyseCursor && pDoc != NULL)
        pDoc->UpdateAnalyseCursor(this);
}

// ---- the analysis cursor and its points

void CIRControlView::ShowAnalyseCursor(BOOL bShow)
{
    if (CIRControlDoc* pDoc = GetDocument())
        pDoc->ShowAnalyseCursor(this, bShow);
}

void CIRControlView::OnAnalyseCursor()
{
    m_bAnalyseCursor = !m_bAnalyseCursor;
    ShowAnalyseCursor(m_bAnalyseCursor);
}

void CIRControlView::OnUpdateAnalyseCursor(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_bAnalyseCursor);
}

BOOL CIRControlView::OnZoomFollowed(UINT nID)
{
    if (nID == ID_ZOOM_ACTUAL)
        OnZoomActual();
    else
        OnZoomFit();
    UpdateAnalyseDialog();
    return TRUE;
}

BOOL CIRControlView::OnAnalysePoints(UINT nID)
{
    CIRControlDoc* pDoc = GetDocument();
    if (pDoc == NULL)
        return TRUE;
    if (nID == ID_ANALYSE_ADD)
        pDoc->AddAnalysePoint();
    else if (nID == ID_ANALYSE_DELETE_LAST)
        pDoc->DeleteLastAnalysePoint();
    else
        pDoc->DeleteAllAnalysePoints();
    ShowAnalysePointCount();
    Invalidate(TRUE);
    return TRUE;
}

// ---- recording

void CIRControlView::OnRecordClear()
{
    CIRControlDoc* pDoc = GetDocument();
    if (!IsLive())
        return;
    if (pDoc->ClearRecording(this))
        CreateScaleLabels();
    Invalidate(FALSE);
}

void CIRControlView::OnUpdateLive(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsLive());
}

// ---- the station's service switches

void CIRControlView::OnFan()
{
    QueueJob(Var(StationVar::Fan) == 0 ? JobFanOn : JobFanOff);
}

void CIRControlView::OnUpdateFan(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bOnline);
    pCmdUI->SetCheck(Var(StationVar::Fan) != 0);
}

void CIRControlView::OnPump()
{
    QueueJob(Var(StationVar::Pump) == 0 ? JobPumpOn : JobPumpOff);
}

void CIRControlView::OnUpdatePump(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bOnline);
    pCmdUI->SetCheck(Var(StationVar::Pump) != 0);
}

void CIRControlView::OnCalibrate()
{
    QueueJob(JobCalibrate);
    QueueJob(JobStatus);
}

// Off: the energy goes to 0 and the last one read is kept to restore; on again: restored. A
// negative value left by nothing here only refreshes the status.
void CIRControlView::OnBottomHeater()
{
    if (m_fBottomHeaterRestore < 0.0f)
    {
        QueueJob(JobStatus);
        return;
    }
    DWORD dwEnergy = CommJobWord(m_fBottomHeaterRestore);
    m_fBottomHeaterRestore = m_fBottomHeaterRestore == 0.0f ? m_fLastEnergy : 0.0f;
    QueueJob(JobEnergy, &dwEnergy, 0, 1);
    m_bProfileRequest = TRUE;
    QueueJob(JobStatus);
}

void CIRControlView::OnUpdateBottomHeater(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bOnline);
    pCmdUI->SetCheck(m_fBottomHeaterRestore > 0.0f);
}

void CIRControlView::OnStationClockSet()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    const DWORD clock[3] = {CommJobWord((float)now.wSecond), CommJobWord((float)now.wMinute),
                            CommJobWord((float)now.wHour)};
    QueueJob(JobStationClock, clock, 0, 3);
}

void CIRControlView::OnStationClockReset()
{
    const DWORD clock[3] = {CommJobWord(0.0f), CommJobWord(0.0f), CommJobWord(0.0f)};
    QueueJob(JobStationClock, clock, 0, 3);
}

void CIRControlView::OnStationSerialNumber()
{
    float fNumber = 1.0f;
    if (!AskSerialNumber(this, &fNumber))
        return;
    const DWORD dwNumber = CommJobWord(fNumber);
    QueueJob(JobSerialNumber, &dwNumber, 1, 1);
}

// The new password goes to the station at the next tick.
void CIRControlView::OnStationPassword()
{
    CIRPasswordDlg dlg(this);
    dlg.m_nCurrentPassword = m_nStationPassword;
    if (dlg.DoModal() != IDOK)
        return;
    m_nStationPassword = dlg.m_nCurrentPassword;
    m_bPasswordRequest = TRUE;
}

// The station counts minutes: every begun minute counts.
void CIRControlView::OnStationHours()
{
    CBusyTimeDlg dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    const DWORD minutes[2] = {CommJobWord((float)std::ceil(dlg.m_fHoursIR * 60.0)),
                              CommJobWord((float)std::ceil(dlg.m_fHoursTop * 60.0))};
    QueueJob(JobWriteOperatingHours, minutes, 0, 2);
}

void CIRControlView::OnLongLifeTest()
{
    if (m_pLongLifeDlg != NULL)
    {
        CloseLongLifeTest();
        return;
    }
    m_pLongLifeDlg = new CLongLifeTestDlg(this);
    if (!m_pLongLifeDlg->Create(IDD_LONGLIFE_TEST, NULL))
    {
        delete m_pLongLifeDlg;
        m_pLongLifeDlg = NULL;
        return;
    }
    m_pLongLifeDlg->ShowWindow(SW_SHOW);
}

void CIRControlView::OnUpdateLongLifeTest(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_pLongLifeDlg != NULL);
}

LRESULT CIRControlView::OnLongLifeClosing(WPARAM, LPARAM)
{
    CloseLongLifeTest();
    return 0;
}

void CIRControlView::CloseLongLifeTest()
{
    if (m_pLongLifeDlg == NULL)
        return;
    if (m_pLongLifeDlg->m_hWnd != NULL)
        m_pLongLifeDlg->DestroyWindow();
    delete m_pLongLifeDlg;
    m_pLongLifeDlg = NULL;
}

void CIRControlView::OnUpdateOnline(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bOnline);
}

// ---- the mouse: the analysis cursor line

void CIRControlView::OnLButtonDown(UINT nFlags, CPoint point)
{
    CIRControlDoc* pDoc = GetDocument();
    CDrawLine* pCursor = pDoc != NULL ? pDoc->GetCursorLine() : NULL;
    if (pCursor != NULL)
    {
        // A click grabs the shown line and the next one lets it go; zooming and recording never
        // grab it.
        if (GetZoomTool() != ToolNone || m_bRecording)
            pCursor->SetArmed(FALSE);
        else if (pCursor->IsShown())
            pCursor->SetArmed(!pCursor->IsArmed());
    }
    CDrawView::OnLButtonDown(nFlags, point);
}

void CIRControlView::OnMouseMove(UINT nFlags, CPoint point)
{
    CIRControlDoc* pDoc = GetDocument();
    CDrawLine* pCursor = pDoc != NULL ? pDoc->GetCursorLine() : NULL;
    if (pCursor != NULL && pCursor->IsArmed())
    {
        pCursor->SetMinimum(0);
        pCursor->SetMaximum(GetTimeSpan());
        pCursor->SetDragRange(GetPlotRect());
        CPoint logical = point;
        ClientToDoc(logical);
        pCursor->SetPosition(XToTime(PlaceCursorLine(pCursor, logical.x)));
        UpdateAnalyseDialog();
    }
    CDrawView::OnMouseMove(nFlags, point);
}

int CIRControlView::PlaceCursorLine(CDrawLine* pCursor, int x)
{
    CRect plot = GetPlotRect();
    x = std::min(std::max(x, (int)plot.left), (int)plot.right);
    const int nWidth = std::max(pCursor->GetRect().Width(), 1);
    InvalidateObject(pCursor);
    pCursor->MoveTo(CRect(x, plot.top, x + nWidth, plot.bottom));
    InvalidateObject(pCursor);
    return x;
}

void CIRControlView::OnLButtonUp(UINT nFlags, CPoint point)
{
    CDrawView::OnLButtonUp(nFlags, point);
    UpdateAnalyseDialog();
}

void CIRControlView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    UpdateAnalyseDialog();
    CDrawView::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CIRControlView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    UpdateAnalyseDialog();
    CDrawView::OnVScroll(nSBCode, nPos, pScrollBar);
}

// ---- the context menu and the frame's messages

void CIRControlView::OnContextMenu(CWnd*, CPoint point)
{
    if (GetZoomTool() == ToolStep)
        return;
    CMenu menu;
    if (!menu.LoadMenu(IDR_POPUP_MENUS))
        return;
    CIRControlDoc* pDoc = GetDocument();
    CDrawLine* pCursor = pDoc != NULL ? pDoc->GetCursorLine() : NULL;
    // Sub-menus by position: 1 "IRControlView", 3 "Analyse".
    CMenu* pPopup = menu.GetSubMenu(pCursor != NULL && pCursor->IsArmed() ? 3 : 1);
    CWnd* pMain = AfxGetMainWnd();
    if (pPopup != NULL)
        pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, pMain != NULL ? pMain : this);
}

LRESULT CIRControlView::OnFullScreenChanged(WPARAM, LPARAM)
{
    UpdateAnalyseDialog();
    return 1;
}

// Quick save into the configured folder; a failure leaves no progress dialog behind.
BOOL CIRControlView::OnSettingsSheet(UINT nID)
{
    // The display settings commands and the page each opens on.
    static const struct
    {
        UINT nID;
        UINT nPage;
    } s_pages[] = {{ID_SETTINGS_LAYOUT, CDrawSettingsSheet::LayoutPage},
                   {ID_SETTINGS_CURVES, CDrawSettingsSheet::CurvePage},
                   {ID_SETTINGS_SAMPLING, CDrawSettingsSheet::SamplingPage}};
    for (const auto& page : s_pages)
        if (page.nID == nID)
            GetDocument()->DoSettingsSheet(page.nPage, this);
    return TRUE;
}

void CIRControlView::SetSettingsChanged(BOOL bChanged)
{
    if (bChanged)
        m_bIROptionsRequest = TRUE;
}

void CIRControlView::OnQuickSave()
{
    CProjektConfig* pConfig = GetProjektConfig();
    CIRControlDoc* pDoc = GetDocument();
    if (pDoc == NULL)
        return;
    const CString strDir = pConfig != NULL ? pConfig->GetQuickSaveDir() : CString();
    if (pDoc->QuickSave(strDir, this))
        return;
    OnQuickSaveDone(0, 0);
    // One box: the quick save's own text, then what failed.
    CString strText, strCaption;
    strText.LoadString(IDS_QUICKSAVE_FAILED);
    if (!pDoc->GetQuickSaveError().IsEmpty())
        strText += "\n\n" + pDoc->GetQuickSaveError();
    strCaption.LoadString(IDS_QUICKSAVE_CAPTION);
    MessageBox(strText, strCaption, MB_ICONEXCLAMATION);
}

void CIRControlView::OnUpdateAlways(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

// The progress dialog is made once; a quick save while it shows starts it again.
void CIRControlView::ShowQuickSaveProgress(CString path)
{
    CString strTitle, strText;
    strTitle.LoadString(IDS_QUICKSAVE_TITLE);
    strTitle += path;
    strText.LoadString(IDS_QUICKSAVE_TEXT);
    CMultipleProgressDlg* pDlg = static_cast<CMultipleProgressDlg*>(m_pQuickSaveDlg);
    if (pDlg != NULL && pDlg->m_hWnd != NULL)
    {
        pDlg->SetWindowText(strTitle);
        pDlg->Restart();
        return;
    }
    delete pDlg;
    pDlg = new CMultipleProgressDlg(strTitle, strText, 2.0, this);
    m_pQuickSaveDlg = pDlg;
    if (pDlg->CreateProgressWindow())
        pDlg->ShowWindow(SW_SHOW);
}

LRESULT CIRControlView::OnQuickSaveDone(WPARAM, LPARAM)
{
    if (m_pQuickSaveDlg != NULL)
    {
        if (m_pQuickSaveDlg->m_hWnd != NULL)
            m_pQuickSaveDlg->DestroyWindow();
        delete m_pQuickSaveDlg;
        m_pQuickSaveDlg = NULL;
    }
    return 0;
}
