// Radio-button cells in a shown grid, driven through the system's input queue: items, clicks on
// captions, Space, the clicked-button hook, and the activated side-by-side variant.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/RadioButtonEx.h"
#include "grid/core/GridParam.h"
#include "grid/core/Properties.h"
#include "GridIds.h"
#include "tests/grid/GridPixels.h"
#include <gtest/gtest.h>
#include <functional>

using namespace testing_support;

namespace
{
typedef CArray<CGXRadioButton::Item, const CGXRadioButton::Item&> ItemArray;

struct RadioGrid : GridWindow
{
    RadioGrid() : GridWindow(420, 300)
    {
        grid->SetRowCount(4, GX_NOREDRAW);
        grid->SetColCount(2, GX_NOREDRAW);
        grid->SetColWidth(1, 2, 180, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, 4, 60, NULL, GX_NOREDRAW);
        grid->SetStyleRange(CGXCellRange(1, 1, 2, 1),
                            CGXStyle().SetControl(GX_IDS_CTRL_RADIO).SetChoiceList(_T("A\n\nB\nC")));
        grid->SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetValue(_T("5")));
        grid->SetStyleRange(CGXCellRange(1, 2, 2, 2),
                            CGXStyle()
                                .SetControl(GX_IDS_CTRL_RADIO3DEX)
                                .SetChoiceList(_T("Eins\nZwei\nDrei"))
                                .SetValue(_T("0"))
                                .SetUserAttributeText(GX_IDS_UA_RADIOBUTTON_ALIGN, _T("1")));
        grid->RedrawAll();
        grid->UpdateWindow();
    }
    // The laid-out items of a cell, in client coordinates.
    void Items(ROWCOL nRow, ROWCOL nCol, ItemArray& items)
    {
        CGXRadioButton* pControl = (CGXRadioButton*)grid->GetControl(nRow, nCol);
        CGXStyle style;
        grid->ComposeStyleRowCol(nRow, nCol, &style);
        CClientDC dc(grid.get());
        CFont* pOld = pControl->SelectStyleFont(&dc, style, NULL);
        pControl->LayoutItems(&dc, pControl->GetCellRect(nRow, nCol), style, items);
        if (pOld != NULL)
            dc.SelectObject(pOld);
    }
};

TEST(GridRadioButton, EmptyLinesAreNoItemsAndCaptionsSelect)
{
    RadioGrid w;
    CClickCountingGrid& grid = *w.grid;
    ItemArray items;
    w.Items(1, 1, items);
    ASSERT_EQ(3, items.GetSize());
    EXPECT_STREQ("B", items[1].strText);
    EXPECT_EQ(items[0].rectButtonArea.bottom, items[1].rectButtonArea.top);

    ClickAt(&grid, items[1].rectText.CenterPoint());
    EXPECT_STREQ("1", CellValue(grid, 1, 1));
    EXPECT_EQ(1, grid.m_nClicks);

    // The selected item again: the hook hears it, nothing is stored.
    grid.m_nStores = 0;
    ClickAt(&grid, items[1].rectButtonArea.CenterPoint());
    EXPECT_EQ(2, grid.m_nClicks);
    EXPECT_EQ(0, grid.m_nStores);
    EXPECT_STREQ("1", CellValue(grid, 1, 1));

    // Below the last item: nothing.
    ClickAt(&grid, CPoint(items[2].rectButtonArea.CenterPoint().x, items[2].rectButtonArea.bottom + 3));
    EXPECT_EQ(2, grid.m_nClicks);
    EXPECT_STREQ("1", CellValue(grid, 1, 1));
}

TEST(GridRadioButton, SpaceSelectsTheNextItemAndWrapsPastTheLast)
{
    RadioGrid w;
    CClickCountingGrid& grid = *w.grid;
    ASSERT_TRUE(grid.SetCurrentCell(2, 1));
    PumpMessages(30);
    const char* apszAfter[] = {"0", "1", "2", "0"}; // 5 is beyond the three items
    for (const char* psz : apszAfter)
    {
        TypeKey(VK_SPACE);
        EXPECT_STREQ(psz, CellValue(grid, 2, 1));
    }
    grid.SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetReadOnly(TRUE));
    TypeKey(VK_SPACE);
    EXPECT_STREQ("0", CellValue(grid, 2, 1));
}

