// CIRControlDoc: the document of one soldering recording: profile values and descriptive texts,
// the measurement curves, reference lines for T1 to T3, six process-state bars, the analysis
// cursor with up to four analysis points, and an optional print logo. Stored in ".hlv" files
// (version 34). Owns every object its pointers name (each read from a file as a new object);
// the application's recording view drives it.
#pragma once
#include "station/record/DrawDoc.h"

class CDrawLine;
class CDrawViewBase;
class CMeasureCurve;
class CProcessStateCurve;
class CReferenceLine;
class CDialog;
class CMeasureValueDlg;
class IParameterDlg;
struct SDrawSettings;
namespace tessaron
{
namespace foundation
{
class SECDib;
}
} // namespace tessaron

class CIRControlDoc : public CDrawDoc
{
    DECLARE_DYNCREATE(CIRControlDoc)

  public:
    static const WORD kVersion = 34;
    static const int kMaxAnalysePoints = 4;

    // Curve slots (0-based): "TE-TopHeater", "TE-Solder", "IRS-Surface", "IRS-Solder".
    enum Curve
    {
        TopHeater,
        TESolder,
        IRSurface,
        IRSolder,
        CurveCount
    };
    enum
    {
        LineCount = 3,
        BarCount = 6
    };
    // One row of the tables of drawing objects the document makes.
    struct SObjectInfo
    {
        UINT nTitleId;
        LPCSTR registryName;
        COLORREF color;
        int nWidth; // pen width or bar height
        BOOL bVisible;
        BOOL bScale; // curves: values in measuring units
    };
    static const SObjectInfo& GetCurveInfo(int nSlot);
    static const SObjectInfo& GetLineInfo(int n);
    static const SObjectInfo& GetBarInfo(int n);

    // Construction
    CIRControlDoc();
    ~CIRControlDoc() override;

    // Attributes
    CMeasureCurve* GetCurve(int nSlot) const
    {
        return m_pCurves[nSlot];
    }
    CReferenceLine* GetLine(int n) const
    {
        return m_pLines[n];
    }
    CProcessStateCurve* GetBar(int n) const
    {
        return m_pBars[n];
    }
    CDrawLine* GetCursorLine() const
    {
        return m_pCursor;
    }
    CDrawLine* GetPointLine(int n) const
    {
        return m_pPointLines[n];
    }
    tessaron::foundation::SECDib* GetPrintLogo() const
    {
        return m_pPrintLogo;
    }
    BOOL IsLoadedFromFile() const
    {
        return m_bLoadedFromFile;
    }
    BOOL GetLeftLogo() const
    {
        return m_bLeftLogo;
    }
    BOOL GetRightLogo() const
    {
        return m_bRightLogo;
    }
    int GetSamplingInterval() const
    {
        return m_nSamplingInterval;
    }
    int GetSampleCount() const
    {
        return m_nSampleCount;
    }
    int GetRecordingTime() const
    {
        return m_nRecordingTime;
    }
    // Set by the recording view after it appended a sample.
    void SetSampleState(int nSampleCount, int nRecordingTime, BOOL bPending);
    BOOL AreSamplesPending() const
    {
        return m_bSamplesPending;
    }
    void SetSamplesPending(BOOL bPending)
    {
        m_bSamplesPending = bPending;
    }
    // 0 start when the top heater swings in, 1 on reaching Tinit, 2 no automatic start.
    int GetAutoRecord() const
    {
        return m_nAutoRecord;
    }
    void SetAutoRecord(int nMode)
    {
        m_nAutoRecord = nMode;
    }
    void SetTinit(int nTinit)
    {
        m_nTinit = nTinit;
    }
    BOOL IsSoftCal() const
    {
        return m_bSoftCal;
    }
    // The station's bus address, sent when the link is switched on (the file's "station rate").
    int GetSlaveAddress() const
    {
        return m_nStationRate;
    }
    // The station's serial number as last read; not stored in the file.
    int GetSerialNumber() const
    {
        return m_nSerialNumber;
    }
    void SetSerialNumber(int nNumber)
    {
        m_nSerialNumber = nNumber;
    }
    BOOL IsFahrenheit() const
    {
        return m_bFahrenheit;
    }
    int GetT1() const
    {
        return m_nT1;
    }
    int GetT2() const
    {
        return m_nT2;
    }
    int GetT3() const
    {
        return m_nT3;
    }
    int GetTL() const
    {
        return m_nTL;
    }
    int GetTime() const
    {
        return m_nTime;
    }
    int GetEnergy() const
    {
        return m_nEnergy;
    }
    int GetProgram() const
    {
        return m_nProgram;
    }
    int GetTinit() const
    {
        return m_nTinit;
    }
    void SetTexts(LPCSTR op, LPCSTR board, LPCSTR component, LPCSTR header);
    // The labelling texts printed with the recording and shown in the user mask.
    void SetOperatorName(LPCSTR text)
    {
        m_strOperator = text;
    }
    void SetBoardName(LPCSTR text)
    {
        m_strBoard = text;
    }
    void SetComponentName(LPCSTR text)
    {
        m_strComponent = text;
    }
    void SetHeaderLine(LPCSTR text)
    {
        m_strHeader = text;
    }
    void SetApertureXText(LPCSTR text)
    {
        m_strApertureX = text;
    }
    void SetApertureYText(LPCSTR text)
    {
        m_strApertureY = text;
    }
    void SetPin1Text(LPCSTR text)
    {
        m_strPin1 = text;
    }
    void SetProfileTypeText(LPCSTR text)
    {
        m_strProfileType = text;
    }
    CString GetOperator() const
    {
        return m_strOperator;
    }
    CString GetComponent() const
    {
        return m_strComponent;
    }
    CString GetHeaderLine() const
    {
        return m_strHeader;
    }
    CString GetTestDate() const
    {
        return m_strTestDate;
    }
    CString GetSensorText() const
    {
        return m_strSensor;
    }
    CString GetUnitText() const
    {
        return m_strUnit;
    }
    CString GetBoardName() const
    {
        return m_strBoard;
    }
    CString GetApertureX() const
    {
        return m_strApertureX;
    }
    CString GetApertureY() const
    {
        return m_strApertureY;
    }
    CString GetPin1Position() const
    {
        return m_strPin1;
    }
    CString GetProfileType() const
    {
        return m_strProfileType;
    }
    void GetIROptions(BOOL& bPipCal, int& nBuzzerMode) const;
    void GetSensorFactors(float& f1, float& f2) const;
    void SetSensorFactors(float f1, float f2);
    CRect GetCurveLegendPlace() const
    {
        return m_curveLegendPlace;
    }
    CRect GetProcessLegendPlace() const
    {
        return m_processLegendPlace;
    }
    int GetAnalysePointCount() const
    {
        return m_nAnalysePoints;
    }
    void GetAnalysePoint(int n, double& position, double& value, double& slope) const;
    void GetAnalysePoint2(int n, double& position, double& value, double& slope) const;

