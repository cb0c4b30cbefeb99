// The Excel-capable grid view in a frame: created by its class name, an ordinary grid view until
// its sheet is set up; the set-up in three steps over the parameter object its document keeps;
// the set-up message; an embedded adapter that drives the set-up itself; the clipboard falling
// back to the grid's own formats.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/AppData.h"
#include "grid/excel/ExcelDocAdapter.h"
#include "grid/excel/ExcelReadView.h"
#include "grid/core/GridParam.h"
#include "grid/core/Properties.h"
#include "grid/core/Style.h"
#include "grid/core/StylesMap.h"
#include "CreateContext.h"
#include "Document.h"
#include "FrameWnd.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
// A document keeping the sheet's parameter object and an embedded adapter, reached through the
// view as the view's overridables ask.
CGXGridParam* s_pDocParam = NULL;
CGXExcelDocAdapter* s_pDocAdapter = NULL;
class CSheetView : public CGXExcelReadView
{
    DECLARE_DYNCREATE(CSheetView)

  public:
    CGXGridParam* GetDocParam() override
    {
        return s_pDocParam;
    }
    CGXExcelDocAdapter* GetDocAdapter() override
    {
        return s_pDocAdapter;
    }
};
IMPLEMENT_DYNCREATE(CSheetView, CGXExcelReadView)

struct SheetFrame
{
    CFrameWnd* pFrame = new CFrameWnd;
    CDocument* pDoc = new CDocument;
    CGXExcelReadView* pView = NULL;
    explicit SheetFrame(CRuntimeClass* pViewClass, bool bShow = true)
    {
        EnsureGridLibrary();
        pDoc->m_bAutoDelete = FALSE; // the test deletes it
        pFrame->Create(NULL, _T("Blatt"), WS_OVERLAPPEDWINDOW, CRect(30, 30, 430, 330));
        CCreateContext ctx;
        ctx.m_pNewViewClass = pViewClass;
        ctx.m_pCurrentDoc = pDoc;
        pView = (CGXExcelReadView*)pFrame->CreateView(&ctx);
        if (bShow)
            pFrame->InitialUpdateFrame(pDoc, TRUE);
        else // the initial update alone, nothing shown or painted yet
            pFrame->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        pFrame->UpdateWindow();
    }
    void Show()
    {
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
    }
    ~SheetFrame()
    {
        pFrame->DestroyWindow(); // the view and the frame delete themselves
        delete pDoc;
    }
};

// The library-wide parameter defaults are restored after a test that sets them.
struct ParamDefaultsKept
{
    CGXAppData* p = GXGetAppData();
    BOOL b1 = p->m_bParamDefault1, b2 = p->m_bParamDefault2, b3 = p->m_bParamDefault3;
    ~ParamDefaultsKept()
    {
        GXSetParamDefaults(b1, b2, b3);
    }
};

BOOL StandardWraps(CGXGridCore& g)
{
    return g.GetDefaultBaseStyle().GetWrapText();
}
} // namespace

TEST(GridExcelView, InAFrameItIsAGridViewWithTheSheetsClipboard)
{
    CObject* pObject = CRuntimeClass::FromName("CGXExcelReadView")->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CGXGridView)));
    delete pObject;

    SheetFrame f(RUNTIME_CLASS(CGXExcelReadView));
    CGXExcelReadView& v = *f.pView;
    // The plain initial update: a grid view, not yet a sheet.
    EXPECT_TRUE(v.IsInitialized());
    EXPECT_EQ(f.pDoc, v.m_pGridDoc);
    EXPECT_LT(v.GetRowCount(), 65535u);

    v.SetRowCount(5, GX_NOREDRAW);
    v.SetColCount(5, GX_NOREDRAW);
    v.SetValueRange(CGXCellRange(1, 1), "eins");
    v.GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(1, 1));
    EXPECT_TRUE(v.Copy()); // the handler declines, the grid's own copy works
    EXPECT_EQ("eins", ClipboardText());
    EXPECT_FALSE(::IsClipboardFormatAvailable(::RegisterClipboardFormatA("BIFF8")));
    PutClipboardText("x\ty");
    v.GetParam()->m_SelectedRanges.DeleteAll();
    v.ChangeCurrentCell(2, 2, 0x0A);
    EXPECT_TRUE(v.CanPasteFromClipboard());
    EXPECT_TRUE(v.Paste());
    EXPECT_STREQ("x", v.GetStoredValueText(2, 2));
    EXPECT_STREQ("y", v.GetStoredValueText(2, 3));
}

