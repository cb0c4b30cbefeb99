// CIRControlDoc: the document's table dialogs: the measured-value table and the user mask,
// shown as tabs of the application's measurement table bar while the document is active.
#include "station/record/IRControlDoc.h"
#include "station/record/ApplicationValues.h"
#include "station/record/MeasureValueDlg.h"
#include "station/record/ParameterDlgLink.h"

IParameterDlg* CIRControlDoc::GetParameterMask() const
{
    return dynamic_cast<IParameterDlg*>(m_pParameterDlg);
}

BOOL CIRControlDoc::CreateTableDialogs(BOOL bActivate)
{
    // Without the bar there is nowhere to show them.
    CWnd* pParent = CApplicationValues::GetTableDialogParent();
    if (pParent == NULL)
        return FALSE;
    if (m_pMeasureValueDlg == NULL)
    {
        CMeasureValueDlg* pDlg = new CMeasureValueDlg(pParent);
        if (pDlg->Create(pParent))
            m_pMeasureValueDlg = pDlg;
        else
            delete pDlg;
    }
    if (m_pParameterDlg == NULL)
    {
        m_pParameterDlg = CApplicationValues::CreateParameterDlg(this, pParent);
        if (m_pParameterDlg != NULL)
        {
            SetProfileValues(m_nProgram, m_nT1, m_nT2, m_nT3, m_nTime, m_nTL, m_nEnergy, m_strSensor,
                             m_strUnit, NULL);
            FillParameterDlg(bActivate);
            FillParameterDlgInfo();
            ShowTestDate();
        }
    }
    if (m_pMeasureValueDlg == NULL || m_pParameterDlg == NULL)
        return FALSE;
    return CApplicationValues::AttachTableDialogs(m_pMeasureValueDlg, m_pParameterDlg, bActivate);
}

BOOL CIRControlDoc::UpdateMeasureValues(BOOL bActivate)
{
    if (m_pMeasureValueDlg == NULL || m_pParameterDlg == NULL)
        CreateTableDialogs(bActivate);
    if (m_pMeasureValueDlg != NULL)
        m_pMeasureValueDlg->Refresh(m_objects);
    return TRUE;
}

BOOL CIRControlDoc::RefreshMeasureGrid()
{
    if (m_pMeasureValueDlg != NULL)
        m_pMeasureValueDlg->UpdateTable(m_objects);
    return TRUE;
}

void CIRControlDoc::DetachTableDialogs()
{
    if (m_pMeasureValueDlg != NULL)
        CApplicationValues::DetachTableDialogs(m_pMeasureValueDlg);
}

void CIRControlDoc::FillParameterDlg(BOOL bOnline)
{
    IParameterDlg* pMask = GetParameterMask();
    if (pMask == NULL)
        return;
    pMask->ShowCurrentParameters(GetProgramText(), GetT1Text(FALSE), GetT2Text(FALSE), GetT3Text(FALSE),
                                 GetTLText(FALSE), GetEnergyText(FALSE), GetTimeText(FALSE),
                                 GetSensorText(FALSE), bOnline);
    pMask->UpdateProfileGraph(m_nTinit, m_nT1, m_nTime, m_nT2, m_nT3, m_strUnit);
}

void CIRControlDoc::FillParameterDlgInfo()
{
    IParameterDlg* pMask = GetParameterMask();
    if (pMask == NULL)
        return;
    pMask->SetOperator(m_strOperator);
    pMask->SetBoard(m_strBoard);
    pMask->SetComponent(m_strComponent);
    pMask->SetHeaderLine(m_strHeader);
    pMask->SelectApertureX(m_strApertureX);
    pMask->SelectApertureY(m_strApertureY);
    pMask->SetTinit(m_nTinit);
    pMask->SelectPin1Position(m_strPin1);
    pMask->SelectProfileType(m_strProfileType);
}

void CIRControlDoc::ShowTestDate()
{
    if (IParameterDlg* pMask = GetParameterMask())
        pMask->SetTestDate(m_strTestDate);
}

void CIRControlDoc::HighlightParameterDlg()
{
    if (IParameterDlg* pMask = GetParameterMask())
        pMask->SetPendingUpdate();
}
