// The recording view's profile commands: downloading a set of the profile table into the
// station (directly or through the download wizard) and taking the document's parameter set
// into the profile table (directly or through the upload wizard).
#include "app/IRControlView.h"
#include "AppIds.h"
#include "app/DownloadWizzard.h"
#include "app/IRPasswordConfirmDlg.h"
#include "app/MainFrame.h"
#include "app/ParameterSetDlg.h"
#include "app/StationJobCodes.h"
#include "app/UploadWizzard.h"
#include "station/config/ProjektConfig.h"
#include "station/link/CommJob.h"
#include "station/link/CommMessages.h"
#include "station/record/ApplicationValues.h"
#include "station/record/IRControlDoc.h"
#include "station/record/IRProfilSet.h"
#include "station/record/MeasureValueDlg.h"

// A download the station has not confirmed yet: what goes into the document once it has.
struct CIRControlView::SPendingDownload
{
    CIRProfilSet set;
    CString strOperator;
    BOOL bOperator;
    int nStartMode;
    int nWritesLeft; // the profile block and the sensor factor

    explicit SPendingDownload(const CIRProfilSet& from)
        : set(from.GetId(), from), bOperator(FALSE), nStartMode(KeepStartMode), nWritesLeft(2)
    {
        set.CopyFieldsFrom(from);
    }
};

namespace
{
CMainFrame* GetMainFrame()
{
    return dynamic_cast<CMainFrame*>(AfxGetMainWnd());
}

// The profile table of the main frame's bar; NULL without one.
CParameterSetDlg* ProfileTable()
{
    CMainFrame* pFrame = GetMainFrame();
    return pFrame != NULL ? pFrame->GetParameterSetDlg() : NULL;
}
} // namespace

