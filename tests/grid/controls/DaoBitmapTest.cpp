// Variant bitmap cells: the bitmap behind an object header is drawn, anything else only the
// background; headers that do not fit their bytes are refused; the attribute is copied by
// clones and survives an archive.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/DaoBitmap.h"
#include "grid/controls/OleVarUserAttribute.h"
#include "Archive.h"
#include "MemFile.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace testing_support;

namespace
{
const COLORREF s_pixels[3][4] = {{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(10, 20, 30)},
                                 {RGB(0, 0, 0), RGB(200, 100, 50), RGB(1, 2, 3), RGB(90, 80, 70)},
                                 {RGB(9, 9, 9), RGB(250, 0, 250), RGB(0, 128, 128), RGB(60, 60, 0)}};

void Put(std::vector<BYTE>& v, DWORD value, int nBytes)
{
    for (int i = 0; i < nBytes; i++)
        v.push_back((BYTE)(value >> (8 * i)));
}

// An object header, then a 4 x 3, 24-bit bitmap file (rows bottom-up, 12 bytes each).
std::vector<BYTE> ObjectWithBitmap()
{
    std::vector<BYTE> v = {0x15, 0x1C, 0x2F, 0x00, 0x02, 0x00, 0x00, 0x00, 'P', 'i', 'c', 't', 0, 0, 0, 0};
    v.push_back('B');
    v.push_back('M');
    Put(v, 14 + 40 + 36, 4);
    Put(v, 0, 4);
    Put(v, 14 + 40, 4);
    Put(v, 40, 4);
    Put(v, 4, 4);
    Put(v, 3, 4);
    Put(v, 1, 2);
    Put(v, 24, 2);
    Put(v, BI_RGB, 4);
    Put(v, 36, 4);
    for (int i = 0; i < 4; i++)
        Put(v, 0, 4);
    for (int y = 2; y >= 0; y--)
        for (int x = 0; x < 4; x++)
        {
            v.push_back(GetBValue(s_pixels[y][x]));
            v.push_back(GetGValue(s_pixels[y][x]));
            v.push_back(GetRValue(s_pixels[y][x]));
        }
    return v;
}

// Offset of the bitmap's info header in ObjectWithBitmap.
const size_t s_infoHeader = 16 + 14;

COleVariant ByteVariant(const std::vector<BYTE>& bytes)
{
    VARIANT v;
    AfxVariantInit(&v);
    v.vt = VT_ARRAY | VT_UI1;
    v.parray = ::SafeArrayCreateVector(VT_UI1, 0, (ULONG)bytes.size());
    void* pData = NULL;
    ::SafeArrayAccessData(v.parray, &pData);
    if (!bytes.empty())
        memcpy(pData, bytes.data(), bytes.size());
    ::SafeArrayUnaccessData(v.parray);
    COleVariant var;
    var.Attach(v);
    return var;
}

CGXStyle BitmapStyle(const VARIANT& var)
{
    CGXOleVarUserAttribute attribute;
    attribute.SetValue(var);
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_DAOBITMAP).SetUserAttribute(GX_IDS_UA_DAOBITMAP, attribute);
    return style;
}

TEST(GridDaoBitmap, DrawsTheBitmapBehindAnObjectHeaderAndElseOnlyTheBackground)
{
    GridWindow w(300, 200);
    CClickCountingGrid& grid = *w.grid;
    grid.SetRowCount(4, GX_NOREDRAW);
    grid.SetColCount(3, GX_NOREDRAW);
    std::vector<BYTE> noSignature = ObjectWithBitmap();
    noSignature[16] = 'X';
    grid.SetStyleRange(CGXCellRange(1, 1), BitmapStyle(ByteVariant(ObjectWithBitmap())));
    grid.SetStyleRange(CGXCellRange(2, 1), BitmapStyle(ByteVariant(noSignature)));
    grid.SetStyleRange(CGXCellRange(3, 1), BitmapStyle(COleVariant("BM keine Bytes")));
    grid.ChangeCurrentCell(4, 3);
    grid.RedrawAll();
    grid.UpdateWindow();
    CClientDC dc(&grid);
    CRect inner = grid.GetControl(1, 1)->GetCellRect(1, 1);
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 4; x++)
            EXPECT_EQ(s_pixels[y][x], dc.GetPixel(inner.left + x, inner.top + y)) << x << "," << y;
    COLORREF crBack = ::GetSysColor(COLOR_WINDOW);
    for (ROWCOL nRow : {2u, 3u})
    {
        CRect rect = grid.GetControl(nRow, 1)->GetCellRect(nRow, 1);
        int nOther = 0;
        for (int y = rect.top; y < rect.bottom; y++)
            for (int x = rect.left; x < rect.right; x++)
                nOther += dc.GetPixel(x, y) != crBack;
        EXPECT_EQ(0, nOther) << nRow;
    }
}