TEST(GridExcelView, SheetSetUpInThreeStepsOverTheDocumentsParameters)
{
    ParamDefaultsKept kept;
    GXSetParamDefaults(0, 0, 0);
    CGXGridParam docParam;
    s_pDocParam = &docParam;
    {
        SheetFrame f(RUNTIME_CLASS(CSheetView));
        CGXExcelReadView& v = *f.pView;
        f.pDoc->SetModifiedFlag(TRUE);

        // Size: the document's parameters, attached, and Excel's size.
        v.InitSheetParam();
        EXPECT_EQ(&docParam, v.GetParam());
        EXPECT_TRUE(v.IsInitialized());
        EXPECT_EQ(65535u, v.GetRowCount());
        EXPECT_EQ(257u, v.GetColCount());
        EXPECT_TRUE(docParam.IsUndoEnabled()); // switched off only while sizing
        ASSERT_NE(nullptr, docParam.GetProperties());

        // Defaults: floating cells, no wrap, hints on, the document unmodified.
        docParam.SetUndoEnabled(FALSE);
        v.SetHintsEnabled(FALSE);
        ASSERT_TRUE(StandardWraps(v));
        v.InitSheetDefaults();
        EXPECT_EQ(1, docParam.m_wFloatCellsMode);
        EXPECT_FALSE(StandardWraps(v));
        EXPECT_TRUE(v.IsHintsEnabled());
        EXPECT_TRUE(docParam.IsUndoEnabled());
        EXPECT_FALSE(f.pDoc->IsModified());

        // Options: the properties' two further options and the library's parameter defaults.
        v.InitSheetOptions();
        EXPECT_EQ(1, docParam.GetProperties()->m_w1);
        EXPECT_EQ(1, docParam.GetProperties()->m_w2);
        CGXAppData* pApp = GXGetAppData();
        EXPECT_EQ(1, pApp->m_bParamDefault1);
        EXPECT_EQ(2, pApp->m_bParamDefault2);
        EXPECT_EQ(1, pApp->m_bParamDefault3);
    }
    s_pDocParam = NULL; // the view only borrowed it
}

TEST(GridExcelView, SetUpMessageRunsOptionsThenDefaults)
{
    ParamDefaultsKept kept;
    struct Case
    {
        const char* name;
        WPARAM wParam;
        bool bRuns;
    } cases[] = {{"minus one", (WPARAM)-1, true}, {"zero", 0, false}, {"one", 1, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        GXSetParamDefaults(0, 0, 0);
        SheetFrame f(RUNTIME_CLASS(CGXExcelReadView));
        CGXExcelReadView& v = *f.pView;
        CGXProperties* pProp = v.GetParam()->GetProperties();
        ASSERT_NE(nullptr, pProp);
        ASSERT_EQ(0, pProp->m_w1);
        f.pDoc->SetModifiedFlag(TRUE);
        EXPECT_EQ(0, v.SendMessage(0x7E5, c.wParam, 0));
        EXPECT_EQ(c.bRuns ? 1 : 0, pProp->m_w1);
        EXPECT_EQ(c.bRuns ? 1 : 0, GXGetAppData()->m_bParamDefault1);
        EXPECT_EQ(c.bRuns ? 1 : 0, v.GetParam()->m_wFloatCellsMode);
        EXPECT_EQ(!c.bRuns, StandardWraps(v) != FALSE);
        EXPECT_EQ(!c.bRuns, f.pDoc->IsModified() != FALSE);
    }
}

TEST(GridExcelView, AnAdapterSettingUpTheSheetKeepsTheInitialUpdate)
{
    CGXExcelDocAdapter adapter;
    s_pDocAdapter = &adapter;
    for (BOOL bState : {TRUE, FALSE})
    {
        SCOPED_TRACE(bState);
        adapter.m_bState = bState;
        SheetFrame f(RUNTIME_CLASS(CSheetView), false);
        EXPECT_EQ(!bState, f.pView->IsInitialized() != FALSE);
        if (bState)
        {
            // The adapter's part: the sheet set-up before anything is shown.
            f.pView->InitSheetParam();
            EXPECT_TRUE(f.pView->IsInitialized());
            EXPECT_EQ(65535u, f.pView->GetRowCount());
        }
        f.Show();
    }
    s_pDocAdapter = NULL;
}