TEST(GridRadioButton, TheActivatedVariantLaysItemsSideBySideAndStoresOnLeave)
{
    RadioGrid w;
    CClickCountingGrid& grid = *w.grid;
    ItemArray items;
    w.Items(1, 2, items);
    ASSERT_EQ(3, items.GetSize());
    // Side by side, each caption left of its button.
    for (int i = 0; i < 3; i++)
    {
        EXPECT_EQ(items[0].rectButtonArea.top, items[i].rectButtonArea.top);
        EXPECT_LE(items[i].rectText.right, items[i].rectButtonArea.left + 1);
        if (i > 0)
        {
            EXPECT_GT(items[i].rectText.left, items[i - 1].rectButtonArea.right);
        }
    }
    ClickAt(&grid, items[1].rectText.CenterPoint());
    EXPECT_STREQ("0", CellValue(grid, 1, 2));
    EXPECT_EQ(1, grid.m_nClicks);
    TypeKey(VK_DOWN);
    EXPECT_STREQ("1", CellValue(grid, 1, 2));

    ASSERT_TRUE(grid.SetCurrentCell(2, 2));
    PumpMessages(30);
    TypeKey(VK_SPACE);
    TypeKey(VK_DELETE);
    EXPECT_STREQ("0", CellValue(grid, 2, 2));
    TypeKey(VK_UP);
    EXPECT_STREQ("", CellValue(grid, 2, 2));
}

// A grid that refuses editing while asked to.
class CRefusingGrid : public CClickCountingGrid
{
  public:
    BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol) override
    {
        return !m_bRefuse && CClickCountingGrid::OnStartEditing(nRow, nCol);
    }
    BOOL m_bRefuse = FALSE;
};

TEST(GridRadioButton, AClickIsReportedEvenWhenEditingIsRefused)
{
    for (UINT nID : {GX_IDS_CTRL_RADIO, GX_IDS_CTRL_RADIO3DEX})
    {
        GridWindowOf<CRefusingGrid> w(420, 200);
        w.grid->OnGridInitialUpdate();
        w.grid->SetRowCount(2, GX_NOREDRAW);
        w.grid->SetColCount(2, GX_NOREDRAW);
        w.grid->SetColWidth(1, 2, 180, NULL, GX_NOREDRAW);
        w.grid->SetRowHeight(1, 2, 60, NULL, GX_NOREDRAW);
        w.grid->SetStyleRange(CGXCellRange(1, 1),
                              CGXStyle().SetControl((WORD)nID).SetChoiceList(_T("A\nB")).SetValue(_T("0")));
        w.grid->RedrawAll();
        w.grid->UpdateWindow();
        w.grid->m_bRefuse = TRUE;
        CGXRadioButton* pControl = (CGXRadioButton*)w.grid->GetRegisteredControl((WORD)nID);
        CGXStyle style;
        w.grid->ComposeStyleRowCol(1, 1, &style);
        ItemArray items;
        {
            CClientDC dc(w.grid.get());
            CFont* pOld = pControl->SelectStyleFont(&dc, style, NULL);
            pControl->LayoutItems(&dc, pControl->GetCellRect(1, 1), style, items);
            dc.SelectObject(pOld);
        }
        ASSERT_EQ(2, items.GetSize());
        ClickAt(w.grid.get(), items[1].rectText.CenterPoint());
        EXPECT_EQ(1, w.grid->m_nClicks) << nID;
        EXPECT_STREQ("0", CellValue(*w.grid, 1, 1)) << nID;
    }
}

