// CIRStatusDlg: the live status of the connected station in the state bar: temperature, process
// state and message in digit displays, seven lamps and the station's texts. Four threads of the
// process collect and format the values from the command layer's cache and feed the displays, so
// the window's thread never waits for the cache or formats a text.
#pragma once
#include "app/Digistring.h"
#include "station/record/MyDialog.h"

// Posted by the collector thread when a new snapshot is ready. No parameters.
#define WM_STATUS_UPDATE 0x478

class CIRComBase;

class CIRStatusDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CIRStatusDlg)

  public:
    // The process-wide digit displays, by index.
    enum Display
    {
        TemperatureDisplay,
        StateDisplay,
        MessageDisplay,
        DisplayCount
    };

    // Construction
    explicit CIRStatusDlg(CWnd* pParent = NULL);
    ~CIRStatusDlg() override;

    // Operations
    // The command layer the collector reads from, or none. With none the displays are reset.
    // bSkipNext: the next update message is ignored once. Returns when the collector no longer
    // reads the previous layer, so its owner may delete it.
    void SetComBase(CIRComBase* pComBase, BOOL bSkipNext);
    // Forgets the layer when it is the one read (its owner is about to delete it); returns when
    // the collector no longer reads it. Works without a dialog.
    static void ReleaseComBase(CIRComBase* pComBase);
    static CIRComBase* GetComBase();
    void ResetDisplays(BOOL bSkipNext);
    static CDigistring& GetDisplay(Display nDisplay);

    // The lamps; public because the recording view shows a document's calibration itself.
    void ShowPumpState(float fValue);
    void ShowFanState(float fValue);
    void ShowPipetteState(float fValue);
    void ShowSwivelArmState(float fValue);
    void ShowTopHeaterState(float fValue);
    void ShowBottomHeaterState(float fActive, float fEnergy);
    void ShowCalibrationState(float fValue);

    // Overrides
    BOOL OnInitDialog() override;

    // Attributes
    CString m_strModuleTime;
    CString m_strVersion;
    CString m_strProgram;
    CString m_strSensor;
    CString m_strSerialNumber;
    CString m_strIRHours;
    CString m_strTopHeaterHours;
    CString m_strLPTemperature;
    CString m_strPm;
    BOOL m_bSkipNext;

  protected:
    // Implementation
    // Shows exactly one control of the lamp pair.
    void ShowLamp(UINT nOffId, UINT nOnId, BOOL bActive);
    void StartThreads();
    void StopThreads();
    static unsigned __stdcall CollectorThread(void* pParam);
    static unsigned __stdcall DisplayThread(void* pParam);

    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg LRESULT OnStatusUpdate(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