    // File
    void Serialize(CArchive& ar) override;
    // Deletes every drawing object of the recording (and, through the base, the labels).
    void DeleteContents() override;
    // Saves as directory + board + local time + extension; FALSE when the save failed, and then
    // GetQuickSaveError says what failed (the save itself shows no box).
    BOOL QuickSave(CString directory, CDrawViewBase* pView);
    const CString& GetQuickSaveError() const
    {
        return m_strQuickSaveError;
    }
    // The name QuickSave uses, for a given time stamp text.
    CString MakeQuickSavePath(CString directory, const CString& stamp) const;

    // Layout
    void CreateDrawObjects(CDrawViewBase* pView);
    CRect NextCurveLegendRect(CDrawViewBase* pView, BOOL bFirst);
    CRect NextProcessLegendRect(CDrawViewBase* pView, BOOL bFirst);
    void LayoutCurves(CDrawViewBase* pView);
    void DetachCurves(CDrawViewBase* pView);
    void LayoutProcessBars(CDrawViewBase* pView);
    void DetachProcessBars(CDrawViewBase* pView);
    void LayoutReferenceLines(CDrawViewBase* pView);
    void DetachReferenceLines();
    // Puts the curves' and bars' points where the view's axis now places their samples.
    void RebuildPoints(CDrawViewBase* pView);

    // Print logo
    BOOL SetPrintLogo(CString path, BOOL bLeftLogo, BOOL bRightLogo);

    // Recording
    BOOL ClearRecording(CDrawViewBase* pView);
    // Runs the display settings sheet on the start page; its confirmed values apply to the
    // recording and the view. FALSE when the user cancelled.
    BOOL DoSettingsSheet(UINT nStartPage, CDrawViewBase* pView);
    void SetTestDate();
    void SetProfileValues(int nProgram, int nT1, int nT2, int nT3, int nTime, int nTL, int nEnergy,
                          CString sensorText, CString unitText, CDrawViewBase* pView);

    // Table dialogs: the measured-value table and the user mask in the measurement table bar.
    // Each does nothing while the dialog concerned is missing.
    // Makes the missing ones as children of the bar and puts both into it.
    BOOL CreateTableDialogs(BOOL bActivate);
    // Refills the measured-value table (making the dialogs first when needed).
    BOOL UpdateMeasureValues(BOOL bActivate);
    // Appends the newest sample to the measured-value table.
    BOOL RefreshMeasureGrid();
    // Takes both dialogs out of the bar while it shows this document's table.
    void DetachTableDialogs();
    // The station's current parameters and the profile graph of the user mask.
    void FillParameterDlg(BOOL bOnline);
    // The labelling texts, Tinit and the choices into the user mask.
    void FillParameterDlgInfo();
    void ShowTestDate();
    void HighlightParameterDlg();
    CMeasureValueDlg* GetMeasureValueDlg() const
    {
        return m_pMeasureValueDlg;
    }
    CDialog* GetParameterDlg() const
    {
        return m_pParameterDlg;
    }

