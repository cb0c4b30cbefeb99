// CIRControlView: the recording view. Besides drawing the recording page (CDrawView) it is the
// station's online client: it takes a serial interface from the application, owns the station
// command layer for it, starts the process's two communication threads, queues jobs on the 200 ms
// tick and takes the worker's results into its mirror of the station and into the document.
#pragma once
#include "app/DrawView.h"
#include "station/link/CommJob.h"
#include "station/link/StationVariables.h"

// Posted by the recording view to the long-life test window after the values 54-62 were read.
#define WM_LONGLIFE_UPDATE 0x4AB
// Posted by the long-life test window to its view when it is closed; the view deletes it.
#define WM_LONGLIFE_CLOSING 0x4AA
// Posted by the main frame to the active view when full-screen mode changed; returns 1.
#define WM_VIEW_FULLSCREEN 0x1401

class CIRComBase;
class CIRControlDoc;
class CIRProfilSet;
class CDrawLine;
class CLongLifeTestDlg;
class CEvent;
struct STRUCT_SERIAL_INTERFACE;

class CIRControlView : public CDrawView
{
    DECLARE_DYNCREATE(CIRControlView)

  public:
    // Station variables the view mirrors, by bus number (StationVar).
    enum
    {
        MirrorSize = StationVar::Count,
        // How long closing waits for the worker to give the link back before it takes it away.
        StopWaitMs = 3000
    };

    // Construction
    CIRControlView();
    ~CIRControlView() override;

    // Attributes
    CIRControlDoc* GetDocument() const;
    // Shows (or starts again) the quick save's progress dialog.
    void ShowQuickSaveProgress(CString path) override;
    BOOL IsOnline() const
    {
        return m_bOnline;
    }
    BOOL IsRecording() const
    {
        return m_bRecording;
    }
    BOOL IsAnalyseCursorOn() const
    {
        return m_bAnalyseCursor;
    }
    BOOL IsRegisteredForTicks() const;
    BOOL IsStationIdle() const
    {
        return m_bStationIdle;
    }
    CIRComBase* GetComBase() const
    {
        return m_pComBase;
    }
    DWORD GetBaudRate() const
    {
        return m_dwBaudRate;
    }
    float GetMirroredVar(int nVariable) const
    {
        return nVariable >= 0 && nVariable < MirrorSize ? m_fStation[nVariable] : 0.0f;
    }
    const CString& GetInterfaceName() const
    {
        return m_strInterfaceName;
    }
    const CString& GetDeviceName() const
    {
        return m_strDeviceName;
    }

    // Operations
    // Puts a job for this view's command layer into the station queue; nothing while offline,
    // and a job that does not fit within 100 ms is dropped.
    void QueueJob(DWORD dwCode, const DWORD* pParams = NULL, DWORD dwArgument = 0, int nParams = 0);
    // Called by the application when the interface settings change.
    void SetBaudRate(DWORD dwBaudRate);
    void SetPortTimeouts(DWORD dwReadTimeout, DWORD dwReadTimeoutMul, DWORD dwReadTimeoutConstant,
                         DWORD dwWriteTimeoutMul, DWORD dwWriteTimeoutConstant);
    void SetDeviceName(LPCTSTR lpszDeviceName);
    // Takes an interface from the application and makes the command layer; TRUE when there is one.
    BOOL ConnectInterface();
    void UpdateTitle();
    // Gives the state bar's status dialog this view's source: the command layer while online,
    // else none (a recording from a file also shows its calibration). bActivation: the dialog
    // skips the next update once.
    void UpdateStatusSource(BOOL bActivation);
    // The page took a new size: new axis labels, and the samples drawn so far move to the new scale.
    void OnPageSizeChanged();
    // Starts or stops a recording (also the automatic start).
    void ToggleRecording();
    // While the analysis cursor is on, its dialog follows the line.
    void UpdateAnalyseDialog();
    // Shows or hides the cursor line and its dialog; the analysis cursor command's flag stays.
    void ShowAnalyseCursor(BOOL bShow);