TEST(GridRadioButton, ItemsAreDrawnAsFlatDotsOrTheBitmapsButtonsAndPrintBlackOnWhite)
{
    RadioGrid w;
    CBitmap buttons;
    ASSERT_TRUE(buttons.LoadBitmap(20019));
    CGXProperties* pProps = w.grid->GetParam()->GetProperties();
    struct
    {
        UINT nID;
        BOOL bPrinting, bBlackWhite;
        COLORREF crCaption;
    } cases[] = {{GX_IDS_CTRL_RADIO, FALSE, FALSE, RGB(255, 0, 0)},
                 {GX_IDS_CTRL_RADIO3D, FALSE, FALSE, RGB(255, 0, 0)},
                 {GX_IDS_CTRL_RADIO, TRUE, FALSE, RGB(255, 0, 0)},
                 {GX_IDS_CTRL_RADIO, TRUE, TRUE, RGB(0, 0, 0)}};
    CRect rect(0, 0, 180, 60);
    for (const auto& c : cases)
    {
        CGXStyle style;
        style.SetControl((WORD)c.nID).SetChoiceList(_T("Ja\nNein\nVielleicht")).SetValue(_T("1"));
        style.SetTextColor(RGB(255, 0, 0)).SetInterior(RGB(0, 0, 255));
        w.grid->SetStyleRange(CGXCellRange(3, 1), style, gxCopy);
        w.grid->ComposeStyleRowCol(3, 1, &style);
        CGXRadioButton* pControl = (CGXRadioButton*)w.grid->GetRegisteredControl((WORD)c.nID);
        pProps->m_abFlags[CGXProperties::flagPrinting] = c.bPrinting;
        pProps->m_abPrintFlags[CGXProperties::printBlackWhite] = c.bBlackWhite;
        w.grid->m_bPrinting = c.bPrinting;
        Pixels drawn =
            DrawnOnWhite(w.grid.get(), rect, [&](CDC* pDC) { pControl->Draw(pDC, rect, 3, 1, style, NULL); });
        CRect inner = pControl->GetCellRect(3, 1, &rect, &style);
        Pixels expected = DrawnOnWhite(w.grid.get(), rect, [&](CDC* pDC) {
            CFont* pOld = pControl->SelectStyleFont(pDC, style, NULL);
            TEXTMETRIC tm;
            pDC->GetTextMetrics(&tm);
            int L = std::max<int>(12, tm.tmHeight + tm.tmExternalLeading);
            pDC->SetBkMode(TRANSPARENT);
            pDC->SetTextColor(c.crCaption);
            const char* captions[] = {"Ja", "Nein", "Vielleicht"};
            for (int i = 0; i < 3; i++)
            {
                int top = inner.top + i * L, x = inner.left + 3, y = top + (L - 12) / 2;
                if (c.nID == GX_IDS_CTRL_RADIO3D)
                {
                    CDC dcMem;
                    dcMem.CreateCompatibleDC(pDC);
                    CBitmap* pOldBitmap = dcMem.SelectObject(&buttons);
                    pDC->BitBlt(x, y, 14, 13, &dcMem, i == 1 ? 14 : 0, 13, SRCCOPY);
                    dcMem.SelectObject(pOldBitmap);
                }
                else
                {
                    HGDIOBJ hOldPen = ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(BLACK_PEN));
                    HGDIOBJ hOldBrush = ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(WHITE_BRUSH));
                    ::Ellipse(pDC->GetSafeHdc(), x, y, x + 12, y + 12);
                    if (i == 1)
                    {
                        ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(BLACK_BRUSH));
                        ::Ellipse(pDC->GetSafeHdc(), x + 2, y + 2, x + 10, y + 10);
                    }
                    ::SelectObject(pDC->GetSafeHdc(), hOldPen);
                    ::SelectObject(pDC->GetSafeHdc(), hOldBrush);
                }
                CRect rectText(inner.left + 18, top, inner.right, top + L);
                pDC->DrawText(captions[i], -1, rectText, DT_SINGLELINE | DT_NOPREFIX);
            }
            pDC->SelectObject(pOld);
        });
        EXPECT_GT(DifferingPixels(expected, DrawnOnWhite(w.grid.get(), rect, [](CDC*) {})), 100) << c.nID;
        EXPECT_EQ(0, DifferingPixels(expected, drawn))
            << c.nID << " printing " << c.bPrinting << c.bBlackWhite;

        // The fitting size: the widest caption and the button, every line.
        CClientDC dc(w.grid.get());
        CFont* pOld = pControl->SelectStyleFont(&dc, style, NULL);
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        CSize inside(dc.GetTextExtent("Vielleicht").cx + 22,
                     3 * std::max<int>(12, tm.tmHeight + tm.tmExternalLeading) + 4);
        dc.SelectObject(pOld);
        EXPECT_EQ(w.grid->CalcBorderExtent(inside.cx, inside.cy, style),
                  pControl->CalcSize(&dc, 3, 1, style, NULL, FALSE));
    }
    pProps->m_abFlags[CGXProperties::flagPrinting] = FALSE;
    pProps->m_abPrintFlags[CGXProperties::printBlackWhite] = FALSE;
    w.grid->m_bPrinting = FALSE;
}
} // namespace