    // Display texts; bBare: the value part only.
    CString GetProgramText() const;
    CString GetT1Text(BOOL bBare) const;
    CString GetT2Text(BOOL bBare) const;
    CString GetT3Text(BOOL bBare) const;
    CString GetTLText(BOOL bBare) const;
    CString GetTinitText(BOOL bBare) const;
    CString GetEnergyText(BOOL bBare) const;
    CString GetTimeText(BOOL bBare) const;
    CString GetSensorText(BOOL bBare) const;
    static int CelsiusToFahrenheit(int celsius);
    static BOOL IsFahrenheitText(const CString& text);
    static BOOL IsIRSensorText(const CString& text);

    // Analysis
    // Adds the line to the object list or takes it out, with its shown flag.
    void ShowLine(CDrawLine* pLine, BOOL bShow);
    // Shows or hides the cursor line with the analysis dialog; FALSE when either is missing.
    BOOL ShowAnalyseCursor(CDrawViewBase* pView, BOOL bShow);
    // The dialog follows the line and shows the curves' values at its position.
    void UpdateAnalyseCursor(CDrawViewBase* pView);
    CDialog* GetAnalyseDlg() const
    {
        return m_pAnalyseDlg;
    }
    void AddAnalysePoint();
    void UpdateAnalysePointLines(CDrawViewBase* pView);
    void ShowPointLinesInRange(CDrawViewBase* pView, int from, int to);
    void DeleteLastAnalysePoint();
    void DeleteAllAnalysePoints();
    void SortAnalysePoints();

    // Implementation
  protected:
    // During a quick save the failure is kept for the caller's one box instead of shown.
    void ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving,
                                 UINT nIDPDefault) override;
    void ReadVersionedPart(CArchive& ar);
    // Outside expert mode the top-heater curve is hidden; the surface curve (slot 3) is dropped.
    void AfterSerialize();
    // Removes the object (and what refers to it) from every list and deletes it.
    template <class T> void DropObject(T*& pObject);
    template <class T> void ReadSlot(CArchive& ar, T*& pSlot, const CRuntimeClass* pClass);
    void DropDrawObjects();
    // A label that is also a legend would have two owners: a damaged file.
    void CheckLabelOwners(CArchive& ar);
    CString TemperatureText(UINT nLabelId, int nValue, BOOL bBare) const;
    CString LabelText(UINT nLabelId, const CString& value, BOOL bBare) const;
    // The curves', reference lines' and bars' settings into the sheet's values or back.
    void ExchangeObjectSettings(SDrawSettings& settings, bool bToSettings);
    IParameterDlg* GetParameterMask() const;

    tessaron::foundation::SECDib* m_pPrintLogo;
    BOOL m_bPipCal;
    BOOL m_bSoftCal;
    BOOL m_bLoadedFromFile;
    BOOL m_bLeftLogo;
    BOOL m_bRightLogo;
    BOOL m_bSamplesPending;
    int m_nSamplingInterval;
    int m_nStationRate;
    int m_nSampleCount;
    int m_nRecordingTime;
    int m_nT1;
    int m_nTime;
    int m_nT2;
    int m_nT3;
    int m_nTL;
    int m_nEnergy;
    int m_nProgram;
    BOOL m_bFahrenheit;
    int m_nBuzzerMode;
    int m_nTinit;
    int m_nAutoRecord;
    DWORD m_dwReserved;
    float m_fSensorFactor1;
    float m_fSensorFactor2;
    CString m_strSensor;
    CString m_strUnit;
    CString m_strOperator;
    CString m_strBoard;
    CString m_strComponent;
    CString m_strTestDate;
    CString m_strHeader;
    CString m_strApertureX;
    CString m_strApertureY;
    CString m_strPin1;
    CString m_strProfileType;
    CRect m_curveLegendPlace;
    CRect m_processLegendPlace;
    CMeasureCurve* m_pCurves[CurveCount];
    CReferenceLine* m_pLines[LineCount];
    CProcessStateCurve* m_pBars[BarCount];
    double m_analyse[kMaxAnalysePoints][3];  // "TE-Solder": position, value, slope
    double m_analyse2[kMaxAnalysePoints][3]; // "IRS-Solder"
    int m_nAnalysePoints;
    CDrawLine* m_pCursor;
    CDrawLine* m_pPointLines[kMaxAnalysePoints];
    CMeasureValueDlg* m_pMeasureValueDlg;
    CDialog* m_pParameterDlg; // the application's user mask, made through its factory
    CDialog* m_pAnalyseDlg;   // made through the application's factory
    int m_nSerialNumber;
    BOOL m_bQuickSaving;
    CString m_strQuickSaveError;
};
