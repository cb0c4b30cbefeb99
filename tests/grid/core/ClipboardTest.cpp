// The grid's clipboard on Wine's real clipboard: the copied text as bytes, text pasted into
// cells, the styles format between two grids and its refusal of bad data, the direct cut and
// the direct-copy marker, and a control's copy beside formats already there.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/AppData.h"
#include "grid/core/EditControl.h"
#include "grid/core/GridCutPasteImp.h"
#include "grid/core/GridParam.h"
#include "grid/core/RangeList.h"
#include "grid/core/Style.h"
#include "MemFile.h"
#include <gtest/gtest.h>
#include <string>

using namespace testing_support;

namespace
{
struct ClipGrid : GridWindow
{
    CGXGridCore& g;
    explicit ClipGrid(ROWCOL nRows = 6, ROWCOL nCols = 5) : GridWindow(400, 250), g(*grid)
    {
        g.OnGridInitialUpdate();
        g.SetRowCount(nRows, GX_NOREDRAW);
        g.SetColCount(nCols, GX_NOREDRAW);
        grid->UpdateWindow();
    }
    void Select(const CGXCellRange& range)
    {
        g.GetParam()->m_SelectedRanges.DeleteAll();
        g.GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(range));
    }
    void Unselect()
    {
        g.GetParam()->m_SelectedRanges.DeleteAll();
    }
    void Set(ROWCOL nRow, ROWCOL nCol, const char* psz)
    {
        g.SetValueRange(CGXCellRange(nRow, nCol), psz);
    }
    CString Value(ROWCOL nRow, ROWCOL nCol)
    {
        return g.GetStoredValueText(nRow, nCol);
    }
};

// The text up to its first NUL; FALSE when the block has none.
bool TextOf(const std::string& block, std::string& text)
{
    size_t n = block.find('\0');
    if (n == std::string::npos)
        return false;
    text = block.substr(0, n);
    return true;
}
} // namespace

TEST(GridClipboard, CopiedTextBytes)
{
    struct Case
    {
        const char* name;
        CGXCellRange range;
        DWORD dwFlags;
        const char* expected;
    } cases[] = {
        {"one cell", CGXCellRange(1, 1), 0x0018, "a"},
        {"two cells of a row", CGXCellRange(1, 1, 1, 2), 0x0018, "a\tb\r\n"},
        {"a 2 x 2 block", CGXCellRange(1, 1, 2, 2), 0x0018, "a\tb\r\nc\td\r\n"},
        {"a line break and a tab", CGXCellRange(3, 1), 0x0018, "x y\\tz"},
        {"escaped", CGXCellRange(3, 1), 0x1018, "x\\r\\ny\\tz"},
    };
    ClipGrid w;
    w.Set(1, 1, "a");
    w.Set(1, 2, "b");
    w.Set(2, 1, "c");
    w.Set(2, 2, "d");
    w.Set(3, 1, "x\r\ny\tz");
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        w.g.m_nClipboardFlags = c.dwFlags;
        w.Select(c.range);
        ASSERT_TRUE(w.g.Copy());
        std::string text;
        ASSERT_TRUE(TextOf(ClipboardBytes(CF_TEXT), text));
        EXPECT_EQ(c.expected, text);
    }
}

TEST(GridClipboard, TextFillingItsBlockStillEndsInNul)
{
    ClipGrid w;
    std::string big(4096, 'x');
    w.Set(1, 1, big.c_str());
    w.Select(CGXCellRange(1, 1));
    ASSERT_TRUE(w.g.Copy());
    std::string block = ClipboardBytes(CF_TEXT);
    ASSERT_GE(block.size(), 4097u);
    EXPECT_EQ('\0', block[4096]);
    EXPECT_EQ(big, block.substr(0, 4096));
}

TEST(GridClipboard, PastedTextFillsCellsAndAddsRows)
{
    struct Case
    {
        const char* name;
        const char* text;
        DWORD dwFlags;
        ROWCOL rowsAfter;
    } cases[] = {
        {"adds a row", "1\t2\r\n3\t4", 0x0018, 4},
        {"trailing line end adds nothing more", "1\t2\r\n3\t4\r\n", 0x0018, 4},
        {"no new rows", "1\t2\r\n3\t4", 0x0218, 3},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ClipGrid w(3, 5);
        w.g.m_nClipboardFlags = c.dwFlags;
        w.g.ChangeCurrentCell(3, 3, 0x0A);
        PutClipboardText(c.text);
        EXPECT_TRUE(w.g.Paste());
        EXPECT_EQ(c.rowsAfter, w.g.GetRowCount());
        EXPECT_STREQ("1", w.Value(3, 3));
        EXPECT_STREQ("2", w.Value(3, 4));
        EXPECT_STREQ(c.rowsAfter >= 4 ? "3" : "", w.Value(4, 3));
        EXPECT_STREQ(c.rowsAfter >= 4 ? "4" : "", w.Value(4, 4));
    }
}

