// Installation of the feature components: the default factory's lists, installing twice,
// dependencies that are installed again, and a grid built without a factory.
#include "FeatureTestApp.h"
#include "grid/core/AppData.h"
#include "grid/core/GridCore.h"
#include "TestSupport.h"
#include <gtest/gtest.h>

namespace
{
// The per-grid component slots, in their order inside the grid.
std::vector<const void*> Slots(const CGXGridCore& g)
{
    return {g.m_pPrintImp,
            g.m_pSortImp,
            g.m_pOldDrawingImp,
            g.m_pCoveredCellsImp,
            g.m_pDrawSpannedCellsImp,
            g.m_pFloatCellsImp,
            g.m_pMergeCellsImp,
            g.m_pUndoImp,
            g.m_pCalcSizeImp,
            g.m_pUpdateHintImp,
            g.m_pResizeToFitImp,
            g.m_pHideCellsImp,
            g.m_pFindReplaceImp,
            g.m_pUserSelectRangeImp,
            g.m_pExcelLikeFrameImp,
            g.m_pExcelLikeFillImp,
            g.m_pUserDragSelectRangeImp,
            g.m_pMoveRowsColsImp,
            g.m_pUserResizeCellsImp,
            g.m_pOptimizedUpdateImp,
            g.m_pMarkEditHeaderImp,
            g.m_pFreezeMenuHelperImp,
            g.m_pDirectCopyMoveCellsImp,
            g.m_pTextDataExchangeImp,
            g.m_pStyleDataExchangeImp,
            g.m_pCutPasteImp,
            g.m_pClearCellsImp,
            g.m_pRangeNameImp,
            g.m_pPrepareRedrawImp};
}
} // namespace

TEST(GridComponents, TheDefaultFactoryInstallsItsListsAndEachComponentIsOwnedOnce)
{
    GridWindow w(300, 200);
    CGXGridCore& g = *w.grid;
    // Every installed component is in the owned list exactly once.
    int nInstalled = 0;
    for (const void* p : Slots(g))
        if (p != NULL)
        {
            nInstalled++;
            int nFound = 0;
            POSITION pos = g.m_ownedImps.GetHeadPosition();
            while (pos != NULL)
                nFound += g.m_ownedImps.GetNext(pos) == p;
            EXPECT_EQ(1, nFound);
        }
    EXPECT_EQ(nInstalled, (int)g.m_ownedImps.GetCount());
    EXPECT_TRUE(g.m_pCutPasteImp != NULL && g.m_pClearCellsImp != NULL && g.m_pUpdateHintImp != NULL);
    EXPECT_TRUE(g.m_bAutoScrollInstalled || g.m_pluginList.GetCount() > 0);
    // Named ranges come with the formula engine, the redraw preparation with nothing.
    EXPECT_EQ(nullptr, g.m_pRangeNameImp);
    EXPECT_EQ(nullptr, g.m_pPrepareRedrawImp);

    CGXAppData* pAppData = GXGetAppData();
    EXPECT_NE(nullptr, pAppData->m_pStyleSerializeImp);
    EXPECT_NE(nullptr, pAppData->m_pDataCopyMoveCellsImp);
}

TEST(GridComponents, InstallingTwiceCreatesOneComponent)
{
    GridWindow w(300, 200);
    CGXGridCore& g = *w.grid;
    g.m_pCalcSizeImp = NULL; // floating cells installed one; the grid still owns it
    INT_PTR nOwned = g.m_ownedImps.GetCount();
    g.InstallCalcSizeImp();
    CGXAbstractCalcSizeImp* pFirst = g.m_pCalcSizeImp;
    ASSERT_NE(nullptr, pFirst);
    g.InstallCalcSizeImp();
    EXPECT_EQ(pFirst, g.m_pCalcSizeImp);
    EXPECT_EQ(nOwned + 1, g.m_ownedImps.GetCount());
    EXPECT_EQ((void*)pFirst, g.m_ownedImps.GetHead());
}

TEST(GridComponents, AnInstalledComponentInstallsItsDependenciesAgain)
{
    GridWindow w(300, 200);
    CGXGridCore& g = *w.grid;
    ASSERT_NE(nullptr, g.m_pDirectCopyMoveCellsImp);
    CGXAppData* pAppData = GXGetAppData();
    // Cleared behind the library's back: the grid's installer brings it back.
    CGXAbstractDataCopyMoveCellsImp* pOld = pAppData->m_pDataCopyMoveCellsImp;
    pAppData->m_pDataCopyMoveCellsImp = NULL;
    INT_PTR nOwned = g.m_ownedImps.GetCount();
    g.InstallDirectCopyMoveCellsImp();
    EXPECT_NE(nullptr, pAppData->m_pDataCopyMoveCellsImp);
    EXPECT_EQ(nOwned, g.m_ownedImps.GetCount());
    // The new one is on the library's exit list, the old one too: both are released at shut-down.
    EXPECT_TRUE(pAppData->m_exitList.Find(pAppData->m_pDataCopyMoveCellsImp) != NULL);
    EXPECT_TRUE(pAppData->m_exitList.Find(pOld) != NULL);
}

TEST(GridComponents, AGridBuiltWithoutFactoryHasNoComponents)
{
    EnsureGridLibrary();
    CGXAppData* pAppData = GXGetAppData();
    CGXAbstractControlFactory* pFactory = pAppData->m_pControlFactory;
    pAppData->m_pControlFactory = NULL;
    {
        CGXGridWnd grid;
        for (const void* p : Slots(grid))
            EXPECT_EQ(nullptr, p);
        EXPECT_EQ(0, grid.m_ownedImps.GetCount());
        EXPECT_EQ(0, grid.m_pluginList.GetCount());
    }
    pAppData->m_pControlFactory = pFactory;
}

TEST(GridComponents, InstallersBringTheirDependencies)
{
    EnsureGridLibrary();
    CGXAppData* pAppData = GXGetAppData();
    CGXAbstractControlFactory* pFactory = pAppData->m_pControlFactory;
    pAppData->m_pControlFactory = NULL;
    {
        // Dragging selected rows and columns: itself, range selection and row and column moving.
        CGXGridWnd grid;
        grid.InstallUserDragSelectRangeImp();
        EXPECT_NE(nullptr, grid.m_pUserDragSelectRangeImp);
        EXPECT_NE(nullptr, grid.m_pUserSelectRangeImp);
        EXPECT_NE(nullptr, grid.m_pMoveRowsColsImp);
        EXPECT_EQ(3, grid.m_ownedImps.GetCount());
        // The fill: itself, the frame and range selection.
        CGXGridWnd grid2;
        grid2.InstallExcelLikeFillImp();
        EXPECT_NE(nullptr, grid2.m_pExcelLikeFillImp);
        EXPECT_NE(nullptr, grid2.m_pExcelLikeFrameImp);
        EXPECT_NE(nullptr, grid2.m_pUserSelectRangeImp);
        EXPECT_EQ(3, grid2.m_ownedImps.GetCount());
        // A fill component set without ownership stays the caller's.
        CGXAbstractGridExcelLikeFillImp own;
        CGXGridWnd grid3;
        grid3.SetExcelFillImp(&own, FALSE);
        EXPECT_EQ(&own, grid3.m_pExcelLikeFillImp);
        EXPECT_EQ(0, grid3.m_ownedImps.GetCount());
        grid3.m_pExcelLikeFillImp = NULL;
    }
    pAppData->m_pControlFactory = pFactory;
}
