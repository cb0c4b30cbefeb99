// SECColorWell: size, palette, painting, selection by mouse and keys, and "Other...".
#include "ColorWell.h"
#include "OtherButton.h"
#include "BarsIds.h"
#include "ColorDialog.h"
#include "DataExchange.h"
#include <vector>

namespace tessaron
{
namespace foundation
{

IMPLEMENT_DYNAMIC(SECColorWell, CWnd)

namespace
{
SECColorWell::Colors g_colors;
bool g_bColorsRead = false;

// The grid's colours when the system's default palette cannot be read, row by row.
const COLORREF kDefaultColors[20] = {
    0x000000, 0x000080, 0x008000, 0x008080, //
    0x800000, 0x800080, 0x808000, 0xC0C0C0, //
    0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0, //
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, //
    0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

BOOL IsDialogWindow(CWnd* pWnd)
{
    char name[16] = "";
    return pWnd != NULL && ::GetClassNameA(pWnd->m_hWnd, name, sizeof(name)) > 0 &&
           lstrcmpA(name, "#32770") == 0;
}
} // namespace

const SECColorWell::Colors& SECColorWell::GetColors()
{
    if (!g_bColorsRead)
        RefreshColors();
    return g_colors;
}

void SECColorWell::RefreshColors()
{
    g_colors.face = ::GetSysColor(COLOR_BTNFACE);
    g_colors.frame = ::GetSysColor(COLOR_WINDOWFRAME);
    g_colors.light = ::GetSysColor(COLOR_3DLIGHT);
    g_colors.darkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    g_colors.shadow = ::GetSysColor(COLOR_BTNSHADOW);
    g_colors.highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    g_bColorsRead = true;
}

BEGIN_MESSAGE_MAP(SECColorWell, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_CTLCOLOR()
ON_WM_SYSCOLORCHANGE()
ON_BN_CLICKED(IDC_SEC_OTHER_COLOR, OnOtherCommand)
END_MESSAGE_MAP()

SECColorWell::SECColorWell()
    : m_pPalette(NULL), m_nRows(5), m_nColumns(4), m_nCustomCol(3), m_nCustomRow(5), m_nCellHeight(0),
      m_nCellWidth(0), m_nMarginX(2), m_nMarginY(2), m_nExtraHeight(2), m_nSelRow(0), m_nSelCol(0),
      m_nCustomIndex(20), m_bFocused(FALSE), m_bTrackMouse(FALSE), m_bOther(FALSE), m_bCustomSet(FALSE),
      m_bUsePalette(FALSE), m_dwColorDialogFlags(CC_RGBINIT | CC_FULLOPEN), m_pCustomColors(NULL),
      m_pOtherButton(NULL)
{
    m_brushFace.CreateSolidBrush(GetColors().face);
}

SECColorWell::~SECColorWell()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    delete m_pOtherButton;
    delete m_pPalette;
}

void SECColorWell::SetDefaultSize()
{
    m_nRows = 5;
    m_nColumns = 4;
}

void SECColorWell::AdjustPalette(LOGPALETTE*)
{
}

void SECColorWell::Reset()
{
    m_nSelRow = m_nSelCol = 0;
    m_nMarginX = m_nMarginY = 2;
    m_bCustomSet = FALSE;
    if (m_pOtherButton != NULL && m_pOtherButton->m_hWnd != NULL)
        m_pOtherButton->DestroyWindow();
    delete m_pOtherButton;
    m_pOtherButton = NULL;
    delete m_pPalette;
    m_pPalette = NULL;
}

void SECColorWell::SetMargins(DWORD dwStyle)
{
    m_nMarginX = m_nMarginY = (dwStyle & 0x1) ? 4 : 2;
    if (HasFocusFrame())
    {
        m_nMarginX++;
        m_nMarginY++;
    }
}

void SECColorWell::CalcSize(RECT& rect, CWnd* pParent, int x, int y, BOOL bDialogUnits)
{
    if (IsDialogWindow(pParent))
    {
        RECT cell = {0, 0, 10, 10};
        ::MapDialogRect(pParent->m_hWnd, &cell);
        m_nCellWidth = cell.right;
        m_nCellHeight = cell.bottom;
        if (bDialogUnits)
        {
            RECT at = {x, y, 0, 0};
            ::MapDialogRect(pParent->m_hWnd, &at);
            x = at.left;
            y = at.top;
        }
    }
    else
    {
        LONG units = ::GetDialogBaseUnits();
        m_nCellWidth = LOWORD(units) * 10 / 4;
        m_nCellHeight = HIWORD(units) * 10 / 8;
        if (bDialogUnits)
        {
            x = x * LOWORD(units) / 4;
            y = y * HIWORD(units) / 8;
        }
    }
    m_nExtraHeight = m_nCellHeight + 2;
    int cx = m_nCellWidth * m_nColumns + 2 * (m_nMarginX + m_nColumns) - 2;
    int cy = m_nCellHeight * m_nRows + 2 * (m_nMarginY + m_nRows) - 2;
    if (m_bOther)
        cy += m_nExtraHeight + 6;
    rect.left = x;
    rect.top = y;
    rect.right = x + cx;
    rect.bottom = y + cy;
}

BOOL SECColorWell::CreatePalette()
{
    int nGrid = m_nRows * m_nColumns;
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + (nGrid + 1) * sizeof(PALETTEENTRY));
    LOGPALETTE* pLog = (LOGPALETTE*)buffer.data();
    pLog->palVersion = 0x300;
    pLog->palNumEntries = (WORD)(nGrid + 1);
    std::vector<PALETTEENTRY> system(nGrid);
    UINT nRead = ::GetPaletteEntries((HPALETTE)::GetStockObject(DEFAULT_PALETTE), 0, nGrid, system.data());
    for (int i = 0; i < nGrid; i++)
    {
        PALETTEENTRY& entry = pLog->palPalEntry[i];
        if (nRead == (UINT)nGrid)
            entry = system[i];
        else
        {
            COLORREF color = kDefaultColors[i % 20];
            entry.peRed = GetRValue(color);
            entry.peGreen = GetGValue(color);
            entry.peBlue = GetBValue(color);
        }
        entry.peFlags = 0;
    }
    AdjustPalette(pLog);
    pLog->palPalEntry[nGrid] = PALETTEENTRY{0, 0, 0, 0};
    CPalette* pPalette = new CPalette;
    if (!pPalette->CreatePalette(pLog))
    {
        delete pPalette;
        return FALSE;
    }
    delete m_pPalette;
    m_pPalette = pPalette;
    m_bCustomSet = FALSE;
    return TRUE;
}

BOOL SECColorWell::CreateWell(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    if (!CreatePalette())
        return FALSE;
    LPCTSTR lpszClass = AfxRegisterWndClass(GetClassStyle(), ::LoadCursor(NULL, IDC_ARROW));
    BOOL bCreated =
        (dwStyle & WS_POPUP)
            ? CreateEx(0, lpszClass, NULL, dwStyle, rect.left, rect.top, AfxRectExtent(rect.left, rect.right),
                       AfxRectExtent(rect.top, rect.bottom), pParent->GetSafeHwnd(), NULL)
            : CreateEx(0, lpszClass, NULL, dwStyle, rect, pParent, nID);
    if (!bCreated)
        return FALSE;
    if (m_bOther)
    {
        CRect client;
        GetClientRect(&client);
        CRect button(m_nMarginX, client.bottom - m_nMarginY - m_nExtraHeight, client.right - m_nMarginX,
                     client.bottom - m_nMarginY);
        CString caption;
        caption.LoadString(IDS_SEC_OTHER_COLOR);
        m_pOtherButton = new SECOtherButton;
        if (!m_pOtherButton->Create(caption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, button, this,
                                    IDC_SEC_OTHER_COLOR))
        {
            delete m_pOtherButton;
            m_pOtherButton = NULL;
            delete m_pPalette;
            m_pPalette = NULL;
            DestroyWindow();
            return FALSE;
        }
        if (pParent != NULL)
            m_pOtherButton->SetFont(pParent->GetFont());
    }
    return TRUE;
}

BOOL SECColorWell::Create(DWORD dwStyle, int x, int y, CWnd* pParent, UINT nID, BOOL bDialogUnits,
                          BOOL bOther, DWORD)
{
    m_bOther = bOther;
    m_nCustomIndex = m_nRows * m_nColumns;
    m_nCustomCol = m_nColumns - 1;
    m_nCustomRow = m_nRows;
    SetMargins(dwStyle);
    CRect rect;
    CalcSize(rect, pParent, x, y, bDialogUnits);
    return CreateWell(dwStyle | WS_CHILD | WS_CLIPCHILDREN, rect, pParent, nID);
}

CRect SECColorWell::GetOrigin() const
{
    CRect origin;
    GetClientRect(&origin);
    origin.DeflateRect(m_nMarginX, m_nMarginY);
    return origin;
}

CRect SECColorWell::GetCellRect(int nCol, int nRow) const
{
    CRect origin = GetOrigin();
    CRect cell(origin.left + (m_nCellWidth + 2) * nCol, origin.top + (m_nCellHeight + 2) * nRow, 0, 0);
    cell.right = cell.left + m_nCellWidth;
    cell.bottom = cell.top + m_nCellHeight;
    if (nRow == m_nRows)
        cell.OffsetRect(0, 5);
    return cell;
}

int SECColorWell::PaletteIndex(int nCol, int nRow) const
{
    if (nRow >= m_nRows)
        return m_nCustomIndex;
    return nRow * m_nColumns + nCol;
}

COLORREF SECColorWell::CellColor(int nCol, int nRow) const
{
    PALETTEENTRY entry = {};
    if (m_pPalette != NULL)
        m_pPalette->GetPaletteEntries(PaletteIndex(nCol, nRow), 1, &entry);
    return RGB(entry.peRed, entry.peGreen, entry.peBlue);
}

COLORREF SECColorWell::GetColor() const
{
    return CellColor(m_nSelCol, m_nSelRow);
}

void SECColorWell::SetUsePalette(BOOL bUse)
{
    m_bUsePalette = bUse;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void SECColorWell::InvalidateCell(int nCol, int nRow)
{
    if (m_hWnd == NULL)
        return;
    CRect cell = GetCellRect(nCol, nRow);
    cell.InflateRect(2, 2);
    InvalidateRect(&cell, FALSE);
}

void SECColorWell::MoveSelection(int nCol, int nRow)
{
    InvalidateCell(m_nSelCol, m_nSelRow);
    m_nSelCol = nCol;
    m_nSelRow = nRow;
    InvalidateCell(nCol, nRow);
}

void SECColorWell::SelectCell(int nCol, int nRow, int)
{
    MoveSelection(nCol, nRow);
    NotifyParent();
}

void SECColorWell::NotifyParent()
{
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(SECWM_COLORCHANGED, GetDlgCtrlID(), GetColor());
}

void SECColorWell::SetColor(COLORREF color)
{
    color &= 0xFFFFFF;
    for (int nRow = 0; nRow < m_nRows; nRow++)
        for (int nCol = 0; nCol < m_nColumns; nCol++)
            if (CellColor(nCol, nRow) == color)
            {
                MoveSelection(nCol, nRow);
                return;
            }
    if (!m_bOther || m_pPalette == NULL)
        return;
    PALETTEENTRY entry = {GetRValue(color), GetGValue(color), GetBValue(color), 0};
    m_pPalette->SetPaletteEntries(m_nCustomIndex, 1, &entry);
    if (!m_bCustomSet)
    {
        // The custom cell takes its place at the right of the "Other..." button.
        m_bCustomSet = TRUE;
        if (m_pOtherButton != NULL && m_pOtherButton->m_hWnd != NULL)
        {
            CRect button;
            m_pOtherButton->GetWindowRect(&button);
            ScreenToClient(&button);
            button.right -= m_nCellWidth + 2;
            m_pOtherButton->MoveWindow(&button);
        }
    }
    MoveSelection(m_nCustomCol, m_nCustomRow);
}

BOOL SECColorWell::CellFromPoint(CPoint point, int& nCol, int& nRow) const
{
    for (int row = 0; row <= m_nRows; row++)
        for (int col = 0; col < m_nColumns; col++)
        {
            if (row == m_nRows && !IsCustomCell(col, row))
                continue;
            CRect cell = GetCellRect(col, row);
            cell.InflateRect(1, 1);
            if (cell.PtInRect(point))
            {
                nCol = col;
                nRow = row;
                return TRUE;
            }
        }
    return FALSE;
}

void SECColorWell::DrawCell(CDC* pDC, CRect*, int nCol, int nRow)
{
    CRect cell = GetCellRect(nCol, nRow);
    if (!pDC->RectVisible(&cell))
        return;
    const Colors& c = GetColors();
    pDC->Draw3dRect(&cell, c.shadow, c.highlight);
    cell.DeflateRect(1, 1);
    pDC->Draw3dRect(&cell, c.darkShadow, c.light);
    cell.DeflateRect(1, 1);
    CBrush brush(m_bUsePalette ? PALETTEINDEX(PaletteIndex(nCol, nRow)) : CellColor(nCol, nRow));
    pDC->FillRect(&cell, &brush);
}

void SECColorWell::DrawSelectedCell(CDC* pDC, CRect*, int nCol, int nRow)
{
    CRect cell = GetCellRect(nCol, nRow);
    cell.InflateRect(1, 1);
    const COLORREF frames[3] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0)};
    for (COLORREF frame : frames)
    {
        pDC->Draw3dRect(&cell, frame, frame);
        cell.DeflateRect(1, 1);
    }
    CBrush brush(m_bUsePalette ? PALETTEINDEX(PaletteIndex(nCol, nRow)) : CellColor(nCol, nRow));
    pDC->FillRect(&cell, &brush);
}

BOOL SECColorWell::OnEraseBkgnd(CDC*)
{
    return TRUE; // painted whole, double-buffered
}

void SECColorWell::OnPaint()
{
    CPaintDC paintDC(this);
    CRect client;
    GetClientRect(&client);
    CDC memDC;
    CBitmap bitmap;
    if (!memDC.CreateCompatibleDC(&paintDC) ||
        !bitmap.CreateCompatibleBitmap(&paintDC, client.Width(), client.Height()))
        return;
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    CPalette* pOldPalette = NULL;
    if (m_bUsePalette && m_pPalette != NULL)
    {
        pOldPalette = memDC.SelectPalette(m_pPalette, FALSE);
        memDC.RealizePalette();
    }
    const Colors& c = GetColors();
    CRect rect = client;
    memDC.FillSolidRect(&rect, c.face);
    if (HasFocusFrame())
    {
        COLORREF frame = m_bFocused ? c.frame : c.face;
        memDC.Draw3dRect(&rect, frame, frame);
        rect.DeflateRect(1, 1);
    }
    if (GetStyle() & 0x1)
    {
        memDC.Draw3dRect(&rect, c.light, c.darkShadow);
        rect.DeflateRect(1, 1);
        memDC.Draw3dRect(&rect, c.highlight, c.shadow);
    }
    CRect origin = GetOrigin();
    for (int nRow = 0; nRow < m_nRows; nRow++)
        for (int nCol = 0; nCol < m_nColumns; nCol++)
            if (nRow == m_nSelRow && nCol == m_nSelCol)
                DrawSelectedCell(&memDC, &origin, nCol, nRow);
            else
                DrawCell(&memDC, &origin, nCol, nRow);
    if (m_bOther)
    {
        int y = origin.top + (m_nCellHeight + 2) * m_nRows + 1;
        memDC.FillSolidRect(client.left + 1, y, client.Width() - 2, 1, c.shadow);
        memDC.FillSolidRect(client.left + 1, y + 1, client.Width() - 2, 1, RGB(255, 255, 255));
    }
    if (m_bCustomSet)
    {
        if (IsCustomCell(m_nSelCol, m_nSelRow))
            DrawSelectedCell(&memDC, &origin, m_nCustomCol, m_nCustomRow);
        else
            DrawCell(&memDC, &origin, m_nCustomCol, m_nCustomRow);
    }
    paintDC.BitBlt(0, 0, client.Width(), client.Height(), &memDC, 0, 0, SRCCOPY);
    if (pOldPalette != NULL)
        memDC.SelectPalette(pOldPalette, FALSE);
    memDC.SelectObject(pOldBitmap);
}

void SECColorWell::OnLButtonDown(UINT, CPoint point)
{
    SetFocus();
    int nCol, nRow;
    if (CellFromPoint(point, nCol, nRow))
        SelectCell(nCol, nRow, selectByClick);
}

void SECColorWell::OnMouseMove(UINT, CPoint point)
{
    int nCol, nRow;
    if (m_bTrackMouse && CellFromPoint(point, nCol, nRow) && (nCol != m_nSelCol || nRow != m_nSelRow))
        SelectCell(nCol, nRow, selectByTracking);
}

void SECColorWell::MoveByKey(UINT nChar)
{
    int nCol = m_nSelCol, nRow = m_nSelRow;
    const int nLastCol = m_nColumns - 1, nLastRow = m_nRows - 1;
    const BOOL bOnCustom = nRow == m_nCustomRow;
    switch (nChar)
    {
    case VK_LEFT:
        if (bOnCustom)
            nCol = nLastCol, nRow = nLastRow;
        else if (nCol > 0)
            nCol--;
        else if (nRow > 0)
            nCol = nLastCol, nRow--;
        else if (m_bCustomSet)
            nCol = m_nCustomCol, nRow = m_nCustomRow;
        else
            nCol = nLastCol, nRow = nLastRow;
        break;
    case VK_RIGHT:
        if (bOnCustom)
            nCol = 0, nRow = 0;
        else if (nCol < nLastCol)
            nCol++;
        else if (nRow < nLastRow)
            nCol = 0, nRow++;
        else if (m_bCustomSet)
            nCol = m_nCustomCol, nRow = m_nCustomRow;
        else
            nCol = 0, nRow = 0;
        break;
    case VK_UP:
        if (bOnCustom)
            nRow = nLastRow;
        else if (nRow > 0)
            nRow--;
        else if (m_bCustomSet && nCol == m_nCustomCol)
            nRow = m_nCustomRow;
        else
            nRow = nLastRow;
        break;
    case VK_DOWN:
        if (bOnCustom)
            nRow = 0;
        else if (nRow < nLastRow)
            nRow++;
        else if (m_bCustomSet && nCol == m_nCustomCol)
            nRow = m_nCustomRow;
        else
            nRow = 0;
        break;
    default:
        return;
    }
    SelectCell(nCol, nRow, selectByKey);
}

void SECColorWell::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_TAB)
    {
        if (::GetKeyState(VK_SHIFT) < 0)
        {
            CWnd* pParent = GetParent();
            if (pParent != NULL)
                ::SetFocus(::GetNextDlgTabItem(pParent->m_hWnd, m_hWnd, TRUE));
        }
        else if (m_pOtherButton != NULL)
            m_pOtherButton->SetFocus();
        return;
    }
    MoveByKey(nChar);
}

