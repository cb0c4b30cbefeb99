// CIRControlDoc: construction, the ".hlv" stream and quick saving.
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureValueDlg.h"
#include "station/record/ApplicationValues.h"
#include "station/record/ArchiveFields.h"
#include "station/record/DrawLine.h"
#include "station/record/DrawText.h"
#include "station/record/DrawViewBase.h"
#include "station/record/MeasureCurve.h"
#include "station/record/ProcessStateCurve.h"
#include "station/record/ReferenceLine.h"
#include "station/config/ProjektConfig.h"
#include "ResourceText.h"
#include "uilib/common/Dib.h"
#include "ArchiveException.h"
#include "Dialog.h"
#include "StationIds.h"
#include <memory>
#include <vector>

IMPLEMENT_DYNCREATE(CIRControlDoc, CDrawDoc)

using namespace archive_fields;
using tessaron::foundation::SECDib;

namespace
{
const CIRControlDoc::SObjectInfo s_curves[CIRControlDoc::CurveCount] = {
    {IDS_REC_CURVE_TOPHEATER, "TE-TopHeater", 0x00FF00, 2, FALSE, FALSE},
    {IDS_REC_CURVE_TESOLDER, "TE-Solder", 0x00FF00, 2, FALSE, TRUE},
    {IDS_REC_CURVE_IRSURFACE, "IRS-Surface", 0x0000FF, 2, FALSE, TRUE},
    {IDS_REC_CURVE_IRSOLDER, "IRS-Solder", 0x0000FF, 2, TRUE, TRUE},
};
const CIRControlDoc::SObjectInfo s_lines[CIRControlDoc::LineCount] = {
    {IDS_REC_REFLINE_T1, "Parameter T1", 0xD20000, 2, FALSE, FALSE},
    {IDS_REC_REFLINE_T2, "Parameter T2", 0xD20000, 2, FALSE, FALSE},
    {IDS_REC_REFLINE_T3, "Parameter T3", 0xD20000, 2, FALSE, FALSE},
};
const CIRControlDoc::SObjectInfo s_bars[CIRControlDoc::BarCount] = {
    {IDS_REC_BAR_FAN, "ProcessFan", 0xEE2A11, 10, TRUE, FALSE},
    {IDS_REC_BAR_PIPETTE, "ProcessPip", 0xEE2A11, 10, TRUE, FALSE},
    {IDS_REC_BAR_PUMP, "ProcessPump", 0xEE2A11, 10, TRUE, FALSE},
    {IDS_REC_BAR_ARM, "ProcessArm", 0xEE2A11, 10, TRUE, FALSE},
    {IDS_REC_BAR_TOPHEATER, "ProcessOstr", 0x0000FF, 10, TRUE, FALSE},
    {IDS_REC_BAR_BOTTOMHEATER, "ProcessUstr", 0x0000FF, 10, TRUE, FALSE},
};

} // namespace

const CIRControlDoc::SObjectInfo& CIRControlDoc::GetCurveInfo(int nSlot)
{
    return s_curves[nSlot];
}

const CIRControlDoc::SObjectInfo& CIRControlDoc::GetLineInfo(int n)
{
    return s_lines[n];
}

const CIRControlDoc::SObjectInfo& CIRControlDoc::GetBarInfo(int n)
{
    return s_bars[n];
}

