// CParameterSetDlg: the profile table's tab of the measurement table bar: the profile grid and
// the profile graph, with the limits and choice texts the grid's columns are built from. Lives
// as long as the bar; owns the grid.
#pragma once
#include "station/record/MyDialog.h"

class CMyBrowseGridWnd;
class CIRProfilSet;
class CSolderProfilGraph;

class CParameterSetDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CParameterSetDlg)

  public:
    // Construction: the limits come from the project configuration now.
    explicit CParameterSetDlg(CWnd* pParent = NULL);
    ~CParameterSetDlg() override;
    using CMyDialog::Create;
    BOOL Create(CWnd* pParent);

    // Attributes
    CMyBrowseGridWnd* GetGrid() const
    {
        return m_pGrid;
    }
    CSolderProfilGraph* GetGraph() const
    {
        return m_pGraph;
    }

    // Row operations of the profile commands; nothing (FALSE, NULL) while there is no grid.
    BOOL HasSelectedRow() const;
    BOOL CanPasteRow() const;
    void CopySelectedRow();
    void PasteIntoSelectedRow();
    CIRProfilSet* GetCurrentSet();
    BOOL AppendSet(const CIRProfilSet& set);
    // Shows a set's profile in the graph, once there is one.
    void ShowProfileInGraph(int nTinit, int nT1, int nTime, int nT2, int nT3, LPCTSTR pszUnit);
    // The limits again from the project configuration, into the spin columns: the station's own
    // limits arrive after the table was built.
    void ApplyLimits();

    // Overrides
    BOOL OnInitDialog() override;

    // Implementation
  protected:
    // Maximum, minimum and default of one limited value.
    struct SLimit
    {
        int nMax;
        int nMin;
        int nDefault;
    };
    enum Limit
    {
        LimitT1,
        LimitT2,
        LimitT3,
        LimitTL,
        LimitTime,
        LimitEnergy,
        LimitTinit,
        LimitCount
    };
    enum Choices
    {
        ChoicesProfileType,
        ChoicesUnit,
        ChoicesSensor,
        ChoicesAperture,
        ChoicesPin1,
        ChoicesCount
    };

    void ReadLimits();
    void SetUpSpinColumns();

    CMyBrowseGridWnd* m_pGrid;
    CSolderProfilGraph* m_pGraph;
    SLimit m_limits[LimitCount];
    CString m_strChoices[ChoicesCount];
    // The dialog's client size and its children's places when it was made, for scaling.
    CSize m_sizeInitial;
    CArray<CRect, const CRect&> m_childRects;
    CDWordArray m_childIds;

    void BuildGrid();
    void SetUpColumns();
    void ScaleChildren(int cx, int cy);
    void FitGraph();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