UINT SECColorWell::OnGetDlgCode()
{
    UINT nCode = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (m_bOther)
        nCode |= DLGC_WANTTAB;
    return nCode;
}

void SECColorWell::OnSetFocus(CWnd* pOldWnd)
{
    if (::GetKeyState(VK_SHIFT) < 0 && m_pOtherButton != NULL && pOldWnd != m_pOtherButton)
    {
        m_pOtherButton->SetFocus();
        return;
    }
    m_bFocused = TRUE;
    Invalidate(FALSE);
}

void SECColorWell::OnKillFocus(CWnd*)
{
    m_bFocused = FALSE;
    Invalidate(FALSE);
}

HBRUSH SECColorWell::OnCtlColor(CDC* pDC, CWnd*, UINT)
{
    pDC->SetBkColor(GetColors().face);
    return (HBRUSH)m_brushFace.GetSafeHandle();
}

void SECColorWell::OnSysColorChange()
{
    RefreshColors();
    m_brushFace.DeleteObject();
    m_brushFace.CreateSolidBrush(GetColors().face);
    Invalidate(FALSE);
}

void SECColorWell::RunColorDialog()
{
    CColorDialog dlg(GetColor(), m_dwColorDialogFlags, this);
    if (m_pCustomColors != NULL)
        dlg.m_cc.lpCustColors = m_pCustomColors;
    if (dlg.DoModal() != IDOK)
        return;
    SetColor(dlg.GetColor());
    NotifyParent();
}

void SECColorWell::OnOther()
{
    RunColorDialog();
}

void SECColorWell::OnOtherCommand()
{
    OnOther();
}

void AFXAPI DDX_ColorWell(CDataExchange* pDX, SECColorWell& well, COLORREF& color)
{
    if (pDX->m_bSaveAndValidate)
        color = well.GetColor();
    else
        well.SetColor(color);
}

} // namespace foundation
} // namespace tessaron