// The rows a pasted text reaches are added in one step; a paste that a cell refuses part way keeps
// only the rows up to that cell, and Undo takes a whole paste back at once.
TEST(GridClipboard, PastedLinesAddTheirRowsOnceAndGiveBackWhatAFailureLeaves)
{
    ClipGrid w(3, 5);
    w.g.m_nClipboardFlags = 0x0018;
    w.g.GetParam()->SetUndoEnabled(TRUE);
    PutClipboardText("1\t2\r\n3\t4\r\n5\t6\r\n7\t8");
    w.g.ChangeCurrentCell(3, 3, 0x0A);
    ASSERT_TRUE(w.g.Paste());
    EXPECT_EQ(6u, w.g.GetRowCount());
    EXPECT_STREQ("7", w.Value(6, 3));
    EXPECT_STREQ("8", w.Value(6, 4));
    ASSERT_TRUE(w.g.Undo());
    EXPECT_EQ(3u, w.g.GetRowCount());
    EXPECT_STREQ("", w.Value(3, 3));
    ASSERT_TRUE(w.g.Redo());
    EXPECT_EQ(6u, w.g.GetRowCount());
    EXPECT_STREQ("5", w.Value(5, 3));

    // Cell (4, 4) refuses stores: the paste ends there, with the rows up to row 4.
    ClipGrid r(3, 5);
    r.g.m_nClipboardFlags = 0x0018;
    r.g.ChangeCurrentCell(3, 3, 0x0A);
    PutClipboardText("1\t2\r\n3\t4");
    ASSERT_TRUE(r.g.Paste());
    r.g.SetStyleRange(CGXCellRange(4, 4), CGXStyle().SetReadOnly(TRUE));
    r.g.ChangeCurrentCell(2, 3, 0x0A);
    PutClipboardText("a\tb\r\nc\td\r\ne\tf\r\ng\th\r\ni\tj");
    EXPECT_FALSE(r.g.Paste());
    EXPECT_EQ(4u, r.g.GetRowCount());
    EXPECT_STREQ("c", r.Value(3, 3));
    EXPECT_STREQ("e", r.Value(4, 3));
    EXPECT_STREQ("4", r.Value(4, 4));
}

TEST(GridClipboard, StylesFormatCarriesCellsToAnotherGrid)
{
    ClipGrid a, b;
    CGXStyle style;
    style.SetValue("Wert")
        .SetInterior(RGB(255, 0, 0))
        .SetBorder(CGXStyle::sideTop, CGXCellPen(PS_SOLID, 2, RGB(0, 0, 255)))
        .MergeFont(CGXFont().SetBold(TRUE).SetSize(14).SetFaceName("Tahoma"));
    a.g.SetStyleRange(CGXCellRange(1, 1), style);
    a.Set(1, 2, "zwei");
    a.Select(CGXCellRange(1, 1, 1, 2));
    ASSERT_TRUE(a.g.Copy());
    ASSERT_TRUE(::IsClipboardFormatAvailable(GXGetAppData()->m_uiStylesClipboardFormat));

    b.g.ChangeCurrentCell(2, 2, 0x0A);
    ASSERT_TRUE(b.g.Paste());
    CGXStyle got;
    ASSERT_TRUE(b.g.GetStyleRowCol(2, 2, got));
    EXPECT_STREQ("Wert", got.GetValue());
    EXPECT_EQ(RGB(255, 0, 0), got.GetInterior().GetBackColor());
    ASSERT_TRUE(got.HasBorder(CGXStyle::sideTop));
    EXPECT_EQ(2u, got.GetBorder(CGXStyle::sideTop).GetWidth());
    EXPECT_EQ(RGB(0, 0, 255), got.GetBorder(CGXStyle::sideTop).GetColor());
    ASSERT_NE(nullptr, got.GetFontPtr());
    EXPECT_EQ((LONG)FW_BOLD, got.GetFontPtr()->GetWeight());
    EXPECT_EQ(14.0, got.GetFontPtr()->GetSize());
    EXPECT_STREQ("Tahoma", got.GetFontPtr()->GetFaceName());
    EXPECT_STREQ("zwei", b.Value(2, 3));
}