BOOL CIRControlView::ConfirmStationPassword()
{
    if (m_nStationPassword == 0)
        return TRUE;
    CIRPasswordConfirmDlg dlg(this);
    if (dlg.DoModal() != IDOK)
        return FALSE; // a cancelled confirmation stops the download
    if (dlg.m_nPassword != m_nStationPassword)
    {
        AfxMessageBox(IDS_STATION_PASSWORD_INVALID, MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}

BOOL CIRControlView::DownloadProfile(const CIRProfilSet* pSet, LPCTSTR lpszOperator, int nStartMode)
{
    CMainFrame* pFrame = GetMainFrame();
    if (pSet == NULL || pFrame == NULL || !ConfirmStationPassword())
        return FALSE;
    // The document takes the set's labelling only when the station has taken the set.
    delete m_pPendingDownload;
    m_pPendingDownload = new SPendingDownload(*pSet);
    if (lpszOperator != NULL)
    {
        m_pPendingDownload->bOperator = TRUE;
        m_pPendingDownload->strOperator = lpszOperator;
    }
    m_pPendingDownload->nStartMode = nStartMode;

    // The set's fields in the order of the station's profile block (T1 to the unit), then the
    // sensor's factor with the commit.
    static const int kProfileFields[StationVar::ProfileCount] = {4, 5, 6, 7, 8, 9, 10, 11};
    DWORD params[StationVar::ProfileCount];
    for (int i = 0; i < StationVar::ProfileCount; i++)
        params[i] = CommJobWord((float)pSet->GetFieldValue(kProfileFields[i]));
    QueueJob(JobProfile, params, 0, StationVar::ProfileCount);
    m_fBottomHeaterRestore = 0.0f;
    const DWORD dwFactor = CommJobWord(pSet->GetField16());
    QueueJob(pSet->GetFieldValue(10) > 0 ? JobSensorFactorIR : JobSensorFactorTE, &dwFactor, 1, 1);

    pFrame->ShowUserMask();
    return TRUE;
}

LRESULT CIRControlView::OnCommProfileWritten(WPARAM, LPARAM)
{
    if (m_pPendingDownload == NULL || --m_pPendingDownload->nWritesLeft > 0)
        return 0;
    CIRControlDoc* pDoc = GetDocument();
    if (pDoc != NULL)
    {
        const CIRProfilSet& set = m_pPendingDownload->set;
        pDoc->SetBoardName(set.GetFieldText(1));
        pDoc->SetComponentName(set.GetFieldText(2));
        pDoc->SetProfileTypeText(set.GetFieldText(3));
        pDoc->SetApertureXText(set.GetFieldText(12));
        pDoc->SetApertureYText(set.GetFieldText(13));
        pDoc->SetPin1Text(set.GetFieldText(14));
        pDoc->SetTinit(set.GetFieldValue(15));
        if (m_pPendingDownload->bOperator)
            pDoc->SetOperatorName(m_pPendingDownload->strOperator);
        if (m_pPendingDownload->nStartMode != KeepStartMode)
            pDoc->SetAutoRecord(m_pPendingDownload->nStartMode);
        pDoc->SetModifiedFlag(TRUE);
        // The user mask shows what the station now has, and says so.
        pDoc->FillParameterDlg(m_bOnline);
        pDoc->FillParameterDlgInfo();
        pDoc->HighlightParameterDlg();
    }
    DropPendingDownload();
    return 0;
}

void CIRControlView::DropPendingDownload()
{
    delete m_pPendingDownload;
    m_pPendingDownload = NULL;
}

void CIRControlView::OnProfileDownload()
{
    CMainFrame* pFrame = GetMainFrame();
    CIRProfilSet* pSet = pFrame != NULL ? pFrame->GetSelectedProfileSet() : NULL;
    if (pSet == NULL)
    {
        AfxMessageBox(IDS_NO_PROFILE_SELECTED, MB_ICONINFORMATION);
        return;
    }
    if (!CApplicationValues::GetProjektConfig().GetDownloadWizzard())
    {
        DownloadProfile(pSet);
        return;
    }
    CDownloadWizzard* pWizard = CDownloadWizzard::GetDownloadWizard();
    if (pWizard == NULL)
        return;
    pWizard->SetTitle(IDS_DOWNLOAD_WIZARD_TITLE);
    pWizard->SetDownload(this, *pSet);
    pWizard->RestartAtFirstPage();
    pWizard->ShowWindow(SW_SHOW);
    pWizard->SetActiveWindow();
}

void CIRControlView::OnUpdateProfileDownload(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bOnline && m_bStationIdle);
}

BOOL CIRControlView::UploadProfile()
{
    CMainFrame* pFrame = GetMainFrame();
    CIRControlDoc* pDoc = GetDocument();
    if (pFrame == NULL || pDoc == NULL)
        return FALSE;
    CIRProfilSet set(0);
    const CString texts[CIRProfilSet::FieldCount - 1] = {
        pDoc->GetBoardName(),      pDoc->GetComponent(),    pDoc->GetProfileType(),
        pDoc->GetT1Text(TRUE),     pDoc->GetT2Text(TRUE),   pDoc->GetT3Text(TRUE),
        pDoc->GetTLText(TRUE),     pDoc->GetTimeText(TRUE), pDoc->GetEnergyText(TRUE),
        pDoc->GetSensorText(TRUE), pDoc->GetUnitText(),     pDoc->GetApertureX(),
        pDoc->GetApertureY(),      pDoc->GetPin1Position(), pDoc->GetTinitText(TRUE)};
    // The document's order of texts is the file's order of fields but for T2/T3/TL and time.
    static const int kField[CIRProfilSet::FieldCount - 1] = {1, 2,  3,  4,  6,  7,  8, 5,
                                                             9, 10, 11, 12, 13, 14, 15};
    for (int i = 0; i < CIRProfilSet::FieldCount - 1; i++)
        set.SetFieldText(kField[i], texts[i]);
    float f1 = 1.0f, f2 = 1.0f;
    pDoc->GetSensorFactors(f1, f2);
    CString factor;
    factor.Format("%#4.3f", double(CIRControlDoc::IsIRSensorText(pDoc->GetSensorText(TRUE)) ? f2 : f1));
    set.SetField16Text(factor);
    return pFrame->AppendProfileSet(set);
}

void CIRControlView::OnProfileUpload()
{
    CMainFrame* pFrame = GetMainFrame();
    if (pFrame != NULL && pFrame->AreProfilesProtected())
    {
        AfxMessageBox(IDS_PROFILES_PROTECTED, MB_ICONEXCLAMATION);
        return;
    }
    if (!CApplicationValues::GetProjektConfig().GetUploadWizzard())
    {
        UploadProfile();
        return;
    }
    CUploadWizzard* pWizard = CUploadWizzard::GetUploadWizard();
    if (pWizard == NULL)
        return;
    pWizard->SetTitle(IDS_UPLOAD_WIZARD_TITLE);
    pWizard->SetUpload(this);
    pWizard->RestartAtFirstPage();
    pWizard->ShowWindow(SW_SHOW);
    pWizard->SetActiveWindow();
}

void CIRControlView::OnProfileCopy()
{
    if (CParameterSetDlg* pDlg = ProfileTable())
        pDlg->CopySelectedRow();
}

void CIRControlView::OnUpdateProfileCopy(CCmdUI* pCmdUI)
{
    CParameterSetDlg* pDlg = ProfileTable();
    pCmdUI->Enable(pDlg != NULL && pDlg->HasSelectedRow());
}

void CIRControlView::OnProfilePaste()
{
    if (CParameterSetDlg* pDlg = ProfileTable())
        pDlg->PasteIntoSelectedRow();
}

void CIRControlView::OnUpdateProfilePaste(CCmdUI* pCmdUI)
{
    CParameterSetDlg* pDlg = ProfileTable();
    pCmdUI->Enable(pDlg != NULL && pDlg->CanPasteRow());
}

void CIRControlView::OnExportTable()
{
    CIRControlDoc* pDoc = GetDocument();
    CMeasureValueDlg* pDlg = pDoc != NULL ? pDoc->GetMeasureValueDlg() : NULL;
    if (pDlg != NULL)
        pDlg->ExportToExcel();
}