CIRControlDoc::CIRControlDoc()
    : m_pPrintLogo(NULL), m_bLoadedFromFile(FALSE), m_bSamplesPending(FALSE), m_nStationRate(1),
      m_nSampleCount(0), m_nRecordingTime(0), m_nT1(0), m_nTime(0), m_nT2(0), m_nT3(0), m_nTL(0),
      m_nEnergy(0), m_nProgram(1), m_bFahrenheit(FALSE), m_dwReserved(0), m_fSensorFactor1(1.0f),
      m_fSensorFactor2(1.0f), m_curveLegendPlace(0, 0, 0, 0),
      m_processLegendPlace(0, 0, 0, 0), m_pCurves{}, m_pLines{}, m_pBars{}, m_analyse{}, m_analyse2{},
      m_nAnalysePoints(0), m_pCursor(NULL), m_pPointLines{}, m_pMeasureValueDlg(NULL), m_pParameterDlg(NULL),
      m_pAnalyseDlg(NULL), m_nSerialNumber(0), m_bQuickSaving(FALSE)
{
    CProjektConfig& config = CApplicationValues::GetProjektConfig();
    m_bPipCal = config.GetPipCal();
    m_bSoftCal = config.GetSoftCal();
    m_bLeftLogo = CApplicationValues::GetLeftLogo();
    m_bRightLogo = CApplicationValues::GetRightLogo();
    m_nSamplingInterval = (int)config.GetControlRate() * 1000;
    m_nBuzzerMode = (int)config.GetBuzzerMode();
    m_nTinit = (int)config.GetTinitDefault();
    m_nAutoRecord = (int)config.GetAutoRecord();
    m_strApertureX = m_strApertureY = LoadText(IDS_BLENDE_DEFAULT);
    m_strPin1 = LoadText(IDS_PIN1_DEFAULT);
    m_strProfileType = LoadText(IDS_REC_PROFILE_TYPE_DEFAULT);
    SetPrintLogo(CApplicationValues::GetPrintLogo(), CApplicationValues::GetLeftLogo(),
                 CApplicationValues::GetRightLogo());
    if (m_pAnalyseDlg == NULL)
        m_pAnalyseDlg = CApplicationValues::CreateAnalyseDlg();
    DeleteAllAnalysePoints();
}

namespace
{
CDrawText* LegendOf(CDrawLine*)
{
    return NULL;
}
template <class T> CDrawText* LegendOf(T* pObject)
{
    return pObject->GetLegend();
}
} // namespace

template <class T> void CIRControlDoc::DropObject(T*& pObject)
{
    if (pObject == NULL)
        return;
    ForgetObject(LegendOf(pObject));
    ForgetObject(pObject);
    delete pObject;
    pObject = NULL;
}

// A slot owns what it reads: a reference to an object read before (owned elsewhere) is a
// damaged file, refused by the archive.
template <class T> void CIRControlDoc::ReadSlot(CArchive& ar, T*& pSlot, const CRuntimeClass* pClass)
{
    T* pRead = (T*)ar.ReadNewObject(pClass);
    DropObject(pSlot);
    pSlot = pRead;
}

CIRControlDoc::~CIRControlDoc()
{
    DetachTableDialogs();
    DropDrawObjects();
    delete m_pAnalyseDlg;
    delete m_pMeasureValueDlg;
    delete m_pParameterDlg;
    delete m_pPrintLogo;
}

void CIRControlDoc::DropDrawObjects()
{
    for (CMeasureCurve*& pCurve : m_pCurves)
        DropObject(pCurve);
    for (CReferenceLine*& pLine : m_pLines)
        DropObject(pLine);
    for (CProcessStateCurve*& pBar : m_pBars)
        DropObject(pBar);
    DropObject(m_pCursor);
    for (CDrawLine*& pLine : m_pPointLines)
        DropObject(pLine);
}

void CIRControlDoc::DeleteContents()
{
    // The recording's objects first: what is left in the lists then has no other owner.
    DropDrawObjects();
    CDrawDoc::DeleteContents();
}

void CIRControlDoc::SetSampleState(int nSampleCount, int nRecordingTime, BOOL bPending)
{
    m_nSampleCount = nSampleCount;
    m_nRecordingTime = nRecordingTime;
    m_bSamplesPending = bPending;
}

void CIRControlDoc::SetTexts(LPCSTR op, LPCSTR board, LPCSTR component, LPCSTR header)
{
    m_strOperator = op;
    m_strBoard = board;
    m_strComponent = component;
    m_strHeader = header;
}

void CIRControlDoc::GetIROptions(BOOL& bPipCal, int& nBuzzerMode) const
{
    bPipCal = m_bPipCal;
    nBuzzerMode = m_nBuzzerMode;
}

void CIRControlDoc::GetSensorFactors(float& f1, float& f2) const
{
    f1 = m_fSensorFactor1;
    f2 = m_fSensorFactor2;
}

