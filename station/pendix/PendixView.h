// The Pendix window: a form showing one Pendix device's identification, channels, clock and
// status, with the commands that switch the link, set the serial number and clock, reset and
// calibrate. It takes a free Pendix interface from the application, owns the protocol object
// and the stop event, and talks to the device only through jobs of the Pendix worker.
#pragma once
#include "afxwin.h"
#include "Event.h"
#include "FormView.h"
#include "station/pendix/PendixThreads.h"
#include "uilib/common/BitmapButton.h"

class CPendixView : public CFormView
{
    DECLARE_DYNCREATE(CPendixView)

  public:
    enum
    {
        textFieldCount = 25,
        baudRate = 9600,
        stopWaitMs = 5000, // how long the destructor waits for the stop job before releasing the link
    };

    // Construction
    CPendixView();
    ~CPendixView() override;

    // Attributes
    BOOL IsLinkOn() const
    {
        return m_bLinkOn;
    }
    BOOL IsCalibrating() const
    {
        return m_bCalibrating;
    }
    CPendixStdComBase* GetProtocol() const
    {
        return m_pCom;
    }
    const CString& GetPortName() const
    {
        return m_strPortName;
    }
    const CString& GetDeviceName() const
    {
        return m_strDeviceName;
    }
    HANDLE GetStopEvent() const
    {
        return m_pStopEvent ? m_pStopEvent->m_hObject : NULL;
    }

    // Operations
    // Fills a job record for this view and puts it into the Pendix queue, only while the link is
    // on; FALSE when it was not queued.
    BOOL QueuePendixCommand(DWORD dwCode, const DWORD* pParams, DWORD dwArgument, int nCount);
    void ToggleLink();
    void ToggleCalibration();

    // Overrides
    void OnInitialUpdate() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Implementation
  protected:
    void CreateLink();
    void LoadIndicatorImages();
    void EnableCalibrationControls();
    void ShowIndicator(UINT nGood, UINT nBad, BOOL bGood);
    void FillDisplay();
    void LinkOff();

    afx_msg void OnToggleLink();
    afx_msg void OnUpdateToggleLink(CCmdUI* pCmdUI);
    afx_msg void OnSerialNumber();
    afx_msg void OnReset();
    afx_msg void OnSetClock();
    afx_msg void OnCalibrate();
    afx_msg void OnUpdateCalibrate(CCmdUI* pCmdUI);
    afx_msg void OnLoadTemperatures();
    afx_msg void OnUpdateLinkCommand(CCmdUI* pCmdUI);
    afx_msg void OnChannelButton(UINT nID);
    afx_msg LRESULT OnTick(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnStatus(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdentity(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnClosed(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnBroken(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPortError(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CString m_strText[textFieldCount]; // the form's text controls, in the order of their ids
    int m_nOffset[CPendixStdComBase::channelCount];
    int m_nTickPhase;
    tessaron::foundation::SECBitmapButton m_channelButtons[CPendixStdComBase::channelCount];
    CBitmap m_bitmapGood; // the indicators' images with the button greys of the system colours
    CBitmap m_bitmapBad;
    CPendixStdComBase* m_pCom;
    CEvent* m_pStopEvent;
    DWORD m_dwRate;
    CString m_strPortName;
    CString m_strDeviceName;
    BOOL m_bLinkOn;
    BOOL m_bCalibrating;
    BOOL m_bThreadsStarted;
};