TEST(GridClipboard, BadStylesDataChangesNothing)
{
    struct Case
    {
        const char* name;
        DWORD nRows, nCols;
        int kind; // 0 an array of nElems styles, 1 a range list instead, 2 a range list as element,
                  // 3 nothing after the size, 4 one style twice
        int nElems;
    } cases[] = {
        {"no rows", 0, 1, 0, 0},
        {"too many rows", 40000, 1, 0, 1},
        {"too many columns", 1, 40000, 0, 1},
        {"too many cells", 32767, 32767, 0, 1},
        {"array smaller than the block", 2, 2, 0, 3},
        {"array larger than the block", 1, 1, 0, 2},
        {"not an object array", 1, 1, 1, 0},
        {"an element of another class", 1, 1, 2, 0},
        {"truncated", 1, 1, 3, 0},
        {"one style referred to twice", 1, 2, 4, 0},
    };
    ClipGrid w(3, 3);
    w.g.m_nClipboardFlags = 0x0018;
    w.Set(1, 1, "bleibt");
    UINT nFormat = GXGetAppData()->m_uiStylesClipboardFormat;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            ar << c.nRows << c.nCols;
            CGXStyle style;
            style.SetValue("fremd");
            CGXRangeList list;
            CObArray arr;
            switch (c.kind)
            {
            case 0:
                for (int i = 0; i < c.nElems; i++)
                    arr.Add(&style);
                // Distinct objects, so the writer does not refer back.
                for (int i = 1; i < c.nElems; i++)
                    arr[i] = new CGXStyle(style);
                ar << &arr;
                for (int i = 1; i < c.nElems; i++)
                    delete arr[i];
                break;
            case 1:
                ar << &list;
                break;
            case 2:
                arr.Add(&list);
                ar << &arr;
                break;
            case 4:
                arr.Add(&style);
                arr.Add(&style);
                ar << &arr;
                break;
            default:
                break;
            }
            ar.Close();
        }
        std::string bytes((size_t)file.GetLength(), '\0');
        file.SeekToBegin();
        file.Read(&bytes[0], (UINT)bytes.size());
        PutClipboard(nFormat, bytes.data(), bytes.size());
        w.Unselect();
        w.g.ChangeCurrentCell(1, 1, 0x0A);
        EXPECT_FALSE(w.g.Paste());
        EXPECT_STREQ("bleibt", w.Value(1, 1));
        EXPECT_STREQ("", w.Value(1, 2));
        EXPECT_EQ(3u, w.g.GetRowCount());
        EXPECT_EQ(3u, w.g.GetColCount());
    }
}

TEST(GridClipboard, DirectCutMovesOnlyAtThePaste)
{
    ClipGrid w;
    w.g.GetParam()->m_bDirectCut = TRUE;
    w.Set(1, 1, "a");
    w.Set(1, 2, "b");
    w.Select(CGXCellRange(1, 1, 1, 2));
    ASSERT_TRUE(w.g.Cut());
    EXPECT_TRUE(w.g.GetParam()->m_bCutPending);
    EXPECT_STREQ("a", w.Value(1, 1));
    // Esc cancels the pending move.
    w.g.OnGridKeyDown(VK_ESCAPE, 1, 0);
    EXPECT_FALSE(w.g.GetParam()->m_bCutPending);

    w.Select(CGXCellRange(1, 1, 1, 2));
    ASSERT_TRUE(w.g.Cut());
    w.Unselect();
    w.g.ChangeCurrentCell(4, 2, 0x0A);
    ASSERT_TRUE(w.g.Paste());
    EXPECT_STREQ("", w.Value(1, 1));
    EXPECT_STREQ("", w.Value(1, 2));
    EXPECT_STREQ("a", w.Value(4, 2));
    EXPECT_STREQ("b", w.Value(4, 3));
    EXPECT_FALSE(w.g.GetParam()->m_bCutPending);
}

