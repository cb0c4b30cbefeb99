// Check-box cells in a shown grid, driven through the system's input queue: which frame of the
// loaded strip a value shows, what a toggle stores, and how presses, moves, Space, read-only
// cells and the activated variant behave.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/CheckBoxEx.h"
#include "grid/core/DrawingAndFormatting.h"
#include "GridIds.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
enum
{
    frameUnchecked,
    frameChecked,
    frameUncheckedGrey,
    frameCheckedGrey,
    frameIndeterminate
};

struct CheckBoxGrid : GridWindow
{
    explicit CheckBoxGrid(ROWCOL nRows) : GridWindow(360, 400)
    {
        grid->SetRowCount(nRows, GX_NOREDRAW);
        grid->SetColCount(3, GX_NOREDRAW);
        grid->SetColWidth(1, 3, 80, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, nRows, 22, NULL, GX_NOREDRAW);
    }
    CGXCheckBox* Control(ROWCOL nRow, ROWCOL nCol)
    {
        CGXControl* p = grid->GetControl(nRow, nCol);
        return p != NULL && p->IsKindOf(GX_CONTROL_CLASS(CGXCheckBox)) ? (CGXCheckBox*)p : NULL;
    }
    // The box of a cell without a label, in client coordinates.
    CRect BoxRect(ROWCOL nRow, ROWCOL nCol)
    {
        CClientDC dc(grid.get());
        return Control(nRow, nCol)
            ->ComputeBoxRect(&dc, Control(nRow, nCol)->GetCellRect(nRow, nCol), _T(""), 0);
    }
    // Which frame of the control's screen strip the cell's box shows; -1 for none.
    int FrameShown(ROWCOL nRow, ROWCOL nCol)
    {
        grid->UpdateWindow();
        CGXCheckBox* pControl = Control(nRow, nCol);
        if (pControl == NULL || (pControl->m_hScreenDib == NULL && !pControl->LoadBitmaps()))
            return -1;
        CRect box = BoxRect(nRow, nCol);
        CClientDC dc(grid.get());
        CDC dcMem;
        dcMem.CreateCompatibleDC(&dc);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dc, 13, 13);
        CBitmap* pOld = dcMem.SelectObject(&bitmap);
        BITMAPINFOHEADER* pHeader = (BITMAPINFOHEADER*)::GlobalLock(pControl->m_hScreenDib);
        const BYTE* pBits =
            (const BYTE*)pHeader + pHeader->biSize + GXGetDibColorCount(pHeader) * sizeof(RGBQUAD);
        int nFound = -1;
        for (int k = 0; k < 5 && nFound < 0; k++)
        {
            ::StretchDIBits(dcMem.GetSafeHdc(), 0, 0, 13, 13, k * 13, 0, 13, 13, pBits, (BITMAPINFO*)pHeader,
                            DIB_RGB_COLORS, SRCCOPY);
            bool bSame = true;
            for (int y = 0; y < 13 && bSame; y++)
                for (int x = 0; x < 13 && bSame; x++)
                    bSame = dcMem.GetPixel(x, y) == dc.GetPixel(box.left + x, box.top + y);
            if (bSame)
                nFound = k;
        }
        ::GlobalUnlock(pControl->m_hScreenDib);
        dcMem.SelectObject(pOld);
        return nFound;
    }
    CPoint BoxCentre(ROWCOL nRow, ROWCOL nCol)
    {
        return BoxRect(nRow, nCol).CenterPoint();
    }
};

struct ValueCase
{
    const char* pszValue;
    bool bTriState;
    bool bOwnTexts; // "Ja" and "Nein" as the checked and unchecked texts
    int nFrame;
    const char* pszToggled;
};

const ValueCase s_valueCases[] = {
    {"1", false, false, frameChecked, "0"},      {"0", false, false, frameUnchecked, "1"},
    {"", false, false, frameUnchecked, "1"},     {"x", false, false, frameUnchecked, "1"},
    {"0", true, false, frameUnchecked, ""},      {"", true, false, frameIndeterminate, "1"},
    {"1", true, false, frameChecked, "0"},       {"1", false, true, frameUnchecked, "Ja"},
    {"1", true, true, frameIndeterminate, "Ja"}, {"Ja", true, true, frameChecked, "Nein"},
    {"Nein", true, true, frameUnchecked, ""},    {"Ja", false, true, frameChecked, "Nein"},
};

