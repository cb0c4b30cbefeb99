// OLE preview cells on a shown browser grid and on a plain grid: what needs no OLE server
// (refused bytes and classes, Delete, the plain grid's refusals) and the factory row.
#include "ObjectBrowser.h"
#include "TestSupport.h"
#include "grid/controls/GenericViewerImpl.h"
#include "grid/controls/OleObjectBytes.h"
#include "grid/controls/HotSpotButton.h"
#include "grid/controls/OlePreview.h"
#include "grid/controls/OleVarUserAttribute.h"
#include "grid/core/BrowserWnd.h"
#include "grid/core/Data.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <vector>

namespace
{
COleVariant ObjectBytes(const char* pszClass)
{
    const BYTE payload[] = {1, 2, 3, 4};
    CByteArray bytes;
    CGXOleObjectBytes::Build("Objekt", pszClass, payload, sizeof(payload), bytes);
    return ByteVariant(bytes.GetData(), bytes.GetSize());
}

CGXStyle PreviewStyle(const VARIANT& var)
{
    CGXOleVarUserAttribute attribute;
    attribute.SetValue(var);
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_OLEPREVIEW).SetUserAttribute(GX_IDS_UA_DAOBITMAP, attribute);
    return style;
}

// The type of the value a cell stores in its object attribute; VT_ILLEGAL without one.
VARTYPE StoredType(CGXGridCore& grid, ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle style;
    grid.GetStyleRowCol(nRow, nCol, style);
    if (!style.HasUserAttribute(GX_IDS_UA_DAOBITMAP))
        return (VARTYPE)VT_ILLEGAL;
    const VARIANT* pVar =
        ((const CGXOleVarUserAttribute&)style.GetUserAttribute(GX_IDS_UA_DAOBITMAP)).GetVariant();
    return pVar != NULL ? pVar->vt : (VARTYPE)VT_EMPTY;
}

class OleTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL)));
    }
    void TearDown() override
    {
        ::OleUninitialize();
    }
};

TEST_F(OleTest, TheFactoryGivesPreviewCellsToBrowserGridsOnly)
{
    ObjectBrowserWindow w;
    CGXControl* pControl = w.grid->GetRegisteredControl(GX_IDS_CTRL_OLEPREVIEW);
    ASSERT_TRUE(pControl != NULL);
    EXPECT_TRUE(pControl->IsKindOf(GX_CONTROL_CLASS(CGXOlePreview)));
    GridWindow plain(300, 120);
    EXPECT_FALSE(
        plain.grid->GetRegisteredControl(GX_IDS_CTRL_OLEPREVIEW)->IsKindOf(GX_CONTROL_CLASS(CGXOlePreview)));
}

TEST_F(OleTest, BytesThatCannotBeLoadedAreRefusedOnCopyAndLeaveNothingHeld)
{
    BYTE noSignature[40] = {0x14, 0x1C, 20};
    struct Case
    {
        const char* pszWhat;
        COleVariant value;
    } aCases[] = {
        {"no signature", ByteVariant(noSignature, sizeof(noSignature))},
        {"unregistered class", ObjectBytes("Helvon.KeineSolcheKlasse")},
        {"not a byte array", COleVariant("Bytes als Text")},
    };
    ObjectBrowserWindow w;
    for (const Case& c : aCases)
    {
        w.grid->m_object = c.value;
        ASSERT_TRUE(EnterCell(*w.grid, 1, 1)) << c.pszWhat;
        CGXOlePreview* pPreview = (CGXOlePreview*)w.grid->GetControl(1, 1);
        ASSERT_TRUE(pPreview->IsKindOf(GX_CONTROL_CLASS(CGXOlePreview)));
        testing_support::MessageBoxes boxes;
        boxes.Expect(IDOK, "Falsches Datenformat.");
        boxes.Expect(IDOK, "Fehler beim Kopieren");
        EXPECT_FALSE(pPreview->Copy()) << c.pszWhat;
        EXPECT_EQ(0u, boxes.Pending()) << c.pszWhat;
        EXPECT_EQ(2u, boxes.Shown().size()) << c.pszWhat;
        CGXOleViewer* pViewer = pPreview->GetViewer();
        ASSERT_TRUE(pViewer != NULL);
        EXPECT_EQ(0, pViewer->GetInterfaceManager()->GetCount()) << c.pszWhat;
        EXPECT_TRUE(pViewer->m_pOwner == NULL) << c.pszWhat;
        EXPECT_TRUE(pPreview->GetOpenViewer() == NULL) << c.pszWhat;
    }
}

