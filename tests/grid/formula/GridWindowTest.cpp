// A grid window switched to formulas: stores, recalculated texts, structure changes and range
// names through the grid.
#include "FormulaTestSupport.h"
#include "grid/factory/ControlFactory.h"
#include "grid/core/GridParam.h"
#include "grid/core/GridWnd.h"
#include "grid/formula/FormulaSheet.h"
#include "grid/features/CommandFactory.h"
#include "TestSupport.h"
#include "afxwin.h"
#include <string>

namespace
{
class CFormulaTestApp : public CWinApp
{
  public:
    CFormulaTestApp() : CWinApp(_T("HelvonFormulaTest"))
    {
    }
};
CFormulaTestApp theApp;

class FormulaGridTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        if (!GXGetAppData()->m_bInitDone)
            InitGridLibraryWithDefaultFactory();
        formula_test::InstallTestFunctions();
        m_parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), _T("Formeln"),
                          WS_POPUP | WS_VISIBLE, CRect(30, 30, 430, 330), NULL, 0);
        m_grid.EnableFormulaEngine();
        ASSERT_TRUE(m_grid.Create(WS_VISIBLE, CRect(0, 0, 400, 300), &m_parent, 100));
        m_grid.OnGridInitialUpdate();
        m_grid.SetRowCount(20);
        m_grid.SetColCount(5);
    }
    void TearDown() override
    {
        m_grid.DestroyWindow();
        m_parent.DestroyWindow();
    }
    void Number(ROWCOL r, ROWCOL c, double d)
    {
        CGXStyle s;
        s.SetNumberValue(d);
        ASSERT_TRUE(m_grid.SetStyleRange(CGXCellRange(r, c), s));
    }
    CString Shown(ROWCOL r, ROWCOL c)
    {
        return m_grid.GetStoredValueText(r, c);
    }
    CString Expression(ROWCOL r, ROWCOL c)
    {
        CGXStyle s;
        m_grid.GetStyleRowCol(r, c, s, gxCopy, 1);
        return s.GetValue();
    }
    CWnd m_parent;
    CGXGridWnd m_grid;
};
} // namespace

TEST_F(FormulaGridTest, StoresFormulasAndShowsRecalculatedTexts)
{
    ASSERT_TRUE(m_grid.GetFormulaSheet() != NULL);
    EXPECT_TRUE(GXGetAppData()->m_bFormulaEngine);
    Number(1, 1, 2);
    ASSERT_TRUE(m_grid.SetValueRange(CGXCellRange(1, 2), "=A1*3", gxOverride, 1));
    EXPECT_EQ(CString("6"), Shown(1, 2));
    EXPECT_EQ(CString("=A1*3"), Expression(1, 2));
    Number(1, 1, 5);
    EXPECT_EQ(CString("15"), Shown(1, 2));
    testing_support::PumpMessages(30);

    ASSERT_TRUE(m_grid.InsertRows(1, 2));
    EXPECT_EQ(CString("5"), Shown(3, 1));
    EXPECT_EQ(CString("=A3*3"), Expression(3, 2));
    EXPECT_EQ(CString("15"), Shown(3, 2));
    EXPECT_EQ(CString(""), Shown(1, 2));
}

TEST_F(FormulaGridTest, ReadOnlyGridRefusesRangeNames)
{
    m_grid.SetReadOnly(TRUE);
    EXPECT_FALSE(m_grid.SetRangeName("Top", CGXCellRange(1, 1, 2, 1)));
    CGXCellRange r;
    EXPECT_FALSE(m_grid.GetRangeName("Top", r));
    m_grid.SetReadOnly(FALSE);
    ASSERT_TRUE(m_grid.SetRangeName("Top", CGXCellRange(1, 1, 2, 1)));
    ASSERT_TRUE(m_grid.GetRangeName("top", r));
    EXPECT_EQ(1u, r.top);
    EXPECT_EQ(2u, r.bottom);
    EXPECT_EQ(1u, r.left);
    Number(1, 1, 4);
    Number(2, 1, 6);
    ASSERT_TRUE(m_grid.SetValueRange(CGXCellRange(1, 3), "=SUM(Top)", gxOverride, 1));
    EXPECT_EQ(CString("10"), Shown(1, 3));
    m_grid.SetReadOnly(TRUE);
    EXPECT_FALSE(m_grid.DeleteRangeName("Top"));
    m_grid.SetReadOnly(FALSE);
    EXPECT_TRUE(m_grid.DeleteRangeName("Top"));
    EXPECT_EQ(CString("=SUM(A1..A2)"), Expression(1, 3));
}

namespace
{
// Records which range-name commands the grid asks for.
class RecordingFactory : public CGXCommandFactory
{
  public:
    CObject* CreateSetRangeNameCmd(const CString& strName, BOOL bExisted, const CGXCellRange& range) override
    {
        m_log += std::string("set ") + (LPCTSTR)strName + (bExisted ? " existed;" : " new;");
        return CGXCommandFactory::CreateSetRangeNameCmd(strName, bExisted, range);
    }
    CObject* CreateDeleteRangeNameCmd(const CString& strName, const CGXCellRange& range,
                                      CObject* pObject) override
    {
        m_log += std::string("delete ") + (LPCTSTR)strName + " row " + std::to_string(range.top) + ";";
        return CGXCommandFactory::CreateDeleteRangeNameCmd(strName, range, pObject);
    }
    void AddCommand(CGXGridCore* pGrid, CObject* pCmd, int ctCmd) override
    {
        m_nAdded += pCmd != NULL;
        CGXCommandFactory::AddCommand(pGrid, pCmd, ctCmd);
    }
    std::string m_log;
    int m_nAdded = 0;
};
} // namespace

TEST_F(FormulaGridTest, RangeNameChangesRecordUndoCommands)
{
    RecordingFactory factory;
    m_grid.m_pUndoImp = &factory;
    ASSERT_TRUE(m_grid.SetRangeName("Top", CGXCellRange(3, 1, 4, 1)));
    ASSERT_TRUE(m_grid.SetRangeName("Top", CGXCellRange(5, 1, 6, 1)));
    ASSERT_TRUE(m_grid.DeleteRangeName("Top"));
    // Rolling back records nothing.
    ASSERT_TRUE(m_grid.SetRangeName("Other", CGXCellRange(1, 1), NULL, GX_UPDATENOW, 1));
    m_grid.GetParam()->SetUndoEnabled(FALSE);
    ASSERT_TRUE(m_grid.SetRangeName("Third", CGXCellRange(1, 1)));
    m_grid.m_pUndoImp = NULL;
    EXPECT_EQ("set Top new;set Top existed;delete Top row 5;", factory.m_log);
    EXPECT_EQ(3, factory.m_nAdded);
}