CGXStyle CheckBoxStyle(UINT nControl, const ValueCase& c)
{
    CGXStyle style;
    style.SetControl(nControl).SetValue(c.pszValue).SetTriState(c.bTriState);
    if (c.bOwnTexts)
        style.SetUserAttributeText(GX_IDS_UA_CHECKBOX_CHECKED, _T("Ja"))
            .SetUserAttributeText(GX_IDS_UA_CHECKBOX_UNCHECKED, _T("Nein"));
    return style;
}

TEST(GridCheckBox, ValuesShowTheirFrameAndSpaceTogglesThem)
{
    for (UINT nControl : {GX_IDS_CTRL_CHECKBOX3D, GX_IDS_CTRL_CHECKBOX})
    {
        SCOPED_TRACE(nControl);
        ROWCOL nCases = (ROWCOL)(sizeof(s_valueCases) / sizeof(s_valueCases[0]));
        CheckBoxGrid w(nCases);
        for (ROWCOL i = 0; i < nCases; i++)
            w.grid->SetStyleRange(CGXCellRange(i + 1, 1), CheckBoxStyle(nControl, s_valueCases[i]));
        w.grid->RedrawAll();
        for (ROWCOL i = 0; i < nCases; i++)
        {
            const ValueCase& c = s_valueCases[i];
            SCOPED_TRACE(testing::Message()
                         << c.pszValue << (c.bTriState ? " tri" : " two") << (c.bOwnTexts ? " Ja/Nein" : ""));
            EXPECT_EQ(c.nFrame, w.FrameShown(i + 1, 1));
            ASSERT_TRUE(w.grid->SetCurrentCell(i + 1, 1));
            PumpMessages(30);
            TypeKey(VK_SPACE);
            EXPECT_STREQ(c.pszToggled, CellValue(*w.grid, i + 1, 1));
        }
    }
}

TEST(GridCheckBox, TheFlatAndThe3dLookUseTheirOwnStrips)
{
    CheckBoxGrid w(2);
    CGXCheckBox* pFlat = (CGXCheckBox*)w.grid->GetRegisteredControl(GX_IDS_CTRL_CHECKBOX);
    CGXCheckBox* p3d = (CGXCheckBox*)w.grid->GetRegisteredControl(GX_IDS_CTRL_CHECKBOX3D);
    ASSERT_TRUE(pFlat != NULL && p3d != NULL);
    EXPECT_EQ((UINT)GX_IDB_CHECKBOX_FLAT, pFlat->m_nBitmapId);
    EXPECT_EQ((UINT)GX_IDB_CHECKBOX_95, p3d->m_nBitmapId); // Windows 4 or later
    EXPECT_EQ((UINT)GX_IDB_CHECKBOX_FLAT, p3d->m_nPrintBitmapId);
    // Placeholders follow the system colours on screen and black on white on paper.
    struct
    {
        COLORREF cr;
        BOOL bPrint;
        COLORREF crExpected;
    } mapped[] = {
        {RGB(0, 0, 0), FALSE, ::GetSysColor(COLOR_WINDOWTEXT)},
        {RGB(0, 0, 0), TRUE, RGB(0, 0, 0)},
        {RGB(255, 0, 0), FALSE, ::GetSysColor(COLOR_WINDOW)},
        {RGB(255, 0, 0), TRUE, RGB(255, 255, 255)},
        {RGB(0, 255, 0), TRUE, ::GetSysColor(COLOR_WINDOWFRAME)},
        {RGB(192, 192, 192), FALSE, ::GetSysColor(COLOR_BTNFACE)},
        {RGB(128, 128, 128), FALSE, RGB(128, 128, 128)},
    };
    for (const auto& m : mapped)
        EXPECT_EQ(m.crExpected, p3d->MapBitmapColor(m.cr, m.bPrint)) << std::hex << m.cr << " " << m.bPrint;
}

struct MouseGrid : CheckBoxGrid
{
    MouseGrid() : CheckBoxGrid(4)
    {
        grid->SetStyleRange(CGXCellRange(1, 1, 3, 1),
                            CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX3D).SetValue("0"));
        grid->SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetReadOnly(TRUE));
        grid->SetStyleRange(CGXCellRange(1, 2, 2, 2),
                            CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX3DEX).SetValue("0"));
        grid->RedrawAll();
        grid->UpdateWindow();
    }
};

