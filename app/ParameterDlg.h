// CParameterDlg: the user mask of one recording document, the tab "Benutzermaske": the job's
// labelling (operator, board, component, print header line, Tinit, pin 1, apertures, profile
// type), which goes into the document as the user types, and the station's current IR
// parameters beside the profile graph. The document owns it.
#pragma once
#include "app/Label.h"
#include "station/record/MyDialog.h"
#include "station/record/ParameterDlgLink.h"
#include "ComboBox.h"

class CIRControlDoc;
class CSolderProfilGraph;

class CParameterDlg : public CMyDialog, public IParameterDlg
{
    DECLARE_DYNAMIC(CParameterDlg)

  public:
    enum
    {
        MaxHeaderLength = 70,
        LabelCount = 9
    };

    // Construction
    explicit CParameterDlg(CIRControlDoc* pDoc, CWnd* pParent = NULL);
    ~CParameterDlg() override;
    using CMyDialog::Create;
    BOOL Create(CWnd* pParent);
    // The document's maker: the mask with its window, a child of the parent.
    static CDialog* CreateForDocument(CIRControlDoc* pDoc, CWnd* pParent);

    // Attributes
    CSolderProfilGraph* GetGraph() const
    {
        return m_pGraph;
    }
    CLabel& GetLabel(int n)
    {
        return m_labels[n];
    }

    // Operations (the document's)
    void SetOperator(LPCTSTR text) override;
    void SetBoard(LPCTSTR text) override;
    void SetComponent(LPCTSTR text) override;
    void SetHeaderLine(LPCTSTR text) override;
    void SetTinit(int nTinit) override;
    void SetTestDate(LPCTSTR text) override;
    void SelectApertureX(LPCTSTR text) override;
    void SelectApertureY(LPCTSTR text) override;
    void SelectPin1Position(LPCTSTR text) override;
    void SelectProfileType(LPCTSTR text) override;
    void ShowCurrentParameters(LPCTSTR program, LPCTSTR t1, LPCTSTR t2, LPCTSTR t3, LPCTSTR tl,
                               LPCTSTR energy, LPCTSTR time, LPCTSTR sensor, BOOL bValid) override;
    void UpdateProfileGraph(int nTinit, int nT1, int nTime, int nT2, int nT3, LPCTSTR unit) override;
    BOOL SetPendingUpdate() override;
    void RefreshControls() override;

    // Overrides
    BOOL OnInitDialog() override;
    // The recording's function keys reach the frame from the mask too: F9 stops what it started.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Implementation
  protected:
    // The labels in the order ShowCurrentParameters reports their texts; the group frame last.
    enum Label
    {
        LabelProgram,
        LabelT1,
        LabelT2,
        LabelT3,
        LabelTL,
        LabelEnergy,
        LabelTime,
        LabelSensor,
        LabelGroup
    };
    enum Combo
    {
        ComboProfileType,
        ComboPin1,
        ComboApertureY,
        ComboApertureX,
        ComboCount
    };

    void DoDataExchange(CDataExchange* pDX) override;
    CString& SelectedText(int nCombo);
    void SelectText(int nCombo, LPCTSTR text);
    void FillCombos();
    void ColourLabels(COLORREF colour);
    // The user's input into the fields and from there into the document.
    void StoreInput();
    void FitGraph();

    CComboBox m_combos[ComboCount];
    CString m_strBoard;
    CString m_strComponent;
    CString m_strOperator;
    CString m_strHeader;
    CString m_strDate;
    int m_nTinit;
    CString m_strApertureX;
    CString m_strApertureY;
    CString m_strPin1;
    CString m_strProfileType;
    BOOL m_bReady;
    int m_nTinitMin;
    int m_nTinitMax;
    CLabel m_labels[LabelCount];
    CSolderProfilGraph* m_pGraph;
    CIRControlDoc* m_pDocument;
    BOOL m_bExchangeCombos;
    BOOL m_bTimer;
    BOOL m_bPendingUpdate;
    BOOL m_bConfirm;
    int m_nCountdown;
    int m_graphValues[5]; // Tinit, T1, t, T2, T3 last drawn
    CString m_strGraphUnit;

    afx_msg void OnInput();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