void CIRControlDoc::SetSensorFactors(float f1, float f2)
{
    m_fSensorFactor1 = f1;
    m_fSensorFactor2 = f2;
}

void CIRControlDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (DWORD)m_nSamplingInterval << (DWORD)m_nStationRate << (DWORD)m_nSampleCount
           << (DWORD)m_nRecordingTime;
        Store(ar, m_curveLegendPlace);
        ar << (DWORD)m_nProgram << (DWORD)m_nT1 << (DWORD)m_nTime << (DWORD)m_nT2 << (DWORD)m_nT3
           << (DWORD)m_nTL << (DWORD)m_nEnergy;
        ar << m_strSensor << m_strUnit << (DWORD)m_bFahrenheit;
        ar << m_strOperator << m_strBoard << m_strComponent << m_strTestDate << m_strHeader;
        for (CMeasureCurve* pCurve : m_pCurves)
            ar.WriteObject(pCurve);
        for (CReferenceLine* pLine : m_pLines)
            ar.WriteObject(pLine);
        ar << (DWORD)m_bPipCal << (DWORD)m_bSoftCal << (DWORD)m_nBuzzerMode;
        ar << m_strApertureX << m_strApertureY << m_strPin1 << m_strProfileType;
        ar << m_fSensorFactor1 << m_fSensorFactor2 << (DWORD)m_nTinit;
        for (CProcessStateCurve* pBar : m_pBars)
            ar.WriteObject(pBar);
        ar.WriteObject(m_pCursor);
        ar << (DWORD)m_nAnalysePoints;
        for (int i = 0; i < kMaxAnalysePoints; i++)
        {
            for (double d : m_analyse[i])
                ar << d;
            for (double d : m_analyse2[i])
                ar << d;
        }
        ar << (DWORD)m_nAutoRecord;
        ar << kVersion << m_dwReserved;
        for (CDrawLine* pLine : m_pPointLines)
            ar.WriteObject(pLine);
        ar << (DWORD)m_bLeftLogo << (DWORD)m_bRightLogo << (DWORD)(m_pPrintLogo != NULL ? 1 : 0);
        if (m_pPrintLogo != NULL)
            m_pPrintLogo->Serialize(ar);
        SerializeDrawing(ar);
    }
    else
    {
        DWORD flag;
        ar >> m_nSamplingInterval >> m_nStationRate >> m_nSampleCount >> m_nRecordingTime;
        Load(ar, m_curveLegendPlace);
        ar >> m_nProgram >> m_nT1 >> m_nTime >> m_nT2 >> m_nT3 >> m_nTL >> m_nEnergy;
        ar >> m_strSensor >> m_strUnit >> flag;
        m_bFahrenheit = flag;
        ar >> m_strOperator >> m_strBoard >> m_strComponent >> m_strTestDate >> m_strHeader;
        for (CMeasureCurve*& pCurve : m_pCurves)
            ReadSlot(ar, pCurve, RUNTIME_CLASS(CMeasureCurve));
        for (CReferenceLine*& pLine : m_pLines)
            ReadSlot(ar, pLine, RUNTIME_CLASS(CReferenceLine));
        ar >> flag;
        m_bPipCal = flag;
        ar >> flag;
        m_bSoftCal = flag;
        ar >> m_nBuzzerMode;
        ar >> m_strApertureX >> m_strApertureY >> m_strPin1 >> m_strProfileType;
        ar >> m_fSensorFactor1 >> m_fSensorFactor2 >> m_nTinit;
        for (CProcessStateCurve*& pBar : m_pBars)
            ReadSlot(ar, pBar, RUNTIME_CLASS(CProcessStateCurve));
        ReadSlot(ar, m_pCursor, RUNTIME_CLASS(CDrawLine));
        DWORD nPoints;
        ar >> nPoints;
        m_nAnalysePoints = nPoints <= (DWORD)kMaxAnalysePoints ? (int)nPoints : kMaxAnalysePoints;
        for (int i = 0; i < kMaxAnalysePoints; i++)
        {
            for (double& d : m_analyse[i])
                ar >> d;
            for (double& d : m_analyse2[i])
                ar >> d;
        }
        ar >> m_nAutoRecord;
        ReadVersionedPart(ar);
        m_bLoadedFromFile = TRUE;
        SerializeDrawing(ar);
        CheckLabelOwners(ar);
    }
    AfterSerialize();
}

