// Library start-up, the control factory and the initial update of the grid engine.
#include "GridTestApp.h"
#include "grid/factory/ControlFactory.h"
#include "grid/core/EditControl.h"
#include "grid/core/Header.h"
#include "GridIds.h"
#include "TestSupport.h"
#include <gtest/gtest.h>

namespace
{
// A default factory that reports its deletion.
class CountingFactory : public CGXControlFactory
{
  public:
    explicit CountingFactory(int* pDeleted) : m_pDeleted(pDeleted)
    {
    }
    ~CountingFactory() override
    {
        ++*m_pDeleted;
    }
    int* m_pDeleted;
};
} // namespace

TEST(GridStartup, WindowClassesAndFormat)
{
    EnsureGridLibrary();
    HINSTANCE hInst = AfxGetInstanceHandle();
    struct Case
    {
        const char* name;
        UINT style;
    } cases[] = {
        {"GXWND", 0x400B},      {"GXNDBLCLKSWND", 0x4003}, {"GxMdiFrame", 0x4008},
        {"CGXGridWnd", 0x4008}, {"CGXTabWnd", 0x4008},     {"CGXTabBeam", 0x4008},
    };
    for (const Case& c : cases)
    {
        WNDCLASSA wc;
        ASSERT_TRUE(::GetClassInfoA(hInst, c.name, &wc)) << c.name;
        EXPECT_EQ(c.style, wc.style) << c.name;
    }
    // The control copies keep the system procedures and become global.
    const char* copies[][2] = {{"GXEDIT", "edit"}, {"GXLISTBOX", "listbox"}, {"GXCOMBOBOX", "combobox"}};
    for (auto& c : copies)
    {
        WNDCLASSA wc, sys;
        ASSERT_TRUE(::GetClassInfoA(hInst, c[0], &wc)) << c[0];
        ASSERT_TRUE(::GetClassInfoA(NULL, c[1], &sys));
        EXPECT_EQ(sys.style | CS_GLOBALCLASS, wc.style) << c[0];
        EXPECT_EQ(sys.lpfnWndProc, wc.lpfnWndProc) << c[0];
    }

    CString strName = GXStylesClipboardFormatName(hInst);
    CString strExpected;
    unsigned long long n = (UINT_PTR)hInst;
    strExpected.Format("Grid Styles %08x%08x", (unsigned)(n >> 32), (unsigned)n);
    EXPECT_EQ(strExpected, strName);
    EXPECT_EQ(12 + 16, strName.GetLength()); // every digit of the 64-bit handle
    EXPECT_EQ(::RegisterClipboardFormatA(strName), GXGetAppData()->m_uiStylesClipboardFormat);
    EXPECT_EQ(CString("Zeilen einf\xfcgen"), GXGetAppData()->GetLibraryText(GX_IDS_INSERTROWS));
    EXPECT_EQ(CString("Fertig."), GXGetAppData()->GetLibraryText(GX_IDS_LONGOP_DONE));
}

TEST(GridStartup, SecondStartDeletesFirstFactory)
{
    int nDeleted1 = 0, nDeleted2 = 0;
    InitGridLibrary(new CountingFactory(&nDeleted1));
    EXPECT_EQ(0, nDeleted1);
    InitGridLibrary(new CountingFactory(&nDeleted2));
    EXPECT_EQ(1, nDeleted1);
    EXPECT_EQ(0, nDeleted2);
    InitGridLibraryWithDefaultFactory();
    EXPECT_EQ(1, nDeleted2);
    EXPECT_TRUE(GXGetAppData()->m_bInitDone);
}