    // Overrides
    void OnInitialUpdate() override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    // On the screen the document's page in its mapping mode first, then the zoom's preparation.
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL) override;

    // Printing (IRControlViewPrint.cpp): a printed page per time-axis page.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    // The text in Arial at (x, y); y moves below it.
    static void PrintLine(CDC* pDC, int x, int& y, int nHeight, int nWeight, BOOL bUnderline,
                          LPCTSTR lpszText);

    // Profile download and upload (IRControlViewProfile.cpp)
    enum
    {
        KeepStartMode = -2
    };
    // Sends the set to the station, after the station password when there is one. Once the
    // station has taken all of it the set's labelling and Tinit, and the operator and start mode
    // when given, go into the document. FALSE when nothing was sent.
    BOOL DownloadProfile(const CIRProfilSet* pSet, LPCTSTR lpszOperator = NULL,
                         int nStartMode = KeepStartMode);
    // Appends the document's parameter set to the profile table; FALSE when it was not.
    BOOL UploadProfile();
    BOOL ConfirmStationPassword();

    // Implementation
  protected:
    struct SPendingDownload;
    SPendingDownload* m_pPendingDownload;
    void DropPendingDownload();
    afx_msg void OnProfileDownload();
    afx_msg void OnUpdateProfileDownload(CCmdUI* pCmdUI);
    afx_msg void OnProfileUpload();
    // The document's table of measured values as an Excel workbook.
    afx_msg void OnExportTable();
    // Copying a row of the profile table into another, as the table allows.
    afx_msg void OnProfileCopy();
    afx_msg void OnUpdateProfileCopy(CCmdUI* pCmdUI);
    afx_msg void OnProfilePaste();
    afx_msg void OnUpdateProfilePaste(CCmdUI* pCmdUI);
    afx_msg LRESULT OnCommProfileWritten(WPARAM wParam, LPARAM lParam);
    // Copies cache variables into the mirror; the caller holds the read lock.
    void Mirror(int nFirst, const float* pValues, int nCount);
    // Under the read lock: the firmware version and, while active, the link's rate in the status bar.
    void RefreshVersion();
    // The main frame's baud pane: the command layer's rate (the view's own without one).
    void ShowBaudRate(DWORD dwBaudRate);
    void ShowAnalysePointCount();
    void PrintTitle(CDC* pDC, const CRect& texts);
    void PrintTextBlock(CDC* pDC, const CRect& texts);
    void PrintAnalysePoints(CDC* pDC, int x, int& y);
    void PrintFooter(CDC* pDC, const CRect& texts, int nPage, int nPages);
    void PrintLogos(CDC* pDC);
    void AppendSample();
    void AppendProcessState();
    void ApplyProfileBlock();
    void StoreLimits();
    void CheckAutoRecord();
    int Var(int nVariable) const
    {
        return (int)m_fStation[nVariable];
    }

    BOOL m_bOnline;
    BOOL m_bLimitsRequest;
    BOOL m_bProfileRequest;
    BOOL m_bSampleDue;
    BOOL m_bRecording;
    BOOL m_bActiveView;
    BOOL m_bIROptionsRequest;
    BOOL m_bAnalyseCursor;
    BOOL m_bPasswordRequest;
    int m_nAutoRecordEdge;
    BOOL m_bAutoRecordLatch;
    // Each view keeps its own: the temperatures of two stations must not mix.
    int m_nPreviousTemperature;
    BOOL m_bStationIdle;
    BOOL m_bOfflineReported;
    int m_nPollPhase;
    int m_nSecondCounter;
    int m_nStationPassword;
    float m_fBottomHeaterRestore;
    float m_fLastEnergy;
    float m_fLastScale[2]; // "TE-Solder", "IRS-Solder"
    DWORD m_dwBaudRate;
    float m_fStation[MirrorSize];
    DWORD m_dwProfileWords[StationVar::ProfileCount]; // the words last written as profile
    CString m_strUnitText;
    CString m_strInterfaceName;
    CString m_strDeviceName;
    CIRComBase* m_pComBase;
    CWnd* m_pQuickSaveDlg;
    CLongLifeTestDlg* m_pLongLifeDlg;
    CEvent* m_pEvent;
    BOOL m_bInitialized;

    afx_msg void OnDestroy();
    afx_msg void OnQuickSave();
    afx_msg BOOL OnSettingsSheet(UINT nID);
    afx_msg void OnUpdateAlways(CCmdUI* pCmdUI); // quick save, station password
    afx_msg LRESULT OnQuickSaveDone(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCommunication();
    afx_msg void OnUpdateCommunication(CCmdUI* pCmdUI);
    afx_msg void OnRecord();
    afx_msg void OnUpdateRecord(CCmdUI* pCmdUI);
    afx_msg LRESULT OnCommClock(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCommStatus(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCommSample(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCommProfile(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCommLimits(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCommBaud(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCommVersion(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPollTick(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCommClosed(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCommOffline(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCommLongLife(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCommLongLifeJob(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCommHours(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCommPortError(WPARAM wParam, LPARAM lParam);

    // Recording, service and mouse commands (IRControlViewCommands.cpp)
    // Moves the line to x, kept within the plot, across the plot's height; the x it took.
    int PlaceCursorLine(CDrawLine* pCursor, int x);
    afx_msg void OnAnalyseCursor();
    afx_msg void OnUpdateAnalyseCursor(CCmdUI* pCmdUI);
    // Zoom to actual size or to the window; the analysis dialog follows.
    afx_msg BOOL OnZoomFollowed(UINT nID);
    // Adding a point, deleting the last one or all of them.
    afx_msg BOOL OnAnalysePoints(UINT nID);
    BOOL IsLive() const;
    afx_msg void OnRecordClear();
    afx_msg void OnUpdateLive(CCmdUI* pCmdUI);
    afx_msg void OnFan();
    afx_msg void OnUpdateFan(CCmdUI* pCmdUI);
    afx_msg void OnPump();
    afx_msg void OnUpdatePump(CCmdUI* pCmdUI);
    afx_msg void OnCalibrate();
    afx_msg void OnBottomHeater();
    afx_msg void OnUpdateBottomHeater(CCmdUI* pCmdUI);
    afx_msg void OnStationClockSet();
    afx_msg void OnStationSerialNumber();
    afx_msg void OnStationPassword();
    afx_msg void OnStationHours();
    afx_msg void OnLongLifeTest();
    afx_msg void OnUpdateLongLifeTest(CCmdUI* pCmdUI);
    afx_msg LRESULT OnLongLifeClosing(WPARAM wParam, LPARAM lParam);
    // Destroys and deletes the long-life test window, when there is one.
    void CloseLongLifeTest();
    afx_msg void OnStationClockReset();
    afx_msg void OnUpdateOnline(CCmdUI* pCmdUI);

  public:
    // Changed display settings send the station options again at the next tick.
    void SetSettingsChanged(BOOL bChanged) override;

  protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg LRESULT OnFullScreenChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
