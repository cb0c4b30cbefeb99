// CParameterSetDlg: builds the profile grid's columns and keeps grid and graph scaled with the
// dialog.
#include "app/ParameterSetDlg.h"
#include "app/MyBrowseGridWnd.h"
#include "station/record/QuietGridWrite.h"
#include "app/SolderProfilGraph.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"
#include "station/record/IRProfilRecord.h"
#include "AppIds.h"
#include "StationIds.h"
#include <algorithm>
#include "ResourceText.h"

IMPLEMENT_DYNAMIC(CParameterSetDlg, CMyDialog)

BEGIN_MESSAGE_MAP(CParameterSetDlg, CMyDialog)
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace
{
typedef DWORD (CProjektConfig::*LimitGetter)();

// Where each limit comes from: maximum, minimum, default.
const LimitGetter kLimitGetters[][3] = {
    {&CProjektConfig::GetT1Max, &CProjektConfig::GetT1Min, &CProjektConfig::GetT1Default},
    {&CProjektConfig::GetT2Max, &CProjektConfig::GetT2Min, &CProjektConfig::GetT2Default},
    {&CProjektConfig::GetT3Max, &CProjektConfig::GetT3Min, &CProjektConfig::GetT3Default},
    {&CProjektConfig::GetTLMax, &CProjektConfig::GetTLMin, &CProjektConfig::GetTLDefault},
    {&CProjektConfig::GetTimeMax, &CProjektConfig::GetTimeMin, &CProjektConfig::GetTimeDefault},
    {&CProjektConfig::GetEnergyMax, &CProjektConfig::GetEnergyMin, &CProjektConfig::GetEnergyDefault},
    {&CProjektConfig::GetTinitMax, &CProjektConfig::GetTinitMin, &CProjektConfig::GetTinitDefault},
};

// The texts of each choice list: every string id from the first to the last, or just those two.
const struct
{
    UINT nFirst;
    UINT nLast;
    BOOL bRange;
} kChoiceTexts[] = {
    {IDS_PROFILE_TYPE_FIRST, IDS_PROFILE_TYPE_LAST, TRUE},
    {IDS_STATION_UNIT_CELSIUS, IDS_STATION_UNIT_FAHRENHEIT, FALSE},
    {IDS_STATION_SENSOR_IR, IDS_STATION_SENSOR_TE, FALSE},
    {IDS_BLENDE_FIRST, IDS_BLENDE_LAST, TRUE},
    {IDS_PIN1_FIRST, IDS_PIN1_LAST, TRUE},
};

// The drop-down columns: column, choice list, string id of the start value.
const struct
{
    ROWCOL nCol;
    int nChoices;
    UINT nValueId;
} kComboColumns[] = {
    {3, 0, IDS_PROFILE_TYPE_SOLDER}, {11, 1, IDS_STATION_UNIT_CELSIUS}, {10, 2, IDS_STATION_SENSOR_IR},
    {12, 3, IDS_BLENDE_DEFAULT},     {13, 3, IDS_BLENDE_DEFAULT},       {14, 4, IDS_PIN1_DEFAULT},
};

// The spin columns and their limits.
const struct
{
    ROWCOL nCol;
    int nLimit;
} kSpinColumns[] = {{4, 0}, {6, 1}, {7, 2}, {8, 3}, {5, 4}, {9, 5}, {15, 6}};

const ROWCOL kCheckColumn = 16;
const COLORREF kTextColour = RGB(10, 17, 109); // columns 1 and 2
const WORD kRowSizing = 0xB2;

} // namespace

CParameterSetDlg::CParameterSetDlg(CWnd* pParent)
    : CMyDialog(IDD_PARAMETER_SET, pParent), m_pGrid(NULL), m_pGraph(NULL), m_sizeInitial(0, 0)
{
    ReadLimits();
    for (int n = 0; n < ChoicesCount; n++)
    {
        CString& list = m_strChoices[n];
        if (!kChoiceTexts[n].bRange)
            list = LoadText(kChoiceTexts[n].nFirst) + "\n" + LoadText(kChoiceTexts[n].nLast) + "\n";
        else
            for (UINT nID = kChoiceTexts[n].nFirst; nID <= kChoiceTexts[n].nLast; nID++)
                list += LoadText(nID) + "\n";
    }
    // The pin-1 list alone has no line end after its last text.
    m_strChoices[ChoicesPin1].TrimRight("\n");
}

