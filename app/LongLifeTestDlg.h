// CLongLifeTestDlg: the modeless status window of the station's long-life (endurance) test. It
// shows the values its view mirrors and asks the view for jobs only by posting messages.
#pragma once
#include "station/record/MyDialog.h"

class CIRControlView;

class CLongLifeTestDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CLongLifeTestDlg)

  public:
    // Construction
    explicit CLongLifeTestDlg(CIRControlView* pView);
    ~CLongLifeTestDlg() override;

    // Attributes
    CString m_strPauseLinear;  // 1193
    CString m_strPauseSaddle;  // 1195
    CString m_strCyclesLinear; // 1189
    CString m_strCyclesSaddle; // 1191
    CString m_strPower;        // 1202
    CString m_strTimerLinear;  // 1190
    CString m_strTimerSaddle;  // 1198
    // Not running without a view or while the view's mirrored LongLifeActive is 0 or less.
    BOOL IsTestRunning() const;

    // Overrides
    BOOL OnInitDialog() override;

    // Implementation
  protected:
    tessaron::foundation::SECBitmapButton m_btnClose;
    tessaron::foundation::SECBitmapButton m_btnStart;
    tessaron::foundation::SECBitmapButton m_btnReset;
    tessaron::foundation::SECBitmapButton m_btnParameter;
    CIRControlView* m_pView;

    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    void PostJob(WPARAM nJob);
    void ShowStartText();
    afx_msg LRESULT OnLongLifeUpdate(WPARAM wParam, LPARAM lParam);
    afx_msg void OnParameter();
    afx_msg void OnReset();
    afx_msg void OnStart();
    DECLARE_MESSAGE_MAP()
};