TEST(GridCheckBox, AClickOnTheBoxStoresAtOnceAndAPressMovedOffTogglesNothing)
{
    MouseGrid w;
    CClickCountingGrid& grid = *w.grid;
    ClickAt(&grid, w.BoxCentre(1, 1));
    EXPECT_STREQ("1", CellValue(grid, 1, 1));
    EXPECT_EQ(1, grid.m_nClicks);

    // Grey only while the pointer is on the pressed box.
    CPoint ptBox = w.BoxCentre(1, 1), ptOff(w.BoxRect(1, 1).right + 20, ptBox.y);
    grid.ClientToScreen(&ptBox);
    grid.ClientToScreen(&ptOff);
    PumpMessages(::GetDoubleClickTime() + 50); // no double click
    MoveMouseTo(ptBox);
    SendLeftButton(true);
    PumpMessages(60);
    EXPECT_EQ(frameCheckedGrey, w.FrameShown(1, 1));
    MoveMouseTo(ptOff);
    PumpMessages(60);
    EXPECT_EQ(frameChecked, w.FrameShown(1, 1));
    SendLeftButton(false);
    PumpMessages(60);
    EXPECT_STREQ("1", CellValue(grid, 1, 1));
    EXPECT_EQ(frameChecked, w.FrameShown(1, 1));

    // Pressed, dragged out of the cell and released there.
    CPoint ptOut = w.CellCentre(4, 3);
    PumpMessages(::GetDoubleClickTime() + 50);
    MoveMouseTo(ptBox);
    SendLeftButton(true);
    PumpMessages(60);
    MoveMouseTo(ptOut);
    PumpMessages(60);
    SendLeftButton(false);
    PumpMessages(60);
    EXPECT_STREQ("1", CellValue(grid, 1, 1));
    EXPECT_EQ(frameChecked, w.FrameShown(1, 1));

    // A double click on the box toggles twice.
    PumpMessages(::GetDoubleClickTime() + 50);
    grid.m_nClicks = 0;
    ClickAt(&grid, w.BoxCentre(1, 1));
    ClickAt(&grid, w.BoxCentre(1, 1));
    EXPECT_STREQ("1", CellValue(grid, 1, 1));
    EXPECT_EQ(2, grid.m_nClicks);

    // A click on the cell beside the box is no toggle.
    grid.SetCurrentCell(3, 1);
    ClickAt(&grid, CPoint(w.BoxRect(3, 1).right + 20, w.BoxCentre(3, 1).y));
    EXPECT_STREQ("0", CellValue(grid, 3, 1));
}

TEST(GridCheckBox, AReadOnlyCellIgnoresClicksAndSpace)
{
    MouseGrid w;
    CClickCountingGrid& grid = *w.grid;
    ClickAt(&grid, w.BoxCentre(2, 1));
    TypeKey(VK_SPACE);
    EXPECT_STREQ("0", CellValue(grid, 2, 1));
    EXPECT_EQ(frameUnchecked, w.FrameShown(2, 1));
}

TEST(GridCheckBox, TheActivatedBoxStoresWhenTheCurrentCellMoves)
{
    MouseGrid w;
    CClickCountingGrid& grid = *w.grid;
    ClickAt(&grid, w.BoxCentre(1, 2));
    EXPECT_STREQ("0", CellValue(grid, 1, 2));
    EXPECT_EQ(frameChecked, w.FrameShown(1, 2)); // the held value
    EXPECT_EQ(1, grid.m_nClicks);
    TypeKey(VK_SPACE);
    EXPECT_EQ(frameUnchecked, w.FrameShown(1, 2));
    TypeKey(VK_SPACE);
    EXPECT_STREQ("0", CellValue(grid, 1, 2));
    TypeKey(VK_DOWN);
    EXPECT_STREQ("1", CellValue(grid, 1, 2));

    // Delete empties the held value; leaving stores it.
    ASSERT_TRUE(grid.SetCurrentCell(2, 2));
    PumpMessages(30);
    TypeKey(VK_SPACE);
    TypeKey(VK_DELETE);
    EXPECT_STREQ("0", CellValue(grid, 2, 2));
    TypeKey(VK_UP);
    EXPECT_STREQ("", CellValue(grid, 2, 2));

    // Toggled back to the stored value: nothing to store, and the current cell still moves.
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_TRUE(grid.GetCurrentCell(nRow, nCol) && nRow == 1 && nCol == 2);
    TypeKey(VK_SPACE);
    TypeKey(VK_SPACE);
    TypeKey(VK_DOWN);
    EXPECT_TRUE(grid.GetCurrentCell(nRow, nCol) && nRow == 2);
    EXPECT_STREQ("1", CellValue(grid, 1, 2));
}
} // namespace