void CParameterSetDlg::ReadLimits()
{
    CProjektConfig& config = CApplicationValues::GetProjektConfig();
    for (int n = 0; n < LimitCount; n++)
    {
        SLimit& limit = m_limits[n];
        limit.nMax = (int)(config.*kLimitGetters[n][0])();
        limit.nMin = (int)(config.*kLimitGetters[n][1])();
        // The station sets minimum and maximum but no default: a new row starts within them.
        limit.nDefault = std::max(limit.nMin, std::min(limit.nMax, (int)(config.*kLimitGetters[n][2])()));
    }
}

void CParameterSetDlg::ApplyLimits()
{
    SLimit before[LimitCount];
    memcpy(before, m_limits, sizeof before);
    ReadLimits();
    // Each connection reads them again: columns already built to them stay as they are.
    if (memcmp(before, m_limits, sizeof before) != 0 && m_pGrid != NULL && m_pGrid->GetSafeHwnd() != NULL)
        SetUpSpinColumns();
}

void CParameterSetDlg::SetUpSpinColumns()
{
    for (const auto& spin : kSpinColumns)
    {
        const SLimit& limit = m_limits[spin.nLimit];
        m_pGrid->SetSpinColumn(spin.nCol, limit.nMin, limit.nMax, limit.nDefault);
    }
}

CParameterSetDlg::~CParameterSetDlg()
{
    if (m_pGrid != NULL && m_pGrid->GetSafeHwnd() != NULL)
        m_pGrid->DestroyWindow();
    delete m_pGrid;
    delete m_pGraph;
}

BOOL CParameterSetDlg::Create(CWnd* pParent)
{
    return CMyDialog::Create(IDD_PARAMETER_SET, pParent);
}

BOOL CParameterSetDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    BuildGrid();
    CRect client;
    GetClientRect(&client);
    m_sizeInitial = client.Size();
    for (CWnd* pChild = GetWindow(GW_CHILD); pChild != NULL; pChild = pChild->GetWindow(GW_HWNDNEXT))
    {
        CRect rect;
        pChild->GetWindowRect(&rect);
        ScreenToClient(&rect);
        m_childRects.Add(rect);
        m_childIds.Add((DWORD)pChild->GetDlgCtrlID());
    }
    // The graph covers its placeholder and follows it when the dialog is scaled.
    CWnd* pPlace = GetDlgItem(IDC_PROFILE_GRAPH);
    if (m_pGraph == NULL && pPlace != NULL)
    {
        CRect rect;
        pPlace->GetWindowRect(&rect);
        ScreenToClient(&rect);
        pPlace->ShowWindow(SW_HIDE);
        m_pGraph = new CSolderProfilGraph(rect, this);
    }
    return TRUE;
}

void CParameterSetDlg::BuildGrid()
{
    if (m_pGrid != NULL)
        return;
    // The grid takes the template control's place, style and id.
    CWnd* pPlace = GetDlgItem(IDC_PROFILE_TABLE);
    CRect rect(0, 0, 0, 0);
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
    if (pPlace != NULL)
    {
        pPlace->GetWindowRect(&rect);
        ScreenToClient(&rect);
        dwStyle = (pPlace->GetStyle() & (WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_DISABLED)) | WS_CHILD;
        pPlace->DestroyWindow();
    }
    m_pGrid = new CMyBrowseGridWnd(this);
    if (!m_pGrid->Create(dwStyle | WS_HSCROLL | WS_VSCROLL, rect, this, IDC_PROFILE_TABLE))
    {
        delete m_pGrid;
        m_pGrid = NULL;
        return;
    }
    m_pGrid->OnGridInitialUpdate();
    m_pGrid->GetParam()->SetUndoEnabled(FALSE);
    m_pGrid->InstallCutPasteImp();
    SetUpColumns();
}