TEST_F(OleTest, DeleteStoresAnEmptyValueAtOnce)
{
    ObjectBrowserWindow w;
    w.grid->m_object = ObjectBytes("Helvon.KeineSolcheKlasse");
    ASSERT_TRUE(EnterCell(*w.grid, 1, 1));
    TypeKey(VK_DELETE);
    EXPECT_EQ(1, w.grid->m_nObjectStores);
    EXPECT_EQ(VT_EMPTY, w.grid->m_object.vt);
}

TEST_F(OleTest, OnAPlainGridOnlyCutReports)
{
    GridWindow w(300, 120);
    w.grid->SetRowCount(3, GX_NOREDRAW);
    w.grid->SetColCount(2, GX_NOREDRAW);
    CGXOlePreview* pPreview = new CGXOlePreview(w.grid.get());
    w.grid->RegisterControl(GX_IDS_CTRL_OLEPREVIEW, pPreview);
    w.grid->SetStyleRange(CGXCellRange(1, 1), PreviewStyle(ObjectBytes("Helvon.KeineSolcheKlasse")));
    ASSERT_TRUE(EnterCell(*w.grid, 1, 1));
    ASSERT_EQ(pPreview, w.grid->GetControl(1, 1));
    testing_support::MessageBoxes boxes;
    EXPECT_TRUE(pPreview->GetViewer() == NULL);
    EXPECT_FALSE(pPreview->Copy());
    EXPECT_FALSE(pPreview->Paste());
    EXPECT_FALSE(pPreview->CanPaste());
    TypeKey(VK_DELETE);
    EXPECT_EQ(VT_ARRAY | VT_UI1, StoredType(*w.grid, 1, 1));
    EXPECT_TRUE(boxes.Shown().empty());
    boxes.Expect(IDOK, "Fehler beim Auschneiden");
    EXPECT_FALSE(pPreview->Cut());
    EXPECT_EQ(1u, boxes.Shown().size());
}
} // namespace

namespace
{
// Sends Cancel to the first dialog of this thread with the given caption.
std::string s_strCaption;
void CALLBACK CancelDialog(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hDialog = ::FindWindowA("#32770", s_strCaption.c_str());
    if (hDialog == NULL)
        return;
    ::KillTimer(NULL, nTimer);
    ::PostMessageA(hDialog, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(OleTest, PastingWithoutAnObjectOnTheClipboardReportsOnce)
{
    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    ::CloseClipboard();
    ObjectBrowserWindow w;
    ASSERT_TRUE(EnterCell(*w.grid, 1, 1));
    CGXOlePreview* pPreview = (CGXOlePreview*)w.grid->GetControl(1, 1);
    testing_support::MessageBoxes boxes;
    boxes.Expect(IDOK, "Falsches Datenformat.");
    EXPECT_FALSE(pPreview->Paste());
    EXPECT_EQ(1u, boxes.Shown().size());
    CGXOleViewer* pViewer = pPreview->GetViewer();
    EXPECT_EQ(0, pViewer->GetInterfaceManager()->GetCount());
    EXPECT_TRUE(pViewer->m_pOwner == NULL);
    EXPECT_TRUE(pPreview->GetOpenViewer() == NULL);
}

TEST_F(OleTest, ACellWithoutAnObjectOffersTheInsertDialog)
{
    ObjectBrowserWindow w;
    ASSERT_TRUE(EnterCell(*w.grid, 1, 1));
    CGXOlePreview* pPreview = (CGXOlePreview*)w.grid->GetControl(1, 1);
    CString strCaption;
    strCaption.LoadString(GX_IDS_OLE_INSERTCAPTION);
    s_strCaption = (LPCSTR)strCaption;
    testing_support::MessageBoxes boxes;
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 100, CancelDialog);
    pPreview->OnClickedButton(pPreview->m_pButton);
    BOOL bStillWaiting = ::KillTimer(NULL, nTimer);
    EXPECT_FALSE(bStillWaiting); // the timer found the dialog and cancelled it
    EXPECT_TRUE(boxes.Shown().empty());
    ASSERT_TRUE(EnterCell(*w.grid, 2, 1));
    EXPECT_EQ(0, w.grid->m_nObjectStores);
    EXPECT_EQ(VT_EMPTY, w.grid->m_object.vt);
}
} // namespace