TEST(GridDaoBitmap, HeadersThatDoNotFitTheirBytesAreRefused)
{
    struct
    {
        const char* name;
        size_t nOffset; // into the info header; SIZE_MAX: cut the bytes instead
        DWORD dwValue;
        int nBytes;
        size_t nKeep;
        bool bDrawn;
    } cases[] = {
        {"whole", SIZE_MAX, 0, 0, 0, true},
        {"last row cut", SIZE_MAX, 0, 0, 1, false},
        {"only the file header", SIZE_MAX, 0, 0, 36 + 40, false},
        {"header size beyond the bytes", 0, 0x7FFFFFFF, 4, 0, false},
        {"header size too small", 0, 12, 4, 0, false},
        {"height beyond the bytes", 8, 300, 4, 0, false},
        {"width beyond the bytes", 4, 0x40000000, 4, 0, false},
        {"bit count 0", 14, 0, 2, 0, false},
        {"colour count beyond the bytes", 32, 0x10000000, 4, 0, false},
        {"top-down", 8, (DWORD)-3, 4, 0, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::vector<BYTE> bytes = ObjectWithBitmap();
        if (c.nOffset == SIZE_MAX)
            bytes.resize(bytes.size() - c.nKeep);
        else
            for (int i = 0; i < c.nBytes; i++)
                bytes[s_infoHeader + c.nOffset + i] = (BYTE)(c.dwValue >> (8 * i));
        COleVariant var = ByteVariant(bytes);
        HGLOBAL hDib = CGXDaoBitmap::DibFromVariant(&var);
        EXPECT_EQ(c.bDrawn, hDib != NULL);
        if (hDib != NULL)
        {
            EXPECT_EQ(bytes.size() - s_infoHeader, ::GlobalSize(hDib));
            ::GlobalFree(hDib);
        }
    }
    COleVariant text("BM");
    EXPECT_EQ(NULL, CGXDaoBitmap::DibFromVariant(&text));
}

TEST(GridDaoBitmap, ClonesHoldTheirOwnCopyAndTheAttributeSurvivesAnArchive)
{
    CGXOleVarUserAttribute attribute;
    attribute.m_nId = GX_IDS_UA_DAOBITMAP;
    EXPECT_TRUE(attribute.IsEmptyValue());
    attribute.SetValue(ByteVariant(ObjectWithBitmap()));
    EXPECT_FALSE(attribute.IsEmptyValue());
    EXPECT_STREQ("", attribute.GetValueText());
    std::unique_ptr<CGXOleVarUserAttribute> pClone((CGXOleVarUserAttribute*)attribute.Clone());
    EXPECT_NE(attribute.GetVariant(), pClone->GetVariant());
    EXPECT_NE(attribute.GetVariant()->parray, pClone->GetVariant()->parray);
    EXPECT_FALSE(attribute.IsSameValue(*pClone));
    EXPECT_TRUE(attribute.IsSameValue(attribute));
    EXPECT_EQ(0, memcmp(attribute.GetVariant()->parray->pvData, pClone->GetVariant()->parray->pvData,
                        ObjectWithBitmap().size()));

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << (CObject*)&attribute;
    }
    file.SeekToBegin();
    CObject* pLoaded = NULL;
    {
        CArchive ar(&file, CArchive::load);
        ar >> pLoaded;
    }
    std::unique_ptr<CObject> owner(pLoaded);
    ASSERT_TRUE(pLoaded != NULL && pLoaded->IsKindOf(RUNTIME_CLASS(CGXOleVarUserAttribute)));
    const VARIANT* pVar = ((CGXOleVarUserAttribute*)pLoaded)->GetVariant();
    ASSERT_TRUE(pVar != NULL);
    ASSERT_EQ(VT_ARRAY | VT_UI1, pVar->vt);
    std::vector<BYTE> expected = ObjectWithBitmap();
    ASSERT_EQ(expected.size(), pVar->parray->rgsabound[0].cElements);
    EXPECT_EQ(0, memcmp(pVar->parray->pvData, expected.data(), expected.size()));

    // Attributes given back leave their variants in the pool for the next one.
    INT_PTR nFree = CGXOleVarUserAttribute::GetVariantPool().GetFreeCount();
    pClone.reset();
    EXPECT_EQ(nFree + 1, CGXOleVarUserAttribute::GetVariantPool().GetFreeCount());
}
} // namespace