void CParameterSetDlg::SetUpColumns()
{
    CMyBrowseGridWnd& grid = *m_pGrid;
    CIRProfilRecord& record = *grid.GetProfilRecord();
    grid.SetColCount((ROWCOL)record.GetColumnCount(), GX_NOREDRAW);
    for (const auto& combo : kComboColumns)
        grid.SetComboColumn(combo.nCol, m_strChoices[combo.nChoices], LoadText(combo.nValueId));
    SetUpSpinColumns();
    grid.SetCheckColumn(kCheckColumn, FALSE);
    {
        CQuietGridWrite write(&grid);
        for (int n = 1; n <= record.GetColumnCount(); n++)
        {
            CString title;
            int nField, nWidth;
            COLORREF colour;
            BOOL bCheckBox;
            if (!CIRProfilRecord::GetColumnInfo(n, title, nField, nWidth, colour, bCheckBox))
                continue;
            grid.SetValueRange(CGXCellRange(0, (ROWCOL)n), title);
            grid.SetColWidth((ROWCOL)n, (ROWCOL)n, nWidth);
            // Only the calibration column is locked.
            CGXStyle style;
            style.SetInterior(colour).SetReadOnly(bCheckBox).SetEnabled(!bCheckBox);
            grid.SetStyleRange(CGXCellRange().SetCols((ROWCOL)n, (ROWCOL)n), style);
        }
        grid.SetStyleRange(CGXCellRange().SetCols(1, 2), CGXStyle().SetTextColor(kTextColour));
        grid.GetParam()->SetRowSizingFlags(kRowSizing);
    }
    grid.GetParam()->SetUndoEnabled(TRUE);
    grid.RedrawAll(GX_UPDATENOW, FALSE);
}

void CParameterSetDlg::OnSize(UINT nType, int cx, int cy)
{
    CMyDialog::OnSize(nType, cx, cy);
    ScaleChildren(cx, cy);
    FitGraph();
}

void CParameterSetDlg::FitGraph()
{
    CWnd* pPlace = GetDlgItem(IDC_PROFILE_GRAPH);
    if (m_pGraph == NULL || m_pGraph->GetSafeHwnd() == NULL || pPlace == NULL)
        return;
    CRect rect;
    pPlace->GetWindowRect(&rect);
    ScreenToClient(&rect);
    m_pGraph->MoveWindow(&rect);
    m_pGraph->Redraw();
}

void CParameterSetDlg::ScaleChildren(int cx, int cy)
{
    if (m_sizeInitial.cx <= 0 || m_sizeInitial.cy <= 0)
        return;
    for (INT_PTR i = 0; i < m_childIds.GetSize(); i++)
    {
        CWnd* pChild = GetDlgItem((int)m_childIds[i]);
        if (pChild == NULL)
            continue;
        const CRect& r = m_childRects[i];
        CRect scaled(MulDiv(r.left, cx, m_sizeInitial.cx), MulDiv(r.top, cy, m_sizeInitial.cy),
                     MulDiv(r.right, cx, m_sizeInitial.cx), MulDiv(r.bottom, cy, m_sizeInitial.cy));
        pChild->MoveWindow(&scaled);
    }
}

// -- Row operations ----------------------------------------------------------------------------

BOOL CParameterSetDlg::HasSelectedRow() const
{
    return m_pGrid != NULL && m_pGrid->HasSelectedRow();
}

BOOL CParameterSetDlg::CanPasteRow() const
{
    return m_pGrid != NULL && m_pGrid->CanPasteRow();
}

void CParameterSetDlg::CopySelectedRow()
{
    if (m_pGrid != NULL)
        m_pGrid->CopySelectedRow();
}

void CParameterSetDlg::PasteIntoSelectedRow()
{
    if (m_pGrid != NULL)
        m_pGrid->PasteIntoSelectedRow();
}

CIRProfilSet* CParameterSetDlg::GetCurrentSet()
{
    return m_pGrid != NULL ? m_pGrid->GetCurrentSet() : NULL;
}

BOOL CParameterSetDlg::AppendSet(const CIRProfilSet& set)
{
    return m_pGrid != NULL && m_pGrid->AppendSet(set);
}

void CParameterSetDlg::ShowProfileInGraph(int nTinit, int nT1, int nTime, int nT2, int nT3, LPCTSTR pszUnit)
{
    if (m_pGraph != NULL)
        m_pGraph->SetProfile(nTinit, nT1, nTime, nT2, nT3, pszUnit);
}