TEST(GridStartup, InitialUpdateWithoutLibraryThrows)
{
    EnsureGridLibrary();
    HINSTANCE hInst = AfxGetInstanceHandle();
    ASSERT_TRUE(::UnregisterClassA("GXWND", hInst));
    CGXGridCore grid;
    BOOL bThrown = FALSE;
    try
    {
        grid.OnGridInitialUpdate();
    }
    catch (CNotSupportedException* e)
    {
        bThrown = TRUE;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_FALSE(grid.IsInitialized());
    InitGridLibraryWithDefaultFactory(); // registers the class again
    WNDCLASSA wc;
    EXPECT_TRUE(::GetClassInfoA(hInst, "GXWND", &wc));
}

TEST(GridStartup, FactoryControls)
{
    EnsureGridLibrary();
    CGXGridCore grid;
    grid.OnGridInitialUpdate();
    CGXControlFactory factory;
    struct Case
    {
        UINT id;
        const GX_CONTROL_CLASSINFO* pClass; // null: no control
    } cases[] = {
        {GX_IDS_CTRL_STATIC, GX_CONTROL_CLASS(CGXStatic)},
        {GX_IDS_CTRL_HEADER, GX_CONTROL_CLASS(CGXHeader)},
        {GX_IDS_CTRL_EDIT, GX_CONTROL_CLASS(CGXEditControl)},
        {52530, GX_CONTROL_CLASS(CGXEditControl)},
        {52533, GX_CONTROL_CLASS(CGXEditControl)},
        {52538, GX_CONTROL_CLASS(CGXEditControl)},
        {12345, GX_CONTROL_CLASS(CGXEditControl)},
        {GX_IDS_CTRL_OLEPREVIEW, NULL}, // only on a browser grid
    };
    for (const Case& c : cases)
    {
        CGXControl* p = factory.CreateControl(c.id, &grid);
        if (c.pClass == NULL)
        {
            EXPECT_EQ(nullptr, p) << c.id;
            continue;
        }
        ASSERT_NE(nullptr, p) << c.id;
        EXPECT_STREQ(c.pClass->m_lpszClassName, p->GetControlClass()->m_lpszClassName) << c.id;
        EXPECT_TRUE(p->IsKindOf(GX_CONTROL_CLASS(CGXControl)));
        delete p;
    }
    CGXHeader header(&grid);
    EXPECT_TRUE(header.IsKindOf(GX_CONTROL_CLASS(CGXStatic)));
    CGXStatic stat(&grid);
    EXPECT_FALSE(stat.IsKindOf(GX_CONTROL_CLASS(CGXHeader)));

    // 20132 on an ordinary grid: no control, so the grid falls back to its default control.
    EXPECT_EQ(grid.GetDefaultControl(), grid.GetRegisteredControl(GX_IDS_CTRL_OLEPREVIEW));
    EXPECT_EQ(grid.GetDefaultControl(), grid.GetRegisteredControl(0));
    CGXControl* pHeader = grid.GetRegisteredControl(GX_IDS_CTRL_HEADER);
    EXPECT_TRUE(pHeader->IsKindOf(GX_CONTROL_CLASS(CGXHeader)));
    EXPECT_EQ(pHeader, grid.GetRegisteredControl(GX_IDS_CTRL_HEADER)); // registered once
}

TEST(GridStartup, RegisteredNames)
{
    CGXStylesMap map;
    CGXControlFactory factory;
    factory.RegisterAllControls(&map);
    const auto& names = map.GetControlNameMap();
    EXPECT_EQ(37u, names.size());
    EXPECT_EQ(CString("Texteingabe"), names.at(52512));
    EXPECT_EQ(CString("Kennwortt"), names.at(52537));
    EXPECT_EQ(CString("Dao object preview control"), names.at(20132));
    EXPECT_EQ(0u, names.count(52530));

    factory.RegisterAllUserAttributes(&map);
    const auto& attrs = map.GetUserAttributeMap();
    ASSERT_EQ(1u, attrs.count(GX_IDS_UA_TOOLTIPTEXT));
    EXPECT_EQ(CString("Tooltip-Text"), attrs.at(GX_IDS_UA_TOOLTIPTEXT)->sName);
    EXPECT_TRUE(attrs.at(GX_IDS_UA_TOOLTIPTEXT)->pStyle->GetWrapText()); // as the warning text
    ASSERT_EQ(1u, attrs.count(GX_IDS_UA_ELLIPSISTYPE));
    const CGXStyle* pEllipse = attrs.at(GX_IDS_UA_ELLIPSISTYPE)->pStyle;
    EXPECT_EQ(CString("Ellipsen Typ"), attrs.at(GX_IDS_UA_ELLIPSISTYPE)->sName);
    EXPECT_EQ(GX_IDS_CTRL_CBS_DROPDOWNLIST, pEllipse->GetControl());
    EXPECT_EQ(CString("Keine Ellipse\nPunkte ...\nMaske ###"), pEllipse->GetChoiceList());
    EXPECT_EQ(1u, attrs.count(GX_IDS_UA_RTLREADING));
}

TEST(GridEngine, InitialUpdateBindsAndRegisters)
{
    EnsureGridLibrary();
    CGXGridParam* pShared = new CGXGridParam;
    pShared->m_nFrozenRows = 3;
    pShared->m_nCurrentRow = 50; // outside the counts
    pShared->m_nCurrentCol = 1;
    CGXAppData* pApp = GXGetAppData();
    {
        CGXGridCore a, b;
        a.AttachParamObject(pShared, TRUE);
        b.AttachParamObject(pShared, FALSE);
        a.OnGridInitialUpdate();
        b.OnGridInitialUpdate();
        EXPECT_EQ(4u, a.GetTopRow()); // after the frozen rows
        ROWCOL r, c;
        EXPECT_FALSE(a.GetCurrentCell(r, c));
        EXPECT_EQ(4, pApp->CountRegistrations(&a)); // parameter, properties, styles map, data
        EXPECT_EQ(4, pApp->CountRegistrations(&b));
        EXPECT_EQ(&a, pApp->LookupGrid(pShared));
        EXPECT_NE(nullptr, pShared->GetData());
        EXPECT_NE(nullptr, a.GetDefaultControl());
        EXPECT_EQ(CString("Standard"), [&] {
            CString s;
            UINT n;
            pShared->GetStylesMap()->GetStyleName(pShared->GetStylesMap()->m_wStyleStandard, s, n);
            return s;
        }());
        {
            CGXGridCore c2;
            c2.AttachParamObject(pShared, FALSE);
            c2.OnGridInitialUpdate();
        }
        EXPECT_EQ(4, pApp->CountRegistrations(&a)); // destroying one leaves the others
        b.AttachParamObject(NULL, TRUE);            // the caller-owned binding is not deleted
        EXPECT_EQ(3u, a.GetFrozenRows());
    }
    EXPECT_EQ(nullptr, pApp->LookupGrid(pShared)); // a deleted it; nothing registered stays
}

TEST(GridEngine, BaseStylesNeedStylesMap)
{
    CGXGridCore grid;
    BOOL bThrown = FALSE;
    try
    {
        grid.GetDefaultBaseStyle();
    }
    catch (CNotSupportedException* e)
    {
        bThrown = TRUE;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
}