void CIRControlDoc::CheckLabelOwners(CArchive& ar)
{
    std::vector<CDrawText*> legends;
    for (CMeasureCurve* pCurve : m_pCurves)
        legends.push_back(pCurve != NULL ? pCurve->GetLegend() : NULL);
    for (CReferenceLine* pLine : m_pLines)
        legends.push_back(pLine != NULL ? pLine->GetLegend() : NULL);
    for (CProcessStateCurve* pBar : m_pBars)
        legends.push_back(pBar != NULL ? pBar->GetLegend() : NULL);
    for (CDrawText* pLegend : legends)
        if (pLegend != NULL && (m_tempLabels.Find(pLegend) != NULL || m_timeLabels.Find(pLegend) != NULL))
            AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
}

void CIRControlDoc::ReadVersionedPart(CArchive& ar)
{
    WORD nVersion;
    ar >> nVersion;
    if (nVersion > kVersion)
        AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
    if (nVersion >= 33)
    {
        ar >> m_dwReserved;
        for (CDrawLine*& pLine : m_pPointLines)
            ReadSlot(ar, pLine, RUNTIME_CLASS(CDrawLine));
    }
    else
        DeleteAllAnalysePoints();
    if (nVersion < 34)
        return;
    DWORD left, right, present;
    ar >> left >> right >> present;
    m_bLeftLogo = left;
    m_bRightLogo = right;
    if (present != 0)
    {
        std::unique_ptr<SECDib> pLogo(new SECDib);
        pLogo->Serialize(ar);
        delete m_pPrintLogo;
        m_pPrintLogo = pLogo.release();
    }
    else
    {
        delete m_pPrintLogo;
        m_pPrintLogo = NULL;
    }
}

void CIRControlDoc::AfterSerialize()
{
    if (!CApplicationValues::IsExpertMode() && m_pCurves[TopHeater] != NULL)
        m_pCurves[TopHeater]->SetVisible(FALSE);
    // The surface curve is not shown by this program: out of every list before it goes.
    DropObject(m_pCurves[IRSurface]);
}

CString CIRControlDoc::MakeQuickSavePath(CString directory, const CString& stamp) const
{
    if (!directory.IsEmpty() && directory[directory.GetLength() - 1] != '\\')
        directory += '\\';
    // The board text is part of a file name: nothing in it may lead elsewhere.
    CString board = m_strBoard;
    for (int i = 0; i < board.GetLength(); i++)
    {
        unsigned char c = (unsigned char)board[i];
        if (c < 0x20 || strchr("\\/:*?\"<>|", c) != NULL)
            board.SetAt(i, '_');
    }
    CString extension;
    if (CDocTemplate* pTemplate = GetDocTemplate())
        pTemplate->GetDocString(extension, CDocTemplate::filterExt);
    if (extension.IsEmpty())
        extension = ".hlv";
    return directory + board + stamp + extension;
}

BOOL CIRControlDoc::QuickSave(CString directory, CDrawViewBase* pView)
{
    CString path = MakeQuickSavePath(directory, CTime::GetCurrentTime().Format("%Y.%m.%d-%H.%M.%S"));
    if (pView != NULL)
        pView->ShowQuickSaveProgress(path);
    m_strQuickSaveError.Empty();
    m_bQuickSaving = TRUE;
    const BOOL bSaved = OnSaveDocument(path);
    m_bQuickSaving = FALSE;
    return bSaved ? TRUE : FALSE;
}

void CIRControlDoc::ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving,
                                            UINT nIDPDefault)
{
    if (!m_bQuickSaving)
    {
        CDrawDoc::ReportSaveLoadException(lpszPathName, e, bSaving, nIDPDefault);
        return;
    }
    TCHAR szText[512];
    if (e != NULL && e->GetErrorMessage(szText, 512))
        m_strQuickSaveError = szText;
    else
        m_strQuickSaveError = lpszPathName;
}