TEST(GridClipboard, DirectCopyOfAnotherGridFallsBackToTheClipboard)
{
    ClipGrid a, b;
    a.g.GetParam()->m_bDirectCopy = TRUE;
    b.g.GetParam()->m_bDirectCopy = TRUE;
    b.Set(1, 1, "eigen");
    b.Select(CGXCellRange(1, 1));
    ASSERT_TRUE(b.g.Copy()); // b now has copied ranges of its own
    a.Set(1, 1, "fremd");
    a.Select(CGXCellRange(1, 1));
    ASSERT_TRUE(a.g.Copy());
    std::string marker = ClipboardBytes(CGXGridCutPasteImp::GetDirectCopyFormat());
    ASSERT_EQ(sizeof(void*), marker.size());
    CGXGridParam* pParam = a.g.GetParam();
    EXPECT_EQ(0, memcmp(marker.data(), &pParam, sizeof(void*)));

    b.Unselect();
    b.g.ChangeCurrentCell(3, 3, 0x0A);
    ASSERT_TRUE(b.g.Paste());
    EXPECT_STREQ("fremd", b.Value(3, 3));
}

TEST(GridClipboard, ControlCopyKeepsOtherFormats)
{
    ClipGrid w;
    UINT nOwn = ::RegisterClipboardFormatA("HelvonTestFormat");
    w.Set(2, 2, "abc");
    w.g.ChangeCurrentCell(2, 2, 0x0A);
    CGXControl* pControl = w.g.GetControl(2, 2);
    ASSERT_TRUE(pControl->IsKindOf(GX_CONTROL_CLASS(CGXEditControl)));
    pControl->SetActive(TRUE);
    ::SendMessage(pControl->GetWndPtr()->GetSafeHwnd(), EM_SETSEL, 1, 3);
    PutClipboard(nOwn, "own", 4);
    ASSERT_TRUE(pControl->Copy());
    EXPECT_TRUE(::IsClipboardFormatAvailable(nOwn));
    std::string text;
    ASSERT_TRUE(TextOf(ClipboardBytes(CF_TEXT), text));
    EXPECT_EQ("bc", text);
}

namespace
{
void PressWith(WORD vkMod, WORD vk)
{
    INPUT in[4] = {};
    WORD keys[4] = {vkMod, vk, vk, vkMod};
    for (int i = 0; i < 4; i++)
    {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = keys[i];
        in[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    ::SendInput(4, in, sizeof(INPUT));
    PumpMessages(150);
}
} // namespace

TEST(GridClipboard, KeysReachTheClipboardOperations)
{
    ClipGrid w;
    w.Set(1, 1, "k1");
    w.Set(1, 2, "k2");
    w.g.ChangeCurrentCell(1, 1, 0x0A);
    w.grid->SetFocus();
    PumpMessages(50);
    w.Select(CGXCellRange(1, 1, 1, 2));
    PutClipboardText("vorher");
    PressWith(VK_CONTROL, 'C');
    std::string text;
    ASSERT_TRUE(TextOf(ClipboardBytes(CF_TEXT), text));
    EXPECT_EQ("k1\tk2\r\n", text);

    w.Unselect();
    w.g.ChangeCurrentCell(3, 1, 0x0A);
    w.grid->SetFocus();
    PressWith(VK_SHIFT, VK_INSERT);
    EXPECT_STREQ("k1", w.Value(3, 1));
    EXPECT_STREQ("k2", w.Value(3, 2));

    w.Select(CGXCellRange(3, 1, 3, 2));
    PressWith(VK_CONTROL, VK_DELETE);
    EXPECT_STREQ("", w.Value(3, 1));
    EXPECT_STREQ("", w.Value(3, 2));
    EXPECT_STREQ("k1", w.Value(1, 1));
}

TEST(GridClipboard, PastingIntoSeveralRangesIsRefusedWithItsText)
{
    ClipGrid w(5, 5);
    w.g.ChangeCurrentCell(1, 1, 0x0A);
    w.g.GetParam()->m_SelectedRanges.DeleteAll();
    w.g.GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(1, 1, 1, 2));
    w.g.GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(3, 3, 4, 4));
    PutClipboardText("x\ty");
    MessageBoxes boxes;
    boxes.Expect(IDOK, "Mehrfachauswahl");
    EXPECT_FALSE(w.g.Paste());
    EXPECT_EQ(1u, boxes.Shown().size());
    EXPECT_STREQ("", w.Value(1, 1));
    EXPECT_STREQ("", w.Value(3, 3));
    // One range takes the paste.
    w.Select(CGXCellRange(3, 3, 4, 4));
    EXPECT_TRUE(w.g.Paste());
    EXPECT_EQ(1u, boxes.Shown().size());
    EXPECT_STREQ("x", w.Value(3, 3));
}
